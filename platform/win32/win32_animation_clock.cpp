#include "platform/win32/win32_animation_clock.h"

#include <timeapi.h>

#include <stdexcept>

#include "platform/log.h"

namespace platform::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kIntervalMs = 10;
constexpr wchar_t kClassName[] = L"VelnixAnimationClock";

}  // namespace

Win32AnimationClock::Win32AnimationClock() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    frequency_ = static_cast<double>(frequency.QuadPart);

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = &Win32AnimationClock::WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when another clock registered it already
    // A message-only window: its timer messages arrive through the main thread's message loop.
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    if (window_ == nullptr) throw std::runtime_error("Cannot create the animation timer window");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32AnimationClock::~Win32AnimationClock() {
    Stop();
    if (window_ != nullptr) DestroyWindow(window_);
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
    timeBeginPeriod(1);
    if (SetTimer(window_, kTimerId, kIntervalMs, nullptr) == 0) {
        timeEndPeriod(1);
        platform::Log(u"Animation", u"SetTimer failed; the animation clock does not tick");
        return;
    }
    running_ = true;
}

void Win32AnimationClock::Stop() {
    if (!running_) return;
    KillTimer(window_, kTimerId);
    timeEndPeriod(1);
    running_ = false;
}

LRESULT CALLBACK Win32AnimationClock::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        auto* clock = reinterpret_cast<Win32AnimationClock*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (clock != nullptr && clock->tick_) {
            ++clock->ticks_;
            // The handler may replace or clear itself; keep it alive for this call.
            const std::function<void()> tick = clock->tick_;
            tick();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace platform::win32
