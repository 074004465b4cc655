#include "platform/win32/layered_surface.h"

#include <algorithm>
#include <cmath>

#include "platform/log.h"
#include "platform/win32/d2d_frame.h"
#include "platform/win32/d2d_graphics.h"
#include "ui/form.h"

namespace platform::win32 {

namespace {

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

LayeredSurface::LayeredSurface(D2DGraphics& graphics) : graphics_(graphics) {}

LayeredSurface::~LayeredSurface() = default;

int LayeredSurface::Width() const { return frame_ ? frame_->Width() : 0; }

int LayeredSurface::Height() const { return frame_ ? frame_->Height() : 0; }

void LayeredSurface::Resize(float width, float height, float scale) {
    scale_ = scale;
    const int deviceWidth = static_cast<int>(std::ceil(width * scale));
    const int deviceHeight = static_cast<int>(std::ceil(height * scale));
    frame_ = graphics_.CreateFrame(std::max(deviceWidth, 1), std::max(deviceHeight, 1), scale);
    dirty_ = {0, 0, frame_->Width(), frame_->Height()};
}

bool LayeredSurface::Invalidate(const ui::RectF& rect) {
    if (!frame_) return false;
    const RECT device{static_cast<LONG>(std::floor(rect.left * scale_)),
                      static_cast<LONG>(std::floor(rect.top * scale_)),
                      static_cast<LONG>(std::ceil(rect.right * scale_)),
                      static_cast<LONG>(std::ceil(rect.bottom * scale_))};
    if (IsEmpty(device)) return false;
    if (IsEmpty(dirty_)) {
        dirty_ = device;
    } else {
        UnionRect(&dirty_, &dirty_, &device);
    }
    return true;
}

void LayeredSurface::Paint(ui::Form& form, HWND window) {
    if (!frame_) return;
    RECT area{0, 0, frame_->Width(), frame_->Height()};
    RECT dirty{};
    if (!IntersectRect(&dirty, &dirty_, &area)) return;
    dirty_ = {};
    ui::Canvas& canvas = frame_->BeginPaint(dirty);
    form.PaintTo(canvas);
    if (frame_->EndPaint()) Present(window);
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
