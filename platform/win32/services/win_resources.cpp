#include "platform/win32/services/win_resources.h"

#include <windows.h>

#include <string_view>

#include "platform/win32/services/win_file_system.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

// The resource's bytes, which stay mapped with the executable; nothing when it is missing.
std::optional<std::string_view> Locate(std::u16string_view name) {
    const std::wstring wideName = Wide(name);
    HRSRC info = FindResourceW(nullptr, wideName.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, info);
    const DWORD size = SizeofResource(nullptr, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data && size > 0) return std::nullopt;
    return std::string_view(static_cast<const char*>(data), size);
}

}  // namespace

std::optional<std::string> Win32Resources::Read(std::u16string_view name) {
    std::optional<std::string_view> bytes = Locate(name);
    if (!bytes) {
        log_.Log(u"Resources: no resource " + std::u16string(name));
        return std::nullopt;
    }
    return std::string(*bytes);
}

bool Win32Resources::WriteToFile(std::u16string_view name, std::u16string_view path) {
    std::optional<std::string_view> bytes = Locate(name);
    const bool ok = bytes && WriteWholeFile(Wide(path), bytes->data(), bytes->size());
    log_.Log(u"Resources: write " + std::u16string(name) + u" to " + std::u16string(path) +
             (ok ? u" (" + DecimalText(bytes->size()) + u" bytes)"
                 : std::u16string(bytes ? u" failed" : u": no such resource")));
    return ok;
}

}  // namespace platform::win32
