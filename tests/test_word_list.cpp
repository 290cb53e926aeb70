#include "game/word_list.h"

#include <QTest>

using namespace gibbetry;

namespace {
QStringList entries(const WordList &list)
{
    QStringList out;
    for (int k = 1; k <= list.count(); ++k)
        out << list.entry(k).toString();
    return out;
}
} // namespace

class WordListTest : public QObject {
    Q_OBJECT
private slots:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("crlf, blank line, trailing space kept")
            << QByteArray("cat\r\n\r\nDog \r\n") << QStringList{"cat", "", "Dog "};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lone cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("lf cr is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("cr cr lf") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("only an end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBFna\xC3\xAFve\r\nz")
                                        << QStringList{QString::fromUtf8("na\xC3\xAFve"), "z"};
        QTest::newRow("windows-1252") << QByteArray("caf\xE9\r\n\x80uro\r\n\x81")
                                      << QStringList{QString::fromUtf8("caf\xC3\xA9"),
                                                     QString::fromUtf8("\xE2\x82\xAC") + "uro",
                                                     QString(QChar(0x81))};
        QTest::newRow("a stray byte costs only its line")
            << QByteArray("\xEF\xBB\xBF\xC3\xA9\r\ncaf\xE9\r\n\xC3\xBC\xEF\xBB\xBF")
            << QStringList{QString::fromUtf8("\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"),
                           QString::fromUtf8("\xC3\xBC\xEF\xBB\xBF")};
        QTest::newRow("a sequence cut short by the end")
            << QByteArray("ok\r\nna\xC3") << QStringList{"ok", QString::fromLatin1("na\xC3")};
        QTest::newRow("nul bytes stay in their entry")
            << QByteArray("a\0b\r\nc", 6) << QStringList{QString("a") + QChar(0) + "b", "c"};
    }
    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        const ParsedWordList parsed = parseWordList(bytes);
        QCOMPARE(entries(parsed.list), expected);
        QVERIFY(!parsed.overflow);
    }

    void capacity_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("finalEnd");
        QTest::addColumn<int>("expectedCount");
        QTest::addColumn<bool>("overflow");
        QTest::newRow("50000 lines") << 50000 << true << 50000 << false;
        QTest::newRow("50000, last unended") << 50000 << false << 50000 << false;
        QTest::newRow("50001 lines") << 50001 << true << 50000 << true;
        QTest::newRow("50001, last unended") << 50001 << false << 50000 << true;
    }
    void capacity()
    {
        QFETCH(int, lines);
        QFETCH(bool, finalEnd);
        QFETCH(int, expectedCount);
        QFETCH(bool, overflow);
        QByteArray bytes;
        for (int i = 1; i <= lines; ++i)
            bytes += "w" + QByteArray::number(i) + (i < lines || finalEnd ? "\r\n" : "");
        const ParsedWordList parsed = parseWordList(bytes);
        QCOMPARE(parsed.list.count(), expectedCount);
        QCOMPARE(parsed.overflow, overflow);
        QCOMPARE(parsed.list.entry(expectedCount).toString(), "w" + QString::number(expectedCount));
    }

    void playable_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("playable");
        QTest::newRow("plain") << "dog" << true;
        QTest::newRow("mixed case") << "Dog" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("23 letters") << QString(23, 'a') << true;
        QTest::newRow("24 letters") << QString(24, 'a') << false;
        QTest::newRow("space") << "ice cream" << false;
        QTest::newRow("hyphen") << "x-ray" << false;
        QTest::newRow("accent") << QString::fromUtf8("caf\xC3\xA9") << false;
        QTest::newRow("sharp s stays one unplayable char") << QString::fromUtf8("stra\xC3\x9F" "e")
                                                            << false;
        QTest::newRow("long s upper-cases to S") << QString::fromUtf8("\xC5\xBFun") << true;
    }
    void playable()
    {
        QFETCH(QString, word);
        QFETCH(bool, playable);
        QCOMPARE(isPlayable(word), playable);
        const ParsedWordList parsed = parseWordList(word.toUtf8() + "\r\nzz-z");
        QCOMPARE(parsed.list.hasPlayableWithin(wordSlotCount), playable);
    }

    void shortestPlayableDecidesWhatFits()
    {
        const WordList list = parseWordList("elephant\r\nab cd\r\ncat\r\n").list;
        QVERIFY(list.hasPlayableWithin(3));
        QVERIFY(!list.hasPlayableWithin(2)); // "ab cd" is short enough but has no tile for " "
        QVERIFY(!list.isPlayableEntry(2));
    }

    void cutAtLastLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<bool>("found");
        QTest::newRow("cut inside a line") << QByteArray("one\r\ntwo\r\nthr") << QByteArray("one\r\ntwo\r\n") << true;
        QTest::newRow("cut between cr and lf") << QByteArray("one\r") << QByteArray("one\r") << true;
        QTest::newRow("one long line") << QByteArray("abcdef") << QByteArray() << false;
    }
    void cutAtLastLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, kept);
        QFETCH(bool, found);
        QCOMPARE(gibbetry::cutAtLastLineEnd(bytes), found);
        QCOMPARE(bytes, kept);
    }
};

QTEST_APPLESS_MAIN(WordListTest)
#include "test_word_list.moc"
