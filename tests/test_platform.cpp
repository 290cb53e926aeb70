#include "platform/posix_file_reader.h"
#include "platform/qt_worker.h"
#include "platform/time_seeded_random.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace gibbetry;

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
