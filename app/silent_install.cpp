#include "app/silent_install.h"

#include <algorithm>
#include <string>

#include "app/install_worker.h"
#include "app/path_text.h"
#include "app/setup_mode.h"
#include "app/startup.h"
#include "app/usage_report.h"

namespace app {

namespace {

// The target folder the silent installation uses, with a trailing backslash; empty when there is none.
std::u16string SilentTarget(const TSetupState& state, const SetupSwitches& switches, const StartupDecision& decision) {
    if (switches.TargetFolder) {
        std::u16string folder = *switches.TargetFolder;
        std::replace(folder.begin(), folder.end(), u'/', u'\\');
        return WithTrailingBackslash(folder);
    }
    // Update mode: the earlier installation's folder, which the removal step put there.
    if (!state.InstallDir.empty()) return state.InstallDir;
    if (decision.SelectedFolder < 0 || decision.SelectedFolder >= static_cast<int>(decision.Folders.size())) return {};
    return WithTrailingBackslash(decision.Folders[static_cast<size_t>(decision.SelectedFolder)]);
}

std::u16string JoinedSteps(const std::vector<std::u16string>& steps) {
    std::u16string text;
    for (const std::u16string& step : steps) text += (text.empty() ? u"" : u", ") + step;
    return text;
}

}  // namespace

bool IsSilentInstall(const SetupSwitches& switches, SetupServices& services) {
    if (!switches.Silent) return false;
    const auto lowerCase = [&services](std::u16string_view text) { return services.Process.LowerCase(text); };
    return !IsUninstallerFileName(FileNameOf(services.Process.ExecutablePath()), lowerCase);
}

uint32_t RunSilentInstall(TSetupState& state, SetupServices& services, const SetupSwitches& switches) {
    if (switches.TargetFolder) {
        std::u16string folder = *switches.TargetFolder;
        std::replace(folder.begin(), folder.end(), u'/', u'\\');
        if (!IsFullFolderPath(folder)) {
            services.Log.Log(u"Setup: silent installation refused: /D= needs a full folder path, not \"" +
                             *switches.TargetFolder + u"\"");
            return kSilentInstallBadCommandLine;
        }
    }
    services.Log.Log(u"Setup: silent installation");
    const StartupDecision decision = StartUp(state, services);
    if (decision.Mode == SetupMode::Uninstall) {
        services.Log.Log(u"Setup: silent installation refused: this is the uninstaller");
        return kSilentInstallBadCommandLine;
    }
    StartUsageReport(decision.Mode == SetupMode::Update ? ReportKind::UpdateInstall : ReportKind::Install, state,
                     services);
    RemoveEarlierInstallation(state, services);
    state.InstallDir = SilentTarget(state, switches, decision);

    uint32_t exitCode = kSilentInstallComplete;
    if (state.InstallDir.empty()) {
        services.Log.Log(u"Setup: silent installation failed: no target folder");
        exitCode = kSilentInstallFailed;
    } else {
        const InstallReport report = InstallPayload(state, services);
        if (report.Complete()) {
            services.Log.Log(u"Setup: silent installation into " + state.InstallDir + u" complete");
        } else {
            services.Log.Log(u"Setup: silent installation into " + state.InstallDir + u" failed: " +
                             JoinedSteps(report.FailedSteps));
            exitCode = kSilentInstallFailed;
        }
    }
    WaitForUsageReports(services);
    return exitCode;
}

}  // namespace app
