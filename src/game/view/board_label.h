#pragma once

#include "game/view/board_colours.h"
#include "platform/painted_label.h"

namespace gibbetry {

// A label of the board: its text colour comes from the model, drawn as it reads on the board's
// colours; its ground and border are the board's.
class BoardLabel : public PaintedLabel {
    Q_OBJECT
public:
    BoardLabel(QWidget *parent, const BoardColours &colours, bool bordered);
    void setTextColour(Rgb colour);
    // Draws again in the board's colours, after they changed.
    void recolour();
    // A ground of the label's own (GAME OVER's red) in place of the board's.
    void setOwnGround(Rgb ground);

private:
    const BoardColours &colours_;
    Rgb wanted_ = colour::defaultText;
    Rgb ownGround_ = colour::defaultText;
};

// A letter tile; reports a click (press and release on the tile) with its index.
class LetterTile : public BoardLabel {
    Q_OBJECT
public:
    LetterTile(QWidget *parent, const BoardColours &colours, int index);
    // A press from assistive technology: the same guess as a click.
    void press() { emit clicked(index_); }

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int index_;
    bool pressed_ = false;
};

// Lets screen readers press letter tiles: QLabel's own accessible interface has no actions.
// Installs itself once per process.
void installLetterTileAccessibility();

} // namespace gibbetry
