#include "skin/core/base_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ui/text.h"

namespace skin {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// A log with a settable clock that records what reaches the debugger output.
class TestLog : public TBaseLog {
public:
    explicit TestLog(const fs::path& dir) : TBaseLog(u"Tessera.log") { SetLogDir(dir); }

    platform::LocalDateTime now{2026, 12, 9, 23, 59, 58, 7};
    std::vector<std::u16string> debuggerLines;

    void OutputDebugString(std::u16string_view text) override { debuggerLines.emplace_back(text); }

protected:
    platform::LocalDateTime Now() const override { return now; }
};

class BaseLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velnix-log-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_F(BaseLogTest, WritesNothingToDiskUntilSwitchedOn) {
    TestLog log(dir_ / "log");
    log.Debug(u"first");
    log.WriteLog(u"second");
    log.HandleException(nullptr, u"Method");

    EXPECT_FALSE(fs::exists(dir_ / "log"));
    EXPECT_FALSE(log.IsFileOpen());
    ASSERT_EQ(log.debuggerLines.size(), 2u);
    EXPECT_EQ(log.debuggerLines[0], u"first");
}

TEST_F(BaseLogTest, WritesTheDaysFileCreatingTheFolder) {
    TestLog log(dir_ / "deep" / "log");
    log.IsWriteLog = true;
    log.Debug(u"line one");
    log.WriteLog(u"raw");
    log.Debug(u"line two");

    const fs::path expected = dir_ / "deep" / "log" / "Tessera 2026-12-09.log";
    EXPECT_EQ(log.LogFilePath(), expected);
    EXPECT_EQ(ReadFile(expected), "line one\r\nrawline two\r\n");
    EXPECT_EQ(log.debuggerLines.size(), 2u);
}

TEST_F(BaseLogTest, AppendsToAnExistingFileOfTheDay) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "Tessera 2026-12-09.log", std::ios::binary) << "earlier\r\n";
    TestLog log(dir_);
    log.IsWriteLog = true;
    log.Debug(u"later");
    EXPECT_EQ(ReadFile(dir_ / "Tessera 2026-12-09.log"), "earlier\r\nlater\r\n");
}

TEST_F(BaseLogTest, MovesToANewFileWhenTheDayChanges) {
    TestLog log(dir_);
    log.IsWriteLog = true;
    log.Debug(u"before midnight");
    log.now = {2026, 12, 10, 0, 0, 1, 0};
    log.Debug(u"after midnight");

    EXPECT_EQ(ReadFile(dir_ / "Tessera 2026-12-09.log"), "before midnight\r\n");
    EXPECT_EQ(ReadFile(dir_ / "Tessera 2026-12-10.log"), "after midnight\r\n");
}

TEST_F(BaseLogTest, KeepsWritingTheOpenFileWhenTheNewDaysFileAlreadyExists) {
    TestLog log(dir_);
    log.IsWriteLog = true;
    log.Debug(u"day one");
    std::ofstream(dir_ / "Tessera 2026-12-10.log", std::ios::binary) << "someone else\r\n";
    log.now = {2026, 12, 10, 0, 0, 1, 0};
    log.Debug(u"day two");

    EXPECT_EQ(ReadFile(dir_ / "Tessera 2026-12-09.log"), "day one\r\nday two\r\n");
    EXPECT_EQ(ReadFile(dir_ / "Tessera 2026-12-10.log"), "someone else\r\n");
}

TEST_F(BaseLogTest, LinesFromSeveralThreadsReachTheFileWhole) {
    TestLog log(dir_ / "log");
    log.IsWriteLog = true;
    log.IsOutputLog = false;
    constexpr int kThreads = 4;
    constexpr int kLines = 1500;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&log, t] {
            for (int n = 0; n < kLines; ++n) {
                log.Debug(ui::Utf8ToUtf16("thread " + std::to_string(t) + " line " + std::to_string(n) + " ....."));
            }
        });
    }
    for (std::thread& writer : writers) writer.join();

    std::istringstream lines(ReadFile(log.LogFilePath()));
    std::vector<int> next(kThreads, 0);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        int t = -1, n = -1;
        char dots[8] = {};
        ASSERT_EQ(std::sscanf(line.c_str(), "thread %d line %d %5s\r", &t, &n, dots), 3) << line;
        ASSERT_TRUE(t >= 0 && t < kThreads) << line;
        EXPECT_EQ(n, next[t]++) << line;  // each thread's lines whole and in order
        EXPECT_STREQ(dots, ".....");
        ++count;
    }
    EXPECT_EQ(count, kThreads * kLines);
}

TEST_F(BaseLogTest, DebugWithoutOutputLogWritesOnlyTheFile) {
    TestLog log(dir_);
    log.IsWriteLog = true;
    log.IsOutputLog = false;
    log.Debug(u"file only");
    EXPECT_TRUE(log.debuggerLines.empty());
    EXPECT_EQ(ReadFile(dir_ / "Tessera 2026-12-09.log"), "file only\r\n");
}

TEST_F(BaseLogTest, AFileThatCannotBeCreatedLosesOnlyTheFileLine) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "blocker") << "a file where the folder should be";
    TestLog log(dir_ / "blocker" / "log");
    log.IsWriteLog = true;
    log.Debug(u"still reported");
    EXPECT_FALSE(log.IsFileOpen());
    ASSERT_EQ(log.debuggerLines.size(), 1u);
    EXPECT_EQ(log.debuggerLines[0], u"still reported");
}

TEST_F(BaseLogTest, FormatsExceptionLines) {
    TestLog log(dir_);
    const std::runtime_error error("boom");
    struct Case {
        const std::exception* exception;
        bool full;
        std::u16string expected;
    };
    const Case cases[] = {
        {nullptr, true, u"2026-12-09 23:59:58:007  Unit:U Method:M Pos:P"},
        {&error, true, u"2026-12-09 23:59:58:007 Exception:boom Unit:U Method:M Pos:P"},
        {nullptr, false, u"2026-12-09 23:59:58:007  Method:M"},
        {&error, false, u"2026-12-09 23:59:58:007 Exception:boom Method:M"},
    };
    for (const Case& c : cases) {
        log.debuggerLines.clear();
        if (c.full) {
            log.HandleException(c.exception, u"M", u"U", u"P");
        } else {
            log.HandleException(c.exception, u"M");
        }
        ASSERT_EQ(log.debuggerLines.size(), 1u);
        EXPECT_EQ(log.debuggerLines[0], c.expected);
    }
}

TEST(GlobalLogTest, LivesBesideTheExecutableAndIsOffByDefault) {
    TBaseLog& log = GetGlobalLog();
    EXPECT_EQ(&log, &GetGlobalLog());
    EXPECT_EQ(log.LogFileName(), u"Tessera.log");
    EXPECT_EQ(log.LogDir(), platform::ExecutablePath().parent_path() / "log");
    EXPECT_FALSE(log.IsWriteLog);
    EXPECT_TRUE(log.IsOutputLog);
}

// A log switched on writes the day's file into the folder "log" beside the executable.
TEST(GlobalLogTest, WritesBesideTheExecutableWhenSwitchedOn) {
    const fs::path dir = platform::ExecutablePath().parent_path() / "log";
    const bool dirExisted = fs::exists(dir);
    const platform::LocalDateTime today = platform::LocalNow();
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", today.year, today.month, today.day);
    const fs::path file = dir / (std::string("VelnixLogTest ") + date + ".log");
    {
        TBaseLog log(u"VelnixLogTest.log");
        log.IsWriteLog = true;
        log.Debug(u"hello");
        EXPECT_EQ(log.LogFilePath(), file);
    }
    EXPECT_EQ(ReadFile(file), "hello\r\n");
    fs::remove(file);
    if (!dirExisted) fs::remove(dir);
}

// The process-wide helpers, observed through the global log's file.
TEST(GlobalLogTest, HelpersWriteThroughTheGlobalLog) {
    const fs::path dir = fs::temp_directory_path() / "velnix-global-log";
    fs::remove_all(dir);
    TBaseLog& log = GetGlobalLog();
    const fs::path oldDir = log.LogDir();
    log.SetLogDir(dir);
    log.IsWriteLog = true;

    const std::runtime_error error("bad");
    DebugLog(u"plain line");
    HandleException(&error, u"TesseraControl", u"uSkinFireMonkeyControl", u"Button1 TSkinButton ",
                    u"FreeAndNil(FProperties);");
    HandleException(u"TBaseList.Delete", nullptr);

    const fs::path file = log.LogFilePath();
    log.IsWriteLog = false;
    log.SetLogDir(oldDir);
    const std::string content = ReadFile(file);
    fs::remove_all(dir);

    EXPECT_EQ(content.find("plain line\r\n"), 0u) << content;
    EXPECT_NE(content.find(" Exception:bad Unit:TesseraControl Method:uSkinFireMonkeyControl "
                           "Pos:Button1 TSkinButton FreeAndNil(FProperties);\r\n"),
              std::string::npos)
        << content;
    EXPECT_NE(content.find("  Method:TBaseList.Delete\r\n"), std::string::npos) << content;
}

#ifndef _WIN32
// On the host the debugger output is standard error; DebugLog uses it even when IsOutputLog is off.
TEST(GlobalLogTest, DebugLogAlwaysReachesTheDebuggerOutput) {
    TBaseLog& log = GetGlobalLog();
    log.IsOutputLog = false;
    ::testing::internal::CaptureStderr();
    DebugLog(u"visible line");
    HandleException(nullptr, u"method");
    const std::string output = ::testing::internal::GetCapturedStderr();
    log.IsOutputLog = true;
    EXPECT_NE(output.find("visible line\n"), std::string::npos);
    EXPECT_EQ(output.find("Method:"), std::string::npos) << "Debug must respect IsOutputLog";
}
#endif

}  // namespace
}  // namespace skin
