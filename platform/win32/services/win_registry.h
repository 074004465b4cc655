#pragma once

#include <memory>
#include <string_view>

#include "app/system_services.h"

namespace platform::win32 {

// HKEY_CURRENT_USER with KEY_ALL_ACCESS | KEY_WOW64_64KEY; values are REG_SZ.
class Win32Registry final : public app::IRegistry {
public:
    explicit Win32Registry(app::ISetupLog& log) : log_(log) {}

    std::unique_ptr<app::IRegistryKey> OpenKey(std::u16string_view subKey, app::KeyAccess access) override;
    bool DeleteKey(std::u16string_view subKey) override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
