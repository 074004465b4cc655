#pragma once

#include <string_view>

// The registry keys of the product, below HKEY_CURRENT_USER.
namespace app {

// Per-user identity: values "uuid" and "fl". Survives an uninstallation.
inline constexpr std::u16string_view kProductKey = u"Software\\Velnix";
// The entry in the list of installed programs.
inline constexpr std::u16string_view kUninstallKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velnix";

}  // namespace app
