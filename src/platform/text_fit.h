#pragma once

#include <QFont>

#include <functional>

class QWidget;

namespace gibbetry {

// The smallest size a text is drawn in: below it letters are no longer legible.
inline constexpr double minimumLegiblePoints = 7.0;

// `font` as it is where `fits` holds for it, else the largest smaller size of it, in quarter-point
// steps, that fits; never below minimumLegiblePoints (there a text that still does not fit is
// drawn at that size, and the caller's rule must keep such texts out).
QFont shrunkFont(const QFont &font, const std::function<bool(const QFont &)> &fits);

// Whether the caption of a check box, option button, push button or frame fits the control's
// present size, in its present font, by its style's own measure (a button's size hint, the room
// the style gives a frame's title).
bool captionFits(const QWidget &control);

// Draws a control's caption in `designFont`, or in a smaller size of it that fits (shrunkFont).
void fitCaption(QWidget &control, const QFont &designFont);

} // namespace gibbetry
