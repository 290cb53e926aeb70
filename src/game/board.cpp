#include "game/board.h"

#include <QCoreApplication>

#include <utility>

namespace gibbetry {

Board::Board()
{
    for (int i = 0; i < letterCount; ++i)
        states_[slot({Element::lblLetters, i})].caption = QChar(u'A' + i);
    for (int i = 0; i < slotCount; ++i)
        states_[slot({Element::lblWord, i})].visible = false;
    for (int i = 1; i <= figurePartCount; ++i)
        states_[slot({Element::draw, i})].visible = false;
    //: Shown on the board, in capitals, when a game is lost.
    const QString gameOver = QCoreApplication::translate("Board", "GAME OVER");
    states_[slot({Element::lblGameOver})] = {gameOver, false};
    states_[slot({Element::shapeGuess})].visible = false;
    const QString counterCaptions[] = {
                                       //: A counter of manual mode, its number to the right.
                                       QCoreApplication::translate("Board", "Allowed errors"),
                                       QCoreApplication::translate("Board", "Errors made"),
                                       QCoreApplication::translate("Board", "Chances left")};
    for (int i = 1; i <= 3; ++i) {
        states_[slot({Element::lblG, i})] = {counterCaptions[i - 1], false};
        states_[slot({Element::lblGG, i})].visible = false;
    }
}

namespace {

// The indexes each element takes: an index outside them is a caller's fault.
std::pair<int, int> indexRange(Element element)
{
    switch (element) {
    case Element::lblLetters: return {0, Board::letterCount - 1};
    case Element::lblWord: return {0, Board::slotCount - 1};
    case Element::draw: return {1, Board::figurePartCount};
    case Element::lblG:
    case Element::lblGG: return {1, 3};
    case Element::status: return {1, 4};
    case Element::lblGameOver:
    case Element::shapeGuess:
    case Element::lblHint: break;
    }
    return {0, 0};
}

} // namespace

int Board::slot(ElementId id)
{
    Q_ASSERT(id.index >= indexRange(id.element).first && id.index <= indexRange(id.element).second);
    switch (id.element) {
    case Element::lblLetters: return id.index;
    case Element::lblWord: return letterCount + id.index;
    case Element::draw: return letterCount + slotCount + id.index - 1;
    case Element::lblGameOver: return letterCount + slotCount + figurePartCount;
    case Element::shapeGuess: return letterCount + slotCount + figurePartCount + 1;
    case Element::lblG: return letterCount + slotCount + figurePartCount + 1 + id.index;
    case Element::lblGG: return letterCount + slotCount + figurePartCount + 4 + id.index;
    case Element::status: return letterCount + slotCount + figurePartCount + 7 + id.index;
    case Element::lblHint: return total - 1;
    }
    return total - 1;
}

template <typename T>
void Board::set(ElementId id, T ElementState::*property, const T &value)
{
    T &current = states_[slot(id)].*property;
    if (current == value)
        return;
    current = value;
    changed(id);
}

void Board::setCaption(ElementId id, const QString &caption)
{
    set(id, &ElementState::caption, caption);
}

void Board::setVisible(ElementId id, bool visible)
{
    set(id, &ElementState::visible, visible);
}

void Board::setColour(ElementId id, Rgb colour)
{
    set(id, &ElementState::colour, colour);
}

void Board::changed(ElementId id)
{
    if (observer_)
        observer_->elementChanged(id, states_[slot(id)]);
}

} // namespace gibbetry
