// The settings file on a real disk, in a temporary folder: what its path leads to, damaged and
// oversized files, and where it is looked for.
#include "platform/ini_settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace gibbetry;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Makes what a row names at path: "" for nothing, else file contents, or a folder, a FIFO, a
// device (made here, never a system one; mknod needs root) or a link to itself.
bool makeNode(const QByteArray &kind, const QString &path)
{
    const QByteArray p = QFile::encodeName(path);
    if (kind == "folder")
        return QDir().mkpath(path);
    if (kind == "fifo")
        return ::mkfifo(p, 0600) == 0;
    if (kind == "device")
        return ::mknod(p, S_IFCHR | 0600, makedev(1, 5)) == 0;
    if (kind == "loop")
        return QFile::link(path, path);
    QFile file(path);
    return kind.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(kind) == kind.size());
}

unsigned kindOf(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

const QByteArray notes = "; mine\r\n[Other]\nx = 1\n\n[Settings]\n chkHint = \"0\"\nchkLength=1\n";

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void aSaveWritesOnlyToAFileOrNothing_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("refusal"); // empty: saved
        QTest::newRow("nothing yet") << QByteArray() << "";
        QTest::newRow("a file, its other lines kept") << notes << "";
        QTest::newRow("a folder") << QByteArray("folder") << "is a folder";
        QTest::newRow("a FIFO") << QByteArray("fifo") << "is a FIFO";
        QTest::newRow("a device") << QByteArray("device") << "is a character device";
        QTest::newRow("a loop of links") << QByteArray("loop") << "could not be read";
    }
    void aSaveWritesOnlyToAFileOrNothing()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QString, refusal);
        for (bool throughLink : {false, true}) {
            QTemporaryDir dir;
            const QString target = dir.filePath("Gibbetry.conf");
            const QString path = throughLink ? dir.filePath("link.conf") : target;
            if (!makeNode(kind, target))
                QSKIP("this system does not let the test make that node");
            if (throughLink)
                QVERIFY(QFile::link(target, path));
            const unsigned before = kindOf(target);
            IniSettingsStore store(path);
            QCOMPARE(store.load().has_value(), kind == "loop"); // unreadable: told at load
            store.write("Settings", "chkHint", "1");
            const std::optional<QString> failure = store.commit();
            if (refusal.isEmpty()) {
                QVERIFY2(!failure, qPrintable(failure.value_or("")));
                // A link to nothing yet is replaced by the file, never followed out of its folder.
                const bool replaced = throughLink && kind.isEmpty();
                QCOMPARE(readFile(replaced ? path : target), kind.isEmpty() ? "[Settings]\nchkHint=1\n"
                    : "; mine\r\n[Other]\nx = 1\n\n[Settings]\nchkHint=1\nchkLength=1\n");
                QCOMPARE(kindOf(path), throughLink && !replaced ? unsigned(S_IFLNK) : unsigned(S_IFREG));
            } else {
                QVERIFY2(failure && failure->contains(refusal) && failure->contains(path),
                         qPrintable(failure.value_or("")));
                QCOMPARE(kindOf(target), before); // never written through
            }
        }
    }

    void aDamagedFileIsMovedAsideUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size"); // grown, sparse, to this size when larger
        QTest::addColumn<QString>("chkLength"); // as loaded: what could be read is kept
        QTest::newRow("a line of notes") << QByteArray("[Settings]\nchkLength=1\nmy notes\n")
                                         << qint64(0) << "1";
        QTest::newRow("NUL bytes") << QByteArray("[Settings]\nchkLength=1\n\0\0", 25) << qint64(0)
                                   << "1";
        QTest::newRow("1 GiB, not parsed") << QByteArray("[Settings]\nchkLength=1\n")
                                           << (qint64(1) << 30) << "d";
        QTest::newRow("a byte-order mark is no damage")
            << QByteArray("\xEF\xBB\xBF[Settings]\nchkLength=1\n") << qint64(0) << "1";
    }
    void aDamagedFileIsMovedAsideUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(QString, chkLength);
        const bool damaged = !bytes.startsWith('\xEF');
        QTemporaryDir dir;
        const QString path = dir.filePath("Gibbetry.conf");
        for (int time = 1; time <= 2; ++time) { // the second copy never replaces the first
            QVERIFY(makeNode(bytes, path) && (size == 0 || QFile(path).resize(size)));
            IniSettingsStore store(path);
            const std::optional<QString> notice = store.load();
            const QStringList aside = QDir(dir.path()).entryList({"Gibbetry.conf.damaged-*"});
            QCOMPARE(aside.size(), damaged ? time : 0);
            QCOMPARE(notice.has_value(), damaged);
            if (damaged) {
                QVERIFY2(notice->contains(dir.filePath(aside.constLast())) ||
                             notice->contains(dir.filePath(aside.constFirst())),
                         qPrintable(*notice));
                QCOMPARE(QFile(dir.filePath(aside[time - 1])).size(), size ? size : bytes.size());
                if (size == 0)
                    QCOMPARE(readFile(dir.filePath(aside[time - 1])), bytes);
            }
            QCOMPARE(store.read("Settings", "chkLength", "d"), chkLength);
            QVERIFY(!store.load()); // told once: the next load finds nothing damaged
            store.write("Settings", "chkHint", "1");
            QVERIFY(!store.commit());
        }
    }

    void relativeConfigFoldersAreIgnored_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected"); // empty: under the account's own home folder
        QTest::newRow("absolute") << "/cfg" << "/h" << "/cfg/Gibbetry/Gibbetry.conf";
        QTest::newRow("relative XDG") << "relcfg" << "/h" << "/h/.config/Gibbetry/Gibbetry.conf";
        QTest::newRow("both relative") << "relcfg" << "relhome" << "";
    }
    void relativeConfigFoldersAreIgnored()
    {
        QFETCH(QString, xdg);
        QFETCH(QString, home);
        QFETCH(QString, expected);
        QProcessEnvironment environment;
        environment.insert("XDG_CONFIG_HOME", xdg);
        environment.insert("HOME", home);
        const QString path = IniSettingsStore::userFilePath(environment);
        if (!expected.isEmpty())
            QCOMPARE(path, expected);
        QVERIFY2(QDir::isAbsolutePath(path) && !path.contains("rel"), qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "test_settings_file.moc"
