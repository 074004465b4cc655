#include "app/install_worker.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "app/path_text.h"
#include "app/registry_keys.h"
#include "app/self_removal.h"
#include "app/usage_report.h"
#include "ui/text.h"

namespace app {

namespace {

constexpr int32_t kUpdatePreStepTimeLimitSeconds = 15;

void RemoveIfPresent(SetupServices& services, const std::u16string& path, bool& ok) {
    if (!ok || !services.Files.FileExists(path)) return;
    ok = services.Files.RemoveFile(path);
    if (!ok) services.Log.Log(u"Setup: cannot delete " + path);
}

// The copy of the running executable that becomes Uninstall.exe is made in the temporary folder while the
// archive is written and extracted, and moved in place in its turn, so that it costs the installation no time.
// It is transient: when the window is closed or the process ends before it is in place, nothing of it stays.
std::unique_ptr<ITransientCopy> StageUninstaller(SetupServices& services, const std::u16string& tempFolder) {
    std::unique_ptr<ITransientCopy> staged =
        services.Files.StartTransientCopy(services.Process.ExecutablePath(), tempFolder, u"tmp");
    if (!staged) services.Log.Log(u"Setup: the uninstaller is copied after the extraction");
    return staged;
}

// The staged copy as Uninstall.exe; without one (or when it cannot be put in place) a copy of the running
// executable. Whatever became of it, the staged copy is let go.
bool PlaceUninstaller(SetupServices& services, std::unique_ptr<ITransientCopy> staged,
                      const std::u16string& uninstaller) {
    const bool placed = staged && staged->Wait() && staged->KeepAs(uninstaller);
    staged.reset();
    return placed || services.Files.CopyFileNoReplace(services.Process.ExecutablePath(), uninstaller);
}

// Extractor and archive go, each on its own, so that a temporary file held by another program costs the
// installation nothing.
void RemoveTemporaryFiles(SetupServices& services, const std::u16string& extractor, const std::u16string& archive) {
    for (const std::u16string* temporary : {&extractor, &archive}) {
        bool ok = true;
        RemoveIfPresent(services, *temporary, ok);
    }
}

// The temporary files go, then an old Uninstall.exe makes room for the copy of the running executable. Whether an
// Uninstall.exe is in place afterwards.
bool CleanUpAndPlaceUninstaller(SetupServices& services, const std::u16string& extractor, const std::u16string& archive,
                                const std::u16string& uninstaller, std::unique_ptr<ITransientCopy> staged) {
    RemoveTemporaryFiles(services, extractor, archive);
    bool ok = true;
    RemoveIfPresent(services, uninstaller, ok);
    if (!ok) {
        staged.reset();
    } else if (!PlaceUninstaller(services, std::move(staged), uninstaller)) {
        services.Log.Log(u"Setup: cannot copy the uninstaller to " + uninstaller);
    }
    return services.Files.FileExists(uninstaller);
}

// Whether both shortcuts are in place (made now, or there already).
bool CreateShortcuts(SetupServices& services, const std::u16string& installDir) {
    bool complete = true;
    const std::u16string target = installDir + u"Velnix.exe";
    std::optional<std::u16string> folders[2];
    folders[0] = services.Shell.FolderPath(ShellFolder::Desktop);
    if (std::optional<std::u16string> appData = services.Shell.FolderPath(ShellFolder::RoamingAppData)) {
        folders[1] = *appData + u"\\Microsoft\\Windows\\Start Menu\\Programs";
    }
    for (const std::optional<std::u16string>& folder : folders) {
        if (!folder) {
            services.Log.Log(u"Setup: a shortcut folder is unknown");
            complete = false;
            continue;
        }
        const std::u16string link = *folder + u"\\Velnix.lnk";
        // An existing shortcut is left as it is, wherever it points.
        if (services.Files.FileExists(link)) continue;
        if (!services.Shell.SaveShortcut(link, target, installDir)) {
            services.Log.Log(u"Setup: cannot save " + link);
            complete = false;
        }
    }
    return complete;
}

// Whether every value was written.
bool WriteUninstallEntry(TSetupState& state, SetupServices& services) {
    std::unique_ptr<IRegistryKey> key = services.Registry.OpenKey(kUninstallKey, KeyAccess::OpenOrCreate);
    if (!key) {
        services.Log.Log(u"Setup: the uninstall entry cannot be created");
        return false;
    }
    const std::pair<std::u16string_view, std::u16string> values[] = {
        {u"DisplayIcon", state.InstallDir + u"Velnix.exe"},
        {u"DisplayName", u"Velnix"},
        {u"DisplayVersion", state.SetupVersion},
        {u"Publisher", services.Settings.Publisher},
        {u"UninstallString", UninstallCommand(state.InstallDir)},
    };
    bool complete = true;
    for (const auto& [name, value] : values) {
        if (!key->WriteString(name, value)) {
            services.Log.Log(u"Setup: cannot write " + std::u16string(name));
            complete = false;
        }
    }
    return complete;
}

// The log names what went wrong with the extraction.
void LogExtractionFailure(SetupServices& services, const CommandResult& extraction, bool hasApplication,
                          const std::u16string& installDir) {
    if (!extraction.ExitCode) {
        services.Log.Log(u"Setup: the extractor did not start");
    } else if (*extraction.ExitCode != 0) {
        // The output's lines on one line, the last of them when it is long.
        constexpr size_t kOutputShown = 400;
        std::u16string output;
        for (const char16_t c : extraction.Output) {
            const bool lineEnd = c == u'\r' || c == u'\n';
            if (lineEnd && (output.empty() || output.back() == u' ')) continue;
            output += lineEnd ? u' ' : c;
        }
        while (!output.empty() && output.back() == u' ') output.pop_back();
        if (output.size() > kOutputShown) output = u"..." + output.substr(output.size() - kOutputShown);
        services.Log.Log(u"Setup: the extractor ended with exit code " +
                         ui::Utf8ToUtf16(std::to_string(*extraction.ExitCode)) +
                         (output.empty() ? u"" : u": " + output));
    }
    if (!hasApplication) {
        services.Log.Log(u"Setup: the extraction left no Velnix.exe in " + installDir);
    }
}

void WaitForRemovalScript(SetupServices& services, const std::u16string& earlierUninstaller) {
    const std::u16string script = SelfRemovalScriptPath(services);
    if (script.empty()) return;
    int pollsSinceGone = 0;
    for (int poll = 0; poll < kRemovalScriptPolls; ++poll) {
        if (!services.Files.FileExists(script)) return;
        if (!services.Files.FileExists(earlierUninstaller) && ++pollsSinceGone > kRemovalScriptGracePolls) break;
        services.Process.Sleep(kRemovalScriptPollMs);
    }
    services.Log.Log(u"Setup: the earlier uninstaller's removal script is still there: " + script);
    if (!services.Files.RemoveFile(script)) services.Log.Log(u"Setup: cannot delete " + script);
}

}  // namespace

std::u16string ExtractorCommandLine(std::u16string_view extractorPath, std::u16string_view archivePath,
                                    std::u16string_view installDir) {
    return Quoted(extractorPath) + u" x -p" + std::u16string(kPayloadPassword) + u" -aoa " + Quoted(archivePath) +
           u" -o" + Quoted(installDir);
}

std::u16string UninstallCommand(std::u16string_view installDir) {
    return Quoted(std::u16string(installDir) + u"Uninstall.exe");
}

bool HasApplication(SetupServices& services, std::u16string_view installDir) {
    return services.Files.FileExists(std::u16string(installDir) + u"Velnix.exe");
}

void StartInstallTasks(TSetupState& state, SetupServices& services, InstallHooks hooks) {
    // The kind follows the mode found at start-up, before the pre-step rewrites InstallDir.
    const ReportKind kind = state.InstallDir.empty() ? ReportKind::Install : ReportKind::UpdateInstall;
    StartUsageReport(kind, state, services);
    TSetupState* sharedState = &state;
    SetupServices* sharedServices = &services;
    const bool queued = services.Pool.Submit([sharedState, sharedServices, hooks = std::move(hooks)] {
        RunUpdatePreStep(*sharedState, *sharedServices, hooks);
    });
    if (!queued) services.Log.Log(u"Setup: the update pre-step could not be queued");
}

void RemoveEarlierInstallation(TSetupState& state, SetupServices& services) {
    if (!state.InstallDir.empty()) {
        // Registered by an earlier version with or without quotes.
        const std::u16string uninstaller = UnquotePath(state.InstallDir);
        const std::u16string folder = WithTrailingBackslash(FolderOf(uninstaller));
        services.Log.Log(u"Setup: running the earlier uninstaller " + uninstaller);
        services.Processes.RunCommand({.CommandLine = Quoted(uninstaller) + u" update",
                                       .WorkDir = folder,
                                       .Encoding = OutputEncoding::Utf8,
                                       .TimeLimitSeconds = kUpdatePreStepTimeLimitSeconds});
        WaitForRemovalScript(services, uninstaller);
        state.InstallDir = folder;
    }
}

void RunUpdatePreStep(TSetupState& state, SetupServices& services, const InstallHooks& hooks) {
    RemoveEarlierInstallation(state, services);
    if (!hooks.RunOnMainThread) {
        services.Log.Log(u"Setup: no way to reach the main thread");
        return;
    }
    hooks.RunOnMainThread([&state, &services, &hooks] { ChooseInstallDir(state, services, hooks); });
}

void ChooseInstallDir(TSetupState& state, SetupServices& services, const InstallHooks& hooks) {
    if (state.InstallDir.empty()) {
        std::optional<std::u16string> selected = hooks.SelectedFolder ? hooks.SelectedFolder() : std::nullopt;
        if (selected && !selected->empty()) state.InstallDir = WithTrailingBackslash(*selected);
    }
    if (state.InstallDir.empty()) {
        services.Log.Log(u"Setup: no target folder");
        return;
    }
    TSetupState* sharedState = &state;
    SetupServices* sharedServices = &services;
    if (!services.Pool.Submit([sharedState, sharedServices, hide = hooks.HideWindow] {
            RunInstallation(*sharedState, *sharedServices, hide);
        })) {
        services.Log.Log(u"Setup: the installation could not be queued");
    }
}

InstallReport InstallPayload(TSetupState& state, SetupServices& services) {
    InstallReport report;
    const auto failed = [&report](std::u16string step) { report.FailedSteps.push_back(std::move(step)); };
    const std::u16string tempFolder = services.Files.TempFolder();
    const std::u16string extractor = tempFolder + u"7za.exe";
    std::optional<std::u16string> archive =
        tempFolder.empty() ? std::nullopt : services.Files.CreateTempFile(tempFolder, u"tmp");
    if (!archive) {
        services.Log.Log(u"Setup: no temporary file for the archive in " + tempFolder);
        failed(u"temporary file");
        return report;
    }
    report.Started = true;
    services.Log.Log(u"Setup: installing into " + state.InstallDir);
    std::unique_ptr<ITransientCopy> staged = StageUninstaller(services, tempFolder);
    if (!services.Resources.WriteToFile(u"7za", extractor)) {
        services.Log.Log(u"Setup: cannot write " + extractor);
        failed(u"extractor");
    }
    if (!services.Resources.WriteToFile(u"pak", *archive)) {
        services.Log.Log(u"Setup: cannot write " + *archive);
        failed(u"payload archive");
    }
    if (!services.Files.DirectoryExists(state.InstallDir) && !services.Files.CreateDirectories(state.InstallDir)) {
        services.Log.Log(u"Setup: cannot create " + state.InstallDir);
        failed(u"target folder");
    }

    const CommandResult extraction =
        services.Processes.RunCommand({.CommandLine = ExtractorCommandLine(extractor, *archive, state.InstallDir),
                                       .WorkDir = std::u16string(FolderOf(extractor)),
                                       .Encoding = OutputEncoding::Utf8});
    const bool hasApplication = HasApplication(services, state.InstallDir);
    LogExtractionFailure(services, extraction, hasApplication, state.InstallDir);
    if (!extraction.ExitCode || *extraction.ExitCode != 0 || !hasApplication) failed(u"extraction");

    if (!hasApplication) {
        // No installation: an uninstaller, shortcuts or an entry would point at a program that is not there.
        // What this attempt put in the temporary folder goes; an Uninstall.exe found in the folder stays as it is.
        RemoveTemporaryFiles(services, extractor, *archive);
        staged.reset();
        services.Log.Log(u"Setup: nothing is installed in " + state.InstallDir +
                         u": no uninstaller, shortcuts or uninstall entry are made");
        return report;
    }
    report.Installed = true;

    const bool hasUninstaller = CleanUpAndPlaceUninstaller(services, extractor, *archive,
                                                           state.InstallDir + u"Uninstall.exe", std::move(staged));
    if (!hasUninstaller) failed(u"uninstaller");
    if (!CreateShortcuts(services, state.InstallDir)) failed(u"shortcuts");
    // The entry points at Uninstall.exe: without one it would offer a removal that cannot run.
    if (hasUninstaller) {
        if (!WriteUninstallEntry(state, services)) failed(u"uninstall entry");
    } else {
        services.Log.Log(u"Setup: no uninstaller in " + state.InstallDir + u", so no uninstall entry is written");
        failed(u"uninstall entry");
    }
    return report;
}

InstallOutcome RunInstallation(TSetupState& state, SetupServices& services, const std::function<void()>& hideWindow) {
    const InstallReport report = InstallPayload(state, services);
    if (!report.Started) return InstallOutcome::NoArchiveFile;
    // Nothing to open; the window stays, with its controls disabled, until it is closed.
    if (!report.Installed) return InstallOutcome::NothingInstalled;
    if (!services.Shell.Open(state.InstallDir + u"Velnix.exe", Visibility::Shown)) {
        services.Log.Log(u"Setup: cannot open " + state.InstallDir + u"Velnix.exe");
    }
    // The application runs now: the window, always on top and disabled, does not stay over it while the report
    // of this installation still gets its moment to arrive.
    if (hideWindow) hideWindow();
    WaitForUsageReports(services);
    services.Process.EndProcess(0);
    return InstallOutcome::Finished;
}

}  // namespace app
