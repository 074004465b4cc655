#pragma once

#include "app/debug_log_sink.h"
#include "app/system_services.h"
#include "platform/win32/https/win_http_client.h"
#include "platform/win32/services/app_quit_channel.h"
#include "platform/win32/services/process_context.h"
#include "platform/win32/services/run_command.h"
#include "platform/win32/services/thread_pool.h"
#include "platform/win32/services/win_crypto.h"
#include "platform/win32/services/win_dialogs.h"
#include "platform/win32/services/win_file_system.h"
#include "platform/win32/services/win_guid.h"
#include "platform/win32/services/win_registry.h"
#include "platform/win32/services/win_resources.h"
#include "platform/win32/services/win_shell.h"

namespace platform::win32 {

// The real system behind app::SetupServices. One instance lives as long as the process (the sequences' pool
// tasks borrow it); the window sets itself as the owner of the message box once it exists.
class Win32SetupServices {
public:
    explicit Win32SetupServices(app::SetupSettings settings, void* ownerWindow = nullptr);
    Win32SetupServices(const Win32SetupServices&) = delete;
    Win32SetupServices& operator=(const Win32SetupServices&) = delete;

    app::SetupServices& Services() { return services_; }
    Win32Dialogs& Dialogs() { return dialogs_; }
    Win32ProcessContext& Process() { return process_; }

private:
    app::DebugLogSink log_;
    Win32Registry registry_{log_};
    Win32FileSystem files_{log_};
    Win32Shell shell_{log_};
    Win32Processes processes_{log_};
    WinHttpClient http_{log_};
    BCryptSha1 crypto_{log_};
    Win32GuidSource guids_{log_};
    Win32Dialogs dialogs_;
    Win32AppQuitChannel appQuit_{log_};
    Win32Resources resources_{log_};
    Win32ThreadPool pool_{log_};
    Win32ProcessContext process_{log_};
    app::SetupServices services_;
};

}  // namespace platform::win32
