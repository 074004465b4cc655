// Times the installer's start against its floors, alternating in one run: from creating each process to its first
// window being visible, for
//   - a trivial layered window of the installer window's size (bench/first_frame_floor.cpp),
//   - the same window after creating the drawing devices the installer creates (the graphics floor),
//   - NSIS's MUI2 installer dialog on its welcome page (bench/first_frame_nsis.nsi, when its path is given),
//   - the installer (the test variant of VelnixSetup.exe, the product's code).
// The installer also writes the time from its process creation to the end of its first UpdateLayeredWindow and
// the marks and spans of its start into the file VELNIX_TEST_TIMING_LOG names; they make the breakdown of its own
// time. Needs a display under Wine: bench/run-setup-windows runs it inside a virtual one.
//   setup_first_frame_bench.exe [NSIS_INSTALLER]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/wine_bench_support.h"

namespace {

constexpr int kRuns = 7;

using bench::Median;
using bench::WindowsPath;

bool ProductKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velnix", 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

struct VisibleWindowSearch {
    DWORD process = 0;
    HWND window = nullptr;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<VisibleWindowSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window)) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

struct Started {
    double visibleMs = 0;  // from just before CreateProcess to a visible top-level window of the process
    RECT rect{};
    bool ok = false;
};

// Starts the command line, waits for its first visible top-level window, then ends the process.
Started StartAndWaitForWindow(std::wstring command, const std::wstring& timingLog = {}) {
    Started result;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", command.c_str(), GetLastError());
        return result;
    }
    VisibleWindowSearch search{info.dwProcessId, nullptr};
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window != nullptr) break;
        Sleep(1);
    }
    result.visibleMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (search.window != nullptr) {
        GetWindowRect(search.window, &result.rect);
        result.ok = true;
    }
    // The installer writes its timing line right after its first frame; wait for it before ending the process.
    if (!timingLog.empty()) {
        for (int poll = 0; poll < 2000; ++poll) {
            std::ifstream log(timingLog.c_str());
            std::stringstream text;
            text << log.rdbuf();
            if (text.str().find("first-frame ") != std::string::npos) break;
            Sleep(5);
        }
    }
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return result;
}

// The installer's timing log: "first-frame <ms>", "mark <name> <ms>" and "span <name> <ms>" lines.
struct Timing {
    double firstFrameMs = -1;
    std::vector<std::pair<std::string, double>> marks;  // in the order reached
    std::map<std::string, double> spans;                // summed per name
};

Timing ReadTiming(const std::wstring& path) {
    Timing timing;
    std::ifstream log(path.c_str());
    std::string kind;
    while (log >> kind) {
        if (kind == "first-frame") {
            log >> timing.firstFrameMs;
        } else {
            std::string name;
            double ms = 0;
            log >> name >> ms;
            if (kind == "mark") timing.marks.emplace_back(name, ms);
            if (kind == "span") timing.spans[name] += ms;
        }
    }
    return timing;
}

}  // namespace

int main(int argc, char** argv) {
    const std::wstring installer = L"\"" + WindowsPath(VELNIX_SETUP_EXE) + L"\"";
    const std::wstring floor = L"\"" + WindowsPath(VELNIX_FLOOR_EXE) + L"\"";
    const std::wstring nsis = argc > 1 ? L"\"" + WindowsPath(argv[1]) + L"\"" : std::wstring();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring logPath = std::wstring(temp) + L"velnix-first-frame.txt";
    SetEnvironmentVariableW(L"VELNIX_TEST_TIMING_LOG", logPath.c_str());
    const bool hadProductKey = ProductKeyExists();

    // A first round that is not counted: it pays for loading the system's libraries from disk, and it tells the
    // installer window's size.
    DeleteFileW(logPath.c_str());
    const Started first = StartAndWaitForWindow(installer, logPath);
    if (!first.ok) {
        std::fprintf(stderr, "the installer showed no window\n");
        return 1;
    }
    const int width = first.rect.right - first.rect.left;
    const int height = first.rect.bottom - first.rect.top;
    const std::wstring size = L" " + std::to_wstring(width) + L" " + std::to_wstring(height);
    StartAndWaitForWindow(floor + size + L" --device");
    if (!nsis.empty()) StartAndWaitForWindow(nsis);

    std::vector<double> trivial, graphicsFloor, nsisDialog, setup, inProcess;
    std::map<std::string, std::vector<double>> markTimes;  // per mark, ms since the process was created
    std::map<std::string, std::vector<double>> spanTimes;
    std::vector<std::string> markOrder;
    for (int run = 0; run < kRuns; ++run) {
        const Started a = StartAndWaitForWindow(floor + size);
        const Started b = StartAndWaitForWindow(floor + size + L" --device");
        const Started c = nsis.empty() ? Started{0, {}, true} : StartAndWaitForWindow(nsis);
        DeleteFileW(logPath.c_str());
        const Started d = StartAndWaitForWindow(installer, logPath);
        const Timing timing = ReadTiming(logPath);
        if (!a.ok || !b.ok || !c.ok || !d.ok || timing.firstFrameMs < 0) {
            std::fprintf(stderr, "run %d: a program showed no window or the installer wrote no timing line\n",
                         run + 1);
            return 1;
        }
        std::printf("run %d: trivial %.1f ms, graphics floor %.1f ms, NSIS %.1f ms, setup %.1f ms (first frame "
                    "%.1f ms after its process creation)\n",
                    run + 1, a.visibleMs, b.visibleMs, c.visibleMs, d.visibleMs, timing.firstFrameMs);
        trivial.push_back(a.visibleMs);
        graphicsFloor.push_back(b.visibleMs);
        nsisDialog.push_back(c.visibleMs);
        setup.push_back(d.visibleMs);
        inProcess.push_back(timing.firstFrameMs);
        for (const auto& [name, ms] : timing.marks) {
            if (!markTimes.contains(name)) markOrder.push_back(name);
            markTimes[name].push_back(ms);
        }
        for (const auto& [name, ms] : timing.spans) spanTimes[name].push_back(ms);
    }
    DeleteFileW(logPath.c_str());
    if (!hadProductKey) RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velnix");

    const double t = Median(trivial), f = Median(graphicsFloor), n = Median(nsisDialog), s = Median(setup);
    std::printf("window %dx%d, medians of %d runs from CreateProcess to a visible window:\n", width, height, kRuns);
    std::printf("  trivial layered window %.1f ms\n  graphics floor (WARP device + Direct2D context) %.1f ms\n",
                t, f);
    if (!nsis.empty()) std::printf("  NSIS MUI2 welcome dialog %.1f ms\n", n);
    std::printf("  VelnixSetup %.1f ms (%.1f ms in the process to the end of its first present)\n", s,
                Median(inProcess));
    std::printf("ratios: setup/floor %.2f, setup/trivial %.2f, floor/trivial %.2f", s / f, s / t, f / t);
    if (!nsis.empty()) std::printf(", setup/NSIS %.2f, NSIS/trivial %.2f, floor/NSIS %.2f", s / n, n / t, f / n);
    std::printf("\n");
    std::printf("setup breakdown (median ms since process creation, and since the previous mark):\n");
    double previous = 0;
    for (const std::string& name : markOrder) {
        const double at = Median(markTimes[name]);
        std::printf("  %-14s %7.1f  +%.1f\n", name.c_str(), at, at - previous);
        previous = at;
    }
    std::printf("  %-14s %7.1f  +%.1f\n", "present", Median(inProcess), Median(inProcess) - previous);
    for (const auto& [name, times] : spanTimes) {
        std::printf("  span %-9s %7.1f ms in all (median)\n", name.c_str(), Median(times));
    }
    return 0;
}
