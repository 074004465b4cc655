// End-to-end scenarios of the switches deployment tools use, with the real installer under Wine: the test variant
// of VelnixSetup.exe installs with /S (no window, no application start, an exit code that tells the outcome) and
// the Uninstall.exe it leaves removes everything with /S (no question, the removal reported). The statistics test
// server runs around the test executable.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/registry_keys.h"
#include "app/silent_install.h"
#include "app/uninstall_sequence.h"
#include "platform/win32/services/setup_services.h"
#include "platform/win32/wide_text.h"
#include "tests/e2e/e2e_support.h"

namespace e2e {
namespace {

using platform::win32::Wide;

app::SetupServices& Services() {
    static platform::win32::Win32SetupServices services(app::SetupSettings{u"https://127.0.0.1:9", u"x"});
    return services.Services();
}

// Whether a line of the installer's diagnostic log files in folder holds the text.
bool LogHas(const std::u16string& folder, const std::string& text) {
    const std::vector<std::string> lines = LogLines(folder);
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

size_t RequestsTo(const std::string& path) {
    const std::vector<StatsRequest> all = ReadStatsLog();
    return static_cast<size_t>(
        std::count_if(all.begin(), all.end(), [&](const StatsRequest& r) { return r.path == path && r.hashOk; }));
}

class SilentEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(EnvironmentText(L"VELNIX_TEST_STATS_URL").empty()) << "run through tests/app/stats_server.py";
        CreateDirectoryW(Wide(WorkDirWindows()).c_str(), nullptr);
        CleanMachine();
    }
    void TearDown() override { CleanMachine(); }

    static app::SetupServices& services() { return Services(); }
    static std::u16string AppData() {
        return services().Shell.FolderPath(app::ShellFolder::RoamingAppData).value_or(u"");
    }
    static std::u16string DesktopLink() {
        return services().Shell.FolderPath(app::ShellFolder::Desktop).value_or(u"") + u"\\Velnix.lnk";
    }
    static std::u16string StartMenuLink() {
        return AppData() + u"\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk";
    }
    static std::u16string ScratchRoot() { return u"C:\\velnix-silent-e2e\\"; }

    static void CleanMachine() {
        for (const char16_t* image : {u"Velnix.exe", u"vlxd.exe"}) {
            services().Processes.RunCommand({.CommandLine = u"taskkill.exe /f /im " + std::u16string(image),
                                             .WorkDir = u"C:\\",
                                             .Encoding = app::OutputEncoding::AnsiCodePage});
        }
        services().Registry.DeleteKey(app::kUninstallKey);
        services().Registry.DeleteKey(app::kProductKey);
        for (const std::u16string& folder : {AppData() + u"\\Velnix\\", ScratchRoot()}) {
            if (services().Files.DirectoryExists(folder)) {
                WaitUntil([&] { return services().Files.DeleteTree(folder); }, 10000);
            }
        }
        services().Files.RemoveFile(DesktopLink());
        services().Files.RemoveFile(StartMenuLink());
    }

    // A copy of the installer's test variant in the work folder, with its log switched on; its path.
    static std::u16string Installer(const std::u16string& fileName) {
        const std::u16string path = WorkDirWindows() + fileName;
        CopyFileW(Wide(WindowsPathOfUnix(VELNIX_SETUP_EXE)).c_str(), Wide(path).c_str(), FALSE);
        services().Files.DeleteTree(WorkDirWindows() + u"log\\");
        return path;
    }

    // Runs a program with arguments and waits for it; its exit code (a failed expectation when it does not end).
    static std::optional<uint32_t> RunToEnd(const std::u16string& program, const std::u16string& arguments) {
        ChildProcess child(program, arguments);
        EXPECT_TRUE(child.Started()) << U8(program);
        const std::optional<uint32_t> exitCode = child.Wait(90000);
        EXPECT_TRUE(exitCode.has_value()) << U8(program) << " " << U8(arguments) << " did not end";
        return exitCode;
    }
};

TEST_F(SilentEndToEndTest, SwitchSInstallsIntoTheGivenFolderWithoutAWindowAndUninstallSRemovesIt) {
    EnvironmentOverride writeLog(L"VELNIX_TEST_WRITE_LOG", u"1");
    const std::u16string installer = Installer(u"VelnixSetup.silent.exe");
    // NSIS convention: the folder is the rest of the line, unquoted, blanks and all.
    const std::u16string folder = ScratchRoot() + u"Velnix Apps & 100%\\";
    const size_t installReports = RequestsTo("/stat/install/");
    const size_t uninstallReports = RequestsTo("/stat/uninstall/");

    EXPECT_EQ(RunToEnd(installer, u"/S /D=" + folder.substr(0, folder.size() - 1)), app::kSilentInstallComplete);
    EXPECT_EQ(WaitForSetupWindow(L"Install Velnix", 0), nullptr);
    for (const char16_t* name : {u"Velnix.exe", u"vlxd.exe", u"wizard\\wizard.txt", u"Uninstall.exe"}) {
        EXPECT_TRUE(services().Files.FileExists(folder + name)) << U8(name);
    }
    EXPECT_EQ(ReadWholeFile(folder + u"Uninstall.exe"), ReadWholeFile(installer));
    EXPECT_EQ(U8(ReadShortcut(DesktopLink()).target), U8(folder + u"Velnix.exe"));
    EXPECT_EQ(U8(ReadShortcut(StartMenuLink()).target), U8(folder + u"Velnix.exe"));
    {
        std::unique_ptr<app::IRegistryKey> entry =
            services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly);
        ASSERT_TRUE(entry);
        EXPECT_EQ(U8(entry->ReadString(u"UninstallString").value_or(u"-")), U8(u"\"" + folder + u"Uninstall.exe\""));
        EXPECT_EQ(U8(entry->ReadString(u"DisplayVersion").value_or(u"-")), "2.0");
    }
    EXPECT_FALSE(services().Files.FileExists(services().Files.TempFolder() + u"7za.exe"));
    // Deployment tools start the application themselves, if at all.
    Sleep(1000);
    EXPECT_FALSE(AppRunning());
    EXPECT_EQ(RequestsTo("/stat/install/"), installReports + 1);
    EXPECT_TRUE(LogHas(WorkDirWindows(), "complete"));

    // The removal: no question (a message box would keep the process from ending), the report sent.
    EXPECT_EQ(RunToEnd(folder + u"Uninstall.exe", u"/S"), 0u);
    EXPECT_EQ(RequestsTo("/stat/uninstall/"), uninstallReports + 1);
    for (const char16_t* name : {u"Velnix.exe", u"vlxd.exe", u"wizard\\wizard.txt"}) {
        EXPECT_FALSE(services().Files.FileExists(folder + name)) << U8(name);
    }
    EXPECT_FALSE(services().Files.FileExists(DesktopLink()));
    EXPECT_FALSE(services().Files.FileExists(StartMenuLink()));
    EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
    EXPECT_TRUE(WaitUntil([&] { return !services().Files.FileExists(folder + u"Uninstall.exe"); }, 20000))
        << "Uninstall.exe stayed";
    EXPECT_TRUE(WaitUntil(
        [&] { return !services().Files.FileExists(services().Files.TempFolder() + u"_deleteme.bat"); }, 20000));
}

TEST_F(SilentEndToEndTest, AFailedExtractionOrABadFolderGivesANonZeroExitCodeAndTheReasonInTheLog) {
    EnvironmentOverride writeLog(L"VELNIX_TEST_WRITE_LOG", u"1");
    {
        SCOPED_TRACE("corrupt payload");
        const std::u16string installer = Installer(u"VelnixSetup.corrupt.exe");
        ASSERT_TRUE(ReplaceResource(installer, L"pak", "7z but not really an archive"));
        const std::u16string folder = ScratchRoot() + u"corrupt\\";
        EXPECT_EQ(RunToEnd(installer, u"/S /D=" + folder), app::kSilentInstallFailed);
        EXPECT_FALSE(services().Files.FileExists(folder + u"Velnix.exe"));
        // No installation, so nothing that would point at one.
        EXPECT_FALSE(services().Files.FileExists(folder + u"Uninstall.exe"));
        EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
        EXPECT_FALSE(services().Files.FileExists(DesktopLink()));
        EXPECT_FALSE(services().Files.FileExists(StartMenuLink()));
        EXPECT_TRUE(LogHas(WorkDirWindows(), "failed: extraction")) << "no failure line in the log";
        EXPECT_FALSE(services().Files.FileExists(services().Files.TempFolder() + u"7za.exe"));
        EXPECT_FALSE(AppRunning());
    }
    CleanMachine();
    {
        SCOPED_TRACE("relative folder");
        const std::u16string installer = Installer(u"VelnixSetup.exe");
        EXPECT_EQ(RunToEnd(installer, u"/S /D=Velnix"), app::kSilentInstallBadCommandLine);
        EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
        EXPECT_FALSE(services().Registry.OpenKey(app::kProductKey, app::KeyAccess::ReadOnly));
        EXPECT_TRUE(LogHas(WorkDirWindows(), "/D= needs a full folder path"));
    }
}

}  // namespace
}  // namespace e2e
