#include "game/view/board_label.h"

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
    QPalette p = palette();
    p.setColor(QPalette::WindowText,
               colour == colour::defaultText
                   ? QPalette().color(QPalette::WindowText)
                   : QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
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

} // namespace gibbetry
