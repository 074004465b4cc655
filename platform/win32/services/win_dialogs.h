#pragma once

#include <string>
#include <string_view>

#include "app/system_services.h"

namespace platform::win32 {

// MessageBoxW, owned by a window of the caller's (an HWND; nullptr for none).
class Win32Dialogs final : public app::IDialogs {
public:
    explicit Win32Dialogs(void* ownerWindow = nullptr) : ownerWindow_(ownerWindow) {}
    void SetOwnerWindow(void* ownerWindow) { ownerWindow_ = ownerWindow; }
    bool AskYesNo(std::u16string_view text, std::u16string_view caption) override;

private:
    void* ownerWindow_;
};

// The system's folder picker (IFileOpenDialog with exactly FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM |
// FOS_PATHMUSTEXIST | FOS_NOREADONLYRETURN), modal over the owner window (an HWND; nullptr for none), with the
// title. The chosen folder's file-system path; empty when the user cancelled, on systems before Windows Vista
// and when the dialog cannot be shown (logged to the debugger output). Needs COM on the calling thread.
std::u16string PickFolder(void* ownerWindow, std::u16string_view title);

}  // namespace platform::win32
