// The settings file on a real disk, in a temporary folder: what the path leads to, damaged and
// oversized files, where the file is looked for.
#include "fakes.h"
#include "options/options.h"
#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Makes the node a row names at path; false when this system refuses (mknod needs root).
bool makeNode(const QString &kind, const QString &path)
{
    const QByteArray p = QFile::encodeName(path);
    if (kind == "nothing")
        return true;
    if (kind == "file") {
        writeFile(path, "[Settings]\nchkHint=0\n");
        return true;
    }
    if (kind == "folder")
        return QDir().mkpath(path);
    if (kind == "fifo")
        return ::mkfifo(p.constData(), 0600) == 0;
    if (kind == "device") // /dev/zero's numbers, made here, never the system's own
        return ::mknod(p.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    if (kind == "socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (fd < 0 || size_t(p.size()) >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path, p.constData(), size_t(p.size()));
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound;
    }
    if (kind == "loop")
        return QFile::link(path, path);
    return false;
}

unsigned modeOf(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void writtenOnlyToAFileOrNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<QString>("told"); // empty: saved
        for (bool link : {false, true}) {
            const char *how = link ? ", through a link" : "";
            QTest::addRow("nothing yet%s", how) << "nothing" << link << "";
            QTest::addRow("a file%s", how) << "file" << link << "";
            QTest::addRow("a folder%s", how) << "folder" << link << "is a folder";
            QTest::addRow("a FIFO%s", how) << "fifo" << link << "is a FIFO";
            QTest::addRow("a device%s", how) << "device" << link << "is a character device";
            QTest::addRow("a socket%s", how) << "socket" << link << "is a socket";
        }
        QTest::addRow("a loop of links") << "loop" << false << "could not be reached";
    }
    void writtenOnlyToAFileOrNothing()
    {
        QFETCH(QString, kind);
        QFETCH(bool, throughLink);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString target = dir.filePath("dotfiles/Gibbetry.conf");
        const QString path = throughLink ? dir.filePath("config/Gibbetry.conf") : target;
        QDir().mkpath(dir.filePath("dotfiles"));
        QDir().mkpath(dir.filePath("config"));
        if (!makeNode(kind, target))
            QSKIP("this system does not let the test make that node");
        if (throughLink)
            QVERIFY(QFile::link(target, path));
        const unsigned before = modeOf(target);

        QtSettingsStore store(path);
        QVERIFY(!store.load());
        QCOMPARE(store.read("Settings", "chkHint", "d"), kind == "file" ? "0" : "d");
        store.write("Settings", "chkHint", "1");
        const std::optional<QString> failure = store.commit();
        if (told.isEmpty()) {
            QVERIFY2(!failure, qPrintable(failure.value_or("")));
            QCOMPARE(readFile(target), "[Settings]\nchkHint=1\n");
            if (throughLink) // the link stays a link
                QCOMPARE(modeOf(path), unsigned(S_IFLNK));
            return;
        }
        QVERIFY(failure);
        QVERIFY2(failure->contains(told) && failure->contains(path), qPrintable(*failure));
        QCOMPARE(modeOf(target), before); // untouched
    }

    void aDamagedFileIsMovedAsideUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("chkLength"); // what the load makes of the key
        QTest::newRow("a line of notes") << QByteArray("[Settings]\nchkLength=1\nmy notes\n") << "1";
        QTest::newRow("NUL bytes") << QByteArray("[Settings]\nchkLength=1\n\0\0\0", 26) << "1";
        QTest::newRow("one byte over 64 KiB")
            << QByteArray("[Settings]\nchkLength=1\n").append(QByteArray(64 * 1024, ';')) << "d";
    }
    void aDamagedFileIsMovedAsideUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, chkLength);
        QTemporaryDir dir;
        const QString path = dir.filePath("Gibbetry.conf");
        for (int time = 1; time <= 2; ++time) { // the second copy never replaces the first
            writeFile(path, bytes);
            QtSettingsStore store(path);
            const std::optional<QString> notice = store.load();
            QVERIFY(notice);
            const QStringList aside = QDir(dir.path()).entryList({"Gibbetry.conf.damaged-*"});
            QCOMPARE(aside.size(), time);
            for (const QString &copy : aside) {
                QCOMPARE(readFile(dir.filePath(copy)), bytes);
            }
            QVERIFY(notice->contains(dir.filePath(aside.constLast())) ||
                    notice->contains(dir.filePath(aside.constFirst())));
            QCOMPARE(store.read("Settings", "chkLength", "d"), chkLength);
            QVERIFY(!store.load()); // told once: the next load finds nothing damaged
            store.write("Settings", "chkHint", "1");
            QVERIFY(!store.commit());
        }
    }

    void aHugeSparseFileIsNotRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Gibbetry.conf");
        writeFile(path, "[Settings]\n");
        QVERIFY(QFile(path).resize(qint64(1) << 30)); // 1 GiB, sparse
        QtSettingsStore store(path);
        QVERIFY(store.load());
        const QStringList aside = QDir(dir.path()).entryList({"Gibbetry.conf.damaged-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(QFileInfo(dir.filePath(aside[0])).size(), qint64(1) << 30);
    }

    void aDamagedFileThroughALinkMovesItsTarget()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("Gibbetry.conf.real");
        const QString link = dir.filePath("Gibbetry.conf");
        writeFile(target, "notes\n");
        QVERIFY(QFile::link(target, link));
        QtSettingsStore store(link);
        QVERIFY(store.load());
        QCOMPARE(QDir(dir.path()).entryList({"Gibbetry.conf.real.damaged-*"}).size(), 1);
        store.write("Settings", "chkHint", "1");
        QVERIFY(!store.commit());
        QCOMPARE(modeOf(link), unsigned(S_IFLNK));
        QCOMPARE(readFile(target), "[Settings]\nchkHint=1\n");
    }

    void theLoadTellsThePlayerOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Gibbetry.conf");
        writeFile(path, "[Settings]\noptGuessManual=True\noptGuessGUI=False\n\x01\x02\n");
        QtSettingsStore store(path);
        RecordingMessages messages;
        Options options(store, messages);
        NullOptionsHost host;
        options.Form_Load(host);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].contains("moved, unchanged, to"));
        QVERIFY(options.live(host).optGuessManual()); // what could be read is kept
        options.unload();
        options.Form_Load(host);
        QCOMPARE(messages.shown.size(), 1);
    }

    void theTextKeepsWhatItDoesNotSet_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after"); // chkHint set to 1
        QTest::addColumn<bool>("damaged");
        QTest::newRow("empty") << QByteArray() << QByteArray("[Settings]\nchkHint=1\n") << false;
        QTest::newRow("a byte-order mark") << QByteArray("\xEF\xBB\xBF[Settings]\nchkHint=0\n")
                                           << QByteArray("[Settings]\nchkHint=1\n") << false;
        QTest::newRow("comments, spaces, CR LF, another section")
            << QByteArray("; mine\r\n[Other]\nx = 1\n\n[Settings]\n chkHint = \"0\"\nchkLength=1\n")
            << QByteArray("; mine\n[Other]\nx = 1\n\n[Settings]\nchkHint=1\nchkLength=1\n") << false;
        QTest::newRow("a new key goes in its section")
            << QByteArray("[Settings]\nchkLength=1\n\n[Other]\nx=1\n")
            << QByteArray("[Settings]\nchkLength=1\nchkHint=1\n\n[Other]\nx=1\n") << false;
        QTest::newRow("a damaged line is dropped")
            << QByteArray("[Settings]\nchkHint=0\nnotes\n")
            << QByteArray("[Settings]\nchkHint=1\n") << true;
    }
    void theTextKeepsWhatItDoesNotSet()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, damaged);
        SettingsText text = SettingsText::parse(before);
        QCOMPARE(text.damaged(), damaged);
        text.setValue("Settings", "chkHint", "1");
        QCOMPARE(text.bytes(), after);
        QCOMPARE(SettingsText::parse(after).value("Settings", "chkHint"), "1");
    }

    void whereTheFileIsLookedFor_data()
    {
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected"); // "account": under the account's home folder
        QTest::newRow("XDG_CONFIG_HOME") << "/cfg" << "/home/p" << "/cfg/Gibbetry/Gibbetry.conf";
        QTest::newRow("no XDG_CONFIG_HOME") << "" << "/home/p" << "/home/p/.config/Gibbetry/Gibbetry.conf";
        QTest::newRow("relative XDG_CONFIG_HOME") << "relcfg" << "/home/p" << "/home/p/.config/Gibbetry/Gibbetry.conf";
        QTest::newRow("both relative") << "relcfg" << "relhome" << "account";
    }
    void whereTheFileIsLookedFor()
    {
        QFETCH(QString, xdgConfigHome);
        QFETCH(QString, home);
        QFETCH(QString, expected);
        QProcessEnvironment environment;
        if (!xdgConfigHome.isEmpty())
            environment.insert("XDG_CONFIG_HOME", xdgConfigHome);
        environment.insert("HOME", home);
        const QString path = QtSettingsStore::userFilePath(environment);
        if (expected != "account") {
            QCOMPARE(path, expected);
            return;
        }
        QVERIFY2(QDir::isAbsolutePath(path) && !path.contains("rel"), qPrintable(path));
        QVERIFY(path.endsWith("/.config/Gibbetry/Gibbetry.conf"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "test_settings_file.moc"
