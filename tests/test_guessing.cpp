#include "game/clock_text.h"
#include "game/figure_stages.h"
#include "game_rig.h"

#include <QTest>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

const QString winText = "You have completed the word.\r\n\r\n\r\nWell done.";

QList<int> range(int first, int last)
{
    QList<int> out;
    for (int i = first; i <= last; ++i)
        out << i;
    return out;
}

// Every element's state but the clock's (status1), to show that a click or a tick changed
// nothing else.
QList<std::tuple<QString, bool, Rgb>> snapshot(const Board &board)
{
    QList<std::tuple<QString, bool, Rgb>> out;
    auto add = [&](Element e, int first, int last) {
        for (int i = first; i <= last; ++i)
            out.append({board.caption({e, i}), board.isVisible({e, i}), board.colour({e, i})});
    };
    add(Element::lblLetters, 0, 25);
    add(Element::lblWord, 0, 22);
    add(Element::draw, 1, 19);
    add(Element::lblGameOver, 0, 0);
    add(Element::shapeGuess, 0, 0);
    add(Element::lblG, 1, 3);
    add(Element::lblGG, 1, 3);
    add(Element::status, 2, 4);
    add(Element::lblHint, 0, 0);
    return out;
}

} // namespace

class GuessingTest : public QObject {
    Q_OBJECT
private slots:
    void aLetterThatOccursThreeTimesRevealsAllThree()
    {
        GameRig rig("banana\r\n");
        rig.start();
        rig.guess('A');
        QCOMPARE(rig.shownWord(), "_A_A_A");
        QCOMPARE(rig.game.state().lettersFound, 3);
        QCOMPARE(rig.tileColour('A'), colour::green);
        QVERIFY(rig.visibleParts().isEmpty());
    }

    void mixedCaseWordsMatchAndShowUpperCase()
    {
        GameRig rig("McTavish\r\n");
        rig.start();
        rig.guess("MCT");
        QCOMPARE(rig.shownWord(), "MCT_____");
        QCOMPARE(rig.game.state().lettersFound, 3);
    }

    void aGreenLetterAgainIsNeitherCountedNorWrong()
    {
        GameRig rig("banana\r\n");
        rig.start();
        rig.guess("AA");
        QCOMPARE(rig.game.state().lettersFound, 3);
        QCOMPARE(rig.game.state().stagesLeft, figureStageCount);
        QVERIFY(rig.visibleParts().isEmpty());
        QVERIFY(!rig.game.state().gameOver);
    }

    void aRedLetterAgainCountsAgain_data()
    {
        QTest::addColumn<int>("manualAllowed");
        QTest::newRow("drawing") << 0;
        QTest::newRow("manual") << 8;
    }
    void aRedLetterAgainCountsAgain()
    {
        QFETCH(int, manualAllowed);
        GameRig rig;
        rig.start(manualAllowed);
        rig.guess("ZZ");
        QCOMPARE(rig.tileColour('Z'), colour::red);
        if (manualAllowed) {
            QCOMPARE(rig.game.state().chancesLeft, 6);
            QCOMPARE(rig.board().caption({Element::lblGG, 2}), "2");
            QVERIFY(rig.visibleParts().isEmpty());
        } else {
            QCOMPARE(rig.game.state().stagesLeft, figureStageCount - 2);
            QCOMPARE(rig.visibleParts(), (QList<int>{1, 2}));
        }
    }

    void manualModeWithFiveAllowed()
    {
        GameRig rig("cat\r\n");
        rig.start(5);
        rig.guess("ABD");
        QCOMPARE(rig.board().caption({Element::lblGG, 1}), "5");
        QCOMPARE(rig.board().caption({Element::lblGG, 2}), "2");
        QCOMPARE(rig.board().caption({Element::lblGG, 3}), "3");
        QVERIFY(!rig.board().isVisible({Element::lblGameOver}));
        rig.guess("EFG");
        QCOMPARE(rig.board().caption({Element::lblGG, 2}), "5");
        QCOMPARE(rig.board().caption({Element::lblGG, 3}), "0");
        QVERIFY(rig.board().isVisible({Element::lblGameOver}));
        QVERIFY(rig.game.state().gameOver);
        QCOMPARE(rig.shownWord(), "CAT");
        // The letter found in play keeps its black; the filled-in ones are blue.
        QCOMPARE(rig.board().colour({Element::lblWord, 0}), colour::blue);
        QCOMPARE(rig.board().colour({Element::lblWord, 1}), colour::black);
        QCOMPARE(rig.board().colour({Element::lblWord, 2}), colour::blue);
        QVERIFY(rig.messages.shown.isEmpty()); // no message box at a loss
        QVERIFY(rig.visibleParts().isEmpty());
    }

    void manualModeWithOneAllowedEndsAtTheFirstMiss()
    {
        GameRig rig("cat\r\n");
        rig.start(1);
        rig.guess('Q');
        QVERIFY(rig.game.state().gameOver);
        QCOMPARE(rig.board().caption({Element::lblGG, 2}), "1");
        QCOMPARE(rig.board().caption({Element::lblGG, 3}), "0");
        QCOMPARE(rig.shownWord(), "CAT");
    }

    void drawingModeStages_data()
    {
        QTest::addColumn<int>("misses");
        QTest::addColumn<QList<int>>("visible");
        QTest::newRow("1st: base") << 1 << QList<int>{1};
        QTest::newRow("2nd: upright") << 2 << range(1, 2);
        QTest::newRow("3rd: beam and brace together") << 3 << range(1, 4);
        QTest::newRow("4th: rope") << 4 << range(1, 5);
        QTest::newRow("5th: head") << 5 << range(1, 6);
        QTest::newRow("6th: five face parts at once") << 6 << range(1, 11);
        QTest::newRow("7th: body") << 7 << range(1, 12);
        QTest::newRow("8th") << 8 << range(1, 13);
        QTest::newRow("9th") << 9 << range(1, 14);
        QTest::newRow("10th") << 10 << range(1, 15);
        QTest::newRow("11th") << 11 << range(1, 16);
        QTest::newRow("12th: closed eyes, flat mouth")
            << 12 << range(1, 6) + range(9, 10) + range(12, 19);
    }
    void drawingModeStages()
    {
        QFETCH(int, misses);
        QFETCH(QList<int>, visible);
        GameRig rig("cat\r\n");
        rig.start();
        rig.guess(QByteArray("DEFGHIJKLMNO").left(misses).constData());
        QCOMPARE(rig.visibleParts(), visible);
        const bool lost = misses == figureStageCount;
        QCOMPARE(rig.game.state().stagesLeft, figureStageCount - misses);
        QCOMPARE(rig.game.state().gameOver, lost);
        QCOMPARE(rig.board().isVisible({Element::lblGameOver}), lost);
        QCOMPARE(rig.shownWord(), lost ? "CAT" : "___");
        QVERIFY(!rig.board().isVisible({Element::shapeGuess}));
    }

    void aWinAfterFourMissesKeepsTheDrawing()
    {
        GameRig rig("cat\r\n");
        rig.start();
        bool bannerAtBox = false;
        bool overAtBox = true;
        rig.messages.onShow = [&] {
            bannerAtBox = rig.board().isVisible({Element::lblGameOver});
            overAtBox = rig.game.state().gameOver;
        };
        rig.guess("BDEFCA");
        QVERIFY(rig.messages.shown.isEmpty());
        rig.guess('T');
        QCOMPARE(rig.messages.shown, QStringList{winText});
        QVERIFY(bannerAtBox); // GAME OVER first,
        QVERIFY(!overAtBox);  // then the box, while the game still runs,
        QVERIFY(rig.game.state().gameOver); // then the game is over
        QCOMPARE(rig.visibleParts(), range(1, 5));
        QCOMPARE(rig.shownWord(), "CAT");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(rig.board().colour({Element::lblWord, i}), colour::black);
    }

    void clicksAfterTheEndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("play");
        QTest::addColumn<int>("manualAllowed");
        QTest::newRow("before the first game") << QByteArray() << -1;
        QTest::newRow("after a win") << QByteArray("CAT") << 0;
        QTest::newRow("after a drawing loss") << QByteArray("BDEFGHIJKLMN") << 0;
        QTest::newRow("after a manual loss") << QByteArray("BD") << 2;
    }
    void clicksAfterTheEndChangeNothing()
    {
        QFETCH(QByteArray, play);
        QFETCH(int, manualAllowed);
        GameRig rig("cat\r\n");
        if (manualAllowed < 0) {
            rig.game.Form_Load();
        } else {
            rig.start(manualAllowed);
            rig.guess(play.constData());
        }
        QVERIFY(rig.game.state().gameOver);
        const auto before = snapshot(rig.board());
        const GameState state = rig.game.state();
        const qsizetype messages = rig.messages.shown.size();
        rig.guess("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        QCOMPARE(snapshot(rig.board()), before);
        QCOMPARE(rig.game.state().lettersFound, state.lettersFound);
        QCOMPARE(rig.game.state().stagesLeft, state.stagesLeft);
        QCOMPARE(rig.game.state().chancesLeft, state.chancesLeft);
        QCOMPARE(rig.messages.shown.size(), messages);
    }

    void aNewGameAfterALossClearsEverything()
    {
        GameRig rig("cat\r\n");
        rig.start();
        rig.guess("BDEFGHIJKLMN");
        rig.game.cmdNewGame_Click();
        QVERIFY(rig.visibleParts().isEmpty());
        QCOMPARE(rig.shownWord(), "___");
        QVERIFY(!rig.board().isVisible({Element::lblGameOver}));
        QCOMPARE(rig.tileColour('B'), colour::black);
        QCOMPARE(rig.board().colour({Element::lblWord, 0}), colour::black);
    }

    // A list chosen with DONE is still loading: the game on the board plays on by the rule it
    // started with, and the new game, once its list is in, starts live with the rule chosen.
    void theGameOnTheBoardWhileTheChosenListLoads_data()
    {
        QTest::addColumn<int>("startAllowed"); // 0: drawing mode
        QTest::addColumn<int>("doneAllowed");
        QTest::addColumn<QByteArray>("letters");
        QTest::addColumn<int>("partsShown");
        QTest::addColumn<int>("chancesLeft");
        QTest::newRow("manual chosen, misses drawn") << 0 << 3 << QByteArray("BDE") << 4 << 8;
        QTest::newRow("drawing chosen, misses counted") << 3 << 0 << QByteArray("BD") << 0 << 1;
        QTest::newRow("a win, the list in as the box shows") << 0 << 3 << QByteArray("CAT") << 0
                                                             << -1;
    }
    void theGameOnTheBoardWhileTheChosenListLoads()
    {
        QFETCH(int, startAllowed);
        QFETCH(int, doneAllowed);
        QFETCH(QByteArray, letters);
        QFETCH(int, partsShown);
        QFETCH(int, chancesLeft);
        GameRig rig("cat\r\n");
        rig.files.put("/data/SmarterKid 1.txt", "kid\r\n");
        rig.start(startAllowed);
        rig.worker.held = true;
        rig.opt().setWordSourceIndex(2);
        if (doneAllowed > 0) {
            rig.opt().setOptGuessManual(true);
            rig.opt().setComGuessIndex(doneAllowed - 1);
        } else {
            rig.opt().setOptGuessGUI(true);
        }
        rig.options.cmdDone_Click(rig.game);
        rig.messages.onShow = [&] { rig.worker.release(); };
        rig.guess(letters.constData());
        QCOMPARE(rig.visibleParts().size(), partsShown);
        if (chancesLeft >= 0) {
            QCOMPARE(rig.game.state().chancesLeft, chancesLeft);
            QCOMPARE(rig.board().caption({Element::lblGG, 3}),
                     startAllowed ? QString::number(chancesLeft) : QString());
        }
        rig.worker.release();
        QCOMPARE(rig.game.state().secretWord, "kid");
        QCOMPARE(rig.board().isVisible({Element::shapeGuess}), doneAllowed > 0);
        rig.guess('K');
        QCOMPARE(rig.shownWord(), "K__");
    }

    void clockText_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("room"); // the longest text the clock's box shows legibly
        QTest::newRow("00:30") << QTime(0, 30) << "en_US" << "12:30 AM" << 99;
        QTest::newRow("12:30") << QTime(12, 30) << "en_US" << "12:30 PM" << 99;
        QTest::newRow("17:04:23") << QTime(17, 4, 23) << "en_US" << "05:04 PM" << 99;
        QTest::newRow("09:05") << QTime(9, 5) << "en_US" << "09:05 AM" << 99;
        QTest::newRow("11:59:59") << QTime(11, 59, 59) << "en_US" << "11:59 AM" << 99;
        QTest::newRow("british designators") << QTime(17, 4) << "en_GB" << "05:04 pm" << 99;
        QTest::newRow("finnish separator") << QTime(17, 4) << "fi_FI" << "05.04 ip." << 99;
        QTest::newRow("separator after AP") << QTime(0, 5) << "ko_KR"
                                            << QString::fromUtf8("12:05 \xEC\x98\xA4\xEC\xA0\x84") << 99;
        // AM/PM words too long to read in the box: the locale's short form, else the 24-hour clock.
        QTest::newRow("thai, short form") << QTime(12, 30) << "th_TH" << "12:30" << 6;
        QTest::newRow("tamil, 24-hour") << QTime(23, 59) << "ta_IN" << "23:59" << 6;
        QTest::newRow("english, short form") << QTime(17, 4) << "en_US" << "5:04 PM" << 7;
    }
    void clockText()
    {
        QFETCH(QTime, time);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(int, room);
        QCOMPARE(gibbetry::clockText(time, QLocale(locale),
                                     [&](const QString &shown) { return shown.size() <= room; }),
                 text);
    }

    void errorsMadeAreReadBackFromTheAllowedCounter()
    {
        GameRig rig("cat\r\n");
        rig.start(5);
        rig.guess('B');
        // The option changes under a game in play; the counter shown still rules it.
        rig.opt().setComGuessIndex(7);
        rig.guess('D');
        QCOMPARE(rig.board().caption({Element::lblGG, 1}), "5");
        QCOMPARE(rig.board().caption({Element::lblGG, 2}), "2");
        QCOMPARE(rig.board().caption({Element::lblGG, 3}), "3");
    }

    void theTickWritesOnlyTheClock()
    {
        GameRig rig("cat\r\n");
        rig.start(5); // manual mode: the counters are shown too
        rig.guess("BC");
        const auto before = snapshot(rig.board());
        QCOMPARE(rig.board().caption({Element::status, 1}), "");
        rig.game.Timer1_Timer();
        QCOMPARE(rig.board().caption({Element::status, 1}), "05:04 PM");
        QCOMPARE(snapshot(rig.board()), before);
    }
};

QTEST_GUILESS_MAIN(GuessingTest)
#include "test_guessing.moc"
