// Times the installer's start: from creating its process to its first frame on screen. The installer (the test
// variant of VelnixSetup.exe, the product's code) writes the time from its process creation to the end of its
// first UpdateLayeredWindow into the file VELNIX_TEST_TIMING_LOG names; this program also measures from just
// before CreateProcess until the window is visible. Needs a display under Wine: bench/run-setup-windows runs it
// inside a virtual one.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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

}  // namespace

int main() {
    const std::wstring installer = WindowsPath(VELNIX_SETUP_EXE);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring logPath = std::wstring(temp) + L"velnix-first-frame.txt";
    SetEnvironmentVariableW(L"VELNIX_TEST_TIMING_LOG", logPath.c_str());
    const bool hadProductKey = ProductKeyExists();

    std::vector<double> inProcess;
    std::vector<double> observed;
    for (int run = 0; run < kRuns; ++run) {
        DeleteFileW(logPath.c_str());
        std::wstring command = L"\"" + installer + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        const auto start = std::chrono::steady_clock::now();
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            std::fprintf(stderr, "cannot start the installer (error %lu)\n", GetLastError());
            return 1;
        }
        HWND window = nullptr;
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
            window = FindWindowW(L"VelnixLayeredWindow", nullptr);
            if (window != nullptr && IsWindowVisible(window)) break;
            window = nullptr;
            Sleep(1);
        }
        const double visibleMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        // The installer's own measurement, written right after its first frame.
        std::string line;
        for (int poll = 0; poll < 2000 && line.empty(); ++poll) {
            std::ifstream log(logPath.c_str());
            std::getline(log, line);
            if (line.empty()) Sleep(5);
        }
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 10000);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        if (window == nullptr || line.rfind("first-frame ", 0) != 0) {
            std::fprintf(stderr, "run %d: no window or no timing line\n", run + 1);
            return 1;
        }
        const double frameMs = std::atof(line.c_str() + 12);
        std::printf("run %d: first frame %.1f ms after process creation; window visible %.1f ms after CreateProcess\n",
                    run + 1, frameMs, visibleMs);
        // The first run pays for loading the system's libraries from disk; the median leaves it out.
        if (run > 0) {
            inProcess.push_back(frameMs);
            observed.push_back(visibleMs);
        }
    }
    DeleteFileW(logPath.c_str());
    if (!hadProductKey) RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velnix");
    std::printf(
        "setup start to first frame: median %.1f ms in the process, %.1f ms seen from the parent (%d warm runs)\n",
        Median(inProcess), Median(observed), kRuns - 1);
    return 0;
}
