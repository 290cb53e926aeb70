#include "game/view/board_label.h"

#include "platform/colours.h"
#include "platform/contrast.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>

namespace gibbetry {

BoardLabel::BoardLabel(QWidget *parent, const BoardColours &colours, bool bordered)
    : PaintedLabel(parent, bordered), colours_(colours)
{
    recolour();
}

void BoardLabel::setTextColour(Rgb colour)
{
    if (colour == wanted_)
        return;
    wanted_ = colour;
    recolour();
}

void BoardLabel::setOwnGround(Rgb ground)
{
    ownGround_ = ground;
    recolour();
}

void BoardLabel::recolour()
{
    setStruckThrough(isMiss(wanted_));
    if (ownGround_ != colour::defaultText) {
        // A ground of its own (GAME OVER's red): the ink, or the shade of it that reads there.
        const QColor ground = toQColor(ownGround_);
        const BoardColours own{ground, readableShade(colours_.ink, ground, textContrast),
                               colours_.border};
        setColours(ground, drawnColour(wanted_, own), colours_.border);
        return;
    }
    setColours(colours_.background, drawnColour(wanted_, colours_), colours_.border);
}

LetterTile::LetterTile(QWidget *parent, const BoardColours &colours, int index)
    : BoardLabel(parent, colours, true), index_(index)
{
}

void LetterTile::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void LetterTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(index_);
}

namespace {

class LetterTileAccessible final : public QAccessibleWidget {
public:
    explicit LetterTileAccessible(LetterTile *tile) : QAccessibleWidget(tile, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return tile()->text(); // what a sighted player reads
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        // A modal window blocks clicks on the board; it blocks this press too.
        if (name == pressAction() && !QApplication::activeModalWidget() && tile()->isEnabled())
            tile()->press();
    }

private:
    LetterTile *tile() const { return static_cast<LetterTile *>(widget()); }
};

QAccessibleInterface *letterTileFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(LetterTile::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LetterTileAccessible(static_cast<LetterTile *>(object));
    return nullptr;
}

} // namespace

void installLetterTileAccessibility()
{
    static const bool installed = (QAccessible::installFactory(letterTileFactory), true);
    Q_UNUSED(installed);
}

} // namespace gibbetry
