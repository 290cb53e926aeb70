#include "game/board_colours.h"

#include <cmath>

namespace gibbetry {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Whether the design's black lines and red, green and blue marks can all stand on `ground`
// (green reaches it only as a darker shade; see drawnColour).
bool designReadsOn(Rgb ground)
{
    return contrastRatio(colour::black, ground) >= textContrast &&
           contrastRatio(colour::red, ground) >= markContrast &&
           contrastRatio(colour::blue, ground) >= markContrast;
}

Rgb scaled(Rgb colour, double factor, Rgb towards)
{
    auto mix = [&](int from, int to) { return int(std::lround(to + (from - to) * factor)); };
    return rgb(mix(redOf(colour), redOf(towards)), mix(greenOf(colour), greenOf(towards)),
               mix(blueOf(colour), blueOf(towards)));
}

} // namespace

double relativeLuminance(Rgb colour)
{
    return 0.2126 * linear(redOf(colour)) + 0.7152 * linear(greenOf(colour)) +
           0.0722 * linear(blueOf(colour));
}

double contrastRatio(Rgb a, Rgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

BoardColours boardColours(Rgb themeWindow, Rgb themeText)
{
    const Rgb ground = designReadsOn(themeWindow) ? themeWindow : standardWindow;
    const Rgb ink = contrastRatio(themeText, ground) >= textContrast ? themeText : standardText;
    return {ground, ink, colour::black};
}

Rgb drawnColour(Rgb wanted, const BoardColours &colours)
{
    if (wanted == colour::defaultText)
        return colours.ink;
    if (contrastRatio(wanted, colours.background) >= markContrast)
        return wanted;
    // Towards black on a light ground, towards white on a dark one: the first shade that reads.
    const Rgb towards =
        relativeLuminance(colours.background) > 0.18 ? colour::black : rgb(255, 255, 255);
    for (int step = 1; step <= 100; ++step) {
        const Rgb shade = scaled(wanted, 1.0 - step / 100.0, towards);
        if (contrastRatio(shade, colours.background) >= markContrast)
            return shade;
    }
    return towards;
}

} // namespace gibbetry
