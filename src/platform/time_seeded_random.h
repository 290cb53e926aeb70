#pragma once

#include "platform/random_source.h"

#include <random>

namespace gibbetry {

// Seeded once, from the time of day, when it is made.
class TimeSeededRandom final : public RandomSource {
public:
    TimeSeededRandom();
    double next() override;

private:
    std::mt19937_64 engine_;
};

} // namespace gibbetry
