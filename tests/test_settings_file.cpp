// The settings file on a real disk, in a temporary folder: each case of the store, damaged and
// oversized files, and where it is looked for.
#include "platform/ini_settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    // Each row: what is at the settings path, a load and a read of lstWordSource, a second load
    // (a close-box close) that must tell nothing new and read the same, what `how` does then, and
    // a save of chkHint as read and lstWordSource=3.
    void eachCaseOfTheStore_data()
    {
        QTest::addColumn<QByteArray>("before"); // the file's bytes; empty: no file
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("read");     // lstWordSource as read, "d" when missing
        QTest::addColumn<QByteArray>("after"); // the file after the save; empty: as it was
        QTest::addColumn<QString>("told");     // part of what the load or the save tells
        const QByteArray plain = "[Settings]\nchkHint=0\nlstWordSource=5\n";
        const QByteArray saved = "[Settings]\nchkHint=0\nlstWordSource=3\n";
        QTest::newRow("nothing yet: private folders") << QByteArray() << "" << "d" << saved << "";
        QTest::newRow("through a link, other lines kept") << QByteArray("; mine\r\n[Other]\nx = 1\n\n"
            "[Settings]\n chkHint = \"0\"\nlstWordSource=5\n") << "link" << "5" << QByteArray("; mine\r\n"
            "[Other]\nx = 1\n\n[Settings]\n chkHint = \"0\"\nlstWordSource=3\n") << "";
        QTest::newRow("a key given twice") << QByteArray("[Settings]\nchkHint=0\n"
            "lstWordSource=5\nlstWordSource=6\n") << "" << "6" << saved << "";
        QTest::newRow("a second [Settings]") << QByteArray("[Settings]\nlstWordSource=5\n"
            "[Other]\na=1\n[Settings]\nchkHint=0\nlstWordSource=6\n") << "" << "6"
            << QByteArray("[Settings]\n[Other]\na=1\n[Settings]\nchkHint=0\nlstWordSource=3\n") << "";
        QTest::newRow("CR LF and a BOM") << QByteArray("\xEF\xBB\xBF[Settings]\r\nchkHint=0\r\n"
            "lstWordSource=5\r\n")
            << "" << "5" << QByteArray("\xEF\xBB\xBF[Settings]\r\nchkHint=0\r\nlstWordSource=3\r\n") << "";
        QTest::newRow("CR only, no last end") << QByteArray("[Settings]\rlstWordSource=5") << ""
            << "5" << QByteArray("[Settings]\rlstWordSource=3\rchkHint=0\r") << "";
        QTest::newRow("an inline comment") << QByteArray("[Settings]\nchkHint=0\n"
            "lstWordSource=5 ; mine\n") << ""
            << "5" << QByteArray("[Settings]\nchkHint=0\nlstWordSource=3 ; mine\n") << "";
        QTest::newRow("lines and options written meanwhile") << plain << "edit" << "5"
            << QByteArray("[Settings]\nchkHint=1\nlstWordSource=3\n; new\n[Tool]\nx=1\n") << "";
        QTest::newRow("root over a player's 0600 file") << plain << "owner" << "5" << saved << "";
        QTest::newRow("root: a folder not of the config folder's owner") << plain << "foreign"
            << "5" << QByteArray() << "writes in no other user's folder";
        QTest::newRow("mode 2444 kept") << plain << "mode" << "5" << saved << "";
        QTest::newRow("a write that fails") << plain << "fsize" << "5" << QByteArray()
                                            << "could not be written: File too large";
        QTest::newRow("a save past 64 KiB") << "[Settings]\n;" + QByteArray(65500, 'x') +
            "\nchkHint=0\n" << "" << "d" << QByteArray() << "would grow larger than 64 KiB";
        QTest::newRow("unreadable: a loop of links") << QByteArray() << "loop" << "d" << QByteArray()
                                                     << "could not be read";
        QTest::newRow("damaged, kept across the close box") << QByteArray("[Settings]\n"
            "lstWordSource=5\nnotes\n") << "" << "5" << saved << "moved, unchanged, to";
        QTest::newRow("damaged, through another user's link, as root") << QByteArray("[Settings]\n"
            "lstWordSource=5\nnotes\n") << "others link" << "5" << QByteArray()
            << "reached through another user's symbolic link";
        QTest::newRow("stale temporary files, many damaged copies") << QByteArray("notes\n")
            << "litter" << "d" << saved << "moved, unchanged, to";
        QTest::newRow("swapped for a link to a FIFO") << plain << "fifo" << "5" << QByteArray()
                                                      << "is a FIFO (named pipe), not a settings";
        QTest::newRow("a device") << QByteArray() << "device" << "d" << QByteArray()
                                  << "is a character device";
        QTest::newRow("a folder") << QByteArray() << "folder" << "d" << QByteArray() << "is a folder";
        QTest::newRow("a Gibbetry link to a file") << QByteArray() << "file link" << "d"
                                                   << QByteArray() << "not a folder";
        QTest::newRow("a Gibbetry link out of the config folder") << QByteArray() << "out" << "d"
            << QByteArray() << "makes no file there";
        QTest::newRow("a link to nothing is replaced") << QByteArray() << "dangling" << "d" << saved
                                                       << "";
    }
    void eachCaseOfTheStore()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, how);
        QFETCH(QString, read);
        QFETCH(QByteArray, after);
        QFETCH(QString, told);
        QTemporaryDir root, outside;
        const QString folder = root.filePath("config/Gibbetry");
        const QString path = folder + "/Gibbetry.conf";
        if (!before.isEmpty() || !how.isEmpty())
            QVERIFY(QDir().mkpath(how == "file link" || how == "out" ? root.filePath("config") : folder));
        if (!before.isEmpty())
            QVERIFY(makeNode(before, path));
        const bool root0 = ::geteuid() == 0;
        if ((how == "owner" || how == "device" || how == "others link" || how == "foreign") &&
            !root0)
            QSKIP("making a player's file or a device needs root");
        if (how == "owner" && ( ::chown(QFile::encodeName(path), 65534, 65534) != 0))
            QFAIL("chown");
        if (how == "foreign") // a player's config folder: what a link of theirs could lead to
            QCOMPARE(::chown(QFile::encodeName(root.filePath("config")), 65534, 65534), 0);
        if (how == "owner" || how == "mode")
            QCOMPARE(::chmod(QFile::encodeName(path), how == "owner" ? 0600 : 02444), 0);
        if (how == "loop" || how == "device" || how == "folder")
            QVERIFY(makeNode(how.toLatin1(), path));
        if (how == "file link" || how == "out" || how == "dangling")
            QVERIFY(QFile::link(how == "file link" ? root.filePath("config/x.txt")
                                : how == "out" ? outside.path() : root.filePath("nowhere"),
                                how == "dangling" ? path : folder));
        if (how == "file link")
            QVERIFY(makeNode("x", root.filePath("config/x.txt")));
        if (how == "link" || how == "others link")
            QVERIFY(QFile::rename(path, folder + "/real.conf") && QFile::link("real.conf", path));
        if (how == "others link")
            QCOMPARE(::lchown(QFile::encodeName(path), 65534, 65534), 0);
        if (how == "litter") {
            for (int day = 1; day <= 7; ++day)
                QVERIFY(makeNode("x", path + QString(".damaged-2020010%1-000000").arg(day)));
            const QString stale = path + ".saving-4194303-abcdef"; // no such pid
            QVERIFY(makeNode("x", stale));
            const timespec epoch[2] = {};
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(stale), epoch, 0), 0);
        }
        auto snapshot = [&] {
            struct stat info {};
            const bool regular = ::stat(QFile::encodeName(path), &info) == 0 && S_ISREG(info.st_mode);
            return QString("%1 %2 %3 ").arg(kindOf(path)).arg(info.st_mode & 07777).arg(info.st_uid) +
                   (regular ? readFile(path) : QByteArray());
        };
        const QString start = snapshot();

        IniSettingsStore store(path);
        QString heard = store.load().value_or("");
        QCOMPARE(store.read("Settings", "lstWordSource", "d"), read);
        QVERIFY2(!store.load(), "told once");
        QCOMPARE(store.read("Settings", "lstWordSource", "d"), read);
        const QString hint = store.read("Settings", "chkHint", "0");
        if (how == "edit")
            QVERIFY(makeNode("[Settings]\nchkHint=1\nlstWordSource=5\n; new\n[Tool]\nx=1\n", path));
        if (how == "fifo")
            QVERIFY(QFile::remove(path) && makeNode("fifo", path + ".fifo") &&
                    QFile::link(path + ".fifo", path));
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        if (how == "fsize") {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = limit;
            small.rlim_cur = 8;
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        const QString middle = snapshot();
        store.write("Settings", "chkHint", hint);
        store.write("Settings", "lstWordSource", "3");
        const std::optional<QString> failure = store.commit();
        ::setrlimit(RLIMIT_FSIZE, &limit);
        heard += failure.value_or("");

        QVERIFY2(told.isEmpty() ? heard.isEmpty() : heard.contains(told), qPrintable(heard));
        QCOMPARE(failure.has_value(), after.isEmpty());
        if (after.isEmpty()) {
            QCOMPARE(snapshot(), how == "fifo" ? middle : start); // as found, if not swapped
        } else {
            QCOMPARE(readFile(path), after);
            if (!before.isEmpty() && !told.contains("moved")) // mode and owner as they were
                QCOMPARE(snapshot().section(' ', 0, 2), start.section(' ', 0, 2));
        }
        if (before.isEmpty() && how.isEmpty())
            QCOMPARE(QFileInfo(folder).permissions(),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                         QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(kindOf(path) == S_IFLNK,
                 (how.contains("link") && how != "file link") || how == "fifo" || how == "loop");
        QVERIFY(QDir(outside.path()).isEmpty() && !QFileInfo::exists(root.filePath("nowhere")));
        const QDir dir(QFileInfo(path).path());
        QVERIFY(dir.entryList({"*.saving-*"}, QDir::Files).isEmpty());
        if (how == "litter") {
            const QStringList copies = dir.entryList({"Gibbetry.conf.damaged-*"});
            QCOMPARE(copies.size(), IniSettingsStore::keptDamagedCopies);
            QVERIFY(!copies.contains("Gibbetry.conf.damaged-20200103-000000"));
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
