#pragma once

#include <exception>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/log.h"
#include "platform/system.h"

namespace skin {

// The skin library's diagnostic log. Every line goes to the debugger output; appending to a daily log file
// ("log" folder beside the executable) is available but off unless IsWriteLog is switched on.
// The process-wide instance is the sink of the program's one log (platform/log.h), so the lines of every layer
// reach its file.
class TBaseLog : public platform::ILogSink {
public:
    // logFileName is the base file name, for example "Tessera.log".
    explicit TBaseLog(std::u16string_view logFileName);
    TBaseLog(const TBaseLog&) = delete;
    TBaseLog& operator=(const TBaseLog&) = delete;
    ~TBaseLog() override;

    // Write lines to the log file.
    bool IsWriteLog = false;
    // Debug also writes to the debugger output.
    bool IsOutputLog = true;

    const std::filesystem::path& LogDir() const { return logDir_; }
    // Moves the log to another folder; a file open in the old folder is closed.
    void SetLogDir(std::filesystem::path dir);
    const std::u16string& LogFileName() const { return logFileName_; }
    // The file currently written (the base name until the first write picks the day's file).
    const std::filesystem::path& LogFilePath() const { return logFilePath_; }
    bool IsFileOpen() const { return file_.IsOpen(); }

    // Passes the text to the debugger output; errors there are swallowed.
    virtual void OutputDebugString(std::u16string_view text);
    // Appends the text, in the system's ANSI code page and without anything added, to the day's log file when
    // IsWriteLog is on and the file can be made ready.
    void WriteLog(std::u16string_view text);
    // The line to the file (with CR LF) when IsWriteLog, and to the debugger output when IsOutputLog.
    void Debug(std::u16string_view text);
    // Formats "<time> [Exception:<message>] Unit:<unit> Method:<method> Pos:<position>" and passes it to Debug.
    void HandleException(const std::exception* exception, std::u16string_view methodName, std::u16string_view unitName,
                         std::u16string_view position);
    // Formats "<time> [Exception:<message>] Method:<method>" and passes it to Debug.
    void HandleException(const std::exception* exception, std::u16string_view methodName);

    // As the program's log sink: the line to the debugger output (whatever IsOutputLog says) and, with CR LF,
    // to the file when IsWriteLog.
    void WriteLine(std::u16string_view line) override;

protected:
    // The current local time; tests replace it to move across midnight.
    virtual platform::LocalDateTime Now() const;

private:
    bool MakeFileReady();

    std::filesystem::path logDir_;
    std::u16string logFileName_;
    std::filesystem::path logFilePath_;
    platform::OutputFile file_;
    // The setup sequences log from pool threads while the window logs from the main thread: one writer at a time.
    std::mutex fileMutex_;
    // Date ("YYYY-MM-DD") of the moment the file was opened or created; empty while none was.
    std::string fileOpenDate_;
};

// "YYYY-MM-DD HH:MM:SS:ZZZ", the time stamp of exception lines.
std::u16string FormatLogTime(const platform::LocalDateTime& time);

// The process-wide log ("Tessera.log"), created on first use; it then becomes the program log's sink.
TBaseLog& GetGlobalLog();

// A line, as it is, to the program's log: with the global log as its sink, to the debugger output (whatever
// IsOutputLog says) and, when IsWriteLog, to the log file.
void DebugLog(std::u16string_view text);

// Logs a failure of a library step: category such as "TesseraControl", unitName the source unit, position
// prefix and position describe the step. The line names the unit as the method and the category as the unit.
void HandleException(const std::exception* exception, std::u16string_view category, std::u16string_view unitName,
                     std::u16string_view positionPrefix, std::u16string_view position);
void HandleException(const std::exception* exception, std::u16string_view methodName);
void HandleException(std::u16string_view methodName, const std::exception* exception);

}  // namespace skin
