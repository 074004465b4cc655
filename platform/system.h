#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The few operating-system services the portable code uses directly. platform/win32/ implements them with the
// Win32 API; platform/posix/ gives the host build equivalents for its tests.
namespace platform {

// A local wall-clock date and time, to the millisecond.
struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Passes a line to the debugger output (OutputDebugStringW; standard error on the host). Never throws. Code
// writes its diagnostic lines to the log (platform/log.h), whose sinks end here.
void OutputDebugText(std::u16string_view text) noexcept;

// Full path of the running executable.
std::filesystem::path ExecutablePath();

// The text in the system's ANSI code page (UTF-8 on the host); unmappable characters become '?'.
std::string ToAnsiCodePage(std::u16string_view text);

// The current local date and time.
LocalDateTime LocalNow();

}  // namespace platform
