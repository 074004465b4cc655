// Times silent installations of one payload by this project's installer and by an NSIS installer of the same
// files, and the bare extraction of the installer's own archive, alternating in one run.
//
//   silent_install_bench.exe ARCHIVE NSIS_SETUP [RUNS]
//
// ARCHIVE is the payload packed as the build packs it (scripts/pack-payload.sh); the program puts it into a copy
// of the installer (the test variant of VelnixSetup.exe) as its resource "pak". NSIS_SETUP is the NSIS installer
// of the same payload folder. Each run, in turn:
// - 7za x of a copy of the archive in the temporary folder, with the installer's own 7za.exe, into an empty folder,
//   its output discarded (the installer reads it from a pipe, never from a console);
// - VelnixSetup.exe /S /D=<folder>, to its exit, with its phases seen in the files (7za.exe written to the
//   temporary folder, 7za.exe gone after the extraction, the rest: uninstaller, shortcuts, entry, report);
// - the NSIS installer's /S /D=<folder>, to its exit.
// bench/run-nsis-comparison makes the payload, both installers and the archive and runs this under Wine.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/wine_bench_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using bench::Median;
using bench::WindowsPath;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

bool FileThere(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFile(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A started process (hidden console for console programs); its handle, or nullptr. With output set, the process
// writes its standard output and error there instead of to its console.
HANDLE Start(std::wstring command, HANDLE output = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    if (output != nullptr) {
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, output != nullptr, CREATE_NEW_CONSOLE, nullptr,
                        nullptr, &startup, &info)) {
        return nullptr;
    }
    CloseHandle(info.hThread);
    return info.hProcess;
}

// Runs a command line and waits for it; its exit code, or -1 when it could not start.
long Run(const std::wstring& command, HANDLE output = nullptr) {
    HANDLE process = Start(command, output);
    if (process == nullptr) return -1;
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return static_cast<long>(code);
}

void RemoveTree(const std::wstring& folder) { Run(L"cmd.exe /c rd /s /q \"" + folder + L"\""); }

bool ReplacePayload(const std::wstring& executable, const std::string& archive) {
    std::vector<WORD> languages;
    if (HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        EnumResourceLanguagesW(
            module, RT_RCDATA, L"pak",
            [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list) -> BOOL {
                reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&languages));
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

bool WriteResourceToFile(const std::wstring& executable, const wchar_t* name, const std::wstring& path) {
    HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = module != nullptr ? FindResourceW(module, name, RT_RCDATA) : nullptr;
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    bool ok = false;
    if (bytes != nullptr) {
        std::ofstream out(path.c_str(), std::ios::binary);
        out.write(static_cast<const char*>(bytes), SizeofResource(module, found));
        ok = out.good();
    }
    if (module != nullptr) FreeLibrary(module);
    return ok;
}

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    using GetFolder = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
    auto get = reinterpret_cast<GetFolder>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathW")));
    if (get != nullptr) get(nullptr, path, csidl, FALSE);
    return path;
}

// Seconds from the start of a silent installation to each point; -1 when it was not seen.
struct Phases {
    double extractorWritten = -1;
    double extractorGone = -1;
    double ended = -1;
};

void ForgetInstallations() {
    for (const wchar_t* key : {L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velnix",
                               L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VelnixNsis"}) {
        RegDeleteTreeW(HKEY_CURRENT_USER, key);
    }
    for (const wchar_t* link : {L"\\Velnix.lnk", L"\\VelnixNsis.lnk"}) {
        DeleteFileW((KnownFolder(0) + link).c_str());
        DeleteFileW((KnownFolder(0x001a) + L"\\Microsoft\\Windows\\Start Menu\\Programs" + link).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: silent_install_bench ARCHIVE NSIS_SETUP [RUNS]\n");
        return 2;
    }
    const std::wstring archivePath(argv[1], argv[1] + strlen(argv[1]));
    const std::wstring nsisSource(argv[2], argv[2] + strlen(argv[2]));
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    wchar_t tempBuffer[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempBuffer);
    const std::wstring temp = tempBuffer;
    const std::wstring work = temp + L"velnix-silent-bench\\";
    const std::wstring targets = L"C:\\velnix-silent-bench\\";
    RemoveTree(work);
    RemoveTree(targets);
    CreateDirectoryW(work.c_str(), nullptr);
    CreateDirectoryW(targets.c_str(), nullptr);

    const std::string archive = ReadFile(archivePath);
    const std::wstring installer = work + L"VelnixSetup.exe";
    const std::wstring nsis = work + L"NsisSetup.exe";
    if (archive.empty() || !CopyFileW(WindowsPath(VELNIX_SETUP_EXE).c_str(), installer.c_str(), FALSE) ||
        !ReplacePayload(installer, archive) || !CopyFileW(nsisSource.c_str(), nsis.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot make the installers\n");
        return 1;
    }
    const std::wstring sevenZip = work + L"7za.exe";
    const std::wstring localArchive = work + L"payload.7z";
    {
        std::ofstream out(localArchive.c_str(), std::ios::binary);
        out.write(archive.data(), static_cast<std::streamsize>(archive.size()));
    }
    if (!WriteResourceToFile(installer, L"7za", sevenZip)) {
        std::fprintf(stderr, "cannot write 7za.exe\n");
        return 1;
    }
    std::printf("archive %zu bytes; NSIS installer %zu bytes\n", archive.size(), ReadFile(nsis).size());

    const std::wstring tempExtractor = temp + L"7za.exe";
    std::vector<double> bare, velnix, nsisTimes;
    std::vector<Phases> phases;
    const auto extractAlone = [&](int run) {
        const std::wstring target = targets + L"extracted\\";
        RemoveTree(target);
        // The installer takes the extractor's output through a pipe; written to a console instead, the progress
        // lines alone take longer than the extraction under Wine, and the floor would be set far too high.
        SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
        HANDLE discard = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                     OPEN_EXISTING, 0, nullptr);
        if (discard == INVALID_HANDLE_VALUE) discard = nullptr;
        const auto start = Clock::now();
        const long code =
            Run(L"\"" + sevenZip + L"\" x -pVelnix -aoa \"" + localArchive + L"\" -o\"" + target + L"\"", discard);
        const double seconds = Seconds(start);
        if (discard != nullptr) CloseHandle(discard);
        if (run >= 0) bare.push_back(seconds);
        std::printf("7za x alone, %s %d: %.2f s (exit code %ld)\n", run < 0 ? "warm-up" : "run", run + 1, seconds,
                    code);
        RemoveTree(target);
    };
    const auto installVelnix = [&](int run) {
        const std::wstring target = targets + L"velnix";
        RemoveTree(target);
        ForgetInstallations();
        Phases seen;
        const auto start = Clock::now();
        HANDLE process = Start(L"\"" + installer + L"\" /S /D=" + target);
        if (process == nullptr) return false;
        while (WaitForSingleObject(process, 5) == WAIT_TIMEOUT) {
            const bool extractorThere = FileThere(tempExtractor);
            if (extractorThere && seen.extractorWritten < 0) seen.extractorWritten = Seconds(start);
            if (!extractorThere && seen.extractorWritten >= 0 && seen.extractorGone < 0)
                seen.extractorGone = Seconds(start);
        }
        seen.ended = Seconds(start);
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        CloseHandle(process);
        if (seen.extractorGone < 0) seen.extractorGone = seen.ended;
        velnix.push_back(seen.ended);
        phases.push_back(seen);
        std::printf(
            "VelnixSetup /S, run %d: %.2f s (exit code %lu; 7za.exe written at %.2f s, extraction ended at %.2f s)\n",
            run + 1, seen.ended, static_cast<unsigned long>(code), seen.extractorWritten, seen.extractorGone);
        const bool complete = code == 0 && FileThere(target + L"\\Velnix.exe");
        RemoveTree(target);
        return complete;
    };
    const auto installNsis = [&](int run) {
        const std::wstring target = targets + L"nsis";
        RemoveTree(target);
        ForgetInstallations();
        const auto start = Clock::now();
        // NSIS wants /D= last, unquoted.
        const long code = Run(L"\"" + nsis + L"\" /S /D=" + target);
        nsisTimes.push_back(Seconds(start));
        std::printf("NSIS /S, run %d: %.2f s (exit code %ld)\n", run + 1, nsisTimes.back(), code);
        const bool complete = code == 0 && FileThere(target + L"\\Velnix.exe");
        RemoveTree(target);
        return complete;
    };

    // One extraction warms the caches; then the three alternate, so that the load of a shared machine weighs on
    // all alike.
    extractAlone(-1);
    bool allComplete = true;
    for (int run = 0; run < runs; ++run) {
        extractAlone(run);
        allComplete = installVelnix(run) && allComplete;
        allComplete = installNsis(run) && allComplete;
    }
    ForgetInstallations();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velnix");
    RemoveTree(targets);
    if (GetEnvironmentVariableW(L"VELNIX_BENCH_KEEP", nullptr, 0) == 0) RemoveTree(work);
    if (!allComplete) std::printf("warning: an installation did not complete (see the exit codes above)\n");

    const auto medianOf = [&](double Phases::*point) {
        std::vector<double> values;
        for (const Phases& seen : phases) values.push_back(seen.*point);
        return Median(values);
    };
    const double written = medianOf(&Phases::extractorWritten);
    const double gone = medianOf(&Phases::extractorGone);
    const double ended = medianOf(&Phases::ended);
    std::printf(
        "VelnixSetup /S phases (medians): start to 7za.exe written %.2f s; archive written and extracted %.2f s; "
        "uninstaller, shortcuts, entry, report and exit %.2f s\n",
        written, gone - written, ended - gone);
    const double bareMedian = std::max(Median(bare), 1e-6);
    const double nsisMedian = std::max(Median(nsisTimes), 1e-6);
    std::printf("VelnixSetup /S %.2f s, NSIS /S %.2f s, 7za x alone %.2f s (medians of %d)\n", Median(velnix),
                nsisMedian, bareMedian, runs);
    std::printf("ratio to NSIS: %.2f (goal <= 0.25)\n", Median(velnix) / nsisMedian);
    std::printf("ratio to 7za x alone: %.2f (goal <= 1.10)\n", Median(velnix) / bareMedian);
    return allComplete ? 0 : 1;
}
