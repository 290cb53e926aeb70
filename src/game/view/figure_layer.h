#pragma once

#include "game/board.h"

#include <QWidget>

namespace gibbetry {

// The lines and shapes of the board (the hangman figure and the counter panel's frame), drawn
// beneath the labels wherever the board model shows them.
class FigureLayer final : public QWidget {
public:
    FigureLayer(QWidget *parent, const Board &board);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Board &board_;
};

} // namespace gibbetry
