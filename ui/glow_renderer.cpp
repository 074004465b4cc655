#include "ui/glow_renderer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/canvas.h"
#include "ui/control.h"
#include "ui/glow_effect.h"
#include "ui/graphics.h"

namespace ui {

namespace {

// One box-blur pass over a line of values (length n, step between elements) with a window of 2r+1.
void BoxPass(std::vector<uint32_t>& values, std::vector<uint32_t>& scratch, int n, int stride, int offset, int r) {
    const int window = 2 * r + 1;
    uint32_t sum = 0;
    // Values outside the line count as 0: the glow fades out past the shape.
    for (int i = -r; i <= r; ++i) sum += (i >= 0 && i < n) ? values[offset + i * stride] : 0;
    for (int i = 0; i < n; ++i) {
        scratch[i] = sum / window;
        const int out = i - r;
        const int in = i + r + 1;
        if (out >= 0) sum -= values[offset + out * stride];
        if (in < n) sum += values[offset + in * stride];
    }
    for (int i = 0; i < n; ++i) values[offset + i * stride] = scratch[i];
}

}  // namespace

void GlowRenderer::BlurAndTint(const BitmapPixels& pixels, int radius, AlphaColor color) {
    const int w = pixels.width;
    const int h = pixels.height;
    if (w <= 0 || h <= 0) return;
    std::vector<uint32_t> alpha(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) alpha[static_cast<size_t>(y) * w + x] = pixels.At(x, y) >> 24;
    }
    if (radius > 0) {
        // Three box passes approximate a Gaussian; each pass uses a third of the reach.
        const int r = std::max(1, radius / 3);
        std::vector<uint32_t> scratch(static_cast<size_t>(std::max(w, h)));
        for (int pass = 0; pass < 3; ++pass) {
            for (int y = 0; y < h; ++y) BoxPass(alpha, scratch, w, 1, y * w, r);
            for (int x = 0; x < w; ++x) BoxPass(alpha, scratch, h, w, x, r);
        }
    }
    const uint32_t ca = color >> 24;
    const uint32_t cr = (color >> 16) & 0xFF;
    const uint32_t cg = (color >> 8) & 0xFF;
    const uint32_t cb = color & 0xFF;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t a = alpha[static_cast<size_t>(y) * w + x] * ca / 255;
            pixels.At(x, y) = (a << 24) | ((cr * a / 255) << 16) | ((cg * a / 255) << 8) | (cb * a / 255);
        }
    }
}

void GlowRenderer::Paint(Canvas& canvas, Control& control, const GlowEffect& glow, Graphics& graphics) {
    const float scale = canvas.Scale() > 0 ? canvas.Scale() : 1;
    const float extent = glow.Extent();
    const Key key{&control, control.Width(), control.Height(), scale, extent, glow.GlowColor()};
    if (!bitmap_ || !(key == key_)) {
        bitmap_.reset();
        const int width = static_cast<int>(std::ceil((control.Width() + 2 * extent) * scale));
        const int height = static_cast<int>(std::ceil((control.Height() + 2 * extent) * scale));
        if (width <= 0 || height <= 0) return;
        std::unique_ptr<Bitmap> bitmap = graphics.CreateBitmap(width, height, scale);
        if (!bitmap) return;
        Canvas& shape = bitmap->GetCanvas();
        if (!shape.BeginScene()) return;
        shape.SetMatrix(Matrix::Translation(extent, extent));
        control.PaintTree(shape, PaintEffects::Without);
        shape.EndScene();
        BlurAndTint(bitmap->Map(MapAccess::ReadWrite), static_cast<int>(std::lround(extent * scale)), glow.GlowColor());
        bitmap->Unmap();
        bitmap_ = std::move(bitmap);
        key_ = key;
    }
    const RectF source{0, 0, static_cast<float>(bitmap_->Width()), static_cast<float>(bitmap_->Height())};
    const RectF dest{-extent, -extent, control.Width() + extent, control.Height() + extent};
    canvas.DrawBitmap(*bitmap_, source, dest, glow.Opacity() * control.AbsoluteOpacity(), BitmapSampling::Linear);
}

}  // namespace ui
