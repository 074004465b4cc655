#pragma once

#include <windows.h>

#include <functional>

#include "platform/win32/window/window_base.h"
#include "ui/animation_clock.h"

namespace platform::win32 {

// The shared animation timer's clock on Windows: the performance counter for time, and a 10 ms window timer
// on the main thread for ticks. The system timer resolution is raised to 1 ms while ticks run, so the timer
// really fires every 10 ms instead of every 15.6 ms.
class Win32AnimationClock final : public ui::AnimationClock, private WindowBase {
public:
    Win32AnimationClock();
    Win32AnimationClock(const Win32AnimationClock&) = delete;
    Win32AnimationClock& operator=(const Win32AnimationClock&) = delete;
    ~Win32AnimationClock() override;

    double Now() const override;
    void SetTickHandler(std::function<void()> tick) override;

    // Ticks delivered so far (for tests).
    long long TickCount() const { return ticks_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Start();
    void Stop();

    double frequency_ = 1;
    std::function<void()> tick_;
    bool running_ = false;
    long long ticks_ = 0;
};

}  // namespace platform::win32
