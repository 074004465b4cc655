#pragma once

#include <windows.h>

#include "app/system_services.h"
#include "app/window/window_services.h"

namespace platform::win32 {

class MainThreadInvoker;

// The main window's system services on Windows: the folder picker owned by the window, the main-thread
// hand-over through the invoker, and the immediate end of the process (EndProcessNow).
class Win32WindowServices final : public app::IWindowServices {
public:
    Win32WindowServices(MainThreadInvoker& invoker, app::ISetupLog& log) : invoker_(invoker), log_(log) {}
    // The window that owns the folder picker.
    void SetOwnerWindow(HWND window) { owner_ = window; }

    std::u16string PickFolder(std::u16string_view title) override;
    void RunOnMainThread(const std::function<void()>& function) override;
    void HideWindow() override;
    void EndProcess(uint32_t exitCode) override;

private:
    MainThreadInvoker& invoker_;
    app::ISetupLog& log_;
    HWND owner_ = nullptr;
};

}  // namespace platform::win32
