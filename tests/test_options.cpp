#include "fakes.h"
#include "options/options.h"
#include "platform/ini_settings_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

// The main window as the options see it: status captions and the calls DONE makes.
class FakeHost final : public OptionsHost {
public:
    QString status[5];
    QStringList calls;
    bool readSucceeds = true;
    int loaded = 1;
    Options *options = nullptr;
    int sourceSeenAtRead = -2;

    void setStatusCaption(int field, const QString &caption) override { status[field] = caption; }
    void ReadWordSource() override
    {
        calls << "ReadWordSource";
        sourceSeenAtRead = options->live(*this).wordSourceIndex();
        if (readSucceeds)
            loaded = sourceSeenAtRead;
        else
            options->keepLoadedWordSource(*this);
    }
    void cmdNewGame_Click() override { calls << "cmdNewGame_Click"; }
    int loadedWordSource() const override { return loaded; }
};

const QStringList defaultsWritten{"True", "False", "False", "7", "1", "0", "0", "False", "4"};
const QStringList manualWritten{"False", "True", "True", "4", "2", "0", "1", "True", "2"};

void storeAll(FakeStore &store, const QStringList &values)
{
    for (int i = 0; i < values.size(); ++i)
        store.values["Settings/" + Options::keys()[i]] = values[i];
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

    FakeStore store;
    RecordingMessages messages;
    FakeHost host;
    std::unique_ptr<Options> options;

private slots:
    void init()
    {
        store = FakeStore();
        messages.shown.clear();
        host = FakeHost();
        options = std::make_unique<Options>(store, messages);
        host.options = options.get();
    }

    void emptyStoreLoadsDefaultsAndWritesNothing()
    {
        options->Form_Load(host);
        const OptionsControls &c = options->live(host);
        QVERIFY(c.optGuessGUI());
        QVERIFY(!c.optGuessManual());
        QVERIFY(!c.comGuessEnabled());
        QCOMPARE(c.comGuessText(), "8");
        QCOMPARE(c.wordSourceText(), "Ogden's Basic English Words - 850 words");
        QCOMPARE(c.chkHint(), 0);
        QVERIFY(!c.chkHintEnabled());
        QCOMPARE(c.chkLength(), 0);
        QVERIFY(!c.comLengthEnabled());
        QCOMPARE(c.comLengthText(), "8");
        QVERIFY(!c.wordSourceChanged());
        QVERIFY(store.values.isEmpty());
        QCOMPARE(host.status[2], "Ogden's Basic English Words - 850 words");
        QCOMPARE(host.status[3], "No restriction on word length");
        QCOMPARE(host.status[4], "Hint is OFF");
    }

    void readsAndWritesInKeyOrder()
    {
        options->Form_Load(host);
        options->cmdDone_Click(host);
        QStringList expected;
        for (const QString &key : Options::keys())
            expected << "read " + key;
        for (int i = 0; i < Options::keys().size(); ++i)
            expected << QStringLiteral("write %1=%2").arg(Options::keys()[i], defaultsWritten[i]);
        QCOMPARE(store.log, expected);
        QCOMPARE(host.calls, QStringList{"cmdNewGame_Click"}); // no click on the list: no reload
    }

    void manualSelectionRoundTrip()
    {
        options->Form_Load(host);
        OptionsControls &c = options->live(host);
        c.setOptGuessManual(true);
        QVERIFY(c.comGuessEnabled());
        c.setComGuessIndex(4);
        c.setWordSourceIndex(2);
        c.setChkLength(1);
        QVERIFY(c.comLengthEnabled());
        c.setComLengthIndex(2);
        options->cmdDone_Click(host);
        QCOMPARE(store.writtenValues(), manualWritten);
        QCOMPARE(host.calls, (QStringList{"ReadWordSource", "cmdNewGame_Click"}));
        QCOMPARE(host.status[2], "SmarterKid 1 - 5,000 words");
        QCOMPARE(host.status[3], "Word length limited to 6 characters");

        // A restart shows exactly these selections.
        Options restarted(store, messages);
        restarted.Form_Load(host);
        const OptionsControls &r = restarted.live(host);
        QVERIFY(r.optGuessManual() && !r.optGuessGUI());
        QVERIFY(r.comGuessEnabled() && r.comLengthEnabled());
        QCOMPARE(r.comGuessText(), "5");
        QCOMPARE(r.wordSourceIndex(), 2);
        QCOMPARE(r.comLengthText(), "6");
    }

    void reselectingTheSameSourceStillReloads()
    {
        options->Form_Load(host);
        OptionsControls &c = options->live(host);
        c.setWordSourceIndex(3);
        c.setWordSourceIndex(1);
        options->cmdDone_Click(host);
        QCOMPARE(host.calls, (QStringList{"ReadWordSource", "cmdNewGame_Click"}));
        QVERIFY(!c.wordSourceChanged());
    }

    void optionButtonsAndLengthBoxRecomputeEnabled()
    {
        options->Form_Load(host);
        OptionsControls &c = options->live(host);
        c.setOptGuessManual(true);
        QVERIFY(c.comGuessEnabled());
        c.setOptGuessGUI(true);
        QVERIFY(!c.comGuessEnabled());
        QVERIFY(!c.optGuessManual());
        QCOMPARE(c.comGuessText(), "8"); // the count stays selected
        c.setChkLength(1);
        c.setChkLength(0);
        QVERIFY(!c.comLengthEnabled());
        QCOMPARE(c.comLengthText(), "8");
    }

    void closeBoxDiscardsAndKeepsWhatIsInForce()
    {
        storeAll(store, manualWritten);
        options->Form_Load(host);
        options->Form_Show(host);
        OptionsControls &c = options->live(host);
        c.setOptGuessGUI(true);
        c.setComGuessIndex(0);
        storeAll(store, defaultsWritten); // another game saved meanwhile
        host.status[2] = "shown";
        options->closeBox();
        const OptionsControls &again = options->live(host);
        QVERIFY(again.optGuessManual());
        QCOMPARE(again.comGuessText(), "5");
        QCOMPARE(again.wordSourceIndex(), 2);
        QCOMPARE(store.loads, 1); // the file is not read again
        QCOMPARE(host.status[2], "shown");
        QCOMPARE(store.writtenValues(), QStringList{});
    }

    void garbageFallsBackToEachKeysDefault_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("truth in lower case") << 2 << "true";
        QTest::newRow("truth as number") << 2 << "-1";
        QTest::newRow("guess index text") << 3 << "seven";
        QTest::newRow("guess index -1") << 3 << "-1";
        QTest::newRow("guess index 15") << 3 << "15";
        QTest::newRow("guess index with space") << 3 << " 7";
        QTest::newRow("source 7") << 4 << "7";
        QTest::newRow("source -1") << 4 << "-1";
        QTest::newRow("source too big for 16 bits") << 4 << "99999999999";
        QTest::newRow("hint 2") << 5 << "2";
        QTest::newRow("length 2 (greyed)") << 6 << "2";
        QTest::newRow("length empty") << 6 << "";
        QTest::newRow("length list -1") << 8 << "-1";
        QTest::newRow("length list 17") << 8 << "17";
    }
    void garbageFallsBackToEachKeysDefault()
    {
        QFETCH(int, key);
        QFETCH(QString, stored);
        storeAll(store, manualWritten);
        store.values["Settings/" + Options::keys()[key]] = stored;
        options->Form_Load(host);
        options->cmdDone_Click(host);
        QStringList expected = manualWritten;
        expected[key] = defaultsWritten[key];
        if (key == 6) // the box falls back to unchecked; its list keeps the stored enabled state
            QCOMPARE(host.status[3], "No restriction on word length");
        QCOMPARE(store.writtenValues(), expected);
    }

    void neitherOptionButtonSelectsDrawingMode()
    {
        storeAll(store, defaultsWritten);
        store.values["Settings/optGuessGUI"] = "False";
        options->Form_Load(host);
        QVERIFY(options->live(host).optGuessGUI());
        QVERIFY(!options->live(host).optGuessManual());
    }

    void bothOptionButtonsTrueEndsInManualMode()
    {
        storeAll(store, defaultsWritten);
        store.values["Settings/optGuessManual"] = "True";
        options->Form_Load(host);
        QVERIFY(options->live(host).optGuessManual());
        QVERIFY(!options->live(host).optGuessGUI());
    }

    void storedHintStaysCheckedDisabledAndIsWrittenBack()
    {
        storeAll(store, defaultsWritten);
        store.values["Settings/chkHint"] = "1";
        options->Form_Load(host);
        QCOMPARE(options->live(host).chkHint(), 1);
        QVERIFY(!options->live(host).chkHintEnabled());
        options->cmdDone_Click(host);
        QCOMPARE(host.status[4], "Hint is OFF");
        QCOMPARE(store.values["Settings/chkHint"], "1");
    }

    void failedSaveTellsThePlayerAndTheGameGoesOn_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("shown");
        QTest::newRow("not saved") << false << "Your options could not be saved: the folder /x "
            "cannot be written to.\n\nThey stay in force until Gibbetry is closed.";
        QTest::newRow("saved, a line of another program's may be missing") << true
            << "the folder /x cannot be written to.";
    }
    void failedSaveTellsThePlayerAndTheGameGoesOn()
    {
        QFETCH(bool, saved);
        QFETCH(QString, shown);
        options->Form_Load(host);
        store.failure = SettingsStore::Report(QStringLiteral("the folder /x cannot be written to."),
                                              saved);
        options->cmdDone_Click(host);
        QCOMPARE(messages.shown, QStringList{shown});
        QCOMPARE(host.calls, QStringList{"cmdNewGame_Click"});
        QVERIFY(options->isLoaded());
    }

    void failedReloadKeepsTheListInPlay()
    {
        options->Form_Load(host);
        host.readSucceeds = false;
        options->live(host).setWordSourceIndex(5);
        options->cmdDone_Click(host);
        QCOMPARE(host.sourceSeenAtRead, 5);
        QCOMPARE(options->live(host).wordSourceIndex(), 1);
        QCOMPARE(host.status[2], "Ogden's Basic English Words - 850 words");
        QCOMPARE(store.values["Settings/lstWordSource"], "1");
        QCOMPARE(host.calls.last(), "cmdNewGame_Click");
        // A read that fails after DONE, with the dialog open on a change not yet confirmed: only
        // the list's key is stored.
        store.values["Settings/lstWordSource"] = "5";
        options->live(host).setWordSourceIndex(5);
        options->live(host).setChkLength(1);
        options->keepLoadedWordSource(host);
        QCOMPARE(store.values["Settings/lstWordSource"], "1");
        QCOMPARE(store.values["Settings/chkLength"], "0");
    }

    void parsesOnlyWhatTheProgramWrites_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("ok");
        QTest::newRow("zero") << "0" << 0 << true;
        QTest::newRow("negative") << "-1" << -1 << true;
        QTest::newRow("16-bit max") << "32767" << 32767 << true;
        QTest::newRow("16-bit min") << "-32768" << -32768 << true;
        QTest::newRow("over max") << "32768" << 0 << false;
        QTest::newRow("plus sign") << "+1" << 0 << false;
        QTest::newRow("lone minus") << "-" << 0 << false;
        QTest::newRow("decimal point") << "1.0" << 0 << false;
    }
    void parsesOnlyWhatTheProgramWrites()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(bool, ok);
        const std::optional<int> parsed = parseInteger(text);
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed, value);
    }

    void optionsSavedToTheFileLoadBackTheSame()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Gibbetry/Gibbetry.conf");
        {
            IniSettingsStore file(path);
            Options first(file, messages);
            first.Form_Load(host);
            first.live(host).setOptGuessManual(true);
            first.live(host).setComGuessIndex(4);
            first.cmdDone_Click(host);
        }
        QVERIFY(messages.shown.isEmpty());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QVERIFY(text.startsWith("[Settings]\n"));
        QVERIFY(text.contains("optGuessManual=True\n"));
        QVERIFY(text.contains("comGuessLI=4\n"));

        IniSettingsStore again(path);
        Options second(again, messages);
        second.Form_Load(host);
        QVERIFY(second.live(host).optGuessManual());
        QCOMPARE(second.live(host).comGuessText(), "5");
    }

    void aSaveThatFailsSaysWhy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Gibbetry.conf");
        QVERIFY(QDir(dir.path()).mkdir("Gibbetry.conf")); // a folder where the file should be
        IniSettingsStore file(path);
        file.write("Settings", "chkHint", "0");
        const std::optional<SettingsStore::Report> failure = file.commit();
        QVERIFY(failure && !failure->saved);
        QVERIFY2(failure->text.contains("is a folder"), qPrintable(failure->text));
        QCOMPARE(file.read("Settings", "chkHint", "d"), "d");
    }

    void aListIndexThatIsNoNumberTakesTheDefault()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Gibbetry.conf");
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("[Settings]\nlstWordSource=3, 4\ncomGuessLI=3\n");
        raw.close();
        IniSettingsStore file(path);
        Options loaded(file, messages);
        loaded.Form_Load(host);
        QCOMPARE(loaded.live(host).wordSourceIndex(), 1);
        QCOMPARE(loaded.live(host).comGuessIndex(), 3);
    }
};

QTEST_GUILESS_MAIN(OptionsTest)
#include "test_options.moc"
