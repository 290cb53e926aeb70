#include "platform/posix_file_reader.h"
#include "platform/qt_worker.h"
#include "platform/time_seeded_random.h"
#include "platform/translations.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace gibbetry;

// A message of a catalogue's source side: where it is shown, its English, whether it counts.
struct SourceText {
    QByteArray context, source, comment;
    bool numerus = false;
};

// An element's text; lupdate writes a carriage return as <byte value="xd"/>.
QByteArray elementText(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text += xml.text();
        else if (token == QXmlStreamReader::StartElement && ++depth)
            text += QChar(xml.attributes().value("value").mid(1).toUInt(nullptr, 16));
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return text.toUtf8();
}

QList<SourceText> sourceTexts(const QString &catalogue)
{
    QFile file(catalogue);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<SourceText> texts;
    QByteArray context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = elementText(xml);
        else if (xml.name() == QLatin1String("message"))
            texts.append({context, {}, {}, xml.attributes().value("numerus") == QLatin1String("yes")});
        else if (xml.name() == QLatin1String("source"))
            texts.last().source = elementText(xml);
        else if (xml.name() == QLatin1String("comment"))
            texts.last().comment = elementText(xml);
    }
    return texts;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%[0-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The letter after "&", lower case; "" without one.
QString accessKey(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toLower() : QString();
}

class PlatformTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void readsWithinTheLimit_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<bool>("truncated");
        QTest::newRow("empty") << QByteArray() << qint64(10) << QByteArray() << false;
        QTest::newRow("under") << QByteArray("abc") << qint64(10) << QByteArray("abc") << false;
        QTest::newRow("exactly the limit") << QByteArray("abcd") << qint64(4) << QByteArray("abcd") << false;
        QTest::newRow("one over") << QByteArray("abcde") << qint64(4) << QByteArray("abcd") << true;
        QByteArray big(3 * 1024 * 1024 + 7, 'x');
        QTest::newRow("large, whole") << big << qint64(16 * 1024 * 1024) << big << false;
    }
    void readsWithinTheLimit()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, limit);
        QFETCH(QByteArray, read);
        QFETCH(bool, truncated);
        PosixFileReader reader;
        const FileContents got = reader.read(file("list.txt", bytes), limit);
        QCOMPARE(got.status, FileContents::Status::Ok);
        QCOMPARE(got.bytes, read);
        QCOMPARE(got.truncated, truncated);
    }

    void refusesWhatIsNotARegularFile()
    {
        PosixFileReader reader;
        QCOMPARE(reader.read(dir.filePath("absent.txt"), 100).status, FileContents::Status::Missing);
        QCOMPARE(reader.read(dir.filePath("absent/inner.txt"), 100).status,
                 FileContents::Status::Missing);
        QVERIFY(QDir(dir.path()).mkdir("folder.txt"));
        QCOMPARE(reader.read(dir.filePath("folder.txt"), 100).status,
                 FileContents::Status::NotRegularFile);
        // A FIFO with no writer would block an ordinary open for ever.
        const QByteArray fifo = QFile::encodeName(dir.filePath("fifo.txt"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QCOMPARE(reader.read(dir.filePath("fifo.txt"), 100).status,
                 FileContents::Status::NotRegularFile);
        QCOMPARE(reader.read("/dev/zero", 100).status, FileContents::Status::NotRegularFile);
    }

    // A work that returns is reported done; one that does not, given up at its limit, once.
    void theWorkerGivesUpAtTheLimit()
    {
        QtWorker worker;
        auto gate = std::make_shared<QSemaphore>(); // the thread may return from it after this test
        // Each work's own reports: on a busy machine the stuck one's limit may pass before the
        // quick one's report arrives.
        QList<bool> quick, stuck, after;
        worker.run([] {}, std::chrono::hours(1), [&](bool finished) { quick << finished; });
        worker.run([gate] { gate->acquire(); }, std::chrono::milliseconds(1),
                   [&](bool finished) { stuck << finished; });
        QTRY_COMPARE(quick.size() + stuck.size(), 2);
        gate->release();
        worker.run([] {}, std::chrono::hours(1), [&](bool finished) { after << finished; });
        QTRY_COMPARE(after.size(), 1);
        QCOMPARE(quick, QList<bool>{true});
        QCOMPARE(stuck, QList<bool>{false});
        QCOMPARE(after, QList<bool>{true});
    }

    void everyLanguageIsComplete_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "fr", "es", "it", "pt_BR", "nl", "pl", "ru", "uk", "ja",
                                     "zh_CN", "ar"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    // Every text has its translation in the built-in catalogue, with the source's placeholders,
    // %n in each plural form, its line breaks and, where the source has one, an access key that
    // no other text of the same menu or dialog uses.
    void everyLanguageIsComplete()
    {
        QFETCH(QString, language);
        const QList<SourceText> texts =
            sourceTexts(QStringLiteral(GIBBETRY_SOURCE_DIR "/translations/gibbetry_%1.ts").arg(language));
        QVERIFY2(texts.size() > 100, QByteArray::number(texts.size()));
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/i18n/gibbetry_") + language));
        QHash<QByteArray, QStringList> keys;
        for (const SourceText &text : texts) {
            const QString source = QString::fromUtf8(text.source);
            for (int n : text.numerus ? QList<int>{0, 1, 2, 3, 5, 11, 12, 22, 25, 101, 111}
                                      : QList<int>{-1}) {
                const QString translation =
                    catalogue.translate(text.context, text.source, text.comment.isEmpty() ? nullptr
                                                                                     : text.comment.constData(), n);
                const QByteArray where = text.context + ": " + text.source.left(50) + " n=" +
                                         QByteArray::number(n);
                QVERIFY2(!translation.isEmpty(), where);
                QVERIFY2(placeholders(translation) == placeholders(source), where);
                QVERIFY2(translation.count(QLatin1Char('\n')) == source.count(QLatin1Char('\n')), where);
                QVERIFY2(accessKey(translation).isEmpty() == accessKey(source).isEmpty(), where);
                if (!accessKey(source).isEmpty()) {
                    QVERIFY2(!keys[text.context].contains(accessKey(translation)), where);
                    keys[text.context] << accessKey(translation);
                }
            }
        }
    }

    void languageFromTheEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment"); // name=value pairs
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("catalogue"); // the one taken: "" for English
        const QStringList none;
        QTest::newRow("nothing set") << none << none << "";
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"de_DE", "de"} << "de";
        QTest::newRow("LC_ALL before LANG") << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=ar_EG.UTF-8"}
                                            << QStringList{"ar_EG", "ar"} << "ar";
        QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LANG=fr_FR.UTF-8", "LC_MESSAGES=pl_PL"}
                                                 << QStringList{"pl_PL", "pl"} << "pl";
        QTest::newRow("LANGUAGE in the locale's place")
            << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=pt_BR:ja"}
            << QStringList{"pt_BR", "pt", "ja"} << "pt_BR";
        QTest::newRow("a language with no catalogue is passed over")
            << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=tlh:ar"} << QStringList{"tlh", "ar"} << "ar";
        QTest::newRow("LANGUAGE with no catalogue stays English")
            << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=pt_PT"} << QStringList{"pt_PT", "pt"} << "";
        QTest::newRow("LANGUAGE under English") << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=de"}
                                                << QStringList{"de"} << "de";
        QTest::newRow("LANGUAGE under C.UTF-8") << QStringList{"LANG=C.UTF-8", "LANGUAGE=uk"}
                                                << QStringList{"uk"} << "uk";
        QTest::newRow("LANGUAGE ignored under C") << QStringList{"LANG=C", "LANGUAGE=de"} << none << "";
        QTest::newRow("LANGUAGE ignored with no locale") << QStringList{"LANGUAGE=de"} << none << "";
        QTest::newRow("English ends the list") << QStringList{"LANG=de_DE", "LANGUAGE=en_GB:de"}
                                               << none << "";
        QTest::newRow("English locale") << QStringList{"LANG=en_AU.UTF-8"} << none << "";
        QTest::newRow("modifier and codeset dropped") << QStringList{"LANG=uk_UA.KOI8-U@euro"}
                                                      << QStringList{"uk_UA", "uk"} << "uk";
        QTest::newRow("empty LC_ALL is unset") << QStringList{"LC_ALL=", "LANG=ja_JP.UTF-8"}
                                               << QStringList{"ja_JP", "ja"} << "ja";
    }

    void languageFromTheEnvironment()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, wanted);
        QFETCH(QString, catalogue);
        const auto lookup = [&environment](const char *name) {
            for (const QString &pair : environment)
                if (pair.section(QLatin1Char('='), 0, 0) == QLatin1String(name))
                    return pair.section(QLatin1Char('='), 1).toUtf8();
            return QByteArray();
        };
        QCOMPARE(wantedLanguages(lookup), wanted);
        const Translations translations(wanted);
        QCOMPARE(translations.language(), catalogue);
        QCOMPARE(translations.rightToLeft(), catalogue == QLatin1String("ar"));
        const char *source = "Start New Game";
        QCOMPARE(translations.translate("gibbetry::MainWindow", source) == QLatin1String(source),
                 catalogue.isEmpty());
    }

    void randomNumbersStayInTheUnitInterval()
    {
        TimeSeededRandom random;
        double sum = 0;
        for (int i = 0; i < 100000; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
            sum += r;
        }
        QVERIFY(qAbs(sum / 100000 - 0.5) < 0.01);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"
