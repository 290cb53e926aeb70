#include "game/view/board_label.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace gibbetry {

BoardLabel::BoardLabel(QWidget *parent, bool bordered) : QLabel(parent), bordered_(bordered)
{
    setAutoFillBackground(true); // labels are opaque, in the window's background colour
    if (bordered_)
        setContentsMargins(1, 1, 1, 1);
}

void BoardLabel::setTextColour(Rgb colour)
{
    const QColor wanted = colour == colour::defaultText
                              ? QPalette().color(QPalette::WindowText)
                              : QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    if (palette().color(QPalette::WindowText) == wanted)
        return; // a palette change costs a re-polish
    QPalette p = palette();
    p.setColor(QPalette::WindowText, wanted);
    setPalette(p);
}

void BoardLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!bordered_)
        return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

LetterTile::LetterTile(QWidget *parent, int index) : BoardLabel(parent, true), index_(index) {}

void LetterTile::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void LetterTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(index_);
}

namespace {

class LetterTileAccessible final : public QAccessibleWidget {
public:
    explicit LetterTileAccessible(LetterTile *tile) : QAccessibleWidget(tile, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return tile()->text(); // what a sighted player reads
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        // A modal window blocks clicks on the board; it blocks this press too.
        if (name == pressAction() && !QApplication::activeModalWidget() && tile()->isEnabled())
            tile()->press();
    }

private:
    LetterTile *tile() const { return static_cast<LetterTile *>(widget()); }
};

QAccessibleInterface *letterTileFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(LetterTile::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LetterTileAccessible(static_cast<LetterTile *>(object));
    return nullptr;
}

} // namespace

void installLetterTileAccessibility()
{
    static const bool installed = (QAccessible::installFactory(letterTileFactory), true);
    Q_UNUSED(installed);
}

} // namespace gibbetry
