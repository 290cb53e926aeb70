#include "platform/painted_label.h"

#include <QPainter>

#include <cmath>

namespace gibbetry {

PaintedLabel::PaintedLabel(QWidget *parent, bool bordered) : QLabel(parent), bordered_(bordered)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (bordered_)
        setContentsMargins(1, 1, 1, 1);
}

void PaintedLabel::setColours(const QColor &ground, const QColor &text, const QColor &border)
{
    if (ground == ground_ && text == text_ && border == border_)
        return;
    ground_ = ground;
    text_ = text;
    border_ = border;
    update();
}

QFont PaintedLabel::drawnFont() const
{
    QFont drawn = font();
    if (!shrinkToFit_)
        return drawn;
    const int room = contentsRect().width();
    while (QFontMetrics(drawn).horizontalAdvance(text()) > room && drawn.pointSizeF() > 1.0)
        drawn.setPointSizeF(drawn.pointSizeF() - 0.25);
    return drawn;
}

void PaintedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ground_);
    if (!text().isEmpty()) {
        painter.setPen(text_);
        painter.setFont(drawnFont());
        painter.drawText(contentsRect(), int(alignment()), text());
    }
    if (bordered_)
        paintDeviceOutline(painter, *this, border_);
}

void paintDeviceOutline(QPainter &painter, const QWidget &widget, const QColor &colour)
{
    // In device pixels: the widget's logical edges scaled and rounded, one pixel inside each.
    const QTransform toDevice = painter.deviceTransform();
    const QPointF topLeft = toDevice.map(QPointF(0, 0));
    const QPointF bottomRight = toDevice.map(QPointF(widget.width(), widget.height()));
    const int left = int(std::lround(topLeft.x()));
    const int top = int(std::lround(topLeft.y()));
    const int right = int(std::lround(bottomRight.x())) - 1;
    const int bottom = int(std::lround(bottomRight.y())) - 1;
    painter.save();
    painter.setWorldTransform(toDevice.inverted());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRect(left, top, right - left + 1, 1));
    painter.drawRect(QRect(left, bottom, right - left + 1, 1));
    painter.drawRect(QRect(left, top, 1, bottom - top + 1));
    painter.drawRect(QRect(right, top, 1, bottom - top + 1));
    painter.restore();
}

} // namespace gibbetry
