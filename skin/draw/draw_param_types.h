#pragma once

#include <cstdint>

#include "skin/core/skin_enum.h"
#include "ui/enum_set.h"

namespace skin {

// Whether a drawing rectangle setting counts in pixels or in percent of the control rectangle.
SKIN_ENUM(TDPSizeType, dpstPixel, dpstPercent);

SKIN_ENUM(TDPPositionHorzType, dpphtNone, dpphtLeft, dpphtCenter, dpphtRight);

SKIN_ENUM(TDPPositionVertType, dppvtNone, dppvtTop, dppvtCenter, dppvtBottom);

SKIN_ENUM(TSkinAlign, salLeading, salCenter, salTrailing);

// The control states a drawing parameter is drawn for.
SKIN_ENUM(TDPEffectState, dpstMouseDown, dpstMouseOver, dpstPushed, dpstFocused, dpstDisabled);
using TDPEffectStates = ui::EnumSet<TDPEffectState>;

// The changes every per-state effect can make.
SKIN_ENUM(TDPCommonEffectType, dpcetOffsetChange, dpcetAlphaChange);
using TDPCommonEffectTypes = ui::EnumSet<TDPCommonEffectType>;

// The process-wide theme colour a colour follows (ctNone: its own colour).
SKIN_ENUM(TUseThemeColorType, ctNone, ctThemeColor, ctThemeColor1, ctNavigationBarColor, ctNavigationBarFontColor,
          ctThemeColor2, ctThemeColor3);

}  // namespace skin
