#pragma once

#include "platform/random_source.h"

#include <random>

namespace gibbetry {

// Seeded once, when it is made, from the system clock: the date and time in its finest unit.
class TimeSeededRandom final : public RandomSource {
public:
    TimeSeededRandom();
    double next() override;

private:
    std::mt19937_64 engine_;
};

} // namespace gibbetry
