#pragma once

#include <mutex>
#include <string_view>

#include "app/system_services.h"

namespace app {

// The setup sequences' log lines go to the skin library's DebugLog (debugger output and, when switched on,
// its daily log file). The log itself is made for one thread; the sink serialises the pool threads' lines.
class DebugLogSink final : public ISetupLog {
public:
    void Log(std::u16string_view line) override;

private:
    std::mutex mutex_;
};

}  // namespace app
