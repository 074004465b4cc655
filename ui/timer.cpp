#include "ui/timer.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Milliseconds.
constexpr double kTolerance = 0.001;

}  // namespace

Timer::~Timer() { SharedAnimationTimer().Detach(*this); }

void Timer::SetInterval(int milliseconds) {
    interval_ = std::max(milliseconds, 1);
    waited_ = 0;
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    waited_ = 0;
    if (enabled) {
        SharedAnimationTimer().Attach(*this);
    } else {
        SharedAnimationTimer().Detach(*this);
    }
}

void Timer::ProcessTick(double elapsed) {
    if (!enabled_) return;
    waited_ += elapsed * 1000;
    // Ticks add up in floating point: five 10 ms ticks make a 50 ms interval even when they sum to 49.99...
    if (waited_ + kTolerance < interval_) return;
    // A late tick fires once; the time beyond whole intervals counts towards the next.
    waited_ = std::max(0.0, std::fmod(waited_ + kTolerance, static_cast<double>(interval_)) - kTolerance);
    if (OnTimer) OnTimer(this);
}

}  // namespace ui
