#pragma once

#include "platform/busy_pointer.h"

namespace gibbetry {

class QtBusyPointer final : public BusyPointer {
public:
    void setBusy(bool busy) override;
};

} // namespace gibbetry
