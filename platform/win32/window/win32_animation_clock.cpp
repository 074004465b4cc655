#include "platform/win32/window/win32_animation_clock.h"

#include <timeapi.h>

#include <stdexcept>

#include "platform/log.h"
#include "platform/win32/system_library.h"

namespace platform::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kIntervalMs = 10;

// Asks for (or gives back) the 1 ms timer resolution of the multimedia timer, whose DLL comes in with the first
// request. Without it the clock ticks at the system's coarser resolution.
void SetFineTimerResolution(bool fine) {
    using Period = MMRESULT WINAPI(UINT);
    static Period* const begin = SystemFunction<Period>(L"winmm.dll", "timeBeginPeriod");
    static Period* const end = SystemFunction<Period>(L"winmm.dll", "timeEndPeriod");
    if (begin == nullptr || end == nullptr) {
        if (fine) platform::Log(u"Animation", u"no multimedia timer; the clock ticks at the system's resolution");
        return;
    }
    (fine ? begin : end)(1);
}

}  // namespace

Win32AnimationClock::Win32AnimationClock() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    frequency_ = static_cast<double>(frequency.QuadPart);

    // A message-only window: its timer messages arrive through the main thread's message loop.
    Create({.className = L"VelnixAnimationClock", .parent = HWND_MESSAGE}, "Cannot create the animation timer window");
}

Win32AnimationClock::~Win32AnimationClock() {
    Stop();
    Destroy();
}

double Win32AnimationClock::Now() const {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency_;
}

void Win32AnimationClock::SetTickHandler(std::function<void()> tick) {
    tick_ = std::move(tick);
    if (tick_) {
        Start();
    } else {
        Stop();
    }
}

void Win32AnimationClock::Start() {
    if (running_) return;
    SetFineTimerResolution(true);
    if (SetTimer(Handle(), kTimerId, kIntervalMs, nullptr) == 0) {
        SetFineTimerResolution(false);
        platform::Log(u"Animation", u"SetTimer failed; the animation clock does not tick");
        return;
    }
    running_ = true;
}

void Win32AnimationClock::Stop() {
    if (!running_) return;
    KillTimer(Handle(), kTimerId);
    SetFineTimerResolution(false);
    running_ = false;
}

LRESULT Win32AnimationClock::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (tick_) {
            ++ticks_;
            // The handler may replace or clear itself; keep it alive for this call.
            const std::function<void()> tick = tick_;
            tick();
        }
        return 0;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

}  // namespace platform::win32
