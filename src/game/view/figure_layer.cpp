#include "game/view/figure_layer.h"

#include "platform/window.h"

#include <QPainter>

namespace gibbetry {

namespace {

struct Part {
    enum Kind { Line, Ellipse } kind;
    double a, b, c, d; // a line's two ends, or a shape's left, top, width, height, in twips
};

// draw1 to draw19.
constexpr Part parts[Board::figurePartCount] = {
    {Part::Line, 12120, 4440, 9360, 4440},   // gallows base
    {Part::Line, 12120, 360, 12120, 4440},   // upright
    {Part::Line, 10380, 360, 12120, 360},    // beam
    {Part::Line, 11640, 360, 12120, 840},    // brace
    {Part::Line, 10380, 840, 10380, 360},    // rope
    {Part::Ellipse, 9840, 840, 1095, 1095},  // head
    {Part::Ellipse, 10080, 1080, 255, 255},  // left eye, open
    {Part::Ellipse, 10440, 1080, 255, 255},  // right eye, open
    {Part::Line, 10380, 1320, 10280, 1550},  // nose, slanting
    {Part::Line, 10280, 1550, 10440, 1550},  // nose, bottom
    {Part::Ellipse, 10080, 1680, 615, 135},  // mouth, open
    {Part::Line, 10380, 1920, 10380, 3240},  // body
    {Part::Line, 10380, 2160, 9480, 2640},   // arm on the left
    {Part::Line, 11280, 2640, 10380, 2160},  // arm on the right
    {Part::Line, 10380, 3240, 9720, 4080},   // leg on the left
    {Part::Line, 10380, 3240, 11040, 4080},  // leg on the right
    {Part::Line, 10080, 1200, 10320, 1200},  // left eye, closed
    {Part::Line, 10440, 1200, 10680, 1200},  // right eye, closed
    {Part::Line, 10080, 1740, 10680, 1740},  // mouth, closed
};

QPointF px(double x, double y)
{
    return {x / twipsPerPixel, y / twipsPerPixel};
}

QRectF pxRect(double left, double top, double width, double height)
{
    // An outline of w x h pixels covers w - 1 pixels from its first to its last column.
    return {left / twipsPerPixel + 0.5, top / twipsPerPixel + 0.5, width / twipsPerPixel - 1,
            height / twipsPerPixel - 1};
}

} // namespace

FigureLayer::FigureLayer(QWidget *parent, const Board &board, const BoardColours &colours)
    : QWidget(parent), board_(board), colours_(colours)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FigureLayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colours_.background);
    painter.setPen(QPen(colours_.ink, 1));
    painter.setBrush(Qt::NoBrush);
    if (board_.isVisible({Element::shapeGuess}))
        painter.drawRoundedRect(pxRect(8640, 960, 4215, 2775), 12, 12);
    for (int i = 0; i < Board::figurePartCount; ++i) {
        if (!board_.isVisible({Element::draw, i + 1}))
            continue;
        const Part &part = parts[i];
        if (part.kind == Part::Line) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.drawLine(px(part.a, part.b) + QPointF(0.5, 0.5),
                             px(part.c, part.d) + QPointF(0.5, 0.5));
        } else {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.drawEllipse(pxRect(part.a, part.b, part.c, part.d));
        }
    }
}

} // namespace gibbetry
