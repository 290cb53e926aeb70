#include "platform/text_fit.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace gibbetry {

QFont shrunkFont(const QFont &font, const std::function<bool(const QFont &)> &fits)
{
    QFont drawn = font;
    while (!fits(drawn) && drawn.pointSizeF() - 0.25 >= minimumLegiblePoints)
        drawn.setPointSizeF(drawn.pointSizeF() - 0.25);
    return drawn;
}

bool captionFits(const QWidget &control)
{
    const auto *box = qobject_cast<const QGroupBox *>(&control);
    if (!box)
        return control.sizeHint().width() <= control.width();
    // A frame's title: where its style puts it, with the title's room, inside the frame.
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return title.left() >= 0 && title.right() < box->width() &&
           box->fontMetrics().horizontalAdvance(box->title()) <= title.width();
}

void fitCaption(QWidget &control, const QFont &designFont)
{
    control.setFont(designFont);
    control.ensurePolished();
    control.setFont(shrunkFont(designFont, [&](const QFont &font) {
        control.setFont(font);
        return captionFits(control);
    }));
}

} // namespace gibbetry
