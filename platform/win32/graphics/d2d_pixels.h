#pragma once

#include <d2d1_1.h>
#include <wrl/client.h>

#include <cstdint>

// Moving pixels in and out of Direct2D bitmaps.
namespace platform::win32 {

// A premultiplied BGRA bitmap of the device at 96 DPI with the options; pixels (rows of width words) fill it,
// otherwise it starts transparent. Throws std::runtime_error when Direct2D refuses.
Microsoft::WRL::ComPtr<ID2D1Bitmap1> CreateDeviceBitmap(ID2D1DeviceContext* context, int width, int height,
                                                        D2D1_BITMAP_OPTIONS options, const uint32_t* pixels);

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Copies the rectangle of source into readback (a CPU-readable bitmap of the same size) and from there to
// destination, whose rows are destinationStride words apart and whose first word is the rectangle's top-left
// pixel. Returns false (logged) on failure.
bool ReadPixels(ID2D1Bitmap1* source, ID2D1Bitmap1* readback, const PixelRect& rect, uint32_t* destination,
                int destinationStride);

}  // namespace platform::win32
