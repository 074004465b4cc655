#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// The process's shared thread pool (TrySubmitThreadpoolCallback).
class Win32ThreadPool final : public app::ITaskPool {
public:
    explicit Win32ThreadPool(app::ISetupLog& log) : log_(log) {}
    bool Submit(std::function<void()> task) override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
