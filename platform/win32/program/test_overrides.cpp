#include "platform/win32/program/test_overrides.h"

#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/startup_marks.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

#if VELNIX_TEST_ENTRY

namespace {

std::optional<std::u16string> EnvironmentText(const wchar_t* name) {
    const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring value(length, L'\0');
    const DWORD written = GetEnvironmentVariableW(name, value.data(), length);
    value.resize(written);
    return FromWide(value);
}

// Milliseconds from the process's creation to now; negative when the system does not tell.
double SinceProcessCreationMs() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

// The marks and spans of the start, kept in memory until the first frame is shown (writing each to the file would
// slow the start it measures).
std::mutex& StartupMarksMutex() {
    static std::mutex mutex;
    return mutex;
}
std::string& StartupMarks() {
    static std::string marks;
    return marks;
}

void RecordStartupMark(std::string_view name, double durationMs) noexcept {
    try {
        char line[128];
        if (durationMs < 0) {
            std::snprintf(line, sizeof line, "mark %.*s %.2f\n", static_cast<int>(name.size()), name.data(),
                          SinceProcessCreationMs());
        } else {
            std::snprintf(line, sizeof line, "span %.*s %.3f\n", static_cast<int>(name.size()), name.data(),
                          durationMs);
        }
        const std::lock_guard lock(StartupMarksMutex());
        StartupMarks() += line;
    } catch (...) {
        // A lost mark only thins the benchmark's breakdown.
    }
}

// The window services with the folder picker's answer taken from the environment.
class PresetFolderWindowServices final : public app::IWindowServices {
public:
    PresetFolderWindowServices(app::IWindowServices& real, std::u16string folder)
        : real_(real), folder_(std::move(folder)) {}
    std::u16string PickFolder(std::u16string_view) override { return folder_; }
    void RunOnMainThread(const std::function<void()>& function) override { real_.RunOnMainThread(function); }
    void HideWindow() override { real_.HideWindow(); }
    void EndProcess(uint32_t exitCode) override { real_.EndProcess(exitCode); }

private:
    app::IWindowServices& real_;
    std::u16string folder_;
};

}  // namespace

TestOverrides::TestOverrides()
    : statsUrl_(EnvironmentText(L"VELNIX_TEST_STATS_URL")),
      pickFolder_(EnvironmentText(L"VELNIX_TEST_PICK_FOLDER")),
      timingLog_(EnvironmentText(L"VELNIX_TEST_TIMING_LOG")),
      writeLog_(EnvironmentText(L"VELNIX_TEST_WRITE_LOG").has_value()) {
    if (timingLog_) platform::SetStartupMarkSink(RecordStartupMark);
}

app::SetupSettings TestOverrides::Settings(app::SetupSettings settings) const {
    if (statsUrl_) settings.StatsBaseUrl = *statsUrl_;
    return settings;
}

std::unique_ptr<app::IWindowServices> TestOverrides::WindowServices(app::IWindowServices& real) const {
    if (!pickFolder_) return nullptr;
    return std::make_unique<PresetFolderWindowServices>(real, *pickFolder_);
}

void TestOverrides::FirstFrameShown() const {
    if (!timingLog_) return;
    const double elapsedMs = SinceProcessCreationMs();
    if (elapsedMs < 0) return;
    platform::SetStartupMarkSink(nullptr);
    char firstFrame[64];
    std::snprintf(firstFrame, sizeof firstFrame, "first-frame %.1f\n", elapsedMs);
    std::string line;
    {
        const std::lock_guard lock(StartupMarksMutex());
        line = StartupMarks() + firstFrame;
    }
    const HANDLE file = CreateFileW(Wide(*timingLog_).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

#else

TestOverrides::TestOverrides() = default;

app::SetupSettings TestOverrides::Settings(app::SetupSettings settings) const { return settings; }

std::unique_ptr<app::IWindowServices> TestOverrides::WindowServices(app::IWindowServices&) const { return nullptr; }

void TestOverrides::FirstFrameShown() const {}

#endif

}  // namespace platform::win32
