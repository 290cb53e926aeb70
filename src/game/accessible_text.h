#pragma once

#include "game/board.h"

namespace gibbetry {

// What a screen reader says of an element besides its caption: what it is and its state
// ("letter tile, in the word"; "letter 3 of 5, not yet revealed").
QString accessibleDescription(const Board &board, ElementId id);

} // namespace gibbetry
