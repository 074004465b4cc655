#include "platform/win32/window/layered_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/log.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window/popup_window.h"
#include "platform/win32/window/window_input.h"
#include "ui/form.h"
#include "ui/popup.h"
#include "ui/popup_menu.h"
#include "ui/text.h"

namespace platform::win32 {

namespace {

constexpr UINT kPaintMessage = WM_APP + 1;

// The system cursor for a pointer shape (the arrow for the shapes Windows has no cursor for).
LPCWSTR SystemCursor(ui::CursorShape shape) {
    using S = ui::CursorShape;
    switch (shape) {
        case S::IBeam: return IDC_IBEAM;
        case S::HourGlass: case S::SQLWait: return IDC_WAIT;
        case S::Cross: return IDC_CROSS;
        case S::SizeAll: return IDC_SIZEALL;
        case S::SizeNESW: return IDC_SIZENESW;
        case S::SizeNS: case S::VSplit: return IDC_SIZENS;
        case S::SizeNWSE: return IDC_SIZENWSE;
        case S::SizeWE: case S::HSplit: return IDC_SIZEWE;
        case S::UpArrow: return IDC_UPARROW;
        case S::No: case S::NoDrop: return IDC_NO;
        case S::HandPoint: return IDC_HAND;
        case S::AppStart: return IDC_APPSTARTING;
        case S::Help: return IDC_HELP;
        default: return IDC_ARROW;
    }
}

}  // namespace

void EnablePerMonitorDpiAwareness() {
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto setContext = user32 != nullptr ? reinterpret_cast<SetContext>(reinterpret_cast<void*>(
                                              GetProcAddress(user32, "SetProcessDpiAwarenessContext")))
                                        : nullptr;
    if (setContext != nullptr && (setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) ||
                                  setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE))) {
        return;
    }
    SetProcessDPIAware();
}

LayeredWindow::LayeredWindow(ui::Form& form, D2DGraphics& graphics)
    : form_(form), graphics_(graphics), surface_(graphics) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Borderless and per-pixel transparent; WS_EX_APPWINDOW puts the caption in the task bar.
    Create({.className = L"VelnixLayeredWindow",
            .cursor = LoadCursorW(nullptr, IDC_ARROW),
            .icon = LoadIconW(instance, L"MAINICON"),
            .exStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_APPWINDOW,
            .style = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU,
            .title = Wide(form_.Caption()).c_str()},
           "Cannot create the window");

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    using InitControls = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
    if (auto* const initControls = SystemFunction<InitControls>(L"comctl32.dll", "InitCommonControlsEx")) {
        initControls(&controls);
    } else {
        platform::Log(u"Window", u"the common controls are missing; the window has no tooltips");
    }
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, instance, nullptr);
    if (tooltip_ != nullptr) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.hwnd = Handle();
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }

    UINT dpi = 96;
    using GetDpi = UINT(WINAPI*)(HWND);
    if (auto getDpi = reinterpret_cast<GetDpi>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")))) {
        dpi = getDpi(Handle());
    } else {
        const HDC screen = GetDC(nullptr);
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    scale_ = dpi > 0 ? static_cast<float>(dpi) / 96.0f : 1.0f;
    graphics_.SetScreenScale(scale_);
    form_.SetHost(this);
}

LayeredWindow::~LayeredWindow() {
    if (ui::Popup* popup = OpenedPopup()) popup->Close();
    popups_.reset();
    if (form_.Host() == this) form_.SetHost(nullptr);
    Destroy();
}

void LayeredWindow::CreateFrame() {
    surface_.Resize(form_.Width(), form_.Height(), scale_);
    glow_.Reset();
}

void LayeredWindow::PlaceWindow(const RECT* suggested) {
    int x = 0;
    int y = 0;
    if (suggested != nullptr) {
        x = suggested->left;
        y = suggested->top;
    } else {
        // Centred on the monitor the window is on (the primary one at first).
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& area = monitor.rcMonitor;
        x = area.left + (area.right - area.left - surface_.Width()) / 2;
        y = area.top + (area.bottom - area.top - surface_.Height()) / 2;
    }
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, surface_.Width(), surface_.Height(), SWP_NOACTIVATE);
}

void LayeredWindow::Show() {
    CreateFrame();
    PlaceWindow(nullptr);
    Paint();
    ShowWindow(Handle(), SW_SHOW);
}

void LayeredWindow::Invalidate(const ui::RectF& rect) {
    if (surface_.Invalidate(rect) && !paintPosted_ && Handle() != nullptr) {
        paintPosted_ = PostMessageW(Handle(), kPaintMessage, 0, 0) != FALSE;
    }
}

void LayeredWindow::PaintNow() { Paint(); }

void LayeredWindow::Paint() {
    paintPosted_ = false;
    if (Handle() != nullptr) surface_.Paint(form_, Handle());
}

void LayeredWindow::CaptionChanged(std::u16string_view caption) { SetWindowTextW(Handle(), Wide(caption).c_str()); }

void LayeredWindow::ClientSizeChanged(float, float) {
    if (surface_.Frame() == nullptr) return;
    CreateFrame();
    RECT current{};
    GetWindowRect(Handle(), &current);
    PlaceWindow(&current);
    Invalidate(form_.LocalRect());
}

void LayeredWindow::SetMouseCapture(bool captured) {
    if (captured) {
        SetCapture(Handle());
    } else if (GetCapture() == Handle() && !dragging_) {
        ReleaseCapture();
    }
}

void LayeredWindow::StartWindowDrag() {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT window{};
    GetWindowRect(Handle(), &window);
    dragOffset_ = {cursor.x - window.left, cursor.y - window.top};
    dragging_ = true;
    SetCapture(Handle());
}

void LayeredWindow::HintChanged(std::u16string_view hint) {
    hint_ = Wide(hint);
    ShowHint();
}

void LayeredWindow::ShowHint() {
    if (tooltip_ == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = Handle();
    if (hint_.empty()) {
        SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    tool.lpszText = hint_.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT cursor{};
    GetCursorPos(&cursor);
    SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x + 12, cursor.y + 20));
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

ui::PointF LayeredWindow::ClientToScreen(ui::PointF point) const { return LogicalClientToScreen(point, scale_); }

ui::PointF LayeredWindow::ScreenToClient(ui::PointF point) const { return LogicalScreenToClient(point, scale_); }

void LayeredWindow::PaintGlow(ui::Canvas& canvas, ui::Control& control, const ui::GlowEffect& glow) {
    glow_.Paint(canvas, control, glow, graphics_);
}

ui::Popup* LayeredWindow::OpenedPopup() const { return popups_ ? popups_->Shown() : nullptr; }

bool LayeredWindow::OpenPopup(ui::Popup& popup, const ui::RectF& screenRect) {
    if (Handle() == nullptr) return false;
    if (ui::Popup* open = OpenedPopup(); open != nullptr && open != &popup) open->Close();
    try {
        if (!popups_) popups_ = std::make_unique<PopupWindow>(Handle(), graphics_);
    } catch (const std::exception& error) {
        platform::Log(u"Window", u"the popup window cannot be made: " + ui::Utf8ToUtf16(error.what()));
        return false;
    }
    const RECT rect{static_cast<LONG>(std::lround(screenRect.left * scale_)),
                    static_cast<LONG>(std::lround(screenRect.top * scale_)),
                    static_cast<LONG>(std::lround(screenRect.right * scale_)),
                    static_cast<LONG>(std::lround(screenRect.bottom * scale_))};
    popups_->Show(popup, rect, scale_);
    return popups_->Shown() == &popup;
}

void LayeredWindow::ClosePopup(ui::Popup& popup) {
    if (OpenedPopup() == &popup) popups_->Hide();
}

ui::RectF LayeredWindow::WorkAreaAt(ui::PointF screenPoint) const { return MonitorWorkArea(screenPoint, scale_); }

void LayeredWindow::CursorChanged(ui::CursorShape cursor) {
    cursor_ = cursor;
    // Shown at once when the pointer is over the window; otherwise on its next WM_SETCURSOR.
    POINT point{};
    if (GetCursorPos(&point) && WindowFromPoint(point) == Handle()) SetCursor(LoadCursorW(nullptr, SystemCursor(cursor)));
}

void LayeredWindow::ShowPopupMenu(ui::PopupMenu& menu, ui::PointF screenPoint) {
    const std::vector<ui::MenuItem*> items = menu.Items();
    HMENU handle = CreatePopupMenu();
    if (handle == nullptr) {
        platform::Log(u"Window", u"the popup menu cannot be made: error " + ui::Utf8ToUtf16(std::to_string(GetLastError())));
        return;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const UINT flags = MF_STRING | (items[i]->Enabled() ? MF_ENABLED : MF_GRAYED);
        AppendMenuW(handle, flags, i + 1, Wide(items[i]->Text()).c_str());
    }
    const int chosen = static_cast<int>(TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                       static_cast<int>(std::lround(screenPoint.x * scale_)),
                                                       static_cast<int>(std::lround(screenPoint.y * scale_)), 0,
                                                       Handle(), nullptr));
    DestroyMenu(handle);
    if (chosen > 0 && static_cast<size_t>(chosen) <= items.size()) items[chosen - 1]->Click();
}

std::optional<uint32_t> LayeredWindow::InputTime() const { return static_cast<uint32_t>(GetMessageTime()); }

uint32_t LayeredWindow::DoubleClickTime() const { return GetDoubleClickTime(); }

ui::SizeF LayeredWindow::DoubleClickSize() const {
    return {static_cast<float>(GetSystemMetrics(SM_CXDOUBLECLK)) / scale_,
            static_cast<float>(GetSystemMetrics(SM_CYDOUBLECLK)) / scale_};
}

void LayeredWindow::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const float x = static_cast<float>(GET_X_LPARAM(lParam)) / scale_;
    const float y = static_cast<float>(GET_Y_LPARAM(lParam)) / scale_;
    const ui::ShiftState shift = ShiftFromKeys(GET_KEYSTATE_WPARAM(wParam));
    switch (message) {
        case WM_MOUSEMOVE:
            if (dragging_) {
                POINT cursor{};
                GetCursorPos(&cursor);
                SetWindowPos(Handle(), nullptr, cursor.x - dragOffset_.x, cursor.y - dragOffset_.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                return;
            }
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            form_.HandleMouseMove(shift, x, y);
            return;
        case WM_LBUTTONDOWN:
            form_.HandleMouseDown(ui::MouseButton::Left, shift, x, y);
            return;
        case WM_LBUTTONDBLCLK: {
            ui::ShiftState doubled = shift;
            form_.HandleMouseDown(ui::MouseButton::Left, doubled.Include(ui::ShiftKey::Double), x, y);
            return;
        }
        case WM_RBUTTONDOWN:
            form_.HandleMouseDown(ui::MouseButton::Right, shift, x, y);
            return;
        case WM_MBUTTONDOWN:
            form_.HandleMouseDown(ui::MouseButton::Middle, shift, x, y);
            return;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            // A drag started with any button ends with its release.
            if (dragging_) {
                dragging_ = false;
                ReleaseCapture();
                return;
            }
            form_.HandleMouseUp(message == WM_LBUTTONUP   ? ui::MouseButton::Left
                                : message == WM_RBUTTONUP ? ui::MouseButton::Right
                                                          : ui::MouseButton::Middle,
                                shift, x, y);
            return;
        default:
            return;
    }
}

LRESULT LayeredWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kPaintMessage:
            Paint();
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            HandleMouse(message, wParam, lParam);
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, SystemCursor(cursor_)));
                return TRUE;
            }
            return DefWindowProcW(Handle(), message, wParam, lParam);
        case WM_MOUSEWHEEL: {
            if (OpenedPopup() != nullptr) {
                popups_->HandleWheel(wParam, lParam);
                return 0;
            }
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ::ScreenToClient(Handle(), &point);
            form_.HandleMouseWheel(ShiftFromKeys(GET_KEYSTATE_WPARAM(wParam)), GET_WHEEL_DELTA_WPARAM(wParam),
                                   point.x / scale_, point.y / scale_);
            return 0;
        }
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            form_.HandleMouseLeave();
            return 0;
        case WM_CAPTURECHANGED:
            dragging_ = false;
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            if (OpenedPopup() != nullptr) {
                popups_->HandleKey(message, wParam);
            } else {
                DispatchKey(form_, message, wParam);
            }
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP: {
            // Keys with Alt (Alt+Down opens a drop-down list); the system keeps those the form leaves.
            const bool consumed =
                OpenedPopup() != nullptr ? popups_->HandleKey(message, wParam) : DispatchKey(form_, message, wParam);
            if (consumed) return 0;
            return DefWindowProcW(Handle(), message, wParam, lParam);
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (ui::Popup* popup = OpenedPopup()) popup->Close();
                form_.HandleDeactivate();
            }
            return DefWindowProcW(Handle(), message, wParam, lParam);
        case WM_ACTIVATEAPP:
            if (wParam == FALSE) {
                if (ui::Popup* popup = OpenedPopup()) popup->Close();
                form_.HandleDeactivate();
            }
            return DefWindowProcW(Handle(), message, wParam, lParam);
        case WM_ENABLE:
            // A modal dialog disables its owner before it shows: the tool tip must not stay over the dialog.
            if (wParam == FALSE) form_.HandleDeactivate();
            return 0;
        case WM_DPICHANGED: {
            scale_ = static_cast<float>(HIWORD(wParam)) / 96.0f;
            graphics_.SetScreenScale(scale_);
            CreateFrame();
            PlaceWindow(reinterpret_cast<const RECT*>(lParam));
            Paint();
            return 0;
        }
        case WM_CLOSE:
            DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(Handle(), message, wParam, lParam);
    }
}

}  // namespace platform::win32
