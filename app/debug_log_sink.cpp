#include "app/debug_log_sink.h"

#include "platform/log.h"

namespace app {

void DebugLogSink::Log(std::u16string_view line) { platform::LogLine(line); }

}  // namespace app
