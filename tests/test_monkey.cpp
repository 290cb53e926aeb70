// A monkey player: a seeded random stream of actions on the real widgets, offscreen, with the
// game's invariants checked after every one. GIBBETRY_MONKEY_ACTIONS sets the length
// (make check runs 20000), GIBBETRY_MONKEY_SEED the stream.
#include "about/about_box.h"
#include "fakes.h"
#include "game/game.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "options/view/options_dialog.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/posix_file_reader.h"
#include "platform/ini_settings_store.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <random>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_;
};

int envNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    QTemporaryDir config;
    std::mt19937 dice;
    QStringList history;

    int roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(dice); }

    void tweak(OptionsDialog &d)
    {
        switch (roll(8)) {
        case 0: QTest::mouseClick(d.optGuessGUI(), Qt::LeftButton); history << "opt GUI"; break;
        case 1: QTest::mouseClick(d.optGuessManual(), Qt::LeftButton); history << "opt manual"; break;
        case 2: QTest::keyClick(d.comGuess(), roll(2) ? Qt::Key_Up : Qt::Key_Down); history << "comGuess"; break;
        case 3: QTest::keyClick(d.comLength(), roll(2) ? Qt::Key_Up : Qt::Key_Down); history << "comLength"; break;
        case 4: QTest::mouseClick(d.chkLength(), Qt::LeftButton); history << "chkLength"; break;
        case 5: QTest::mouseClick(d.chkHint(), Qt::LeftButton); history << "chkHint"; break;
        case 6: {
            QListWidget *list = d.lstWordSource();
            const int row = roll(list->count());
            list->scrollToItem(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
            history << QStringLiteral("source %1").arg(row);
            break;
        }
        default:
            QTest::keyClick(&d, roll(2) ? Qt::Key_Escape : Qt::Key_Return);
            history << "escape or enter";
        }
    }

private slots:
    void initTestCase() { installFonts(); }

    void monkey()
    {
        const int actions = envNumber("GIBBETRY_MONKEY_ACTIONS", 1500);
        const unsigned seed = unsigned(envNumber("GIBBETRY_MONKEY_SEED", 20261207));
        qInfo("%d actions, seed %u", actions, seed);
        dice.seed(seed);

        IniSettingsStore store(config.filePath("Gibbetry/Gibbetry.conf"));
        PosixFileReader files;
        SeededRandom random(seed);
        RecordingMessages messages;
        CountingBusy busy;
        FixedClock clock;
        ImmediateWorker worker;
        Options options(store, messages);
        Game game(options, {files, random, messages, busy, clock, worker},
                  {QByteArray(GIBBETRY_WORDS_DIR)});
        MainWindow window(game, options);
        game.Form_Load();
        window.showCentred();
        bool started = false;
        int wins = 0, losses = 0, dones = 0, closes = 0;

        for (int step = 0; step < actions; ++step) {
            const Board before = game.board();
            const bool overBefore = game.state().gameOver;
            bool tileClicked = false;
            bool done = false;
            const int pick = roll(100);
            if (pick < 60) {
                // A third of the clicks aim at the word, or games would hardly ever be won.
                const QString &word = game.state().secretWord;
                const int tile = !word.isEmpty() && roll(3) == 0
                                     ? word.at(roll(int(word.size()))).toUpper().unicode() - 'A'
                                     : roll(Board::letterCount);
                history << QStringLiteral("tile %1").arg(QChar('A' + tile));
                if (roll(10) == 0) {
                    QAccessible::queryAccessibleInterface(window.letterTile(tile))
                        ->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                } else {
                    QTest::mouseClick(window.letterTile(tile), Qt::LeftButton);
                }
                tileClicked = true;
            } else if (pick < 72) {
                history << "new game";
                QTest::mouseClick(window.newGameButton(), Qt::LeftButton);
                started = true;
            } else if (pick < 96) {
                history << "options";
                const int end = roll(10);
                QTimer::singleShot(0, &window, [&] {
                    auto *d = qobject_cast<OptionsDialog *>(QApplication::activeModalWidget());
                    QVERIFY(d);
                    for (int i = roll(6); i > 0; --i)
                        tweak(*d);
                    if (end < 7) {
                        history << "DONE";
                        QTest::mouseClick(d->cmdDone(), Qt::LeftButton);
                        done = true;
                    } else {
                        history << "close box";
                        d->close();
                    }
                });
                window.optionsAction()->trigger();
                QVERIFY2(!QApplication::activeModalWidget(), "the options dialog stayed open");
                started = started || done;
            } else {
                history << "about";
                const int how = roll(3);
                QTimer::singleShot(0, &window, [&] {
                    auto *about = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
                    QVERIFY(about);
                    if (how == 0)
                        QTest::mouseClick(about->cmdOK(), Qt::LeftButton);
                    else
                        QTest::keyClick(about, how == 1 ? Qt::Key_Return : Qt::Key_Escape);
                });
                window.aboutAction()->trigger();
                QVERIFY2(!QApplication::activeModalWidget(), "the about box stayed open");
            }
            if (QTest::currentTestFailed())
                break;
            if (!overBefore && game.state().gameOver && tileClicked)
                ++(game.state().lettersFound == game.state().secretWord.size() ? wins : losses);
            dones += done;
            closes += history.constLast() == QLatin1String("close box");
            check(game, window, before, overBefore && tileClicked, started);
            if (done)
                checkStored(store.filePath(), options.live(game));
            if (QTest::currentTestFailed()) {
                qWarning("failed after action %d: %s", step,
                         qPrintable(history.mid(std::max<qsizetype>(0, history.size() - 12)).join(", ")));
                return;
            }
            if (history.size() > 200)
                history = history.mid(100);
        }
        qInfo("%d wins, %d losses, %d DONE, %d close box, %d messages", wins, losses, dones, closes,
              int(messages.shown.size()));
        QVERIFY(wins + losses > 0);
    }

private:
    void check(const Game &game, const MainWindow &window, const Board &before, bool ignoredClick,
               bool started)
    {
        const Board &board = game.board();
        const GameState &state = game.state();
        const int n = int(state.secretWord.size());
        int revealed = 0;
        for (int i = 0; i < Board::slotCount; ++i) {
            const bool visible = board.isVisible({Element::lblWord, i});
            if (visible && !board.caption({Element::lblWord, i}).isEmpty())
                ++revealed;
            // Every visible slot belongs to the word (and, while a game runs, every letter has one).
            if (visible)
                QVERIFY(i < n);
            else if (started && !state.gameOver)
                QVERIFY(i >= n);
            // What the player sees is what the board holds.
            QCOMPARE(window.wordSlot(i)->isVisibleTo(window.clientArea()), visible);
            QCOMPARE(window.wordSlot(i)->text(), board.caption({Element::lblWord, i}));
        }
        // No slot and no game: before the first game, or after a new game that no word fitted.
        bool anySlot = false;
        for (int i = 0; i < Board::slotCount; ++i)
            anySlot = anySlot || board.isVisible({Element::lblWord, i});
        const bool noGame = state.gameOver && !anySlot;
        const bool lost = state.gameOver && !noGame && state.lettersFound < n;
        if (lost)
            QCOMPARE(revealed, n); // the missing letters were filled in
        else if (!noGame)
            QCOMPARE(int(state.lettersFound), revealed);

        bool figure = false;
        for (int i = 1; i <= Board::figurePartCount; ++i)
            figure = figure || board.isVisible({Element::draw, i});
        QVERIFY2(!(figure && board.isVisible({Element::shapeGuess})),
                 "the figure and the counter panel are both shown");

        for (int i = 0; i < Board::letterCount; ++i) {
            const Rgb rgb = board.colour({Element::lblLetters, i});
            const QColor shown = window.letterTile(i)->textColour();
            QCOMPARE(shown, drawnColour(rgb, window.boardColours()));
        }

        if (ignoredClick) {
            for (int i = 0; i < Board::letterCount; ++i)
                QCOMPARE(board.colour({Element::lblLetters, i}), before.colour({Element::lblLetters, i}));
            for (int i = 0; i < Board::slotCount; ++i)
                QCOMPARE(board.caption({Element::lblWord, i}), before.caption({Element::lblWord, i}));
            for (int i = 1; i <= Board::figurePartCount; ++i)
                QCOMPARE(board.isVisible({Element::draw, i}), before.isVisible({Element::draw, i}));
            for (int i = 1; i <= 3; ++i)
                QCOMPARE(board.caption({Element::lblGG, i}), before.caption({Element::lblGG, i}));
        }
    }

    // After a DONE the file holds the nine values, valid, and they are the options in force.
    void checkStored(const QString &path, const OptionsControls &live)
    {
        IniSettingsStore stored(path);
        auto text = [&](const char *key) { return stored.read("Settings", key, "missing"); };
        auto index = [&](const char *key, int count) -> int { // -100: missing or out of range
            const std::optional<int> value = parseInteger(text(key));
            return value && *value >= 0 && *value < count ? *value : -100;
        };
        const std::optional<bool> gui = parseTruth(text("optGuessGUI"));
        const std::optional<bool> manual = parseTruth(text("optGuessManual"));
        QVERIFY(gui && manual && *gui != *manual);
        QCOMPARE(*manual, live.optGuessManual());
        QCOMPARE(parseTruth(text("comGuessE")), std::optional<bool>(*manual));
        QCOMPARE(index("comGuessLI", 15), live.comGuessIndex());
        QCOMPARE(index("lstWordSource", 7), live.wordSourceIndex());
        QCOMPARE(index("chkHint", 2), live.chkHint());
        QCOMPARE(index("chkLength", 2), live.chkLength());
        QCOMPARE(parseTruth(text("comLengthE")), std::optional<bool>(live.chkLength() == 1));
        QCOMPARE(index("comLengthLI", 17), live.comLengthIndex());
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
