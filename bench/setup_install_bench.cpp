// Times an installation of a large payload against extracting the same archive with 7za alone, and reports the
// installer's stub size (its file size less the payload archive and the extractor it carries).
//
//   setup_install_bench.exe ARCHIVE [RUNS]
//
// ARCHIVE is a password-protected 7z archive (the password the installer gives the extractor) whose content
// holds the stand-in Velnix.exe at its top. The program copies the installer (the test variant of
// VelnixSetup.exe), puts the archive into the copy as its resource "pak", and then, RUNS times each, alternating:
// - extracts a copy of the archive in the temporary folder with the installer's own 7za.exe into an empty folder;
// - starts the installer, clicks its install button and waits until the installed Velnix.exe holds its file
//   mapping (the application has started), then removes the installation again.
// bench/run-setup-windows makes a payload of about 100 MB and runs this under Wine in a virtual display.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/wine_bench_support.h"

namespace {

using Clock = std::chrono::steady_clock;

using bench::Median;
using bench::WindowsPath;

// Seconds from the click to each point of an installation; -1 when it was not seen.
struct Phases {
    double extractorWritten = -1;
    double extractorGone = -1;
    double uninstallerWhole = -1;
    double applicationLaunched = -1;  // its process exists
    double applicationStarted = -1;   // it holds its file mapping
};

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Whether a process of that image name runs.
bool ProcessRuns(const wchar_t* image) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
        found = _wcsicmp(entry.szExeFile, image) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

std::string ReadFile(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs a command line hidden and waits for it; its exit code, or -1 when it could not start.
long Run(std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                        &startup, &info)) {
        return -1;
    }
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return static_cast<long>(code);
}

void RemoveTree(const std::wstring& folder) { Run(L"cmd.exe /c rd /s /q \"" + folder + L"\""); }

bool AppRunning() {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, L"Velnix");
    if (mapping == nullptr) return false;
    CloseHandle(mapping);
    return true;
}

void EndApplication() {
    Run(L"taskkill.exe /f /im Velnix.exe");
    Run(L"taskkill.exe /f /im vlxd.exe");
    for (int poll = 0; poll < 200 && AppRunning(); ++poll) Sleep(50);
}

size_t ResourceSize(const std::wstring& executable, const wchar_t* name) {
    HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return 0;
    HRSRC found = FindResourceW(module, name, RT_RCDATA);
    const size_t size = found != nullptr ? SizeofResource(module, found) : 0;
    FreeLibrary(module);
    return size;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

bool ReplacePayload(const std::wstring& executable, const std::string& archive) {
    std::vector<WORD> languages;
    if (HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        EnumResourceLanguagesW(module, RT_RCDATA, L"pak", CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
        FreeLibrary(module);
    }
    HANDLE update = BeginUpdateResourceW(executable.c_str(), FALSE);
    if (update == nullptr || languages.empty()) return false;
    bool ok = true;
    for (WORD language : languages) {
        ok = UpdateResourceW(update, RT_RCDATA, L"pak", language, const_cast<char*>(archive.data()),
                             static_cast<DWORD>(archive.size())) &&
             ok;
    }
    return EndUpdateResourceW(update, !ok) && ok;
}

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    using GetFolder = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
    auto get = reinterpret_cast<GetFolder>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathW")));
    if (get != nullptr) get(nullptr, path, csidl, FALSE);
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: setup_install_bench ARCHIVE [RUNS]\n");
        return 2;
    }
    const std::wstring archivePath(argv[1], argv[1] + strlen(argv[1]));
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    wchar_t tempBuffer[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempBuffer);
    const std::wstring temp = tempBuffer;
    const std::wstring work = temp + L"velnix-install-bench\\";
    RemoveTree(work);
    CreateDirectoryW(work.c_str(), nullptr);

    // The installer with the large payload, and its stub size.
    const std::string archive = ReadFile(archivePath);
    if (archive.empty()) {
        std::fprintf(stderr, "cannot read the archive\n");
        return 1;
    }
    const std::wstring installer = work + L"VelnixSetup.exe";
    if (!CopyFileW(WindowsPath(VELNIX_SETUP_EXE).c_str(), installer.c_str(), FALSE) ||
        !ReplacePayload(installer, archive)) {
        std::fprintf(stderr, "cannot make the installer\n");
        return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    GetFileAttributesExW(installer.c_str(), GetFileExInfoStandard, &attributes);
    const unsigned long long fileSize =
        (static_cast<unsigned long long>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
    const size_t pak = ResourceSize(installer, L"pak");
    const size_t extractor = ResourceSize(installer, L"7za");
    std::printf("installer %llu bytes: payload archive %zu, 7za %zu, stub %llu bytes\n", fileSize, pak, extractor,
                fileSize - pak - extractor);

    // The extractor alone, as the installer runs it.
    const std::wstring sevenZip = work + L"7za.exe";
    {
        HMODULE module = LoadLibraryExW(installer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        HRSRC found = module != nullptr ? FindResourceW(module, L"7za", RT_RCDATA) : nullptr;
        HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        std::ofstream out(sevenZip.c_str(), std::ios::binary);
        if (bytes != nullptr) out.write(static_cast<const char*>(bytes), SizeofResource(module, found));
        if (module != nullptr) FreeLibrary(module);
    }
    // Runs alternate between the two, after one extraction that warms the caches, so that the load of a shared
    // machine weighs on both alike.
    // The extractor reads its own copy of the archive from the temporary folder, as the installer's does.
    const std::wstring localArchive = work + L"payload.7z";
    {
        std::ofstream out(localArchive.c_str(), std::ios::binary);
        out.write(archive.data(), static_cast<std::streamsize>(archive.size()));
    }
    std::vector<double> extractOnly;
    const auto extractAlone = [&](int run) {
        const std::wstring target = work + L"extracted\\";
        RemoveTree(target);
        const auto start = Clock::now();
        const long code = Run(L"\"" + sevenZip + L"\" x -pVelnix -aoa \"" + localArchive + L"\" -o\"" + target + L"\"");
        extractOnly.push_back(Seconds(start));
        if (run < 0) {
            std::printf("7za x alone, warming up: %.2f s (exit code %ld)\n", extractOnly.back(), code);
        } else {
            std::printf("7za x alone, run %d: %.2f s (exit code %ld)\n", run + 1, extractOnly.back(), code);
        }
        RemoveTree(target);
    };

    // The installer: click on the install button to the installed application's start.
    const std::wstring folder = KnownFolder(0x001a /* CSIDL_APPDATA */) + L"\\Velnix";
    const std::wstring tempExtractor = temp + L"7za.exe";
    const std::wstring uninstaller = folder + L"\\Uninstall.exe";
    std::vector<double> installs;
    std::vector<Phases> allPhases;
    extractAlone(-1);
    extractOnly.clear();
    for (int run = 0; run < runs; ++run) {
        extractAlone(run);
        EndApplication();
        RemoveTree(folder);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velnix");
        std::wstring command = L"\"" + installer + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            std::fprintf(stderr, "cannot start the installer\n");
            return 1;
        }
        HWND window = nullptr;
        for (int poll = 0; poll < 3000 && (window == nullptr || !IsWindowVisible(window)); ++poll) {
            window = FindWindowW(L"VelnixLayeredWindow", L"Install Velnix");
            Sleep(10);
        }
        if (window == nullptr) {
            std::fprintf(stderr, "no installer window\n");
            return 1;
        }
        // A click on the install button (client point 208, 273 lies on it before and after the intro).
        const LPARAM at = MAKELPARAM(208, 273);
        const auto start = Clock::now();
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(window, WM_LBUTTONUP, 0, at);
        // The phases as the files show them: the extractor appears in the temporary folder before the archive is
        // written and goes right after the extraction; Uninstall.exe is whole when it has the installer's size.
        Phases phases;
        while (!AppRunning() && Seconds(start) < 600) {
            const bool extractorThere = FileSize(tempExtractor) >= 0;
            if (extractorThere && phases.extractorWritten < 0) phases.extractorWritten = Seconds(start);
            if (!extractorThere && phases.extractorWritten >= 0 && phases.extractorGone < 0) {
                phases.extractorGone = Seconds(start);
            }
            if (phases.uninstallerWhole < 0 && FileSize(uninstaller) == static_cast<long long>(fileSize)) {
                phases.uninstallerWhole = Seconds(start);
            }
            if (phases.uninstallerWhole >= 0 && phases.applicationLaunched < 0 && ProcessRuns(L"Velnix.exe")) {
                phases.applicationLaunched = Seconds(start);
            }
            Sleep(10);  // light polling: the machine's cores are the extractor's
        }
        installs.push_back(Seconds(start));
        phases.applicationStarted = installs.back();
        if (phases.applicationLaunched < 0) phases.applicationLaunched = phases.applicationStarted;
        allPhases.push_back(phases);
        WaitForSingleObject(info.hProcess, 60000);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        std::printf(
            "install, run %d: %.2f s from the click to the application's start (extractor written at %.2f s, "
            "extraction ended at %.2f s, Uninstall.exe whole at %.2f s)\n",
            run + 1, installs.back(), phases.extractorWritten, phases.extractorGone, phases.uninstallerWhole);
    }
    EndApplication();
    RemoveTree(folder);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velnix");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velnix");
    DeleteFileW((KnownFolder(0) + L"\\Velnix.lnk").c_str());
    DeleteFileW((KnownFolder(0x001a) + L"\\Microsoft\\Windows\\Start Menu\\Programs\\Velnix.lnk").c_str());
    if (GetEnvironmentVariableW(L"VELNIX_BENCH_KEEP", nullptr, 0) == 0) RemoveTree(work);

    const auto medianOf = [&](double Phases::*point) {
        std::vector<double> values;
        for (const Phases& phases : allPhases) values.push_back(phases.*point);
        return Median(values);
    };
    std::printf(
        "install phases (medians): click to extractor written %.2f s; archive written and extracted %.2f s; "
        "then Uninstall.exe whole after %.2f s; application process created after %.2f s more; its file "
        "mapping after %.2f s more\n",
        medianOf(&Phases::extractorWritten), medianOf(&Phases::extractorGone) - medianOf(&Phases::extractorWritten),
        medianOf(&Phases::uninstallerWhole) - medianOf(&Phases::extractorGone),
        medianOf(&Phases::applicationLaunched) - medianOf(&Phases::uninstallerWhole),
        medianOf(&Phases::applicationStarted) - medianOf(&Phases::applicationLaunched));
    const double extract = std::max(Median(extractOnly), 1e-6);
    std::printf("install %.2f s against 7za x alone %.2f s (medians of %d): ratio %.2f\n", Median(installs),
                Median(extractOnly), runs, Median(installs) / extract);
    std::printf("click to the application's process created %.2f s: ratio %.2f\n",
                medianOf(&Phases::applicationLaunched), medianOf(&Phases::applicationLaunched) / extract);
    return 0;
}
