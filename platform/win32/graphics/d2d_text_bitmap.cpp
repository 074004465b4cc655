#include "platform/win32/graphics/d2d_text_bitmap.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/win32/graphics/d2d_brushes.h"
#include "platform/win32/graphics/d2d_canvas.h"
#include "platform/win32/graphics/d2d_factories.h"
#include "platform/win32/graphics/d2d_pixels.h"
#include "platform/win32/graphics/hresult_log.h"
#include "ui/text.h"

namespace platform::win32 {

namespace {

// Larger texts are drawn directly: their bitmap would cost more memory than the rendering saves.
constexpr int kMaxSide = 4096;
constexpr long long kMaxPixels = 1 << 20;
// Bitmaps are made in steps of this many pixels, so that a text that changes a little keeps its bitmap.
constexpr int kSizeStep = 32;

int RoundUp(int value, int step) { return (value + step - 1) / step * step; }

}  // namespace

bool D2DTextBitmap::Draw(D2DCanvas& canvas, IDWriteTextLayout* layout, ui::PointF origin, ui::AlphaColor color,
                         float opacity) {
    const ui::Matrix m = canvas.DeviceMatrix();
    // Only an unrotated, evenly scaled text keeps its pixels under a move.
    if (m.m12 != 0 || m.m21 != 0 || m.m11 <= 0 || m.m11 != m.m22) return false;
    const ui::PointF start = m.Apply(origin);
    if (!std::isfinite(start.x) || !std::isfinite(start.y)) return false;
    const float wholeX = std::floor(start.x), wholeY = std::floor(start.y);
    const float fractionX = start.x - wholeX, fractionY = start.y - wholeY;
    ID2D1Device* device = canvas.Factories().Device();
    const bool current = valid_ && bitmap_ && device_.Get() == device && color_ == color && scale_ == m.m11 &&
                         fractionX_ == fractionX && fractionY_ == fractionY;
    if (!current && !Render(canvas, layout, color, m.m11, fractionX, fractionY)) return false;
    if (width_ <= 0 || height_ <= 0) return true;  // nothing visible
    const float left = wholeX + static_cast<float>(offsetX_), top = wholeY + static_cast<float>(offsetY_);
    const float sourceX = static_cast<float>(sourceX_), sourceY = static_cast<float>(sourceY_);
    canvas.DrawDeviceBitmap(
        bitmap_.Get(), D2D1::RectF(left, top, left + static_cast<float>(width_), top + static_cast<float>(height_)),
        D2D1::RectF(sourceX, sourceY, sourceX + static_cast<float>(width_), sourceY + static_cast<float>(height_)),
        opacity);
    return true;
}

bool D2DTextBitmap::Render(D2DCanvas& canvas, IDWriteTextLayout* layout, ui::AlphaColor color, float scale,
                           float fractionX, float fractionY) {
    // Only the fraction of a pixel changed since the ink was found (a text moving by parts of a pixel).
    bool moved = inkKnown_ && device_.Get() == canvas.Factories().Device() && color_ == color && scale_ == scale;
    valid_ = false;
    if (!moved) inkKnown_ = false;
    DWRITE_TEXT_METRICS metrics{};
    if (!LogIfFailed(layout->GetMetrics(&metrics), u"IDWriteTextLayout::GetMetrics")) return false;
    // The metrics give the box of the lines; glyphs can reach out of it (italic slant, accents, overhanging
    // strokes), which a margin of part of the em keeps inside the bitmap. Ink that reaches the bitmap's edge
    // may have been cut: then the text is rendered once more with a far wider margin.
    const float em = std::max(static_cast<IDWriteTextFormat*>(layout)->GetFontSize(), 1.0f);
    const float right = metrics.left + std::max(metrics.width, metrics.widthIncludingTrailingWhitespace);
    const float bottom = metrics.top + metrics.height;
    for (const float widen : {1.0f, 4.0f}) {
        if (moved && widen != knownWiden_) continue;
        const float marginX = std::ceil(em * 0.5f * widen * scale) + 2;
        const float marginY = std::ceil(em * 0.25f * widen * scale) + 2;
        const float x0 = std::floor(fractionX + metrics.left * scale - marginX);
        const float y0 = std::floor(fractionY + metrics.top * scale - marginY);
        const float x1 = std::ceil(fractionX + right * scale + marginX);
        const float y1 = std::ceil(fractionY + bottom * scale + marginY);
        if (!(x1 - x0 <= kMaxSide && y1 - y0 <= kMaxSide &&
              static_cast<long long>(x1 - x0) * static_cast<long long>(y1 - y0) <= kMaxPixels)) {
            return false;
        }
        const int width = static_cast<int>(x1 - x0), height = static_cast<int>(y1 - y0);
        if (!Prepare(canvas, width, height)) return false;
        const float shiftX = fractionX - x0, shiftY = fractionY - y0;
        if (!Rasterise(canvas, layout, color, D2D1::Matrix3x2F(scale, 0, 0, scale, shiftX, shiftY))) return false;
        // Only the ink is drawn on every paint: transparent rows and columns around it cost as much to blend.
        // A moved text draws the known ink's box moved along, a pixel wider on every side for grid fitting;
        // the transparent pixels that adds change nothing where they are drawn.
        std::optional<PixelRect> ink;
        if (moved) {
            const int dx = static_cast<int>(shiftX - knownShiftX_ >= 0 ? std::ceil(shiftX - knownShiftX_)
                                                                       : std::floor(shiftX - knownShiftX_));
            const int dy = static_cast<int>(shiftY - knownShiftY_ >= 0 ? std::ceil(shiftY - knownShiftY_)
                                                                       : std::floor(shiftY - knownShiftY_));
            const PixelRect around{knownInk_.left + std::min(dx, 0) - 1, knownInk_.top + std::min(dy, 0) - 1,
                                   knownInk_.right + std::max(dx, 0) + 1, knownInk_.bottom + std::max(dy, 0) + 1};
            // Ink that could reach the bitmap's edge may have been cut: then the pixels are read after all.
            if (around.left > 0 && around.top > 0 && around.right < width && around.bottom < height) ink = around;
            moved = ink.has_value();
        }
        if (!ink) {
            ++inkSearches_;
            ink = FindInk(width, height);
            if (!ink) return false;
            if (ink->left == 0 || ink->top == 0 || ink->right == width || ink->bottom == height) continue;
            inkKnown_ = ink->right > ink->left;
            knownInk_ = *ink;
            knownWiden_ = widen;
            knownShiftX_ = shiftX;
            knownShiftY_ = shiftY;
        }
        ++renders_;
        lastCanvas_ = &canvas;
        sourceX_ = ink->left;
        sourceY_ = ink->top;
        width_ = ink->right - ink->left;
        height_ = ink->bottom - ink->top;
        offsetX_ = static_cast<int>(x0) + ink->left;
        offsetY_ = static_cast<int>(y0) + ink->top;
        color_ = color;
        scale_ = scale;
        fractionX_ = fractionX;
        fractionY_ = fractionY;
        valid_ = true;
        return true;
    }
    LogGraphics(u"a text reaches past the bitmap made for it; it is drawn directly");
    return false;
}

bool D2DTextBitmap::Prepare(D2DCanvas& canvas, int width, int height) {
    D2DFactories& factories = canvas.Factories();
    ID2D1Device* device = factories.Device();
    bool reuse = false;
    // Another canvas may still hold draws of the old pixels that only it can flush: a new bitmap then.
    if (bitmap_ && readback_ && device_.Get() == device && lastCanvas_ == &canvas) {
        const D2D1_SIZE_U size = bitmap_->GetPixelSize();
        reuse = static_cast<int>(size.width) >= width && static_cast<int>(size.height) >= height &&
                static_cast<long long>(size.width) * size.height <=
                    4 * static_cast<long long>(RoundUp(width, kSizeStep)) * RoundUp(height, kSizeStep);
    }
    // Drawing the canvas has batched may still read the old pixels.
    if (reuse) return canvas.Flush();
    bitmap_.Reset();
    readback_.Reset();
    device_.Reset();
    lastCanvas_ = nullptr;
    const int bitmapWidth = std::min(RoundUp(width, kSizeStep), kMaxSide);
    const int bitmapHeight = std::min(RoundUp(height, kSizeStep), kMaxSide);
    try {
        bitmap_ = CreateDeviceBitmap(factories.ResourceContext(), bitmapWidth, bitmapHeight, D2D1_BITMAP_OPTIONS_TARGET,
                                     nullptr);
        readback_ = CreateDeviceBitmap(factories.ResourceContext(), bitmapWidth, bitmapHeight,
                                       D2D1_BITMAP_OPTIONS_CPU_READ | D2D1_BITMAP_OPTIONS_CANNOT_DRAW, nullptr);
    } catch (const std::exception& e) {
        LogGraphics(u"cannot make the bitmap of a text: " + ui::Utf8ToUtf16(e.what()));
        bitmap_.Reset();
        readback_.Reset();
        return false;
    }
    device_ = device;
    lastCanvas_ = &canvas;
    return true;
}

bool D2DTextBitmap::Rasterise(D2DCanvas& canvas, IDWriteTextLayout* layout, ui::AlphaColor color,
                              const D2D1_MATRIX_3X2_F& transform) {
    ID2D1DeviceContext* context = canvas.Factories().TextContext();
    Microsoft::WRL::ComPtr<ID2D1SolidColorBrush> brush;
    if (!LogIfFailed(context->CreateSolidColorBrush(D2DBrushes::Color(color), &brush),
                     u"ID2D1RenderTarget::CreateSolidColorBrush")) {
        return false;
    }
    context->SetTarget(bitmap_.Get());
    context->BeginDraw();
    context->SetTransform(D2D1::Matrix3x2F::Identity());
    context->Clear(D2D1::ColorF(0, 0, 0, 0));
    context->SetTransform(transform);
    context->DrawTextLayout(D2D1::Point2F(0, 0), layout, brush.Get(), D2D1_DRAW_TEXT_OPTIONS_NONE);
    const HRESULT hr = context->EndDraw();
    context->SetTarget(nullptr);
    if (LogIfFailed(hr, u"ID2D1RenderTarget::EndDraw (text bitmap)")) return true;
    bitmap_.Reset();
    readback_.Reset();
    device_.Reset();
    return false;
}

std::optional<PixelRect> D2DTextBitmap::FindInk(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    if (!ReadPixels(bitmap_.Get(), readback_.Get(), {0, 0, width, height}, pixels.data(), width)) return std::nullopt;
    PixelRect ink{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if ((row[x] >> 24) == 0) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x + 1);
            ink.top = std::min(ink.top, y);
            ink.bottom = y + 1;
        }
    }
    if (ink.right <= ink.left) ink = {1, 1, 1, 1};  // no ink at all: nothing to draw
    return ink;
}

}  // namespace platform::win32
