#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/registry_keys.h"
#include "app/uninstall_sequence.h"
#include "tests/app/fake_system.h"

namespace app {
namespace {

using testing::FakeSystem;
using testing::U8;

const std::u16string kFolder = u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix\\";
const std::string kDir = "C:\\Users\\Ann\\AppData\\Roaming\\Velnix\\";
const std::string kScript = "C:\\Users\\Ann\\AppData\\Local\\Temp\\_deleteme.bat";

class UninstallSequenceTest : public ::testing::Test {
protected:
    UninstallSequenceTest() {
        system.executablePath = kFolder + u"Uninstall.exe";
        system.AddFile(kFolder + u"Uninstall.exe");
        for (std::u16string_view name : kInstalledFiles) system.AddFile(kFolder + std::u16string(name));
        for (std::u16string_view language : kLanguageFiles) {
            system.AddFile(kFolder + u"lang\\" + std::u16string(language) + u".lang");
        }
        system.AddFile(kFolder + u"wizard\\wizard.txt");
        system.AddFile(kFolder + u"driver\\x64\\driver.inf");
        system.AddFile(kFolder + u"my notes.txt", "the user's own file");
        system.AddFile(u"C:\\Users\\Ann\\Desktop\\Velnix.lnk");
        system.AddFile(u"C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk");
        system.registry[std::u16string(kProductKey)][u"uuid"] = {u"{11111111-2222-3333-4444-555555555555}", true};
        system.registry[std::u16string(kProductKey)][u"fl"] = {u"a", true};
        system.registry[std::u16string(kUninstallKey)][u"UninstallString"] = {u"\"" + kFolder + u"Uninstall.exe\"",
                                                                              true};
    }

    FakeSystem system;
    TSetupState state;
};

TEST_F(UninstallSequenceTest, ConfirmedRemovalRunsEveryStepInOrder) {
    state.ChannelTag = u"b";  // the running file's tag is not what the report carries
    RunUninstall(state, system.Services());

    std::vector<std::string> expected = {
        "ask Uninstall Velnix? | Velnix",
        "task queued",
        "quit request Velnix 1027 within 3000",
    };
    for (int round = 0; round < 2; ++round) {
        // By its full path: never a taskkill.exe from the installation folder.
        expected.push_back("run \"C:\\Windows\\system32\\taskkill.exe\" /f /im Velnix.exe | in " + kDir +
                           " | ansi | limit 0");
        expected.push_back("run \"C:\\Windows\\system32\\taskkill.exe\" /f /im vlxd.exe | in " + kDir +
                           " | ansi | limit 0");
        expected.push_back("sleep 500");
    }
    for (std::u16string_view name : kInstalledFiles) expected.push_back("delete " + kDir + U8(name));
    for (std::u16string_view language : kLanguageFiles) {
        expected.push_back("delete " + kDir + "lang\\" + U8(language) + ".lang");
    }
    expected.push_back("remove folder " + kDir + "lang");
    expected.push_back("remove tree " + kDir + "wizard");
    expected.push_back("remove tree " + kDir + "driver");
    expected.push_back("delete C:\\Users\\Ann\\Desktop\\Velnix.lnk");
    expected.push_back("delete C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk");
    expected.push_back("registry delete " + U8(kUninstallKey));
    // The report has not run yet (the fake pool runs nothing by itself): it gets five seconds before the end.
    for (int poll = 0; poll < 50; ++poll) expected.push_back("sleep 100");
    // Only then the removal script starts, so its tries are not spent while the process still waits.
    expected.push_back("write " + kScript);
    expected.push_back("open " + kScript + " hidden");
    expected.push_back("end 0");
    EXPECT_EQ(system.events, expected);

    // What stays: the folder with the user's file and the uninstaller (until the script runs), the product key.
    EXPECT_TRUE(system.HasFile(kFolder + u"my notes.txt"));
    EXPECT_TRUE(system.HasFile(kFolder + u"Uninstall.exe"));
    EXPECT_FALSE(system.HasFolder(kFolder + u"lang"));
    EXPECT_FALSE(system.HasFolder(kFolder + u"wizard"));
    EXPECT_FALSE(system.HasFolder(kFolder + u"driver"));
    EXPECT_TRUE(system.registry.count(std::u16string(kProductKey)));
    EXPECT_FALSE(system.registry.count(std::u16string(kUninstallKey)));

    // The report, sent in the background, carries the identity read from the registry.
    system.RunQueuedTasks();
    ASSERT_EQ(system.httpRequests.size(), 1u);
    EXPECT_EQ(U8(system.httpRequests[0].Url), "https://stats.example/stat/uninstall/");
    EXPECT_NE(system.httpRequests[0].Body.find("\"fl\":\"a\",\"uuid\":\"{11111111-2222-3333-4444-555555555555}\""),
              std::string::npos);
}

TEST_F(UninstallSequenceTest, WithoutAKnownSystemFolderNoTaskkillRunsAndTheRemovalGoesOn) {
    system.shellFolders.erase(ShellFolder::System);
    system.firstArgument = u"update";
    RunUninstall(state, system.Services());
    EXPECT_TRUE(system.EventsStartingWith("run").empty());
    EXPECT_FALSE(system.HasFile(kFolder + u"Velnix.exe"));
    EXPECT_EQ(system.EventsStartingWith("registry delete").size(), 1u);
    EXPECT_EQ(system.events.back(), "end 0");
}

TEST_F(UninstallSequenceTest, AnswerNoChangesNothingAndReportsNothing) {
    system.answerYes = false;
    const auto files = system.files;
    const auto registry = system.registry.size();
    RunUninstall(state, system.Services());
    EXPECT_EQ(system.events, (std::vector<std::string>{"ask Uninstall Velnix? | Velnix", "end 0"}));
    EXPECT_EQ(system.files, files);
    EXPECT_EQ(system.registry.size(), registry);
    EXPECT_EQ(system.QueuedTasks(), 0u);
}

TEST_F(UninstallSequenceTest, OnlyTheExactArgumentUpdateIsSilent) {
    const struct {
        std::u16string argument;
        bool asked;
    } cases[] = {{u"update", false}, {u"Update", true}, {u"UPDATE", true}, {u"", true}, {u"update ", true}};
    for (const auto& c : cases) {
        FakeSystem machine;
        machine.executablePath = kFolder + u"Uninstall.exe";
        machine.firstArgument = c.argument;
        TSetupState fresh;
        RunUninstall(fresh, machine.Services());
        EXPECT_EQ(!machine.EventsStartingWith("ask").empty(), c.asked) << U8(c.argument);
        EXPECT_EQ(machine.QueuedTasks(), c.asked ? 1u : 0u) << U8(c.argument);
        // The removal itself runs either way.
        EXPECT_EQ(machine.EventsStartingWith("registry delete").size(), 1u) << U8(c.argument);
        EXPECT_EQ(machine.events.back(), "end 0");
    }
}

TEST_F(UninstallSequenceTest, SwitchSRemovesWithoutAskingAndReportsTheRemoval) {
    const struct {
        std::u16string commandLine;
        bool asked;
        bool reported;
    } cases[] = {
        {u"\"" + kFolder + u"Uninstall.exe\" /S", false, true},
        {u"Uninstall.exe /S /D=C:\\Elsewhere", false, true},  // a folder means nothing to the uninstaller
        {u"Uninstall.exe /s", true, true},                    // letter case counts
        {u"Uninstall.exe /SD", true, true},
        {u"Uninstall.exe update /S", false, false},  // the newer installer's removal stays unreported
    };
    for (const auto& c : cases) {
        FakeSystem machine;
        machine.executablePath = kFolder + u"Uninstall.exe";
        machine.commandLine = c.commandLine;
        machine.firstArgument = c.commandLine.find(u" update") != std::u16string::npos ? u"update" : u"";
        TSetupState fresh;
        RunUninstall(fresh, machine.Services());
        machine.RunQueuedTasks();
        EXPECT_EQ(!machine.EventsStartingWith("ask").empty(), c.asked) << U8(c.commandLine);
        EXPECT_EQ(machine.EventsStartingWith("post https://stats.example/stat/uninstall/").size(), c.reported ? 1u : 0u)
            << U8(c.commandLine);
        EXPECT_EQ(machine.EventsStartingWith("registry delete").size(), 1u) << U8(c.commandLine);
        EXPECT_EQ(machine.EventsStartingWith("end").back(), "end 0") << U8(c.commandLine);
    }
}

TEST_F(UninstallSequenceTest, AFolderNamedLikeAListedFileStays) {
    system.files.erase(kFolder + u"vel-nix");
    system.AddFile(kFolder + u"vel-nix\\inside.txt");
    system.firstArgument = u"update";
    RunUninstall(state, system.Services());
    EXPECT_TRUE(system.HasFile(kFolder + u"vel-nix\\inside.txt"));
    EXPECT_TRUE(system.EventsStartingWith("delete " + kDir + "vel-nix").empty());
}

TEST_F(UninstallSequenceTest, LangFolderWithAnExtraFileStaysWithThatFile) {
    system.AddFile(kFolder + u"lang\\Deutsch.lang");
    system.firstArgument = u"update";
    RunUninstall(state, system.Services());
    EXPECT_TRUE(system.HasFile(kFolder + u"lang\\Deutsch.lang"));
    EXPECT_TRUE(system.HasFolder(kFolder + u"lang"));
    EXPECT_FALSE(system.HasFile(kFolder + u"lang\\" + std::u16string(kLanguageFiles[0]) + u".lang"));
    EXPECT_TRUE(system.EventsStartingWith("remove folder").empty());
}

TEST_F(UninstallSequenceTest, EachFailureIsLoggedAndTheSequenceGoesOn) {
    system.undeletableFiles = {kFolder + u"Velnix.exe", kFolder + u"wizard\\wizard.txt",
                               u"C:\\Users\\Ann\\Desktop\\Velnix.lnk"};
    system.firstArgument = u"update";
    RunUninstall(state, system.Services());
    EXPECT_TRUE(system.HasFile(kFolder + u"Velnix.exe"));
    EXPECT_FALSE(system.HasFile(kFolder + u"runtime-setup.exe"));  // the next row after the failure
    EXPECT_TRUE(system.HasFile(kFolder + u"wizard\\wizard.txt"));
    EXPECT_FALSE(system.HasFolder(kFolder + u"driver"));  // the next folder after the failure
    EXPECT_FALSE(
        system.HasFile(u"C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk"));
    EXPECT_EQ(system.events.back(), "end 0");
    EXPECT_GE(system.logLines.size(), 3u);
}

TEST_F(UninstallSequenceTest, AMissingUninstallEntryAndMissingFilesAreNoObstacle) {
    FakeSystem empty;
    empty.executablePath = kFolder + u"Uninstall.exe";
    empty.firstArgument = u"update";
    RunUninstall(state, empty.Services());
    EXPECT_TRUE(empty.EventsStartingWith("delete " + kDir).empty());
    EXPECT_EQ(empty.events.back(), "end 0");
}

TEST(AskAppToQuitTest, RequestsUntilTheApplicationIsGoneAtMostFiftyTimes) {
    using R = QuitRequestResult;
    const struct {
        const char* name;
        std::deque<R> answers;
        size_t requests;
        size_t pauses;
    } cases[] = {
        {"not running", {}, 1, 0},
        {"quits after the first request", {R::Delivered}, 2, 1},
        {"quits after three requests", {R::Delivered, R::Delivered, R::Delivered}, 4, 3},
        {"keeps running", std::deque<R>(60, R::Delivered), 50, 50},
        {"view cannot be mapped", {R::ViewUnavailable, R::Delivered}, 1, 0},
        {"window does not answer", {R::Delivered, R::NotDelivered, R::Delivered}, 2, 1},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        system.quitAnswers = c.answers;
        AskAppToQuit(system.Services());
        EXPECT_EQ(system.EventsStartingWith("quit request Velnix 1027").size(), c.requests) << c.name;
        EXPECT_EQ(system.EventsStartingWith("sleep 100").size(), c.pauses) << c.name;
    }
}

}  // namespace
}  // namespace app
