// Borders at the scale factor this run was started with (QT_SCALE_FACTOR): each exactly one device
// pixel wide on every side, and neighbouring word slots sharing one unbroken line; the windows'
// captions whole under each widget style, in English and in each language the game speaks.
#include "about/about_box.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "game_rig.h"
#include "options/view/options_dialog.h"
#include "platform/fonts.h"
#include "platform/text_fit.h"
#include "platform/translations.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QTest>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

bool isBorder(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::black);
}

// The black runs met on a straight walk from `from`, one step of `step` at a time, `count` steps.
QList<int> blackRuns(const QImage &image, QPoint from, QPoint step, int count)
{
    QList<int> runs;
    int run = 0;
    for (int i = 0; i < count; ++i, from += step) {
        if (isBorder(image, from.x(), from.y())) {
            ++run;
        } else if (run) {
            runs << run;
            run = 0;
        }
    }
    if (run)
        runs << run;
    return runs;
}

// A label's text drawn whole in `font`: on one line, or broken at its spaces within the label.
bool labelHolds(const QLabel &label, const QFont &font)
{
    const QFontMetrics metrics(font);
    const QRect room = label.contentsRect();
    const auto *painted = qobject_cast<const PaintedLabel *>(&label);
    return metrics.horizontalAdvance(label.text()) <= room.width() ||
           ((label.wordWrap() || (painted && painted->isWrapped())) &&
            room.contains(metrics.boundingRect(room, Qt::TextWordWrap, label.text())));
}

// The captions among `controls` that are not drawn whole in a legible size.
QStringList unfitCaptions(const QList<QWidget *> &controls)
{
    QStringList unfit;
    for (QWidget *control : controls) {
        const auto *label = qobject_cast<QLabel *>(control);
        const auto *painted = qobject_cast<PaintedLabel *>(control);
        if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QGroupBox *>(control) &&
            !(label && !label->text().isEmpty()))
            continue;
        const QString name = label ? label->text()
                                   : control->property("text").toString() +
                                         control->property("title").toString();
        const QFont drawn = painted ? painted->drawnFont() : control->font();
        if (!(label ? labelHolds(*label, drawn) : captionFits(*control)) ||
            drawn.pointSizeF() < minimumLegiblePoints)
            unfit << name;
    }
    return unfit;
}

const char *const languages[] = {"de", "fr", "es", "it", "pt_BR", "nl", "pl",
                                 "ru", "uk", "ja", "zh_CN", "ar"};

} // namespace

class ScalingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFonts(); }

    void bordersAreOneDevicePixel()
    {
        GameRig rig("gallows\r\n");
        MainWindow window(rig.game, rig.options);
        rig.game.Form_Load();
        window.showCentred();
        rig.start();
        const QImage shot = window.grab().toImage();
        const qreal dpr = window.devicePixelRatioF();
        QCOMPARE(dpr, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        const auto device = [&](const QWidget *w) {
            const QRectF r(w->mapTo(&window, QPoint(0, 0)), w->size());
            return QRectF(r.topLeft() * dpr, r.size() * dpr);
        };
        // Through the middle of each tile and status field, across and down: one border each side
        // (the runs between them are the caption's letters).
        QList<QWidget *> boxes;
        for (int i = 0; i < Board::letterCount; ++i)
            boxes << window.letterTile(i);
        for (int i = 1; i <= 4; ++i)
            boxes << window.label({Element::status, i});
        for (QWidget *box : boxes) {
            const QRectF r = device(box);
            const QPoint c = r.center().toPoint();
            const int across = int(r.width()) + 6, down = int(r.height()) + 6;
            for (const QList<int> &runs :
                 {blackRuns(shot, QPoint(int(r.left()) - 3, c.y()), {1, 0}, across),
                  blackRuns(shot, QPoint(c.x(), int(r.top()) - 3), {0, 1}, down)}) {
                QVERIFY(runs.size() >= 2);
                QCOMPARE(runs.first(), 1);
                QCOMPARE(runs.last(), 1);
            }
        }
        // The word's seven slots: eight vertical lines one pixel wide, and top and bottom lines
        // unbroken from the first slot's left edge to the last one's right edge.
        const QRectF first = device(window.wordSlot(0));
        const QRectF last = device(window.wordSlot(6));
        const int middle = int(first.center().y());
        const int left = int(first.left()) - 2, width = int(last.right() - first.left()) + 4;
        QCOMPARE(blackRuns(shot, QPoint(left, middle), {1, 0}, width), QList<int>(8, 1));
        int top = -1, bottom = -1;
        for (int y = int(first.top()) - 2; y <= int(first.bottom()) + 2; ++y)
            if (isBorder(shot, int(first.center().x()), y))
                (top < 0 ? top : bottom) = y;
        QVERIFY(top >= 0 && bottom > top);
        for (int y : {top, bottom})
            QCOMPARE(blackRuns(shot, QPoint(left, y), {1, 0}, width).size(), 1);
        for (int x = left; x < left + width; ++x)
            if (isBorder(shot, x, middle))
                QCOMPARE(blackRuns(shot, QPoint(x, top), {0, 1}, bottom - top + 1),
                         QList<int>({bottom - top + 1}));
    }

    void dialogCaptionsAreWhole_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("language");
        for (const char *style : {"Fusion", "Windows", "Adwaita"})
            QTest::newRow(style) << QString::fromLatin1(style) << QString();
        for (const char *style : {"Fusion", "Adwaita"})
            for (const char *language : languages)
                QTest::addRow("%s %s", style, language)
                    << QString::fromLatin1(style) << QString::fromLatin1(language);
    }
    void dialogCaptionsAreWhole()
    {
        QFETCH(QString, style);
        QFETCH(QString, language);
        if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive))
            QSKIP("style not installed (adwaita-qt6)");
        QApplication::setStyle(QStyleFactory::create(style));
        const Translations spoken(language.isEmpty() ? QStringList() : QStringList{language});
        QCOMPARE(spoken.language(), language);
        spoken.install();
        QGuiApplication::setLayoutDirection(spoken.rightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        const auto ltr = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        GameRig rig;
        rig.game.Form_Load();
        OptionsDialog options(rig.options, rig.game);
        AboutBox about;
        for (QDialog *dialog : {static_cast<QDialog *>(&options), static_cast<QDialog *>(&about)}) {
            dialog->show();
            QCOMPARE(unfitCaptions(dialog->findChildren<QWidget *>()), QStringList());
        }
        // The game window's captions, a game in manual mode lost so that every one is shown.
        MainWindow window(rig.game, rig.options);
        window.show();
        rig.start(1);
        rig.guess("QZ");
        QList<QWidget *> board{window.newGameButton(),
                               window.label({Element::lblGameOver, 0})};
        for (int i = 1; i <= 4; ++i)
            board << window.label({Element::status, i});
        for (int i = 1; i <= 3; ++i)
            board << window.label({Element::lblG, i});
        // The status fields are one line high: a text too long for them even at 7 pt cannot wrap,
        // and its catalogue needs a shorter phrase.
        QCOMPARE(unfitCaptions(board), QStringList());
        QCOMPARE(window.label({Element::lblG, 2})->text(),
                 QCoreApplication::translate("Board", "Errors made"));
        const QListWidget *list = options.lstWordSource(); // whole rows, no half row at the foot
        QVERIFY(list->viewport()->height() % list->sizeHintForRow(0) <= list->sizeHintForRow(0) / 4);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
};

QTEST_MAIN(ScalingTest)
#include "test_scaling.moc"
