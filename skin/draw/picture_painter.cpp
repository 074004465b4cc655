#include "skin/draw/picture_painter.h"

#include <optional>

#include "skin/draw/picture_draw_rect.h"
#include "skin/draw/picture_pieces.h"
#include "ui/canvas_state_saver.h"

namespace skin {

void PaintPicture(ui::Canvas& canvas, const ui::Bitmap& bitmap, const TBaseDrawPictureParam& param,
                  const ui::RectF& controlRect, const PicturePlacement* placement, ui::BitmapSampling sampling) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width <= 0 || height <= 0 || !(controlRect.Width() > 0) || !(controlRect.Height() > 0)) return;
    PicturePlacement placed;
    if (placement != nullptr) {
        placed = *placement;
    } else {
        placed.Source = {0, 0, static_cast<float>(width), static_cast<float>(height)};
        placed.Dest = CalcPictureDrawRect(param, width, height, param.CalcDrawRect(controlRect));
    }
    // The turn is about the placed picture's own centre, inside whatever the canvas's matrix already does.
    std::optional<ui::CanvasStateSaver> turned;
    const double angle = param.CurrentEffectRotateAngle();
    if (angle != 0) {
        const ui::Matrix current = canvas.GetMatrix();
        turned.emplace(canvas);
        canvas.SetMatrix(CalcPictureRotationMatrix(angle, placed.Dest, current));
    }
    const float opacity = static_cast<float>(param.DrawAlpha) / 255.0f;
    const PicturePieces pieces = CalcPicturePieces(param, placed.Source, placed.Dest);
    for (const PicturePiece& piece : pieces.Items()) {
        canvas.DrawBitmap(bitmap, piece.Source, piece.Dest, opacity, sampling);
    }
}

}  // namespace skin
