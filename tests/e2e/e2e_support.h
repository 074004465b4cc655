#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/system_services.h"
#include "platform/win32/unique_handle.h"

// Support for the end-to-end tests: they run as a Windows program under Wine, in a virtual X display, start the
// real installer (its test variant) as a child process, drive its window with real X input (xdotool) and
// look at it (import, ImageMagick), then check the machine with the Win32 API.
namespace e2e {

// The folder the tests keep their files in, as a Unix path and as a Windows path, both with a trailing slash.
std::string WorkDirUnix();
std::u16string WorkDirWindows();
// A Unix path as Wine shows it (Z:\...).
std::u16string WindowsPathOfUnix(std::string_view unixPath);

// Runs a command of the host system through tests/e2e/host_tools.sh; the command's output (nothing when it did
// not finish within the time) and whether it ended with status 0.
struct HostResult {
    bool finished = false;
    int status = -1;
    std::string output;
    bool Ok() const { return finished && status == 0; }
};
HostResult RunHost(const std::vector<std::string>& arguments, int timeoutMs = 30000);
// The same, started without waiting for it: Finish waits.
class HostCommand {
public:
    explicit HostCommand(const std::vector<std::string>& arguments);
    HostResult Finish(int timeoutMs);

private:
    std::u16string outWindows_;
};

// Moves the pointer to the screen point and clicks the left button, through the X server.
bool ClickAt(int x, int y);
// Moves the pointer to the screen point, through the X server.
bool MovePointer(int x, int y);
// Moves the pointer to the screen point and presses the left button without releasing it; ReleaseAt moves the
// pointer (the button still held) and releases it there.
bool PressAt(int x, int y);
bool ReleaseAt(int x, int y);
// Presses keys (xdotool key names) on the window that has the keyboard focus.
bool PressKeys(const std::vector<std::string>& keys);
// The whole screen as a PNG file in the work folder; its Unix path.
std::string CaptureScreen(const std::string& name);
// The mean absolute difference (0 to 1) between a region of a screenshot and the same-sized region of an
// expected picture; 1 when it could not be measured.
double RegionDifference(const std::string& shot, int x, int y, int width, int height, const std::string& expected,
                        int expectedX, int expectedY);
struct Rgb {
    int r = -1, g = -1, b = -1;
};
Rgb MeanColour(const std::string& image, int x, int y, int width, int height);
// The colours of a region of an image with how many of its pixels have each, the most frequent first.
struct ColourCount {
    int count = 0;
    Rgb colour;
};
std::vector<ColourCount> ColoursByCount(const std::string& image, int x, int y, int width, int height);

// A process started by a test; ended by the destructor when still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const std::u16string& executable, const std::u16string& arguments = u"");
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = default;
    ~ChildProcess();

    bool Started() const { return process_.Valid(); }
    bool Running() const;
    // The exit code once the process has ended within the time; nothing otherwise.
    std::optional<uint32_t> Wait(int timeoutMs);
    // Ends the process from outside, as the task manager does.
    bool Terminate(uint32_t exitCode);
    DWORD Id() const { return id_; }

private:
    platform::win32::UniqueHandle process_;
    DWORD id_ = 0;
};

// Sets an environment variable of this process (and so of the children it starts) for the scope; an empty
// value removes it.
class EnvironmentOverride {
public:
    EnvironmentOverride(const wchar_t* name, const std::u16string& value);
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;
    ~EnvironmentOverride();

private:
    std::wstring name_;
    std::optional<std::wstring> previous_;
};

std::u16string EnvironmentText(const wchar_t* name);

// Ends every process of the session whose image name starts with one of the prefixes (case-insensitive) and waits
// for each to be gone; how many were ended.
int EndProcesses(std::initializer_list<const wchar_t*> imagePrefixes);

// The installer's top-level window with that caption, once it exists (nullptr after the time).
HWND WaitForSetupWindow(const wchar_t* caption, int timeoutMs);
// Every top-level window of the session (class, caption, process, visibility), a line each: what a test that
// waited in vain for a window reports.
std::string TopLevelWindowsReport();
// A message box (dialog class) with that caption, once it exists.
HWND WaitForMessageBox(const wchar_t* caption, int timeoutMs);

// How many tool tip windows of the process are on screen.
int VisibleToolTips(DWORD processId);

// The lines of the diagnostic log files (log\*.log) in the folder (ending in a backslash), file after file.
std::vector<std::string> LogLines(const std::u16string& folder);

// Whether the installed application holds its file mapping "Velnix" (it runs).
bool AppRunning();

// The target and working folder of a shell link; empty texts when it cannot be read.
struct Shortcut {
    std::u16string target;
    std::u16string workDir;
};
Shortcut ReadShortcut(const std::u16string& linkPath);

// One request the statistics test server logged.
struct StatsRequest {
    std::string path;
    bool hashOk = false;
    std::string body;
};
// Every request logged so far (the log named by VELNIX_TEST_STATS_LOG).
std::vector<StatsRequest> ReadStatsLog();

// Replaces the raw-data resource of an executable file (UpdateResource).
bool ReplaceResource(const std::u16string& executable, const wchar_t* name, const std::string& bytes);

std::string U8(std::u16string_view text);
// The file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::u16string& path);

// Polls every 50 ms until the condition holds or the time is up.
template <class F>
bool WaitUntil(F&& condition, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (true) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(50);
    }
}

}  // namespace e2e
