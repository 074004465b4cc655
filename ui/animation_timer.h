#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

class AnimationClock;

// What the shared timer advances: animations, and timers that fire at intervals of their own.
class TimerClient {
public:
    virtual ~TimerClient() = default;
    // Advances by elapsed seconds.
    virtual void ProcessTick(double elapsed) = 0;
    // Names the client in the log when its tick fails.
    virtual std::u16string TimerClientName() const = 0;
};

// The shared animation timer: running animations (and running timers) are attached to it, and every tick (each
// 10 ms, from the clock) advances them by the time elapsed since the previous tick, the last attached first, so
// that of two animations driving the same property the one attached earlier is applied last and decides the
// value. The timer asks its clock for ticks only while clients are attached.
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

    void Attach(TimerClient& client);
    void Detach(TimerClient& client);
    bool IsAttached(const TimerClient& client) const;
    size_t Count() const { return running_.size(); }

    // Advances every attached animation by the time since the previous tick.
    void Tick();

private:
    void StartTicks();
    void StopTicks();

    AnimationClock* clock_ = nullptr;
    std::vector<TimerClient*> running_;
    // The clients of the tick in progress; detached ones are cleared here so the tick skips them.
    std::vector<TimerClient*> ticking_;
    double lastTick_ = 0;
};

// The process's shared animation timer.
AnimationTimer& SharedAnimationTimer();

}  // namespace ui
