#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/registry_keys.h"
#include "app/silent_install.h"
#include "tests/app/fake_system.h"

namespace app {
namespace {

using testing::FakeSystem;
using testing::U8;

const std::u16string kSetupPath = u"C:\\Users\\Ann\\Downloads\\VelnixSetup.exe";
const std::u16string kDefaultTarget = u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix\\";

// A machine with an extractor that does what its command line says; one per case.
class SilentMachine {
public:
    SilentMachine() {
        system.executablePath = kSetupPath;
        system.AddFolder(u"C:\\Users\\Ann\\Desktop");
        // The extractor puts the payload where its switch -o says, and ends with the exit code the test chose.
        system.onRun = [this](const CommandRequest& request) -> CommandResult {
            const std::optional<std::u16string> target = testing::ExtractorTarget(request.CommandLine);
            if (!target) return {.ExitCode = 0, .Output = {}, .StoppedAtTimeLimit = false};
            if (extractorExitCode == 0 && extractorLeavesApp) system.AddFile(*target + u"Velnix.exe");
            return {.ExitCode = extractorExitCode, .Output = u"ERROR: Wrong password"};
        };
        // Time passes for the report while the sequence waits.
        system.onSleep = [this] { system.RunQueuedTasks(); };
    }

    uint32_t Install(const std::u16string& arguments) {
        system.commandLine = u"\"" + kSetupPath + u"\" " + arguments;
        const SetupSwitches switches = ParseSetupSwitches(system.commandLine);
        EXPECT_TRUE(IsSilentInstall(switches, system.Services()));
        return RunSilentInstall(state, system.Services(), switches);
    }

    bool Logged(const std::string& part) const {
        for (const std::u16string& line : system.logLines) {
            if (U8(line).find(part) != std::string::npos) return true;
        }
        return false;
    }

    FakeSystem system;
    TSetupState state;
    uint32_t extractorExitCode = 0;
    bool extractorLeavesApp = true;
};

class SilentInstallTest : public ::testing::Test, protected SilentMachine {};

TEST_F(SilentInstallTest, InstallsIntoTheDefaultFolderReportsAndStartsNothing) {
    EXPECT_EQ(Install(u"/S"), kSilentInstallComplete);
    const std::string dir = U8(kDefaultTarget);
    EXPECT_EQ(U8(state.InstallDir), dir);
    EXPECT_EQ(system.EventsStartingWith("post").size(), 1u);
    EXPECT_EQ(system.EventsStartingWith("post").front(), "post https://stats.example/stat/install/");
    // The same identity a click would create.
    EXPECT_EQ(U8(system.registry[std::u16string(kProductKey)][u"uuid"].Text), "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");
    EXPECT_EQ(system.EventsStartingWith("run ").size(), 1u);
    EXPECT_NE(system.EventsStartingWith("run ").front().find("-o\"" + dir + "\""), std::string::npos);
    EXPECT_TRUE(system.HasFile(kDefaultTarget + u"Uninstall.exe"));
    EXPECT_EQ(system.EventsStartingWith("shortcut").size(), 2u);
    EXPECT_EQ(system.registry[std::u16string(kUninstallKey)][u"UninstallString"].Text,
              u"\"" + kDefaultTarget + u"Uninstall.exe\"");
    // No application start, and the caller ends the process with the exit code.
    EXPECT_TRUE(system.EventsStartingWith("open").empty());
    EXPECT_TRUE(system.EventsStartingWith("end").empty());
    EXPECT_TRUE(Logged("complete"));
}

TEST_F(SilentInstallTest, TheFolderOfSwitchDMayHoldBlanksAndGetsItsBackslash) {
    EXPECT_EQ(Install(u"/S /D=C:\\Program Files\\Velnix Apps"), kSilentInstallComplete);
    EXPECT_EQ(U8(state.InstallDir), "C:\\Program Files\\Velnix Apps\\");
    EXPECT_EQ(system.EventsStartingWith("create folder").front(), "create folder C:\\Program Files\\Velnix Apps\\");
    EXPECT_TRUE(system.HasFile(u"C:\\Program Files\\Velnix Apps\\Velnix.exe"));
    EXPECT_EQ(system.registry[std::u16string(kUninstallKey)][u"DisplayIcon"].Text,
              u"C:\\Program Files\\Velnix Apps\\Velnix.exe");
}

TEST(SilentInstallCasesTest, UpdateRemovesTheEarlierInstallationFirstAndReportsAnUpdate) {
    const struct {
        std::u16string arguments;
        std::string target;
    } cases[] = {
        {u"/S", "C:\\Apps\\Velnix\\"},
        // A folder of its own wins over the earlier one, whose installation is removed all the same.
        {u"/S /D=D:\\Velnix", "D:\\Velnix\\"},
    };
    for (const auto& c : cases) {
        SilentMachine m;
        m.system.registry[std::u16string(kUninstallKey)][u"UninstallString"] = {u"\"C:\\Apps\\Velnix\\Uninstall.exe\"",
                                                                                true};
        m.system.AddFolder(u"C:\\Apps\\Velnix");
        EXPECT_EQ(m.Install(c.arguments), kSilentInstallComplete) << U8(c.arguments);
        const std::vector<std::string> runs = m.system.EventsStartingWith("run ");
        ASSERT_EQ(runs.size(), 2u) << U8(c.arguments);
        EXPECT_EQ(runs[0], "run \"C:\\Apps\\Velnix\\Uninstall.exe\" update | in C:\\Apps\\Velnix\\ | utf8 | limit 15");
        EXPECT_NE(runs[1].find("-o\"" + c.target + "\""), std::string::npos) << runs[1];
        EXPECT_EQ(m.system.EventsStartingWith("post").front(), "post https://stats.example/stat/updateinstall/");
        EXPECT_EQ(U8(m.state.InstallDir), c.target);
    }
}

TEST(SilentInstallCasesTest, AFailedStepGivesExitCodeOneAndALogLineWhileTheOtherStepsRun) {
    const struct {
        const char* name;
        std::function<void(SilentMachine&)> arrange;
        std::string failedStep;
        // Whether the application is installed, with its uninstaller; without it, nothing points at it.
        bool installed;
    } cases[] = {
        {"extractor error", [](SilentMachine& t) { t.extractorExitCode = 2; }, "extraction", false},
        {"no Velnix.exe", [](SilentMachine& t) { t.extractorLeavesApp = false; }, "extraction", false},
        {"no payload", [](SilentMachine& t) { t.system.resources.erase(u"pak"); }, "payload archive", true},
        {"shortcut", [](SilentMachine& t) { t.system.shortcutFails = true; }, "shortcuts", true},
        {"uninstall entry", [](SilentMachine& t) { t.system.unopenableKeys.insert(std::u16string(kUninstallKey)); },
         "uninstall entry", true},
        {"no temporary file", [](SilentMachine& t) { t.system.tempFileFails = true; }, "temporary file", false},
    };
    for (const auto& c : cases) {
        SilentMachine m;
        c.arrange(m);
        EXPECT_EQ(m.Install(u"/S"), kSilentInstallFailed) << c.name;
        EXPECT_TRUE(m.Logged("failed: ")) << c.name;
        EXPECT_TRUE(m.Logged(c.failedStep)) << c.name;
        EXPECT_TRUE(m.system.EventsStartingWith("open").empty()) << c.name;
        EXPECT_EQ(m.system.HasFile(kDefaultTarget + u"Uninstall.exe"), c.installed) << c.name;
        if (!c.installed) {
            EXPECT_TRUE(m.system.EventsStartingWith("shortcut").empty()) << c.name;
            EXPECT_FALSE(m.system.registry.count(std::u16string(kUninstallKey))) << c.name;
        }
        // The report goes out whatever happens to the installation.
        EXPECT_EQ(m.system.EventsStartingWith("post").size(), 1u) << c.name;
    }
}

TEST(SilentInstallCasesTest, ARelativeOrMalformedFolderIsRefusedBeforeAnythingHappens) {
    for (const std::u16string folder : {u"Velnix", u"", u"C:Velnix", u"C:\\Apps\\\"Velnix\""}) {
        SilentMachine m;
        EXPECT_EQ(m.Install(u"/S /D=" + folder), kSilentInstallBadCommandLine) << U8(folder);
        EXPECT_TRUE(m.system.events.empty()) << U8(folder);
        EXPECT_TRUE(m.system.registry.empty()) << U8(folder);
        EXPECT_TRUE(m.Logged("/D=")) << U8(folder);
    }
}

TEST_F(SilentInstallTest, WithoutAnyFixedDriveThereIsNoTargetAndTheExitCodeSaysSo) {
    system.drives.clear();
    EXPECT_EQ(Install(u"/S"), kSilentInstallFailed);
    EXPECT_TRUE(system.EventsStartingWith("run").empty());
    EXPECT_TRUE(Logged("no target folder"));
}

TEST(SilentInstallModeTest, OnlySwitchSOutsideTheUninstallerInstallsSilently) {
    const struct {
        std::u16string executable;
        std::u16string line;
        bool silentInstall;
    } cases[] = {
        {u"C:\\Downloads\\VelnixSetup.exe", u"VelnixSetup.exe /S", true},
        {u"C:\\Downloads\\VelnixSetup.web.exe", u"VelnixSetup.web.exe /S /D=C:\\Velnix", true},
        {u"C:\\Downloads\\VelnixSetup.exe", u"VelnixSetup.exe", false},
        {u"C:\\Apps\\Velnix\\Uninstall.exe", u"Uninstall.exe /S", false},
        {u"C:\\Apps\\Velnix\\UNINSTALL.EXE", u"UNINSTALL.EXE /S", false},
    };
    for (const auto& c : cases) {
        FakeSystem machine;
        machine.executablePath = c.executable;
        EXPECT_EQ(IsSilentInstall(ParseSetupSwitches(c.line), machine.Services()), c.silentInstall) << U8(c.line);
    }
}

}  // namespace
}  // namespace app
