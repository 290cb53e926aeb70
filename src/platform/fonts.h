#pragma once

namespace gibbetry {

// Maps the typefaces the windows name to installed fonts of the same metrics ("MS Sans Serif"
// to Liberation Sans, "Comic Sans MS" to Comic Neue) and makes "MS Sans Serif" 8 pt the
// application's default font. Call once, after the QApplication exists.
void installFonts();

} // namespace gibbetry
