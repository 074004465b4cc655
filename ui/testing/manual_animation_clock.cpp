#include "ui/testing/manual_animation_clock.h"

namespace ui {

void ManualAnimationClock::Advance(double seconds) {
    now_ += seconds;
    if (tick_) {
        // The handler may replace itself while it runs.
        std::function<void()> tick = tick_;
        tick();
    }
}

void ManualAnimationClock::Run(double seconds, double step) {
    // Whole steps are counted, so rounding does not add or lose a tick.
    const long steps = static_cast<long>(seconds / step + 1e-9);
    for (long i = 0; i < steps; ++i) Advance(step);
    const double rest = seconds - static_cast<double>(steps) * step;
    if (rest > 1e-12) Advance(rest);
}

}  // namespace ui
