#pragma once

#include <QTime>

namespace gibbetry {

// The local time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime currentTime() = 0;
};

} // namespace gibbetry
