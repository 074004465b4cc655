#pragma once

#include <cstddef>
#include <vector>

#include "ui/tick_client.h"

namespace ui {

class AnimationClock;

// The shared animation timer: running animations (and other tick clients) are attached to it, and every tick
// (each 10 ms, from the clock) advances them by the time elapsed since the previous tick, the last attached
// first, so that of two animations driving the same property the one attached earlier is applied last and
// decides the value. The timer asks its clock for ticks only while clients are attached.
class AnimationTimer {
public:
    AnimationTimer() = default;
    AnimationTimer(const AnimationTimer&) = delete;
    AnimationTimer& operator=(const AnimationTimer&) = delete;
    ~AnimationTimer();

    // The clock to use (not owned; it must outlive its use here). Without one the time is a steady system
    // clock and nothing ticks.
    void SetClock(AnimationClock* clock);
    AnimationClock* Clock() const { return clock_; }
    double Now() const;

    void Attach(TickClient& client);
    void Detach(TickClient& client);
    bool IsAttached(const TickClient& client) const;
    size_t Count() const { return running_.size(); }

    // Advances every attached client by the time since the previous tick.
    void Tick();

private:
    void StartTicks();
    void StopTicks();

    AnimationClock* clock_ = nullptr;
    std::vector<TickClient*> running_;
    // The clients of the tick in progress; detached ones are cleared here so the tick skips them.
    std::vector<TickClient*> ticking_;
    double lastTick_ = 0;
};

// The process's shared animation timer.
AnimationTimer& SharedAnimationTimer();

}  // namespace ui
