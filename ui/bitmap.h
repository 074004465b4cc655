#pragma once

#include <cstdint>

#include "ui/canvas.h"

namespace ui {

class Stream;

// A bitmap's pixels while mapped: premultiplied 32-bit BGRA (0xAARRGGBB as a little-endian word), rows of
// stride words.
struct BitmapPixels {
    uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    uint32_t& At(int x, int y) const { return data[static_cast<size_t>(y) * stride + x]; }
};

// What a mapping of a bitmap's pixels is for: reading them only, or changing them as well.
enum class MapAccess { Read, ReadWrite };

// A raster image in device pixels with a scale (device pixels per logical pixel) and a canvas to draw on it.
class Bitmap {
public:
    virtual ~Bitmap() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual float BitmapScale() const = 0;
    // The canvas that draws into this bitmap (between its BeginScene and EndScene).
    virtual Canvas& GetCanvas() = 0;
    // Gives access to the pixels until Unmap; pixels mapped for writing go back into the bitmap then.
    virtual BitmapPixels Map(MapAccess access) = 0;
    virtual void Unmap() = 0;
    // Encodes the bitmap as PNG at the stream's position.
    virtual void SaveToPng(Stream& stream) = 0;
};

}  // namespace ui
