#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/self_removal.h"
#include "app/setup_state.h"
#include "app/system_services.h"

// What happens after a click on InstallButton in install or update mode: the usage report, the update
// pre-step, the choice of the target folder and the installation itself.
namespace app {

// The window's part in the installation.
struct InstallHooks {
    // Runs the function on the main thread and returns once it has run (a synchronous call from a pool thread).
    std::function<void(const std::function<void()>&)> RunOnMainThread;
    // The text of DriveComboBox's selected entry; nothing when the list is empty or nothing is selected.
    // Called on the main thread only.
    std::function<std::optional<std::u16string>()> SelectedFolder;
    // Hides the window (called on a pool thread; it hands the work to the main thread). May be empty.
    std::function<void()> HideWindow;
};

// The extractor's password for the payload archive.
inline constexpr std::u16string_view kPayloadPassword = u"Velnix";

// "<extractor>" x -p<password> -aoa "<archive>" -o"<installDir>"
std::u16string ExtractorCommandLine(std::u16string_view extractorPath, std::u16string_view archivePath,
                                    std::u16string_view installDir);

// The value written as UninstallString: InstallDir + "Uninstall.exe" in double quotes.
std::u16string UninstallCommand(std::u16string_view installDir);

// The click handler's background work (after the window has disabled its controls and started OperateAni):
// queues the usage report, of the kind the mode found at start-up gives (InstallDir not empty: update), and
// RunUpdatePreStep on the shared pool. state and services must live as long as the process.
void StartInstallTasks(TSetupState& state, SetupServices& services, InstallHooks hooks);

// How the update pre-step waits, after the earlier uninstaller has ended, for its self-removal script to finish:
// the script retries about once a second while the earlier Uninstall.exe exists, and one still running when the
// new Uninstall.exe arrives would delete that instead. While the earlier file exists the wait lasts as long as
// the script may try (kSelfRemovalTries seconds and a margin); once it is gone the script ends within its current
// try, so a script file still there after kRemovalScriptGracePolls more polls is a leftover. A script file still
// there at the end is deleted, so that a script which still runs stops before the new Uninstall.exe exists.
inline constexpr uint32_t kRemovalScriptPollMs = 100;
inline constexpr int kRemovalScriptPolls = (kSelfRemovalTries + 5) * 10;
inline constexpr int kRemovalScriptGracePolls = 30;

// Update mode (InstallDir holds the earlier uninstaller): runs it with the argument update for at most 15
// seconds, waits (at most 5 s) for its removal script to end, and takes its folder as InstallDir. Install mode
// (InstallDir empty): nothing.
void RemoveEarlierInstallation(TSetupState& state, SetupServices& services);

// Pool thread. RemoveEarlierInstallation, then hands ChooseInstallDir to the main thread and waits.
void RunUpdatePreStep(TSetupState& state, SetupServices& services, const InstallHooks& hooks);

// Main thread. Install mode: InstallDir becomes the selected folder plus a backslash. When a folder is known,
// queues RunInstallation; otherwise nothing more happens and the window stays as it is.
void ChooseInstallDir(TSetupState& state, SetupServices& services, const InstallHooks& hooks);

enum class InstallOutcome {
    // The application is installed (each later step guarded on its own) and the process was ended.
    Finished,
    // No temporary file for the archive could be made: nothing was installed.
    NoArchiveFile,
    // The extraction left no Velnix.exe: there is no installation, and no uninstaller, shortcut or uninstall
    // entry was made. The process goes on; the window stays as it is until it is closed.
    NothingInstalled,
};

// What InstallPayload did.
struct InstallReport {
    // Whether the installation began: false when no temporary file for the archive could be made, and then
    // nothing was installed.
    bool Started = false;
    // Whether the application is in InstallDir after the extraction (see HasApplication). Only then are
    // Uninstall.exe, the shortcuts and the uninstall entry made.
    bool Installed = false;
    // The steps that failed, by name ("extraction", "shortcuts", ...), in their order; each is in the log too.
    std::vector<std::u16string> FailedSteps;
    bool Complete() const { return Started && Installed && FailedSteps.empty(); }
};

// The rule that tells an installation from none after the extraction: Velnix.exe is in installDir (which ends
// in a backslash). Without it, shortcuts, an uninstall entry and an uninstaller would point at nothing.
bool HasApplication(SetupServices& services, std::u16string_view installDir);

// Extracts the payload into InstallDir (which ends in a backslash). When the application is there afterwards,
// leaves Uninstall.exe, the shortcuts and the uninstall entry, each step guarded on its own: a failure is logged
// and the next step runs. When it is not, none of them is made (an update's earlier installation is gone by then,
// so nothing is left that points at a missing program); the temporary files and the staged uninstaller go either
// way. The extraction counts as failed when the extractor does not end with exit code 0 or leaves no Velnix.exe.
InstallReport InstallPayload(TSetupState& state, SetupServices& services);

// Pool thread. InstallPayload (nothing more when it could not begin or installed nothing: the window stays as it
// is), then opens the installed application, hides the window (hideWindow, when given) so that it does not stay
// over the application, gives a usage report still in flight a few seconds to arrive and ends the process
// (services.Process.EndProcess(0)).
InstallOutcome RunInstallation(TSetupState& state, SetupServices& services,
                               const std::function<void()>& hideWindow = {});

}  // namespace app
