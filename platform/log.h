#pragma once

#include <string_view>

// The program's one diagnostic log. Every layer writes its lines here: the setup sequences and their system
// services, the window framework, the window host and the drawing services, and the skin library.
//
// A line reads "<area>: <text>", the area naming the part that writes it ("Setup", "Files", "Window",
// "Graphics", "Animation", ...). The skin library's own lines keep the fixed texts it has always written and
// pass through whole.
//
// Lines go to the installed sink; without one they go to the debugger output. The skin library's log plugs
// itself in as the sink when it is created: it passes every line to the debugger output and, when its file is
// switched on, appends it to the daily log file. Safe to call from any thread: the sink receives one line at a
// time, so lines from several threads stay whole. Logging never throws.
namespace platform {

// Writes "<area>: <text>".
void Log(std::u16string_view area, std::u16string_view text) noexcept;
// Writes a line that is already formed, as it is.
void LogLine(std::u16string_view line) noexcept;

// Where the log's lines go.
class ILogSink {
public:
    virtual ~ILogSink() = default;
    // One whole line, without a line end. Calls never overlap.
    virtual void WriteLine(std::u16string_view line) = 0;
};

// Makes sink (not owned) the log's sink, or the debugger output with nullptr; returns the one it replaces.
ILogSink* SetLogSink(ILogSink* sink) noexcept;
// Goes back to the debugger output when sink is the log's sink (a sink being destroyed calls this).
void RemoveLogSink(const ILogSink* sink) noexcept;

// Installs a sink for a scope and puts the previous one back at its end.
class ScopedLogSink {
public:
    explicit ScopedLogSink(ILogSink& sink) : previous_(SetLogSink(&sink)) {}
    ScopedLogSink(const ScopedLogSink&) = delete;
    ScopedLogSink& operator=(const ScopedLogSink&) = delete;
    ~ScopedLogSink() { SetLogSink(previous_); }

private:
    ILogSink* previous_;
};

}  // namespace platform
