// The word lists as they ship: sizes against their labels, file format, and the denylists and
// hand verdicts the generator applied (so a hand edit of a list cannot bring a word back).
#include <QFile>
#include <QSet>
#include <QTest>

namespace {
const QString kWords = QStringLiteral(GIBBETRY_SOURCE_DIR "/data/words/");
const QString kFilters = QStringLiteral(GIBBETRY_SOURCE_DIR "/tools/word-lists/");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QSet<QByteArray> filterWords(const QString &name)
{
    QSet<QByteArray> words;
    for (QByteArray line : readAll(kFilters + name).split('\n')) {
        if (const qsizetype hash = line.indexOf('#'); hash >= 0)
            line.truncate(hash);
        line = line.simplified();
        for (const QByteArray &word : line.split(' '))
            if (!word.isEmpty())
                words.insert(word.toLower());
    }
    return words;
}

// The word and its regular inflections: plural, -ed, -ing, -er, -est, with a final e dropped or
// a final consonant doubled.
QList<QByteArray> inflections(const QByteArray &word)
{
    QList<QByteArray> stems{word};
    if (word.endsWith('e'))
        stems << word.chopped(1);
    else if (word.size() > 2 && !QByteArray("aeiou").contains(word.back()))
        stems << word + word.back();
    if (word.endsWith('y'))
        stems << word.chopped(1) + 'i';
    QList<QByteArray> out{word, word + "s", word + "es"};
    for (const QByteArray &stem : stems)
        for (const char *suffix : {"ed", "ing", "er", "est", "ers", "ings", "es"})
            out << stem + suffix;
    return out;
}
} // namespace

class ShippedListsTest : public QObject {
    Q_OBJECT
private slots:
    void format_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("labelSize");
        QTest::addColumn<bool>("lowerCaseOnly");
        QTest::addColumn<int>("minLength");
        QTest::newRow("Australian") << "Australian English Dictionary.txt" << 45000 << true << 3;
        QTest::newRow("Ogden") << "Ogden's Basic English Words.txt" << 850 << false << 1;
        QTest::newRow("SmarterKid 1") << "SmarterKid 1.txt" << 5000 << true << 3;
        QTest::newRow("SmarterKid 2") << "SmarterKid 2.txt" << 3000 << true << 3;
        QTest::newRow("SmarterKid 3") << "SmarterKid 3.txt" << 8000 << true << 3;
        QTest::newRow("SmarterKid 4") << "SmarterKid 4.txt" << 4000 << true << 3;
        QTest::newRow("SmarterKid 5") << "SmarterKid 5.txt" << 34000 << true << 3;
    }
    void format()
    {
        QFETCH(QString, file);
        QFETCH(int, labelSize);
        QFETCH(bool, lowerCaseOnly);
        QFETCH(int, minLength);
        const QByteArray bytes = readAll(kWords + file);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        QSet<QByteArray> seen;
        for (QByteArray entry : bytes.chopped(2).split('\n')) {
            entry.chop(entry.endsWith('\r') ? 1 : 0);
            QVERIFY2(entry.size() >= minLength && entry.size() <= 23, entry.constData());
            for (char c : entry)
                QVERIFY2((c >= 'a' && c <= 'z') || (!lowerCaseOnly && c >= 'A' && c <= 'Z'),
                         entry.constData());
            QVERIFY2(!seen.contains(entry), entry.constData());
            seen.insert(entry);
        }
        QVERIFY2(qAbs(seen.size() - labelSize) <= labelSize * 15 / 100,
                 qPrintable(QString::number(seen.size())));
    }

    void noDeniedWord_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("denylists");
        const QStringList all{"denylist-all.txt", "denylist-dated.txt"};
        const QStringList kids{"denylist-all.txt", "denylist-dated.txt", "denylist-kids.txt"};
        QTest::newRow("Australian") << "Australian English Dictionary.txt" << all;
        for (int level = 1; level <= 5; ++level)
            QTest::addRow("SmarterKid %d", level) << QString("SmarterKid %1.txt").arg(level) << kids;
    }
    void noDeniedWord()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, denylists);
        QSet<QByteArray> entries;
        for (const QByteArray &line : readAll(kWords + file).split('\n'))
            entries.insert(line.trimmed());
        for (const QString &denylist : denylists) {
            const QSet<QByteArray> denied = filterWords(denylist);
            QVERIFY(denied.size() > 20);
            for (const QByteArray &word : denied)
                for (const QByteArray &form : inflections(word))
                    QVERIFY2(!entries.contains(form), (form + " from " + word).constData());
        }
    }

    // A word read by hand and kept out of a list stays out, inflections aside: the kid lists'
    // readings and rereads, and the Australian list's reading, which also keeps its words out of
    // every kid list; a word read as American is in no list. The Australian list holds only
    // words its readers read in.
    void noKeptOutWord_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("verdicts");
        QTest::addColumn<QByteArray>("reason");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<bool>("everyEntryReadIn");
        for (int level = 1; level <= 5; ++level) {
            const QString file = QString("SmarterKid %1.txt").arg(level);
            QTest::addRow("SmarterKid %d", level) << file << "verdicts.tsv" << QByteArray() << 500 << false;
            QTest::addRow("SmarterKid %d, reread", level)
                << file << "verdicts-reread.tsv" << QByteArray() << 100 << false;
            QTest::addRow("SmarterKid %d, Australian reading", level)
                << file << "verdicts-australian.tsv" << QByteArray() << 500 << false;
        }
        QTest::newRow("Australian") << "Australian English Dictionary.txt" << "verdicts-australian.tsv"
                                    << QByteArray() << 500 << true;
        QTest::newRow("Australian, American in a kid reread")
            << "Australian English Dictionary.txt" << "verdicts-reread.tsv" << QByteArray("american") << 20
            << false;
    }
    void noKeptOutWord()
    {
        QFETCH(QString, file);
        QFETCH(QString, verdicts);
        QFETCH(QByteArray, reason);
        QFETCH(int, atLeast);
        QFETCH(bool, everyEntryReadIn);
        // word, level or round, verdict, reason; the rereads: word, round, pool, level, verdict, reason
        QSet<QByteArray> keptOut;
        QSet<QByteArray> readIn;
        for (const QByteArray &line : readAll(kFilters + verdicts).split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (line.startsWith('#') || (fields.size() != 4 && fields.size() != 6))
                continue;
            const QByteArray &verdict = fields[fields.size() - 2];
            if (verdict == "out" && (reason.isEmpty() || fields.back() == reason))
                keptOut.insert(fields[0]);
            if (verdict == "in")
                readIn.insert(fields[0]);
        }
        QVERIFY2(keptOut.size() >= atLeast, qPrintable(QString::number(keptOut.size())));
        for (QByteArray entry : readAll(kWords + file).split('\n')) {
            entry = entry.trimmed();
            QVERIFY2(!keptOut.contains(entry), entry.constData());
            QVERIFY2(!everyEntryReadIn || entry.isEmpty() || readIn.contains(entry), entry.constData());
        }
    }

    void australianSpellings_data()
    {
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<QByteArray>("american");
        QTest::newRow("colour") << QByteArray("colour") << QByteArray("color");
        QTest::newRow("organise") << QByteArray("organise") << QByteArray("organize");
        QTest::newRow("centre") << QByteArray("centre") << QByteArray("center");
        QTest::newRow("travelled") << QByteArray("travelled") << QByteArray("traveled");
        QTest::newRow("behaviour") << QByteArray("behaviour") << QByteArray("behavior");
        QTest::newRow("grey") << QByteArray("grey") << QByteArray("gray");
    }
    void australianSpellings()
    {
        QFETCH(QByteArray, ours);
        QFETCH(QByteArray, american);
        const QByteArray bytes = readAll(kWords + "Australian English Dictionary.txt");
        QVERIFY(bytes.contains("\n" + ours + "\r\n"));
        QVERIFY(!bytes.contains("\n" + american + "\r\n"));
    }
};

QTEST_APPLESS_MAIN(ShippedListsTest)
#include "test_shipped_lists.moc"
