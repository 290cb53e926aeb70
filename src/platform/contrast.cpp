#include "platform/contrast.h"

#include <algorithm>
#include <cmath>

namespace gibbetry {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// `colour` moved `share` (0 to 1) of the way to `towards`: the hue stays, the lightness changes.
QColor mixed(const QColor &colour, const QColor &towards, double share)
{
    auto mix = [&](int from, int to) { return int(std::lround(from + (to - from) * share)); };
    return QColor(mix(colour.red(), towards.red()), mix(colour.green(), towards.green()),
                  mix(colour.blue(), towards.blue()));
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableShade(const QColor &wanted, const QColor &ground, double least)
{
    if (contrastRatio(wanted, ground) >= least)
        return wanted.toRgb();
    // A ground that black stands out on more than white is a light one.
    const QColor towards = contrastRatio(Qt::black, ground) >= contrastRatio(Qt::white, ground)
                               ? QColor(Qt::black)
                               : QColor(Qt::white);
    for (int step = 1; step <= 100; ++step) {
        const QColor shade = mixed(wanted.toRgb(), towards, step / 100.0);
        if (contrastRatio(shade, ground) >= least)
            return shade;
    }
    return towards;
}

} // namespace gibbetry
