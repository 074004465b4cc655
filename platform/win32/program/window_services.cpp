#include "platform/win32/program/window_services.h"

#include "platform/win32/services/main_thread_invoker.h"
#include "platform/win32/services/process_end.h"
#include "platform/win32/services/win_dialogs.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

std::u16string Win32WindowServices::PickFolder(std::u16string_view title) {
    return platform::win32::PickFolder(owner_, title);
}

void Win32WindowServices::RunOnMainThread(const std::function<void()>& function) { invoker_.InvokeAndWait(function); }

void Win32WindowServices::HideWindow() {
    if (owner_ == nullptr) {
        log_.Log(u"Window: no window to hide");
        return;
    }
    ShowWindow(owner_, SW_HIDE);
    log_.Log(u"Window: hidden");
}

void Win32WindowServices::EndProcess(uint32_t exitCode) {
    log_.Log(u"Window: the process ends with exit code " + DecimalText(exitCode));
    EndProcessNow(exitCode);
}

}  // namespace platform::win32
