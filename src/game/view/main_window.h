#pragma once

#include "game/view/board_colours.h"

#include <QMainWindow>

#include <array>

class QAction;
class QFont;
class QPushButton;

namespace gibbetry {

class BoardLabel;
class Game;
class Options;
class LetterTile;
class FigureLayer;

// frmMain: draws the board model and reports clicks, menu commands and ticks to the game.
class MainWindow final : public QMainWindow, private BoardObserver {
    Q_OBJECT
public:
    MainWindow(Game &game, Options &options);
    ~MainWindow() override;

    // Elements by name, for the view's own wiring and for tests that look at what the player sees.
    LetterTile *letterTile(int index) const { return letters_[index]; }
    BoardLabel *wordSlot(int index) const { return slots_[index]; }
    BoardLabel *label(ElementId id) const;
    QPushButton *newGameButton() const { return cmdNewGame_; }
    QAction *optionsAction() const { return itmOptions_; }
    QAction *aboutAction() const { return itmAbout_; }
    QWidget *clientArea() const { return centralWidget(); }
    const BoardColours &boardColours() const { return colours_; }

    // Opens the window centred on its screen.
    void showCentred();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elementChanged(ElementId id, const ElementState &state) override;
    bool fitsLegibly(ElementId id, const QString &caption) const override;
    // The menu commands: each shows its window modally and returns when it is closed.
    void itmOptions_Click();
    void itmAbout_Click();
    // Creates the window's elements: the figure first, so that every other element lies above it.
    void build();
    void buildLetterTiles(QWidget &client);
    void buildWordSlots(QWidget &client, const QFont &font);
    void buildStatusLine(QWidget &client);
    void buildCounters(QWidget &client, const QFont &font);
    void mirrorBoard();

    Game &game_;
    Options &options_;
    BoardColours colours_; // the board's, from the theme; its labels hold a reference
    std::array<LetterTile *, Board::letterCount> letters_{};
    std::array<BoardLabel *, Board::slotCount> slots_{};
    std::array<BoardLabel *, 3> counterCaptions_{};
    std::array<BoardLabel *, 3> counterValues_{};
    std::array<BoardLabel *, 4> status_{};
    BoardLabel *lblGameOver_ = nullptr;
    BoardLabel *lblHint_ = nullptr;
    FigureLayer *figure_ = nullptr;
    QPushButton *cmdNewGame_ = nullptr;
    QAction *itmOptions_ = nullptr;
    QAction *itmAbout_ = nullptr;
};

} // namespace gibbetry
