#pragma once

#include <cstdint>

#include "platform/system.h"

namespace app {

// Whole seconds from 1970-01-01 00:00:00 to the given local wall-clock date and time, taken as if it were UTC
// (no time-zone conversion, so the result differs from true Unix time by the local offset).
int64_t LocalUnixSecondsOf(const platform::LocalDateTime& time);

// LocalUnixSecondsOf the current local date and time.
int64_t LocalUnixSeconds();

}  // namespace app
