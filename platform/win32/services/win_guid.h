#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// CoCreateGuid, written by StringFromGUID2 (braced, upper-case).
class Win32GuidSource final : public app::IGuidSource {
public:
    explicit Win32GuidSource(app::ISetupLog& log) : log_(log) {}
    std::optional<std::u16string> NewGuidText() override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
