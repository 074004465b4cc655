#pragma once

#include <cstdint>

#include "skin/draw/enum_count.h"
#include "ui/enum_set.h"

namespace skin {

enum class TFontHorzAlign : uint8_t { fhaLeft, fhaCenter, fhaRight };
SKIN_ENUM_COUNT(TFontHorzAlign, 3);

enum class TFontVertAlign : uint8_t { fvaTop, fvaCenter, fvaBottom };
SKIN_ENUM_COUNT(TFontVertAlign, 3);

enum class TFontTrimmingType : uint8_t { fttNone, fttCharacter, fftWord };
SKIN_ENUM_COUNT(TFontTrimmingType, 3);

// The changes a text parameter's effect can make besides the common ones.
enum class TDTPEffectType : uint8_t { dtpetFontColorChange, dtpetFontSizeChange, dtpetFontStyleChange };
SKIN_ENUM_COUNT(TDTPEffectType, 3);
using TDTPEffectTypes = ui::EnumSet<TDTPEffectType>;

// Font styles; bit n of the set is the platform's font style flag of ordinal n (ui::FontStyle).
enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
SKIN_ENUM_COUNT(TFontStyle, 4);
using TFontStyles = ui::EnumSet<TFontStyle>;

}  // namespace skin
