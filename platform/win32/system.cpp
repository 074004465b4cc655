#include "platform/system.h"

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

namespace {

const wchar_t* Wide(std::u16string_view text, std::wstring& storage) {
    storage.assign(text.begin(), text.end());
    return storage.c_str();
}

}  // namespace

void OutputDebugText(std::u16string_view text) noexcept {
    try {
        std::wstring storage;
        OutputDebugStringW(Wide(text, storage));
    } catch (...) {
        // The debugger output is best effort: a failure there must never reach the caller.
    }
}

std::filesystem::path ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string ToAnsiCodePage(std::u16string_view text) {
    if (text.empty()) return {};
    std::wstring wide(text.begin(), text.end());
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
    return out;
}

LocalDateTime LocalNow() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

}  // namespace platform
