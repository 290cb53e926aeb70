#include "game/accessible_text.h"

#include <QCoreApplication>

namespace gibbetry {

namespace {

// Screen-reader descriptions: whole phrases, each read after the element's name.
const char *const context = "AccessibleText";

QString tileState(Rgb colour)
{
    switch (colour) {
    case colour::green: return QCoreApplication::translate(context, "letter tile, in the word");
    case colour::red: return QCoreApplication::translate(context, "letter tile, not in the word");
    default: return QCoreApplication::translate(context, "letter tile, not yet used");
    }
}

QString slotText(const Board &board, int index)
{
    int length = 0;
    while (length < Board::slotCount && board.isVisible({Element::lblWord, length}))
        ++length;
    const ElementId slot{Element::lblWord, index};
    //: A slot of the secret word: %1 is its place, %2 the word's length.
    const QString text = board.caption(slot).isEmpty()
        ? QCoreApplication::translate(context, "letter %1 of %2, not yet revealed")
        : board.colour(slot) == colour::blue
        ? QCoreApplication::translate(context, "letter %1 of %2, filled in at the end")
        : QCoreApplication::translate(context, "letter %1 of %2, revealed");
    return text.arg(index + 1).arg(length);
}

} // namespace

QString accessibleDescription(const Board &board, ElementId id)
{
    switch (id.element) {
    case Element::lblLetters:
        return tileState(board.colour(id));
    case Element::lblWord:
        return slotText(board, id.index);
    case Element::lblGG: {
        static const char *const counters[] = {QT_TRANSLATE_NOOP("AccessibleText", "errors allowed"),
                                               QT_TRANSLATE_NOOP("AccessibleText", "errors made"),
                                               QT_TRANSLATE_NOOP("AccessibleText", "chances left")};
        return QCoreApplication::translate(context, counters[id.index - 1]);
    }
    case Element::lblG:
        return QCoreApplication::translate(context, "counter");
    case Element::lblGameOver:
        return QCoreApplication::translate(context, "the game has ended");
    case Element::status: {
        static const char *const fields[] = {
            QT_TRANSLATE_NOOP("AccessibleText", "time of day"),
            QT_TRANSLATE_NOOP("AccessibleText", "word list"),
            QT_TRANSLATE_NOOP("AccessibleText", "word length limit"),
            QT_TRANSLATE_NOOP("AccessibleText", "hint")};
        return QCoreApplication::translate(context, fields[id.index - 1]);
    }
    case Element::draw:
    case Element::shapeGuess:
    case Element::lblHint:
        break;
    }
    return QString();
}

} // namespace gibbetry
