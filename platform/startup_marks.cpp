#include "platform/startup_marks.h"

#include <atomic>
#include <chrono>

namespace platform {

namespace {

constinit std::atomic<StartupMarkSink> currentSink{nullptr};

long long NowNs() noexcept {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

void SetStartupMarkSink(StartupMarkSink sink) noexcept { currentSink.store(sink, std::memory_order_release); }

void MarkStartup(std::string_view name) noexcept {
    if (const StartupMarkSink sink = currentSink.load(std::memory_order_acquire)) sink(name, -1.0);
}

StartupSpan::StartupSpan(std::string_view name) noexcept : name_(name) {
    if (currentSink.load(std::memory_order_relaxed) != nullptr) startNs_ = NowNs();
}

StartupSpan::~StartupSpan() {
    if (startNs_ == 0) return;
    if (const StartupMarkSink sink = currentSink.load(std::memory_order_acquire)) {
        sink(name_, static_cast<double>(NowNs() - startNs_) / 1e6);
    }
}

}  // namespace platform
