#include "platform/win32/win_dialogs.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

bool Win32Dialogs::AskYesNo(std::u16string_view text, std::u16string_view caption) {
    return MessageBoxW(static_cast<HWND>(ownerWindow_), Wide(text).c_str(), Wide(caption).c_str(), MB_YESNO) == IDYES;
}

}  // namespace platform::win32
