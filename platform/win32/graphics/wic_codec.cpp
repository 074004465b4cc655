#include "platform/win32/graphics/wic_codec.h"

#include <objbase.h>
#include <wrl/client.h>

#include <cstring>
#include <limits>

#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

using Microsoft::WRL::ComPtr;

std::optional<DecodedImage> DecodeImage(IWICImagingFactory* wic, std::span<const std::byte> encoded) {
    if (encoded.empty() || encoded.size() > std::numeric_limits<DWORD>::max()) {
        LogGraphics(u"no image data to decode");
        return std::nullopt;
    }
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    // WIC only reads the buffer; InitializeFromMemory just does not say so in its signature.
    if (!LogIfFailed(wic->CreateStream(&stream), u"IWICImagingFactory::CreateStream") ||
        !LogIfFailed(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<std::byte*>(encoded.data())),
                                                  static_cast<DWORD>(encoded.size())),
                     u"IWICStream::InitializeFromMemory") ||
        !LogIfFailed(wic->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder),
                     u"WIC image decoding") ||
        !LogIfFailed(decoder->GetFrame(0, &frame), u"IWICBitmapDecoder::GetFrame") ||
        !LogIfFailed(wic->CreateFormatConverter(&converter), u"IWICImagingFactory::CreateFormatConverter") ||
        !LogIfFailed(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                           0.0, WICBitmapPaletteTypeCustom),
                     u"IWICFormatConverter::Initialize")) {
        return std::nullopt;
    }
    UINT width = 0, height = 0;
    if (!LogIfFailed(converter->GetSize(&width, &height), u"IWICBitmapSource::GetSize")) return std::nullopt;
    if (width == 0 || height == 0 || width > 32768 || height > 32768) {
        LogGraphics(u"image size out of range");
        return std::nullopt;
    }
    DecodedImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<size_t>(width) * height);
    if (!LogIfFailed(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(image.pixels.size() * 4),
                                           reinterpret_cast<BYTE*>(image.pixels.data())),
                     u"IWICBitmapSource::CopyPixels")) {
        return std::nullopt;
    }
    return image;
}

std::vector<std::byte> EncodePng(IWICImagingFactory* wic, const ui::BitmapPixels& pixels) {
    if (!pixels.data || pixels.width <= 0 || pixels.height <= 0) {
        LogGraphics(u"PNG encoding of an empty bitmap");
        return {};
    }
    const UINT stride = static_cast<UINT>(pixels.stride) * 4;
    ComPtr<IWICBitmap> source;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    // The bitmap copies the pixels; the converter WriteSource puts in between turns premultiplied alpha into
    // the PNG's straight alpha.
    if (!LogIfFailed(wic->CreateBitmapFromMemory(static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height),
                                                 GUID_WICPixelFormat32bppPBGRA, stride,
                                                 stride * static_cast<UINT>(pixels.height),
                                                 reinterpret_cast<BYTE*>(pixels.data), &source),
                     u"IWICImagingFactory::CreateBitmapFromMemory") ||
        !LogIfFailed(CreateStreamOnHGlobal(nullptr, TRUE, &stream), u"CreateStreamOnHGlobal") ||
        !LogIfFailed(wic->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder),
                     u"IWICImagingFactory::CreateEncoder") ||
        !LogIfFailed(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), u"IWICBitmapEncoder::Initialize") ||
        !LogIfFailed(encoder->CreateNewFrame(&frame, nullptr), u"IWICBitmapEncoder::CreateNewFrame") ||
        !LogIfFailed(frame->Initialize(nullptr), u"IWICBitmapFrameEncode::Initialize") ||
        !LogIfFailed(frame->SetSize(static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height)),
                     u"IWICBitmapFrameEncode::SetSize")) {
        return {};
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    if (!LogIfFailed(frame->SetPixelFormat(&format), u"IWICBitmapFrameEncode::SetPixelFormat")) return {};
    ComPtr<IWICBitmapSource> input = source;
    if (format != GUID_WICPixelFormat32bppPBGRA) {
        ComPtr<IWICFormatConverter> converter;
        if (!LogIfFailed(wic->CreateFormatConverter(&converter), u"IWICImagingFactory::CreateFormatConverter") ||
            !LogIfFailed(converter->Initialize(source.Get(), format, WICBitmapDitherTypeNone, nullptr, 0.0,
                                               WICBitmapPaletteTypeCustom),
                         u"IWICFormatConverter::Initialize")) {
            return {};
        }
        input = converter;
    }
    if (!LogIfFailed(frame->WriteSource(input.Get(), nullptr), u"IWICBitmapFrameEncode::WriteSource") ||
        !LogIfFailed(frame->Commit(), u"IWICBitmapFrameEncode::Commit") ||
        !LogIfFailed(encoder->Commit(), u"IWICBitmapEncoder::Commit")) {
        return {};
    }
    HGLOBAL memory = nullptr;
    if (!LogIfFailed(GetHGlobalFromStream(stream.Get(), &memory), u"GetHGlobalFromStream")) return {};
    STATSTG stat{};
    if (!LogIfFailed(stream->Stat(&stat, STATFLAG_NONAME), u"IStream::Stat")) return {};
    const auto* bytes = static_cast<const std::byte*>(GlobalLock(memory));
    if (!bytes) {
        LogIfFailed(HRESULT_FROM_WIN32(GetLastError()), u"GlobalLock");
        return {};
    }
    std::vector<std::byte> png(bytes, bytes + stat.cbSize.QuadPart);
    GlobalUnlock(memory);
    return png;
}

}  // namespace platform::win32
