// Damaged files and failing disks: each ends with no crash and nothing lost, and with a message
// wherever the player has something to act on.
#include "fakes.h"
#include "game/game.h"
#include "platform/posix_file_reader.h"
#include "platform/ini_settings_store.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

const QString ogden = QStringLiteral("Ogden's Basic English Words.txt");
const QString kid1 = QStringLiteral("SmarterKid 1.txt");

void writeFile(const QByteArray &path, const QByteArray &bytes)
{
    std::FILE *file = std::fopen(path.constData(), "wb"); // any bytes as the name
    if (!file || std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) != size_t(bytes.size()))
        qFatal("cannot write %s", path.constData());
    std::fclose(file);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    writeFile(QFile::encodeName(path), bytes);
}

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 engine(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(engine());
    return bytes;
}

// The game with real files: its word lists in data/, the working directory empty, the options
// in config/Gibbetry/Gibbetry.conf unless a test says otherwise.
struct Disk {
    QTemporaryDir root;
    QString data = root.filePath("data");
    QByteArray dataBytes; // the folder of the word lists, by the bytes of its name
    QString settingsPath;
    std::unique_ptr<IniSettingsStore> store;
    PosixFileReader files;
    ScriptedRandom random;
    RecordingMessages messages;
    CountingBusy busy;
    FixedClock clock;
    ImmediateWorker worker;
    std::unique_ptr<Options> options;
    std::unique_ptr<Game> game;

    explicit Disk(const QString &settings = QString(), const QByteArray &dataName = "data")
    {
        dataBytes = QFile::encodeName(root.path()) + '/' + dataName;
        ::mkdir(dataBytes.constData(), 0700);
        QDir().mkpath(root.filePath("cwd"));
        QDir::setCurrent(root.filePath("cwd"));
        writeFile(dataBytes + '/' + ogden.toUtf8(), "cat\r\ndog\r\n");
        settingsPath = settings.isEmpty() ? root.filePath("config/Gibbetry/Gibbetry.conf") : settings;
        store = std::make_unique<IniSettingsStore>(settingsPath);
        options = std::make_unique<Options>(*store, messages);
        game = std::make_unique<Game>(*options, GamePlatform{files, random, messages, busy, clock, worker},
                                      QList<QByteArray>{dataBytes});
        game->Form_Load();
    }
    ~Disk() { QDir::setCurrent(QDir::tempPath()); }
    OptionsControls &opt() { return options->live(*game); }
    // The player chooses SmarterKid 1 and manual mode with 3 allowed, and presses DONE.
    void chooseKid1AndDone()
    {
        opt().setWordSourceIndex(2);
        opt().setOptGuessManual(true);
        opt().setComGuessIndex(2);
        options->cmdDone_Click(*game);
    }
};

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void damagedWordListsKeepThePreviousList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        QTest::newRow("a folder") << "folder" << "could not be read";
        QTest::newRow("a FIFO") << "fifo" << "could not be read";
        QTest::newRow("NUL bytes only") << "nul" << "no word that can be played";
        QTest::newRow("high bytes only") << "high" << "no word that can be played";
        QTest::newRow("one 100 MB line") << "long line" << "no word that can be played";
        QTest::newRow("deleted") << "missing" << "could not be read";
    }
    void damagedWordListsKeepThePreviousList()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        Disk disk;
        const QString path = disk.data + '/' + kid1;
        if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "nul")
            writeFile(path, QByteArray(4096, '\0'));
        else if (kind == "high")
            writeFile(path, QByteArray(4096, '\xE9'));
        else if (kind == "long line")
            writeFile(path, QByteArray(100 * 1000 * 1000, 'a'));
        disk.chooseKid1AndDone();
        QCOMPARE(disk.messages.shown.size(), 1);
        QVERIFY2(disk.messages.shown[0].contains(told), qPrintable(disk.messages.shown[0]));
        QVERIFY(disk.messages.shown[0].contains("Ogden's Basic English Words.txt\" stays in use"));
        QCOMPARE(disk.game->wordList().count(), 2);
        QVERIFY(!disk.game->state().gameOver); // a game from the list still loaded
        QCOMPARE(disk.game->state().chancesLeft, 3);
        // The options are saved, naming the list in play.
        IniSettingsStore reread(disk.settingsPath);
        QCOMPARE(reread.read("Settings", "lstWordSource", "?"), "1");
        QCOMPARE(reread.read("Settings", "comGuessLI", "?"), "2");
    }

    void thePlayersOwnListThatCannotBeReadIsNamed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder" << "it is a folder, not a file";
        QTest::newRow("a loop of links") << "loop" << "Too many levels of symbolic links";
        QTest::newRow("a link to /dev/urandom") << "device" << "it is a character device, not a file";
        QTest::newRow("no read permission") << "denied" << "Permission denied";
        QTest::newRow("a read that does not answer") << "hung"
                                                     << "did not answer within 10 seconds";
    }
    void thePlayersOwnListThatCannotBeReadIsNamed()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind == "denied" && ::geteuid() == 0)
            QSKIP("root reads a file whatever its permissions");
        Disk disk;
        writeFile(disk.data + '/' + kid1, "kid\r\n");
        const QString own = QDir::current().filePath(kid1);
        if (kind == "folder")
            QVERIFY(QDir().mkpath(own));
        else if (kind == "loop")
            QVERIFY(QFile::link(own, own));
        else if (kind == "device")
            QVERIFY(QFile::link("/dev/urandom", own));
        else {
            writeFile(own, "mine\r\n");
            QVERIFY(QFile::setPermissions(own, {}));
        }
        disk.messages.shown.clear();
        disk.worker.timeOuts = kind == "hung" ? 1 : 0;
        disk.chooseKid1AndDone();
        QCOMPARE(disk.messages.shown.size(), 1);
        const QString &told = disk.messages.shown[0];
        QVERIFY2(told.contains(own + (kind == "hung" ? " did" : " could")) && told.contains(reason) &&
                     told.endsWith(kind == "hung" ? "reads its own list instead."
                                                  : "Gibbetry's own list is used instead."),
                 qPrintable(told));
        QCOMPARE(disk.game->state().secretWord, "kid");
    }

    void randomBytesNeverCrash()
    {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            Disk disk;
            writeFile(disk.data + '/' + kid1, randomBytes(64 * 1024, seed));
            disk.chooseKid1AndDone();
            // Loaded or refused, a game runs on a word every tile can complete.
            QVERIFY(!disk.game->state().gameOver);
            QVERIFY(isPlayable(disk.game->state().secretWord));
            QCOMPARE(disk.messages.shown.size(), disk.game->loadedWordSource() == 2 ? 0 : 1);
        }
    }

    void tenMillionLinesLoadTheFirst50000()
    {
        Disk disk;
        QByteArray lines;
        lines.reserve(20 * 1000 * 1000);
        for (int i = 0; i < 10 * 1000 * 1000; ++i)
            lines += i % 2 ? "b\n" : "a\n";
        writeFile(disk.data + '/' + kid1, lines);
        disk.chooseKid1AndDone();
        QCOMPARE(disk.game->wordList().count(), 50000);
        QCOMPARE(disk.messages.shown.size(), 1); // told once, with the first 16 MiB cut too
        QVERIFY(disk.messages.shown[0].contains("50000 lines"));
    }

    // The lists are read from the folder by the bytes of its name, UTF-8 or not.
    void aListDeletedBetweenGamesIsStillPlayed_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::newRow("data folder") << QByteArray("data");
        QTest::newRow("a folder named in Latin-1") << QByteArray("jeux-\xe9");
    }
    void aListDeletedBetweenGamesIsStillPlayed()
    {
        QFETCH(QByteArray, folder);
        Disk disk(QString(), folder);
        const QByteArray list = disk.dataBytes + '/' + kid1.toUtf8();
        QCOMPARE(disk.game->wordList().count(), 2); // Ogden's, at start-up
        writeFile(list, "kid\r\n");
        disk.chooseKid1AndDone();
        QCOMPARE(disk.game->state().secretWord, "kid");
        QCOMPARE(::unlink(list.constData()), 0);
        disk.game->cmdNewGame_Click();
        QCOMPARE(disk.game->state().secretWord, "kid");
        QVERIFY(disk.messages.shown.isEmpty());
        disk.opt().setWordSourceIndex(2); // the same source again: a reload, which fails
        disk.options->cmdDone_Click(*disk.game);
        QCOMPARE(disk.messages.shown.size(), 1);
        QVERIFY(disk.messages.shown[0].contains("SmarterKid 1.txt\" stays in use"));
        QVERIFY(disk.messages.shown[0].contains(QFile::decodeName(list)));
        QCOMPARE(disk.game->state().secretWord, "kid");
        ::unlink((disk.dataBytes + '/' + ogden.toUtf8()).constData());
        ::rmdir(disk.dataBytes.constData()); // a name QDir could not remove
    }

    void settingsThatCannotBeSaved_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("read-only folder") << "read-only";
        QTest::newRow("file replaced by a folder") << "folder";
        QTest::newRow("a file its owner made read-only: told once") << "0444";
        QTest::newRow("a lock another game holds") << "locked";
    }
    void settingsThatCannotBeSaved()
    {
        QFETCH(QString, kind);
        QTemporaryDir spare;
        QString settings;
        if (kind == "read-only") {
            settings = "/proc/self/Gibbetry.conf"; // refused even to root
        } else {
            settings = spare.filePath("Gibbetry.conf");
            if (kind == "folder")
                QVERIFY(QDir().mkpath(settings));
            else
                writeFile(settings, "[Settings]\n");
        }
        QLockFile other(settings + ".lock");
        QVERIFY(kind == "0444" ? QFile::setPermissions(settings, QFile::ReadOwner | QFile::ReadGroup |
                                                                       QFile::ReadOther)
                               : kind != "locked" || other.tryLock());
        Disk disk(settings);
        QVERIFY(disk.messages.shown.isEmpty()); // loading fell back to the defaults silently
        QVERIFY(disk.opt().optGuessGUI());
        writeFile(disk.data + '/' + kid1, "kid\r\n");
        disk.chooseKid1AndDone();
        QCOMPARE(disk.messages.shown.size(), 1);
        QVERIFY(disk.messages.shown[0].startsWith("Your options could not be saved"));
        // The game goes on with the options the player chose.
        QCOMPARE(disk.game->state().secretWord, "kid");
        QCOMPARE(disk.game->state().chancesLeft, 3);
        QVERIFY(disk.opt().optGuessManual());
        disk.options->cmdDone_Click(*disk.game);
        QCOMPARE(disk.messages.shown.size(), kind == "0444" ? 1 : 2);
        QFile kept(settings); // as it was, with its lock left to the other game
        QVERIFY(kind == "folder" || kind == "read-only" ||
                (kept.open(QIODevice::ReadOnly) && kept.readAll() == "[Settings]\n"));
    }

    void aSettingsFileOfRandomBytesNeverBlocksASave()
    {
        for (unsigned seed = 1; seed <= 10; ++seed) {
            QTemporaryDir spare;
            const QString settings = spare.filePath("Gibbetry.conf");
            const QByteArray garbage = randomBytes(4000, seed);
            writeFile(settings, garbage);
            Disk disk(settings);
            // Told once where the bytes went; they are there, unchanged.
            QCOMPARE(disk.messages.shown.size(), 1);
            const QStringList aside = QDir(spare.path()).entryList({"Gibbetry.conf.damaged-*"});
            QCOMPARE(aside.size(), 1);
            QVERIFY(disk.messages.shown[0].contains(spare.filePath(aside[0])));
            QFile kept(spare.filePath(aside[0]));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), garbage);
            QVERIFY(disk.opt().optGuessGUI());
            writeFile(disk.data + '/' + kid1, "kid\r\n");
            disk.chooseKid1AndDone();
            QCOMPARE(disk.messages.shown.size(), 1);
            IniSettingsStore reread(settings);
            QCOMPARE(reread.read("Settings", "optGuessManual", "?"), "True");
        }
    }
};

QTEST_GUILESS_MAIN(FaultsTest)
#include "test_faults.moc"
