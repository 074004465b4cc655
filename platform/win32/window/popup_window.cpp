#include "platform/win32/window/popup_window.h"

#include <windowsx.h>

#include <cmath>
#include <stdexcept>

#include "platform/log.h"
#include "platform/win32/window/window_input.h"
#include "ui/popup.h"

namespace platform::win32 {

namespace {

constexpr UINT kPaintMessage = WM_APP + 1;

}  // namespace

ui::RectF MonitorWorkArea(ui::PointF screenPoint, float scale) {
    const POINT point{static_cast<LONG>(std::lround(screenPoint.x * scale)),
                      static_cast<LONG>(std::lround(screenPoint.y * scale))};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor)) {
        platform::Log(u"Window", u"no monitor information for the popup");
        return {-1e6f, -1e6f, 1e6f, 1e6f};
    }
    const RECT& work = monitor.rcWork;
    return {work.left / scale, work.top / scale, work.right / scale, work.bottom / scale};
}

PopupWindow::PopupWindow(HWND owner, D2DGraphics& graphics) : surface_(graphics) {
    Create({.className = L"VelnixPopupWindow",
            .cursor = LoadCursorW(nullptr, IDC_ARROW),
            .exStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
            .style = WS_POPUP,
            .parent = owner},
           "Cannot create the popup window");
}

PopupWindow::~PopupWindow() {
    Hide();
    Destroy();
}

void PopupWindow::Show(ui::Popup& popup, const RECT& rect, float scale) {
    Hide();
    if (Handle() == nullptr) return;
    popup_ = &popup;
    scale_ = scale;
    popup.SetHost(this);
    surface_.Resize(popup.Width(), popup.Height(), scale);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, surface_.Width(), surface_.Height(), SWP_NOACTIVATE);
    Paint();
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    SetCapture(Handle());
}

void PopupWindow::Hide() {
    ui::Popup* popup = popup_;
    if (popup == nullptr) return;
    // Forgotten first: releasing the capture below reports back here.
    popup_ = nullptr;
    if (popup->Host() == this) popup->SetHost(nullptr);
    if (Handle() == nullptr) return;
    ShowWindow(Handle(), SW_HIDE);
    if (GetCapture() == Handle()) ReleaseCapture();
}

void PopupWindow::PaintNow() { Paint(); }

void PopupWindow::Paint() {
    paintPosted_ = false;
    if (popup_ != nullptr && Handle() != nullptr) surface_.Paint(*popup_, Handle());
}

void PopupWindow::Invalidate(const ui::RectF& rect) {
    if (surface_.Invalidate(rect) && !paintPosted_ && Handle() != nullptr) {
        paintPosted_ = PostMessageW(Handle(), kPaintMessage, 0, 0) != FALSE;
    }
}

void PopupWindow::ClientSizeChanged(float width, float height) {
    if (popup_ == nullptr || Handle() == nullptr) return;
    surface_.Resize(width, height, scale_);
    SetWindowPos(Handle(), nullptr, 0, 0, surface_.Width(), surface_.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate({0, 0, width, height});
}

ui::PointF PopupWindow::ClientToScreen(ui::PointF point) const { return LogicalClientToScreen(point, scale_); }

ui::PointF PopupWindow::ScreenToClient(ui::PointF point) const { return LogicalScreenToClient(point, scale_); }

ui::RectF PopupWindow::WorkAreaAt(ui::PointF screenPoint) const { return MonitorWorkArea(screenPoint, scale_); }

bool PopupWindow::HandleKey(UINT message, WPARAM wParam) {
    if (popup_ == nullptr) return false;
    return DispatchKey(*popup_, message, wParam);
}

void PopupWindow::HandleWheel(WPARAM wParam, LPARAM lParam) {
    if (popup_ == nullptr) return;
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(Handle(), &point);
    popup_->HandleMouseWheel(ShiftFromKeys(GET_KEYSTATE_WPARAM(wParam)), GET_WHEEL_DELTA_WPARAM(wParam),
                             point.x / scale_, point.y / scale_);
}

void PopupWindow::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (popup_ == nullptr) return;
    const int deviceX = GET_X_LPARAM(lParam);
    const int deviceY = GET_Y_LPARAM(lParam);
    const float x = static_cast<float>(deviceX) / scale_;
    const float y = static_cast<float>(deviceY) / scale_;
    const ui::ShiftState shift = ShiftFromKeys(GET_KEYSTATE_WPARAM(wParam));
    ui::MouseButton button = ui::MouseButton::Left;
    switch (message) {
        case WM_MOUSEMOVE:
            popup_->HandleMouseMove(shift, x, y);
            return;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            button = ui::MouseButton::Right;
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            button = ui::MouseButton::Middle;
            break;
        default:
            break;
    }
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        const bool inside = deviceX >= 0 && deviceY >= 0 && deviceX < surface_.Width() && deviceY < surface_.Height();
        if (!inside) {
            // Pressed elsewhere: the popup closes and the press goes no further.
            popup_->Close();
            return;
        }
        popup_->HandleMouseDown(button, shift, x, y);
    } else {
        popup_->HandleMouseUp(button, shift, x, y);
    }
}

LRESULT PopupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kPaintMessage:
            Paint();
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            HandleMouse(message, wParam, lParam);
            return 0;
        case WM_MOUSEWHEEL:
            HandleWheel(wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            // Another window took the mouse (or the system did): the popup cannot stay.
            if (popup_ != nullptr && reinterpret_cast<HWND>(lParam) != Handle()) popup_->Close();
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            HandleKey(message, wParam);
            return 0;
        case WM_DESTROY:
            // Destroyed with the owner window while this object lives on: the popup closes.
            if (popup_ != nullptr) popup_->Close();
            Hide();
            return 0;
        default:
            return DefWindowProcW(Handle(), message, wParam, lParam);
    }
}

}  // namespace platform::win32
