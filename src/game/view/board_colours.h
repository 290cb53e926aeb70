#pragma once

#include "game/board.h"

#include <QColor>

class QPalette;

namespace gibbetry {

// How the board is drawn on a desktop theme: on the theme's window colour, with text, borders and
// the figure in the theme's text colour, and the coloured marks in the nearest shade of their own
// hue that reads on that ground.
struct BoardColours {
    QColor background; // the board's ground: tiles, slots, status fields, the figure's area
    QColor ink;        // text in the default colour, and the figure's lines
    QColor border;     // the single borders of tiles, slots and status fields
};

// The board's colours under a theme: `palette` as polished for the board, so that a style sheet's
// colours count as the theme's.
BoardColours boardColours(const QPalette &palette);

// The colour a text of `wanted` colour is drawn in on `colours.background`. The default colour
// and black (the light desktop's text colour) become the ink; red, green and blue stay as they
// are where they read at markContrast, else become the nearest shade of their hue that does.
QColor drawnColour(Rgb wanted, const BoardColours &colours);

// A letter in this colour is a miss: besides its colour, it is drawn struck through, so that it
// is told from a hit in greyscale and by colour-blind players.
inline bool isMiss(Rgb colour) { return colour == colour::red; }

} // namespace gibbetry
