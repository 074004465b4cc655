#include "platform/win32/services/win_shell.h"

#include <windows.h>

#include <wrl/client.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/services/com_scope.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

std::u16string HexResult(HRESULT result) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string text = u"0x";
    const auto value = static_cast<unsigned long>(result);
    for (int shift = 28; shift >= 0; shift -= 4) text.push_back(kHex[(value >> shift) & 0xF]);
    return text;
}

app::DriveType DriveTypeOf(UINT type) {
    switch (type) {
        case DRIVE_NO_ROOT_DIR:
            return app::DriveType::NoRootDir;
        case DRIVE_REMOVABLE:
            return app::DriveType::Removable;
        case DRIVE_FIXED:
            return app::DriveType::Fixed;
        case DRIVE_REMOTE:
            return app::DriveType::Remote;
        case DRIVE_CDROM:
            return app::DriveType::CdRom;
        case DRIVE_RAMDISK:
            return app::DriveType::RamDisk;
        default:
            return app::DriveType::Unknown;
    }
}

}  // namespace

std::optional<std::u16string> Win32Shell::FolderPath(app::ShellFolder folder) {
    const int csidl = folder == app::ShellFolder::Desktop          ? CSIDL_DESKTOP
                      : folder == app::ShellFolder::RoamingAppData ? CSIDL_APPDATA
                                                                   : CSIDL_SYSTEM;
    wchar_t path[MAX_PATH] = {};
    const HRESULT result = SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    if (FAILED(result)) {
        log_.Log(u"Shell: no folder for CSIDL " + DecimalText(static_cast<unsigned>(csidl)) + u": " +
                 HexResult(result));
        return std::nullopt;
    }
    std::u16string text = FromWide(path, wcslen(path));
    while (text.size() > 3 && text.back() == u'\\') text.pop_back();
    return text;
}

std::vector<app::DriveRoot> Win32Shell::LogicalDrives() {
    std::vector<app::DriveRoot> drives;
    const DWORD mask = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(mask & (1u << letter))) continue;
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + letter), L':', L'\\', L'\0'};
        drives.push_back({FromWide(root, 3), DriveTypeOf(GetDriveTypeW(root))});
    }
    return drives;
}

bool Win32Shell::Open(std::u16string_view path, app::Visibility visibility) {
    const std::wstring file = Wide(path);
    const int show = visibility == app::Visibility::Shown ? SW_SHOW : SW_HIDE;
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, show));
    const bool ok = result > 32;
    log_.Log(u"Shell: open " + std::u16string(path) +
             (ok ? u"" : u" failed (" + DecimalText(static_cast<unsigned long long>(result)) + u")"));
    return ok;
}

bool Win32Shell::SaveShortcut(std::u16string_view linkPath, std::u16string_view target, std::u16string_view workDir) {
    ComScope com;
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(link.ReleaseAndGetAddressOf()));
    if (SUCCEEDED(result)) result = link->SetPath(Wide(target).c_str());
    if (SUCCEEDED(result)) result = link->SetWorkingDirectory(Wide(workDir).c_str());
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (SUCCEEDED(result))
        result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.ReleaseAndGetAddressOf()));
    // FALSE: the saved file does not become the link object's current file.
    if (SUCCEEDED(result)) result = file->Save(Wide(linkPath).c_str(), FALSE);
    log_.Log(u"Shell: shortcut " + std::u16string(linkPath) + u" -> " + std::u16string(target) +
             (SUCCEEDED(result) ? u"" : u" failed " + HexResult(result)));
    return SUCCEEDED(result);
}

}  // namespace platform::win32
