#pragma once

#include "app/system_services.h"

namespace platform::win32 {

class MainThreadInvoker;

// The running process: its image path and first argument, the system locale's lower-casing, the local clock,
// Sleep, the console code page and the immediate end of the process (EndProcessNow).
class Win32ProcessContext final : public app::IProcessContext {
public:
    explicit Win32ProcessContext(app::ISetupLog& log) : log_(log) {}

    // From now on EndProcess called on another thread has the invoker's thread (the main thread) end the
    // process; the invoker must live as long as the process. Call before any pool task can end the process.
    void EndThrough(MainThreadInvoker& invoker) { endThrough_ = &invoker; }

    std::u16string ExecutablePath() override;
    std::u16string FirstArgument() override;
    std::u16string CommandLine() override;
    std::u16string LowerCase(std::u16string_view text) override;
    int64_t LocalUnixSeconds() override;
    void Sleep(uint32_t milliseconds) override;
    std::optional<std::string> ToConsoleCodePage(std::u16string_view text) override;
    void EndProcess(uint32_t exitCode) override;

private:
    app::ISetupLog& log_;
    MainThreadInvoker* endThrough_ = nullptr;
};

}  // namespace platform::win32
