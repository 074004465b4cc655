#pragma once

// The end-to-end tests' fixture: a clean machine before and after each test, the installer's test variant under
// a file name of the test's choosing, its window, and what an installation and an uninstallation leave.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/registry_keys.h"
#include "app/uninstall_sequence.h"
#include "platform/win32/services/setup_services.h"
#include "platform/win32/wide_text.h"
#include "tests/e2e/e2e_support.h"
#include "ui/text.h"

namespace e2e {

using platform::win32::Wide;

// Whether a diagnostic log file of the installer in folder has the line.
inline bool LogContains(const std::u16string& folder, const std::string& line) {
    const std::vector<std::string> lines = LogLines(folder);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Whether a line of the diagnostic logs in the folder starts with the text.
inline bool LogHasLineStartingWith(const std::u16string& folder, const std::string& start) {
    const std::vector<std::string> lines = LogLines(folder);
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.starts_with(start); });
}

// Points of the window's background (BgImage coordinates) where the tests press.
struct BgPoint {
    int x, y;
};
// Over the install button both before and after the intro lifts the control panel by 20 pixels.
constexpr BgPoint kInstallButton{200, 265};
// Over the switch both before and after the lift.
constexpr BgPoint kCustomInstallSwitch{432, 280};
// The browse button once the folder chooser has slid up (panel at 295).
constexpr BgPoint kBrowseButton{594, 328};
constexpr BgPoint kCloseButton{615, 24};

// Time from the window appearing to the end of the intro (install mode: 7 s after loading).
constexpr int kIntroMs = 7400;
constexpr int kShortIntroMs = 2400;

inline app::SetupServices& Services() {
    static platform::win32::Win32SetupServices services(app::SetupSettings{u"https://127.0.0.1:9", u"x"});
    return services.Services();
}

inline std::string ReadFile(const std::u16string& path) { return ReadWholeFile(path); }

inline std::set<std::u16string> TempArchives() {
    std::set<std::u16string> names;
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(Wide(Services().Files.TempFolder() + u"tmp*.tmp").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        names.insert(platform::win32::FromWide(entry.cFileName, wcslen(entry.cFileName)));
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

// Keeps the display scale of the Wine session at a value for the programs started in the scope.
class DisplayScale {
public:
    explicit DisplayScale(DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;
    ~DisplayScale() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels"); }
};

// The window of a running installer: where it is and how to press its controls.
class SetupWindow {
public:
    explicit SetupWindow(HWND handle) : handle_(handle) {
        if (handle_ != nullptr) GetWindowRect(handle_, &rect_);
        scale_ = static_cast<double>(rect_.right - rect_.left) / 656;
    }
    HWND Handle() const { return handle_; }
    const RECT& Rect() const { return rect_; }
    // The screen point of a point of the background.
    int ScreenX(double x) const { return rect_.left + static_cast<int>((8 + x) * scale_); }
    int ScreenY(double y) const { return rect_.top + static_cast<int>((8 + y) * scale_); }
    bool Click(BgPoint at) const { return ClickAt(ScreenX(at.x), ScreenY(at.y)); }

private:
    HWND handle_;
    RECT rect_{};
    double scale_ = 1;
};

class SetupEndToEndTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CreateDirectoryW(Wide(WorkDirWindows()).c_str(), nullptr);
        // The pictures the window should show after its intro, composed from the installer's own artwork.
        const std::string art = VELNIX_ARTWORK_DIR "/";
        expected1x_ = WorkDirUnix() + "expected-window.png";
        expected15x_ = WorkDirUnix() + "expected-window-150.png";
        expected2x_ = WorkDirUnix() + "expected-window-200.png";
        RunHost({"expected-window", "1", art + "bg.png", art + "brand.png", art + "logo.png", art + "logo2.png",
                 expected1x_});
        RunHost({"expected-window", "1.5", art + "bg@2x.png", art + "brand@2x.png", art + "logo@2x.png",
                 art + "logo2@2x.png", expected15x_});
        RunHost({"expected-window", "2", art + "bg@2x.png", art + "brand@2x.png", art + "logo@2x.png",
                 art + "logo2@2x.png", expected2x_});
        // What a window that merely enlarged the plain pictures would show: soft edges.
        enlarged15x_ = WorkDirUnix() + "enlarged-window-150.png";
        enlarged2x_ = WorkDirUnix() + "enlarged-window-200.png";
        RunHost({"convert", expected1x_, "-resize", "150%", enlarged15x_});
        RunHost({"convert", expected1x_, "-resize", "200%", enlarged2x_});
    }

    void SetUp() override {
        ASSERT_FALSE(EnvironmentText(L"VELNIX_TEST_STATS_URL").empty()) << "run through tests/app/stats_server.py";
        CleanMachine();
        tempArchivesBefore_ = TempArchives();
    }
    void TearDown() override { CleanMachine(); }

    static app::SetupServices& services() { return Services(); }

    static std::u16string AppData() {
        return services().Shell.FolderPath(app::ShellFolder::RoamingAppData).value_or(u"");
    }
    static std::u16string DefaultFolder() { return AppData() + u"\\Velnix\\"; }
    static std::u16string DesktopLink() {
        return services().Shell.FolderPath(app::ShellFolder::Desktop).value_or(u"") + u"\\Velnix.lnk";
    }
    static std::u16string StartMenuLink() {
        return AppData() + u"\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk";
    }
    static std::u16string ScratchRoot() { return u"C:\\velnix-e2e\\"; }

    static void EndApplication() {
        for (const char16_t* image : {u"Velnix.exe", u"vlxd.exe"}) {
            services().Processes.RunCommand({.CommandLine = u"taskkill.exe /f /im " + std::u16string(image),
                                             .WorkDir = u"C:\\",
                                             .Encoding = app::OutputEncoding::AnsiCodePage});
        }
        WaitUntil([] { return !AppRunning(); }, 10000);
    }

    static void CleanMachine() {
        // An installer or uninstaller an earlier test left running (its window, its hold on the files) must not
        // meet the next one.
        if (const int ended = EndProcesses({L"VelnixSetup", L"Uninstall", L"7za"}); ended > 0) {
            std::printf("(ended %d installer processes an earlier step left running)\n", ended);
        }
        EndApplication();
        services().Registry.DeleteKey(app::kUninstallKey);
        services().Registry.DeleteKey(app::kProductKey);
        for (const std::u16string& folder : {DefaultFolder(), ScratchRoot()}) {
            if (services().Files.DirectoryExists(folder)) {
                WaitUntil([&] { return services().Files.DeleteTree(folder); }, 10000);
            }
        }
        services().Files.RemoveFile(DesktopLink());
        services().Files.RemoveFile(StartMenuLink());
    }

    // A copy of the installer's test variant under the file name given (which carries the channel tag).
    std::u16string Installer(const std::u16string& fileName) {
        const std::u16string path = WorkDirWindows() + fileName;
        CopyFileW(Wide(WindowsPathOfUnix(VELNIX_SETUP_EXE)).c_str(), Wide(path).c_str(), FALSE);
        return path;
    }

    // The installer's window, once shown (a failed expectation when it does not come).
    SetupWindow WaitForWindow(const wchar_t* caption) {
        const HWND handle = WaitForSetupWindow(caption, 30000);
        EXPECT_NE(handle, nullptr) << "no window \"" << U8(platform::win32::FromWide(caption))
                                   << "\"; the session's windows:\n"
                                   << TopLevelWindowsReport();
        return SetupWindow(handle);
    }

    // Captures the screen once the window has stopped changing: two captures a moment apart agree, so that an
    // animation a busy machine draws slowly has come to its end. Its path; empty when the window kept changing.
    static std::string CaptureWhenStill(const SetupWindow& window, const std::string& name) {
        const RECT& r = window.Rect();
        std::string previous = CaptureScreen(name + "-before");
        for (int attempt = 0; attempt < 30; ++attempt) {
            Sleep(200);
            const std::string shot = CaptureScreen(attempt % 2 == 0 ? name : name + "-before");
            if (RegionDifference(shot, r.left, r.top, r.right - r.left, r.bottom - r.top, previous, r.left, r.top) <
                0.0002) {
                return shot;
            }
            previous = shot;
        }
        return {};
    }

    // Waits for the installer to end the process after the installation and for the application it opened.
    void ExpectInstallationEnds(ChildProcess& installer, int timeoutMs = 60000) {
        const std::optional<uint32_t> exitCode = installer.Wait(timeoutMs);
        ASSERT_TRUE(exitCode.has_value()) << "the installer did not end";
        EXPECT_EQ(*exitCode, 0u);
    }

    std::vector<std::u16string> PayloadFiles(const std::u16string& folder) const {
        std::vector<std::u16string> paths;
        for (std::u16string_view name : app::kInstalledFiles) paths.push_back(folder + std::u16string(name));
        for (std::u16string_view language : app::kLanguageFiles) {
            paths.push_back(folder + u"lang\\" + std::u16string(language) + u".lang");
        }
        paths.push_back(folder + u"wizard\\wizard.txt");
        paths.push_back(folder + u"driver\\x64\\driver.inf");
        return paths;
    }

    // What a finished installation leaves, installed by the given installer into folder.
    void ExpectInstalled(const std::u16string& folder, const std::u16string& installer) {
        for (const std::u16string& path : PayloadFiles(folder)) {
            EXPECT_TRUE(services().Files.FileExists(path)) << U8(path);
        }
        EXPECT_FALSE(services().Files.FileExists(services().Files.TempFolder() + u"7za.exe"));
        EXPECT_EQ(TempArchives(), tempArchivesBefore_) << "the archive's temporary file stayed";
        const std::string uninstaller = ReadFile(folder + u"Uninstall.exe");
        EXPECT_FALSE(uninstaller.empty());
        EXPECT_TRUE(uninstaller == ReadFile(installer)) << "Uninstall.exe is not a copy of the installer";
        for (const std::u16string& link : {DesktopLink(), StartMenuLink()}) {
            const Shortcut shortcut = ReadShortcut(link);
            EXPECT_EQ(U8(shortcut.target), U8(folder + u"Velnix.exe")) << U8(link);
            EXPECT_EQ(U8(shortcut.workDir), U8(folder)) << U8(link);
        }
        std::unique_ptr<app::IRegistryKey> entry =
            services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly);
        ASSERT_TRUE(entry);
        EXPECT_EQ(U8(entry->ReadString(u"DisplayIcon").value_or(u"-")), U8(folder + u"Velnix.exe"));
        EXPECT_EQ(U8(entry->ReadString(u"DisplayName").value_or(u"-")), "Velnix");
        EXPECT_EQ(U8(entry->ReadString(u"DisplayVersion").value_or(u"-")), "2.0");
        EXPECT_FALSE(entry->ReadString(u"Publisher").value_or(u"").empty());
        EXPECT_EQ(U8(entry->ReadString(u"UninstallString").value_or(u"-")), U8(u"\"" + folder + u"Uninstall.exe\""));
        EXPECT_TRUE(WaitUntil(AppRunning, 20000)) << "the installed Velnix.exe did not start";
    }

    // What an uninstallation leaves of an installation in folder: the user's own files only.
    void ExpectUninstalled(const std::u16string& folder) {
        EXPECT_FALSE(AppRunning()) << "the application still runs";
        for (const std::u16string& path : PayloadFiles(folder)) {
            EXPECT_FALSE(services().Files.FileExists(path)) << U8(path);
        }
        EXPECT_FALSE(services().Files.DirectoryExists(folder + u"wizard"));
        EXPECT_FALSE(services().Files.DirectoryExists(folder + u"driver"));
        EXPECT_FALSE(services().Files.FileExists(DesktopLink()));
        EXPECT_FALSE(services().Files.FileExists(StartMenuLink()));
        EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
        EXPECT_TRUE(services().Registry.OpenKey(app::kProductKey, app::KeyAccess::ReadOnly));
        EXPECT_TRUE(WaitUntil([&] { return !services().Files.FileExists(folder + u"Uninstall.exe"); }, 20000))
            << "Uninstall.exe stayed";
        EXPECT_TRUE(WaitUntil(
            [&] { return !services().Files.FileExists(services().Files.TempFolder() + u"_deleteme.bat"); }, 20000))
            << "the removal script stayed";
    }

    // Requests to a path the statistics server received since the test began (or since a count taken before).
    static std::vector<StatsRequest> RequestsTo(const std::string& path, size_t skip = 0) {
        std::vector<StatsRequest> found;
        const std::vector<StatsRequest> all = ReadStatsLog();
        for (size_t i = skip; i < all.size(); ++i) {
            if (all[i].path == path) found.push_back(all[i]);
        }
        return found;
    }
    static size_t StatsCount() { return ReadStatsLog().size(); }

    // Runs Uninstall.exe from folder, answers its question (IDYES or IDNO) and waits for it to end.
    void RunUninstallerAnswering(const std::u16string& folder, int answer) {
        ChildProcess uninstaller(folder + u"Uninstall.exe");
        ASSERT_TRUE(uninstaller.Started());
        const HWND box = WaitForMessageBox(L"Velnix", 30000);
        ASSERT_NE(box, nullptr) << "no confirmation";
        wchar_t text[64] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 64);
        EXPECT_STREQ(text, L"Uninstall Velnix?");
        // The answer is a click on the button, as a person would give it.
        RECT button{};
        ASSERT_TRUE(GetWindowRect(GetDlgItem(box, answer), &button));
        ASSERT_TRUE(ClickAt((button.left + button.right) / 2, (button.top + button.bottom) / 2));
        const std::optional<uint32_t> exitCode = uninstaller.Wait(60000);
        ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
        EXPECT_EQ(*exitCode, 0u);
    }

    // Installs with the default folder through a click on the install button as soon as the window shows.
    void QuickInstall(const std::u16string& installer) {
        ChildProcess setup(installer);
        const SetupWindow window = WaitForWindow(L"Install Velnix");
        ASSERT_NE(window.Handle(), nullptr);
        ASSERT_TRUE(window.Click(kInstallButton));
        ExpectInstallationEnds(setup);
    }

    static inline std::string expected1x_;
    static inline std::string expected15x_;
    static inline std::string expected2x_;
    static inline std::string enlarged15x_;
    static inline std::string enlarged2x_;
    std::set<std::u16string> tempArchivesBefore_;
};

}  // namespace e2e
