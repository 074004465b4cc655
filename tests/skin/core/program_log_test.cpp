// The program's one log (platform/log.h) with the skin library's log as its sink: what every layer writes
// reaches the skin log's daily file in one format.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/log.h"
#include "skin/core/base_log.h"
#include "tests/skin/core/global_log_file.h"
#include "ui/float_animation.h"
#include "ui/text.h"

namespace skin {
namespace {

class RecordingSink : public platform::ILogSink {
public:
    void WriteLine(std::u16string_view line) override { lines.emplace_back(line); }
    std::vector<std::u16string> lines;
};

TEST(ProgramLogTest, LinesOfEveryLayerReachTheDaysFile) {
    const GlobalLogFile file("velnix-program-log");
    const struct {
        const char* layer;
        std::function<void()> write;
        std::string line;
    } cases[] = {
        {"window framework",
         [] {
             ui::FloatAnimation fade;
             fade.SetName(u"Fade");
             fade.SetDuration(0);
             fade.Start();
         },
         "Animation: TFloatAnimation Fade has no parent to animate"},
        {"drawing services", [] { platform::Log(u"Graphics", u"ID2D1RenderTarget::EndDraw failed (0x88990001)"); },
         "Graphics: ID2D1RenderTarget::EndDraw failed (0x88990001)"},
        {"window host", [] { platform::Log(u"Window", u"UpdateLayeredWindow failed"); },
         "Window: UpdateLayeredWindow failed"},
        {"setup sequences", [] { platform::LogLine(u"Setup: uninstalling C:\\Velnix\\"); },
         "Setup: uninstalling C:\\Velnix\\"},
        {"skin library", [] { DebugLog(u"TBaseDrawPicture.DoChange DoChangeing"); },
         "TBaseDrawPicture.DoChange DoChangeing"},
    };
    for (const auto& c : cases) c.write();
    const std::runtime_error error("bad");
    HandleException(&error, u"TesseraControl", u"uSkinFireMonkeyControl", u"Button1 TSkinButton ", u"inherited");

    const std::vector<std::string> lines = file.Lines();
    ASSERT_EQ(lines.size(), std::size(cases) + 1);
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(lines[i], cases[i].line) << cases[i].layer;
    // The skin's exception lines keep their own fixed form, time first.
    const std::string exception =
        " Exception:bad Unit:TesseraControl Method:uSkinFireMonkeyControl Pos:Button1 TSkinButton inherited";
    EXPECT_EQ(lines.back().size(), 23 + exception.size()) << lines.back();
    EXPECT_TRUE(lines.back().ends_with(exception)) << lines.back();
}

TEST(ProgramLogTest, LinesFromSeveralLayersAndThreadsStayWhole) {
    const GlobalLogFile file("velnix-program-log-threads");
    constexpr int kThreads = 4;
    constexpr int kLines = 400;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([t] {
            for (int n = 0; n < kLines; ++n) {
                const std::u16string text =
                    ui::Utf8ToUtf16("thread " + std::to_string(t) + " line " + std::to_string(n) + " .....");
                // The window layer through the log, the skin library through its own helper.
                if (n % 2 == 0) {
                    platform::Log(u"Window", text);
                } else {
                    DebugLog(text);
                }
            }
        });
    }
    for (std::thread& writer : writers) writer.join();

    std::vector<int> next(kThreads, 0);
    int count = 0;
    for (const std::string& line : file.Lines()) {
        int t = -1, n = -1;
        char dots[8] = {};
        const bool window = line.starts_with("Window: ");
        ASSERT_EQ(std::sscanf(line.c_str() + (window ? 8 : 0), "thread %d line %d %5s", &t, &n, dots), 3) << line;
        ASSERT_TRUE(t >= 0 && t < kThreads) << line;
        EXPECT_EQ(n, next[t]++) << line;  // each thread's lines whole and in order
        EXPECT_EQ(window, n % 2 == 0) << line;
        EXPECT_STREQ(dots, ".....");
        ++count;
    }
    EXPECT_EQ(count, kThreads * kLines);
}

// A sink that writes to the log itself must not wait for the line it is writing: that line goes to the
// debugger output instead.
TEST(ProgramLogTest, ASinkThatLogsDoesNotWaitForItself) {
    class EchoingSink : public RecordingSink {
    public:
        void WriteLine(std::u16string_view line) override {
            RecordingSink::WriteLine(line);
            platform::Log(u"Echo", line);
        }
    };
    EchoingSink sink;
#ifndef _WIN32
    ::testing::internal::CaptureStderr();
#endif
    {
        const platform::ScopedLogSink scope(sink);
        platform::Log(u"Window", u"first");
    }
    EXPECT_EQ(sink.lines, std::vector<std::u16string>{u"Window: first"});
#ifndef _WIN32
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Echo: Window: first\n"), std::string::npos);
#endif
}

TEST(ProgramLogTest, ASinkReceivesLinesForItsScopeOnly) {
    GetGlobalLog();  // plugged in before the scope, so the scope gives it back
    const GlobalLogFile file("velnix-program-log-scope");
    RecordingSink sink;
    {
        const platform::ScopedLogSink scope(sink);
        platform::Log(u"Graphics", u"inside");
        DebugLog(u"skin inside");
    }
    platform::Log(u"Graphics", u"after");
    EXPECT_EQ(sink.lines, (std::vector<std::u16string>{u"Graphics: inside", u"skin inside"}));
    EXPECT_EQ(file.Lines(), std::vector<std::string>{"Graphics: after"});
}

// A log destroyed while it is the sink takes itself out; later lines go to the debugger output, not to freed
// memory.
TEST(ProgramLogTest, ADestroyedSinkLeavesTheLog) {
    platform::ILogSink* const previous = platform::SetLogSink(nullptr);
    {
        TBaseLog shortLived(u"ShortLived.log");
        platform::SetLogSink(&shortLived);
        platform::Log(u"Window", u"while it lives");
    }
    platform::Log(u"Window", u"after it has gone");
    EXPECT_EQ(platform::SetLogSink(previous), nullptr);
}

}  // namespace
}  // namespace skin
