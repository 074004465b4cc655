#include "platform/win32/window/layered_surface.h"

#include <algorithm>
#include <cmath>

#include "platform/log.h"
#include "platform/startup_marks.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "ui/form.h"

namespace platform::win32 {

namespace {

double CounterSeconds() {
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

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
    const double start = listener_ != nullptr ? CounterSeconds() : 0;
    ui::Canvas& canvas = frame_->BeginPaint(RECT{static_cast<LONG>(dirty.left), static_cast<LONG>(dirty.top),
                                                 static_cast<LONG>(dirty.right), static_cast<LONG>(dirty.bottom)});
    form.PaintTo(canvas);
    const bool drawn = frame_->EndPaint();
    platform::MarkStartup("paint");
    if (!drawn) return;
    const double painted = listener_ != nullptr ? CounterSeconds() : 0;
    // Only the painted part of the window changes on screen; the rest keeps what it shows.
    const RECT changed{static_cast<LONG>(dirty.left), static_cast<LONG>(dirty.top), static_cast<LONG>(dirty.right),
                       static_cast<LONG>(dirty.bottom)};
    PresentArea(window, &changed);
    if (listener_ != nullptr) listener_->FramePresented({start, painted, CounterSeconds(), dirty});
}

void LayeredSurface::Present(HWND window) { PresentArea(window, nullptr); }

void LayeredSurface::PresentArea(HWND window, const RECT* changed) {
    if (!frame_) return;
    POINT source{0, 0};
    SIZE size{frame_->Width(), frame_->Height()};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UPDATELAYEREDWINDOWINFO info{};
    info.cbSize = sizeof(info);
    info.psize = &size;
    info.hdcSrc = frame_->Dc();
    info.pptSrc = &source;
    info.pblend = &blend;
    info.dwFlags = ULW_ALPHA;
    info.prcDirty = changed;
    if (!UpdateLayeredWindowIndirect(window, &info)) {
        platform::Log(u"Window", u"UpdateLayeredWindow failed");
    }
}

}  // namespace platform::win32
