#pragma once

#include <string>
#include <string_view>

// UTF-16 texts of the portable code as the wide strings of the Win32 API (both are UTF-16 on Windows).
namespace platform::win32 {

inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

inline std::u16string FromWide(const wchar_t* text, size_t length) { return std::u16string(text, text + length); }

// The number as decimal text, for log lines.
inline std::u16string DecimalText(unsigned long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace platform::win32
