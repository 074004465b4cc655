#include "platform/win32/graphics/d2d_frame.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32/graphics/d2d_canvas.h"
#include "platform/win32/graphics/d2d_factories.h"
#include "platform/win32/graphics/d2d_pixels.h"
#include "platform/win32/graphics/hresult_log.h"
#include "platform/win32/graphics/wic_codec.h"
#include "ui/stream.h"

namespace platform::win32 {

D2DFrame::D2DFrame(D2DFactories& factories, DWriteTextFormats& formats, int width, int height, float scale)
    : factories_(factories), width_(width), height_(height), scale_(scale > 0 ? scale : 1) {
    if (width_ <= 0 || height_ <= 0) throw std::runtime_error("a frame needs at least one pixel");
    target_ = CreateDeviceBitmap(factories_.ResourceContext(), width_, height_, D2D1_BITMAP_OPTIONS_TARGET, nullptr);
    readback_ = CreateDeviceBitmap(factories_.ResourceContext(), width_, height_,
                                   D2D1_BITMAP_OPTIONS_CPU_READ | D2D1_BITMAP_OPTIONS_CANNOT_DRAW, nullptr);
    transparent_ = CreateDeviceBitmap(factories_.ResourceContext(), width_, height_, D2D1_BITMAP_OPTIONS_NONE, nullptr);
    canvas_ = std::make_unique<D2DCanvas>(factories_, formats, target_.Get(), scale_);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    dib_ = dc_ ? CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!dib_ || !bits) {
        const DWORD error = GetLastError();
        if (dib_) DeleteObject(dib_);
        if (dc_) DeleteDC(dc_);
        ThrowIfFailed(HRESULT_FROM_WIN32(error ? error : ERROR_NOT_ENOUGH_MEMORY), "CreateDIBSection");
    }
    bits_ = static_cast<uint32_t*>(bits);
    std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, 0u);
    previousBitmap_ = SelectObject(dc_, dib_);
}

D2DFrame::~D2DFrame() {
    canvas_.reset();
    SelectObject(dc_, previousBitmap_);
    DeleteObject(dib_);
    DeleteDC(dc_);
}

ui::Canvas& D2DFrame::GetCanvas() { return *canvas_; }

ui::Canvas& D2DFrame::BeginPaint() { return BeginPaint(RECT{0, 0, width_, height_}); }

ui::Canvas& D2DFrame::BeginPaint(const RECT& dirty) {
    if (painting_) {
        LogGraphics(u"BeginPaint of a frame that is already being painted");
        return *canvas_;
    }
    dirty_ = {std::clamp<LONG>(dirty.left, 0, width_), std::clamp<LONG>(dirty.top, 0, height_),
              std::clamp<LONG>(dirty.right, 0, width_), std::clamp<LONG>(dirty.bottom, 0, height_)};
    dirty_.right = std::max(dirty_.right, dirty_.left);
    dirty_.bottom = std::max(dirty_.bottom, dirty_.top);
    bool cleared = false;
    if (dirty_.right > dirty_.left && dirty_.bottom > dirty_.top) {
        const D2D1_RECT_U area = D2D1::RectU(static_cast<UINT32>(dirty_.left), static_cast<UINT32>(dirty_.top),
                                             static_cast<UINT32>(dirty_.right), static_cast<UINT32>(dirty_.bottom));
        const D2D1_POINT_2U at = D2D1::Point2U(area.left, area.top);
        cleared = LogIfFailed(target_->CopyFromBitmap(&at, transparent_.Get(), &area), u"ID2D1Bitmap::CopyFromBitmap");
    }
    painting_ = canvas_->BeginScene();
    if (!painting_) return *canvas_;
    // Bitmaps drawn first onto the cleared pixels (a window's shadow or background) are copied there.
    if (cleared) {
        canvas_->SetTransparentArea(D2D1::RectF(static_cast<float>(dirty_.left), static_cast<float>(dirty_.top),
                                                static_cast<float>(dirty_.right), static_cast<float>(dirty_.bottom)));
    }
    const bool whole = dirty_.left == 0 && dirty_.top == 0 && dirty_.right == width_ && dirty_.bottom == height_;
    if (!whole) {
        canvas_->IntersectClipRect(
            {dirty_.left / scale_, dirty_.top / scale_, dirty_.right / scale_, dirty_.bottom / scale_});
    }
    return *canvas_;
}

bool D2DFrame::EndPaint() {
    if (!painting_) {
        LogGraphics(u"EndPaint without BeginPaint");
        return false;
    }
    painting_ = false;
    canvas_->EndScene();
    if (canvas_->InScene()) {
        LogGraphics(u"a scene begun during the paint was not ended");
        while (canvas_->InScene()) canvas_->EndScene();
    }
    if (dirty_.right <= dirty_.left || dirty_.bottom <= dirty_.top) return true;
    GdiFlush();
    return ReadPixels(target_.Get(), readback_.Get(), {dirty_.left, dirty_.top, dirty_.right, dirty_.bottom},
                      bits_ + static_cast<size_t>(dirty_.top) * width_ + dirty_.left, width_);
}

ui::BitmapPixels D2DFrame::Pixels() const { return {bits_, width_, height_, width_}; }

void D2DFrame::SaveToPng(ui::Stream& stream) const {
    GdiFlush();
    stream.Write(EncodePng(factories_.Wic(), Pixels()));
}

}  // namespace platform::win32
