#pragma once

#include <QColor>

namespace gibbetry {

// The design's colour numbers (red in the low byte, as the board model keeps them) to and from
// Qt's colours.
inline QColor toQColor(int rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
inline int toRgb(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace gibbetry
