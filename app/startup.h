#pragma once

#include <string>
#include <vector>

#include "app/setup_mode.h"
#include "app/setup_state.h"
#include "app/system_services.h"

namespace app {

// What the window's creation handler does with the result of StartUp.
struct StartupDecision {
    SetupMode Mode = SetupMode::Install;
    // Install and update mode: the window caption ("Install Velnix" / "Update Velnix").
    std::u16string WindowCaption;
    // Update mode: "Update Now" for InstallButton; empty keeps the stored caption.
    std::u16string InstallButtonCaption;
    // Install mode shows CustomInstallSwitch and CustomInstallLabel; update mode hides them.
    bool ShowCustomInstall = true;
    // Update mode replaces the intro timeline by the short one (every intro animation without delay, 2 s).
    bool ShortIntro = false;
    // Install mode: the entries of DriveComboBox and the one to select (-1: none).
    std::vector<std::u16string> Folders;
    int SelectedFolder = -1;
};

// Reads the resource "ver" into SetupVersion; a missing resource leaves it empty.
void ReadSetupVersion(TSetupState& state, SetupServices& services);

// The default target folder: the roaming application-data folder followed by "\Velnix"; empty when the shell
// does not know that folder.
std::u16string DefaultInstallFolder(SetupServices& services);

// The window creation handler's work before the window is shown, in its order: the version text, the mode
// decision (uninstall mode stops here: the caller runs RunUninstall), the channel tag, the identity in the
// registry, the registered earlier installation (update mode, InstallDir = its uninstaller) and the folder
// list. Creating OperateAni and applying the decision to the window are the window's part.
StartupDecision StartUp(TSetupState& state, SetupServices& services);

}  // namespace app
