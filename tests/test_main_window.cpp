#include "about/about_box.h"
#include "game_rig.h"
#include "options/view/options_dialog.h"
#include "twips.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "platform/fonts.h"

#include <QAction>
#include <QFontInfo>
#include <QMenuBar>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

struct Rig : GameRig {
    MainWindow window{game, options};

    explicit Rig(const QByteArray &words = "bread\r\n") : GameRig(words)
    {
        game.Form_Load();
        window.showCentred();
    }
    void click(char letter) { QTest::mouseClick(window.letterTile(letter - 'A'), Qt::LeftButton); }
    QImage shot() const { return window.clientArea()->grab().toImage(); }
};

bool holdsColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// Whether a caption fits inside a label's border: its advance across, its ink (the letters
// themselves, not the font's line spacing) up and down.
bool fits(const QLabel *label, const QString &text)
{
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    const QRect ink = metrics.tightBoundingRect(text);
    return metrics.horizontalAdvance(text) <= room.width() && ink.right() < room.width() &&
           ink.height() <= room.height();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFonts(); }

    void windowIsFixedWithTheClientAreaOfTheLayout()
    {
        Rig rig;
        QCOMPARE(rig.window.windowTitle(), "Gibbetry");
        QCOMPARE(rig.window.clientArea()->size(), QSize(874, 389));
        QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
        const Qt::WindowFlags flags = rig.window.windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!rig.window.windowIcon().isNull());
        const QList<QAction *> menu = rig.window.menuBar()->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[0]->text(), "&Options");
        QCOMPARE(menu[1]->text(), "&About");
        QVERIFY(!menu[0]->menu() && !menu[1]->menu());
    }

    void aMaximiseRequestLeavesEveryWindowAtItsSize()
    {
        Rig rig;
        AboutBox about;
        OptionsDialog dialog(rig.options, rig.game);
        for (QWidget *window : {static_cast<QWidget *>(&rig.window), static_cast<QWidget *>(&about),
                                static_cast<QWidget *>(&dialog)}) {
            window->show();
            const QSize size = window->size();
            window->showMaximized();
            QTRY_VERIFY(!window->isMaximized());
            QCOMPARE(window->size(), size);
            window->showFullScreen();
            QTRY_VERIFY(!window->isFullScreen());
            QCOMPARE(window->size(), size);
        }
        QCOMPARE(rig.window.clientArea()->size(), QSize(874, 389));
    }

    void elementsSitAtTheirTwipPositions()
    {
        Rig rig;
        const MainWindow &w = rig.window;
        QCOMPARE(w.letterTile(0)->geometry(), twips(360, 360, 570, 555));
        QCOMPARE(w.letterTile(12)->geometry(), twips(7560, 360, 570, 555));
        QCOMPARE(w.letterTile(13)->geometry(), twips(360, 960, 570, 555));
        QCOMPARE(w.letterTile(25)->geometry(), twips(7560, 960, 570, 555));
        QCOMPARE(w.wordSlot(0)->geometry(), twips(120, 2880, 375, 495));
        QCOMPARE(w.wordSlot(22)->geometry(), twips(8040, 2880, 375, 495));
        QCOMPARE(w.newGameButton()->geometry(), twips(3000, 3720, 2535, 495));
        const QRect expected[] = {
            twips(120, 5520, 825, 255),    twips(1080, 5520, 4935, 255),
            twips(6120, 5520, 2655, 255),  twips(8880, 5520, 1095, 255),
            twips(8880, 1200, 2535, 495),  twips(8880, 2040, 2535, 495),
            twips(8880, 2880, 2535, 495),  twips(11640, 1200, 495, 495),
            twips(11640, 2040, 495, 495),  twips(11640, 2880, 495, 495),
            twips(9360, 4680, 2775, 615),  twips(1800, 1800, 5415, 735),
        };
        const ElementId ids[] = {
            {Element::status, 1}, {Element::status, 2}, {Element::status, 3}, {Element::status, 4},
            {Element::lblG, 1},   {Element::lblG, 2},   {Element::lblG, 3},   {Element::lblGG, 1},
            {Element::lblGG, 2},  {Element::lblGG, 3},  {Element::lblGameOver}, {Element::lblHint},
        };
        for (int i = 0; i < int(std::size(ids)); ++i)
            QCOMPARE(w.label(ids[i])->geometry(), expected[i]);
        // Neighbouring slots share one border line: 25 px wide, 24 px apart.
        QCOMPARE(w.wordSlot(1)->x() - w.wordSlot(0)->x(), w.wordSlot(0)->width() - 1);
    }

    void startsWithTheBoardEmpty()
    {
        Rig rig;
        const MainWindow &w = rig.window;
        for (int i = 0; i < Board::letterCount; ++i) {
            QVERIFY(w.letterTile(i)->isVisible());
            QCOMPARE(w.letterTile(i)->text(), QString(QChar('A' + i)));
            QCOMPARE(w.letterTile(i)->toolTip(), "Click on the letter to select it.");
        }
        for (int i = 0; i < Board::slotCount; ++i)
            QVERIFY(!w.wordSlot(i)->isVisible());
        QVERIFY(!w.label({Element::lblGameOver})->isVisible());
        QVERIFY(!w.label({Element::lblG, 1})->isVisible());
        QCOMPARE(w.label({Element::status, 1})->text(), "");
        QCOMPARE(w.label({Element::status, 2})->text(), "Ogden's Basic English Words - 850 words");
        QCOMPARE(w.label({Element::status, 3})->text(), "No restriction on word length");
        QCOMPARE(w.label({Element::status, 4})->text(), "Hint is OFF");
        // The button is the only element that takes the keyboard focus.
        for (const QWidget *child : w.clientArea()->findChildren<QWidget *>())
            QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == w.newGameButton());
    }

    void startNewGameShowsOneEmptySlotPerLetter()
    {
        Rig rig;
        QTest::mouseClick(rig.window.newGameButton(), Qt::LeftButton);
        for (int i = 0; i < Board::slotCount; ++i) {
            QCOMPARE(rig.window.wordSlot(i)->isVisible(), i < 5);
            QCOMPARE(rig.window.wordSlot(i)->text(), "");
            QVERIFY(rig.window.wordSlot(i)->isBordered());
        }
        // The slots' borders are drawn: the left edge of slot 0 is dark, its middle is not.
        const QImage shot = rig.window.clientArea()->grab().toImage();
        const QPoint topLeft = rig.window.wordSlot(0)->geometry().topLeft();
        QCOMPARE(shot.pixelColor(topLeft + QPoint(0, 10)), QColor(Qt::black));
        QVERIFY(shot.pixelColor(topLeft + QPoint(12, 16)) != QColor(Qt::black));
    }

    void fontsAreTheMappedOnes()
    {
        Rig rig;
        QCOMPARE(QFontInfo(rig.window.letterTile(0)->font()).family(), "Liberation Sans");
        QCOMPARE(QFontInfo(rig.window.label({Element::status, 1})->font()).family(),
                 "Liberation Sans");
        QCOMPARE(QFontInfo(rig.window.label({Element::lblGameOver})->font()).family(),
                 "Comic Neue");
        QCOMPARE(rig.window.label({Element::status, 1})->font().pointSize(), 8);
        QCOMPARE(rig.window.wordSlot(0)->font().pointSize(), 18);
    }

    void captionsFitTheirLabels_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, Element e, int i, const QString &text) {
            QTest::newRow(name) << int(e) << i << text;
        };
        row("W tile", Element::lblLetters, 22, "W");
        row("M tile", Element::lblLetters, 12, "M");
        row("W in a slot", Element::lblWord, 0, "W");
        row("M in a slot", Element::lblWord, 0, "M");
        row("clock", Element::status, 1, "12:59 PM");
        row("clock 05:04", Element::status, 1, "05:04 PM");
        row("longest list", Element::status, 2,
            "Australian English Dictionary (Tolvarin) - 45,000 words");
        row("longest limit", Element::status, 3, "Word length limited to 20 characters");
        row("no limit", Element::status, 3, "No restriction on word length");
        row("hint", Element::status, 4, "Hint is OFF");
        row("allowed errors", Element::lblG, 1, "Allowed errors");
        row("errors made", Element::lblG, 2, "Errors made");
        row("chances left", Element::lblG, 3, "Chances left");
        row("two-digit count", Element::lblGG, 1, "15");
        row("banner", Element::lblGameOver, 0, "GAME OVER");
    }
    void captionsFitTheirLabels()
    {
        QFETCH(int, element);
        QFETCH(int, index);
        QFETCH(QString, caption);
        Rig rig;
        const QLabel *label = rig.window.label({Element(element), index});
        QVERIFY2(fits(label, caption),
                 qPrintable(QStringLiteral("%1 px for %2 px")
                                .arg(QFontMetrics(label->font()).horizontalAdvance(caption))
                                .arg(label->contentsRect().width())));
    }

    void buttonCaptionFits()
    {
        Rig rig;
        const QPushButton *button = rig.window.newGameButton();
        QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) <
                button->width() - 8);
    }

    void clickedTilesShowTheirMarks()
    {
        Rig rig("bread\r\n");
        QTest::mouseClick(rig.window.newGameButton(), Qt::LeftButton);
        rig.click('E');
        rig.click('Z');
        QCOMPARE(rig.window.wordSlot(2)->text(), "E");
        QCOMPARE(rig.window.wordSlot(0)->text(), "");
        const QImage hit = rig.window.letterTile('E' - 'A')->grab().toImage();
        const QImage miss = rig.window.letterTile('Z' - 'A')->grab().toImage();
        // Red as designed; the design's pure green reads on the light board only as a darker shade.
        const QColor green = drawnColour(colour::green, rig.window.boardColours());
        QVERIFY(green != QColor(0, 255, 0) && green.green() > 120 && green.red() == 0);
        QVERIFY(holdsColour(hit, green));
        QVERIFY(holdsColour(miss, QColor(255, 0, 0)));
        // A miss is also struck through from corner to corner, so that it reads in greys: its
        // lower left corner holds the stroke, the hit's only its ground.
        const QRect corner(3, miss.height() - 9, 5, 5);
        QVERIFY(holdsColour(miss.copy(corner), QColor(255, 0, 0)));
        QVERIFY(!holdsColour(hit.copy(corner), green));
        // The border stays black whatever the letter's colour.
        QCOMPARE(hit.pixelColor(0, hit.height() / 2), QColor(Qt::black));
        QCOMPARE(miss.pixelColor(miss.width() - 1, miss.height() / 2), QColor(Qt::black));
        QVERIFY(!holdsColour(rig.window.letterTile(0)->grab().toImage(), QColor(255, 0, 0)));
    }

    void aMissDrawsTheGallowsBase()
    {
        Rig rig("bread\r\n");
        QTest::mouseClick(rig.window.newGameButton(), Qt::LeftButton);
        const QPoint onBase(700, 4440 / twipsPerPixel);
        const QColor ink(Qt::black);
        QVERIFY(rig.shot().pixelColor(onBase) != ink);
        rig.click('Q');
        QCOMPARE(rig.shot().pixelColor(onBase), ink);
        QVERIFY(rig.shot().pixelColor(QPoint(12120 / twipsPerPixel, 100)) != ink); // the upright waits
    }

    void aLostGameShowsTheBannerAndTheWordInBlue()
    {
        Rig rig("bread\r\n");
        QTest::mouseClick(rig.window.newGameButton(), Qt::LeftButton);
        rig.click('B');
        for (const char letter : QByteArray("CFGHIJKLMNOP"))
            rig.click(letter);
        QVERIFY(rig.window.label({Element::lblGameOver})->isVisible());
        QCOMPARE(rig.window.wordSlot(4)->text(), "D");
        QVERIFY(holdsColour(rig.window.wordSlot(4)->grab().toImage(), QColor(0, 0, 255)));
        QVERIFY(!holdsColour(rig.window.wordSlot(0)->grab().toImage(), QColor(0, 0, 255)));
        const QImage banner = rig.window.label({Element::lblGameOver})->grab().toImage();
        QCOMPARE(banner.pixelColor(2, 2), QColor(255, 0, 0));
        rig.click('R'); // the game is over: nothing changes
        QCOMPARE(rig.window.wordSlot(1)->text(), "R");
        QCOMPARE(rig.window.wordSlot(1)->textColour(), QColor(0, 0, 255));
    }

    void theClockStartsHalfASecondIn()
    {
        Rig rig;
        QLabel *clock = rig.window.label({Element::status, 1});
        QCOMPARE(clock->text(), "");
        QTRY_COMPARE_WITH_TIMEOUT(clock->text(), QString("05:04 PM"), 2000);
    }

    void withoutADisplayItSaysSoAndStops_data()
    {
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("said");
        QTest::newRow("no display at all") << QString() << "needs one to run";
        QTest::newRow("wayland without its plugin") << "wayland-gibbetry-test" << "qt6-wayland";
    }
    void withoutADisplayItSaysSoAndStops()
    {
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, said);
        if (!waylandDisplay.isEmpty() &&
            !QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms")
                 .entryList({"libqwayland*.so"}).isEmpty())
            QSKIP("Qt's Wayland plugin is installed here");
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_PLUGIN_PATH"})
            env.remove(name);
        if (!waylandDisplay.isEmpty())
            env.insert("WAYLAND_DISPLAY", waylandDisplay);
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(GIBBETRY_BINARY), {});
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 1);
        const QString line = QString::fromLocal8Bit(game.readAllStandardError());
        QCOMPARE(line.count('\n'), 1);
        QVERIFY2(line.contains(said), qPrintable(line));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
