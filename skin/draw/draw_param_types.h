#pragma once

#include <cstdint>

#include "skin/draw/enum_count.h"
#include "ui/enum_set.h"

namespace skin {

// Whether a drawing rectangle setting counts in pixels or in percent of the control rectangle.
enum class TDPSizeType : uint8_t { dpstPixel, dpstPercent };
SKIN_ENUM_COUNT(TDPSizeType, 2);

enum class TDPPositionHorzType : uint8_t { dpphtNone, dpphtLeft, dpphtCenter, dpphtRight };
SKIN_ENUM_COUNT(TDPPositionHorzType, 4);

enum class TDPPositionVertType : uint8_t { dppvtNone, dppvtTop, dppvtCenter, dppvtBottom };
SKIN_ENUM_COUNT(TDPPositionVertType, 4);

enum class TSkinAlign : uint8_t { salLeading, salCenter, salTrailing };
SKIN_ENUM_COUNT(TSkinAlign, 3);

// The control states a drawing parameter is drawn for.
enum class TDPEffectState : uint8_t { dpstMouseDown, dpstMouseOver, dpstPushed, dpstFocused, dpstDisabled };
SKIN_ENUM_COUNT(TDPEffectState, 5);
using TDPEffectStates = ui::EnumSet<TDPEffectState>;

// The changes every per-state effect can make.
enum class TDPCommonEffectType : uint8_t { dpcetOffsetChange, dpcetAlphaChange };
SKIN_ENUM_COUNT(TDPCommonEffectType, 2);
using TDPCommonEffectTypes = ui::EnumSet<TDPCommonEffectType>;

// The process-wide theme colour a colour follows (ctNone: its own colour).
enum class TUseThemeColorType : uint8_t {
    ctNone,
    ctThemeColor,
    ctThemeColor1,
    ctNavigationBarColor,
    ctNavigationBarFontColor,
    ctThemeColor2,
    ctThemeColor3,
};
SKIN_ENUM_COUNT(TUseThemeColorType, 7);

}  // namespace skin
