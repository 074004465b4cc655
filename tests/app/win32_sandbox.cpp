#include "tests/app/win32_sandbox.h"

#include <windows.h>

#include "app/debug_log_sink.h"
#include "platform/system.h"
#include "platform/win32/wide_text.h"

namespace app::wine_testing {

class Sandbox::SandboxFiles final : public IFileSystem {
public:
    SandboxFiles(Sandbox& sandbox, IFileSystem& real) : sandbox_(sandbox), real_(real) {}
    bool FileExists(std::u16string_view path) override { return real_.FileExists(path); }
    bool DirectoryExists(std::u16string_view path) override { return real_.DirectoryExists(path); }
    bool IsDirectoryEmpty(std::u16string_view path) override { return real_.IsDirectoryEmpty(path); }
    bool RemoveFile(std::u16string_view path) override { return real_.RemoveFile(path); }
    bool CopyFileNoReplace(std::u16string_view from, std::u16string_view to) override {
        return real_.CopyFileNoReplace(from, to);
    }
    std::unique_ptr<ITransientCopy> StartTransientCopy(std::u16string_view from, std::u16string_view folder,
                                                       std::u16string_view prefix) override {
        return real_.StartTransientCopy(from, folder, prefix);
    }
    bool MoveFileNoReplace(std::u16string_view from, std::u16string_view to) override {
        return real_.MoveFileNoReplace(from, to);
    }
    bool CreateDirectories(std::u16string_view path) override { return real_.CreateDirectories(path); }
    bool RemoveEmptyDirectory(std::u16string_view path) override { return real_.RemoveEmptyDirectory(path); }
    bool DeleteTree(std::u16string_view path) override { return real_.DeleteTree(path); }
    bool WriteFile(std::u16string_view path, std::string_view bytes) override { return real_.WriteFile(path, bytes); }
    std::u16string TempFolder() override { return sandbox_.Temp(); }
    std::optional<std::u16string> CreateTempFile(std::u16string_view folder, std::u16string_view prefix) override {
        return real_.CreateTempFile(folder, prefix);
    }
    std::optional<std::u16string> ShortPath(std::u16string_view path) override { return real_.ShortPath(path); }

private:
    Sandbox& sandbox_;
    IFileSystem& real_;
};

class Sandbox::SandboxShell final : public IShell {
public:
    SandboxShell(Sandbox& sandbox, IShell& real) : sandbox_(sandbox), real_(real) {}
    std::optional<std::u16string> FolderPath(ShellFolder folder) override {
        // The system's own programs are the real ones; the user's folders are the sandbox's.
        if (folder == ShellFolder::System) return real_.FolderPath(folder);
        return folder == ShellFolder::Desktop ? sandbox_.Desktop() : sandbox_.AppData();
    }
    std::vector<DriveRoot> LogicalDrives() override { return real_.LogicalDrives(); }
    bool Open(std::u16string_view path, Visibility visibility) override { return real_.Open(path, visibility); }
    bool SaveShortcut(std::u16string_view linkPath, std::u16string_view target, std::u16string_view workDir) override {
        return real_.SaveShortcut(linkPath, target, workDir);
    }

private:
    Sandbox& sandbox_;
    IShell& real_;
};

class Sandbox::SandboxDialogs final : public IDialogs {
public:
    explicit SandboxDialogs(Sandbox& sandbox) : sandbox_(sandbox) {}
    bool AskYesNo(std::u16string_view, std::u16string_view) override { return sandbox_.answerYes; }

private:
    Sandbox& sandbox_;
};

class Sandbox::SandboxPool final : public ITaskPool {
public:
    SandboxPool(Sandbox& sandbox, ITaskPool& real) : sandbox_(sandbox), real_(real) {}
    bool Submit(std::function<void()> task) override {
        return sandbox_.submit ? sandbox_.submit(std::move(task)) : real_.Submit(std::move(task));
    }

private:
    Sandbox& sandbox_;
    ITaskPool& real_;
};

class Sandbox::SandboxProcesses final : public IProcessContext {
public:
    SandboxProcesses(Sandbox& sandbox, IProcessContext& real) : sandbox_(sandbox), real_(real) {}
    std::u16string ExecutablePath() override {
        return sandbox_.executablePath ? *sandbox_.executablePath : real_.ExecutablePath();
    }
    std::u16string FirstArgument() override {
        return sandbox_.firstArgument ? *sandbox_.firstArgument : real_.FirstArgument();
    }
    // With a first argument of the sandbox's, the command line is the program followed by that argument.
    std::u16string CommandLine() override {
        return sandbox_.firstArgument ? u"\"" + ExecutablePath() + u"\" " + *sandbox_.firstArgument
                                      : real_.CommandLine();
    }
    std::u16string LowerCase(std::u16string_view text) override { return real_.LowerCase(text); }
    int64_t LocalUnixSeconds() override { return real_.LocalUnixSeconds(); }
    void Sleep(uint32_t milliseconds) override { real_.Sleep(milliseconds); }
    std::optional<std::string> ToConsoleCodePage(std::u16string_view text) override {
        return real_.ToConsoleCodePage(text);
    }
    void EndProcess(uint32_t exitCode) override {
        if (sandbox_.realEnd) real_.EndProcess(exitCode);
        ++sandbox_.endCalls;
    }

private:
    Sandbox& sandbox_;
    IProcessContext& real_;
};

Sandbox::Sandbox(std::u16string root, SetupSettings settings)
    : root_(std::move(root)),
      real_(settings),
      files_(std::make_unique<SandboxFiles>(*this, real_.Services().Files)),
      shell_(std::make_unique<SandboxShell>(*this, real_.Services().Shell)),
      dialogs_(std::make_unique<SandboxDialogs>(*this)),
      pool_(std::make_unique<SandboxPool>(*this, real_.Services().Pool)),
      process_(std::make_unique<SandboxProcesses>(*this, real_.Services().Process)),
      services_{std::move(settings),
                real_.Services().Log,
                real_.Services().Registry,
                *files_,
                *shell_,
                real_.Services().Processes,
                real_.Services().Http,
                real_.Services().Crypto,
                real_.Services().Guids,
                *dialogs_,
                real_.Services().AppQuit,
                real_.Services().Resources,
                *pool_,
                *process_} {
    IFileSystem& files = real_.Services().Files;
    files.CreateDirectories(Desktop());
    files.CreateDirectories(StartMenuPrograms());
    files.CreateDirectories(Temp());
}

Sandbox::~Sandbox() = default;

std::u16string NewSandboxRoot(std::u16string_view name) {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    std::u16string root = platform::win32::FromWide(temp, length) + u"velnix-tests\\" + std::u16string(name) + u"-" +
                          platform::win32::DecimalText(GetCurrentProcessId()) + u"\\";
    DebugLogSink log;
    platform::win32::Win32FileSystem files(log);
    if (files.DirectoryExists(root)) files.DeleteTree(root);
    return root;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(50);
    }
}

std::u16string TestExecutableFolder() {
    const std::u16string path = platform::ExecutablePath().u16string();
    return path.substr(0, path.rfind(u'\\') + 1);
}

}  // namespace app::wine_testing
