#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/system_services.h"

namespace platform::win32 {

// Runs one command line as a hidden child process with a new console, collects what it writes to standard
// output and standard error, optionally stops it after a time limit, and hands back the text and exit code.
// Blocks the calling thread until the child has ended or has been stopped.
//   commandLine       the complete command line, program included; quoting is the caller's
//   exitCode          the child's exit code as the system reports it at the end; untouched when it never started
//   workDir           the child's current folder
//   useUtf8           decode the output as UTF-8, otherwise with the ANSI code page
//   timeLimitSeconds  0 or less: no limit; otherwise the child is terminated once more than this many whole
//                     seconds of the local clock have passed since its start
//   output            the decoded output; empty when nothing came or it could not be decoded
// The pipe is polled every 100 ms and read only as far as it holds data, so no read can wait past the limit.
// Failures are logged and never raised.
void RunCommand(std::u16string_view commandLine, uint32_t& exitCode, std::u16string_view workDir, bool useUtf8,
                int32_t timeLimitSeconds, std::u16string& output, app::ISetupLog* log = nullptr);

class Win32Processes final : public app::IProcesses {
public:
    explicit Win32Processes(app::ISetupLog& log) : log_(log) {}

    void RunCommand(std::u16string_view commandLine, uint32_t& exitCode, std::u16string_view workDir, bool useUtf8,
                    int32_t timeLimitSeconds, std::u16string& output) override {
        platform::win32::RunCommand(commandLine, exitCode, workDir, useUtf8, timeLimitSeconds, output, &log_);
    }

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
