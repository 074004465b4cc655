#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/window/frame_listener.h"
#include "ui/geometry.h"

namespace ui {
class Form;
}

namespace platform::win32 {

class D2DFrame;
class D2DGraphics;

// The pixels of a per-pixel transparent window: a Direct2D frame of premultiplied pixels at the window's
// scale, the part of it that needs painting, and the copy onto the screen with UpdateLayeredWindow.
class LayeredSurface {
public:
    explicit LayeredSurface(D2DGraphics& graphics);
    LayeredSurface(const LayeredSurface&) = delete;
    LayeredSurface& operator=(const LayeredSurface&) = delete;
    ~LayeredSurface();

    // A new frame for a client area of width x height logical pixels at the scale; all of it needs painting.
    void Resize(float width, float height, float scale);
    // The frame, or nullptr before the first Resize.
    const D2DFrame* Frame() const { return frame_.get(); }
    // Device pixels of the frame (0 without one).
    int Width() const;
    int Height() const;
    float Scale() const { return scale_; }
    // Adds a rectangle (logical pixels) to the part that needs painting; false when it adds nothing (empty, or
    // no frame yet).
    bool Invalidate(const ui::RectF& rect);
    // Paints what needs painting with the form and puts the frame on the window.
    void Paint(ui::Form& form, HWND window);
    // Puts the frame on the window as it is.
    void Present(HWND window);
    // Told about every painted frame from now on (not owned; nullptr for none).
    void SetFrameListener(FrameListener* listener) { listener_ = listener; }

private:
    // Puts the frame on the window; only changed (device pixels; nullptr for all) needs to reach the screen.
    void PresentArea(HWND window, const RECT* changed);
    // All of the frame, in device pixels.
    ui::RectF FrameArea() const;

    D2DGraphics& graphics_;
    std::unique_ptr<D2DFrame> frame_;
    float scale_ = 1;
    // Device pixels of the frame that need painting (whole ones: edges are rounded outwards).
    ui::RectF dirty_;
    FrameListener* listener_ = nullptr;
};

}  // namespace platform::win32
