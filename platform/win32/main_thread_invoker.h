#pragma once

#include <functional>

#include "app/system_services.h"

namespace platform::win32 {

// Runs functions on the thread that created it (the main thread), for pool threads that must wait for the
// result: a message-only window receives the call through SendMessageW, so the main thread runs it from its
// message loop. Called on the main thread itself, it runs the function at once.
class MainThreadInvoker {
public:
    explicit MainThreadInvoker(app::ISetupLog& log);
    MainThreadInvoker(const MainThreadInvoker&) = delete;
    MainThreadInvoker& operator=(const MainThreadInvoker&) = delete;
    ~MainThreadInvoker();

    void InvokeAndWait(const std::function<void()>& function);

private:
    app::ISetupLog& log_;
    void* window_ = nullptr;
    unsigned long threadId_ = 0;
};

}  // namespace platform::win32
