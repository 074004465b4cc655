#include "platform/win32/services/win_dialogs.h"

#include <windows.h>

#include <shobjidl.h>
#include <versionhelpers.h>
#include <wrl/client.h>

#include "platform/log.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

bool Win32Dialogs::AskYesNo(std::u16string_view text, std::u16string_view caption) {
    return MessageBoxW(static_cast<HWND>(ownerWindow_), Wide(text).c_str(), Wide(caption).c_str(), MB_YESNO) == IDYES;
}

namespace {

std::u16string HresultText(HRESULT result) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text = u"0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(static_cast<unsigned long>(result) >> shift) & 0xF];
    return text;
}

std::u16string FolderPickerFailed(std::u16string_view step, HRESULT result) {
    platform::Log(u"Folder picker", std::u16string(step) + u" failed with " + HresultText(result));
    return {};
}

}  // namespace

std::u16string PickFolder(void* ownerWindow, std::u16string_view title) {
    if (!IsWindowsVistaOrGreater()) return {};
    Microsoft::WRL::ComPtr<IFileOpenDialog> dialog;
    HRESULT result = CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(dialog.ReleaseAndGetAddressOf()));
    if (FAILED(result)) return FolderPickerFailed(u"creating the dialog", result);
    // Exactly these options, replacing the dialog's defaults (0x8860).
    result = dialog->SetOptions(FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOREADONLYRETURN);
    if (FAILED(result)) return FolderPickerFailed(u"setting the options", result);
    result = dialog->SetTitle(Wide(title).c_str());
    if (FAILED(result)) return FolderPickerFailed(u"setting the title", result);
    result = dialog->Show(static_cast<HWND>(ownerWindow));
    if (result == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return {};
    if (FAILED(result)) return FolderPickerFailed(u"showing the dialog", result);
    Microsoft::WRL::ComPtr<IShellItem> item;
    result = dialog->GetResult(item.ReleaseAndGetAddressOf());
    if (FAILED(result)) return FolderPickerFailed(u"taking the choice", result);
    PWSTR path = nullptr;
    result = item->GetDisplayName(SIGDN_FILESYSPATH, &path);
    if (FAILED(result) || path == nullptr) return FolderPickerFailed(u"reading the folder's path", result);
    std::u16string folder = FromWide(path, wcslen(path));
    CoTaskMemFree(path);
    return folder;
}

}  // namespace platform::win32
