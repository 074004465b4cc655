// End-to-end scenarios with the real installer under Wine: the test variant of VelnixSetup.exe (the product's
// code, reporting to the statistics test server) is started as a child process in the virtual display, its
// window is looked at and clicked through the X server, and what it leaves on the machine is checked with the
// Win32 API: files, shell links, the registry, processes and the requests the statistics server received.
//
// The window sits centred in the screen (1920 x 1080, room for the window at twice the scale): its background
// (BgImage) at 8, 8 inside the window.
#include "tests/e2e/setup_e2e_fixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

using platform::win32::Wide;

TEST_F(SetupEndToEndTest, FreshInstallUpdateAndUninstallThroughTheRealWindow) {
    const std::u16string installer = Installer(u"VelnixSetup.e2e.exe");
    const std::u16string folder = DefaultFolder();

    // ---- fresh install: the window as the user sees it after the intro, then a click on "Install Now"
    {
        SCOPED_TRACE("fresh install");
        EnvironmentOverride writeLog(L"VELNIX_TEST_WRITE_LOG", u"1");
        services().Files.DeleteTree(WorkDirWindows() + u"log\\");
        // Other tests of the run may have reported before this one.
        const size_t statsBefore = StatsCount();
        ChildProcess setup(installer);
        ASSERT_TRUE(setup.Started());
        const SetupWindow window = WaitForWindow(L"Install Velnix");
        ASSERT_NE(window.Handle(), nullptr);
        const RECT& rect = window.Rect();
        EXPECT_EQ(rect.right - rect.left, 656);
        EXPECT_EQ(rect.bottom - rect.top, 376);
        EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 656) / 2);
        EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 376) / 2);
        EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);

        Sleep(kIntroMs);
        const std::string shot = CaptureScreen("install-mode");
        ASSERT_FALSE(shot.empty());
        const int left = window.ScreenX(0);
        const int top = window.ScreenY(0);
        // The pictures where the intro leaves them, and bare background where nothing else lies.
        const struct {
            const char* what;
            int x, y, width, height;
        } pictures[] = {
            {"logo at 450, 90", 450, 90, 100, 158},
            {"brand at 50, 70", 50, 70, 300, 78},
            {"background above the text", 20, 10, 560, 50},
            {"background below the install button", 20, 300, 380, 45},
        };
        for (const auto& p : pictures) {
            EXPECT_LT(RegionDifference(shot, left + p.x, top + p.y, p.width, p.height, expected1x_, p.x, p.y), 0.03)
                << p.what;
        }
        // The install button's fill and the screen outside the window.
        const Rgb button = MeanColour(shot, left + 130, top + 238, 20, 8);
        EXPECT_NEAR(button.r, 0x00, 12);
        EXPECT_NEAR(button.g, 0x92, 12);
        EXPECT_NEAR(button.b, 0xCA, 12);
        EXPECT_GT(RegionDifference(shot, left + 120, top + 233, 160, 50, expected1x_, 120, 233), 0.1);
        const Rgb outside = MeanColour(shot, 0, 0, 200, 200);
        EXPECT_EQ(outside.r + outside.g + outside.b, 0);

        ASSERT_TRUE(window.Click(kInstallButton));
        ExpectInstallationEnds(setup);
        // The installation's pool thread has the main thread end the process at once; what it logged until then
        // is in the file.
        EXPECT_TRUE(LogContains(WorkDirWindows(), "Setup: process ends with exit code 0"));
        EXPECT_FALSE(LogContains(WorkDirWindows(), "Setup: the main thread did not end the process in time"));
        ExpectInstalled(folder, installer);
        // The report runs beside the installation, which gives it its moment to arrive before the process ends.
        const std::vector<StatsRequest> reports = RequestsTo("/stat/install/", statsBefore);
        EXPECT_EQ(reports.size(), 1u);
        for (const StatsRequest& report : reports) {
            EXPECT_TRUE(report.hashOk) << report.body;
            EXPECT_NE(report.body.find("\"fl\":\"e2e\""), std::string::npos) << report.body;
        }
        std::unique_ptr<app::IRegistryKey> product =
            services().Registry.OpenKey(app::kProductKey, app::KeyAccess::ReadOnly);
        ASSERT_TRUE(product);
        EXPECT_EQ(U8(product->ReadString(u"fl").value_or(u"")), "e2e");
        EXPECT_EQ(product->ReadString(u"uuid").value_or(u"").size(), 38u);
    }

    // ---- update over it: the earlier uninstaller runs silently, the same folder is used again
    {
        SCOPED_TRACE("update");
        ASSERT_TRUE(services().Files.WriteFile(folder + u"bridge.dll", "from the earlier version"));
        ASSERT_TRUE(services().Files.WriteFile(folder + u"my notes.txt", "the user's own"));
        // The running application's window, which the earlier uninstaller asks to quit.
        HWND oldApp = FindWindowW(L"VelnixFixtureWindow", nullptr);
        ASSERT_NE(oldApp, nullptr);
        const size_t statsBefore = StatsCount();
        EnvironmentOverride writeLog(L"VELNIX_TEST_WRITE_LOG", u"1");
        services().Files.DeleteTree(WorkDirWindows() + u"log\\");
        services().Files.DeleteTree(folder + u"log\\");

        ChildProcess setup(installer);
        const SetupWindow window = WaitForWindow(L"Update Velnix");
        ASSERT_NE(window.Handle(), nullptr);
        Sleep(kShortIntroMs);
        const std::string shot = CaptureScreen("update-mode");
        const int left = window.ScreenX(0);
        const int top = window.ScreenY(0);
        // The short intro leaves the logo at 450, 50; the switch and its label are hidden.
        EXPECT_LT(RegionDifference(shot, left + 450, top + 50, 100, 30, expected1x_, 450, 90), 0.05) << "logo top";
        EXPECT_LT(RegionDifference(shot, left + 400, top + 250, 220, 40, expected1x_, 400, 250), 0.05)
            << "no switch in update mode";

        ASSERT_TRUE(window.Click(kInstallButton));
        ExpectInstallationEnds(setup);
        // Nothing on the way waited for a time-out: the earlier application quit when asked (the earlier
        // uninstaller's log), and the earlier uninstaller's removal script went away on its own (the installer's).
        for (const char* waited : {"Setup: the application does not answer the quit request",
                                   "Setup: the application did not quit when asked",
                                   "Setup: the earlier uninstaller's removal script is still there: "}) {
            EXPECT_FALSE(LogHasLineStartingWith(folder, waited) || LogHasLineStartingWith(WorkDirWindows(), waited))
                << waited;
        }
        EXPECT_FALSE(IsWindow(oldApp)) << "the earlier application was not asked to quit";
        ExpectInstalled(folder, installer);
        EXPECT_EQ(ReadFile(folder + u"bridge.dll").find("earlier"), std::string::npos);
        EXPECT_TRUE(services().Files.FileExists(folder + u"my notes.txt"));
        const std::vector<StatsRequest> updates = RequestsTo("/stat/updateinstall/", statsBefore);
        ASSERT_EQ(updates.size(), 1u);
        EXPECT_TRUE(updates[0].hashOk);
        EXPECT_TRUE(RequestsTo("/stat/uninstall/", statsBefore).empty()) << "the silent uninstaller reported";
        EXPECT_EQ(StatsCount(), statsBefore + 1);
    }

    // ---- uninstall answered No: nothing changes
    {
        SCOPED_TRACE("uninstall, No");
        const size_t statsBefore = StatsCount();
        RunUninstallerAnswering(folder, IDNO);
        EXPECT_TRUE(AppRunning());
        EXPECT_TRUE(services().Files.FileExists(folder + u"Velnix.exe"));
        EXPECT_TRUE(services().Files.FileExists(folder + u"Uninstall.exe"));
        EXPECT_TRUE(services().Files.FileExists(DesktopLink()));
        EXPECT_TRUE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
        EXPECT_EQ(StatsCount(), statsBefore);
    }

    // ---- uninstall answered Yes while the application runs
    {
        SCOPED_TRACE("uninstall, Yes");
        ASSERT_TRUE(services().Files.WriteFile(folder + u"lang\\Deutsch.lang", "an extra language"));
        const size_t statsBefore = StatsCount();
        RunUninstallerAnswering(folder, IDYES);
        ExpectUninstalled(folder);
        EXPECT_TRUE(services().Files.FileExists(folder + u"my notes.txt"));
        EXPECT_TRUE(services().Files.FileExists(folder + u"lang\\Deutsch.lang"));
        const std::vector<StatsRequest> reports = RequestsTo("/stat/uninstall/", statsBefore);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_TRUE(reports[0].hashOk);
    }
}

TEST_F(SetupEndToEndTest, AFolderWithBlanksLettersPercentAndAmpersandInstallsAndUninstallsCompletely) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const std::u16string chosen = ScratchRoot() + u"Apps Jos\u00E9 \u65E5\u672C 100% & R&D";
    ASSERT_TRUE(services().Files.CreateDirectories(chosen));
    const std::u16string folder = chosen + u"\\";
    {
        // The folder picker answers with the folder (the dialog itself is the system's).
        EnvironmentOverride pick(L"VELNIX_TEST_PICK_FOLDER", chosen);
        ChildProcess setup(installer);
        const SetupWindow window = WaitForWindow(L"Install Velnix");
        ASSERT_NE(window.Handle(), nullptr);
        Sleep(kIntroMs);
        ASSERT_TRUE(window.Click(kCustomInstallSwitch));
        Sleep(1300);  // the folder chooser slides up
        const std::string shot = CaptureScreen("folder-chooser");
        // The panel now covers the background's bottom strip.
        EXPECT_GT(RegionDifference(shot, window.ScreenX(20), window.ScreenY(300), 60, 50, expected1x_, 20, 300), 0.05);
        ASSERT_TRUE(window.Click(kBrowseButton));
        Sleep(300);
        EXPECT_EQ(VisibleToolTips(setup.Id()), 0) << "the browse button's tool tip stayed after the click";
        ASSERT_TRUE(window.Click(kInstallButton));
        ExpectInstallationEnds(setup);
    }
    ExpectInstalled(folder, installer);
    EXPECT_FALSE(services().Files.DirectoryExists(DefaultFolder()));

    RunUninstallerAnswering(folder, IDYES);
    ExpectUninstalled(folder);
    EXPECT_TRUE(services().Files.DirectoryExists(chosen));
}

TEST_F(SetupEndToEndTest, TheBrowseButtonOpensTheSystemFolderPickerAndInstallsIntoThePickedFolder) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const std::u16string picked = ScratchRoot() + u"Picked Folder";
    ASSERT_TRUE(services().Files.CreateDirectories(picked));
    ChildProcess setup(installer);
    const SetupWindow window = WaitForWindow(L"Install Velnix");
    ASSERT_NE(window.Handle(), nullptr);
    ASSERT_TRUE(window.Click(kCustomInstallSwitch));
    Sleep(1300);
    // Resting on the browse button shows its tool tip; leaving the window takes it away.
    ASSERT_TRUE(MovePointer(window.ScreenX(kBrowseButton.x), window.ScreenY(kBrowseButton.y)));
    EXPECT_TRUE(WaitUntil([&] { return VisibleToolTips(setup.Id()) == 1; }, 5000)) << "no tool tip on the button";
    ASSERT_TRUE(MovePointer(window.Rect().left - 20, window.Rect().top - 20));
    EXPECT_TRUE(WaitUntil([&] { return VisibleToolTips(setup.Id()) == 0; }, 5000)) << "the tool tip stayed";
    // The click brings the pointer back onto the button: its press puts the tool tip away for the dialog.
    ASSERT_TRUE(window.Click(kBrowseButton));
    HWND dialog = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (dialog = FindWindowW(nullptr, L"Select Folder of Installtion")) != nullptr; }, 20000))
        << "no folder picker with the window's title";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), window.Handle());
    EXPECT_FALSE(IsWindowEnabled(window.Handle())) << "the picker is not modal";
    EXPECT_EQ(VisibleToolTips(setup.Id()), 0) << "the tool tip stays over the folder picker";
    // Typed into the name box, the folder is entered; the dialog's button then chooses it.
    ASSERT_TRUE(RunHost({"xdotool", "type", "--delay", "20", U8(picked)}).Ok());
    ASSERT_TRUE(PressKeys({"Return"}));
    Sleep(800);
    RECT choose{};
    ASSERT_TRUE(GetWindowRect(GetDlgItem(dialog, IDOK), &choose));
    ASSERT_TRUE(ClickAt((choose.left + choose.right) / 2, (choose.top + choose.bottom) / 2));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 10000));
    Sleep(500);
    EXPECT_EQ(VisibleToolTips(setup.Id()), 0) << "the tool tip is back after the folder picker";
    ASSERT_TRUE(window.Click(kInstallButton));
    ExpectInstallationEnds(setup);
    ExpectInstalled(picked + u"\\", installer);
}

TEST_F(SetupEndToEndTest, TheInstallationFinishesWhateverTheStatisticsServerDoes) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const std::u16string server = EnvironmentText(L"VELNIX_TEST_STATS_URL");
    QuickInstall(installer);
    // Updates over it. A report the server never answers is given a few seconds after the application's start,
    // then the process ends all the same.
    const struct {
        const char* what;
        std::u16string url;
        const char* loggedPath;  // nullptr: nothing reaches the server
        // The installer's log lines that name the failure (one of them).
        std::vector<std::string> logLines;
    } cases[] = {
        {"server down",
         EnvironmentText(L"VELNIX_TEST_STATS_DOWN_URL"),
         nullptr,
         {"Setup: no answer from " + U8(EnvironmentText(L"VELNIX_TEST_STATS_DOWN_URL")) + "/stat/updateinstall/"}},
        {"HTML with status 502",
         server + u"/html502",
         "/html502/stat/updateinstall/",
         {"Setup: the answer of " + U8(server) + "/html502/stat/updateinstall/ with status 502 is not a JSON object"}},
        // Cut off when the process ends, or given up by the client's time-outs before that.
        {"connection never answered",
         EnvironmentText(L"VELNIX_TEST_STATS_SILENT_URL"),
         nullptr,
         {"Setup: a usage report is still in flight and is cut off",
          "Setup: no answer from " + U8(EnvironmentText(L"VELNIX_TEST_STATS_SILENT_URL")) + "/stat/updateinstall/"}},
    };
    EnvironmentOverride writeLog(L"VELNIX_TEST_WRITE_LOG", u"1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t statsBefore = StatsCount();
        services().Files.DeleteTree(WorkDirWindows() + u"log\\");
        {
            EnvironmentOverride url(L"VELNIX_TEST_STATS_URL", c.url);
            ChildProcess setup(installer);
            const SetupWindow window = WaitForWindow(L"Update Velnix");
            ASSERT_NE(window.Handle(), nullptr);
            ASSERT_TRUE(window.Click(kInstallButton));
            ExpectInstallationEnds(setup);
        }
        ExpectInstalled(DefaultFolder(), installer);
        EXPECT_TRUE(RequestsTo("/stat/updateinstall/", statsBefore).empty());
        if (c.loggedPath != nullptr) {
            EXPECT_EQ(RequestsTo(c.loggedPath, statsBefore).size(), 1u);
        }
        const std::vector<std::string> lines = LogLines(WorkDirWindows());
        EXPECT_TRUE(std::find_first_of(lines.begin(), lines.end(), c.logLines.begin(), c.logLines.end()) != lines.end())
            << c.logLines.front() << "\n"
            << ::testing::PrintToString(lines);
    }
}

TEST_F(SetupEndToEndTest, TheUninstallerEndsAnApplicationThatIgnoresOrHangsOnTheQuitRequest) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const std::u16string folder = DefaultFolder();
    EnvironmentOverride writeLog(L"VELNIX_TEST_WRITE_LOG", u"1");
    const struct {
        const char16_t* behaviour;
        const char* logLine;  // the uninstaller's line that names the failure
    } apps[] = {
        {u"--ignore-quit", "Setup: the application did not quit when asked"},
        {u"--hang", "Setup: the application does not answer the quit request"},
    };
    for (const auto& [behaviour, logLine] : apps) {
        SCOPED_TRACE(U8(behaviour));
        CleanMachine();
        QuickInstall(installer);
        ASSERT_TRUE(WaitUntil(AppRunning, 20000));
        EndApplication();
        ChildProcess app(folder + u"Velnix.exe", behaviour);
        ASSERT_TRUE(WaitUntil(AppRunning, 20000));
        ChildProcess uninstaller(folder + u"Uninstall.exe", u"update");
        const std::optional<uint32_t> exitCode = uninstaller.Wait(60000);
        ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
        EXPECT_TRUE(WaitUntil([&] { return !app.Running(); }, 10000)) << "the application still runs";
        EXPECT_TRUE(LogContains(folder, logLine)) << logLine;
        ExpectUninstalled(folder);
        services().Files.DeleteTree(folder + u"log\\");
    }
}

TEST_F(SetupEndToEndTest, TheInstallerEndsItsProcessWithoutACrashAfterTheInstallationAndOnTheCloseButton) {
    Installer(u"VelnixSetup.exe");
    const std::string installer = WorkDirUnix() + "VelnixSetup.exe";
    // The process ends while the window is drawing its animations. Ending it from the installation's pool
    // thread made Wine crash on the way out now and then (the exit code stayed 0): several rounds each.
    const struct {
        const char* what;
        BgPoint click;
        int rounds;
        bool installs;
    } ends[] = {
        {"installation", kInstallButton, 4, true},
        {"close button", kCloseButton, 2, false},
    };
    for (const auto& end : ends) {
        for (int round = 1; round <= end.rounds; ++round) {
            SCOPED_TRACE(std::string(end.what) + ", round " + std::to_string(round));
            CleanMachine();
            HostCommand setup({"wine-program", installer});
            const SetupWindow window = WaitForWindow(L"Install Velnix");
            ASSERT_NE(window.Handle(), nullptr);
            ASSERT_TRUE(window.Click(end.click));
            const HostResult result = setup.Finish(60000);
            ASSERT_TRUE(result.finished) << "the installer did not end";
            const std::string tail =
                result.output.substr(result.output.size() > 3000 ? result.output.size() - 3000 : 0);
            EXPECT_NE(result.output.find("unix-status 0\n"), std::string::npos) << tail;
            for (const char* crash : {"BadWindow", "X Error", "page fault", "Unhandled exception"}) {
                EXPECT_EQ(result.output.find(crash), std::string::npos) << crash << "\n" << tail;
            }
            if (end.installs) EXPECT_TRUE(WaitUntil(AppRunning, 20000)) << "the installation did not finish";
        }
    }
}

TEST_F(SetupEndToEndTest, AtOneAndAHalfAndTwiceTheScaleTheWindowIsSharpInPlaceDragsAndCloses) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    const struct {
        const char* what;
        DWORD dpi;
        double scale;
        // The window after the intro at this scale, from the double-size pictures; and from the plain ones
        // enlarged, as a window that did not pick the double-size pictures would show it.
        const std::string* expected;
        const std::string* enlarged;
        // The largest difference to the expected pictures, absolute and as a share of the difference to the
        // enlarged ones. At 200 % the double-size pictures are drawn pixel for pixel; at 150 % they are reduced,
        // by the window and by ImageMagick in slightly different ways.
        double maxDifference;
        double maxShareOfSoft;
    } scales[] = {
        {"150 %", 144, 1.5, &expected15x_, &enlarged15x_, 0.04, 0.7},
        {"200 %", 192, 2.0, &expected2x_, &enlarged2x_, 0.002, 0.25},
    };
    EnvironmentOverride writeLog(L"VELNIX_TEST_WRITE_LOG", u"1");
    for (const auto& at : scales) {
        SCOPED_TRACE(at.what);
        const auto px = [&](int logical) { return static_cast<int>(std::lround(logical * at.scale)); };
        services().Files.DeleteTree(WorkDirWindows() + u"log\\");
        ChildProcess setup;
        {
            DisplayScale scale(at.dpi);
            setup = ChildProcess(installer);
            ASSERT_TRUE(setup.Started());
            ASSERT_NE(WaitForSetupWindow(L"Install Velnix", 30000), nullptr);
        }
        SetupWindow window = WaitForWindow(L"Install Velnix");
        const RECT& rect = window.Rect();
        EXPECT_EQ(rect.right - rect.left, px(656));
        EXPECT_EQ(rect.bottom - rect.top, px(376));
        EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - px(656)) / 2);
        EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - px(376)) / 2);
        Sleep(kIntroMs);
        const std::string shot = CaptureWhenStill(window, "install-mode-" + std::to_string(at.dpi));
        ASSERT_FALSE(shot.empty()) << "the window kept changing after the intro";
        // The pictures at their logical places, drawn from the double-size artwork: they match it closely, and
        // much more closely than the plain pictures enlarged, whose edges are soft.
        const struct {
            const char* what;
            int x, y, width, height;
        } pictures[] = {
            {"logo", 450, 90, 100, 158},
            {"brand", 50, 70, 300, 78},
        };
        for (const auto& p : pictures) {
            SCOPED_TRACE(p.what);
            const int x = window.ScreenX(p.x);
            const int y = window.ScreenY(p.y);
            const double sharp =
                RegionDifference(shot, x, y, px(p.width), px(p.height), *at.expected, px(p.x), px(p.y));
            const double soft = RegionDifference(shot, x, y, px(p.width), px(p.height), *at.enlarged, px(p.x), px(p.y));
            EXPECT_LT(sharp, at.maxDifference);
            EXPECT_LT(sharp, soft * at.maxShareOfSoft) << "the picture is not sharp";
        }
        // The install button's fill at its place.
        const Rgb button = MeanColour(shot, window.ScreenX(130), window.ScreenY(238), px(20), px(8));
        EXPECT_NEAR(button.r, 0x00, 12);
        EXPECT_NEAR(button.g, 0x92, 12);
        EXPECT_NEAR(button.b, 0xCA, 12);

        // Dragging the background moves the window, with either button; a press on the logo drags as well.
        const struct {
            const char* what;
            BgPoint from;
            const char* button;
        } drags[] = {
            {"left button", {20, 320}, "1"}, {"right button", {20, 320}, "3"}, {"on the logo", {500, 150}, "1"}};
        for (const auto& d : drags) {
            SCOPED_TRACE(d.what);
            RECT before{};
            GetWindowRect(window.Handle(), &before);
            const SetupWindow current(window.Handle());
            const int x = current.ScreenX(d.from.x);
            const int y = current.ScreenY(d.from.y);
            ASSERT_TRUE(RunHost({"xdotool",
                                 "mousemove",
                                 std::to_string(x),
                                 std::to_string(y),
                                 "sleep",
                                 "0.1",
                                 "mousedown",
                                 d.button,
                                 "sleep",
                                 "0.1",
                                 "mousemove",
                                 std::to_string(x - 30),
                                 std::to_string(y - 20),
                                 "sleep",
                                 "0.1",
                                 "mousemove",
                                 std::to_string(x - 40),
                                 std::to_string(y - 25),
                                 "sleep",
                                 "0.1",
                                 "mouseup",
                                 d.button})
                            .Ok());
            Sleep(200);
            RECT after{};
            GetWindowRect(window.Handle(), &after);
            EXPECT_EQ(after.left - before.left, -40);
            EXPECT_EQ(after.top - before.top, -25);
            // Released: moving the pointer further leaves the window where it is.
            ASSERT_TRUE(RunHost({"xdotool", "mousemove", std::to_string(x - 100), std::to_string(y - 80)}).Ok());
            Sleep(200);
            RECT later{};
            GetWindowRect(window.Handle(), &later);
            EXPECT_EQ(later.left, after.left);
            EXPECT_EQ(later.top, after.top);
        }

        // The close button ends the process at once with exit code 0.
        window = SetupWindow(window.Handle());
        ASSERT_TRUE(window.Click(kCloseButton));
        const std::optional<uint32_t> exitCode = setup.Wait(10000);
        ASSERT_TRUE(exitCode.has_value());
        EXPECT_EQ(*exitCode, 0u);
        EXPECT_TRUE(LogContains(WorkDirWindows(), "Window: the process ends with exit code 0"));
        EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
    }
}

}  // namespace
}  // namespace e2e
