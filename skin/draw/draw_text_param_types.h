#pragma once

#include <cstdint>

#include "skin/core/skin_enum.h"
#include "ui/enum_set.h"

namespace skin {

SKIN_ENUM(TFontHorzAlign, fhaLeft, fhaCenter, fhaRight);

SKIN_ENUM(TFontVertAlign, fvaTop, fvaCenter, fvaBottom);

SKIN_ENUM(TFontTrimmingType, fttNone, fttCharacter, fftWord);

// The changes a text parameter's effect can make besides the common ones.
SKIN_ENUM(TDTPEffectType, dtpetFontColorChange, dtpetFontSizeChange, dtpetFontStyleChange);
using TDTPEffectTypes = ui::EnumSet<TDTPEffectType>;

// Font styles; bit n of the set is the platform's font style flag of ordinal n (ui::FontStyle).
SKIN_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut);
using TFontStyles = ui::EnumSet<TFontStyle>;

}  // namespace skin
