#pragma once

#include <wincodec.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ui/bitmap.h"

// Image files through WIC: decoding to premultiplied BGRA and encoding as PNG.
namespace platform::win32 {

struct DecodedImage {
    int width = 0;
    int height = 0;
    // Premultiplied BGRA words, rows of width words.
    std::vector<uint32_t> pixels;
};

// Decodes a PNG, JPEG, BMP or GIF (its first frame) or any other format WIC knows; nothing (logged) when the
// bytes are not an image WIC can read.
std::optional<DecodedImage> DecodeImage(IWICImagingFactory* wic, std::span<const std::byte> encoded);

// One stored frame of an animated image.
struct DecodedFrame {
    DecodedImage image;
    int left = 0;
    int top = 0;
    int delayMs = 0;
    // The GIF disposal method: 0 or 1 keep, 2 background, 3 previous.
    int disposal = 0;
};

struct DecodedFrames {
    int width = 0;
    int height = 0;
    std::vector<DecodedFrame> frames;
};

// Every frame of a GIF with its place, delay and disposal; the canvas size from the logical screen (or, when
// the data does not give it, the extent of the frames). Nothing (logged) when the bytes are not a GIF WIC can
// read.
std::optional<DecodedFrames> DecodeGifFrames(IWICImagingFactory* wic, std::span<const std::byte> encoded);

// The pixels (premultiplied BGRA) as a PNG file with straight alpha; empty (logged) on failure.
std::vector<std::byte> EncodePng(IWICImagingFactory* wic, const ui::BitmapPixels& pixels);

}  // namespace platform::win32
