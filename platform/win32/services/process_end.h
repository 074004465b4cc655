#pragma once

#include <cstdint>

namespace platform::win32 {

// Ends the running process at once with the exit code: every thread stops where it is, no window is closed, and
// no DLL detach code, static destructor or atexit handler runs (TerminateProcess on the process itself rather
// than ExitProcess). Whatever must reach a file has to be written through to the system before the call. Does
// not return.
[[noreturn]] void EndProcessNow(uint32_t exitCode);

}  // namespace platform::win32
