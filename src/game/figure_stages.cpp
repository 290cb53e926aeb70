#include "game/figure_stages.h"

namespace gibbetry {

namespace {
constexpr int base[] = {1};
constexpr int upright[] = {2};
constexpr int beamAndBrace[] = {3, 4};
constexpr int rope[] = {5};
constexpr int head[] = {6};
constexpr int face[] = {7, 8, 9, 10, 11}; // open eyes, nose, open mouth
constexpr int body[] = {12};
constexpr int leftArm[] = {13};
constexpr int rightArm[] = {14};
constexpr int leftLeg[] = {15};
constexpr int rightLeg[] = {16};
constexpr int openFace[] = {7, 8, 11};
constexpr int deadFace[] = {17, 18, 19}; // closed eyes, flat mouth

// Indexed by stagesLeft.
constexpr FigureStage stages[figureStageCount + 1] = {
    {},
    {openFace, deadFace},
    {{}, rightLeg},
    {{}, leftLeg},
    {{}, rightArm},
    {{}, leftArm},
    {{}, body},
    {{}, face},
    {{}, head},
    {{}, rope},
    {{}, beamAndBrace},
    {{}, upright},
    {{}, base},
};
} // namespace

FigureStage figureStage(int stagesLeft)
{
    return stagesLeft >= 1 && stagesLeft <= figureStageCount ? stages[stagesLeft] : FigureStage{};
}

} // namespace gibbetry
