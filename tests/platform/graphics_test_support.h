#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <windows.h>

#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "ui/stream.h"

// What the drawing-services tests share: one set of drawing services for the whole executable (starting
// Direct2D is slow under Wine) and pixel helpers.
namespace graphics_test {

inline platform::win32::D2DGraphics& Graphics() {
    static const std::unique_ptr<platform::win32::D2DGraphics> graphics =
        std::make_unique<platform::win32::D2DGraphics>();
    return *graphics;
}

// Wine's Direct2D has gaps that real Windows has not (it ignores stroke styles, so dashes draw solid).
inline bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

inline int A(uint32_t p) { return static_cast<int>(p >> 24); }
inline int R(uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
inline int G(uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
inline int B(uint32_t p) { return static_cast<int>(p & 0xFF); }

// Whether two premultiplied pixels differ by at most tolerance in every channel.
inline bool Near(uint32_t a, uint32_t b, int tolerance) {
    return std::abs(A(a) - A(b)) <= tolerance && std::abs(R(a) - R(b)) <= tolerance &&
           std::abs(G(a) - G(b)) <= tolerance && std::abs(B(a) - B(b)) <= tolerance;
}

inline std::string Hex(uint32_t p) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", p);
    return text;
}

inline uint32_t At(const platform::win32::D2DFrame& frame, int x, int y) { return frame.Pixels().At(x, y); }

// The painted (not fully transparent) pixels inside a device-pixel rectangle.
struct PaintedArea {
    int count = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline PaintedArea Painted(const platform::win32::D2DFrame& frame, int left, int top, int right, int bottom) {
    PaintedArea area{0, right, bottom, left, top};
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (A(At(frame, x, y)) == 0) continue;
            ++area.count;
            area.left = std::min(area.left, x);
            area.top = std::min(area.top, y);
            area.right = std::max(area.right, x + 1);
            area.bottom = std::max(area.bottom, y + 1);
        }
    }
    return area;
}

inline void SavePng(const platform::win32::D2DFrame& frame, const std::filesystem::path& path) {
    ui::MemoryStream stream;
    frame.SaveToPng(stream);
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return;
    std::fwrite(stream.Bytes().data(), 1, stream.Bytes().size(), file);
    std::fclose(file);
}

}  // namespace graphics_test
