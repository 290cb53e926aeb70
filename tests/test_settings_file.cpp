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
        QTest::newRow("mode 2644 kept") << plain << "mode" << "5" << saved << "";
        QTest::newRow("read-only, told once") << plain << "read-only" << "5" << QByteArray()
                                              << "is read-only: its owner took away";
        QTest::newRow("another account's file the player may not write, told once") << plain
            << "others file" << "5" << QByteArray() << "belongs to another account";
        QTest::newRow("a write that fails") << "; " + QByteArray(4000, 'x') + '\n' + plain << "fsize"
            << "5" << QByteArray() << "could not be written: File too large";
        QTest::newRow("an editor's save before the rename: merged again") << plain << "editor" << "5"
            << saved + "; editor\n" << "";
        QTest::newRow("a line appended at the rename: merged after") << plain << "append" << "5"
            << saved + "; late\n" << "";
        QTest::newRow("a line appended at every rename: saved, told what may be missing") << plain
            << "append always" << "5" << saved + QByteArray("; late\n").repeated(IniSettingsStore::saveRounds - 1)
            << "they are in it, but what another program wrote";
        QTest::newRow("rewritten in place at the rename: merged after") << plain << "rewrite" << "5"
            << QByteArray("[Settings]\nchkHint=1\nlstWordSource=3\n; rw\n") << "";
        QTest::newRow("another game saving meanwhile: told, its file kept") << plain
            << "second game" << "5" << saved << "another Gibbetry game was saving its options";
        QTest::newRow("repaired before the move-aside: read again") << QByteArray("[Settings]\n"
            "lstWordSource=5\nnotes\n") << "repaired" << "6" << saved << "";
        QTest::newRow("damaged behind a link: copied, the link kept") << QByteArray("[Settings]\n"
            "lstWordSource=5\n<<<<<<< HEAD\n") << "dotfiles link" << "5" << saved
            << "a copy of it, unchanged, was kept as";
        QTest::newRow("a note after #") << QByteArray("[Settings]\nchkHint=0\nlstWordSource=5 # kids\n")
            << "" << "5" << QByteArray("[Settings]\nchkHint=0\nlstWordSource=3 # kids\n") << "";
        QTest::newRow("a note after ;, no blank") << QByteArray("[Settings]\nchkHint=0\nlstWordSource=5;x\n")
            << "" << "5" << QByteArray("[Settings]\nchkHint=0\nlstWordSource=3;x\n") << "";
        QTest::newRow("a save past 64 KiB") << "[Settings]\n;" + QByteArray(65500, 'x') +
            "\nchkHint=0\n" << "" << "d" << QByteArray() << "would grow larger than 64 KiB";
        QTest::newRow("unreadable: a loop of links") << QByteArray() << "loop" << "d" << QByteArray()
                                                     << "could not be read";
        QTest::newRow("damaged, kept across the close box") << QByteArray("[Settings]\n"
            "lstWordSource=5\nnotes\n") << "" << "5" << saved << "moved, unchanged, to";
        QTest::newRow("damaged, through another user's link, as root") << QByteArray("[Settings]\n"
            "lstWordSource=5\nnotes\n") << "others link" << "5" << QByteArray()
            << "reached through another user's symbolic link";
        QTest::newRow("dead temporary files, many damaged copies") << QByteArray("notes\n")
            << "litter" << "d" << saved << "moved, unchanged, to";
        QTest::newRow("copies named out of the order made (time zone)") << QByteArray("notes\n")
            << "litter backwards" << "d" << saved << "moved, unchanged, to";
        QTest::newRow("swapped for a link to a FIFO") << plain << "fifo" << "5" << QByteArray()
                                                      << "is a FIFO (named pipe), not a settings";
        QTest::newRow("a device") << QByteArray() << "device" << "d" << QByteArray()
                                  << "is a character device";
        QTest::newRow("a folder") << QByteArray() << "folder" << "d" << QByteArray() << "is a folder";
        QTest::newRow("a Gibbetry link to a file") << QByteArray() << "file link" << "d"
                                                   << QByteArray() << "not a folder";
        QTest::newRow("a Gibbetry link to a folder of one's own (stow)") << QByteArray() << "out"
            << "d" << saved << "";
        QTest::newRow("a Gibbetry link to another user's folder") << QByteArray() << "foreign out"
            << "d" << QByteArray() << "makes no file there";
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
            QVERIFY(QDir().mkpath(how == "file link" || how.endsWith("out") ? root.filePath("config")
                                                                             : folder));
        if (!before.isEmpty())
            QVERIFY(makeNode(before, path));
        const bool root0 = ::geteuid() == 0;
        if ((how == "owner" || how == "device" || how == "others link" || how == "foreign" ||
             how == "others file") && !root0)
            QSKIP("making a player's file or a device needs root");
        if (how == "owner" && ( ::chown(QFile::encodeName(path), 65534, 65534) != 0))
            QFAIL("chown");
        if (how == "others file") // root's 0644 file in a player's folders, saved as the player
            QVERIFY(::chmod(QFile::encodeName(root.path()), 0711) == 0 &&
                    ::chown(QFile::encodeName(root.filePath("config")), 65534, 65534) == 0 &&
                    ::chown(QFile::encodeName(folder), 65534, 65534) == 0 &&
                    ::chmod(QFile::encodeName(folder), 0555) == 0); // no lock file either
        if (how == "foreign") // a player's config folder: what a link of theirs could lead to
            QCOMPARE(::chown(QFile::encodeName(root.filePath("config")), 65534, 65534), 0);
        if (how == "owner" || how == "mode" || how == "read-only")
            QCOMPARE(::chmod(QFile::encodeName(path), how == "owner" ? 0600 : how == "mode" ? 02644 : 0444), 0);
        if (how == "out" && root0)
            QSKIP("root follows no other user's link, and its own only within its home folder");
        if (how == "foreign out" && root0) // a player's folder; when not root, "/" is root's
            QCOMPARE(::chown(QFile::encodeName(outside.path()), 65534, 65534), 0);
        if (how == "loop" || how == "device" || how == "folder")
            QVERIFY(makeNode(how.toLatin1(), path));
        if (how == "file link" || how.endsWith("out") || how == "dangling")
            QVERIFY(QFile::link(how == "file link" ? root.filePath("config/x.txt")
                                : how == "out" || (how == "foreign out" && root0) ? outside.path()
                                : how == "foreign out" ? "/" : root.filePath("nowhere"),
                                how == "dangling" ? path : folder));
        if (how == "file link")
            QVERIFY(makeNode("x", root.filePath("config/x.txt")));
        if (how == "link" || how == "others link")
            QVERIFY(QFile::rename(path, folder + "/real.conf") && QFile::link("real.conf", path));
        if (how == "dotfiles link")
            QVERIFY(QFile::rename(path, outside.filePath("real.conf")) &&
                    QFile::link(outside.filePath("real.conf"), path));
        if (how == "others link")
            QCOMPARE(::lchown(QFile::encodeName(path), 65534, 65534), 0);
        if (how.startsWith("litter")) { // made one after the other, by change time
            for (qint64 day = 1, last = 0, now = 0; day <= 7; ++day, last = now) {
                const QString copy = path + QString(".damaged-2020010%1-000000")
                                                .arg(how == "litter" ? day : 8 - day);
                QVERIFY(makeNode("x", copy));
                for (struct stat info {}; now <= last; now = info.st_ctim.tv_sec * 1000000000LL + info.st_ctim.tv_nsec)
                    QVERIFY(::chmod(QFile::encodeName(copy), 0644) == 0 && ::stat(QFile::encodeName(copy), &info) == 0);
            }
            const timespec epoch[2] = {}, future[2] = {{4102444800, 0}, {4102444800, 0}}; // no such pids
            for (const auto &[stale, time] : {std::pair(".saving-4194303-a", epoch), std::pair(".saving-4194302-b", future)})
                QVERIFY(makeNode("x", path + stale) && ::utimensat(AT_FDCWD, QFile::encodeName(path + stale), time, 0) == 0);
            QVERIFY(makeNode("x", path + ".saving-1-live")); // pid 1 runs
        }
        QString heard;
        int appendTo = -1, renames = 0; // another program's doings at a save's last moments
        auto editorSaves = [&](const QByteArray &text) { // a new file renamed over the old one
            return makeNode(text, path + "~") &&
                   ::rename(QFile::encodeName(path + "~"), QFile::encodeName(path)) == 0;
        };
        auto atMoment = [&](IniSettingsStore::Moment moment) {
            using M = IniSettingsStore::Moment;
            if (moment == M::BeforeMoveAside && how == "repaired")
                QVERIFY(editorSaves("[Settings]\nchkHint=0\nlstWordSource=6\n"));
            const QByteArray late = how != "rewrite" ? "; late\n" : "[Settings]\nchkHint=1\nlstWordSource=5\n; rw\n";
            if (moment == M::AfterRename && appendTo >= 0)
                QVERIFY(::write(appendTo, late, late.size()) == late.size() &&
                        ::close(std::exchange(appendTo, -1)) == 0);
            if (moment != M::BeforeRename || (renames++ && how != "append always"))
                return;
            if (how == "editor")
                QVERIFY(editorSaves("[Settings]\nchkHint=0\nlstWordSource=5\n; editor\n"));
            if (how.startsWith("append") || how == "rewrite") // opened before the rename, written after
                appendTo = ::open(QFile::encodeName(path), O_WRONLY | (how != "rewrite" ? O_APPEND : 0));
            if (how == "second game") {
                IniSettingsStore second(path);
                second.write("Settings", "comGuessLI", "4");
                heard += second.commit().value_or(QString()).text;
            }
        };
        auto snapshot = [&] {
            struct stat info {};
            const bool regular = ::stat(QFile::encodeName(path), &info) == 0 && S_ISREG(info.st_mode);
            return QString("%1 %2 %3 ").arg(kindOf(path)).arg(info.st_mode & 07777).arg(info.st_uid) +
                   (regular ? readFile(path) : QByteArray());
        };
        const QString start = snapshot();

        IniSettingsStore store(path, atMoment);
        heard = store.load().value_or("");
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
            small.rlim_cur = 1024; // room for the lock file, not for the new text
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        const QString middle = snapshot();
        store.write("Settings", "chkHint", hint);
        store.write("Settings", "lstWordSource", "3");
        const bool player = how == "others file" && ::seteuid(65534) == 0;
        const std::optional<SettingsStore::Report> failure = store.commit();
        ::setrlimit(RLIMIT_FSIZE, &limit);
        heard += failure.value_or(QString()).text;
        const bool toldTwice = (how == "read-only" || player) && store.commit();
        QVERIFY(!player || ::seteuid(0) == 0);
        QVERIFY2(!toldTwice, "told once a run");

        QVERIFY2(told.isEmpty() ? heard.isEmpty() : heard.contains(told), qPrintable(heard));
        QCOMPARE(failure && !failure->saved, after.isEmpty());
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
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files), how == "dotfiles link" ? QStringList{"real.conf"}
                 : how == "out" ? QStringList{"Gibbetry.conf"} : QStringList());
        QVERIFY(!QFileInfo::exists(root.filePath("nowhere")));
        const QDir dir(QFileInfo(path).path());
        QCOMPARE(dir.entryList({"*.saving-*", "*.lock"}, QDir::Files),
                 how.startsWith("litter") ? QStringList{"Gibbetry.conf.saving-1-live"} : QStringList());
        const QStringList copies = dir.entryList({"Gibbetry.conf.damaged-*"});
        if (how == "dotfiles link")
            QVERIFY(copies.size() == 1 && readFile(dir.filePath(copies[0])) == before);
        if (how.startsWith("litter")) {
            QCOMPARE(copies.size(), IniSettingsStore::keptDamagedCopies);
            QVERIFY(!copies.contains(how == "litter" ? "Gibbetry.conf.damaged-20200103-000000"
                                                     : "Gibbetry.conf.damaged-20200105-000000"));
        }
        QVERIFY(how != "repaired" || (copies.isEmpty() && !QFileInfo::exists(path + "~")));
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

    void configFolderFromTheEnvironment_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("expected"); // empty: under the account's own home folder
        QTest::newRow("absolute") << QByteArray("/cfg") << QByteArray("/h")
                                  << QByteArray("/cfg/Gibbetry/Gibbetry.conf");
        QTest::newRow("relative XDG") << QByteArray("relcfg") << QByteArray("/h")
                                      << QByteArray("/h/.config/Gibbetry/Gibbetry.conf");
        QTest::newRow("both relative") << QByteArray("relcfg") << QByteArray("relhome") << QByteArray();
        QTest::newRow("bytes that are not UTF-8") << QByteArray("/t/cfg-\xff\xfe/") << QByteArray("/h")
                                                  << QByteArray("/t/cfg-\xff\xfe/Gibbetry/Gibbetry.conf");
    }
    void configFolderFromTheEnvironment()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, expected);
        const QByteArray path = IniSettingsStore::userFilePath(
            [&](const char *name) { return QByteArray(name) == "HOME" ? home : xdg; });
        if (!expected.isEmpty())
            QCOMPARE(path, expected);
        QVERIFY2(path.startsWith('/') && !path.contains("rel"), path.constData());
        if (!xdg.contains('\xff'))
            return;
        // The store makes and uses that very folder, never a sibling named otherwise.
        QTemporaryDir root;
        const QByteArray under = QFile::encodeName(root.path()) + path.mid(2);
        IniSettingsStore store(under);
        store.write("Settings", "chkHint", "1");
        QVERIFY(!store.commit());
        QVERIFY(!QFileInfo::exists(root.filePath("cfg-\uFFFD\uFFFD")));
        char bytes[64] = {};
        const int fd = ::open(under.constData(), O_RDONLY);
        QVERIFY(fd >= 0 && ::read(fd, bytes, sizeof bytes - 1) > 0 && ::close(fd) == 0);
        QCOMPARE(QByteArray(bytes), "[Settings]\nchkHint=1\n");
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "test_settings_file.moc"
