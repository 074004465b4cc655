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

// The pixels (premultiplied BGRA) as a PNG file with straight alpha; empty (logged) on failure.
std::vector<std::byte> EncodePng(IWICImagingFactory* wic, const ui::BitmapPixels& pixels);

}  // namespace platform::win32
