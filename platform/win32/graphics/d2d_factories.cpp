#include "platform/win32/graphics/d2d_factories.h"

#include <objbase.h>

#include "platform/startup_marks.h"
#include "platform/win32/graphics/hresult_log.h"
#include "platform/win32/system_library.h"

namespace platform::win32 {

namespace {

using D3D11CreateDeviceFunction = HRESULT WINAPI(IDXGIAdapter*, D3D_DRIVER_TYPE, HMODULE, UINT,
                                                 const D3D_FEATURE_LEVEL*, UINT, UINT, ID3D11Device**,
                                                 D3D_FEATURE_LEVEL*, ID3D11DeviceContext**);
using D2D1CreateFactoryFunction = HRESULT WINAPI(D2D1_FACTORY_TYPE, REFIID, const D2D1_FACTORY_OPTIONS*, void**);
using DWriteCreateFactoryFunction = HRESULT WINAPI(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);

// The function from the system DLL; throws, as a failed call would, when it is missing.
template <typename Function>
Function* RequiredFunction(const wchar_t* library, const char* name) {
    Function* function = SystemFunction<Function>(library, name);
    if (function == nullptr) ThrowIfFailed(HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND), name);
    return function;
}

// The software rasteriser first: a small window that is read back after every frame is drawn fastest on the
// CPU, and a software device is never lost. The hardware device serves when there is no software one.
ComPtr<ID3D11Device> CreateD3DDevice() {
    ComPtr<ID3D11Device> device;
    const UINT flags = D3D11_CREATE_DEVICE_BGRA_SUPPORT;
    auto* const createDevice = RequiredFunction<D3D11CreateDeviceFunction>(L"d3d11.dll", "D3D11CreateDevice");
    HRESULT hr = createDevice(nullptr, D3D_DRIVER_TYPE_WARP, nullptr, flags, nullptr, 0, D3D11_SDK_VERSION, &device,
                              nullptr, nullptr);
    if (FAILED(hr)) {
        LogIfFailed(hr, u"D3D11CreateDevice (WARP)");
        hr = createDevice(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, flags, nullptr, 0, D3D11_SDK_VERSION, &device,
                          nullptr, nullptr);
    }
    ThrowIfFailed(hr, "D3D11CreateDevice");
    return device;
}

}  // namespace

D2DFactories::D2DFactories() {
    // WIC needs COM on this thread. S_FALSE (already initialised) still has to be balanced; RPC_E_CHANGED_MODE
    // means the thread runs the other apartment model, which serves as well and is not ours to end.
    comInitialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    try {
        D2D1_FACTORY_OPTIONS options{};
        auto* const createFactory = RequiredFunction<D2D1CreateFactoryFunction>(L"d2d1.dll", "D2D1CreateFactory");
        ThrowIfFailed(createFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory1), &options,
                                    reinterpret_cast<void**>(d2d_.GetAddressOf())),
                      "D2D1CreateFactory");
        d3d_ = CreateD3DDevice();
        ComPtr<IDXGIDevice> dxgi;
        ThrowIfFailed(d3d_.As(&dxgi), "IDXGIDevice query");
        ThrowIfFailed(d2d_->CreateDevice(dxgi.Get(), &device_), "ID2D1Factory1::CreateDevice");
        resourceContext_ = CreateDeviceContext();
        textContext_ = CreateDeviceContext();
        MarkStartup("device");
        auto* const createWriteFactory =
            RequiredFunction<DWriteCreateFactoryFunction>(L"dwrite.dll", "DWriteCreateFactory");
        ThrowIfFailed(createWriteFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                         reinterpret_cast<IUnknown**>(dwrite_.GetAddressOf())),
                      "DWriteCreateFactory");
        ThrowIfFailed(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&wic_)),
                      "WIC imaging factory");
        const D2D1_STROKE_STYLE_PROPERTIES dash{D2D1_CAP_STYLE_FLAT,
                                                D2D1_CAP_STYLE_FLAT,
                                                D2D1_CAP_STYLE_FLAT,
                                                D2D1_LINE_JOIN_MITER,
                                                10.0f,
                                                D2D1_DASH_STYLE_DASH,
                                                0.0f};
        ThrowIfFailed(d2d_->CreateStrokeStyle(dash, nullptr, 0, &dash_), "ID2D1Factory::CreateStrokeStyle");
    } catch (...) {
        Release();
        throw;
    }
}

D2DFactories::~D2DFactories() { Release(); }

void D2DFactories::Release() noexcept {
    dash_.Reset();
    wic_.Reset();
    dwrite_.Reset();
    textContext_.Reset();
    resourceContext_.Reset();
    device_.Reset();
    d3d_.Reset();
    d2d_.Reset();
    if (comInitialised_) CoUninitialize();
    comInitialised_ = false;
}

ComPtr<ID2D1DeviceContext> D2DFactories::CreateDeviceContext() const {
    ComPtr<ID2D1DeviceContext> context;
    ThrowIfFailed(device_->CreateDeviceContext(D2D1_DEVICE_CONTEXT_OPTIONS_NONE, &context),
                  "ID2D1Device::CreateDeviceContext");
    // Frames are transparent layered windows: grey-scale text keeps its alpha, ClearType would not.
    context->SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE_GRAYSCALE);
    // Every bitmap is made at 96 DPI and the canvas scale is part of the transform, so one unit is one pixel.
    context->SetDpi(96.0f, 96.0f);
    return context;
}

}  // namespace platform::win32
