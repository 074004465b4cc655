#include "platform/log.h"

#include <mutex>
#include <string>

#include "platform/system.h"

namespace platform {

namespace {

// The lock of the sink, made on first use and never destroyed: static objects may log while they are made and
// while they are destroyed, in whatever order that happens.
union SinkLock {
    SinkLock() : mutex() {}
    ~SinkLock() {}
    std::mutex mutex;
};

std::mutex& SinkMutex() {
    static SinkLock lock;
    return lock.mutex;
}

// Guarded by SinkMutex(); constant-initialised, so it is there before any static object is made.
constinit ILogSink* current = nullptr;
// Set while this thread is inside the sink: a line the sink writes itself goes straight to the debugger output
// instead of waiting for the lock this thread holds.
constinit thread_local bool insideSink = false;

void Write(std::u16string_view line) noexcept {
    if (insideSink) {
        OutputDebugText(line);
        return;
    }
    try {
        const std::lock_guard lock(SinkMutex());
        if (current == nullptr) {
            OutputDebugText(line);
            return;
        }
        insideSink = true;
        try {
            current->WriteLine(line);
        } catch (...) {
            // A sink that fails loses its copy of the line; the debugger output still gets it.
            OutputDebugText(line);
        }
        insideSink = false;
    } catch (...) {
        // The lock failed.
        OutputDebugText(line);
    }
}

}  // namespace

void Log(std::u16string_view area, std::u16string_view text) noexcept {
    try {
        std::u16string line;
        line.reserve(area.size() + 2 + text.size());
        line.append(area).append(u": ").append(text);
        Write(line);
    } catch (...) {
        // Out of memory for the line: the text alone is better than nothing.
        Write(text);
    }
}

void LogLine(std::u16string_view line) noexcept { Write(line); }

ILogSink* SetLogSink(ILogSink* sink) noexcept {
    try {
        const std::lock_guard lock(SinkMutex());
        ILogSink* previous = current;
        current = sink;
        return previous;
    } catch (...) {
        OutputDebugText(u"Log: the sink cannot be changed");
        return nullptr;
    }
}

void RemoveLogSink(const ILogSink* sink) noexcept {
    try {
        const std::lock_guard lock(SinkMutex());
        if (current == sink) current = nullptr;
    } catch (...) {
        OutputDebugText(u"Log: the sink cannot be removed");
    }
}

}  // namespace platform
