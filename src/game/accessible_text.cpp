#include "game/accessible_text.h"

namespace gibbetry {

namespace {

QString tileState(Rgb colour)
{
    switch (colour) {
    case colour::green: return QStringLiteral("in the word");
    case colour::red: return QStringLiteral("not in the word");
    default: return QStringLiteral("not yet used");
    }
}

QString slotText(const Board &board, int index)
{
    int length = 0;
    while (length < Board::slotCount && board.isVisible({Element::lblWord, length}))
        ++length;
    const ElementId slot{Element::lblWord, index};
    const QString state = board.caption(slot).isEmpty()       ? QStringLiteral("not yet revealed")
                          : board.colour(slot) == colour::blue ? QStringLiteral("filled in at the end")
                                                               : QStringLiteral("revealed");
    return QStringLiteral("letter %1 of %2, %3").arg(index + 1).arg(length).arg(state);
}

} // namespace

QString accessibleDescription(const Board &board, ElementId id)
{
    switch (id.element) {
    case Element::lblLetters:
        return QStringLiteral("letter tile, ") + tileState(board.colour(id));
    case Element::lblWord:
        return slotText(board, id.index);
    case Element::lblGG: {
        static const char *const counters[] = {"errors allowed", "errors made", "chances left"};
        return QLatin1String(counters[id.index - 1]);
    }
    case Element::lblG:
        return QStringLiteral("counter");
    case Element::lblGameOver:
        return QStringLiteral("the game has ended");
    case Element::status: {
        static const char *const fields[] = {"time of day", "word list", "word length limit",
                                             "hint"};
        return QLatin1String(fields[id.index - 1]);
    }
    case Element::draw:
    case Element::shapeGuess:
    case Element::lblHint:
        break;
    }
    return QString();
}

} // namespace gibbetry
