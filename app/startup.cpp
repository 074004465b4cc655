#include "app/startup.h"

#include "app/folder_list.h"
#include "app/install_identity.h"
#include "app/path_text.h"
#include "ui/text.h"

namespace app {

void ReadSetupVersion(TSetupState& state, SetupServices& services) {
    std::optional<std::string> bytes = services.Resources.Read(u"ver");
    if (!bytes) {
        services.Log.Log(u"Setup: no version resource");
        return;
    }
    state.SetupVersion = ui::Utf8ToUtf16(*bytes);
}

std::u16string DefaultInstallFolder(SetupServices& services) {
    std::optional<std::u16string> appData = services.Shell.FolderPath(ShellFolder::RoamingAppData);
    if (!appData || appData->empty()) {
        services.Log.Log(u"Setup: the application-data folder is unknown");
        return {};
    }
    return *appData + u"\\Velnix";
}

StartupDecision StartUp(TSetupState& state, SetupServices& services) {
    StartupDecision decision;
    ReadSetupVersion(state, services);

    const std::u16string executable = services.Process.ExecutablePath();
    const auto lowerCase = [&services](std::u16string_view text) { return services.Process.LowerCase(text); };
    if (IsUninstallerFileName(FileNameOf(executable), lowerCase)) {
        decision.Mode = SetupMode::Uninstall;
        return decision;
    }

    state.ChannelTag = ChannelTagFromPath(executable);
    LoadInstallIdentity(state, services);
    state.InstallDir = ReadRegisteredUninstaller(services);

    if (!state.InstallDir.empty()) {
        services.Log.Log(u"Setup: update of the installation of " + state.InstallDir);
        decision.Mode = SetupMode::Update;
        decision.WindowCaption = u"Update Velnix";
        decision.InstallButtonCaption = u"Update Now";
        decision.ShowCustomInstall = false;
        decision.ShortIntro = true;
        return decision;
    }

    decision.Mode = SetupMode::Install;
    decision.WindowCaption = u"Install Velnix";
    decision.Folders = BuildFolderList(DefaultInstallFolder(services), services.Shell.LogicalDrives());
    if (!decision.Folders.empty()) decision.SelectedFolder = 0;
    return decision;
}

}  // namespace app
