#include "platform/system.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "ui/text.h"

namespace platform {

void OutputDebugText(std::u16string_view text) noexcept {
    try {
        const std::string line = ui::Utf16ToUtf8(text);
        std::fprintf(stderr, "%s\n", line.c_str());
    } catch (...) {
        // The debugger output is best effort: a failure there must never reach the caller.
    }
}

std::filesystem::path ExecutablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::string ToAnsiCodePage(std::u16string_view text) { return ui::Utf16ToUtf8(text); }

LocalDateTime LocalNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(now.tv_nsec / 1000000)};
}

}  // namespace platform
