#include "platform/win32/graphics/d2d_graphics.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/startup_marks.h"
#include "platform/win32/graphics/d2d_bitmap.h"
#include "platform/win32/graphics/dwrite_text_layout.h"
#include "platform/win32/graphics/hresult_log.h"
#include "platform/win32/graphics/program_resource.h"
#include "platform/win32/graphics/wic_codec.h"

namespace platform::win32 {

namespace {

// The message font at 96 DPI, in logical pixels; 12 when the system does not say.
ui::Font SystemDefaultFont(DWriteFontResolver& fonts) {
    ui::Font font;
    const std::wstring& family = fonts.Resolve(std::u16string_view(
        reinterpret_cast<const char16_t*>(fonts.MessageFontFamily().c_str()), fonts.MessageFontFamily().size()));
    font.family.assign(family.begin(), family.end());
    font.size = 12;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, 96)) {
        if (metrics.lfMessageFont.lfHeight != 0)
            font.size = static_cast<float>(std::abs(metrics.lfMessageFont.lfHeight));
        if (metrics.lfMessageFont.lfWeight >= FW_SEMIBOLD) font.style |= ui::fsBold;
        if (metrics.lfMessageFont.lfItalic) font.style |= ui::fsItalic;
    } else {
        LogIfFailed(HRESULT_FROM_WIN32(GetLastError()), u"SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS)");
    }
    return font;
}

float SystemScale() {
    const UINT dpi = GetDpiForSystem();
    return dpi > 0 ? static_cast<float>(dpi) / 96.0f : 1.0f;
}

}  // namespace

D2DGraphics::D2DGraphics()
    : fonts_(factories_.DWrite()),
      formats_(factories_.DWrite(), fonts_),
      defaultFont_(SystemDefaultFont(fonts_)),
      screenScale_(SystemScale()) {}

D2DGraphics::~D2DGraphics() = default;

void D2DGraphics::SetScreenScale(float scale) {
    if (scale > 0) screenScale_ = scale;
}

std::unique_ptr<D2DFrame> D2DGraphics::CreateFrame(int width, int height, float scale) {
    return std::make_unique<D2DFrame>(factories_, formats_, width, height, scale);
}

std::unique_ptr<ui::Bitmap> D2DGraphics::CreateBitmap(int width, int height, float scale) {
    return std::make_unique<D2DBitmap>(factories_, formats_, width, height, scale);
}

std::unique_ptr<ui::Bitmap> D2DGraphics::DecodeBitmap(std::span<const std::byte> encoded) {
    const StartupSpan span("decode");
    std::optional<DecodedImage> image = DecodeImage(factories_.Wic(), encoded);
    if (!image) return nullptr;
    return std::make_unique<D2DBitmap>(factories_, formats_, image->width, image->height, 1.0f, image->pixels.data());
}

std::unique_ptr<ui::Bitmap> D2DGraphics::CreateBitmapFromPixels(const ui::BitmapPixels& pixels, float scale) {
    if (pixels.data == nullptr || pixels.width <= 0 || pixels.height <= 0) return CreateBitmap(0, 0, scale);
    if (pixels.stride == pixels.width) {
        return std::make_unique<D2DBitmap>(factories_, formats_, pixels.width, pixels.height, scale, pixels.data);
    }
    std::vector<uint32_t> rows(static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height));
    for (int y = 0; y < pixels.height; ++y)
        std::copy_n(&pixels.At(0, y), pixels.width, rows.begin() + static_cast<ptrdiff_t>(y) * pixels.width);
    return std::make_unique<D2DBitmap>(factories_, formats_, pixels.width, pixels.height, scale, rows.data());
}

std::unique_ptr<ui::Bitmap> D2DGraphics::CopyBitmap(ui::Bitmap& source) {
    // Through the CPU: the pixels read back include what the source's canvas drew.
    const ui::BitmapPixels pixels = source.Map(ui::MapAccess::Read);
    std::unique_ptr<ui::Bitmap> copy = pixels.data != nullptr
                                           ? CreateBitmapFromPixels(pixels, source.BitmapScale())
                                           : CreateBitmap(source.Width(), source.Height(), source.BitmapScale());
    source.Unmap();
    return copy;
}

std::optional<ui::ImageFrames> D2DGraphics::DecodeFrames(std::span<const std::byte> encoded) {
    std::optional<DecodedFrames> decoded = DecodeGifFrames(factories_.Wic(), encoded);
    if (!decoded) return std::nullopt;
    ui::ImageFrames result;
    result.width = decoded->width;
    result.height = decoded->height;
    for (DecodedFrame& frame : decoded->frames) {
        ui::ImageFrame out;
        out.bitmap = std::make_unique<D2DBitmap>(factories_, formats_, frame.image.width, frame.image.height, 1.0f,
                                                 frame.image.pixels.data());
        out.left = frame.left;
        out.top = frame.top;
        out.delayMs = frame.delayMs;
        out.disposal = frame.disposal == 2   ? ui::FrameDisposal::Background
                       : frame.disposal == 3 ? ui::FrameDisposal::Previous
                                             : ui::FrameDisposal::Keep;
        result.frames.push_back(std::move(out));
    }
    return result;
}

std::unique_ptr<ui::Bitmap> D2DGraphics::LoadBitmapFromFile(const std::filesystem::path& path) {
    const std::optional<std::vector<std::byte>> bytes = platform::ReadWholeFile(path);
    if (!bytes) {
        LogGraphics(u"cannot read the picture file " + path.u16string());
        return nullptr;
    }
    return DecodeBitmap(*bytes);
}

std::unique_ptr<ui::Bitmap> D2DGraphics::LoadBitmapFromResource(std::u16string_view name) {
    const std::span<const std::byte> bytes = FindProgramResource(name);
    if (bytes.empty()) {
        LogGraphics(u"no picture resource named " + std::u16string(name));
        return nullptr;
    }
    return DecodeBitmap(bytes);
}

std::optional<std::vector<std::byte>> D2DGraphics::LoadResourceData(std::u16string_view name) {
    const std::span<const std::byte> bytes = FindProgramResource(name);
    if (bytes.empty()) return std::nullopt;
    return std::vector<std::byte>(bytes.begin(), bytes.end());
}

std::unique_ptr<ui::TextLayout> D2DGraphics::CreateTextLayout() { return std::make_unique<DWriteTextLayout>(formats_); }

}  // namespace platform::win32
