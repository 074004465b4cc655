#pragma once

#include <string>

#include "app/setup_state.h"
#include "app/system_services.h"

// The identity values in the registry and the registered earlier installation.
namespace app {

// Install and update mode: opens (creating it) the product key; takes a stored non-empty "uuid" as it is, or
// makes a new GUID and writes it; writes "fl" = ChannelTag only when "fl" is missing and the tag is not empty.
// An unopenable key leaves InstallId empty and writes nothing.
void LoadInstallIdentity(TSetupState& state, SetupServices& services);

// Uninstall mode: reads "uuid" into InstallId and "fl" into ChannelTag from the product key, creating and
// writing nothing. Missing values leave the fields as they are.
void ReadStoredIdentity(TSetupState& state, SetupServices& services);

// The earlier installation's uninstaller as registered in "UninstallString" (quoted or not), unquoted; empty
// when none is registered.
std::u16string ReadRegisteredUninstaller(SetupServices& services);

}  // namespace app
