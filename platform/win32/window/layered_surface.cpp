#include "platform/win32/window/layered_surface.h"

#include <algorithm>
#include <cmath>

#include "platform/log.h"
#include "platform/startup_marks.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "ui/form.h"

namespace platform::win32 {

LayeredSurface::LayeredSurface(D2DGraphics& graphics) : graphics_(graphics) {}

LayeredSurface::~LayeredSurface() = default;

int LayeredSurface::Width() const { return frame_ ? frame_->Width() : 0; }

int LayeredSurface::Height() const { return frame_ ? frame_->Height() : 0; }

void LayeredSurface::Resize(float width, float height, float scale) {
    scale_ = scale;
    const int deviceWidth = static_cast<int>(std::ceil(width * scale));
    const int deviceHeight = static_cast<int>(std::ceil(height * scale));
    frame_ = graphics_.CreateFrame(std::max(deviceWidth, 1), std::max(deviceHeight, 1), scale);
    dirty_ = FrameArea();
}

ui::RectF LayeredSurface::FrameArea() const {
    return {0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
}

bool LayeredSurface::Invalidate(const ui::RectF& rect) {
    if (!frame_) return false;
    const ui::RectF device{std::floor(rect.left * scale_), std::floor(rect.top * scale_),
                           std::ceil(rect.right * scale_), std::ceil(rect.bottom * scale_)};
    if (device.IsEmpty()) return false;
    dirty_ = dirty_.Union(device);
    return true;
}

void LayeredSurface::Paint(ui::Form& form, HWND window) {
    if (!frame_) return;
    const ui::RectF dirty = dirty_.Intersect(FrameArea());
    if (dirty.IsEmpty()) return;
    dirty_ = {};
    ui::Canvas& canvas = frame_->BeginPaint(RECT{static_cast<LONG>(dirty.left), static_cast<LONG>(dirty.top),
                                                 static_cast<LONG>(dirty.right), static_cast<LONG>(dirty.bottom)});
    form.PaintTo(canvas);
    const bool painted = frame_->EndPaint();
    platform::MarkStartup("paint");
    if (painted) Present(window);
}

void LayeredSurface::Present(HWND window) {
    if (!frame_) return;
    POINT source{0, 0};
    SIZE size{frame_->Width(), frame_->Height()};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (!UpdateLayeredWindow(window, nullptr, nullptr, &size, frame_->Dc(), &source, 0, &blend, ULW_ALPHA)) {
        platform::Log(u"Window", u"UpdateLayeredWindow failed");
    }
}

}  // namespace platform::win32
