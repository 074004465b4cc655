#include "skin/core/base_log.h"

#include <cstdio>
#include <system_error>

#include "ui/text.h"

namespace skin {

namespace {

std::string FormatDate(const platform::LocalDateTime& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
    return text;
}

std::u16string ExceptionText(const std::exception* exception) {
    if (exception == nullptr) return {};
    return u"Exception:" + ui::Utf8ToUtf16(exception->what());
}

}  // namespace

std::u16string FormatLogTime(const platform::LocalDateTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d:%03d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second, time.millisecond);
    return ui::Utf8ToUtf16(text);
}

TBaseLog::TBaseLog(std::u16string_view logFileName)
    : logDir_(platform::ExecutablePath().parent_path() / "log"),
      logFileName_(logFileName),
      logFilePath_(logDir_ / std::filesystem::path(logFileName_)) {}

TBaseLog::~TBaseLog() { platform::RemoveLogSink(this); }

void TBaseLog::SetLogDir(std::filesystem::path dir) {
    const std::lock_guard lock(fileMutex_);
    file_.Close();
    fileOpenDate_.clear();
    logDir_ = std::move(dir);
    logFilePath_ = logDir_ / std::filesystem::path(logFileName_);
}

platform::LocalDateTime TBaseLog::Now() const { return platform::LocalNow(); }

void TBaseLog::OutputDebugString(std::u16string_view text) { platform::OutputDebugText(text); }

bool TBaseLog::MakeFileReady() {
    const std::string today = FormatDate(Now());
    if (fileOpenDate_ != today) {
        // "Tessera.log" becomes "Tessera 2026-12-10.log".
        std::u16string name = logFileName_;
        const size_t stem = name.size() >= 4 ? name.size() - 4 : 0;
        name = name.substr(0, stem) + u" " + ui::Utf8ToUtf16(today) + name.substr(stem);
        logFilePath_ = logDir_ / std::filesystem::path(name);
    }

    if (!platform::PathExists(logFilePath_)) {
        file_.Close();
        platform::CreateFolders(logDir_);
        if (file_.Open(logFilePath_, platform::OutputFile::Mode::Truncate)) fileOpenDate_ = today;
    } else if (!file_.IsOpen()) {
        platform::CreateFolders(logDir_);
        if (file_.Open(logFilePath_, platform::OutputFile::Mode::Append)) fileOpenDate_ = today;
    }
    // Every write goes to the file's end, wherever another writer left it.
    return file_.IsOpen();
}

void TBaseLog::WriteLog(std::u16string_view text) {
    if (!IsWriteLog) return;
    const std::lock_guard lock(fileMutex_);
    try {
        if (!MakeFileReady()) return;
        const std::string bytes = platform::ToAnsiCodePage(text);
        // A failed write loses this text only; the next write tries again.
        if (!file_.Write(std::as_bytes(std::span(bytes)))) {
            platform::OutputDebugText(u"cannot write to the log file " + logFilePath_.u16string());
        }
    } catch (...) {
        // The log file is best effort; the debugger output still gets every line.
    }
}

void TBaseLog::Debug(std::u16string_view text) {
    if (IsWriteLog) WriteLog(std::u16string(text) + u"\r\n");
    if (IsOutputLog) OutputDebugString(text);
}

void TBaseLog::HandleException(const std::exception* exception, std::u16string_view methodName,
                               std::u16string_view unitName, std::u16string_view position) {
    std::u16string line = ExceptionText(exception);
    line.append(u" Unit:").append(unitName);
    line.append(u" Method:").append(methodName);
    line.append(u" Pos:").append(position);
    Debug(FormatLogTime(Now()) + u" " + line);
}

void TBaseLog::HandleException(const std::exception* exception, std::u16string_view methodName) {
    std::u16string line = ExceptionText(exception);
    line.append(u" Method:").append(methodName);
    Debug(FormatLogTime(Now()) + u" " + line);
}

void TBaseLog::WriteLine(std::u16string_view line) {
    OutputDebugString(line);
    if (IsWriteLog) WriteLog(std::u16string(line) + u"\r\n");
}

TBaseLog& GetGlobalLog() {
    static TBaseLog& log = []() -> TBaseLog& {
        static TBaseLog instance(u"Tessera.log");
        platform::SetLogSink(&instance);
        return instance;
    }();
    return log;
}

void DebugLog(std::u16string_view text) {
    GetGlobalLog();
    platform::LogLine(text);
}

void HandleException(const std::exception* exception, std::u16string_view category, std::u16string_view unitName,
                     std::u16string_view positionPrefix, std::u16string_view position) {
    GetGlobalLog().HandleException(exception, unitName, category,
                                   std::u16string(positionPrefix) + std::u16string(position));
}

void HandleException(const std::exception* exception, std::u16string_view methodName) {
    GetGlobalLog().HandleException(exception, methodName);
}

void HandleException(std::u16string_view methodName, const std::exception* exception) {
    GetGlobalLog().HandleException(exception, methodName);
}

}  // namespace skin
