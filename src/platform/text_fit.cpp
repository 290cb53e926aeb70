#include "platform/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <climits>

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

bool textFits(const QFont &font, const QString &text, const QRect &room, bool wrap)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= room.width())
        return true;
    if (!wrap)
        return false;
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), Qt::TextWordWrap, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void fitCaption(QWidget &control, const QFont &designFont)
{
    // A label already made is kept (a style change reaches every widget while it is under way).
    auto *wrapped = control.findChild<CaptionLabel *>(QString(), Qt::FindDirectChildrenOnly);
    if (wrapped)
        wrapped->restore();
    control.setFont(designFont);
    control.ensurePolished();
    control.setFont(shrunkFont(designFont, [&](const QFont &font) {
        control.setFont(font);
        return captionFits(control);
    }));
    if (captionFits(control))
        return;
    if (!wrapped)
        wrapped = new CaptionLabel(control);
    wrapped->take();
    wrapped->setFont(shrunkFont(designFont, [&](const QFont &font) {
        return textFits(font, wrapped->text(), wrapped->contentsRect(), true);
    }));
}

namespace {

// Where the control's style draws its caption; for a frame, the room above its first control.
QRect captionRoom(const QWidget &control)
{
    QStyleOptionButton option;
    option.initFrom(&control);
    const QStyle &style = *control.style();
    if (qobject_cast<const QCheckBox *>(&control))
        return style.subElementRect(QStyle::SE_CheckBoxContents, &option, &control);
    if (qobject_cast<const QRadioButton *>(&control))
        return style.subElementRect(QStyle::SE_RadioButtonContents, &option, &control);
    if (qobject_cast<const QPushButton *>(&control))
        return style.subElementRect(QStyle::SE_PushButtonContents, &option, &control);
    int top = control.height();
    for (const QWidget *child : control.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<const CaptionLabel *>(child))
            top = std::min(top, child->y());
    const int inset = control.fontMetrics().averageCharWidth();
    return {inset, 0, control.width() - 2 * inset, top};
}

} // namespace

CaptionLabel::CaptionLabel(QWidget &control) : QLabel(&control), control_(control)
{
    setWordWrap(true);
    hide();
    // Left, or right in a right-to-left window, whichever way the caption's own text runs.
    const Qt::Alignment start =
        QStyle::visualAlignment(control.layoutDirection(), Qt::AlignLeft) | Qt::AlignAbsolute;
    if (qobject_cast<QGroupBox *>(&control)) {
        setAlignment(start | Qt::AlignVCenter);
        setAutoFillBackground(true); // over the frame's upper line, as a title is
    } else {
        const bool indicator = !qobject_cast<QPushButton *>(&control);
        setAlignment(indicator ? start | Qt::AlignVCenter : Qt::AlignCenter);
        setAttribute(Qt::WA_TransparentForMouseEvents, !indicator);
    }
}

void CaptionLabel::take()
{
    if (isVisibleTo(&control_))
        return;
    const QString caption =
        control_.property("text").toString() + control_.property("title").toString();
    setText(caption);
    control_.setAccessibleName(caption);
    if (auto *box = qobject_cast<QGroupBox *>(&control_))
        box->setTitle(QString());
    else if (auto *button = qobject_cast<QAbstractButton *>(&control_))
        button->setText(QString());
    setBuddy(&control_); // a mnemonic in the caption still reaches its control
    setGeometry(captionRoom(control_));
    show();
}

void CaptionLabel::restore()
{
    if (!isVisibleTo(&control_))
        return;
    if (auto *box = qobject_cast<QGroupBox *>(&control_))
        box->setTitle(text());
    else if (auto *button = qobject_cast<QAbstractButton *>(&control_))
        button->setText(text());
    control_.setAccessibleName(QString());
    hide();
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    if (auto *button = qobject_cast<QAbstractButton *>(&control_))
        button->setFocus(Qt::MouseFocusReason);
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // As on the control's own caption: pressed and released over it.
    auto *button = qobject_cast<QAbstractButton *>(&control_);
    if (button && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        button->click();
    event->accept();
}

} // namespace gibbetry
