// Process entry of Velnix Setup: the window framework on Direct2D, the animation clock, the setup services and
// the main window made from its stored layout, whose creation handler decides the mode. Uninstall mode ends the
// process inside that handler; install and update mode show the window and run the message loop until the
// process ends (the close button, the end of the installation) or the window is closed through the system.
//
// With the switch /S (and not run as Uninstall.exe) the process installs without a window at all and ends with
// the installation's exit code; Uninstall.exe /S takes the usual way, and its sequence skips the question.
//
// The test build also takes a few settings from its environment for the end-to-end tests (TestOverrides).
#include <windows.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/build_settings.h"
#include "app/command_line.h"
#include "app/setup_state.h"
#include "app/silent_install.h"
#include "app/window/main_form.h"
#include "app/window/window_classes.h"
#include "platform/startup_marks.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "platform/win32/graphics/program_resource.h"
#include "platform/win32/program/test_overrides.h"
#include "platform/win32/program/window_services.h"
#include "platform/win32/services/com_scope.h"
#include "platform/win32/services/main_thread_invoker.h"
#include "platform/win32/services/setup_services.h"
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
using platform::win32::TestOverrides;
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

// The window from its layout and the message loop; the exit code.
int RunWindow(Win32SetupServices& system, MainThreadInvoker& invoker, const TestOverrides& test) {
    app::SetupServices& services = system.Services();
    // The window needs Direct2D; without it uninstall mode still runs (its window is never shown).
    std::unique_ptr<D2DGraphics> graphics;
    try {
        graphics = std::make_unique<D2DGraphics>();
    } catch (const std::exception& error) {
        services.Log.Log(u"Setup: no drawing services: " + ui::Utf8ToUtf16(error.what()));
    }
    platform::MarkStartup("graphics");
    GraphicsScope graphicsScope(graphics.get());
    Win32AnimationClock clock;
    TimerClockScope timerClock(clock);
    app::RegisterWindowClasses(ui::GlobalClassRegistry());

    Win32WindowServices realWindowServices(invoker, services.Log);
    const std::unique_ptr<app::IWindowServices> testWindowServices = test.WindowServices(realWindowServices);
    app::IWindowServices& windowServices = testWindowServices ? *testWindowServices : realWindowServices;

    const std::span<const std::byte> layout = platform::win32::FindProgramResource(kLayoutResource);
    if (layout.empty()) {
        services.Log.Log(u"Setup: the window layout resource is missing");
        return 1;
    }
    app::TMainForm form(app::SetupState, services, windowServices);
    // The window exists (hidden) before the creation handler runs: it owns the uninstall question.
    std::unique_ptr<LayeredWindow> window;
    if (graphics) {
        window = std::make_unique<LayeredWindow>(form, *graphics);
        system.Dialogs().SetOwnerWindow(window->Handle());
        realWindowServices.SetOwnerWindow(window->Handle());
    }
    platform::MarkStartup("window");
    // After the window took its monitor's scale; uninstall mode (no drawing services) keeps 1.0.
    app::InitWindowSkin();
    platform::MarkStartup("skin");
    form.LoadLayout(std::string_view(reinterpret_cast<const char*>(layout.data()), layout.size()));
    platform::MarkStartup("layout");
    if (form.Mode() == app::SetupMode::Uninstall) return 0;  // the sequence has ended the process already
    if (!window) return 1;

    window->Show();
    test.FirstFrameShown();
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
    const TestOverrides test;  // nothing in the product
    platform::MarkStartup("entry");
    if (test.WriteLog()) skin::GetGlobalLog().IsWriteLog = true;
    // The main thread's apartment, for the folder picker, the drawing services and the shell links.
    platform::win32::ComScope com;
    // The setup services live until the process ends: pool tasks started by a click keep using them.
    Win32SetupServices system(test.Settings(app::BuildSettings()));
    // The main thread's hand-over lives as long as the process too; a pool task that ends the process has the
    // main thread do it through it. The silent installation runs on the main thread and ends the process
    // itself: it makes no window, not even this message-only one.
    std::optional<MainThreadInvoker> invoker;
    int exitCode = 1;
    try {
        app::SetupServices& services = system.Services();
        const app::SetupSwitches switches = app::ParseSetupSwitches(services.Process.CommandLine());
        if (app::IsSilentInstall(switches, services)) {
            exitCode = static_cast<int>(app::RunSilentInstall(app::SetupState, services, switches));
        } else {
            invoker.emplace(services.Log);
            system.Process().EndThrough(*invoker);
            exitCode = RunWindow(system, *invoker, test);
        }
    } catch (const std::exception& error) {
        system.Services().Log.Log(u"Setup: " + ui::Utf8ToUtf16(error.what()));
    }
    // Tasks may still be running on the pool with the services and the process-wide state: the process ends
    // here, without tearing those down under them.
    ExitProcess(static_cast<UINT>(exitCode));
}
