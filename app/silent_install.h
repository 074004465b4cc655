#pragma once

#include <cstdint>

#include "app/command_line.h"
#include "app/setup_state.h"
#include "app/system_services.h"

// The installation without a window, for deployment tools: VelnixSetup.exe /S [/D=<folder>].
namespace app {

// Exit codes of a silent installation.
inline constexpr uint32_t kSilentInstallComplete = 0;
// A step failed (each failure is in the log); what could be done was done.
inline constexpr uint32_t kSilentInstallFailed = 1;
// The command line asks for something that cannot be done (a "/D=" folder that is not a full path); nothing
// was touched.
inline constexpr uint32_t kSilentInstallBadCommandLine = 2;

// Whether the process runs a silent installation: the switch /S, and an own file name that does not select
// uninstall mode (Uninstall.exe /S is the silent removal, see RunUninstall).
bool IsSilentInstall(const SetupSwitches& switches, SetupServices& services);

// The sequence a click on the install button starts, without the window: the version text, the identity, the
// usage report (install or update, by the registered earlier installation), the earlier installation's removal
// in update mode, then the installation into the "/D=" folder when given, otherwise into the default folder
// (the earlier installation's folder in update mode, the first entry of the folder list in install mode). It
// does not start the installed application. It waits a few seconds at most for the report and returns the exit
// code; the caller ends the process with it.
uint32_t RunSilentInstall(TSetupState& state, SetupServices& services, const SetupSwitches& switches);

}  // namespace app
