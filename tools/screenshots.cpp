// Renders the game's windows offscreen into PNG files for the README and for review:
//   build/tools/gibbetry-screenshots OUTPUT_DIR
// The secret word and the store are fixed, so the pictures are the same at every run.
#include "about/about_box.h"
#include "game_rig.h"
#include "theme_palette.h"
#include "options/view/options_dialog.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "platform/fonts.h"
#include "platform/qt_message_box.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

struct Scene : GameRig {
    MainWindow window{game, options};

    explicit Scene(const QByteArray &words, int manualAllowed = 0) : GameRig(words)
    {
        game.Form_Load();
        game.Timer1_Timer();
        window.showCentred();
        start(manualAllowed);
    }
    void click(const char *letters)
    {
        for (const char *c = letters; *c; ++c)
            QTest::mouseClick(window.letterTile(*c - 'A'), Qt::LeftButton);
    }
    void save(const QString &dir, const QString &name) { window.grab().save(QDir(dir).filePath(name)); }
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
    newGame.click("AEZ");
    newGame.save(dir, QStringLiteral("new-game.png"));

    Scene won("gallows\r\n");
    won.click("EITGALOWS");
    won.save(dir, QStringLiteral("won.png"));
    if (!won.messages.shown.isEmpty()) {
        auto box = QtMessageBox::create(MessageBox::Icon::Information, won.messages.shown.last(),
                                        nullptr);
        box->show();
        box->grab().save(QDir(dir).filePath(QStringLiteral("won-message.png")));
    }

    Scene lostDrawing("scaffold\r\n");
    lostDrawing.click("SEBGHIJKMNPQRTU");
    lostDrawing.save(dir, QStringLiteral("lost-drawing.png"));

    Scene lostManual("gibbet\r\n", 5);
    lostManual.click("GAEOUYZ");
    lostManual.save(dir, QStringLiteral("lost-manual.png"));
    Scene options("gibbet\r\n", 5);
    {
        OptionsDialog dialog(options.options, options.game);
        dialog.show();
        dialog.grab().save(QDir(dir).filePath(QStringLiteral("options.png")));
    }
    AboutBox about;
    about.show();
    about.grab().save(QDir(dir).filePath(QStringLiteral("about.png")));

    // A game in play on a dark desktop (Breeze Dark's colours) and a black high-contrast one.
    const std::pair<const char *, QPalette> themes[] = {
        {"dark-theme.png", darkPalette()}, {"high-contrast.png", highContrastBlackPalette()}};
    for (const auto &[name, palette] : themes) {
        QApplication::setPalette(palette);
        Scene themed("hangman\r\n");
        themed.click("AEZNQ");
        themed.save(dir, QString::fromLatin1(name));
    }
    return 0;
}
