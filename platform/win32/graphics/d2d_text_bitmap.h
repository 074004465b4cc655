#pragma once

#include <d2d1_1.h>
#include <dwrite.h>
#include <wrl/client.h>

#include <optional>

#include "platform/win32/graphics/d2d_pixels.h"
#include "ui/geometry.h"

namespace platform::win32 {

class D2DCanvas;

// A laid-out text rasterised once into a premultiplied bitmap of the device and drawn from there on later
// paints: glyph outlines are filled only when the text's pixels change, and a paint draws one bitmap.
//
// The pixels depend on the layout (text, font, box, alignment, wrapping, trimming: its owner calls Invalidate
// whenever it changes or replaces the layout), on the colour, on the device scale and on the fraction of a device
// pixel the text starts at; each of these is compared on every draw. The opacity is applied when the bitmap is
// drawn, and a move by whole device pixels only moves the bitmap.
class D2DTextBitmap {
public:
    // Forgets the rendered pixels; the bitmap itself is kept for the next render when it is large enough.
    void Invalidate() {
        valid_ = false;
        inkKnown_ = false;
    }

    // Draws the layout with its top-left corner at origin (the canvas's logical coordinates) in the colour and
    // opacity, rendering it first when the kept pixels do not match. False when the text cannot be drawn this
    // way (the canvas's transform rotates, skews or scales the axes differently, the text is too large for a
    // bitmap, or rendering failed, logged): the caller draws the layout directly then.
    bool Draw(D2DCanvas& canvas, IDWriteTextLayout* layout, ui::PointF origin, ui::AlphaColor color, float opacity);

    // How many times the text was rendered into the bitmap, for tests.
    int RenderCount() const { return renders_; }
    // How many renders read the pixels back to find the ink, for tests.
    int InkSearchCount() const { return inkSearches_; }

private:
    // Renders the layout in the colour at the scale, starting at (fractionX, fractionY) of a device pixel, and
    // keeps the part of the bitmap its ink covers.
    bool Render(D2DCanvas& canvas, IDWriteTextLayout* layout, ui::AlphaColor color, float scale, float fractionX,
                float fractionY);
    // Makes sure there is a bitmap of at least width x height that nothing still reads (logged when not).
    bool Prepare(D2DCanvas& canvas, int width, int height);
    // Clears the bitmap and draws the layout at its origin through the transform.
    bool Rasterise(D2DCanvas& canvas, IDWriteTextLayout* layout, ui::AlphaColor color,
                   const D2D1_MATRIX_3X2_F& transform);
    // The part of the bitmap's top-left width x height pixels that is not transparent; nothing when the pixels
    // cannot be read (logged).
    std::optional<PixelRect> FindInk(int width, int height);

    Microsoft::WRL::ComPtr<ID2D1Bitmap1> bitmap_;
    // The CPU-readable copy the ink is found in.
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> readback_;
    // The device the bitmap was made on: a bitmap of another device cannot be drawn.
    Microsoft::WRL::ComPtr<ID2D1Device> device_;
    // The inked part of the bitmap and where it lies relative to the whole device pixel the text starts in.
    int sourceX_ = 0;
    int sourceY_ = 0;
    int width_ = 0;
    int height_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    // The canvas the bitmap was last rendered for (compared only, never used).
    const D2DCanvas* lastCanvas_ = nullptr;
    // What the pixels were rendered with.
    ui::AlphaColor color_ = 0;
    float scale_ = 0;
    float fractionX_ = 0;
    float fractionY_ = 0;
    bool valid_ = false;
    int renders_ = 0;
    int inkSearches_ = 0;
    // The ink last found by reading the pixels back (bitmap pixels), the margin step it was rendered with and
    // the offset of the text within the bitmap then. A render of the same layout, colour and scale at another
    // fraction of a pixel moves the text by less than a pixel, so its ink lies within that box moved by the
    // whole pixels around the difference: no read-back is needed for it.
    bool inkKnown_ = false;
    PixelRect knownInk_{};
    float knownWiden_ = 1;
    float knownShiftX_ = 0;
    float knownShiftY_ = 0;
};

}  // namespace platform::win32
