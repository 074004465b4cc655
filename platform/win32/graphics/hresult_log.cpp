#include "platform/win32/graphics/hresult_log.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/log.h"

namespace platform::win32 {

namespace {

std::string HexCode(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

}  // namespace

void LogGraphics(std::u16string_view text) noexcept { platform::Log(u"Graphics", text); }

bool LogIfFailed(HRESULT hr, std::u16string_view what) noexcept {
    if (SUCCEEDED(hr)) return true;
    try {
        const std::string code = HexCode(hr);
        std::u16string line(what);
        line += u" failed (";
        line.append(code.begin(), code.end());
        line += u")";
        LogGraphics(line);
    } catch (...) {
        // Logging is best effort; running out of memory here must not take the paint down.
    }
    return false;
}

void ThrowIfFailed(HRESULT hr, std::string_view what) {
    if (SUCCEEDED(hr)) return;
    throw std::runtime_error(std::string(what) + " failed (" + HexCode(hr) + ")");
}

}  // namespace platform::win32
