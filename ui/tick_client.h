#pragma once

#include <string>

namespace ui {

// What the shared animation timer ticks: property animations, and anything else that moves with time on the
// main thread (a picture's frame player, for example).
class TickClient {
public:
    // Advances by the seconds elapsed since the previous tick.
    virtual void ProcessTick(double elapsed) = 0;
    // A name for the log line written when ProcessTick throws.
    virtual std::u16string TickClientName() const = 0;

protected:
    ~TickClient() = default;
};

}  // namespace ui
