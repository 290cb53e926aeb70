#pragma once

#include "platform/window.h"

#include <QRect>

// The layout's twips as the tests expect them on screen.
inline QRect twips(int left, int top, int width, int height)
{
    using gibbetry::twipsPerPixel;
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel};
}
