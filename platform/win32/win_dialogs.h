#pragma once

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

}  // namespace platform::win32
