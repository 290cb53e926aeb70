#pragma once

#include "platform/clock.h"

namespace gibbetry {

class SystemClock final : public Clock {
public:
    QTime currentTime() override { return QTime::currentTime(); }
};

} // namespace gibbetry
