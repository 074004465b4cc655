#include "app/install_identity.h"

#include "app/path_text.h"
#include "app/registry_keys.h"

namespace app {

namespace {

// A new GUID written to "uuid"; InstallId stays empty when none can be made.
void CreateInstallId(TSetupState& state, IRegistryKey& key, SetupServices& services) {
    std::optional<std::u16string> guid = services.Guids.NewGuidText();
    if (!guid || guid->empty()) {
        services.Log.Log(u"Setup: no GUID could be created for uuid");
        return;
    }
    state.InstallId = *guid;
    if (!key.WriteString(u"uuid", state.InstallId)) services.Log.Log(u"Setup: writing uuid failed");
}

}  // namespace

void LoadInstallIdentity(TSetupState& state, SetupServices& services) {
    std::unique_ptr<IRegistryKey> key = services.Registry.OpenKey(kProductKey, KeyAccess::OpenOrCreate);
    if (!key) {
        services.Log.Log(u"Setup: the product key cannot be opened");
        return;
    }
    // A value of another type than text counts as missing and is replaced.
    std::optional<std::u16string> stored = key->ReadString(u"uuid");
    if (stored && !stored->empty()) {
        state.InstallId = *stored;
    } else {
        CreateInstallId(state, *key, services);
    }
    if (!key->HasValue(u"fl") && !state.ChannelTag.empty()) {
        if (!key->WriteString(u"fl", state.ChannelTag)) services.Log.Log(u"Setup: writing fl failed");
    }
}

void ReadStoredIdentity(TSetupState& state, SetupServices& services) {
    std::unique_ptr<IRegistryKey> key = services.Registry.OpenKey(kProductKey, KeyAccess::ReadOnly);
    if (!key) {
        services.Log.Log(u"Setup: no product key to read the identity from");
        return;
    }
    if (std::optional<std::u16string> uuid = key->ReadString(u"uuid")) state.InstallId = *uuid;
    if (std::optional<std::u16string> fl = key->ReadString(u"fl")) state.ChannelTag = *fl;
}

std::u16string ReadRegisteredUninstaller(SetupServices& services) {
    std::unique_ptr<IRegistryKey> key = services.Registry.OpenKey(kUninstallKey, KeyAccess::ReadOnly);
    if (!key) return {};
    std::optional<std::u16string> value = key->ReadString(u"UninstallString");
    if (!value) return {};
    // Earlier versions wrote the path without quotes; this one writes it quoted.
    return UnquotePath(*value);
}

}  // namespace app
