#pragma once

#include <d2d1_1.h>
#include <wrl/client.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/bitmap.h"

namespace platform::win32 {

class D2DCanvas;
class D2DFactories;
class DWriteTextFormats;

// A bitmap of the Direct2D device: premultiplied BGRA at 96 DPI, drawable on every canvas of the drawing
// services and a drawing target itself. A bitmap of no pixels (either size 0) draws nothing and has a canvas
// that cannot begin a scene.
class D2DBitmap final : public ui::Bitmap {
public:
    // pixels, when given, are width x height premultiplied BGRA words, rows of width words; otherwise the
    // bitmap starts transparent. Throws std::runtime_error when Direct2D cannot make it.
    D2DBitmap(D2DFactories& factories, DWriteTextFormats& formats, int width, int height, float scale,
              const uint32_t* pixels = nullptr);
    ~D2DBitmap() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    float BitmapScale() const override { return scale_; }
    ui::Canvas& GetCanvas() override;
    // Copies the pixels out of the device (what the bitmap's canvas drew so far included); Unmap after a
    // writing Map copies them back. Maps do not nest: a second Map before Unmap answers the same pixels.
    ui::BitmapPixels Map(ui::MapAccess access) override;
    void Unmap() override;
    void SaveToPng(ui::Stream& stream) override;

    // The Direct2D bitmap; nullptr for a bitmap of no pixels.
    ID2D1Bitmap1* Native() const { return bitmap_.Get(); }
    // Whether every pixel is known to be opaque: checked when pixels are given or written through Map. Drawing on
    // the bitmap's canvas only blends, which keeps an opaque bitmap opaque.
    bool IsOpaque() const { return opaque_; }
    // Changes whenever the pixels may have changed (written through Map, or a scene drawn on the canvas).
    uint64_t Generation() const;

private:
    D2DFactories& factories_;
    DWriteTextFormats& formats_;
    int width_;
    int height_;
    float scale_;
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> bitmap_;
    // The CPU-readable copy that Map reads through and the pixels it hands out, kept while mapped.
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> readback_;
    std::vector<uint32_t> pixels_;
    bool opaque_ = false;
    bool mapped_ = false;
    bool mappedForWrite_ = false;
    uint64_t writes_ = 0;
    std::unique_ptr<D2DCanvas> canvas_;
};

}  // namespace platform::win32
