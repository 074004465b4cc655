// Picture drawing on the draw canvas: the canvas operations that hand a picture and its parameter to the painter.

#include "skin/draw/draw_canvas_settings.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "skin/draw/picture_draw_rect.h"
#include "skin/draw/picture_painter.h"
#include "skin/picture/draw_picture.h"

namespace skin {

bool TDrawCanvas::DrawPicture(const TBaseDrawPictureParam& param, TBaseDrawPicture* picture,
                              const ui::RectF& drawRect) {
    if (picture == nullptr || !(drawRect.Width() > 0) || !(drawRect.Height() > 0)) return true;
    const ui::RectF rect = param.CalcDrawRect(drawRect);
    // The state's choices go to the picture on every draw: its current picture follows the last parameter that
    // drew it. Assigning the same name again keeps the text's storage.
    picture->CurrentEffectImageIndex = param.CurrentEffectImageIndex(picture->ImageIndex());
    picture->CurrentEffectImageName = param.CurrentEffectImageName();
    TSkinPicture* current = picture->CurrentPicture();
    if (current == nullptr || current->IsEmpty()) return true;
    const ui::Bitmap* bitmap = current->Bitmap();
    if (bitmap == nullptr) return true;
    const int width = bitmap->Width();
    const int height = bitmap->Height();
    const PicturePlacement placement{{0, 0, static_cast<float>(width), static_cast<float>(height)},
                                     CalcPictureDrawRect(param, width, height, rect)};
    return DrawSkinPicture(param, bitmap, drawRect, &placement);
}

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
