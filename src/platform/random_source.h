#pragma once

namespace gibbetry {

// Uniformly distributed numbers; seeded once, when the implementation is made.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number r with 0 <= r < 1.
    virtual double next() = 0;
};

} // namespace gibbetry
