#include "platform/win32/graphics/wic_codec.h"

#include <objbase.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

constexpr UINT kMaxImageSide = 32768;

ComPtr<IWICBitmapDecoder> CreateDecoder(IWICImagingFactory* wic, std::span<const std::byte> encoded) {
    if (encoded.empty() || encoded.size() > std::numeric_limits<DWORD>::max()) {
        LogGraphics(u"no image data to decode");
        return nullptr;
    }
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    // WIC only reads the buffer; InitializeFromMemory just does not say so in its signature.
    if (!LogIfFailed(wic->CreateStream(&stream), u"IWICImagingFactory::CreateStream") ||
        !LogIfFailed(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<std::byte*>(encoded.data())),
                                                  static_cast<DWORD>(encoded.size())),
                     u"IWICStream::InitializeFromMemory") ||
        !LogIfFailed(wic->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder),
                     u"WIC image decoding")) {
        return nullptr;
    }
    return decoder;
}

// The frame's pixels as premultiplied BGRA.
std::optional<DecodedImage> ConvertFrame(IWICImagingFactory* wic, IWICBitmapFrameDecode* frame) {
    ComPtr<IWICFormatConverter> converter;
    if (!LogIfFailed(wic->CreateFormatConverter(&converter), u"IWICImagingFactory::CreateFormatConverter") ||
        !LogIfFailed(converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                           WICBitmapPaletteTypeCustom),
                     u"IWICFormatConverter::Initialize")) {
        return std::nullopt;
    }
    UINT width = 0, height = 0;
    if (!LogIfFailed(converter->GetSize(&width, &height), u"IWICBitmapSource::GetSize")) return std::nullopt;
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) {
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

// An unsigned number of the metadata at the query path; fallback when there is none.
int MetadataNumber(IWICMetadataQueryReader* reader, const wchar_t* path, int fallback) {
    if (reader == nullptr) return fallback;
    PROPVARIANT value;
    PropVariantInit(&value);
    int result = fallback;
    if (SUCCEEDED(reader->GetMetadataByName(path, &value))) {
        switch (value.vt) {
            case VT_UI1:
                result = value.bVal;
                break;
            case VT_UI2:
                result = value.uiVal;
                break;
            case VT_UI4:
                result = static_cast<int>(std::min<ULONG>(value.ulVal, kMaxImageSide));
                break;
            default:
                break;
        }
    }
    PropVariantClear(&value);
    return result;
}

}  // namespace

std::optional<DecodedImage> DecodeImage(IWICImagingFactory* wic, std::span<const std::byte> encoded) {
    ComPtr<IWICBitmapDecoder> decoder = CreateDecoder(wic, encoded);
    ComPtr<IWICBitmapFrameDecode> frame;
    if (!decoder || !LogIfFailed(decoder->GetFrame(0, &frame), u"IWICBitmapDecoder::GetFrame")) return std::nullopt;
    return ConvertFrame(wic, frame.Get());
}

std::optional<DecodedFrames> DecodeGifFrames(IWICImagingFactory* wic, std::span<const std::byte> encoded) {
    ComPtr<IWICBitmapDecoder> decoder = CreateDecoder(wic, encoded);
    if (!decoder) return std::nullopt;
    GUID container{};
    if (!LogIfFailed(decoder->GetContainerFormat(&container), u"IWICBitmapDecoder::GetContainerFormat")) {
        return std::nullopt;
    }
    if (container != GUID_ContainerFormatGif) {
        LogGraphics(u"the animated picture data is not a GIF");
        return std::nullopt;
    }
    UINT count = 0;
    if (!LogIfFailed(decoder->GetFrameCount(&count), u"IWICBitmapDecoder::GetFrameCount") || count == 0) {
        return std::nullopt;
    }
    ComPtr<IWICMetadataQueryReader> screen;
    if (FAILED(decoder->GetMetadataQueryReader(&screen))) screen = nullptr;
    DecodedFrames result;
    int extentWidth = 0, extentHeight = 0;
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IWICBitmapFrameDecode> frame;
        if (!LogIfFailed(decoder->GetFrame(i, &frame), u"IWICBitmapDecoder::GetFrame")) return std::nullopt;
        std::optional<DecodedImage> image = ConvertFrame(wic, frame.Get());
        if (!image) return std::nullopt;
        ComPtr<IWICMetadataQueryReader> metadata;
        if (FAILED(frame->GetMetadataQueryReader(&metadata))) metadata = nullptr;
        DecodedFrame decoded;
        decoded.left = MetadataNumber(metadata.Get(), L"/imgdesc/Left", 0);
        decoded.top = MetadataNumber(metadata.Get(), L"/imgdesc/Top", 0);
        decoded.delayMs = MetadataNumber(metadata.Get(), L"/grctlext/Delay", 0) * 10;
        decoded.disposal = MetadataNumber(metadata.Get(), L"/grctlext/Disposal", 0);
        extentWidth = std::max(extentWidth, decoded.left + image->width);
        extentHeight = std::max(extentHeight, decoded.top + image->height);
        decoded.image = std::move(*image);
        result.frames.push_back(std::move(decoded));
    }
    result.width = MetadataNumber(screen.Get(), L"/logscrdesc/Width", 0);
    result.height = MetadataNumber(screen.Get(), L"/logscrdesc/Height", 0);
    if (result.width <= 0 || result.height <= 0) {
        result.width = extentWidth;
        result.height = extentHeight;
    }
    return result;
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
