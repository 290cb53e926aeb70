#pragma once

#include "game/board.h"

#include <QLabel>

namespace gibbetry {

// A label of the board: its text colour comes from the model, its single border is always black.
class BoardLabel : public QLabel {
    Q_OBJECT
public:
    explicit BoardLabel(QWidget *parent, bool bordered);
    void setTextColour(Rgb colour);
    bool isBordered() const { return bordered_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool bordered_;
};

// A letter tile; reports a click (press and release on the tile) with its index.
class LetterTile : public BoardLabel {
    Q_OBJECT
public:
    LetterTile(QWidget *parent, int index);
    int index() const { return index_; }
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
