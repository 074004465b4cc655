#include "ui/timer.h"

#include <algorithm>
#include <cmath>

namespace ui {

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
    if (waited_ < interval_) return;
    // A late tick fires once; the time beyond whole intervals counts towards the next.
    waited_ = std::fmod(waited_, static_cast<double>(interval_));
    if (OnTimer) OnTimer(this);
}

}  // namespace ui
