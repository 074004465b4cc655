#pragma once

#include <d2d1_1.h>
#include <d3d11.h>
#include <dwrite.h>
#include <wincodec.h>
#include <wrl/client.h>

namespace platform::win32 {

using Microsoft::WRL::ComPtr;

// The process's Direct2D, Direct3D, DirectWrite and WIC objects, made once by the drawing services on the UI
// thread. Every canvas draws through its own device context of the one Direct2D device, so bitmaps made on
// any of them can be drawn on all of them.
class D2DFactories {
public:
    // Throws std::runtime_error when one of the services cannot be started.
    D2DFactories();
    D2DFactories(const D2DFactories&) = delete;
    D2DFactories& operator=(const D2DFactories&) = delete;
    ~D2DFactories();

    ID2D1Factory1* D2D() const { return d2d_.Get(); }
    ID2D1Device* Device() const { return device_.Get(); }
    IDWriteFactory* DWrite() const { return dwrite_.Get(); }
    IWICImagingFactory* Wic() const { return wic_.Get(); }
    // The device context that makes bitmaps and copies their pixels; it never draws.
    ID2D1DeviceContext* ResourceContext() const { return resourceContext_.Get(); }
    // The device context that renders texts into their bitmaps (D2DTextBitmap); no canvas draws through it.
    ID2D1DeviceContext* TextContext() const { return textContext_.Get(); }
    // The stroke style of dashed outlines.
    ID2D1StrokeStyle* DashStyle() const { return dash_.Get(); }

    // A new device context of the device, for one canvas.
    ComPtr<ID2D1DeviceContext> CreateDeviceContext() const;

private:
    // Releases the COM objects, then COM itself.
    void Release() noexcept;

    bool comInitialised_ = false;
    ComPtr<ID2D1Factory1> d2d_;
    ComPtr<ID3D11Device> d3d_;
    ComPtr<ID2D1Device> device_;
    ComPtr<ID2D1DeviceContext> resourceContext_;
    ComPtr<ID2D1DeviceContext> textContext_;
    ComPtr<IDWriteFactory> dwrite_;
    ComPtr<IWICImagingFactory> wic_;
    ComPtr<ID2D1StrokeStyle> dash_;
};

}  // namespace platform::win32
