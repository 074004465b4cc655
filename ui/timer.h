#pragma once

#include <string>

#include "ui/animation_timer.h"
#include "ui/tick_client.h"
#include "ui/component.h"

namespace ui {

// Fires OnTimer about every Interval milliseconds while Enabled, on the main thread, driven by the shared
// animation timer (so its resolution is that timer's 10 ms tick; a tick fires it at most once).
class Timer : public Component, public TickClient {
public:
    Timer() = default;
    ~Timer() override;
    std::u16string_view ClassName() const override { return u"TTimer"; }

    int Interval() const { return interval_; }
    // Milliseconds; values below 1 count as 1. Restarts the wait.
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    // Starts or stops the ticks; starting waits a whole interval.
    void SetEnabled(bool enabled);

    NotifyEvent OnTimer;

    void ProcessTick(double elapsed) override;
    std::u16string TickClientName() const override { return std::u16string(ClassName()) + u" " + Name(); }

private:
    int interval_ = 1000;
    bool enabled_ = false;
    double waited_ = 0;
};

}  // namespace ui
