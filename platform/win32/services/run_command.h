#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/system_services.h"

namespace platform::win32 {

// Runs one command line as a hidden child process with a new console in the request's folder, collects what
// it writes to standard output and standard error, optionally stops it after the time limit, and hands back
// the decoded text and the exit code. Blocks the calling thread until the child has ended or has been stopped.
// With a time limit, the child is terminated once more than that many whole seconds of the local clock have
// passed since its start. The pipe is polled every 100 ms and read only as far as it holds data, so no read
// can wait past the limit. Failures are logged and never raised.
app::CommandResult RunCommand(const app::CommandRequest& request, app::ISetupLog* log = nullptr);

class Win32Processes final : public app::IProcesses {
public:
    explicit Win32Processes(app::ISetupLog& log) : log_(log) {}

    app::CommandResult RunCommand(const app::CommandRequest& request) override {
        return platform::win32::RunCommand(request, &log_);
    }

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
