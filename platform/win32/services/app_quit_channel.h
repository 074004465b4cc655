#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// The running application's quit request: OpenFileMappingW + MapViewOfFile for the window handle, then
// SendMessageTimeoutW with SMTO_ABORTIFHUNG.
class Win32AppQuitChannel final : public app::IAppQuitChannel {
public:
    explicit Win32AppQuitChannel(app::ISetupLog& log) : log_(log) {}
    app::QuitRequestResult RequestQuit(std::u16string_view mappingName, uint32_t message, uint32_t timeoutMs) override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
