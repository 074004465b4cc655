#include "platform/win32/graphics/program_resource.h"

#include <windows.h>

#include <string>

namespace platform::win32 {

std::span<const std::byte> FindProgramResource(std::u16string_view name) {
    if (name.empty()) return {};
    const std::wstring wide(name.begin(), name.end());
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, wide.c_str(), RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::byte*>(data), size};
}

}  // namespace platform::win32
