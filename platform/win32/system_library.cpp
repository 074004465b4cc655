#include "platform/win32/system_library.h"

namespace platform::win32 {

FARPROC SystemProcedure(const wchar_t* library, const char* name) {
    // A module loaded here is never freed: the functions handed out stay valid as long as the process.
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

}  // namespace platform::win32
