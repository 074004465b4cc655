#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// RCDATA resources of the running executable (FindResourceW, LoadResource).
class Win32Resources final : public app::IResources {
public:
    explicit Win32Resources(app::ISetupLog& log) : log_(log) {}
    std::optional<std::string> Read(std::u16string_view name) override;
    bool WriteToFile(std::u16string_view name, std::u16string_view path) override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
