#pragma once

// A layered top-level window for benchmarks, and presenting a painted frame into it with UpdateLayeredWindow as
// the installer's window does.

#include <windows.h>

#include "platform/win32/graphics/d2d_frame.h"

namespace bench {

struct LayeredWindow {
    HWND hwnd = nullptr;
    LayeredWindow(int width, int height) {
        hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", L"Velnix bench",
                               WS_POPUP | WS_VISIBLE, 100, 100, width, height, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    LayeredWindow(const LayeredWindow&) = delete;
    LayeredWindow& operator=(const LayeredWindow&) = delete;
    ~LayeredWindow() {
        if (hwnd) DestroyWindow(hwnd);
    }
};

inline bool Present(HWND hwnd, const platform::win32::D2DFrame& frame) {
    POINT source{0, 0};
    SIZE size{frame.Width(), frame.Height()};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return UpdateLayeredWindow(hwnd, nullptr, nullptr, &size, frame.Dc(), &source, 0, &blend, ULW_ALPHA) != FALSE;
}

}  // namespace bench
