#pragma once

#include <functional>

#include "ui/animation_clock.h"

namespace ui {

// An animation clock whose time moves only when told, for tests.
class ManualAnimationClock : public AnimationClock {
public:
    double Now() const override { return now_; }
    void SetTickHandler(std::function<void()> tick) override { tick_ = std::move(tick); }

    // Whether a tick handler is registered (some animation is running).
    bool Ticking() const { return static_cast<bool>(tick_); }
    // Moves the time by seconds, then ticks once when ticking.
    void Advance(double seconds);
    // Moves the time by seconds in ticks of step seconds (the last one shorter when needed).
    void Run(double seconds, double step = 0.01);

private:
    double now_ = 0;
    std::function<void()> tick_;
};

}  // namespace ui
