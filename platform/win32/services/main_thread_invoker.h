#pragma once

#include <cstdint>
#include <functional>

#include "app/system_services.h"

namespace platform::win32 {

// Runs functions on the thread that created it (the main thread), for pool threads that must wait for the
// result: a message-only window receives the call through SendMessageW, so the main thread runs it from its
// message loop. Called on the main thread itself, it runs the function at once. It also ends the process on the
// main thread for a pool thread that asks (PostEndProcess).
class MainThreadInvoker {
public:
    explicit MainThreadInvoker(app::ISetupLog& log);
    MainThreadInvoker(const MainThreadInvoker&) = delete;
    MainThreadInvoker& operator=(const MainThreadInvoker&) = delete;
    ~MainThreadInvoker();

    void InvokeAndWait(const std::function<void()>& function);
    // Whether the caller runs on the invoker's thread.
    bool OnInvokerThread() const;
    // Asks the invoker's thread to end the process with the exit code (EndProcessNow) when its message loop
    // next turns, without waiting for it; false when the request could not be posted.
    bool PostEndProcess(uint32_t exitCode);

private:
    app::ISetupLog& log_;
    void* window_ = nullptr;
    unsigned long threadId_ = 0;
};

}  // namespace platform::win32
