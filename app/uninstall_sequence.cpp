#include "app/uninstall_sequence.h"

#include <string>

#include "app/command_line.h"
#include "app/install_identity.h"
#include "app/path_text.h"
#include "app/registry_keys.h"
#include "app/self_removal.h"
#include "app/usage_report.h"

namespace app {

namespace {

// taskkill.exe is run by its full path in the system folder: by its bare name the system would look for it in
// the uninstaller's own folder first, which may be one the user (or anyone) can write to.
void RunTaskkill(SetupServices& services, const std::u16string& taskkill, std::u16string_view imageName,
                 const std::u16string& folder) {
    services.Processes.RunCommand({.CommandLine = Quoted(taskkill) + u" /f /im " + std::u16string(imageName),
                                   .WorkDir = folder,
                                   .Encoding = OutputEncoding::AnsiCodePage});
}

void EndApplicationProcesses(SetupServices& services, const std::u16string& folder) {
    const std::optional<std::u16string> systemFolder = services.Shell.FolderPath(ShellFolder::System);
    if (!systemFolder || systemFolder->empty()) {
        services.Log.Log(u"Setup: the system folder is unknown, so taskkill.exe is not run");
        return;
    }
    const std::u16string taskkill = WithTrailingBackslash(*systemFolder) + u"taskkill.exe";
    for (int round = 0; round < 2; ++round) {
        RunTaskkill(services, taskkill, u"Velnix.exe", folder);
        RunTaskkill(services, taskkill, u"vlxd.exe", folder);
        services.Process.Sleep(500);
    }
}

// Deletes the file when a file of that name exists; a failure is logged and left at that.
void DeleteFileIfPresent(SetupServices& services, const std::u16string& path) {
    if (!services.Files.FileExists(path)) return;
    if (!services.Files.RemoveFile(path)) services.Log.Log(u"Setup: cannot delete " + path);
}

void DeleteInstalledFiles(SetupServices& services, const std::u16string& folder) {
    for (const std::u16string_view name : kInstalledFiles) DeleteFileIfPresent(services, folder + std::u16string(name));
    const std::u16string langFolder = folder + u"lang\\";
    for (const std::u16string_view language : kLanguageFiles) {
        DeleteFileIfPresent(services, langFolder + std::u16string(language) + u".lang");
    }
    const std::u16string lang = folder + u"lang";
    if (services.Files.DirectoryExists(lang) && services.Files.IsDirectoryEmpty(lang) &&
        !services.Files.RemoveEmptyDirectory(lang)) {
        services.Log.Log(u"Setup: cannot remove " + lang);
    }
    for (const std::u16string_view name : kRemovedFolders) {
        const std::u16string path = folder + std::u16string(name);
        if (services.Files.DirectoryExists(path) && !services.Files.DeleteTree(path)) {
            services.Log.Log(u"Setup: cannot remove all of " + path);
        }
    }
}

void DeleteShortcuts(SetupServices& services) {
    if (std::optional<std::u16string> desktop = services.Shell.FolderPath(ShellFolder::Desktop)) {
        DeleteFileIfPresent(services, *desktop + u"\\Velnix.lnk");
    }
    if (std::optional<std::u16string> appData = services.Shell.FolderPath(ShellFolder::RoamingAppData)) {
        DeleteFileIfPresent(services, *appData + u"\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk");
    }
}

}  // namespace

void AskAppToQuit(SetupServices& services) {
    for (int attempt = 0; attempt < kQuitRequestAttempts; ++attempt) {
        const QuitRequestResult result =
            services.AppQuit.RequestQuit(kAppMappingName, kQuitMessage, kQuitRequestTimeoutMs);
        if (result == QuitRequestResult::NoApplication) return;
        if (result == QuitRequestResult::ViewUnavailable) {
            services.Log.Log(u"Setup: the application's mapping cannot be read");
            return;
        }
        if (result == QuitRequestResult::NotDelivered) {
            services.Log.Log(u"Setup: the application does not answer the quit request");
            return;
        }
        services.Process.Sleep(kQuitRequestPauseMs);
    }
    services.Log.Log(u"Setup: the application did not quit when asked");
}

void RunUninstall(TSetupState& state, SetupServices& services) {
    // "update": the newer installer's removal, silent and unreported. "/S": a deployment tool's removal, silent
    // and reported like one the user confirmed.
    const bool update = services.Process.FirstArgument() == u"update";
    const bool silent = update || ParseSetupSwitches(services.Process.CommandLine()).Silent;
    if (!silent && !services.Dialogs.AskYesNo(u"Uninstall Velnix?", u"Velnix")) {
        services.Process.EndProcess(0);
        return;
    }
    ReadStoredIdentity(state, services);
    if (!update) StartUsageReport(ReportKind::Uninstall, state, services);

    const std::u16string folder(FolderOf(services.Process.ExecutablePath()));
    services.Log.Log(u"Setup: uninstalling " + folder);
    AskAppToQuit(services);
    EndApplicationProcesses(services, folder);
    // Without a folder the names would be taken relative to the current folder: delete nothing then.
    if (!folder.empty()) {
        DeleteInstalledFiles(services, folder);
    } else {
        services.Log.Log(u"Setup: the installation folder is unknown");
    }
    DeleteShortcuts(services);
    if (!services.Registry.DeleteKey(kUninstallKey)) services.Log.Log(u"Setup: no uninstall entry was deleted");
    // The script starts once nothing keeps the process from ending, so its tries are not spent on a file still
    // locked by the wait for the report.
    WaitForUsageReports(services);
    ScheduleSelfRemoval(services);
    services.Process.EndProcess(0);
}

}  // namespace app
