#pragma once

#include <QIcon>
#include <QRect>

class QWidget;

namespace gibbetry {

// The windows' layout is given in twips: 1/1440 inch, so 15 to the pixel at 96 dots per inch.
inline constexpr int twipsPerPixel = 15;

// A rectangle of the windows' layout, given in twips, in logical pixels, so that Qt's high-DPI
// scaling keeps the proportions.
constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel};
}

// The program's icon: a white sheet with its corner folded over and a black capital A.
QIcon appIcon();

// A fixed-size dialog frame: a close box, no minimise or maximise button.
void makeFixedDialog(QWidget &dialog, int width, int height);

// Keeps a fixed-size window at its size: a maximise or full-screen request from the window
// system or the compositor is undone as soon as it arrives. makeFixedDialog does this already.
void refuseMaximise(QWidget &window);

// Moves a window to the centre of its screen; call before showing it.
void centreOnScreen(QWidget &window);

// Moves a dialog to the centre of the window `over`, kept on that window's screen; call before
// showing it. (On Wayland the compositor places windows, and puts a child over its parent.)
void centreOn(QWidget &dialog, const QWidget &over);

// Under a right-to-left layout direction, places the children of a window laid out for left to
// right where such a reader looks for them: each child's x becomes its parent's width - x - width,
// inside frames and plain containers too (the controls lay out their own insides), and a label's
// text goes to the side its alignment names for right to left. Call once,
// after the children are placed; a child placed again later goes through QStyle::visualRect.
void mirrorForLayoutDirection(QWidget &window);

} // namespace gibbetry
