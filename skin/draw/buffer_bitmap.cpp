#include "skin/draw/buffer_bitmap.h"

#include <cmath>
#include <exception>
#include <string>

#include "platform/log.h"
#include "skin/draw/draw_canvas_registry.h"
#include "skin/draw/draw_text_param.h"
#include "ui/graphics.h"
#include "ui/text.h"

namespace skin {

namespace {

std::unique_ptr<TBufferBitmap>& GlobalBufferBitmap() {
    static std::unique_ptr<TBufferBitmap> bitmap;
    return bitmap;
}

}  // namespace

TFMXPlatformBitmap::TFMXPlatformBitmap() = default;

TFMXPlatformBitmap::~TFMXPlatformBitmap() { Free(); }

void TFMXPlatformBitmap::Free() {
    // The draw canvas is attached to the bitmap's canvas: it goes first.
    drawCanvas_.reset();
    bitmap_.reset();
}

bool TFMXPlatformBitmap::CreateBitmap(int width, int height, float scale) {
    try {
        Free();
        Width = width;
        Height = height;
        Scale = scale;
        ui::Graphics* graphics = ui::GetGraphics();
        if (!graphics) throw std::runtime_error("no drawing services");
        const int deviceWidth = static_cast<int>(std::ceil(static_cast<double>(scale) * width));
        const int deviceHeight = static_cast<int>(std::ceil(static_cast<double>(scale) * height));
        bitmap_ = graphics->CreateBitmap(deviceWidth, deviceHeight, scale);
        if (!bitmap_) throw std::runtime_error("the bitmap could not be made");
        return true;
    } catch (const std::exception& e) {
        platform::Log(u"Skin", u"TFMXPlatformBitmap.CreateBitmap: " + ui::Utf8ToUtf16(e.what()));
        return false;
    }
}

TDrawCanvas* TFMXPlatformBitmap::DrawCanvas() {
    if (!drawCanvas_ && bitmap_) {
        drawCanvas_ = CreateDrawCanvas(u"TFMXPlatformBitmap");
        drawCanvas_->Prepare(bitmap_->GetCanvas());
    }
    return drawCanvas_.get();
}

TBufferBitmap::TBufferBitmap() : selfBitmap_(std::make_unique<TFMXPlatformBitmap>()) {}

TBufferBitmap::~TBufferBitmap() = default;

TBufferBitmap& GetGlobalAutoSizeBufferBitmap() {
    std::unique_ptr<TBufferBitmap>& bitmap = GlobalBufferBitmap();
    if (!bitmap) {
        ui::AddGraphicsResetHook(&ResetGraphicsObjects);
        bitmap = std::make_unique<TBufferBitmap>();
        bitmap->CreateBufferBitmap(100, 100, 1);
    }
    return *bitmap;
}

void ResetGraphicsObjects() {
    GlobalBufferBitmap().reset();
    GetGlobalDefaultDrawTextParam().FTextLayout.reset();
}

}  // namespace skin
