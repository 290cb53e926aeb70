#pragma once

#include <QColor>

namespace gibbetry {

// WCAG 2.1 relative luminance (0 black to 1 white) and contrast ratio (1 to 21).
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// The least contrast a text in the default colour needs, and a coloured mark (letters of 18 and
// 24 points are large text), a border or a line.
inline constexpr double textContrast = 4.5;
inline constexpr double markContrast = 3.0;

// `wanted` where it reaches `least` on `ground`; else the nearest shade of the same hue that
// does: lighter on a dark ground, darker on a light one. White or black when no shade does.
QColor readableShade(const QColor &wanted, const QColor &ground, double least);

} // namespace gibbetry
