// Renders the game's windows offscreen into PNG files for the README and for review:
//   build/tools/gibbetry-screenshots OUTPUT_DIR
// The secret word and the store are fixed, so the pictures are the same at every run.
#include "fakes.h"
#include "game/game.h"
#include "game/view/main_window.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

struct Scene {
    FakeStore store;
    FakeFiles files;
    ScriptedRandom random;
    RecordingMessages messages;
    CountingBusy busy;
    Options options{store, messages};
    Game game{options, {files, random, messages, busy}, {QStringLiteral("/data")}};
    MainWindow window{game};

    explicit Scene(const QByteArray &words)
    {
        files.put(QStringLiteral("/data/Ogden's Basic English Words.txt"), words);
        game.Form_Load();
        window.showCentred();
    }
    void save(const QString &dir, const QString &name)
    {
        window.grab().save(QDir(dir).filePath(name));
    }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFonts();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    Scene newGame("hangman\r\n");
    QTest::mouseClick(newGame.window.newGameButton(), Qt::LeftButton);
    newGame.save(dir, QStringLiteral("new-game.png"));
    return 0;
}
