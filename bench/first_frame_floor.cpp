// The floors of the installer's first frame: a trivial layered window of the given size, shown with one
// UpdateLayeredWindow of a plain frame, optionally after creating the drawing devices the installer creates first
// (a Direct3D 11 WARP device and a Direct2D device context on it). setup_first_frame_bench starts it and times it
// like the installer: from process start to the window being visible.
//   first_frame_floor.exe WIDTH HEIGHT [--device]
#include <windows.h>
#include <d2d1_1.h>
#include <d3d11.h>
#include <dxgi.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// The installer's first steps on the graphics side: the WARP device, the Direct2D device and a context.
bool CreateDevices() {
    ID2D1Factory1* factory = nullptr;
    ID3D11Device* d3d = nullptr;
    IDXGIDevice* dxgi = nullptr;
    ID2D1Device* device = nullptr;
    ID2D1DeviceContext* context = nullptr;
    D2D1_FACTORY_OPTIONS options{};
    bool ok = SUCCEEDED(D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory1), &options,
                                          reinterpret_cast<void**>(&factory))) &&
              SUCCEEDED(D3D11CreateDevice(nullptr, D3D_DRIVER_TYPE_WARP, nullptr, D3D11_CREATE_DEVICE_BGRA_SUPPORT,
                                          nullptr, 0, D3D11_SDK_VERSION, &d3d, nullptr, nullptr)) &&
              SUCCEEDED(d3d->QueryInterface(__uuidof(IDXGIDevice), reinterpret_cast<void**>(&dxgi))) &&
              SUCCEEDED(factory->CreateDevice(dxgi, &device)) &&
              SUCCEEDED(device->CreateDeviceContext(D2D1_DEVICE_CONTEXT_OPTIONS_NONE, &context));
    // Kept alive until the process ends, as the installer keeps its devices.
    (void)context;
    return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count < 3) return 2;
    const int width = std::wcstol(args[1], nullptr, 10);
    const int height = std::wcstol(args[2], nullptr, 10);
    const bool device = count > 3 && std::wcscmp(args[3], L"--device") == 0;
    LocalFree(args);
    if (width <= 0 || height <= 0) return 2;
    if (device && !CreateDevices()) return 3;

    const HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"Velnix first frame floor",
                                        WS_POPUP, 100, 100, width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 4;
    // A plain frame: premultiplied opaque grey.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) return 5;
    std::memset(bits, 0x80, static_cast<size_t>(width) * height * 4);
    SelectObject(dc, bitmap);
    POINT source{0, 0};
    SIZE size{width, height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, nullptr, &size, dc, &source, 0, &blend, ULW_ALPHA);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
