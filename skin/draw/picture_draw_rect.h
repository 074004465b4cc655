#pragma once

#include "skin/draw/draw_picture_param.h"
#include "ui/geometry.h"

namespace skin {

// Where a picture of width x height pixels goes inside the container by the parameter's IsStretch, IsAutoFit,
// Scale and alignment:
// - IsStretch and IsAutoFit: fitted keeping its aspect ratio, enlarged if needed, then scaled and aligned;
// - IsStretch alone: the container's top-left corner, the container's size times Scale (no alignment);
// - IsAutoFit alone: shrunk to fit keeping its aspect ratio when larger than the container (never enlarged),
//   then scaled and aligned;
// - neither: its own size, scaled and aligned.
// Centring a box larger than the container puts it at the container's left (top) edge; right and bottom
// alignment may put it before the container. The result is not limited to the container. A picture without
// area keeps its own size.
ui::RectF CalcPictureDrawRect(const TBaseDrawPictureParam& param, int width, int height, const ui::RectF& container);

}  // namespace skin
