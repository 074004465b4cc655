#include "platform/win32/services/run_command.h"

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "ui/text.h"

namespace platform::win32 {

namespace {

constexpr DWORD kReadBufferSize = 2400;
constexpr DWORD kPollMs = 100;

void Log(app::ISetupLog* log, const std::u16string& line) {
    if (log) log->Log(line);
}

std::u16string DecodeAnsi(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return FromWide(text);
}

// Takes what the pipe holds right now, in reads of at most 2400 bytes, without ever waiting for more. Ends
// after one polling period at the latest, so a child that writes without pause cannot hold the loop.
void DrainPipe(HANDLE pipe, std::string& collected) {
    const ULONGLONG start = GetTickCount64();
    char buffer[kReadBufferSize];
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) return;
        DWORD read = 0;
        if (!ReadFile(pipe, buffer, available < kReadBufferSize ? available : kReadBufferSize, &read, nullptr) ||
            read == 0) {
            return;
        }
        collected.append(buffer, read);
        if (GetTickCount64() - start >= kPollMs) return;
    }
}

}  // namespace

app::CommandResult RunCommand(const app::CommandRequest& request, app::ISetupLog* log) {
    const std::u16string_view commandLine = request.CommandLine;
    const std::u16string_view workDir = request.WorkDir;
    app::CommandResult result;
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof(inheritable);
    inheritable.bInheritHandle = TRUE;
    inheritable.lpSecurityDescriptor = nullptr;

    UniqueHandle readEnd;
    UniqueHandle writeEnd;
    if (!CreatePipe(readEnd.Receive(), writeEnd.Receive(), &inheritable, 0)) {
        Log(log,
            u"Process: no pipe for " + std::u16string(commandLine) + u" (error " + DecimalText(GetLastError()) + u")");
        return result;
    }
    // The child must not inherit the read end, or the pipe would never report its end.
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();

    std::wstring mutableCommand = Wide(commandLine);
    const std::wstring folder = Wide(workDir);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, mutableCommand.data(), &inheritable, &inheritable, TRUE,
                                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    if (!started) {
        Log(log,
            u"Process: cannot start " + std::u16string(commandLine) + u" (error " + DecimalText(GetLastError()) + u")");
        return result;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    writeEnd.Reset();
    Log(log, u"Process: started " + std::u16string(commandLine) + u" in " + std::u16string(workDir));

    // The limit runs on the monotonic tick count: a change of the wall clock neither holds it off nor fires it early.
    const ULONGLONG startTicks = GetTickCount64();
    const ULONGLONG limitMs =
        request.TimeLimitSeconds > 0 ? static_cast<ULONGLONG>(request.TimeLimitSeconds) * 1000 : 0;
    std::string collected;
    bool stopped = false;
    for (;;) {
        const DWORD wait = WaitForSingleObject(processHandle.Get(), kPollMs);
        const bool timedOut = wait == WAIT_TIMEOUT;
        DrainPipe(readEnd.Get(), collected);
        if (limitMs > 0 && GetTickCount64() - startTicks > limitMs) {
            TerminateProcess(processHandle.Get(), 0);
            stopped = true;
            break;
        }
        if (!timedOut) break;
    }

    result.Output = request.Encoding == app::OutputEncoding::Utf8 ? ui::Utf8ToUtf16(collected) : DecodeAnsi(collected);
    result.StoppedAtTimeLimit = stopped;
    readEnd.Reset();
    DWORD code = 0;
    if (GetExitCodeProcess(processHandle.Get(), &code)) result.ExitCode = code;
    Log(log, u"Process: " + std::u16string(commandLine) + (stopped ? u" stopped at the time limit" : u" ended") +
                 u", exit code " + DecimalText(code) + u", " + DecimalText(collected.size()) + u" bytes of output");
    return result;
}

}  // namespace platform::win32
