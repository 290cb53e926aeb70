// What the player sees on light, dark and high-contrast desktops and under a user style sheet:
// the contrast of every mark, measured from rendered pixels, and the clock's fit in its box.
#include "about/about_box.h"
#include "game/view/board_colours.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "game_rig.h"
#include "theme_palette.h"
#include "platform/contrast.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QHash>
#include <QStyle>
#include <QTest>

#include <map>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

enum class Theme { Light, Dark, HighContrastBlack, HighContrastWhite, DarkStyleSheet };

QPalette paletteOf(Theme theme)
{
    switch (theme) {
    case Theme::Dark: return darkPalette();
    case Theme::HighContrastBlack: return highContrastBlackPalette();
    case Theme::HighContrastWhite: return themePalette(Qt::white, Qt::black, Qt::white);
    case Theme::Light:
    case Theme::DarkStyleSheet: break;
    }
    return QApplication::style()->standardPalette();
}

void applyTheme(Theme theme)
{
    QApplication::setPalette(paletteOf(theme));
    qApp->setStyleSheet(theme == Theme::DarkStyleSheet
                            ? QStringLiteral("QWidget{background-color:#202020;color:#e0e0e0}")
                            : QString());
}

// The ground of a region is its commonest colour; its mark is the pixel that stands out most.
double standOut(const QImage &image, const QRect &region)
{
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(ground, most) = std::pair(it.key(), it.value());
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrastRatio(QColor(it.key()), QColor(ground)));
    return best;
}

// A border's contrast: its pixel against the commonest colour just inside it.
double edgeContrast(const QImage &image, const QRect &widget)
{
    QHash<QRgb, int> counts;
    for (int y = widget.top() + 1; y < widget.bottom(); ++y)
        ++counts[image.pixel(widget.left() + 1, y)];
    const QRgb ground = std::max_element(counts.keyBegin(), counts.keyEnd(), [&](QRgb a, QRgb b) {
        return counts[a] < counts[b];
    }).operator*();
    return contrastRatio(image.pixelColor(widget.left(), widget.center().y()), QColor(ground));
}

QRect inside(const QWidget *w)
{
    return w->geometry().adjusted(2, 2, -2, -2);
}

// Every mark's contrast under one theme, from two games: one lost in drawing mode, one in play
// in manual mode; and the About box.
std::map<QString, double> measure(Theme theme)
{
    applyTheme(theme);
    std::map<QString, double> out;
    {
        GameRig rig("gallows\r\n");
        MainWindow window(rig.game, rig.options);
        rig.game.Form_Load();
        window.showCentred();
        rig.start();
        rig.guess("GBCDEFHIJKMN");
        rig.guess('P'); // the twelfth miss
        const QImage shot = window.clientArea()->grab().toImage();
        const auto tile = [&](char c) { return window.letterTile(c - 'A'); };
        out["unused letter"] = standOut(shot, inside(tile('Q')));
        out["hit letter"] = standOut(shot, inside(tile('G')));
        out["miss letter"] = standOut(shot, inside(tile('B')));
        out["revealed letter"] = standOut(shot, inside(window.wordSlot(0)));
        out["blue of a loss"] = standOut(shot, inside(window.wordSlot(1)));
        out["tile border"] = edgeContrast(shot, tile('Q')->geometry());
        out["slot border"] = edgeContrast(shot, window.wordSlot(0)->geometry());
        out["status border"] = edgeContrast(shot, window.label({Element::status, 2})->geometry());
        out["status text"] = standOut(shot, inside(window.label({Element::status, 2})));
        out["figure line"] = standOut(shot, QRect(650, 290, 100, 10)); // the gallows base
        out["GAME OVER"] = standOut(shot, inside(window.label({Element::lblGameOver})));
    }
    {
        GameRig rig("gallows\r\n");
        MainWindow window(rig.game, rig.options);
        rig.game.Form_Load();
        window.showCentred();
        rig.start(5);
        rig.guess("BC");
        const QImage shot = window.clientArea()->grab().toImage();
        out["counter caption"] = standOut(shot, inside(window.label({Element::lblG, 1})));
        out["counter value"] = standOut(shot, inside(window.label({Element::lblGG, 2})));
        out["counter frame"] = standOut(shot, QRect(700, 60, 40, 9)); // its top edge
    }
    {
        AboutBox about;
        about.show();
        const QImage shot = about.grab().toImage();
        out["About title"] = standOut(shot, inside(about.lblTitle()));
        out["About version"] = standOut(shot, inside(about.lblVersion()));
        out["About website"] = standOut(shot, inside(about.lblWebsite()));
    }
    applyTheme(Theme::Light);
    return out;
}

const char *const kTextMarks[] = {"unused letter", "revealed letter", "status text", "GAME OVER",
                                  "counter caption", "counter value", "About title",
                                  "About version", "About website"};

} // namespace

class ThemesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFonts(); }

    void everyMarkReads_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<double>("least");
        const std::pair<Theme, const char *> themes[] = {
            {Theme::Light, "light"}, {Theme::Dark, "dark"},
            {Theme::HighContrastBlack, "high contrast black"},
            {Theme::HighContrastWhite, "high contrast white"},
            {Theme::DarkStyleSheet, "dark style sheet"}};
        const char *const marks[] = {
            "unused letter", "hit letter", "miss letter", "revealed letter", "blue of a loss",
            "tile border", "slot border", "status border", "status text", "figure line",
            "GAME OVER", "counter caption", "counter value", "counter frame", "About title",
            "About version", "About website"};
        for (const auto &[theme, themeName] : themes)
            for (const char *mark : marks) {
                const bool text = std::find_if(std::begin(kTextMarks), std::end(kTextMarks),
                                               [&](const char *t) { return qstrcmp(t, mark) == 0; })
                                  != std::end(kTextMarks);
                QTest::addRow("%s: %s", themeName, mark)
                    << int(theme) << QString::fromLatin1(mark) << (text ? textContrast : markContrast);
            }
    }
    void everyMarkReads()
    {
        QFETCH(int, theme);
        QFETCH(QString, mark);
        QFETCH(double, least);
        static std::map<int, std::map<QString, double>> measured;
        if (!measured.count(theme))
            measured[theme] = measure(Theme(theme));
        const double contrast = measured[theme].at(mark);
        qInfo("%s %.2f", qPrintable(mark), contrast);
        QVERIFY2(contrast >= least, qPrintable(QString::number(contrast, 'f', 2)));
    }

    // The board and the About box stand on the theme's window colour, also when the theme
    // changes under a running game; the light default stays light grey and black.
    void theBoardStandsOnTheThemesWindow_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QColor>("window");
        QTest::newRow("light") << int(Theme::Light) << QColor(0xefefef);
        QTest::newRow("dark") << int(Theme::Dark) << QColor(0x31363b);
        QTest::newRow("high contrast black") << int(Theme::HighContrastBlack) << QColor(Qt::black);
        QTest::newRow("high contrast white") << int(Theme::HighContrastWhite) << QColor(Qt::white);
        QTest::newRow("dark style sheet") << int(Theme::DarkStyleSheet) << QColor(0x202020);
    }
    void theBoardStandsOnTheThemesWindow()
    {
        QFETCH(int, theme);
        QFETCH(QColor, window);
        GameRig rig;
        MainWindow main(rig.game, rig.options);
        applyTheme(Theme(theme));
        QApplication::processEvents();
        QCOMPARE(main.boardColours().background, window);
        QCOMPARE(main.letterTile(0)->groundColour(), window);
        QCOMPARE(main.clientArea()->grab().toImage().pixelColor(5, 150), window);
        if (Theme(theme) == Theme::Light)
            QCOMPARE(main.boardColours().ink, QColor(Qt::black));
        AboutBox about(&main);
        about.show();
        QCOMPARE(about.lblTitle()->groundColour(), window);
        QCOMPARE(about.grab().toImage().pixelColor(about.lblTitle()->geometry().topLeft()), window);
        applyTheme(Theme::Light);
    }

    // The clock never spills out of its box nor drops below a legible size: a long AM/PM word is
    // drawn smaller, and where it would need less than that, the locale's own short time shows.
    void theClockFitsItsBox_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown"); // at 17:04, where the locale's text is checked
        QTest::newRow("en_US") << "en_US" << "05:04 PM";
        QTest::newRow("bg_BG") << "bg_BG" << QString::fromUtf8("05:04 сл.об.");
        for (const char *name : {"he_IL", "fa_IR", "my_MM", "am_ET", "kn_IN"})
            QTest::newRow(name) << QString::fromLatin1(name) << QString();
        QTest::newRow("th_TH: short form") << "th_TH" << "17:04";
        QTest::newRow("ta_IN: 24-hour") << "ta_IN" << "17:04";
    }
    void theClockFitsItsBox()
    {
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        GameRig rig; // its fakes, for a game in this locale
        Game game(rig.options, {rig.files, rig.random, rig.messages, rig.busy, rig.clock,
                   rig.worker},
                  {QByteArray("/data")}, QLocale(locale));
        MainWindow window(game, rig.options);
        window.showCentred();
        game.Timer1_Timer();
        auto *status1 = window.label({Element::status, 1});
        const QString text = status1->text();
        if (!shown.isEmpty())
            QCOMPARE(text, shown);
        const QFont drawn = status1->drawnFont();
        QCOMPARE(drawn.family(), status1->font().family());
        QVERIFY(drawn.pointSizeF() >= 7.0);
        QVERIFY(QFontMetrics(drawn).horizontalAdvance(text) <= status1->contentsRect().width());
        if (QFontMetrics(status1->font()).horizontalAdvance(text) <= status1->contentsRect().width())
            QCOMPARE(drawn.pointSizeF(), status1->font().pointSizeF()); // no shrinking when it fits
        // Nothing is drawn over the border: its columns stay the border colour.
        const QImage shot = status1->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            QCOMPARE(shot.pixelColor(shot.width() - 1, y), QColor(Qt::black));
    }
};

QTEST_MAIN(ThemesTest)
#include "test_themes.moc"
