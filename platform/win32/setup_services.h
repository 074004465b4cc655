#pragma once

#include "app/debug_log_sink.h"
#include "app/system_services.h"
#include "platform/win32/app_quit_channel.h"
#include "platform/win32/process_context.h"
#include "platform/win32/run_command.h"
#include "platform/win32/thread_pool.h"
#include "platform/win32/win_crypto.h"
#include "platform/win32/win_dialogs.h"
#include "platform/win32/win_file_system.h"
#include "platform/win32/win_guid.h"
#include "platform/win32/win_http_client.h"
#include "platform/win32/win_registry.h"
#include "platform/win32/win_resources.h"
#include "platform/win32/win_shell.h"

namespace platform::win32 {

// The real system behind app::TSetupServices. One instance lives as long as the process (the sequences' pool
// tasks borrow it); the window sets itself as the owner of the message box once it exists.
class TWin32SetupServices {
public:
    explicit TWin32SetupServices(app::TSetupSettings settings, void* ownerWindow = nullptr);
    TWin32SetupServices(const TWin32SetupServices&) = delete;
    TWin32SetupServices& operator=(const TWin32SetupServices&) = delete;

    app::TSetupServices& Services() { return services_; }
    TWin32Dialogs& Dialogs() { return dialogs_; }

private:
    app::TDebugLogSink log_;
    TWin32Registry registry_{log_};
    TWin32FileSystem files_{log_};
    TWin32Shell shell_{log_};
    TWin32Processes processes_{log_};
    TWinHttpClient http_{log_};
    TBCryptSha1 crypto_{log_};
    TWin32GuidSource guids_{log_};
    TWin32Dialogs dialogs_;
    TWin32AppQuitChannel appQuit_{log_};
    TWin32Resources resources_{log_};
    TWin32ThreadPool pool_{log_};
    TWin32ProcessContext process_{log_};
    app::TSetupServices services_;
};

}  // namespace platform::win32
