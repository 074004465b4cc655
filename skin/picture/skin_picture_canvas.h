#pragma once

#include "ui/bitmap.h"
#include "ui/geometry.h"

namespace skin {

class TBaseDrawPictureParam;
struct PicturePlacement;

// What a picture engine draws its current frame on. The draw canvas offers it; the painting library builds on
// pictures, so the pictures know the canvas only through this.
class ISkinPictureCanvas {
public:
    // Draws one bitmap by the picture parameter inside the control rectangle drawRect: placed by the parameter
    // unless placement gives the source and destination. Nothing for no or an empty bitmap. True.
    virtual bool DrawSkinPicture(const TBaseDrawPictureParam& param, const ui::Bitmap* bitmap,
                                 const ui::RectF& drawRect, const PicturePlacement* placement = nullptr) = 0;

protected:
    ~ISkinPictureCanvas() = default;
};

}  // namespace skin
