#pragma once

#include <windows.h>

namespace platform::win32 {

// The address of a function of a system DLL, loaded from the system folder on the first call and kept for the
// life of the process; nullptr when the DLL or the function is missing. The window's DLLs (Direct2D, Direct3D,
// DirectWrite, the common controls, the multimedia timer) come in this way, when the window needs them, rather
// than as imports: a process that never shows a window (the silent installation) spares their loading and start.
FARPROC SystemProcedure(const wchar_t* library, const char* name);

// SystemProcedure as a function pointer of the given type.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProcedure(library, name)));
}

}  // namespace platform::win32
