// Picture drawing on the draw canvas: the canvas operations that hand a picture and its parameter to the painter.

#include "skin/draw/draw_canvas_settings.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "skin/draw/picture_painter.h"

namespace skin {

bool TFireMonkeyDrawCanvas::DrawSkinPicture(const TBaseDrawPictureParam& param, const ui::Bitmap* bitmap,
                                            const ui::RectF& drawRect, const PicturePlacement* placement) {
    ui::Canvas* canvas = Canvas();
    if (canvas == nullptr || bitmap == nullptr) return true;
    const ui::BitmapSampling sampling =
        DrawCanvasSettings().IsHighSpeedDrawBitmap ? ui::BitmapSampling::NearestNeighbor : ui::BitmapSampling::Linear;
    PaintPicture(*canvas, *bitmap, param, drawRect, placement, sampling);
    return true;
}

}  // namespace skin
