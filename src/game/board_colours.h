#pragma once

#include "game/board.h"

namespace gibbetry {

// How the board is coloured on a desktop theme. The board keeps the design's light ground and
// black lines wherever the theme's own colours let them read; on a dark or black theme it keeps
// a light ground of its own, so the design's marks read whatever the theme.
struct BoardColours {
    Rgb background; // the board's ground: tiles, slots, status fields, the figure's area
    Rgb ink;        // text in the default colour, and the figure's lines
    Rgb border;     // the single borders of tiles, slots and status fields
};

// WCAG 2.1 relative luminance (0 black to 1 white) and contrast ratio (1 to 21).
double relativeLuminance(Rgb colour);
double contrastRatio(Rgb a, Rgb b);

// The least contrast a default-coloured text needs, and a coloured mark (the red, green and blue
// letters, whose 18 and 24 point faces are large text) and a border or line needs.
inline constexpr double textContrast = 4.5;
inline constexpr double markContrast = 3.0;

// The ground and the ink of today's light desktops: Qt's standard window and text colours.
inline constexpr Rgb standardWindow = 0xEFEFEF;
inline constexpr Rgb standardText = colour::black;

// The board's colours under a theme whose window and window text colours are given.
BoardColours boardColours(Rgb themeWindow, Rgb themeText);

// The colour a text of `wanted` colour is drawn in on `ground`: the default colour becomes the
// ink; a design colour stays as it is when it reads at markContrast, else becomes the nearest
// shade of the same hue that does.
Rgb drawnColour(Rgb wanted, const BoardColours &colours);

// Packing of the design's colour numbers (red in the low byte).
constexpr Rgb rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
constexpr int redOf(Rgb colour) { return colour & 0xFF; }
constexpr int greenOf(Rgb colour) { return (colour >> 8) & 0xFF; }
constexpr int blueOf(Rgb colour) { return (colour >> 16) & 0xFF; }

} // namespace gibbetry
