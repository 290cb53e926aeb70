#include "platform/time_seeded_random.h"

#include <chrono>

namespace gibbetry {

TimeSeededRandom::TimeSeededRandom()
    : engine_(static_cast<std::uint64_t>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}

double TimeSeededRandom::next()
{
    // 53 random bits: exactly representable, and always below 1.
    return double(engine_() >> 11) * 0x1.0p-53;
}

} // namespace gibbetry
