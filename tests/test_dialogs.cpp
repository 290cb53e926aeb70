#include "about/about_box.h"
#include "platform/painted_label.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "game_rig.h"
#include "twips.h"
#include "options/view/options_dialog.h"
#include "platform/fonts.h"
#include "platform/ini_settings_store.h"
#include "platform/qt_worker.h"
#include "platform/text_fit.h"
#include "platform/translations.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QTimer>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

// The list's reader, held at a gate until the test opens it.
class GatedFiles final : public FileReader {
public:
    explicit GatedFiles(FileReader &files) : files_(files) {}
    QSemaphore gate;
    using FileReader::read;
    FileContents read(const QByteArray &path, qint64 maxBytes) override
    {
        gate.acquire();
        return files_.read(path, maxBytes);
    }

private:
    FileReader &files_;
};

// The game as it runs, with its options in a real settings file in a temporary folder; the lists
// are read at once, or (offThread) on the real worker's thread through a gate.
struct Desktop {
    QTemporaryDir dir;
    IniSettingsStore store{dir.filePath("Gibbetry/Gibbetry.conf")};
    FakeFiles files;
    GatedFiles gated{files};
    ScriptedRandom random;
    RecordingMessages messages;
    CountingBusy busy;
    FixedClock clock;
    ImmediateWorker worker;
    QtWorker thread;
    bool offThread;
    Options options{store, messages};
    Game game{options,
              {offThread ? static_cast<FileReader &>(gated) : files, random, messages, busy, clock,
               offThread ? static_cast<Worker &>(thread) : worker},
              {QByteArray("/data")}};
    MainWindow window{game, options};

    explicit Desktop(bool offThread = false) : offThread(offThread)
    {
        files.put("/data/Ogden's Basic English Words.txt", "ogden\r\n");
        files.put("/data/SmarterKid 1.txt", "kid\r\n");
        game.Form_Load();
        window.showCentred();
    }
    ~Desktop() { gated.gate.release(100); }
    QString stored() const
    {
        QFile file(store.filePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // Opens Options from the menu and runs act on the dialog while it is shown modally.
    void withOptions(const std::function<void(OptionsDialog &)> &act)
    {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<OptionsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            acted = true;
            act(*dialog);
        });
        window.optionsAction()->trigger();
        QVERIFY(acted);
    }
    QString status(int field) const { return window.label({Element::status, field})->text(); }
};

void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// What a control shows as its caption: its own, or that of the label it wrapped it into.
QString caption(const QWidget *control)
{
    const auto *wrapped = control->findChild<CaptionLabel *>(QString(), Qt::FindDirectChildrenOnly);
    if (wrapped && wrapped->isVisibleTo(control))
        return wrapped->text();
    return control->property("text").toString() + control->property("title").toString();
}

// A point on a check box's or option button's indicator.
QPoint indicator(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const bool check = qobject_cast<const QCheckBox *>(button);
    return button->style()
        ->subElementRect(check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                         &option, button)
        .center();
}

void keys(QWidget *widget, Qt::Key key, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(widget, key);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFonts(); }

    void optionsFromTheMenuAreAppliedAndSaved()
    {
        Desktop desk;
        QTest::mouseClick(desk.window.newGameButton(), Qt::LeftButton);
        QTest::mouseClick(desk.window.letterTile('Z' - 'A'), Qt::LeftButton); // a game in progress
        desk.withOptions([](OptionsDialog &d) {
            QVERIFY(!d.comGuess()->isEnabled());
            QTest::mouseClick(d.optGuessManual(), Qt::LeftButton);
            QVERIFY(d.comGuess()->isEnabled());
            keys(d.comGuess(), Qt::Key_Up, 3); // "8" to "5"
            clickRow(d.lstWordSource(), 2);
            QTest::mouseClick(d.chkLength(), Qt::LeftButton);
            QVERIFY(d.comLength()->isEnabled());
            keys(d.comLength(), Qt::Key_Up, 2); // "8" to "6"
            QTest::mouseClick(d.cmdDone(), Qt::LeftButton);
        });
        QVERIFY(!QApplication::activeModalWidget());
        const QString file = desk.stored();
        for (const char *line : {"optGuessGUI=False", "optGuessManual=True", "comGuessE=True",
                                 "comGuessLI=4", "lstWordSource=2", "chkHint=0", "chkLength=1",
                                 "comLengthE=True", "comLengthLI=2"})
            QVERIFY2(file.contains(QString(line) + '\n'), line);
        QCOMPARE(desk.status(2), "SmarterKid 1 - 5,000 words");
        QCOMPARE(desk.status(3), "Word length limited to 6 characters");
        // A new game from the new list, in manual mode, replaced the one in progress.
        QCOMPARE(desk.game.state().secretWord, "kid");
        QCOMPARE(desk.window.label({Element::lblGG, 1})->text(), "5");
        QVERIFY(desk.window.label({Element::lblGG, 1})->isVisible());
        QCOMPARE(desk.window.letterTile('Z' - 'A')->textColour(),
                 QColor(Qt::black));

        // After a restart the dialog shows the same.
        IniSettingsStore again(desk.store.filePath());
        Options restarted(again, desk.messages);
        OptionsDialog shown(restarted, desk.game);
        QVERIFY(shown.optGuessManual()->isChecked());
        QCOMPARE(shown.comGuess()->currentText(), "5");
        QCOMPARE(shown.lstWordSource()->currentRow(), 2);
        QVERIFY(shown.chkLength()->isChecked());
        QCOMPARE(shown.comLength()->currentText(), "6");
    }

    void theCloseBoxDiscardsTheChanges()
    {
        Desktop desk;
        desk.withOptions([](OptionsDialog &d) {
            QTest::mouseClick(d.optGuessManual(), Qt::LeftButton);
            clickRow(d.lstWordSource(), 2);
            d.close();
        });
        QVERIFY(desk.stored().isEmpty());
        QCOMPARE(desk.status(2), "Ogden's Basic English Words - 850 words");
        // A new game plays the options in force: drawing mode, Ogden's list.
        QTest::mouseClick(desk.window.newGameButton(), Qt::LeftButton);
        QCOMPARE(desk.game.state().secretWord, "ogden");
        QVERIFY(!desk.window.label({Element::lblGG, 1})->isVisible());
        desk.withOptions([](OptionsDialog &d) {
            QVERIFY(d.optGuessGUI()->isChecked());
            QCOMPARE(d.lstWordSource()->currentRow(), 1);
            QTest::mouseClick(d.cmdDone(), Qt::LeftButton);
        });
        QVERIFY(desk.stored().contains("optGuessGUI=True\n"));
    }

    void keyboardSelectionOfASourceCounts()
    {
        Desktop desk;
        desk.withOptions([](OptionsDialog &d) {
            d.lstWordSource()->setFocus();
            QTest::keyClick(d.lstWordSource(), Qt::Key_Down);
            QTest::mouseClick(d.cmdDone(), Qt::LeftButton);
        });
        QCOMPARE(desk.game.wordList().entry(1).toString(), "kid");
        QCOMPARE(desk.status(2), "SmarterKid 1 - 5,000 words");
    }

    void aSourceThatCannotBeReadLeavesTheListInPlay()
    {
        Desktop desk;
        desk.withOptions([](OptionsDialog &d) {
            clickRow(d.lstWordSource(), 3); // SmarterKid 2: no such file here
            QTest::mouseClick(d.cmdDone(), Qt::LeftButton);
        });
        QCOMPARE(desk.messages.shown.size(), 1);
        QVERIFY(desk.messages.shown[0].contains("SmarterKid 2.txt"));
        QCOMPARE(desk.status(2), "Ogden's Basic English Words - 850 words");
        QVERIFY(desk.stored().contains("lstWordSource=1\n"));
        QCOMPARE(desk.game.state().secretWord, "ogden");
    }

    void ctrlClickNeverEmptiesTheWordSource()
    {
        Desktop desk;
        int selected = -1;
        desk.withOptions([&](OptionsDialog &d) {
            QListWidget *list = d.lstWordSource();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualItemRect(list->item(1)).center());
            selected = list->selectedItems().size() == 1 ? list->row(list->selectedItems()[0]) : -1;
            QTest::mouseClick(d.cmdDone(), Qt::LeftButton);
        });
        QCOMPARE(selected, 1);
    }

    // SmarterKid 1 with a limit of 8 is confirmed with DONE, then not saved or overwritten by
    // another game: the close box keeps it in force, and the status line names it.
    void theCloseBoxKeepsTheOptionsInForce_data()
    {
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("after a failed save") << true;
        QTest::newRow("after another game's save") << false;
    }
    void theCloseBoxKeepsTheOptionsInForce()
    {
        QFETCH(bool, saveFails);
        Desktop desk;
        if (saveFails)
            QVERIFY(QDir().mkpath(desk.store.filePath())); // a folder where the file would go
        desk.withOptions([](OptionsDialog &d) {
            clickRow(d.lstWordSource(), 2);
            QTest::mouseClick(d.chkLength(), Qt::LeftButton);
            QTest::mouseClick(d.cmdDone(), Qt::LeftButton);
        });
        QCOMPARE(desk.messages.shown.size(), saveFails ? 1 : 0);
        if (!saveFails) {
            IniSettingsStore other(desk.store.filePath()); // a second game, saving meanwhile
            other.write("Settings", "lstWordSource", "3");
            other.write("Settings", "chkLength", "0");
            QVERIFY(!other.commit());
        }
        desk.withOptions([](OptionsDialog &d) {
            QTest::mouseClick(d.optGuessManual(), Qt::LeftButton);
            d.close();
        });
        QTest::mouseClick(desk.window.newGameButton(), Qt::LeftButton);
        QCOMPARE(desk.game.state().secretWord, "kid");
        QCOMPARE(desk.status(2), "SmarterKid 1 - 5,000 words");
        QCOMPARE(desk.status(3), "Word length limited to 8 characters");
        QVERIFY(!desk.window.label({Element::lblGG, 1})->isVisible());
        int row = -1;
        desk.withOptions([&](OptionsDialog &d) {
            row = d.optGuessGUI()->isChecked() ? d.lstWordSource()->currentRow() : -1;
            d.close();
        });
        QCOMPARE(row, 2);
    }

    void doneWithoutChangesRewritesTheStatusLine()
    {
        Desktop desk;
        for (int field : {2, 3, 4})
            desk.game.setStatusCaption(field, "stale");
        desk.withOptions([](OptionsDialog &d) { QTest::mouseClick(d.cmdDone(), Qt::LeftButton); });
        QCOMPARE(desk.status(2), "Ogden's Basic English Words - 850 words");
        QCOMPARE(desk.status(3), "No restriction on word length");
        QCOMPARE(desk.status(4), "Hint is OFF");
    }

    void theAboutBoxOpensAgain()
    {
        Desktop desk;
        for (int time = 1; time <= 2; ++time) {
            QString title;
            QTimer::singleShot(0, [&] {
                auto *about = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
                title = about ? about->lblTitle()->text() : QString();
                if (about)
                    about->close();
            });
            desk.window.aboutAction()->trigger();
            QCOMPARE(title, "Gibbetry");
        }
    }

    void aSlowListLeavesTheWindowResponsive()
    {
        Desktop desk(true);
        QVERIFY(desk.game.isReadingList());
        QCOMPARE(desk.busy.depth, 1);
        QTest::mouseClick(desk.window.newGameButton(), Qt::LeftButton); // waits for the list
        QVERIFY(desk.game.state().gameOver);
        bool opened = false;
        desk.withOptions([&](OptionsDialog &d) {
            opened = true;
            d.close();
        });
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
            opened = opened && about;
            if (about)
                about->close();
        });
        desk.window.aboutAction()->trigger();
        QVERIFY(opened);
        QVERIFY(desk.game.isReadingList());
        desk.gated.gate.release(100);
        QTRY_VERIFY(!desk.game.isReadingList());
        QCOMPARE(desk.busy.depth, 0);
        QCOMPARE(desk.game.state().secretWord, "ogden"); // the new game asked for has started
        QVERIFY(!desk.game.state().gameOver);
    }

    // SmarterKid 2, chosen with DONE, is not found while the dialog is open again on changes not
    // yet confirmed: the status line, the game that waited and the close box keep to the options
    // in force, with Ogden's list.
    void aListThatFailsWhileTheDialogIsOpen_data()
    {
        QTest::addColumn<int>("row"); // chosen in the open dialog, -1 for none
        QTest::newRow("the list untouched") << -1;
        QTest::newRow("the list in play chosen") << 1;
    }
    void aListThatFailsWhileTheDialogIsOpen()
    {
        QFETCH(int, row);
        Desktop desk(true);
        desk.gated.gate.release(2); // Ogden's, looked for in two places
        QTRY_VERIFY(!desk.game.isReadingList());
        desk.options.live(desk.game).setWordSourceIndex(3);
        desk.options.cmdDone_Click(desk.game);
        desk.withOptions([&](OptionsDialog &d) {
            const auto closed = qScopeGuard([&d] { d.close(); }); // also when a check fails
            if (row >= 0)
                clickRow(d.lstWordSource(), row);
            QTest::mouseClick(d.optGuessManual(), Qt::LeftButton);
            QTest::mouseClick(d.chkLength(), Qt::LeftButton);
            desk.gated.gate.release(2);
            QTRY_VERIFY(!desk.game.isReadingList());
            QCOMPARE(desk.status(2), "Ogden's Basic English Words - 850 words");
            QCOMPARE(desk.status(3), "No restriction on word length");
            QVERIFY(!desk.game.state().gameOver);
            QVERIFY(!desk.window.label({Element::lblGG, 1})->isVisible());
            QCOMPARE(d.lstWordSource()->currentRow(), 1);
        });
        QCOMPARE(desk.status(2), "Ogden's Basic English Words - 850 words");
        QTest::mouseClick(desk.window.newGameButton(), Qt::LeftButton);
        QCOMPARE(desk.game.state().secretWord, "ogden");
    }

    void closingTheWindowEndsTheProgram()
    {
        Desktop desk;
        desk.options.live(desk.game); // loaded
        QTimer::singleShot(0, &desk.window, &QWidget::close);
        QTimer::singleShot(5000, &desk.window, [] { QApplication::exit(1); }); // it hung
        QCOMPARE(QApplication::exec(), 0); // returns once the last window has closed
        QVERIFY(!desk.options.isLoaded()); // the options were unloaded with it
    }

    void optionsTabOrder()
    {
        Desktop desk;
        desk.options.live(desk.game).setOptGuessManual(true);
        desk.options.live(desk.game).setChkLength(1);
        OptionsDialog d(desk.options, desk.game);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.optGuessManual()->setFocus();
        QList<QWidget *> seen{QApplication::focusWidget()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget();
        }
        // The hint box is disabled, so the focus passes it by.
        const QList<QWidget *> expected{d.optGuessManual(), d.comGuess(),  d.cmdDone(),
                                        d.chkLength(),      d.comLength(), d.lstWordSource()};
        QCOMPARE(seen, expected);
        QCOMPARE(d.optGuessGUI()->nextInFocusChain(), d.optGuessManual());
        QCOMPARE(d.cmdDone()->nextInFocusChain(), d.chkHint());
    }

    void enterAndEscapeNeitherCloseOptionsNorPressDone()
    {
        Desktop desk;
        OptionsDialog d(desk.options, desk.game);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        for (QWidget *focus : {static_cast<QWidget *>(d.cmdDone()), static_cast<QWidget *>(d.lstWordSource())}) {
            focus->setFocus();
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(focus, key);
        }
        QVERIFY(d.isVisible());
        QVERIFY(desk.stored().isEmpty()); // DONE would have saved
        QVERIFY(desk.game.state().gameOver); // and started a game
        QVERIFY(!d.cmdDone()->isDefault() && !d.cmdDone()->autoDefault());
    }

    void optionsLayout()
    {
        Desktop desk;
        OptionsDialog d(desk.options, desk.game);
        QCOMPARE(d.windowTitle(), "Gibbetry - Options");
        QCOMPARE(d.size(), QSize(360, 471));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
        const std::pair<QWidget *, QRect> places[] = {
            {d.fraGuess(), twips(120, 120, 5175, 1815)},
            {d.optGuessGUI(), twips(360, 480, 4575, 375)},
            {d.optGuessManual(), twips(360, 1080, 2655, 375)},
            {d.comGuess(), twips(3000, 1080, 855, 315)},
            {d.fraWordList(), twips(120, 2280, 5175, 1575)},
            {d.lstWordSource(), twips(240, 480, 4695, 840)},
            {d.fraOther(), twips(120, 4200, 5175, 1815)},
            {d.chkHint(), twips(360, 480, 4095, 495)},
            {d.chkLength(), twips(360, 1080, 3495, 495)},
            {d.comLength(), twips(3960, 1200, 855, 315)},
            {d.cmdDone(), twips(1920, 6360, 1455, 495)},
        };
        for (const auto &[widget, rect] : places)
            QCOMPARE(widget->geometry(), rect);
        QCOMPARE(d.comGuess()->count(), 15);
        QCOMPARE(d.comGuess()->itemText(0), "1");
        QCOMPARE(d.comGuess()->itemText(14), "15");
        QCOMPARE(d.comLength()->count(), 17);
        QCOMPARE(d.comLength()->itemText(0), "4");
        QCOMPARE(d.comLength()->itemText(16), "20");
        QVERIFY(!d.comGuess()->isEditable() && !d.comLength()->isEditable());
        QCOMPARE(d.lstWordSource()->count(), 7);
        QCOMPARE(d.lstWordSource()->item(0)->text(),
                 "Australian English Dictionary (Tolvarin) - 45,000 words");
        QCOMPARE(d.optGuessGUI()->toolTip(),
                 "Each wrong guess will result in part of the hangman being drawn");
        QCOMPARE(d.chkHint()->toolTip(), "Supplies you with a hint to help you to solve the word");
        QVERIFY(!d.chkHint()->isEnabled());
        QCOMPARE(d.fraGuess()->font().pointSizeF(), 12.0);
        QCOMPARE(d.optGuessGUI()->font().pointSizeF(), 9.75);
        QCOMPARE(d.lstWordSource()->font().pointSizeF(), 8.0);
        for (const QWidget *w : d.findChildren<QWidget *>()) {
            if (auto *button = qobject_cast<const QAbstractButton *>(w))
                QVERIFY2(!button->text().contains('&'), qPrintable(button->text()));
        }
    }

    void aboutBoxLayoutAndTexts()
    {
        AboutBox about;
        QCOMPARE(about.windowTitle(), "About Gibbetry");
        QCOMPARE(about.size(), QSize(500, 363));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.lblTitle()->text(), "Gibbetry");
        QCOMPARE(about.lblVersion()->text(), "v1.0.0");
        QCOMPARE(about.fraUpdates()->title(), "Updates");
        QCOMPARE(about.txtUpdates()->toPlainText(), "");
        QCOMPARE(about.txtUpdates()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(about.lblWebsite()->text(), AboutBox::website);
        QCOMPARE(about.cmdOK()->text(), "OK");
        const std::pair<QWidget *, QRect> places[] = {
            {about.picIcon(), twips(240, 240, 540, 540)},
            {about.lblTitle(), twips(1050, 240, 3885, 360)},
            {about.lblVersion(), twips(1080, 600, 3885, 345)},
            {about.fraUpdates(), twips(120, 2280, 7335, 2655)},
            {about.txtUpdates(), twips(120, 360, 7095, 2175)},
            {about.lblWebsite(), twips(1050, 5040, 4725, 360)},
            {about.cmdOK(), twips(6120, 5040, 1260, 345)},
        };
        for (const auto &[widget, rect] : places)
            QCOMPARE(widget->geometry(), rect);
        QVERIFY(about.lblTitle()->font().bold() && about.lblWebsite()->font().bold());
        QCOMPARE(about.lblWebsite()->groundColour(), QColor(0, 0, 255));
        QCOMPARE(about.lblWebsite()->textColour(), QColor(Qt::white));
        QVERIFY(about.cmdOK()->isDefault());
        QVERIFY(!about.picIcon()->pixmap().isNull());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        // The labels and the frame take no focus: OK first, then the panel's text box.
        QCOMPARE(QApplication::focusWidget(), about.cmdOK());
        QTest::keyClick(about.cmdOK(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.txtUpdates());
        QTest::keyClick(about.txtUpdates(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.cmdOK());
    }

    void aCaptionTooLongForItsBoxWraps()
    {
        QWidget window;
        window.resize(200, 100);
        auto *box = new QCheckBox(QStringLiteral("Limit the length of the words used in the game"),
                                  &window);
        box->setGeometry(10, 10, 120, 33);
        fitCaption(*box, msSansSerif(9.75));
        window.show();
        auto *wrapped = box->findChild<CaptionLabel *>();
        QVERIFY(wrapped && wrapped->isVisible());
        QCOMPARE(wrapped->text(), "Limit the length of the words used in the game");
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->accessibleName(), wrapped->text());
        QVERIFY(wrapped->font().pointSizeF() >= minimumLegiblePoints);
        QVERIFY(wrapped->geometry().left() > indicator(box).x()); // beside the box, not over it
        QTest::mouseClick(wrapped, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(window.focusWidget(), box);
        // Room enough again (a style change refits): the caption goes back to the check box.
        box->resize(400, 33);
        fitCaption(*box, msSansSerif(9.75));
        QCOMPARE(box->text(), "Limit the length of the words used in the game");
        QVERIFY(!wrapped->isVisible());
        QVERIFY(box->accessibleName().isEmpty());
    }

    void germanCaptionsComeFromItsCatalogue()
    {
        const Translations german({QStringLiteral("de")});
        QCOMPARE(german.language(), "de");
        german.install();
        Desktop desk;
        OptionsDialog d(desk.options, desk.game);
        const std::tuple<const QWidget *, const char *, const char *> captions[] = {
            {d.fraGuess(), "gibbetry::OptionsDialog", "Select the number of wrong guesses allowed"},
            {d.optGuessManual(), "gibbetry::OptionsDialog", "Make a manual selection"},
            {d.chkLength(), "gibbetry::OptionsDialog", "Limit the length of the words used to"},
            {d.cmdDone(), "gibbetry::OptionsDialog", "DONE"},
            {desk.window.newGameButton(), "gibbetry::MainWindow", "Start New Game"},
            {desk.window.label({Element::lblG, 1}), "Board", "Allowed errors"}};
        for (const auto &[control, context, english] : captions) {
            QCOMPARE(caption(control), german.translate(context, english));
            QVERIFY2(caption(control) != QLatin1String(english), english);
        }
    }

    void arabicMirrorsTheDialogs()
    {
        const Translations arabic({QStringLiteral("ar")});
        QCOMPARE(arabic.language(), "ar");
        QVERIFY(arabic.rightToLeft());
        arabic.install();
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const auto ltr = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        Desktop desk;
        OptionsDialog d(desk.options, desk.game);
        d.show();
        QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
        const auto mirrored = [](const QWidget *w, const QRect &designed) {
            return QStyle::visualRect(Qt::RightToLeft, w->parentWidget()->rect(), designed);
        };
        QCOMPARE(d.fraGuess()->geometry(), mirrored(d.fraGuess(), twips(120, 120, 5175, 1815)));
        QCOMPARE(d.optGuessManual()->geometry(),
                 mirrored(d.optGuessManual(), twips(360, 1080, 2655, 375)));
        QCOMPARE(d.chkLength()->geometry(), mirrored(d.chkLength(), twips(360, 1080, 3495, 495)));
        QVERIFY(d.comGuess()->geometry().center().x() < d.optGuessManual()->geometry().left());
        QVERIFY(d.comLength()->geometry().right() < d.chkLength()->geometry().left());
        // The controls answer where they are drawn.
        QTest::mouseClick(d.optGuessManual(), Qt::LeftButton, {}, indicator(d.optGuessManual()));
        QVERIFY(desk.options.live(desk.game).optGuessManual());
        QVERIFY(d.comGuess()->isEnabled());
        QTest::mouseClick(d.chkLength(), Qt::LeftButton, {}, indicator(d.chkLength()));
        QVERIFY(d.comLength()->isEnabled());

        AboutBox about;
        about.show();
        QVERIFY(about.cmdOK()->geometry().right() < about.lblWebsite()->geometry().left());
        QVERIFY(about.lblVersion()->alignment() & Qt::AlignRight);
        // The board stays left to right; the menu bar does not.
        QCOMPARE(desk.window.clientArea()->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(desk.window.menuBar()->layoutDirection(), Qt::RightToLeft);
        QTest::mouseClick(about.cmdOK(), Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void versionTexts_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("this program") << 1 << 0 << 0 << "v1.0.0";
        QTest::newRow("no leading zeros") << 2 << 10 << 3 << "v2.10.3";
    }
    void versionTexts()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(versionText(major, minor, revision), text);
    }

    // Both dialogs belong to the game window (transient for it) and open centred on it.
    void dialogsOpenOnTheGameWindow_data()
    {
        QTest::addColumn<bool>("options");
        QTest::newRow("Options") << true;
        QTest::newRow("About") << false;
    }
    void dialogsOpenOnTheGameWindow()
    {
        QFETCH(bool, options);
        Desktop desk;
        desk.window.move(40, 30);
        QWindow *parent = nullptr;
        QPoint off(99, 99); // from the game window's centre to the dialog's
        QTimer::singleShot(0, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                parent = dialog->windowHandle()->transientParent();
                off = dialog->frameGeometry().center() - desk.window.frameGeometry().center();
                dialog->close();
            }
        });
        (options ? desk.window.optionsAction() : desk.window.aboutAction())->trigger();
        QCOMPARE(parent, desk.window.windowHandle());
        QVERIFY2(qAbs(off.x()) <= 2 && qAbs(off.y()) <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
    }

    void enterAndEscapeCloseTheAboutBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void enterAndEscapeCloseTheAboutBox()
    {
        QFETCH(int, key);
        Desktop desk;
        bool closed = false;
        QTimer::singleShot(0, [&] {
            QWidget *about = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<AboutBox *>(about));
            QCOMPARE(about->windowTitle(), "About Gibbetry");
            QTest::keyClick(about, Qt::Key(key));
            closed = !about->isVisible();
        });
        desk.window.aboutAction()->trigger();
        QVERIFY(closed);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
