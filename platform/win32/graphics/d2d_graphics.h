#pragma once

#include <memory>

#include "platform/win32/graphics/d2d_factories.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/dwrite_font_resolver.h"
#include "platform/win32/graphics/dwrite_text_formats.h"
#include "ui/graphics.h"

namespace platform::win32 {

// The drawing services of the Windows host: Direct2D bitmaps and canvases, DirectWrite text layouts, WIC
// decoding and encoding, pictures among the program's resources. Made once on the UI thread (it initialises
// COM there) and installed with ui::SetGraphics; everything it makes must be freed before it.
class D2DGraphics final : public ui::Graphics {
public:
    // Throws std::runtime_error when Direct2D, Direct3D, DirectWrite or WIC cannot be started.
    D2DGraphics();
    ~D2DGraphics() override;

    // A window frame of width x height device pixels at the scale.
    std::unique_ptr<D2DFrame> CreateFrame(int width, int height, float scale);

    std::unique_ptr<ui::Bitmap> CreateBitmap(int width, int height, float scale) override;
    std::unique_ptr<ui::Bitmap> CreateBitmapFromPixels(const ui::BitmapPixels& pixels, float scale) override;
    std::unique_ptr<ui::Bitmap> CopyBitmap(ui::Bitmap& source) override;
    std::unique_ptr<ui::Bitmap> DecodeBitmap(std::span<const std::byte> encoded) override;
    // GIF frames through WIC.
    std::optional<ui::ImageFrames> DecodeFrames(std::span<const std::byte> encoded) override;
    std::unique_ptr<ui::Bitmap> LoadBitmapFromFile(const std::filesystem::path& path) override;
    std::unique_ptr<ui::Bitmap> LoadBitmapFromResource(std::u16string_view name) override;
    std::optional<std::vector<std::byte>> LoadResourceData(std::u16string_view name) override;
    std::unique_ptr<ui::TextLayout> CreateTextLayout() override;
    ui::Font DefaultFont() const override { return defaultFont_; }
    // The system's DPI over 96 unless the host set the scale of the window's monitor.
    float ScreenScale() const override { return screenScale_; }
    void SetScreenScale(float scale);

    D2DFactories& Factories() { return factories_; }
    DWriteFontResolver& Fonts() { return fonts_; }

private:
    D2DFactories factories_;
    DWriteFontResolver fonts_;
    DWriteTextFormats formats_;
    ui::Font defaultFont_;
    float screenScale_ = 1;
};

}  // namespace platform::win32
