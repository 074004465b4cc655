// Process entry of Velnix Setup: the window framework on Direct2D, the animation clock, the setup services and
// the main window made from its stored layout, whose creation handler decides the mode. Uninstall mode ends the
// process inside that handler; install and update mode show the window and run the message loop until the
// process ends (the close button, the end of the installation) or the window is closed through the system.
//
// Built with VELNIX_TEST_ENTRY (the test variant, or VELNIX_TEST_BUILD), the program also takes from its
// environment what the end-to-end tests need:
//   VELNIX_TEST_STATS_URL    the statistics server (scheme and host) instead of the built-in one
//   VELNIX_TEST_PICK_FOLDER  the folder the browse button's picker answers, without showing the dialog
//   VELNIX_TEST_TIMING_LOG   a file to which the line "first-frame <ms>" is appended once the first frame is on
//                            screen (milliseconds since the process was created)
//   VELNIX_TEST_WRITE_LOG    when set, the diagnostic log is also written to its daily file beside the program
#include <windows.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/build_settings.h"
#include "app/setup_state.h"
#include "app/window/main_form.h"
#include "app/window/stand_ins/register_stand_ins.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "platform/win32/graphics/program_resource.h"
#include "platform/win32/program/window_services.h"
#include "platform/win32/services/com_scope.h"
#include "platform/win32/services/main_thread_invoker.h"
#include "platform/win32/services/setup_services.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window/layered_window.h"
#include "platform/win32/window/win32_animation_clock.h"
#include "skin/core/base_log.h"
#include "ui/animation_timer.h"
#include "ui/class_registry.h"
#include "ui/graphics.h"
#include "ui/text.h"

namespace {

using platform::win32::D2DGraphics;
using platform::win32::LayeredWindow;
using platform::win32::MainThreadInvoker;
using platform::win32::Win32AnimationClock;
using platform::win32::Win32SetupServices;
using platform::win32::Win32WindowServices;

// The resource holding the window's stored layout.
constexpr std::u16string_view kLayoutResource = u"MainForm";

// The process's drawing services for a scope.
class GraphicsScope {
public:
    explicit GraphicsScope(ui::Graphics* graphics) { ui::SetGraphics(graphics); }
    GraphicsScope(const GraphicsScope&) = delete;
    GraphicsScope& operator=(const GraphicsScope&) = delete;
    ~GraphicsScope() { ui::SetGraphics(nullptr); }
};

// The shared animation timer's clock for a scope.
class TimerClockScope {
public:
    explicit TimerClockScope(ui::AnimationClock& clock) { ui::SharedAnimationTimer().SetClock(&clock); }
    TimerClockScope(const TimerClockScope&) = delete;
    TimerClockScope& operator=(const TimerClockScope&) = delete;
    ~TimerClockScope() { ui::SharedAnimationTimer().SetClock(nullptr); }
};

#if VELNIX_TEST_ENTRY
std::optional<std::u16string> EnvironmentText(const wchar_t* name) {
    const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring value(length, L'\0');
    const DWORD written = GetEnvironmentVariableW(name, value.data(), length);
    value.resize(written);
    return platform::win32::FromWide(value);
}

// The window services with the folder picker's answer taken from the environment.
class PresetFolderWindowServices final : public app::IWindowServices {
public:
    PresetFolderWindowServices(app::IWindowServices& real, std::u16string folder)
        : real_(real), folder_(std::move(folder)) {}
    std::u16string PickFolder(std::u16string_view) override { return folder_; }
    void RunOnMainThread(const std::function<void()>& function) override { real_.RunOnMainThread(function); }
    void EndProcess(uint32_t exitCode) override { real_.EndProcess(exitCode); }

private:
    app::IWindowServices& real_;
    std::u16string folder_;
};

void ReportFirstFrame() {
    const std::optional<std::u16string> path = EnvironmentText(L"VELNIX_TEST_TIMING_LOG");
    if (!path) return;
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return;
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    const unsigned long long elapsed100ns = ticks(now) - ticks(created);
    const std::string line = "first-frame " + std::to_string(elapsed100ns / 10000) + "." +
                             std::to_string(elapsed100ns / 1000 % 10) + "\n";
    const HANDLE file = CreateFileW(platform::win32::Wide(*path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}
#endif

app::SetupSettings Settings() {
    app::SetupSettings settings = app::BuildSettings();
#if VELNIX_TEST_ENTRY
    if (std::optional<std::u16string> url = EnvironmentText(L"VELNIX_TEST_STATS_URL")) settings.StatsBaseUrl = *url;
#endif
    return settings;
}

// The window from its layout and the message loop; the exit code.
int RunWindow(Win32SetupServices& system, MainThreadInvoker& invoker) {
    app::SetupServices& services = system.Services();
    // The window needs Direct2D; without it uninstall mode still runs (its window is never shown).
    std::unique_ptr<D2DGraphics> graphics;
    try {
        graphics = std::make_unique<D2DGraphics>();
    } catch (const std::exception& error) {
        services.Log.Log(u"Setup: no drawing services: " + ui::Utf8ToUtf16(error.what()));
    }
    GraphicsScope graphicsScope(graphics.get());
    Win32AnimationClock clock;
    TimerClockScope timerClock(clock);
    app::stand_ins::RegisterStandIns(ui::GlobalClassRegistry());

    Win32WindowServices realWindowServices(invoker, services.Log);
    app::IWindowServices* windowServices = &realWindowServices;
#if VELNIX_TEST_ENTRY
    std::unique_ptr<PresetFolderWindowServices> preset;
    if (std::optional<std::u16string> folder = EnvironmentText(L"VELNIX_TEST_PICK_FOLDER")) {
        preset = std::make_unique<PresetFolderWindowServices>(realWindowServices, *folder);
        windowServices = preset.get();
    }
#endif

    const std::span<const std::byte> layout = platform::win32::FindProgramResource(kLayoutResource);
    if (layout.empty()) {
        services.Log.Log(u"Setup: the window layout resource is missing");
        return 1;
    }
    app::TMainForm form(app::SetupState, services, *windowServices);
    // The window exists (hidden) before the creation handler runs: it owns the uninstall question.
    std::unique_ptr<LayeredWindow> window;
    if (graphics) {
        window = std::make_unique<LayeredWindow>(form, *graphics);
        system.Dialogs().SetOwnerWindow(window->Handle());
        realWindowServices.SetOwnerWindow(window->Handle());
    }
    form.LoadLayout(std::string_view(reinterpret_cast<const char*>(layout.data()), layout.size()));
    if (form.Mode() == app::SetupMode::Uninstall) return 0;  // the sequence has ended the process already
    if (!window) return 1;

    window->Show();
#if VELNIX_TEST_ENTRY
    ReportFirstFrame();
#endif
    MSG message{};
    BOOL status = 0;
    while ((status = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (status == -1) {
            services.Log.Log(u"Setup: the message loop failed");
            return 1;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::win32::EnablePerMonitorDpiAwareness();
#if VELNIX_TEST_ENTRY
    if (EnvironmentText(L"VELNIX_TEST_WRITE_LOG")) skin::GetGlobalLog().IsWriteLog = true;
#endif
    // The main thread's apartment, for the folder picker and the drawing services.
    platform::win32::ComScope com;
    // The setup services live until the process ends: pool tasks started by a click keep using them.
    Win32SetupServices system(Settings());
    // The main thread's hand-over lives as long as the process too; a pool task that ends the process has the
    // main thread do it through it.
    MainThreadInvoker invoker(system.Services().Log);
    system.Process().EndThrough(invoker);
    int exitCode = 1;
    try {
        exitCode = RunWindow(system, invoker);
    } catch (const std::exception& error) {
        system.Services().Log.Log(u"Setup: " + ui::Utf8ToUtf16(error.what()));
    }
    // Tasks may still be running on the pool with the services and the process-wide state: the process ends
    // here, without tearing those down under them.
    ExitProcess(static_cast<UINT>(exitCode));
}
