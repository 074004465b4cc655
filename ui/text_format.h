#pragma once

#include <string>

namespace ui {

enum class TextAlign { Leading, Center, Trailing };
enum class TextTrimming { None, Character, Word };
// Whether a text breaks into lines at word boundaries to fit its width.
enum class TextWrap { None, Word };

// Font style flags.
enum FontStyle : unsigned { fsNone = 0, fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct Font {
    std::u16string family;
    float size = 12;
    unsigned style = fsNone;
};

}  // namespace ui
