#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace app {

// What the main window needs of the system beyond the setup services: the folder picker, the hand-over from a
// pool thread to the main thread, and the end of the process. platform/win32/ implements it for the real
// window; tests give it a fake.
class IWindowServices {
public:
    virtual ~IWindowServices() = default;
    // Shows the system's folder picker modally over the main window with the title; the chosen folder's
    // file-system path, or an empty text when the user cancelled or no picker is available.
    virtual std::u16string PickFolder(std::u16string_view title) = 0;
    // Runs the function on the main thread and returns once it has run (called from pool threads; on the main
    // thread it runs at once).
    virtual void RunOnMainThread(const std::function<void()>& function) = 0;
    // Hides the main window (main thread); the process goes on.
    virtual void HideWindow() = 0;
    // Ends the process at once with the exit code, without closing the window. A fake returns.
    virtual void EndProcess(uint32_t exitCode) = 0;
};

}  // namespace app
