#pragma once

#include <string_view>

#include "app/system_services.h"

namespace app {

// The setup sequences' log lines go, as they are, to the program's one log (platform/log.h): the debugger
// output and, when the skin library's log file is switched on, that file. The log keeps lines from the pool
// threads whole.
class DebugLogSink final : public ISetupLog {
public:
    void Log(std::u16string_view line) override;
};

}  // namespace app
