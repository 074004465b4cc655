#include "platform/win32/window/window_base.h"

#include <stdexcept>

namespace platform::win32 {

void WindowBase::Create(const WindowDescription& description, const char* failure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowBase::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = description.cursor;
    windowClass.hIcon = description.icon;
    windowClass.lpszClassName = description.className;
    RegisterClassExW(&windowClass);  // already registered by an earlier window: fine

    window_ = CreateWindowExW(description.exStyle, description.className, description.title, description.style, 0, 0, 1,
                              1, description.parent, nullptr, instance, this);
    if (window_ == nullptr) throw std::runtime_error(failure);
}

void WindowBase::Destroy() {
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
}

LRESULT CALLBACK WindowBase::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Messages of the creation itself come before the object knows its window.
    if (self == nullptr || self->window_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_DESTROY) self->window_ = nullptr;
    return result;
}

ui::PointF WindowBase::LogicalClientToScreen(ui::PointF point, float scale) const {
    RECT window{};
    GetWindowRect(window_, &window);
    return {window.left / scale + point.x, window.top / scale + point.y};
}

ui::PointF WindowBase::LogicalScreenToClient(ui::PointF point, float scale) const {
    RECT window{};
    GetWindowRect(window_, &window);
    return {point.x - window.left / scale, point.y - window.top / scale};
}

}  // namespace platform::win32
