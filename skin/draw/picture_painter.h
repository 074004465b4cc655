#pragma once

#include "skin/draw/draw_picture_param.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/geometry.h"

namespace skin {

// Where a picture is read from and drawn to, when the caller has placed it already.
struct PicturePlacement {
    // Bitmap pixels, starting at the bitmap's top-left corner.
    ui::RectF Source;
    // Logical pixels.
    ui::RectF Dest;
};

// Draws one bitmap by a picture parameter onto a canvas: placed inside the parameter's drawn rectangle of
// controlRect (CalcPictureDrawRect) unless placement is given, turned about the placed picture's centre by the
// current effect's angle, cut into the pieces of its stretch style (CalcPicturePieces), every piece drawn with the
// opacity DrawAlpha/255 and the given sampling. An empty bitmap or a control rectangle without area draws nothing.
// The canvas's matrix is as before afterwards. Allocates nothing.
void PaintPicture(ui::Canvas& canvas, const ui::Bitmap& bitmap, const TBaseDrawPictureParam& param,
                  const ui::RectF& controlRect, const PicturePlacement* placement, ui::BitmapSampling sampling);

}  // namespace skin
