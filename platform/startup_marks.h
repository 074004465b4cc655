#pragma once

#include <string_view>

// Points and spans of the program's start, for the first-frame benchmark's breakdown. Nothing is recorded unless
// a sink is installed (the test build does when its timing log is asked for); marking without one costs a load
// and a branch.
namespace platform {

// Receives a point ("mark", durationMs < 0) or a span with its length in milliseconds. Must not throw.
using StartupMarkSink = void (*)(std::string_view name, double durationMs) noexcept;

// Installs the sink, or none with nullptr. Call from the main thread before the marks it should see.
void SetStartupMarkSink(StartupMarkSink sink) noexcept;

// A point of the start reached now.
void MarkStartup(std::string_view name) noexcept;

// Reports the time from its creation to its end as a span of the start; spans of one name add up.
class StartupSpan {
public:
    explicit StartupSpan(std::string_view name) noexcept;
    StartupSpan(const StartupSpan&) = delete;
    StartupSpan& operator=(const StartupSpan&) = delete;
    ~StartupSpan();

private:
    std::string_view name_;
    long long startNs_ = 0;
};

}  // namespace platform
