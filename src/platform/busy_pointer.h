#pragma once

namespace gibbetry {

// The mouse pointer, over every window of the program: busy while the game reads a list or
// picks a word. Calls nest; each setBusy(true) is undone by one setBusy(false).
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void setBusy(bool busy) = 0;
};

// Shows the busy pointer for one scope, so that an early return cannot leave it on.
class BusyScope {
public:
    explicit BusyScope(BusyPointer &pointer) : pointer_(pointer) { pointer_.setBusy(true); }
    ~BusyScope() { pointer_.setBusy(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    BusyPointer &pointer_;
};

} // namespace gibbetry
