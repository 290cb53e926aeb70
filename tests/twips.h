#pragma once

#include <QRect>

// The layout's twips as the tests expect them on screen: 15 to the pixel.
inline QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}
