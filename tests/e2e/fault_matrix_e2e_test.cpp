// The installer and the uninstaller against the faults a user's machine brings, run for real under Wine: each row
// states what the user is left with (a complete installation or a clear absence of one), that the user's own
// files are untouched, and which log line names what went wrong. Rows of one shape share a table and a test.
//
// Wine 8 cannot make Windows links (CreateSymbolicLinkW reports success and makes nothing; junctions are
// refused), so a link in place of "wizard" or "driver" is a Unix symbolic link here, which Wine shows as a folder
// link it cannot remove: the row checks that what it points at survives. The rule for links itself is tested on
// the tree removal natively.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/path_text.h"
#include "tests/e2e/setup_e2e_fixture.h"

namespace e2e {
namespace {

// The Unix path Wine gives a Windows path; empty when it has none.
std::string UnixPathOf(const std::u16string& windowsPath) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix =
        reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    if (toUnix == nullptr) return {};
    char* unix = toUnix(Wide(windowsPath).c_str());
    if (unix == nullptr) return {};
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

class FaultMatrixTest : public SetupEndToEndTest {
protected:
    void SetUp() override {
        SetupEndToEndTest::SetUp();
        writeLog_ = std::make_unique<EnvironmentOverride>(L"VELNIX_TEST_WRITE_LOG", u"1");
        services().Files.DeleteTree(WorkDirWindows() + u"log\\");
    }
    void TearDown() override {
        writeLog_.reset();
        SetupEndToEndTest::TearDown();
    }

    // Lines of the log files below folder (of the program that ran from there) that start with the text.
    static std::vector<std::string> LogLinesStartingWith(const std::u16string& folder, const std::string& start) {
        std::vector<std::string> found;
        for (const std::string& line : LogLines(folder)) {
            if (line.rfind(start, 0) == 0) found.push_back(line);
        }
        return found;
    }
    static std::string AllLogLines(const std::u16string& folder) {
        std::string all;
        for (const std::string& line : LogLines(folder)) all += line + "\n";
        return all;
    }

    // Starts the installer as setup and clicks its install button, after choosing picked with the browse button
    // when it is not empty (the picker answers with it); otherwise the default entry is used. The installer's
    // window; its handle is nullptr when it did not come or could not be clicked.
    SetupWindow StartInstallation(ChildProcess& setup, const std::u16string& installer, const std::u16string& picked) {
        EnvironmentOverride pick(L"VELNIX_TEST_PICK_FOLDER", picked);
        setup = ChildProcess(installer);
        const SetupWindow window = WaitForWindow(L"Install Velnix");
        if (window.Handle() == nullptr) return window;
        if (!picked.empty()) {
            if (!window.Click(kCustomInstallSwitch)) return SetupWindow(nullptr);
            Sleep(1300);  // the folder chooser slides up
            if (!window.Click(kBrowseButton)) return SetupWindow(nullptr);
            Sleep(300);
        }
        if (!window.Click(kInstallButton)) return SetupWindow(nullptr);
        return window;
    }

    // Installs into the folder chosen with the browse button (the picker answers with picked).
    void InstallPicking(const std::u16string& installer, const std::u16string& picked) {
        ChildProcess setup;
        ASSERT_NE(StartInstallation(setup, installer, picked).Handle(), nullptr);
        ExpectInstallationEnds(setup);
    }

    // Runs folder's Uninstall.exe silently (as an update does) and waits for it.
    void UninstallSilently(const std::u16string& folder) {
        ChildProcess uninstaller(folder + u"Uninstall.exe", u"update");
        ASSERT_TRUE(uninstaller.Started());
        const std::optional<uint32_t> exitCode = uninstaller.Wait(60000);
        ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
        EXPECT_EQ(*exitCode, 0u);
    }

    // No trace of an installation in folder: no payload, uninstaller, shortcut or entry.
    void ExpectNoInstallation(const std::u16string& folder) {
        for (const std::u16string& path : PayloadFiles(folder)) {
            EXPECT_FALSE(services().Files.FileExists(path)) << U8(path);
        }
        EXPECT_FALSE(services().Files.FileExists(folder + u"Uninstall.exe"));
        EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
        EXPECT_FALSE(services().Files.FileExists(DesktopLink()));
        EXPECT_FALSE(services().Files.FileExists(StartMenuLink()));
    }

    std::unique_ptr<EnvironmentOverride> writeLog_;
};

// ---- installing against a fault

TEST_F(FaultMatrixTest, ABrowsedFolderWithOtherFilesGetsASubFolderOfItsOwnAndKeepsItsFiles) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const std::u16string picked = ScratchRoot() + u"Documents";
    ASSERT_TRUE(services().Files.CreateDirectories(picked + u"\\wizard"));
    ASSERT_TRUE(services().Files.WriteFile(picked + u"\\report.txt", "the user's report"));
    ASSERT_TRUE(services().Files.WriteFile(picked + u"\\wizard\\spells.txt", "the user's own wizard folder"));
    ASSERT_TRUE(services().Files.WriteFile(picked + u"\\bridge.dll", "the user's own bridge.dll"));

    InstallPicking(installer, picked);
    const std::u16string folder = picked + u"\\Velnix\\";
    ExpectInstalled(folder, installer);
    EXPECT_EQ(LogLinesStartingWith(WorkDirWindows(), "Window: the picked folder"),
              std::vector<std::string>{"Window: the picked folder " + U8(picked) +
                                       " holds other files; the installation uses " + U8(picked) + "\\Velnix"});

    RunUninstallerAnswering(folder, IDYES);
    ExpectUninstalled(folder);
    EXPECT_EQ(ReadFile(picked + u"\\report.txt"), "the user's report");
    EXPECT_EQ(ReadFile(picked + u"\\wizard\\spells.txt"), "the user's own wizard folder");
    EXPECT_EQ(ReadFile(picked + u"\\bridge.dll"), "the user's own bridge.dll");
}

// An extraction that leaves no Velnix.exe leaves no installation: no uninstaller, shortcut or entry pointing at
// nothing, nothing of the attempt in the temporary folder, the user's files as they were, and the log naming the
// failure. The window stays, its controls disabled, until the user closes it.
TEST_F(FaultMatrixTest, AnExtractionThatLeavesNoApplicationLeavesNoInstallationAndSaysWhy) {
    const std::u16string neighbour = AppData() + u"\\velnix-e2e-neighbour.txt";
    const std::u16string locked = ScratchRoot() + u"Locked";
    const struct {
        const char* what;
        const char16_t* installerName;
        // Sets the fault up for the installer; what it returns undoes it after the check.
        std::function<std::function<void()>(const std::u16string& installer)> arrange;
        // The folder picked with the browse button; empty: the default entry.
        std::u16string picked;
        std::u16string folder;
        // The user's files around and inside the target folder, with their content.
        std::vector<std::pair<std::u16string, std::string>> userFiles;
        // The start of the line that names the extractor's failure.
        std::string extractorLine;
    } rows[] = {
        {"a corrupt archive",
         u"VelnixSetup.corrupt.exe",
         [&](const std::u16string& installer) -> std::function<void()> {
             EXPECT_TRUE(ReplaceResource(installer, L"pak", "7z but not really an archive"));
             return [&] { services().Files.RemoveFile(neighbour); };
         },
         u"",
         DefaultFolder(),
         {{DefaultFolder() + u"keep.txt", "inside it"}, {neighbour, "next to it"}},
         "Setup: the extractor ended with exit code 2"},
        {"a read-only target folder",
         u"VelnixSetup.exe",
         [&](const std::u16string&) -> std::function<void()> {
             EXPECT_TRUE(services().Files.CreateDirectories(locked));
             // Read-only for everyone, the machine's administrator (who runs the tests) included.
             const std::string unixLocked = UnixPathOf(locked);
             EXPECT_FALSE(unixLocked.empty());
             EXPECT_TRUE(RunHost({"chattr", "+i", unixLocked}).Ok());
             return [unixLocked] { RunHost({"chattr", "-i", unixLocked}); };
         },
         locked,
         locked + u"\\",
         {},
         "Setup: the extractor ended with exit code"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CleanMachine();
        services().Files.DeleteTree(WorkDirWindows() + u"log\\");
        const std::u16string installer = Installer(row.installerName);
        for (const auto& [path, content] : row.userFiles) {
            ASSERT_TRUE(services().Files.CreateDirectories(std::u16string(app::FolderOf(path))));
            ASSERT_TRUE(services().Files.WriteFile(path, content));
        }
        struct Undo {
            std::function<void()> undo;
            ~Undo() {
                if (undo) undo();
            }
        } undo{row.arrange(installer)};

        const size_t statsBefore = StatsCount();
        ChildProcess setup;
        const SetupWindow window = StartInstallation(setup, installer, row.picked);
        ASSERT_NE(window.Handle(), nullptr);
        const std::string nothingInstalled = "Setup: nothing is installed in " + U8(row.folder) +
                                             ": no uninstaller, shortcuts or uninstall entry are made";
        ASSERT_TRUE(WaitUntil([&] { return LogContains(WorkDirWindows(), nothingInstalled); }, 60000))
            << AllLogLines(WorkDirWindows());
        // The usage report of the attempt still arrives: the process goes on.
        EXPECT_TRUE(WaitUntil([&] { return RequestsTo("/stat/install/", statsBefore).size() == 1; }, 30000))
            << "no usage report";
        // Nothing was opened and the window did not go away: it waits, as it is, to be closed.
        Sleep(1000);
        EXPECT_TRUE(setup.Running());
        EXPECT_TRUE(IsWindowVisible(window.Handle()));
        EXPECT_FALSE(AppRunning());
        ASSERT_TRUE(window.Click(kCloseButton));
        const std::optional<uint32_t> exitCode = setup.Wait(10000);
        ASSERT_TRUE(exitCode.has_value()) << "the installer did not end";
        EXPECT_EQ(*exitCode, 0u);

        ExpectNoInstallation(row.folder);
        if (!row.picked.empty() && row.userFiles.empty()) {
            EXPECT_TRUE(services().Files.IsDirectoryEmpty(row.picked));
        }
        for (const auto& [path, content] : row.userFiles) EXPECT_EQ(ReadFile(path), content) << U8(path);
        const std::vector<std::string> lines = LogLines(WorkDirWindows());
        EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& line) { return line.starts_with(row.extractorLine); }),
                  lines.end())
            << AllLogLines(WorkDirWindows());
        EXPECT_TRUE(LogContains(WorkDirWindows(), "Setup: the extraction left no Velnix.exe in " + U8(row.folder)));
        // Nothing of the attempt stays in the temporary folder: extractor, archive, staged uninstaller.
        EXPECT_FALSE(services().Files.FileExists(services().Files.TempFolder() + u"7za.exe"));
        EXPECT_EQ(TempArchives(), tempArchivesBefore_);
    }
}

TEST_F(FaultMatrixTest, AFolderWithCaretBangAndApostropheInstallsAndUninstallsCompletely) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const std::u16string picked = ScratchRoot() + u"Ann's ^caret! 50% &more";
    ASSERT_TRUE(services().Files.CreateDirectories(picked));
    InstallPicking(installer, picked);
    const std::u16string folder = picked + u"\\";
    ExpectInstalled(folder, installer);
    RunUninstallerAnswering(folder, IDYES);
    // The removal script found the uninstaller through the path's special characters.
    ExpectUninstalled(folder);
    EXPECT_TRUE(services().Files.DirectoryExists(picked));
}

// The window closed, or the process ended from outside, while the extractor runs: the installer leaves nothing
// in the temporary folder but the extractor and the archive, and no installation.
TEST_F(FaultMatrixTest, AnEndDuringTheExtractionLeavesOnlyTheExtractorAndTheArchive) {
    // An extractor that takes its time and extracts nothing.
    const std::string slowExtractor = ReadFile(WindowsPathOfUnix(VELNIX_SLOW_EXTRACTOR_EXE));
    ASSERT_FALSE(slowExtractor.empty());
    const std::u16string installer = Installer(u"VelnixSetup.slow.exe");
    ASSERT_TRUE(ReplaceResource(installer, L"7za", slowExtractor));
    const std::u16string temp = services().Files.TempFolder();
    const struct {
        const char* what;
        bool closeButton;
    } ends[] = {
        {"close button", true},
        {"ended from outside", false},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end.what);
        CleanMachine();
        ChildProcess setup(installer);
        const SetupWindow window = WaitForWindow(L"Install Velnix");
        ASSERT_NE(window.Handle(), nullptr);
        ASSERT_TRUE(window.Click(kInstallButton));
        // The extractor runs; beside the archive, the uninstaller is being staged.
        ASSERT_TRUE(WaitUntil([&] { return TempArchives().size() == tempArchivesBefore_.size() + 2; }, 20000))
            << "no archive and staged uninstaller in the temporary folder";
        ASSERT_TRUE(WaitUntil([&] { return services().Files.FileExists(temp + u"7za.exe"); }, 10000));
        Sleep(500);
        if (end.closeButton) {
            ASSERT_TRUE(window.Click(kCloseButton));
        } else {
            ASSERT_TRUE(setup.Terminate(3));
        }
        ASSERT_TRUE(setup.Wait(10000).has_value()) << "the installer did not end";
        // The staged uninstaller went with the process; the archive stays, holding the payload.
        std::set<std::u16string> added;
        for (const std::u16string& name : TempArchives()) {
            if (!tempArchivesBefore_.count(name)) added.insert(name);
        }
        ASSERT_EQ(added.size(), 1u);
        EXPECT_TRUE(services().Files.FileExists(temp + u"7za.exe"));
        ExpectNoInstallation(DefaultFolder());
        EXPECT_FALSE(services().Files.FileExists(DesktopLink()));
        // The extractor is left to finish on its own; the test ends it and takes the two files away.
        services().Processes.RunCommand({.CommandLine = u"taskkill.exe /f /im 7za.exe",
                                         .WorkDir = u"C:\\",
                                         .Encoding = app::OutputEncoding::AnsiCodePage});
        EXPECT_TRUE(WaitUntil([&] { return services().Files.RemoveFile(temp + u"7za.exe"); }, 10000));
        for (const std::u16string& name : added) services().Files.RemoveFile(temp + name);
    }
}

// ---- uninstalling against a fault

TEST_F(FaultMatrixTest, AnUninstallationAgainstAFaultRemovesWhatItCanAndKeepsTheUsersFiles) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const std::u16string folder = DefaultFolder();
    const std::u16string outside = ScratchRoot() + u"elsewhere";
    const std::u16string script = services().Files.TempFolder() + u"_deleteme.bat";
    const struct {
        const char* what;
        // Sets the fault up after the installation; what it returns undoes it after the check.
        std::function<std::function<void()>()> arrange;
        // What stays of the installation: payload files (relative) and whether the entry stays.
        std::vector<std::u16string> staying;
        // A log line of the uninstaller that names the fault; empty: none expected.
        std::string logLine;
    } rows[] = {
        {"a link in place of \"wizard\"",
         [&] {
             services().Files.DeleteTree(folder + u"wizard");
             EXPECT_TRUE(services().Files.CreateDirectories(outside));
             EXPECT_TRUE(services().Files.WriteFile(outside + u"\\precious.txt", "the user's own"));
             EXPECT_TRUE(RunHost({"ln", "-s", UnixPathOf(outside), UnixPathOf(folder) + "/wizard"}).Ok());
             return [&] { RunHost({"rm", "-f", UnixPathOf(folder) + "/wizard"}); };
         },
         {},
         "Setup: cannot remove all of " + U8(folder) + "wizard"},
        {"a link in place of \"driver\"",
         [&] {
             services().Files.DeleteTree(folder + u"driver");
             EXPECT_TRUE(services().Files.CreateDirectories(outside));
             EXPECT_TRUE(services().Files.WriteFile(outside + u"\\precious.txt", "the user's own"));
             EXPECT_TRUE(RunHost({"ln", "-s", UnixPathOf(outside), UnixPathOf(folder) + "/driver"}).Ok());
             return [&] { RunHost({"rm", "-f", UnixPathOf(folder) + "/driver"}); };
         },
         {},
         "Setup: cannot remove all of " + U8(folder) + "driver"},
        {"a file of the installation held open without delete sharing",
         [&] {
             auto held = std::make_shared<platform::win32::UniqueHandle>(
                 CreateFileW(Wide(folder + u"bridge.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
             EXPECT_TRUE(held->Valid());
             return [held] { held->Reset(); };
         },
         {u"bridge.dll"},
         "Setup: cannot delete " + U8(folder) + "bridge.dll"},
        {"a leftover removal script of an earlier run",
         [&] {
             EXPECT_TRUE(services().Files.WriteFile(script, ":again\r\ngoto again"));
             return [] {};
         },
         {},
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CleanMachine();
        QuickInstall(installer);
        ASSERT_TRUE(WaitUntil(AppRunning, 20000));
        ASSERT_TRUE(services().Files.WriteFile(folder + u"my notes.txt", "the user's notes"));
        const std::function<void()> undo = row.arrange();
        services().Files.DeleteTree(folder + u"log\\");

        UninstallSilently(folder);

        EXPECT_FALSE(AppRunning());
        EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
        EXPECT_FALSE(services().Files.FileExists(DesktopLink()));
        EXPECT_FALSE(services().Files.FileExists(StartMenuLink()));
        for (std::u16string_view name : app::kInstalledFiles) {
            const bool stays = std::find(row.staying.begin(), row.staying.end(), name) != row.staying.end();
            EXPECT_EQ(services().Files.FileExists(folder + std::u16string(name)), stays) << U8(name);
        }
        EXPECT_EQ(ReadFile(folder + u"my notes.txt"), "the user's notes");
        if (services().Files.DirectoryExists(outside)) {
            EXPECT_EQ(ReadFile(outside + u"\\precious.txt"), "the user's own") << "the link's target was entered";
        }
        const std::vector<std::string> lines = LogLines(folder);
        if (!row.logLine.empty()) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), row.logLine), lines.end()) << AllLogLines(folder);
        }
        EXPECT_TRUE(WaitUntil([&] { return !services().Files.FileExists(folder + u"Uninstall.exe"); }, 20000))
            << "Uninstall.exe stayed";
        EXPECT_TRUE(WaitUntil([&] { return !services().Files.FileExists(script); }, 20000))
            << "the removal script stayed";
        undo();
        services().Files.DeleteTree(outside);
    }
}

}  // namespace
}  // namespace e2e
