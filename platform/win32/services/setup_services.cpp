#include "platform/win32/services/setup_services.h"

namespace platform::win32 {

Win32SetupServices::Win32SetupServices(app::SetupSettings settings, void* ownerWindow)
    : dialogs_(ownerWindow),
      services_{
          std::move(settings), log_,  registry_, files_, shell_, processes_, http_, crypto_, guids_, dialogs_, appQuit_,
          resources_,          pool_, process_} {}

}  // namespace platform::win32
