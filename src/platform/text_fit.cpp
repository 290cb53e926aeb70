#include "platform/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace gibbetry {

namespace {

// The room a control's style leaves for its caption, and the caption, in the control's font.
struct Caption {
    QRect room;
    QRect bounds; // the control's own rectangle: the room must lie within it
    QString text;
};

Caption captionOf(const QWidget &control)
{
    const QStyle *style = control.style();
    if (const auto *box = qobject_cast<const QGroupBox *>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = box->alignment();
        return {style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box),
                box->rect(), box->title()};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(&control);
    if (!button)
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (const auto *push = qobject_cast<const QPushButton *>(button); push && push->isFlat())
        option.features |= QStyleOptionButton::Flat;
    return {style->subElementRect(contents, &option, button), button->rect(), button->text()};
}

} // namespace

QFont shrunkFont(const QFont &font, const std::function<bool(const QFont &)> &fits)
{
    QFont drawn = font;
    while (!fits(drawn) && drawn.pointSizeF() - 0.25 >= minimumLegiblePoints)
        drawn.setPointSizeF(drawn.pointSizeF() - 0.25);
    return drawn;
}

bool captionFits(const QWidget &control)
{
    const Caption caption = captionOf(control);
    const QRect room = caption.room.intersected(caption.bounds);
    return control.fontMetrics().horizontalAdvance(caption.text) <= room.width();
}

bool fitCaption(QWidget &control, const QFont &designFont)
{
    control.setFont(designFont);
    control.ensurePolished();
    control.setFont(shrunkFont(designFont, [&](const QFont &font) {
        control.setFont(font);
        return captionFits(control);
    }));
    return captionFits(control);
}

} // namespace gibbetry
