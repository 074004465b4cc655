#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/install_worker.h"
#include "app/registry_keys.h"
#include "app/usage_report.h"
#include "tests/app/fake_system.h"

namespace app {
namespace {

using testing::FakeSystem;
using testing::U8;

const std::u16string kSetupPath = u"C:\\Users\\Ann\\Downloads\\VelnixSetup.exe";
const std::u16string kTarget = u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix\\";
const std::string kTemp = "C:\\Users\\Ann\\AppData\\Local\\Temp\\";
const std::string kDesktopLink = "C:\\Users\\Ann\\Desktop\\Velnix.lnk";
const std::string kStartMenuLink =
    "C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk";

class InstallWorkerTest : public ::testing::Test {
protected:
    InstallWorkerTest() {
        system.executablePath = kSetupPath;
        state.SetupVersion = u"2.0";
        state.ChannelTag = u"web";
        state.InstallId = u"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
        hooks.RunOnMainThread = [this](const std::function<void()>& function) {
            system.events.push_back("main thread");
            function();
        };
        hooks.SelectedFolder = [this]() -> std::optional<std::u16string> { return selected; };
        system.AddFolder(u"C:\\Users\\Ann\\Desktop");
    }

    std::vector<std::string> InstallationEvents(const std::u16string& target) const {
        const std::string dir = U8(target);
        return {
            "temp file " + kTemp + "tmp1A2B.tmp",
            "temp file " + kTemp + "tmp1A2C.tmp",
            "start copy " + U8(kSetupPath) + " -> " + kTemp + "tmp1A2C.tmp",
            "resource 7za -> " + kTemp + "7za.exe",
            "resource pak -> " + kTemp + "tmp1A2B.tmp",
            "create folder " + dir,
            "run \"" + kTemp + "7za.exe\" x -pVelnix -aoa \"" + kTemp + "tmp1A2B.tmp\" -o\"" + dir + "\" | in " +
                kTemp + " | utf8 | limit 0",
            "delete " + kTemp + "7za.exe",
            "delete " + kTemp + "tmp1A2B.tmp",
            "copy waited",
            "move " + kTemp + "tmp1A2C.tmp -> " + dir + "Uninstall.exe",
            "shortcut " + kDesktopLink + " -> " + dir + "Velnix.exe in " + dir,
            "shortcut " + kStartMenuLink + " -> " + dir + "Velnix.exe in " + dir,
            "registry create " + U8(kUninstallKey),
            "registry set " + U8(kUninstallKey) + " DisplayIcon=" + dir + "Velnix.exe",
            "registry set " + U8(kUninstallKey) + " DisplayName=Velnix",
            "registry set " + U8(kUninstallKey) + " DisplayVersion=2.0",
            "registry set " + U8(kUninstallKey) + " Publisher=https://publisher.example",
            "registry set " + U8(kUninstallKey) + " UninstallString=\"" + dir + "Uninstall.exe\"",
            "open " + dir + "Velnix.exe shown",
            "end 0",
        };
    }

    FakeSystem system;
    TSetupState state;
    InstallHooks hooks;
    std::optional<std::u16string> selected = u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix";
};

TEST_F(InstallWorkerTest, ClickInInstallModeReportsInstallAndInstallsIntoTheSelectedFolder) {
    StartInstallTasks(state, system.Services(), hooks);
    system.RunQueuedTasks();

    std::vector<std::string> expected = {"task queued", "task queued", "post https://stats.example/stat/install/",
                                         "main thread", "task queued"};
    for (const std::string& event : InstallationEvents(kTarget)) expected.push_back(event);
    EXPECT_EQ(system.events, expected);
    EXPECT_EQ(U8(state.InstallDir), U8(kTarget));
    EXPECT_TRUE(system.HasFile(kTarget + u"Uninstall.exe"));
    EXPECT_FALSE(system.HasFile(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\7za.exe"));
    EXPECT_FALSE(system.HasFile(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\tmp1A2B.tmp"));
}

TEST_F(InstallWorkerTest, ClickInUpdateModeRunsTheEarlierUninstallerAndReusesItsFolder) {
    // Registered by an earlier version without quotes, in a folder with a blank.
    state.InstallDir = u"C:\\Users\\Ann Lee\\Apps\\Velnix\\Uninstall.exe";
    const std::u16string folder = u"C:\\Users\\Ann Lee\\Apps\\Velnix\\";
    system.AddFolder(folder);
    StartInstallTasks(state, system.Services(), hooks);
    system.RunQueuedTasks();

    ASSERT_GE(system.events.size(), 6u);
    EXPECT_EQ(system.events[2], "post https://stats.example/stat/updateinstall/");
    EXPECT_EQ(
        system.events[3],
        "run \"C:\\Users\\Ann Lee\\Apps\\Velnix\\Uninstall.exe\" update | in C:\\Users\\Ann Lee\\Apps\\Velnix\\ | "
        "utf8 | limit 15");
    EXPECT_EQ(system.events[4], "main thread");
    EXPECT_EQ(U8(state.InstallDir), U8(folder));
    // The folder exists already: it is not created again.
    EXPECT_TRUE(system.EventsStartingWith("create folder").empty());
    EXPECT_EQ(system.EventsStartingWith("registry set " + U8(kUninstallKey) + " UninstallString").front(),
              "registry set " + U8(kUninstallKey) + " UninstallString=\"" + U8(folder) + "Uninstall.exe\"");
    EXPECT_EQ(system.events.back(), "end 0");
}

TEST_F(InstallWorkerTest, PreStepAcceptsAQuotedUninstallerPath) {
    state.InstallDir = u"\"C:\\Apps\\Velnix\\Uninstall.exe\"";
    RunUpdatePreStep(state, system.Services(), hooks);
    EXPECT_EQ(system.events[0],
              "run \"C:\\Apps\\Velnix\\Uninstall.exe\" update | in C:\\Apps\\Velnix\\ | utf8 | limit 15");
    EXPECT_EQ(U8(state.InstallDir), "C:\\Apps\\Velnix\\");
}

TEST_F(InstallWorkerTest, PreStepWaitsABoundedTimeForTheEarlierRemovalScript) {
    // No script: no wait.
    state.InstallDir = u"C:\\Apps\\Velnix\\Uninstall.exe";
    RunUpdatePreStep(state, system.Services(), hooks);
    EXPECT_TRUE(system.EventsStartingWith("sleep").empty());

    // A script that does not end: while the earlier Uninstall.exe is there it is waited for as long as it may
    // try; once that file is gone, only a few seconds. Then it is deleted, so it cannot reach the new file.
    const struct {
        const char* what;
        bool earlierUninstallerStays;
        size_t sleeps;
    } cases[] = {
        {"the earlier uninstaller is locked", true, static_cast<size_t>(kRemovalScriptPolls)},
        {"a leftover script", false, static_cast<size_t>(kRemovalScriptGracePolls)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSystem stuck;
        stuck.AddFile(stuck.tempFolder + u"_deleteme.bat", "script");
        if (c.earlierUninstallerStays) stuck.AddFile(u"C:\\Apps\\Velnix\\Uninstall.exe", "old");
        TSetupState other;
        other.InstallDir = u"C:\\Apps\\Velnix\\Uninstall.exe";
        hooks.RunOnMainThread = [&stuck](const std::function<void()>& function) {
            stuck.events.push_back("main thread");
            function();
        };
        RunUpdatePreStep(other, stuck.Services(), hooks);
        EXPECT_EQ(stuck.EventsStartingWith("sleep 100").size(), c.sleeps);
        EXPECT_FALSE(stuck.HasFile(stuck.tempFolder + u"_deleteme.bat"));
        EXPECT_EQ(stuck.EventsStartingWith("main thread").size(), 1u);
        EXPECT_EQ(U8(other.InstallDir), "C:\\Apps\\Velnix\\");
    }

    // A script that ends once the earlier file has gone is not waited for any longer.
    FakeSystem ending;
    ending.AddFile(ending.tempFolder + u"_deleteme.bat", "script");
    ending.AddFile(u"C:\\Apps\\Velnix\\Uninstall.exe", "old");
    int sleeps = 0;
    ending.onSleep = [&] {
        if (++sleeps == 20) ending.files.erase(u"C:\\Apps\\Velnix\\Uninstall.exe");
        if (sleeps == 25) ending.files.erase(ending.tempFolder + u"_deleteme.bat");
    };
    TSetupState third;
    third.InstallDir = u"C:\\Apps\\Velnix\\Uninstall.exe";
    hooks.RunOnMainThread = [](const std::function<void()>& function) { function(); };
    RunUpdatePreStep(third, ending.Services(), hooks);
    EXPECT_EQ(sleeps, 25);
}

TEST_F(InstallWorkerTest, EmptyFolderListInInstallModeDoesNothingMore) {
    selected.reset();
    StartInstallTasks(state, system.Services(), hooks);
    system.RunQueuedTasks();
    EXPECT_EQ(system.events, (std::vector<std::string>{"task queued", "task queued",
                                                       "post https://stats.example/stat/install/", "main thread"}));
    EXPECT_TRUE(state.InstallDir.empty());
    EXPECT_FALSE(system.ended);
}

TEST_F(InstallWorkerTest, SelectedRootFolderGetsOneBackslash) {
    selected = u"D:\\";
    system.AddFolder(u"D:\\");
    ChooseInstallDir(state, system.Services(), hooks);
    EXPECT_EQ(U8(state.InstallDir), "D:\\");
    EXPECT_EQ(system.QueuedTasks(), 1u);
}

TEST_F(InstallWorkerTest, NoArchiveFileEndsTheInstallationBeforeAnythingIsWritten) {
    state.InstallDir = kTarget;
    system.tempFileFails = true;
    EXPECT_EQ(RunInstallation(state, system.Services()), InstallOutcome::NoArchiveFile);
    EXPECT_TRUE(system.events.empty());
    EXPECT_FALSE(system.ended);
    EXPECT_FALSE(system.logLines.empty());
}

TEST_F(InstallWorkerTest, FailedResourceWritesDoNotStopTheSequence) {
    state.InstallDir = kTarget;
    system.resources.clear();
    EXPECT_EQ(RunInstallation(state, system.Services()), InstallOutcome::Finished);
    // Nothing was written to the temporary folder, so only the archive file made by the system is deleted.
    std::vector<std::string> expected = InstallationEvents(kTarget);
    expected.erase(expected.begin() + 7);
    EXPECT_EQ(system.events, expected);
}

// A clean-up failure leaves either a working uninstaller with an entry pointing at it, or neither.
TEST_F(InstallWorkerTest, ACleanUpFailureLeavesAnUninstallerWithItsEntryOrNeither) {
    const std::u16string temp = u"C:\\Users\\Ann\\AppData\\Local\\Temp\\";
    const struct {
        const char* what;
        std::u16string undeletable;
        bool copyFails;
        const char* uninstaller;  // nullptr: none left
    } cases[] = {
        {"the extractor is held open", temp + u"7za.exe", false, "running executable"},
        {"the archive is held open", temp + u"tmp1A2B.tmp", false, "running executable"},
        {"the old uninstaller is held open", kTarget + u"Uninstall.exe", false, "old uninstaller"},
        {"the uninstaller cannot be written", u"", true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSystem fake;
        fake.executablePath = kSetupPath;
        if (!c.undeletable.empty()) fake.undeletableFiles.insert(c.undeletable);
        if (c.copyFails) {
            fake.unwritableFiles.insert(kTarget + u"Uninstall.exe");
        } else {
            fake.AddFile(kTarget + u"Uninstall.exe", "old uninstaller");
        }
        TSetupState installing = state;
        installing.InstallDir = kTarget;
        EXPECT_EQ(RunInstallation(installing, fake.Services()), InstallOutcome::Finished);
        // Each temporary file is deleted on its own, whatever became of the other.
        for (const std::u16string name : {u"7za.exe", u"tmp1A2B.tmp"}) {
            EXPECT_EQ(fake.HasFile(temp + name), c.undeletable == temp + name);
        }
        EXPECT_FALSE(fake.HasFile(temp + u"tmp1A2C.tmp"));
        if (c.uninstaller != nullptr) {
            EXPECT_EQ(fake.files[kTarget + u"Uninstall.exe"], c.uninstaller);
            EXPECT_EQ(fake.EventsStartingWith("registry set").size(), 5u);
        } else {
            EXPECT_FALSE(fake.HasFile(kTarget + u"Uninstall.exe"));
            EXPECT_TRUE(fake.EventsStartingWith("registry").empty());
            EXPECT_NE(
                std::find_if(fake.logLines.begin(), fake.logLines.end(),
                             [](const std::u16string& line) { return line.starts_with(u"Setup: no uninstaller in"); }),
                fake.logLines.end());
        }
        EXPECT_EQ(fake.EventsStartingWith("shortcut").size(), 2u);
        EXPECT_EQ(fake.events.back(), "end 0");
    }
}

TEST_F(InstallWorkerTest, TheWindowIsHiddenOnceTheApplicationIsOpenedBeforeTheWaitForTheReport) {
    state.InstallDir = kTarget;
    // A report still in flight makes the installation wait for it.
    ReportsInFlight::Ticket inFlight = system.Services().Reports.Start();
    RunInstallation(state, system.Services(), [this] { system.events.push_back("hide window"); });
    const auto at = [&](const std::string& event) {
        return std::find(system.events.begin(), system.events.end(), event) - system.events.begin();
    };
    const auto hide = at("hide window");
    ASSERT_LT(hide, static_cast<long>(system.events.size()));
    EXPECT_LT(at("open " + U8(kTarget) + "Velnix.exe shown"), hide);
    EXPECT_LT(hide, at("sleep 100"));
    EXPECT_EQ(system.events.back(), "end 0");
}

TEST_F(InstallWorkerTest, AnOldUninstallerIsReplacedByACopyOfTheRunningExecutable) {
    state.InstallDir = kTarget;
    system.AddFile(kTarget + u"Uninstall.exe", "old uninstaller");
    RunInstallation(state, system.Services());
    const std::vector<std::string> deletes = system.EventsStartingWith("delete");
    ASSERT_EQ(deletes.size(), 3u);
    EXPECT_EQ(deletes[2], "delete " + U8(kTarget) + "Uninstall.exe");
    EXPECT_EQ(system.files[kTarget + u"Uninstall.exe"], "running executable");
}

TEST_F(InstallWorkerTest, WithoutAUsableBackgroundCopyTheRunningExecutableIsCopiedInItsTurn) {
    const struct {
        const char* what;
        bool unavailable;
        bool fails;
    } cases[] = {
        {"no background copy", true, false},
        {"the background copy fails", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSystem fake;
        fake.executablePath = kSetupPath;
        fake.backgroundCopyUnavailable = c.unavailable;
        fake.backgroundCopyFails = c.fails;
        TSetupState installing = state;
        installing.InstallDir = kTarget;
        EXPECT_EQ(RunInstallation(installing, fake.Services()), InstallOutcome::Finished);
        EXPECT_TRUE(fake.EventsStartingWith("move").empty());
        EXPECT_EQ(fake.EventsStartingWith("copy " + U8(kSetupPath) + " -> " + U8(kTarget) + "Uninstall.exe").size(),
                  1u);
        EXPECT_EQ(fake.files[kTarget + u"Uninstall.exe"], "running executable");
        // Nothing of the staged copy stays in the temporary folder.
        EXPECT_FALSE(fake.HasFile(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\tmp1A2C.tmp"));
        EXPECT_EQ(fake.EventsStartingWith("let go " + kTemp + "tmp1A2C.tmp").size(), c.fails ? 1u : 0u);
        EXPECT_TRUE(fake.transientFiles.empty());
        EXPECT_EQ(fake.events.back(), "end 0");
    }
}

// The window's close button and any other end of the process during the extraction leave in the temporary folder
// the extractor and the archive only: the staged uninstaller is a transient file, gone with the process.
TEST_F(InstallWorkerTest, AProcessEndDuringTheExtractionLeavesOnlyTheExtractorAndTheArchive) {
    state.InstallDir = kTarget;
    const std::u16string temp = u"C:\\Users\\Ann\\AppData\\Local\\Temp\\";
    system.AddFile(temp + u"someone else's.tmp", "not ours");
    std::map<std::u16string, std::string> left;
    system.onRun = [&](const CommandRequest& request) {
        left = system.FilesLeftByAnEndNow();
        system.AddFile(*testing::ExtractorTarget(request.CommandLine) + u"Velnix.exe");
        return CommandResult{.ExitCode = 0, .Output = {}, .StoppedAtTimeLimit = false};
    };
    RunInstallation(state, system.Services());
    std::vector<std::string> inTemp;
    for (const auto& [path, content] : left) {
        if (path.starts_with(temp)) inTemp.push_back(U8(path.substr(temp.size())));
    }
    EXPECT_EQ(inTemp, (std::vector<std::string>{"7za.exe", "someone else's.tmp", "tmp1A2B.tmp"}));
    EXPECT_EQ(left.count(kTarget + u"Uninstall.exe"), 0u);
    // Kept, the copy is an ordinary file that outlives the process.
    EXPECT_EQ(system.FilesLeftByAnEndNow().count(kTarget + u"Uninstall.exe"), 1u);
}

// Without Velnix.exe after the extraction there is no installation: no uninstaller, shortcut or entry is made that
// would point at it, what the attempt put into the temporary folder goes, the log says why, and the window stays
// (nothing is opened, the process is not ended).
TEST_F(InstallWorkerTest, AnExtractionThatLeavesNoApplicationInstallsNothingAndSaysWhy) {
    const struct {
        const char* what;
        std::optional<uint32_t> exitCode;
        std::u16string output;
        std::vector<std::u16string> lines;
    } cases[] = {
        {"the archive is damaged",
         2u,
         u"\r\nERROR: tmp1A2B.tmp\r\nCannot open the file as archive\r\n",
         {u"Setup: the extractor ended with exit code 2: ERROR: tmp1A2B.tmp Cannot open the file as archive"}},
        {"the extractor does not start", std::nullopt, u"", {u"Setup: the extractor did not start"}},
        {"nothing extracted", 0u, u"", {}},
    };
    const std::u16string temp = u"C:\\Users\\Ann\\AppData\\Local\\Temp\\";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSystem fake;
        fake.executablePath = kSetupPath;
        fake.AddFile(kTarget + u"notes.txt", "the user's");
        fake.AddFile(temp + u"someone else's.tmp", "not ours");
        fake.onRun = [&](const CommandRequest&) {
            return CommandResult{.ExitCode = c.exitCode, .Output = c.output, .StoppedAtTimeLimit = false};
        };
        TSetupState installing = state;
        installing.InstallDir = kTarget;
        bool hidden = false;
        EXPECT_EQ(RunInstallation(installing, fake.Services(), [&hidden] { hidden = true; }),
                  InstallOutcome::NothingInstalled);
        std::vector<std::string> expected;
        for (const std::u16string& line : c.lines) expected.push_back(U8(line));
        expected.push_back("Setup: the extraction left no Velnix.exe in " + U8(kTarget));
        std::vector<std::string> found;
        for (const std::u16string& line : fake.logLines) {
            if (line.starts_with(u"Setup: the extract")) found.push_back(U8(line));
        }
        EXPECT_EQ(found, expected);
        EXPECT_NE(std::find(fake.logLines.begin(), fake.logLines.end(),
                            u"Setup: nothing is installed in " + kTarget +
                                u": no uninstaller, shortcuts or uninstall entry are made"),
                  fake.logLines.end());

        EXPECT_FALSE(fake.HasFile(kTarget + u"Uninstall.exe"));
        EXPECT_TRUE(fake.EventsStartingWith("shortcut").empty());
        EXPECT_TRUE(fake.EventsStartingWith("registry").empty());
        EXPECT_TRUE(fake.EventsStartingWith("open").empty());
        EXPECT_FALSE(fake.ended);
        EXPECT_FALSE(hidden);
        // The temporary folder holds what it held before; the staged uninstaller was let go.
        std::vector<std::string> inTemp;
        for (const auto& [path, content] : fake.files) {
            if (path.starts_with(temp)) inTemp.push_back(U8(path.substr(temp.size())));
        }
        EXPECT_EQ(inTemp, std::vector<std::string>{"someone else's.tmp"});
        EXPECT_EQ(fake.EventsStartingWith("let go " + kTemp + "tmp1A2C.tmp").size(), 1u);
        EXPECT_TRUE(fake.transientFiles.empty());
        EXPECT_EQ(fake.files[kTarget + u"notes.txt"], "the user's");
    }
}

// The rule is the application itself: an extractor that reports an error but leaves Velnix.exe (a file of the
// payload it could not write, say) leaves an installation with its uninstaller, shortcuts and entry, so that it
// can be removed; the failure is logged.
TEST_F(InstallWorkerTest, AnExtractorErrorThatLeavesTheApplicationStillCompletesTheInstallation) {
    state.InstallDir = kTarget;
    system.onRun = [this](const CommandRequest& request) {
        system.AddFile(*testing::ExtractorTarget(request.CommandLine) + u"Velnix.exe");
        return CommandResult{.ExitCode = 2, .Output = u"ERROR: cannot open bridge.dll", .StoppedAtTimeLimit = false};
    };
    EXPECT_EQ(RunInstallation(state, system.Services()), InstallOutcome::Finished);
    EXPECT_EQ(system.events, InstallationEvents(kTarget));
    EXPECT_NE(std::find(system.logLines.begin(), system.logLines.end(),
                        u"Setup: the extractor ended with exit code 2: ERROR: cannot open bridge.dll"),
              system.logLines.end());
}

// An update removes the earlier installation before the extraction. When the extraction then installs nothing,
// no entry is written again: the list of installed programs offers no removal of a program that is not there.
TEST_F(InstallWorkerTest, AnUpdateWhoseExtractionFailsLeavesNoEntryBehind) {
    const std::u16string folder = u"C:\\Apps\\Velnix\\";
    state.InstallDir = folder + u"Uninstall.exe";
    system.registry[std::u16string(kUninstallKey)][u"UninstallString"] = {u"\"" + folder + u"Uninstall.exe\"", true};
    system.AddFile(folder + u"Velnix.exe", "earlier");
    system.AddFile(folder + u"Uninstall.exe", "earlier");
    system.onRun = [&](const CommandRequest& request) {
        if (request.CommandLine.ends_with(u" update")) {
            // The earlier uninstaller: files, entry, and (through its script) itself.
            system.files.erase(folder + u"Velnix.exe");
            system.files.erase(folder + u"Uninstall.exe");
            system.registry.erase(std::u16string(kUninstallKey));
            return CommandResult{.ExitCode = 0, .Output = {}, .StoppedAtTimeLimit = false};
        }
        return CommandResult{.ExitCode = 2, .Output = u"ERROR: Wrong password", .StoppedAtTimeLimit = false};
    };
    StartInstallTasks(state, system.Services(), hooks);
    system.RunQueuedTasks();

    EXPECT_EQ(U8(state.InstallDir), U8(folder));
    EXPECT_EQ(system.EventsStartingWith("run ").size(), 2u);
    EXPECT_FALSE(system.registry.count(std::u16string(kUninstallKey)));
    EXPECT_FALSE(system.HasFile(folder + u"Uninstall.exe"));
    EXPECT_TRUE(system.EventsStartingWith("shortcut").empty());
    EXPECT_FALSE(system.ended);
}

TEST_F(InstallWorkerTest, AnExistingShortcutIsLeftAloneAndFailuresAreGuardedPerFolder) {
    state.InstallDir = kTarget;
    system.AddFile(u"C:\\Users\\Ann\\Desktop\\Velnix.lnk", "points elsewhere");
    RunInstallation(state, system.Services());
    EXPECT_EQ(system.files[u"C:\\Users\\Ann\\Desktop\\Velnix.lnk"], "points elsewhere");
    EXPECT_EQ(system.EventsStartingWith("shortcut"),
              (std::vector<std::string>{"shortcut " + kStartMenuLink + " -> " + U8(kTarget) + "Velnix.exe in " +
                                        U8(kTarget)}));

    FakeSystem failing;
    failing.executablePath = kSetupPath;
    failing.shortcutFails = true;
    TSetupState other = state;
    RunInstallation(other, failing.Services());
    EXPECT_EQ(failing.EventsStartingWith("shortcut").size(), 2u);
    EXPECT_EQ(failing.EventsStartingWith("registry set").size(), 5u);
    EXPECT_EQ(failing.events.back(), "end 0");
}

TEST_F(InstallWorkerTest, AnUnopenableUninstallKeyWritesNothingAndTheAppStillStarts) {
    state.InstallDir = kTarget;
    system.unopenableKeys.insert(std::u16string(kUninstallKey));
    RunInstallation(state, system.Services());
    EXPECT_TRUE(system.EventsStartingWith("registry").empty());
    const size_t count = system.events.size();
    ASSERT_GE(count, 2u);
    EXPECT_EQ(system.events[count - 2], "open " + U8(kTarget) + "Velnix.exe shown");
    EXPECT_EQ(system.events[count - 1], "end 0");
}

TEST_F(InstallWorkerTest, TheProcessEndsWhenTheReportInFlightHasArrivedOrAfterFiveSeconds) {
    // After how many 100 ms pauses the queued report gets to run; -1: it never does; 0: it has run already.
    const struct {
        int runsAfterSleeps;
        size_t sleeps;
        bool cutOff;
    } cases[] = {{0, 0, false}, {3, 3, false}, {50, 50, false}, {-1, 50, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.runsAfterSleeps);
        FakeSystem fake;
        fake.executablePath = kSetupPath;
        TSetupState installing = state;
        installing.InstallDir = kTarget;
        StartUsageReport(ReportKind::Install, installing, fake.Services());
        if (c.runsAfterSleeps == 0) fake.RunQueuedTasks();
        int sleeps = 0;
        fake.onSleep = [&] {
            if (++sleeps == c.runsAfterSleeps) fake.RunQueuedTasks();
        };
        RunInstallation(installing, fake.Services());

        EXPECT_EQ(fake.EventsStartingWith("sleep 100").size(), c.sleeps);
        // The application was opened before the wait, the report (when it came) before the end.
        const auto open = std::find(fake.events.begin(), fake.events.end(), "open " + U8(kTarget) + "Velnix.exe shown");
        const auto firstSleep = std::find(fake.events.begin(), fake.events.end(), "sleep 100");
        EXPECT_TRUE(open < firstSleep || c.sleeps == 0);
        EXPECT_EQ(fake.events.back(), "end 0");
        EXPECT_EQ(fake.EventsStartingWith("post").size(), c.cutOff ? 0u : 1u);
        EXPECT_EQ(fake.Services().Reports.Count(), c.cutOff ? 1 : 0);
        const bool logged =
            std::find(fake.logLines.begin(), fake.logLines.end(),
                      u"Setup: a usage report is still in flight and is cut off") != fake.logLines.end();
        EXPECT_EQ(logged, c.cutOff);
    }
}

TEST(InstallCommandTest, ExtractorCommandLineQuotesEveryPath) {
    EXPECT_EQ(U8(ExtractorCommandLine(u"C:\\Temp\\7za.exe", u"C:\\Temp\\tmp1A2B.tmp", u"C:\\Apps\\Velnix\\")),
              "\"C:\\Temp\\7za.exe\" x -pVelnix -aoa \"C:\\Temp\\tmp1A2B.tmp\" -o\"C:\\Apps\\Velnix\\\"");
    EXPECT_EQ(U8(UninstallCommand(u"C:\\Users\\Ann Lee\\Velnix\\")), "\"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe\"");
}

}  // namespace
}  // namespace app
