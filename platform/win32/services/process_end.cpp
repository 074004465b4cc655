#include "platform/win32/services/process_end.h"

#include <windows.h>

#include <string>

#include "platform/log.h"

namespace platform::win32 {

void EndProcessNow(uint32_t exitCode) {
    TerminateProcess(GetCurrentProcess(), exitCode);
    // Only reached when the system refused to end the process (it ends the calling thread too otherwise).
    const DWORD error = GetLastError();
    const std::string text = "TerminateProcess failed with error " + std::to_string(error) + "; ExitProcess follows";
    platform::Log(u"Process", std::u16string(text.begin(), text.end()));
    ExitProcess(exitCode);
}

}  // namespace platform::win32
