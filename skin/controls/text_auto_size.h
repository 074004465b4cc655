#pragma once

#include <string_view>

#include "skin/draw/draw_canvas.h"
#include "ui/geometry.h"

namespace skin {

class TBaseDrawTextParam;

// The size text takes with param (the process-wide default text parameter when nullptr), measured outside a
// paint on the process-wide buffer bitmap: free in width unless the parameter wraps words, then free in
// height. An empty text, or any failure (logged), measures (0, 0).
TTextDrawSize GetStringSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam* param);

// The automatic size of a caption in a control of rect's size: the measured text, the parameter's size
// adjustments and, when its rectangle setting is enabled, its margins; without word wrap the height stays
// rect's height.
TTextDrawSize CalcCaptionAutoSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam& param);

}  // namespace skin
