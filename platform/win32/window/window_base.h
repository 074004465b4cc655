#pragma once

#include <windows.h>

#include "ui/geometry.h"

namespace platform::win32 {

// What a window is made of: its class (registered once per process under the name) and how it is created.
struct WindowDescription {
    const wchar_t* className = nullptr;
    HCURSOR cursor = nullptr;
    HICON icon = nullptr;
    DWORD exStyle = 0;
    DWORD style = 0;
    const wchar_t* title = L"";
    // The owner window, or HWND_MESSAGE for a message-only window.
    HWND parent = nullptr;
};

// A window of this process whose messages go to an object: the window procedure finds the object the window
// was created for and passes it each message once the window exists, until WM_DESTROY. The object detaches
// before it destroys the window, so no message reaches it while it is being torn down.
class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // The window, or nullptr before Create and after its destruction.
    HWND Handle() const { return window_; }

protected:
    WindowBase() = default;
    ~WindowBase() { Destroy(); }

    // Registers the class (already registered by an earlier window of the kind: fine) and creates the window at
    // the screen's origin, 1 x 1 pixels; throws std::runtime_error(failure) when the window cannot be created.
    // Call it from the constructor of the final class.
    void Create(const WindowDescription& description, const char* failure);
    // Detaches from the window and destroys it; nothing without one.
    void Destroy();

    // A point in logical client coordinates of a window shown at `scale` device pixels per logical pixel, in
    // logical screen coordinates, and back.
    ui::PointF LogicalClientToScreen(ui::PointF point, float scale) const;
    ui::PointF LogicalScreenToClient(ui::PointF point, float scale) const;

    // A message of the window. The window is forgotten once WM_DESTROY has been handled.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

}  // namespace platform::win32
