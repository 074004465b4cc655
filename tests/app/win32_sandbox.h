#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "app/system_services.h"
#include "platform/win32/services/setup_services.h"

// Test support for the Windows build: the real Win32 services, with the user's folders (desktop, application
// data, temporary folder) moved into a sandbox folder and the process's identity, its end, the message box
// and, when asked, the pool under the test's control. Registry, processes, files, shell and HTTP stay real.
namespace app::wine_testing {

class Sandbox {
public:
    // root: a folder path with a trailing backslash; it is created with its sub-folders.
    explicit Sandbox(std::u16string root, SetupSettings settings = {u"https://127.0.0.1:9", u"https://velnix.app"});
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    ~Sandbox();

    SetupServices& Services() { return services_; }
    platform::win32::Win32SetupServices& Real() { return real_; }

    const std::u16string& Root() const { return root_; }
    std::u16string Desktop() const { return root_ + u"Desktop"; }
    std::u16string AppData() const { return root_ + u"AppData"; }
    std::u16string StartMenuPrograms() const { return AppData() + u"\\Microsoft\\Windows\\Start Menu\\Programs"; }
    std::u16string Temp() const { return root_ + u"Temp\\"; }

    // Overrides; unset values use the real process.
    std::optional<std::u16string> executablePath;
    std::optional<std::u16string> firstArgument;
    bool answerYes = true;
    // EndProcess really ends the process only when set; otherwise it is counted.
    bool realEnd = false;
    std::atomic<int> endCalls{0};
    // Tasks go here instead of the shared pool when set.
    std::function<bool(std::function<void()>)> submit;

private:
    class SandboxFiles;
    class SandboxShell;
    class SandboxDialogs;
    class SandboxPool;
    class SandboxProcesses;

    std::u16string root_;
    platform::win32::Win32SetupServices real_;
    std::unique_ptr<SandboxFiles> files_;
    std::unique_ptr<SandboxShell> shell_;
    std::unique_ptr<SandboxDialogs> dialogs_;
    std::unique_ptr<SandboxPool> pool_;
    std::unique_ptr<SandboxProcesses> process_;
    SetupServices services_;
};

// A fresh, empty sandbox root below the real temporary folder: "<temp>velnix-tests\<name>-<process id>\".
std::u16string NewSandboxRoot(std::u16string_view name);

// Polls the condition every 50 ms until it holds or the time is up; whether it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

// The folder of the running test executable, with a trailing backslash.
std::u16string TestExecutableFolder();

}  // namespace app::wine_testing
