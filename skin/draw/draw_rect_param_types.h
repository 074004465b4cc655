#pragma once

#include <cstdint>

#include "skin/draw/enum_count.h"
#include "ui/enum_set.h"

namespace skin {

enum class TDRPBrushKind : uint8_t { drpbkNone, drpbkFill, drpbkGradient };
SKIN_ENUM_COUNT(TDRPBrushKind, 3);

enum class TDRPBorderEadge : uint8_t { beLeft, beTop, beRight, beBottom };
SKIN_ENUM_COUNT(TDRPBorderEadge, 4);
using TDRPBorderEadges = ui::EnumSet<TDRPBorderEadge>;

enum class TDRPRectCorner : uint8_t { rcTopLeft, rcTopRight, rcBottomLeft, rcBottomRight };
SKIN_ENUM_COUNT(TDRPRectCorner, 4);
using TDRPRectCorners = ui::EnumSet<TDRPRectCorner>;

enum class TDRPLinePosition : uint8_t { lpLeft, lpTop, lpRight, lpBottom };
SKIN_ENUM_COUNT(TDRPLinePosition, 4);

// The changes a rectangle parameter's effect can make besides the common ones.
enum class TDRPEffectType : uint8_t {
    drpetFillColorChange,
    drpetIsFillChange,
    drpetBorderWidthChange,
    drpetBorderColorChange,
};
SKIN_ENUM_COUNT(TDRPEffectType, 4);
using TDRPEffectTypes = ui::EnumSet<TDRPEffectType>;

enum class TColorChangeType : uint8_t { cctNone, cctBrightness, cctDarkness };
SKIN_ENUM_COUNT(TColorChangeType, 3);

inline constexpr TDRPBorderEadges kAllBorderEadges{TDRPBorderEadge::beLeft, TDRPBorderEadge::beTop,
                                                   TDRPBorderEadge::beRight, TDRPBorderEadge::beBottom};
inline constexpr TDRPRectCorners kAllRectCorners{TDRPRectCorner::rcTopLeft, TDRPRectCorner::rcTopRight,
                                                 TDRPRectCorner::rcBottomLeft, TDRPRectCorner::rcBottomRight};

}  // namespace skin
