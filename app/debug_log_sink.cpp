#include "app/debug_log_sink.h"

#include "skin/core/base_log.h"

namespace app {

void DebugLogSink::Log(std::u16string_view line) {
    std::lock_guard lock(mutex_);
    skin::DebugLog(line);
}

}  // namespace app
