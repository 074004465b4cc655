#pragma once

#include <memory>

#include "ui/bitmap.h"
#include "ui/geometry.h"

namespace ui {

class Canvas;
class Control;
class GlowEffect;
class Graphics;

// Paints a glow effect: the control's tree is painted off screen once, its alpha blurred and tinted with the
// glow colour, and the result kept. Later paints draw the kept bitmap, so animating children do not cost a
// blur per frame; a change of the control's size, the scale or the glow's settings makes a new one. The
// shape is therefore the one the control had when the glow was made — right for an opaque background with
// content moving on top of it, which is what glows surround here.
class GlowRenderer {
public:
    // Paints the glow beneath control; canvas is in the control's coordinates.
    void Paint(Canvas& canvas, Control& control, const GlowEffect& glow, Graphics& graphics);
    // Forgets the kept bitmap.
    void Reset() { bitmap_.reset(); }

    // Blurs the alpha of pixels (premultiplied BGRA) with three box passes of the radius (device pixels) and
    // replaces every pixel with color at the blurred alpha, premultiplied. Exposed for tests.
    static void BlurAndTint(const BitmapPixels& pixels, int radius, AlphaColor color);

private:
    struct Key {
        const Control* control = nullptr;
        float width = 0;
        float height = 0;
        float scale = 0;
        float extent = 0;
        AlphaColor color = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

    Key key_;
    std::unique_ptr<Bitmap> bitmap_;
};

}  // namespace ui
