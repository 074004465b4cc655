#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/system_services.h"
#include "app/window/window_services.h"

namespace platform::win32 {

// What the test build of the program (VELNIX_TEST_ENTRY: the test variant, or VELNIX_TEST_BUILD) takes from its
// environment for the end-to-end tests. The product takes nothing: every member leaves the program as it is.
//   VELNIX_TEST_STATS_URL    the statistics server (scheme and host) instead of the built-in one
//   VELNIX_TEST_PICK_FOLDER  the folder the browse button's picker answers, without showing the dialog
//   VELNIX_TEST_TIMING_LOG   a file to which the line "first-frame <ms>" is appended once the first frame is on
//                            screen (milliseconds since the process was created)
//   VELNIX_TEST_WRITE_LOG    when set, the diagnostic log is also written to its daily file beside the program
class TestOverrides {
public:
    // Reads the environment (the test build only).
    TestOverrides();

    // Whether the diagnostic log is also written to its file.
    bool WriteLog() const { return writeLog_; }
    // The settings with the statistics server of the tests.
    app::SetupSettings Settings(app::SetupSettings settings) const;
    // Window services around real whose folder picker answers the tests' folder, or nullptr to use real as it is.
    std::unique_ptr<app::IWindowServices> WindowServices(app::IWindowServices& real) const;
    // Appends the time from the process's creation to now to the tests' timing log.
    void FirstFrameShown() const;

private:
    std::optional<std::u16string> statsUrl_;
    std::optional<std::u16string> pickFolder_;
    std::optional<std::u16string> timingLog_;
    bool writeLog_ = false;
};

}  // namespace platform::win32
