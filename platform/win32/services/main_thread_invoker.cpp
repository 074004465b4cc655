#include "platform/win32/services/main_thread_invoker.h"

#include <windows.h>

#include <exception>

#include "platform/win32/services/process_end.h"
#include "platform/win32/wide_text.h"
#include "ui/text.h"

namespace platform::win32 {

namespace {

constexpr UINT kInvokeMessage = WM_APP + 0x56;
constexpr UINT kEndProcessMessage = WM_APP + 0x57;
constexpr wchar_t kWindowClass[] = L"VelnixMainThreadInvoker";

struct Invocation {
    const std::function<void()>* Function;
    app::ISetupLog* Log;
};

void RunInvocation(const Invocation& invocation) {
    try {
        (*invocation.Function)();
    } catch (const std::exception& error) {
        invocation.Log->Log(u"Main thread: a call failed: " + ui::Utf8ToUtf16(error.what()));
    } catch (...) {
        invocation.Log->Log(u"Main thread: a call failed");
    }
}

LRESULT CALLBACK InvokerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kInvokeMessage) {
        RunInvocation(*reinterpret_cast<const Invocation*>(lParam));
        return 1;
    }
    if (message == kEndProcessMessage) EndProcessNow(static_cast<uint32_t>(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

MainThreadInvoker::MainThreadInvoker(app::ISetupLog& log) : log_(log), threadId_(GetCurrentThreadId()) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = InvokerWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);  // fails harmlessly when a second invoker registers it again
    window_ =
        CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    if (!window_) log_.Log(u"Main thread: no message window; calls run on the calling thread");
}

MainThreadInvoker::~MainThreadInvoker() {
    if (window_) DestroyWindow(static_cast<HWND>(window_));
}

void MainThreadInvoker::InvokeAndWait(const std::function<void()>& function) {
    const Invocation invocation{&function, &log_};
    if (GetCurrentThreadId() == threadId_ || !window_) {
        RunInvocation(invocation);
        return;
    }
    SendMessageW(static_cast<HWND>(window_), kInvokeMessage, 0, reinterpret_cast<LPARAM>(&invocation));
}

bool MainThreadInvoker::OnInvokerThread() const { return GetCurrentThreadId() == threadId_; }

bool MainThreadInvoker::PostEndProcess(uint32_t exitCode) {
    if (!window_) return false;
    if (PostMessageW(static_cast<HWND>(window_), kEndProcessMessage, exitCode, 0)) return true;
    log_.Log(u"Main thread: cannot ask it to end the process (error " + DecimalText(GetLastError()) + u")");
    return false;
}

}  // namespace platform::win32
