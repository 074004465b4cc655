#pragma once

#include <string_view>

#include "skin/draw/draw_canvas.h"
#include "ui/geometry.h"

namespace skin {

class TBaseDrawTextParam;

// The size text takes when drawn with param (the process-wide default text parameter when nullptr) in rect,
// measured outside a paint on the process-wide buffer bitmap: unlimited in width for a text that does not
// wrap, unlimited in height for one that does. An empty text measures 0 x 0; so does any failure, which is
// logged.
TTextDrawSize GetStringSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam* param);

// The size a control takes for its text (automatic size): the measured size plus the parameter's size
// adjustments and, when its rectangle setting is enabled, its margins; a text that does not wrap keeps
// rect's height.
TTextDrawSize GetAutoSizeTextSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam& param);

}  // namespace skin
