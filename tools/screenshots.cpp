// Renders the game's windows offscreen into PNG files for the README and for review:
//   build/tools/gibbetry-screenshots OUTPUT_DIR
// or, with --languages, one contact sheet per window showing it in English and in each language
// the game speaks: OUTPUT_DIR/languages-main.png, languages-options.png, languages-about.png.
// The secret word and the store are fixed, so the pictures are the same at every run.
#include "about/about_box.h"
#include "game_rig.h"
#include "theme_palette.h"
#include "options/view/options_dialog.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "platform/fonts.h"
#include "platform/qt_message_box.h"
#include "platform/translations.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QStyleFactory>
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

// What a player with deuteranopia sees (Machado, Oliveira and Fernandes 2009, severity 1), or
// the picture in greys.
QImage deuteranopia(QImage image)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            auto channel = [&](double r, double g, double b) {
                return qBound(0, int(r * c.red() + g * c.green() + b * c.blue() + 0.5), 255);
            };
            image.setPixelColor(x, y, QColor(channel(0.367322, 0.860646, -0.227968),
                                             channel(0.280085, 0.672501, 0.047413),
                                             channel(-0.011820, 0.042940, 0.968881)));
        }
    return image;
}

// The pictures side by side, as many to a row as fit in 2000 pixels, each under its label.
QImage contactSheet(const QList<std::pair<QString, QImage>> &pictures)
{
    const int gap = 8, caption = 14;
    QSize cell;
    for (const auto &[label, picture] : pictures)
        cell = cell.expandedTo(picture.size() + QSize(gap, gap + caption));
    const int columns = std::max(1, 2000 / cell.width());
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet(columns * cell.width() + gap, rows * cell.height() + gap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    painter.setFont(small);
    for (int i = 0; i < int(pictures.size()); ++i) {
        const QPoint at(gap + i % columns * cell.width(), gap + i / columns * cell.height());
        painter.drawText(QRect(at, QSize(cell.width(), caption)), Qt::AlignLeft | Qt::AlignTop,
                         pictures[i].first);
        painter.drawImage(at + QPoint(0, caption), pictures[i].second);
    }
    return sheet;
}

// The game window (a game in play), Options and About in English and in every language.
void languageSheets(const QString &dir)
{
    QList<std::pair<QString, QImage>> main, options, about;
    for (const QString &language : {QString(), QStringLiteral("de"), QStringLiteral("fr"),
                                    QStringLiteral("es"), QStringLiteral("it"),
                                    QStringLiteral("pt_BR"), QStringLiteral("nl"),
                                    QStringLiteral("pl"), QStringLiteral("ru"), QStringLiteral("uk"),
                                    QStringLiteral("ja"), QStringLiteral("zh_CN"),
                                    QStringLiteral("ar")}) {
        const Translations translations(language.isEmpty() ? QStringList() : QStringList{language});
        translations.install();
        QGuiApplication::setLayoutDirection(translations.rightToLeft() ? Qt::RightToLeft
                                                                       : Qt::LeftToRight);
        const QString label = language.isEmpty() ? QStringLiteral("en") : language;
        Scene scene("hangman\r\n", 5);
        scene.game.Timer1_Timer();
        scene.click("AEZQ");
        main << std::pair(label, scene.window.grab().toImage());
        OptionsDialog dialog(scene.options, scene.game);
        dialog.show();
        options << std::pair(label, dialog.grab().toImage());
        AboutBox box;
        box.show();
        about << std::pair(label, box.grab().toImage());
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    contactSheet(main).save(QDir(dir).filePath(QStringLiteral("languages-main.png")));
    contactSheet(options).save(QDir(dir).filePath(QStringLiteral("languages-options.png")));
    contactSheet(about).save(QDir(dir).filePath(QStringLiteral("languages-about.png")));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFonts();
    const bool languages = argc > 1 && QByteArray(argv[1]) == "--languages";
    const QString dir = argc > 1 + int(languages) ? QString::fromLocal8Bit(argv[1 + int(languages)])
                                                  : QStringLiteral(".");
    QDir().mkpath(dir);
    if (languages) {
        languageSheets(dir);
        return 0;
    }

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
    // Hits and misses told apart without colour: the misses are struck through.
    const QImage lost = lostDrawing.window.grab().toImage();
    deuteranopia(lost).save(QDir(dir).filePath(QStringLiteral("lost-deuteranopia.png")));
    lost.convertToFormat(QImage::Format_Grayscale8)
        .save(QDir(dir).filePath(QStringLiteral("lost-greyscale.png")));

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
    // Under a style that gives the captions less room than the layout's: they are drawn smaller.
    if (QStyle *adwaita = QStyleFactory::create(QStringLiteral("Adwaita"))) {
        QApplication::setStyle(adwaita);
        Scene styled("gibbet\r\n", 5);
        OptionsDialog dialog(styled.options, styled.game);
        dialog.show();
        QApplication::setActiveWindow(&dialog); // the style greys an inactive window's texts
        dialog.grab().save(QDir(dir).filePath(QStringLiteral("options-adwaita.png")));
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    // A game in play on a dark desktop (Breeze Dark's colours) and a black high-contrast one.
    const std::pair<const char *, QPalette> themes[] = {
        {"dark-theme.png", darkPalette()}, {"high-contrast.png", highContrastBlackPalette()}};
    for (const auto &[name, palette] : themes) {
        QApplication::setPalette(palette);
        Scene themed("hangman\r\n");
        themed.click("AEZNQ");
        themed.save(dir, QString::fromLatin1(name));
    }
    // A user style sheet (-stylesheet) that colours every window.
    QApplication::setPalette(QApplication::style()->standardPalette());
    qApp->setStyleSheet(QStringLiteral("QWidget { background-color: #1d2b3a; color: #dce6f0 }"));
    Scene sheet("scaffold\r\n");
    sheet.click("SEBGHIJKMNPQRTU");
    sheet.save(dir, QStringLiteral("style-sheet.png"));
    return 0;
}
