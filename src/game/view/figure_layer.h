#pragma once

#include "game/view/board_colours.h"

#include <QWidget>

namespace gibbetry {

// The lines and shapes of the board (the hangman figure and the counter panel's frame), drawn
// beneath the labels wherever the board model shows them, on the board's ground.
class FigureLayer final : public QWidget {
public:
    FigureLayer(QWidget *parent, const Board &board, const BoardColours &colours);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Board &board_;
    const BoardColours &colours_;
};

} // namespace gibbetry
