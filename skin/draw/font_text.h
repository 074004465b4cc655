#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "skin/draw/draw_text_param_types.h"

namespace skin {

// The stored text of a font: "F", 14, [Bold|Italic], — the family in double quotes, the size, the styles
// present (in the order Bold, Italic, Underline, Strikeout) joined by '|' in square brackets, and a final
// comma. The size is written with a '.' as the decimal separator.
std::u16string FormatFontText(std::u16string_view family, float size, TFontStyles style);

// What a font text gives, part by part: a part that cannot be read leaves it and every later part empty.
struct FontTextParts {
    std::optional<std::u16string> family;
    std::optional<float> size;
    std::optional<TFontStyles> style;
};

// Reads a font text. The family is the text between the opening quote and the last '", ' before the size, so
// a family with commas reads back whole; the size must be a finite number above 0 ('.' or ',' as the decimal
// separator); unknown style names are skipped.
FontTextParts ParseFontText(std::u16string_view text);

}  // namespace skin
