#pragma once

#include <cstdint>

#include "skin/core/skin_enum.h"
#include "ui/enum_set.h"

namespace skin {

SKIN_ENUM(TDRPBrushKind, drpbkNone, drpbkFill, drpbkGradient);

SKIN_ENUM(TDRPBorderEadge, beLeft, beTop, beRight, beBottom);
using TDRPBorderEadges = ui::EnumSet<TDRPBorderEadge>;

SKIN_ENUM(TDRPRectCorner, rcTopLeft, rcTopRight, rcBottomLeft, rcBottomRight);
using TDRPRectCorners = ui::EnumSet<TDRPRectCorner>;

SKIN_ENUM(TDRPLinePosition, lpLeft, lpTop, lpRight, lpBottom);

// The changes a rectangle parameter's effect can make besides the common ones.
SKIN_ENUM(TDRPEffectType, drpetFillColorChange, drpetIsFillChange, drpetBorderWidthChange, drpetBorderColorChange);
using TDRPEffectTypes = ui::EnumSet<TDRPEffectType>;

SKIN_ENUM(TColorChangeType, cctNone, cctBrightness, cctDarkness);

inline constexpr TDRPBorderEadges kAllBorderEadges{TDRPBorderEadge::beLeft, TDRPBorderEadge::beTop,
                                                   TDRPBorderEadge::beRight, TDRPBorderEadge::beBottom};
inline constexpr TDRPRectCorners kAllRectCorners{TDRPRectCorner::rcTopLeft, TDRPRectCorner::rcTopRight,
                                                 TDRPRectCorner::rcBottomLeft, TDRPRectCorner::rcBottomRight};

}  // namespace skin
