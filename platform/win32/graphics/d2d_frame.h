#pragma once

#include <windows.h>

#include <d2d1_1.h>
#include <wrl/client.h>

#include <cstdint>
#include <memory>

#include "ui/bitmap.h"
#include "ui/canvas.h"

namespace platform::win32 {

class D2DCanvas;
class D2DFactories;
class DWriteTextFormats;

// One window frame: painted through its canvas on the Direct2D device, then copied into a top-down 32-bit DIB
// section of premultiplied BGRA pixels, ready for UpdateLayeredWindow (select-free: the DIB is already selected
// into Dc()). A paint is BeginPaint, drawing on the canvas, EndPaint; the DIB keeps the last painted frame.
class D2DFrame {
public:
    // A frame of width x height device pixels at the scale (device pixels per logical pixel). Throws
    // std::runtime_error when the bitmaps or the DIB section cannot be made.
    D2DFrame(D2DFactories& factories, DWriteTextFormats& formats, int width, int height, float scale);
    D2DFrame(const D2DFrame&) = delete;
    D2DFrame& operator=(const D2DFrame&) = delete;
    ~D2DFrame();

    int Width() const { return width_; }
    int Height() const { return height_; }
    float Scale() const { return scale_; }

    // Begins painting the whole frame: the canvas is in its scene, transparent, with the identity transform.
    ui::Canvas& BeginPaint();
    // Begins painting only the dirty rectangle (device pixels, cut to the frame): only it is cleared, drawing is
    // clipped to it and only it is copied into the DIB; the rest of the DIB keeps the last frame.
    ui::Canvas& BeginPaint(const RECT& dirty);
    // Ends the paint and copies the painted pixels into the DIB section. False (logged) when that failed.
    bool EndPaint();

    ui::Canvas& GetCanvas();
    // The DIB section's pixels: premultiplied BGRA, top row first, stride = width.
    ui::BitmapPixels Pixels() const;
    HBITMAP Bitmap() const { return dib_; }
    // A memory device context with the DIB section selected, the source of UpdateLayeredWindow.
    HDC Dc() const { return dc_; }
    // The frame's pixels as a PNG file.
    void SaveToPng(ui::Stream& stream) const;

private:
    D2DFactories& factories_;
    int width_;
    int height_;
    float scale_;
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> target_;
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> readback_;
    std::unique_ptr<D2DCanvas> canvas_;
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    // Transparent pixels the size of the frame on the device: clearing copies them in there, which costs far less
    // than a drawn clear on a software rasteriser or an upload from memory.
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> transparent_;
    RECT dirty_{};
    bool painting_ = false;
};

}  // namespace platform::win32
