#pragma once

#include <span>

namespace gibbetry {

// One stage of the hangman figure: the parts (draw1 to draw19, by number) it hides, then the parts
// it shows, in order. The wrong guess that arrives with stagesLeft = s draws stage s; stage 1 loses.
struct FigureStage {
    std::span<const int> hidden;
    std::span<const int> shown;
};

inline constexpr int figureStageCount = 12;

// stagesLeft from 1 to 12; any other value has nothing to draw.
FigureStage figureStage(int stagesLeft);

} // namespace gibbetry
