#include "platform/painted_label.h"

#include "platform/text_fit.h"

#include <QPainter>

#include <algorithm>
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

void PaintedLabel::setStruckThrough(bool struck)
{
    if (struck == struck_)
        return;
    struck_ = struck;
    update();
}

const PaintedLabel::Fit &PaintedLabel::fit() const
{
    const QRect room = contentsRect();
    if (fit_.known && fit_.text == text() && fit_.font == font() && fit_.room == room &&
        fit_.shrink == shrinkToFit_)
        return fit_;
    QFont drawn = font();
    if (shrinkToFit_)
        drawn = shrunkFont(font(), [&](const QFont &size) { return textFits(size, text(), room, true); });
    const bool wrapped = QFontMetrics(drawn).horizontalAdvance(text()) > room.width() &&
                         textFits(drawn, text(), room, true);
    fit_ = {true, text(), font(), room, shrinkToFit_, drawn, wrapped};
    return fit_;
}

QFont PaintedLabel::drawnFont() const
{
    return fit().drawn;
}

bool PaintedLabel::isWrapped() const
{
    return fit().wrapped;
}

bool PaintedLabel::fitsLegibly(const QString &text) const
{
    QFont smallest = font();
    if (shrinkToFit_)
        smallest.setPointSizeF(std::min(smallest.pointSizeF(), minimumLegiblePoints));
    return textFits(smallest, text, contentsRect(), shrinkToFit_);
}

void PaintedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ground_);
    if (!text().isEmpty()) {
        painter.setPen(text_);
        painter.setFont(drawnFont());
        painter.drawText(contentsRect(), int(alignment()) | (isWrapped() ? Qt::TextWordWrap : 0),
                         text());
    }
    if (struck_) {
        // Corner to corner, past the letter's ends, so that it is not taken for a Z's stroke.
        const QRectF box = contentsRect();
        const QPointF in(box.width() / 10, box.height() / 10);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(text_, std::max(2.0, box.height() / 14), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(box.bottomLeft() + QPointF(in.x(), -in.y()),
                         box.topRight() + QPointF(-in.x(), in.y()));
        painter.setRenderHint(QPainter::Antialiasing, false);
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
