#include "platform/win32/services/thread_pool.h"

#include <windows.h>

#include <exception>
#include <memory>

#include "ui/text.h"

namespace platform::win32 {

namespace {

struct PoolTask {
    std::function<void()> Run;
    app::ISetupLog* Log;
};

void CALLBACK RunPoolTask(PTP_CALLBACK_INSTANCE, void* context) {
    std::unique_ptr<PoolTask> task(static_cast<PoolTask*>(context));
    try {
        task->Run();
    } catch (const std::exception& error) {
        task->Log->Log(u"Pool: a task failed: " + ui::Utf8ToUtf16(error.what()));
    } catch (...) {
        task->Log->Log(u"Pool: a task failed");
    }
}

}  // namespace

bool Win32ThreadPool::Submit(std::function<void()> task) {
    auto owned = std::make_unique<PoolTask>(PoolTask{std::move(task), &log_});
    if (!TrySubmitThreadpoolCallback(RunPoolTask, owned.get(), nullptr)) {
        log_.Log(u"Pool: TrySubmitThreadpoolCallback failed");
        return false;
    }
    // The callback owns the task from here on.
    owned.release();
    return true;
}

}  // namespace platform::win32
