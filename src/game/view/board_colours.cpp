#include "game/view/board_colours.h"

#include "platform/colours.h"
#include "platform/contrast.h"

#include <QPalette>

namespace gibbetry {

BoardColours boardColours(const QPalette &palette)
{
    const QColor ground = palette.color(QPalette::Window);
    const QColor ink = readableShade(palette.color(QPalette::WindowText), ground, textContrast);
    return {ground, ink, ink};
}

QColor drawnColour(Rgb wanted, const BoardColours &colours)
{
    if (wanted == colour::defaultText || wanted == colour::black)
        return colours.ink;
    return readableShade(toQColor(wanted), colours.background, markContrast);
}

} // namespace gibbetry
