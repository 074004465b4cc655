#include "platform/win32/graphics/d2d_bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/graphics/d2d_canvas.h"
#include "platform/win32/graphics/d2d_factories.h"
#include "platform/win32/graphics/d2d_pixels.h"
#include "platform/win32/graphics/hresult_log.h"
#include "platform/win32/graphics/wic_codec.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace platform::win32 {

namespace {

bool AllOpaque(const uint32_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if ((pixels[i] >> 24) != 0xFF) return false;
    }
    return true;
}

}  // namespace

D2DBitmap::D2DBitmap(D2DFactories& factories, DWriteTextFormats& formats, int width, int height, float scale,
                     const uint32_t* pixels)
    : factories_(factories),
      formats_(formats),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(scale > 0 ? scale : 1) {
    if (width_ == 0 || height_ == 0) {
        width_ = height_ = 0;
        return;
    }
    bitmap_ = CreateDeviceBitmap(factories_.ResourceContext(), width_, height_, D2D1_BITMAP_OPTIONS_TARGET, pixels);
    opaque_ = pixels && AllOpaque(pixels, static_cast<size_t>(width_) * height_);
}

D2DBitmap::~D2DBitmap() = default;

ui::Canvas& D2DBitmap::GetCanvas() {
    if (!canvas_) canvas_ = std::make_unique<D2DCanvas>(factories_, formats_, bitmap_.Get(), scale_);
    return *canvas_;
}

uint64_t D2DBitmap::Generation() const { return writes_ + (canvas_ ? canvas_->SceneCount() : 0); }

ui::BitmapPixels D2DBitmap::Map(ui::MapAccess access) {
    const bool write = access == ui::MapAccess::ReadWrite;
    if (!bitmap_) return {};
    if (mapped_) {
        mappedForWrite_ = mappedForWrite_ || write;
        return {pixels_.data(), width_, height_, width_};
    }
    if (canvas_) canvas_->Flush();
    if (!readback_) {
        try {
            readback_ = CreateDeviceBitmap(factories_.ResourceContext(), width_, height_,
                                           D2D1_BITMAP_OPTIONS_CPU_READ | D2D1_BITMAP_OPTIONS_CANNOT_DRAW, nullptr);
        } catch (const std::exception& e) {
            LogGraphics(u"cannot read the pixels of a bitmap: " + ui::Utf8ToUtf16(e.what()));
            return {};
        }
    }
    pixels_.resize(static_cast<size_t>(width_) * height_);
    // A failed read answers no pixels (logged), so that writing them back cannot wipe the bitmap.
    if (!ReadPixels(bitmap_.Get(), readback_.Get(), {0, 0, width_, height_}, pixels_.data(), width_)) return {};
    mapped_ = true;
    mappedForWrite_ = write;
    return {pixels_.data(), width_, height_, width_};
}

void D2DBitmap::Unmap() {
    if (!mapped_) return;
    mapped_ = false;
    if (mappedForWrite_) {
        LogIfFailed(bitmap_->CopyFromMemory(nullptr, pixels_.data(), static_cast<UINT32>(width_) * 4),
                    u"ID2D1Bitmap::CopyFromMemory");
        opaque_ = AllOpaque(pixels_.data(), pixels_.size());
        ++writes_;
    }
    mappedForWrite_ = false;
    // Pixels are read rarely (a picture rounding its corners, PNG encoding): the copies are not kept.
    std::vector<uint32_t>().swap(pixels_);
    readback_.Reset();
}

void D2DBitmap::SaveToPng(ui::Stream& stream) {
    const ui::BitmapPixels pixels = Map(ui::MapAccess::Read);
    const std::vector<std::byte> png = EncodePng(factories_.Wic(), pixels);
    Unmap();
    stream.Write(png);
}

}  // namespace platform::win32
