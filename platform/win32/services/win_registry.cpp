#include "platform/win32/services/win_registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

constexpr REGSAM kFullAccess = KEY_ALL_ACCESS | KEY_WOW64_64KEY;

class Win32RegistryKey final : public app::IRegistryKey {
public:
    Win32RegistryKey(HKEY key, std::u16string path, app::ISetupLog& log)
        : key_(key), path_(std::move(path)), log_(log) {}
    Win32RegistryKey(const Win32RegistryKey&) = delete;
    Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;
    ~Win32RegistryKey() override { RegCloseKey(key_); }

    bool HasValue(std::u16string_view name) override {
        const std::wstring wideName = Wide(name);
        return RegQueryValueExW(key_, wideName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    std::optional<std::u16string> ReadString(std::u16string_view name) override {
        const std::wstring wideName = Wide(name);
        DWORD type = 0;
        DWORD size = 0;
        LSTATUS status = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size);
        for (int attempt = 0; attempt < 4 && status == ERROR_SUCCESS; ++attempt) {
            if (type != REG_SZ && type != REG_EXPAND_SZ) {
                log_.Log(u"Registry: " + path_ + u"\\" + std::u16string(name) + u" is not a string value");
                return std::nullopt;
            }
            std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
            DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
            status = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                      &bytes);
            if (status == ERROR_MORE_DATA) {
                size = bytes;
                status = ERROR_SUCCESS;
                continue;
            }
            if (status != ERROR_SUCCESS) break;
            // The stored text need not end with a null character, and may hold one before its end.
            const size_t units = bytes / sizeof(wchar_t);
            size_t length = 0;
            while (length < units && buffer[length] != L'\0') ++length;
            return FromWide(buffer.data(), length);
        }
        return std::nullopt;
    }

    bool WriteString(std::u16string_view name, std::u16string_view value) override {
        const std::wstring wideName = Wide(name);
        const std::wstring wideValue = Wide(value);
        const LSTATUS status =
            RegSetValueExW(key_, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wideValue.c_str()),
                           static_cast<DWORD>((wideValue.size() + 1) * sizeof(wchar_t)));
        log_.Log(u"Registry: set " + path_ + u"\\" + std::u16string(name) + u" = " + std::u16string(value) +
                 (status == ERROR_SUCCESS ? u"" : u" failed " + DecimalText(status)));
        return status == ERROR_SUCCESS;
    }

private:
    HKEY key_;
    std::u16string path_;
    app::ISetupLog& log_;
};

}  // namespace

std::unique_ptr<app::IRegistryKey> Win32Registry::OpenKey(std::u16string_view subKey, app::KeyAccess access) {
    const std::wstring path = Wide(subKey);
    HKEY key = nullptr;
    LSTATUS status = ERROR_SUCCESS;
    if (access == app::KeyAccess::OpenOrCreate) {
        status = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kFullAccess,
                                 nullptr, &key, nullptr);
    } else {
        status = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, kFullAccess, &key);
        // A key the user may only read is still read.
        if (status == ERROR_ACCESS_DENIED) {
            status = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key);
        }
    }
    if (status != ERROR_SUCCESS) {
        if (status != ERROR_FILE_NOT_FOUND || access == app::KeyAccess::OpenOrCreate) {
            log_.Log(u"Registry: cannot open HKCU\\" + std::u16string(subKey) + u": " + DecimalText(status));
        }
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(key, u"HKCU\\" + std::u16string(subKey), log_);
}

bool Win32Registry::DeleteKey(std::u16string_view subKey) {
    const size_t separator = subKey.rfind(u'\\');
    if (separator == std::u16string_view::npos) return false;
    const std::wstring parentPath = Wide(subKey.substr(0, separator));
    const std::wstring leaf = Wide(subKey.substr(separator + 1));
    HKEY parent = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, parentPath.c_str(), 0, kFullAccess, &parent);
    if (status == ERROR_SUCCESS) {
        // With a sub-key name, RegDeleteTreeW removes that key too; the second call makes sure of it.
        status = RegDeleteTreeW(parent, leaf.c_str());
        if (status == ERROR_SUCCESS) {
            const LSTATUS rest = RegDeleteKeyExW(parent, leaf.c_str(), KEY_WOW64_64KEY, 0);
            if (rest != ERROR_SUCCESS && rest != ERROR_FILE_NOT_FOUND) status = rest;
        }
        RegCloseKey(parent);
    }
    log_.Log(u"Registry: delete HKCU\\" + std::u16string(subKey) +
             (status == ERROR_SUCCESS ? u"" : u" failed " + DecimalText(status)));
    return status == ERROR_SUCCESS;
}

}  // namespace platform::win32
