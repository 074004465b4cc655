#pragma once

#include "app/system_services.h"

namespace app {

// The statistics server and publisher address this build was configured with (CMake options
// VELNIX_STATS_BASE_URL and VELNIX_PUBLISHER).
SetupSettings BuildSettings();

}  // namespace app
