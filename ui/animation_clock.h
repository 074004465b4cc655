#pragma once

#include <functional>

namespace ui {

// The time source and the 10-millisecond tick behind the shared animation timer. The Windows host
// implements it with a high-resolution clock and a window timer on the main thread; tests drive time by hand
// with ManualAnimationClock (ui/testing/).
class AnimationClock {
public:
    virtual ~AnimationClock() = default;

    // Seconds on a monotonic scale.
    virtual double Now() const = 0;
    // Starts calling tick about every 10 ms on the main thread; an empty function stops the ticks. May be
    // called from inside tick.
    virtual void SetTickHandler(std::function<void()> tick) = 0;
};

}  // namespace ui
