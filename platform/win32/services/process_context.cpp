#include "platform/win32/services/process_context.h"

#include <windows.h>
#include <shellapi.h>

#include "app/local_unix_seconds.h"
#include "platform/system.h"
#include "platform/win32/services/main_thread_invoker.h"
#include "platform/win32/services/process_end.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

// How long a pool thread that asked the main thread to end the process lets it take.
constexpr DWORD kMainThreadEndMilliseconds = 2000;

}  // namespace

std::u16string Win32ProcessContext::ExecutablePath() { return platform::ExecutablePath().u16string(); }

std::u16string Win32ProcessContext::FirstArgument() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return {};
    std::u16string first = count > 1 ? FromWide(arguments[1], wcslen(arguments[1])) : std::u16string();
    LocalFree(arguments);
    return first;
}

std::u16string Win32ProcessContext::CommandLine() {
    const wchar_t* line = GetCommandLineW();
    return line ? FromWide(line, wcslen(line)) : std::u16string();
}

std::u16string Win32ProcessContext::LowerCase(std::u16string_view text) {
    if (text.empty()) return {};
    std::wstring source = Wide(text);
    wchar_t locale[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetSystemDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH) > 0) {
        const int length = LCMapStringEx(locale, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, source.c_str(),
                                         static_cast<int>(source.size()), nullptr, 0, nullptr, nullptr, 0);
        if (length > 0) {
            std::wstring lower(static_cast<size_t>(length), L'\0');
            LCMapStringEx(locale, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, source.c_str(),
                          static_cast<int>(source.size()), lower.data(), length, nullptr, nullptr, 0);
            return FromWide(lower);
        }
    }
    CharLowerBuffW(source.data(), static_cast<DWORD>(source.size()));
    return FromWide(source);
}

int64_t Win32ProcessContext::LocalUnixSeconds() { return app::LocalUnixSeconds(); }

void Win32ProcessContext::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

std::optional<std::string> Win32ProcessContext::ToConsoleCodePage(std::u16string_view text) {
    if (text.empty()) return std::string();
    const std::wstring wide = Wide(text);
    // A new console starts in the OEM code page, and the command interpreter reads batch files with it.
    const UINT codePage = GetOEMCP();
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), bytes.data(), size,
                        nullptr, &lossy);
    if (lossy) return std::nullopt;
    return bytes;
}

void Win32ProcessContext::EndProcess(uint32_t exitCode) {
    log_.Log(u"Setup: process ends with exit code " + DecimalText(exitCode));
    // Ended from a pool thread, the process would kill the main thread and the drawing threads in the middle of
    // a frame, and Wine then crashes on the way out now and then. The main thread ends it between two messages
    // instead; should it not come round to it, this thread ends it.
    if (endThrough_ != nullptr && !endThrough_->OnInvokerThread() && endThrough_->PostEndProcess(exitCode)) {
        ::Sleep(kMainThreadEndMilliseconds);
        log_.Log(u"Setup: the main thread did not end the process in time");
    }
    EndProcessNow(exitCode);
}

}  // namespace platform::win32
