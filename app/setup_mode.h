#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace app {

enum class SetupMode {
    Install,    // no earlier installation is registered
    Update,     // an earlier installation's uninstaller is registered
    Uninstall,  // the executable runs as "Uninstall.exe"
};

// Whether the executable's own file name (no folder) selects uninstall mode: equal to "Uninstall.exe" once
// both are lower-cased with lowerCase (the system locale's linguistic lower-casing).
bool IsUninstallerFileName(std::u16string_view fileName,
                           const std::function<std::u16string(std::u16string_view)>& lowerCase);

// The channel tag carried by the executable's name: the file name without its last extension, from after its
// first '.'; empty when it has none. "setup.web.exe" gives "web", "setup.a.b.exe" "a.b", "setup..exe" "".
std::u16string ChannelTagFromPath(std::u16string_view executablePath);

}  // namespace app
