#include "tests/e2e/e2e_support.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>
#include <wrl/client.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/win32/services/com_scope.h"
#include "platform/win32/wide_text.h"
#include "ui/text.h"

namespace e2e {

using platform::win32::FromWide;
using platform::win32::Wide;

std::string U8(std::u16string_view text) { return ui::Utf16ToUtf8(text); }

std::string WorkDirUnix() { return VELNIX_E2E_WORK_DIR "/"; }

std::u16string WindowsPathOfUnix(std::string_view unixPath) {
    std::u16string path = u"Z:" + ui::Utf8ToUtf16(unixPath);
    for (char16_t& c : path) {
        if (c == u'/') c = u'\\';
    }
    return path;
}

std::u16string WorkDirWindows() { return WindowsPathOfUnix(WorkDirUnix()); }

namespace {

// A command-line argument as the C runtime of the other side splits it again.
std::u16string QuoteArgument(const std::string& argument) {
    const std::u16string text = ui::Utf8ToUtf16(argument);
    if (!text.empty() && text.find_first_of(u" \t\"") == std::u16string::npos) return text;
    std::u16string quoted = u"\"";
    for (char16_t c : text) {
        if (c == u'"') quoted += u'\\';
        quoted += c;
    }
    return quoted + u"\"";
}

}  // namespace

std::string ReadWholeFile(const std::u16string& path) {
    std::ifstream file(std::filesystem::path(Wide(path)), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

HostCommand::HostCommand(const std::vector<std::string>& arguments) {
    static std::atomic<int> counter{0};
    const std::string name = "host-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + ".out";
    const std::string outUnix = WorkDirUnix() + name;
    outWindows_ = WorkDirWindows() + ui::Utf8ToUtf16(name);
    DeleteFileW(Wide(outWindows_).c_str());
    DeleteFileW(Wide(outWindows_ + u".status").c_str());

    std::u16string command = u"Z:\\bin\\bash " + QuoteArgument(VELNIX_E2E_HOST_TOOLS) + u" " + QuoteArgument(outUnix);
    for (const std::string& argument : arguments) command += u" " + QuoteArgument(argument);
    ChildProcess host(u"", command);
}

HostResult HostCommand::Finish(int timeoutMs) {
    HostResult result;
    // Wine starts a Unix program without a process handle to wait on (CreateProcess reports failure then):
    // the status file tells when it has finished.
    // The status file is written last: once it is there, the output is complete.
    const std::u16string statusPath = outWindows_ + u".status";
    if (!WaitUntil([&] { return GetFileAttributesW(Wide(statusPath).c_str()) != INVALID_FILE_ATTRIBUTES; },
                   timeoutMs)) {
        return result;
    }
    result.finished = true;
    result.status = std::atoi(ReadWholeFile(statusPath).c_str());
    result.output = ReadWholeFile(outWindows_);
    DeleteFileW(Wide(outWindows_).c_str());
    DeleteFileW(Wide(statusPath).c_str());
    return result;
}

HostResult RunHost(const std::vector<std::string>& arguments, int timeoutMs) {
    return HostCommand(arguments).Finish(timeoutMs);
}

bool ClickAt(int x, int y) {
    // (mousemove --sync would wait for ever when the pointer is already there.)
    return RunHost({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "sleep", "0.1", "click", "1"}).Ok();
}

bool MovePointer(int x, int y) { return RunHost({"xdotool", "mousemove", std::to_string(x), std::to_string(y)}).Ok(); }

bool PressAt(int x, int y) {
    return RunHost({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "sleep", "0.1", "mousedown", "1"})
        .Ok();
}

bool ReleaseAt(int x, int y) {
    return RunHost({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "sleep", "0.1", "mouseup", "1"}).Ok();
}

bool PressKeys(const std::vector<std::string>& keys) {
    std::vector<std::string> arguments{"xdotool", "key", "--delay", "50"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    return RunHost(arguments).Ok();
}

std::string CaptureScreen(const std::string& name) {
    const std::string path = WorkDirUnix() + name + ".png";
    if (!RunHost({"import", "-window", "root", path}).Ok()) return {};
    return path;
}

double RegionDifference(const std::string& shot, int x, int y, int width, int height, const std::string& expected,
                        int expectedX, int expectedY) {
    const std::string geometry =
        std::to_string(width) + "x" + std::to_string(height) + "+" + std::to_string(x) + "+" + std::to_string(y);
    const std::string offset = "+" + std::to_string(expectedX) + "+" + std::to_string(expectedY);
    const HostResult result = RunHost({"region-difference", shot, expected, geometry, offset});
    if (!result.Ok() || result.output.empty()) return 1;
    return std::atof(result.output.c_str());
}

Rgb MeanColour(const std::string& image, int x, int y, int width, int height) {
    const std::string geometry =
        std::to_string(width) + "x" + std::to_string(height) + "+" + std::to_string(x) + "+" + std::to_string(y);
    const HostResult result = RunHost({"mean-colour", image, geometry});
    Rgb colour;
    if (result.Ok()) std::sscanf(result.output.c_str(), "%d,%d,%d", &colour.r, &colour.g, &colour.b);
    return colour;
}

std::vector<ColourCount> ColoursByCount(const std::string& image, int x, int y, int width, int height) {
    const std::string geometry =
        std::to_string(width) + "x" + std::to_string(height) + "+" + std::to_string(x) + "+" + std::to_string(y);
    const HostResult result = RunHost({"colours", image, geometry});
    std::vector<ColourCount> colours;
    if (!result.Ok()) return colours;
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line)) {
        ColourCount entry;
        if (std::sscanf(line.c_str(), "%d %d,%d,%d", &entry.count, &entry.colour.r, &entry.colour.g, &entry.colour.b) ==
            4) {
            colours.push_back(entry);
        }
    }
    return colours;
}

ChildProcess::ChildProcess(const std::u16string& executable, const std::u16string& arguments) {
    std::u16string commandLine = executable.empty() ? arguments : u"\"" + executable + u"\"";
    if (!executable.empty() && !arguments.empty()) commandLine += u" " + arguments;
    std::wstring command = Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        process_.Reset(info.hProcess);
        CloseHandle(info.hThread);
        id_ = info.dwProcessId;
    }
}

ChildProcess::~ChildProcess() {
    // Ended, not only told to end: the next test must not meet this one's process, its window or its files.
    if (Running() && TerminateProcess(process_.Get(), 1)) WaitForSingleObject(process_.Get(), 10000);
}

bool ChildProcess::Running() const {
    return process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::Terminate(uint32_t exitCode) {
    return process_.Valid() && TerminateProcess(process_.Get(), exitCode) != FALSE;
}

std::optional<uint32_t> ChildProcess::Wait(int timeoutMs) {
    if (!process_.Valid() || WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

int EndProcesses(std::initializer_list<const wchar_t*> imagePrefixes) {
    const platform::win32::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid()) return 0;
    int ended = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        const std::wstring_view image(entry.szExeFile);
        bool matches = false;
        for (const wchar_t* prefix : imagePrefixes) {
            const std::wstring_view start(prefix);
            matches = matches || (image.size() >= start.size() &&
                                  CompareStringOrdinal(image.data(), static_cast<int>(start.size()), start.data(),
                                                       static_cast<int>(start.size()), TRUE) == CSTR_EQUAL);
        }
        if (!matches || entry.th32ProcessID == GetCurrentProcessId()) continue;
        const platform::win32::UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID));
        if (!process.Valid() || !TerminateProcess(process.Get(), 1)) continue;
        WaitForSingleObject(process.Get(), 10000);
        ++ended;
    }
    return ended;
}

std::u16string EnvironmentText(const wchar_t* name) {
    const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0) return {};
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), length));
    return FromWide(value);
}

EnvironmentOverride::EnvironmentOverride(const wchar_t* name, const std::u16string& value) : name_(name) {
    const std::u16string previous = EnvironmentText(name);
    if (!previous.empty()) previous_ = Wide(previous);
    SetEnvironmentVariableW(name, value.empty() ? nullptr : Wide(value).c_str());
}

EnvironmentOverride::~EnvironmentOverride() {
    SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

namespace {

// The first visible top-level window of that class and caption (FindWindow would stop at a hidden one, such as the
// window of a process that is still ending).
HWND FindVisibleWindow(const wchar_t* className, const wchar_t* caption) {
    struct Search {
        const wchar_t* className;
        const wchar_t* caption;
        HWND found;
    } search{className, caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(parameter);
            wchar_t name[64] = {};
            wchar_t text[256] = {};
            GetClassNameW(window, name, 64);
            GetWindowTextW(window, text, 256);
            if (IsWindowVisible(window) && lstrcmpW(name, search.className) == 0 && lstrcmpW(text, search.caption) == 0) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND WaitForSetupWindow(const wchar_t* caption, int timeoutMs) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindVisibleWindow(L"VelnixLayeredWindow", caption)) != nullptr; }, timeoutMs);
    return window;
}

std::string TopLevelWindowsReport() {
    std::string report;
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& report = *reinterpret_cast<std::string*>(parameter);
            wchar_t name[64] = {};
            wchar_t text[256] = {};
            GetClassNameW(window, name, 64);
            GetWindowTextW(window, text, 256);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            report += "  " + U8(platform::win32::FromWide(name)) + " \"" + U8(platform::win32::FromWide(text)) +
                      "\" process " + std::to_string(owner) + (IsWindowVisible(window) ? " visible\n" : " hidden\n");
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&report));
    return report.empty() ? "  (none)\n" : report;
}

HWND WaitForMessageBox(const wchar_t* caption, int timeoutMs) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindWindowW(L"#32770", caption)) != nullptr && IsWindowVisible(box); }, timeoutMs);
    return box;
}

int VisibleToolTips(DWORD processId) {
    struct Search {
        DWORD processId;
        int count;
    } search{processId, 0};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == search.processId && lstrcmpiW(name, L"tooltips_class32") == 0 && IsWindowVisible(window)) {
                ++search.count;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

std::vector<std::string> LogLines(const std::u16string& folder) {
    std::vector<std::string> lines;
    const std::u16string logFolder = folder + u"log\\";
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(Wide(logFolder + u"*.log").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return lines;
    do {
        std::istringstream text(ReadWholeFile(logFolder + FromWide(entry.cFileName, wcslen(entry.cFileName))));
        std::string line;
        while (std::getline(text, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return lines;
}

bool AppRunning() {
    platform::win32::UniqueHandle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, L"Velnix"));
    return mapping.Valid();
}

Shortcut ReadShortcut(const std::u16string& linkPath) {
    platform::win32::ComScope com;
    Shortcut shortcut;
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.GetAddressOf())))) {
        return shortcut;
    }
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(link.As(&file)) || FAILED(file->Load(Wide(linkPath).c_str(), STGM_READ))) return shortcut;
    wchar_t buffer[MAX_PATH] = {};
    // The target as the shell resolves it from the item list (Wine's GetPath gives an ANSI copy).
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(link->GetIDList(&items)) && items != nullptr) {
        SHGetPathFromIDListW(items, buffer);
        CoTaskMemFree(items);
    }
    shortcut.target = FromWide(buffer, wcslen(buffer));
    buffer[0] = 0;
    link->GetWorkingDirectory(buffer, MAX_PATH);
    shortcut.workDir = FromWide(buffer, wcslen(buffer));
    return shortcut;
}

std::vector<StatsRequest> ReadStatsLog() {
    std::vector<StatsRequest> requests;
    const std::u16string path = EnvironmentText(L"VELNIX_TEST_STATS_LOG");
    if (path.empty()) return requests;
    std::istringstream lines(ReadWholeFile(path));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty()) continue;
        const nlohmann::json entry = nlohmann::json::parse(line, nullptr, false);
        if (entry.is_discarded()) continue;
        StatsRequest request;
        request.path = entry.value("path", "");
        request.hashOk = entry.value("hash_ok", false);
        request.body = entry.value("body", "");
        requests.push_back(std::move(request));
    }
    return requests;
}

namespace {

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

}  // namespace

bool ReplaceResource(const std::u16string& executable, const wchar_t* name, const std::string& bytes) {
    // Every language the resource is stored in, so that no copy of the old data stays behind.
    std::vector<WORD> languages;
    if (HMODULE module = LoadLibraryExW(Wide(executable).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        EnumResourceLanguagesW(module, RT_RCDATA, name, CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
        FreeLibrary(module);
    }
    if (languages.empty()) return false;
    HANDLE update = BeginUpdateResourceW(Wide(executable).c_str(), FALSE);
    if (update == nullptr) return false;
    bool replaced = true;
    for (WORD language : languages) {
        replaced = UpdateResourceW(update, RT_RCDATA, name, language, const_cast<char*>(bytes.data()),
                                   static_cast<DWORD>(bytes.size())) &&
                   replaced;
    }
    return EndUpdateResourceW(update, !replaced) && replaced;
}

}  // namespace e2e
