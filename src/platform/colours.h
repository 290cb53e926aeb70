#pragma once

#include <QColor>

namespace gibbetry {

// A colour integer of the board model (24-bit RGB, red in the low byte) as Qt's colour.
inline QColor toQColor(int rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

} // namespace gibbetry
