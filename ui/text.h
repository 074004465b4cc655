#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts are UTF-16 throughout (std::u16string), as Windows and the stored formats have them; UTF-8 appears
// only at the edges (exception messages, the host's console).
namespace ui {

// Converts UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// Converts UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Appends the code point (below 0x110000) to the text in UTF-8.
void AppendUtf8(std::string& out, char32_t cp);
// The text without leading and trailing blanks (every code unit up to and including U+0020).
std::u16string_view TrimBlanks(std::u16string_view text);
// The first at most maxLength code units of text.
std::u16string_view CutText(std::u16string_view text, size_t maxLength);
// Whether the texts are equal when ASCII letters are compared without regard to case (names of classes,
// components and properties compare this way).
bool SameText(std::u16string_view a, std::u16string_view b);

// The value of a whole decimal number text: an optional '-', digits with an optional '.' among or after them
// ("12", "-0.5", "3.", ".25") and an optional exponent ("1e-3", "2E+8"), correctly rounded. nullopt for any other
// text (blanks, '+', hexadecimal, "inf", "nan") and for a value too large for the type.
std::optional<double> ParseDecimal(std::string_view text);
std::optional<float> ParseDecimalFloat(std::string_view text);

}  // namespace ui
