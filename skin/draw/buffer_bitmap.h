#pragma once

#include <memory>

#include "skin/draw/draw_canvas.h"
#include "ui/bitmap.h"

namespace skin {

// An off-screen surface of the drawing services with its own draw canvas.
class TFMXPlatformBitmap {
public:
    TFMXPlatformBitmap();
    ~TFMXPlatformBitmap();
    TFMXPlatformBitmap(const TFMXPlatformBitmap&) = delete;
    TFMXPlatformBitmap& operator=(const TFMXPlatformBitmap&) = delete;

    // Frees the previous bitmap and draw canvas, stores the size (logical pixels) and scale, and makes a
    // bitmap of ceil(scale * width) x ceil(scale * height) device pixels at that scale. False (logged) when
    // there are no drawing services or the bitmap could not be made.
    bool CreateBitmap(int width, int height, float scale);

    int Width = 0;
    int Height = 0;
    float Scale = 1.0f;
    ui::Bitmap* Bitmap() const { return bitmap_.get(); }
    // The bitmap's canvas (nullptr while there is no bitmap).
    ui::Canvas* BitmapCanvas() const { return bitmap_ ? &bitmap_->GetCanvas() : nullptr; }
    // The draw canvas on the bitmap's canvas, made and prepared on first request; nullptr while there is no
    // bitmap.
    TDrawCanvas* DrawCanvas();

private:
    void Free();

    std::unique_ptr<ui::Bitmap> bitmap_;
    std::unique_ptr<TDrawCanvas> drawCanvas_;
};

// The platform-neutral wrapper of an off-screen surface.
class TBufferBitmap {
public:
    TBufferBitmap();
    ~TBufferBitmap();

    bool CreateBufferBitmap(int width, int height, float scale) {
        return selfBitmap_->CreateBitmap(width, height, scale);
    }
    TFMXPlatformBitmap& SelfBitmap() { return *selfBitmap_; }
    int Width() const { return selfBitmap_->Width; }
    int Height() const { return selfBitmap_->Height; }
    float Scale() const { return selfBitmap_->Scale; }
    TDrawCanvas* DrawCanvas() { return selfBitmap_->DrawCanvas(); }

private:
    std::unique_ptr<TFMXPlatformBitmap> selfBitmap_;
};

// The process-wide 100 x 100 buffer bitmap at scale 1 that texts are measured on outside a paint, made on first
// request. It is freed when the drawing services change (ui::SetGraphics) and made again on the next request,
// so a caller must not keep the reference across such a change.
TBufferBitmap& GetGlobalAutoSizeBufferBitmap();

// Frees what the draw canvas layer made with the current drawing services and keeps process-wide: the buffer
// bitmap and the cached layout of the default text parameter. Registered with ui::AddGraphicsResetHook by the
// first object that needs it.
void ResetGraphicsObjects();

}  // namespace skin
