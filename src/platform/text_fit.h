#pragma once

#include <QFont>
#include <QLabel>

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

// Whether `text` in `font` fits `room`: on one line, or, where `wrap` allows, broken at its spaces
// into lines no wider and no taller in all than `room`.
bool textFits(const QFont &font, const QString &text, const QRect &room, bool wrap);

// Draws a control's caption in `designFont`, or in a smaller size of it that fits (shrunkFont).
// A check box's, option button's, push button's or frame's caption that does not fit on one line
// even at minimumLegiblePoints is handed to a CaptionLabel that wraps it within the control.
void fitCaption(QWidget &control, const QFont &designFont);

// The wrapped caption of the control that is its parent, drawn where the style draws the control's
// own text, which is left empty; the control's accessible name keeps the caption. A click on it
// is a click on its check box or option button; a push button gets the click through it.
class CaptionLabel final : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget &control);
    // Takes the control's caption and shows it; restore() gives it back and hides this label.
    void take();
    void restore();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QWidget &control_;
};

} // namespace gibbetry
