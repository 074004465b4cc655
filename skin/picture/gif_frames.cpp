#include "skin/picture/gif_frames.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string>

#include "skin/core/base_log.h"
#include "skin/picture/skin_picture.h"
#include "ui/graphics.h"

namespace skin {

namespace {

// The largest canvas the frames are composed on (a picture of 4096 x 4096).
constexpr int64_t kMaxCanvasPixels = int64_t{4096} * 4096;

// Premultiplied source over destination.
uint32_t Over(uint32_t source, uint32_t target) {
    const uint32_t alpha = source >> 24;
    if (alpha == 0xFF) return source;
    if (alpha == 0) return target;
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t d = (target >> shift) & 0xFF;
        out |= std::min<uint32_t>(0xFF, s + (d * (0xFF - alpha) + 0x7F) / 0xFF) << shift;
    }
    return out;
}

void Log(const std::u16string& text) { DebugLog(u"TSkinGIFPictureEngine " + text); }

std::vector<TGIFFrame> ComposeFrames(ui::Graphics& graphics, std::span<const std::byte> gifData) {
    std::vector<TGIFFrame> result;
    std::optional<ui::ImageFrames> frames = graphics.DecodeFrames(gifData);
    if (!frames || frames->frames.empty()) {
        Log(u"cannot decode the GIF data");
        return result;
    }
    const int width = frames->width, height = frames->height;
    if (width <= 0 || height <= 0 || int64_t{width} * height > kMaxCanvasPixels) {
        Log(u"GIF canvas size out of range");
        return result;
    }
    std::vector<uint32_t> canvas(static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
    std::vector<uint32_t> before;
    for (ui::ImageFrame& frame : frames->frames) {
        if (frame.disposal == ui::FrameDisposal::Previous) before = canvas;
        int left = frame.left, top = frame.top, right = left, bottom = top;
        if (frame.bitmap) {
            const ui::BitmapPixels pixels = frame.bitmap->Map(ui::MapAccess::Read);
            // The part of the frame that lies on the canvas.
            left = std::clamp(frame.left, 0, width);
            top = std::clamp(frame.top, 0, height);
            right = std::clamp(frame.left + pixels.width, 0, width);
            bottom = std::clamp(frame.top + pixels.height, 0, height);
            if (pixels.data != nullptr) {
                for (int y = top; y < bottom; ++y) {
                    for (int x = left; x < right; ++x) {
                        uint32_t& target = canvas[static_cast<size_t>(y) * width + x];
                        target = Over(pixels.At(x - frame.left, y - frame.top), target);
                    }
                }
            }
            frame.bitmap->Unmap();
        }
        TGIFFrame whole;
        whole.Picture = std::make_unique<TSkinPicture>();
        whole.Picture->SetBitmap(graphics.CreateBitmapFromPixels({canvas.data(), width, height, width}, 1.0f));
        whole.DelayMs = frame.delayMs;
        result.push_back(std::move(whole));
        switch (frame.disposal) {
            case ui::FrameDisposal::Keep:
                break;
            case ui::FrameDisposal::Background:
                for (int y = top; y < bottom; ++y)
                    std::fill_n(canvas.begin() + static_cast<ptrdiff_t>(y) * width + left, right - left, 0u);
                break;
            case ui::FrameDisposal::Previous:
                canvas = before;
                break;
        }
    }
    return result;
}

}  // namespace

std::vector<TGIFFrame> DecodeGIFFrames(std::span<const std::byte> gifData) {
    ui::Graphics* graphics = ui::GetGraphics();
    if (graphics == nullptr || gifData.empty()) return {};
    try {
        return ComposeFrames(*graphics, gifData);
    } catch (const std::exception& e) {
        // The picture then shows itself, unanimated: a paint must not end here.
        HandleException(&e, u"TesseraGraphic", u"uSkinPicture", u"DecodeGIFFrames", u"");
        return {};
    }
}

}  // namespace skin
