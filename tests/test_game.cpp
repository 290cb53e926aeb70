#include "game/figure_stages.h"
#include "game_rig.h"

#include <QTest>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

struct Rig : GameRig {
    using GameRig::GameRig;
    QStringList visibleSlots() const
    {
        QStringList out;
        for (int i = 0; i < Board::slotCount; ++i)
            if (game.board().isVisible({Element::lblWord, i}))
                out << QString::number(i);
        return out;
    }
    bool anyVisible(Element element, int first, int last) const
    {
        for (int i = first; i <= last; ++i)
            if (game.board().isVisible({element, i}))
                return true;
        return false;
    }
};

QByteArray numbered(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "w" + QByteArray(1, char('a' + (i - 1) % 26)) + QByteArray(((i - 1) / 26) % 20, 'x') + "\r\n";
    return bytes;
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void startUpLoadsOptionsThenTheList()
    {
        Rig rig;
        rig.game.Form_Load();
        QVERIFY(rig.game.state().gameOver);
        QCOMPARE(rig.game.board().caption({Element::status, 2}),
                 "Ogden's Basic English Words - 850 words");
        QCOMPARE(rig.game.board().caption({Element::status, 4}), "Hint is OFF");
        QCOMPARE(rig.game.wordList().count(), 2);
        QCOMPARE(rig.files.asked.first(), "Ogden's Basic English Words.txt"); // working dir first
        QVERIFY(rig.messages.shown.isEmpty());
        QCOMPARE(rig.busy.depth, 0);
        QVERIFY(rig.busy.times >= 1);
        QVERIFY(!rig.anyVisible(Element::lblWord, 0, 22));
    }

    void fileNames_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "Australian English Dictionary.txt";
        QTest::newRow("1") << 1 << "Ogden's Basic English Words.txt";
        QTest::newRow("6") << 6 << "SmarterKid 5.txt";
        QTest::newRow("-1") << -1 << "";
        QTest::newRow("7") << 7 << "";
    }
    void fileNames()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(Game::GetWordSourceFileName(index), name);
    }

    void workingDirectoryListWins()
    {
        Rig rig;
        rig.files.put("Ogden's Basic English Words.txt", "mine\r\n");
        rig.game.Form_Load();
        QCOMPARE(rig.game.wordList().entry(1).toString(), "mine");
    }

    void aShorterSecondListReplacesTheWholeFirst()
    {
        Rig rig;
        rig.files.put("/data/Ogden's Basic English Words.txt", "one\r\ntwo\r\nthree\r\n");
        rig.files.put("/data/SmarterKid 1.txt", "kid\r\n");
        rig.game.Form_Load();
        rig.opt().setWordSourceIndex(2);
        rig.game.ReadWordSource();
        QCOMPARE(rig.game.wordList().count(), 1);
        QCOMPARE(rig.game.wordList().entry(1).toString(), "kid");
    }

    void failedReadsKeepThePreviousList_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("told");
        QTest::newRow("missing") << QByteArray() << false << "could not be read";
        QTest::newRow("empty file") << QByteArray() << true << "no word that can be played";
        QTest::newRow("nothing playable") << QByteArray("ice cream\r\n\r\nx-ray\r\n") << true
                                          << "no word that can be played";
        QTest::newRow("one 20 MiB line") << QByteArray(20 * 1024 * 1024, 'a') << true
                                         << "up to its first 16 MiB, and those of /data/SmarterKid 2.txt hold no word";
        QTest::newRow("50000 empty lines, then words")
            << QByteArray(50000, '\n') + "cat\n" << true
            << "up to its first 50000 lines, and those of /data/SmarterKid 2.txt hold no word";
    }
    void failedReadsKeepThePreviousList()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QFETCH(QString, told);
        Rig rig;
        if (exists)
            rig.files.put("/data/SmarterKid 2.txt", bytes);
        rig.game.Form_Load();
        rig.opt().setWordSourceIndex(3);
        rig.game.ReadWordSource();
        QCOMPARE(rig.game.wordList().count(), 2);
        QCOMPARE(rig.game.loadedWordSource(), 1);
        QCOMPARE(rig.messages.shown.size(), 1);
        QVERIFY2(rig.messages.shown[0].contains(told), qPrintable(rig.messages.shown[0]));
        QVERIFY(rig.messages.shown[0].contains("SmarterKid 2.txt"));
        QVERIFY(rig.messages.shown[0].contains("Ogden's Basic English Words.txt\" stays in use"));
        QCOMPARE(rig.busy.depth, 0);
    }

    void missingAtStartUpSaysWhereItLooked()
    {
        Rig rig;
        rig.files.files.clear();
        rig.game.Form_Load();
        QCOMPARE(rig.messages.shown.size(), 1);
        QVERIFY(rig.messages.shown[0].contains("/data/Ogden's Basic English Words.txt"));
        QVERIFY(rig.messages.shown[0].contains("No word list is loaded"));
        rig.game.cmdNewGame_Click(); // no list: no game, and no crash
        QVERIFY(rig.game.state().gameOver);
        QCOMPARE(rig.messages.shown.size(), 2);
        QVERIFY(rig.messages.shown[1].contains("No word list is loaded"));
    }

    void longListsAreCutAndThePlayerToldOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("told");
        QTest::newRow("50001 lines") << numbered(50001) << 50000 << "50000 lines";
        QByteArray big = numbered(100);
        big += QByteArray(17 * 1024 * 1024, 'a');
        QTest::newRow("over 16 MiB") << big << 100 << "16 MiB";
    }
    void longListsAreCutAndThePlayerToldOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(QString, told);
        Rig rig(bytes);
        rig.game.Form_Load();
        QCOMPARE(rig.game.wordList().count(), count);
        QCOMPARE(rig.messages.shown.size(), 1);
        QVERIFY(rig.messages.shown[0].contains(told));
    }

    void indexFormula_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("index");
        QTest::newRow("r 0 gives 1") << 850 << 0.0 << 1;
        QTest::newRow("r below 1 gives n") << 850 << 0.9999999 << 850;
        QTest::newRow("850 and 0.5 give 426") << 850 << 0.5 << 426;
        QTest::newRow("one entry") << 1 << 0.7 << 1;
    }
    void indexFormula()
    {
        QFETCH(int, n);
        QFETCH(double, r);
        QFETCH(int, index);
        Rig rig(numbered(n));
        rig.game.Form_Load();
        rig.random.script = {r};
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().secretWord, rig.game.wordList().entry(index).toString());
        QCOMPARE(rig.random.draws, 1);
    }

    void lengthLimitRedraws()
    {
        // Entries: 5 letters, 4 letters, 3 letters.
        Rig rig("horse\r\nbird\r\ncat\r\n");
        rig.game.Form_Load();
        rig.opt().setChkLength(1);
        rig.opt().setComLengthIndex(0); // "4"
        rig.random.script = {0.1, 0.5};
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().secretWord, "bird"); // exactly L is accepted
        QCOMPARE(rig.random.draws, 2);

        rig.opt().setChkLength(0); // off: the first draw is taken, whatever its length
        rig.random.script = {0.1};
        rig.random.draws = 0;
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().secretWord, "horse");
        QCOMPARE(rig.random.draws, 1);
    }

    void unplayableEntriesAreSkipped()
    {
        Rig rig("\r\nice cream\r\n" + QByteArray(24, 'a') + "\r\nok\r\n");
        rig.game.Form_Load();
        rig.random.script = {0.0, 0.3, 0.6, 0.9};
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().secretWord, "ok");
        QCOMPARE(rig.random.draws, 4);
    }

    void pickEndsEvenWhenTheRandomSourceKeepsMissing()
    {
        Rig rig("elephant\r\nant\r\n");
        rig.game.Form_Load();
        rig.opt().setChkLength(1);
        rig.opt().setComLengthIndex(0);
        rig.random.last = 0.0; // always entry 1, which is too long
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().secretWord, "ant");
        QVERIFY(!rig.game.state().gameOver);
        QCOMPARE(rig.busy.depth, 0);
    }

    void nothingFitsStartsNoGame()
    {
        Rig rig("elephant\r\ngiraffe\r\n");
        rig.game.Form_Load();
        rig.random.script = {0.0};
        rig.game.cmdNewGame_Click();
        QVERIFY(!rig.game.state().gameOver);
        QCOMPARE(rig.visibleSlots().size(), 8);

        rig.opt().setChkLength(1);
        rig.opt().setComLengthIndex(2); // "6"
        rig.game.cmdNewGame_Click();
        QVERIFY(rig.game.state().gameOver); // the game in progress ended
        QVERIFY(rig.visibleSlots().isEmpty());
        QCOMPARE(rig.messages.shown.size(), 1);
        QVERIFY(rig.messages.shown[0].contains("fits the length limit of 6"));
    }

    void mixedCaseWordIsKeptAndLettersSplit()
    {
        Rig rig("McTavish\r\n");
        rig.game.Form_Load();
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().secretWord, "McTavish");
        QCOMPARE(rig.game.state().wordLetters[0], "M");
        QCOMPARE(rig.game.state().wordLetters[1], "c");
        QCOMPARE(rig.visibleSlots(), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
    }

    void shorterWordOverwritesOnlyItsLetters()
    {
        Rig rig("abcdefghij\r\nwxyz\r\n");
        rig.game.Form_Load();
        rig.random.script = {0.0, 0.9};
        rig.game.cmdNewGame_Click();
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().secretWord, "wxyz");
        QCOMPARE(rig.game.state().wordLetters[3], "z");
        QCOMPARE(rig.game.state().wordLetters[4], "e");
        QCOMPARE(rig.visibleSlots().size(), 4);
    }

    void newGameResetsStateAndCounters()
    {
        Rig rig;
        rig.game.Form_Load();
        rig.opt().setOptGuessManual(true);
        rig.opt().setComGuessIndex(7);
        rig.game.cmdNewGame_Click();
        const GameState &s = rig.game.state();
        QCOMPARE(s.stagesLeft, figureStageCount);
        QCOMPARE(s.chancesLeft, 8);
        QCOMPARE(s.lettersFound, 0);
        QVERIFY(!s.gameOver);
        const Board &b = rig.game.board();
        QCOMPARE(b.caption({Element::lblGG, 1}), "8");
        QCOMPARE(b.caption({Element::lblGG, 2}), "0");
        QCOMPARE(b.caption({Element::lblGG, 3}), "8");
        QVERIFY(b.isVisible({Element::shapeGuess}));
        QVERIFY(rig.anyVisible(Element::lblG, 1, 3));

        // Back to drawing mode: the panel of the last game is hidden by the new one.
        rig.opt().setOptGuessGUI(true);
        rig.game.cmdNewGame_Click();
        QVERIFY(!b.isVisible({Element::shapeGuess}));
        QVERIFY(!rig.anyVisible(Element::lblG, 1, 3));
        QVERIFY(!rig.anyVisible(Element::lblGG, 1, 3));
        for (int i = 0; i < Board::letterCount; ++i)
            QCOMPARE(b.colour({Element::lblLetters, i}), colour::black);
    }

    void doneAbandonsTheGameInProgress()
    {
        Rig rig("cat\r\ndog\r\n");
        rig.start();
        rig.game.lblLetters_Click(25);
        rig.game.lblLetters_Click(0);
        QCOMPARE(rig.game.state().stagesLeft, figureStageCount - 1);
        rig.random.script = {0.9};
        rig.options.cmdDone_Click(rig.game);
        QCOMPARE(rig.game.state().secretWord, "dog");
        QCOMPARE(rig.game.state().stagesLeft, figureStageCount);
        QCOMPARE(rig.game.state().lettersFound, 0);
        QVERIFY(!rig.game.state().gameOver);
        QVERIFY(!rig.anyVisible(Element::draw, 1, 19));
        QCOMPARE(rig.game.board().colour({Element::lblLetters, 25}), colour::black);
        QVERIFY(rig.messages.shown.isEmpty()); // abandoned without a question
        QCOMPARE(rig.store.writtenValues().size(), 9);
    }

    void closeBoxOptionsAreDroppedAtTheNextNewGame()
    {
        Rig rig;
        rig.store.values["Settings/comGuessLI"] = "2";
        rig.store.values["Settings/optGuessGUI"] = "False";
        rig.store.values["Settings/optGuessManual"] = "True";
        rig.game.Form_Load();
        rig.options.Form_Show(rig.game);
        rig.opt().setComGuessIndex(10);
        rig.options.closeBox();
        rig.game.cmdNewGame_Click();
        QCOMPARE(rig.game.state().chancesLeft, 3);
        QCOMPARE(rig.game.board().caption({Element::lblGG, 1}), "3");
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "test_game.moc"
