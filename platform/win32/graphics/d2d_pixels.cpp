#include "platform/win32/graphics/d2d_pixels.h"

#include <cstring>
#include <vector>

#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

Microsoft::WRL::ComPtr<ID2D1Bitmap1> CreateDeviceBitmap(ID2D1DeviceContext* context, int width, int height,
                                                        D2D1_BITMAP_OPTIONS options, const uint32_t* pixels) {
    std::vector<uint32_t> transparent;
    // Only bitmaps that can be drawn or drawn on need defined contents; a read-back copy is always overwritten.
    if (!pixels && !(options & D2D1_BITMAP_OPTIONS_CPU_READ)) {
        transparent.assign(static_cast<size_t>(width) * height, 0u);
        pixels = transparent.data();
    }
    const D2D1_BITMAP_PROPERTIES1 properties = D2D1::BitmapProperties1(
        options, D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96.0f, 96.0f);
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> bitmap;
    ThrowIfFailed(context->CreateBitmap(D2D1::SizeU(static_cast<UINT32>(width), static_cast<UINT32>(height)), pixels,
                                        static_cast<UINT32>(width) * 4, properties, &bitmap),
                  "ID2D1DeviceContext::CreateBitmap");
    return bitmap;
}

bool ReadPixels(ID2D1Bitmap1* source, ID2D1Bitmap1* readback, const PixelRect& rect, uint32_t* destination,
                int destinationStride) {
    if (!source || !readback || rect.right <= rect.left || rect.bottom <= rect.top) return false;
    const D2D1_POINT_2U at = D2D1::Point2U(static_cast<UINT32>(rect.left), static_cast<UINT32>(rect.top));
    const D2D1_RECT_U area = D2D1::RectU(static_cast<UINT32>(rect.left), static_cast<UINT32>(rect.top),
                                         static_cast<UINT32>(rect.right), static_cast<UINT32>(rect.bottom));
    if (!LogIfFailed(readback->CopyFromBitmap(&at, source, &area), u"ID2D1Bitmap::CopyFromBitmap")) return false;
    D2D1_MAPPED_RECT mapped{};
    if (!LogIfFailed(readback->Map(D2D1_MAP_OPTIONS_READ, &mapped), u"ID2D1Bitmap1::Map")) return false;
    const size_t rowBytes = static_cast<size_t>(rect.right - rect.left) * 4;
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::memcpy(destination + static_cast<size_t>(y - rect.top) * destinationStride,
                    mapped.bits + static_cast<size_t>(y) * mapped.pitch + static_cast<size_t>(rect.left) * 4, rowBytes);
    }
    LogIfFailed(readback->Unmap(), u"ID2D1Bitmap1::Unmap");
    return true;
}

}  // namespace platform::win32
