// What the player sees on light, dark and high-contrast desktops and under a user style sheet:
// the contrast of every mark, measured from rendered pixels, and the clock's fit in its box.
#include "about/about_box.h"
#include "game/board_colours.h"
#include "game/clock_text.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "game_rig.h"
#include "theme_palette.h"
#include "platform/colours.h"
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
        best = std::max(best, contrastRatio(toRgb(QColor(it.key())), toRgb(QColor(ground))));
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
    return contrastRatio(toRgb(image.pixelColor(widget.left(), widget.center().y())),
                         toRgb(QColor(ground)));
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
                    << int(theme) << QString::fromLatin1(mark) << (text ? textContrast : gibbetry::markContrast);
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

    void aDarkThemeKeepsTheDesignColoursOnALightBoard()
    {
        applyTheme(Theme::Dark);
        GameRig rig;
        MainWindow window(rig.game, rig.options);
        QCOMPARE(window.boardColours().background, standardWindow);
        QCOMPARE(window.boardColours().ink, colour::black);
        applyTheme(Theme::Light);
        QApplication::processEvents();
        // A theme change while the game runs recolours the board it shows.
        QCOMPARE(window.boardColours().background, standardWindow);
        applyTheme(Theme::HighContrastWhite);
        QApplication::processEvents();
        QCOMPARE(window.boardColours().background, rgb(255, 255, 255));
        QCOMPARE(window.letterTile(0)->groundColour(), QColor(Qt::white));
        applyTheme(Theme::Light);
    }

    // The clock never spills out of its box: a long AM/PM word is drawn in a smaller size.
    void theClockFitsItsBox_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *name : {"en_US", "bg_BG", "he_IL", "fa_IR", "my_MM", "am_ET", "th_TH",
                                 "ta_IN", "kn_IN"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void theClockFitsItsBox()
    {
        QFETCH(QString, locale);
        GameRig rig;
        MainWindow window(rig.game, rig.options);
        window.showCentred();
        auto *status1 = window.label({Element::status, 1});
        const QString text = mediumTimeText(QTime(23, 59), QLocale(locale));
        status1->setText(text);
        const QFont drawn = status1->drawnFont();
        QCOMPARE(drawn.family(), status1->font().family());
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
