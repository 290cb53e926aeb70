#pragma once

#include <QFont>

namespace gibbetry {

// Maps the typefaces the windows name to installed fonts of the same metrics ("MS Sans Serif"
// to Liberation Sans, "Comic Sans MS" to Comic Neue) and makes "MS Sans Serif" 8 pt the
// application's default font. Call once, after the QApplication exists.
void installFonts();

// A font of the windows' layout, normal weight. Fully hinted, as the screen fonts the layout was
// measured with: unhinted Liberation Sans 8 pt is a pixel too wide for the status line.
QFont layoutFont(const QString &family, double points, bool bold = false);
// "MS Sans Serif", the typeface of most of the layout.
QFont msSansSerif(double points, bool bold = false);

} // namespace gibbetry
