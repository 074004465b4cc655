#pragma once

#include <windows.h>

#include "platform/win32/window/layered_surface.h"
#include "platform/win32/window/window_base.h"
#include "ui/form_host.h"

namespace ui {
class Popup;
}

namespace platform::win32 {

class D2DFrame;
class D2DGraphics;

// The window a form's popup (ui::Popup, such as a combo box's drop-down list) shows in: borderless, per-pixel
// transparent, topmost, owned by the form's window, without a task bar entry (a tool window), and never
// activated, so the owner keeps the keyboard. While a popup is shown the window captures the mouse: moves,
// presses and releases anywhere come here, and a press outside the popup closes it (Popup::Close), as does
// losing the capture. The owner's host passes its key and wheel messages on (HandleKey, HandleWheel).
class PopupWindow final : public WindowBase, public ui::FormHost {
public:
    // A hidden window owned by owner.
    PopupWindow(HWND owner, D2DGraphics& graphics);
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;
    // Lets go of a shown popup (without closing it) and destroys the window.
    ~PopupWindow() override;

    // Shows popup with its client area at rect (device pixels on the screen), painted at scale, and captures
    // the mouse.
    void Show(ui::Popup& popup, const RECT& rect, float scale);
    // Lets go of the popup, hides the window and releases the mouse. Nothing when none is shown.
    void Hide();
    ui::Popup* Shown() const { return popup_; }
    // The last presented frame (for tests).
    const D2DFrame* Frame() const { return surface_.Frame(); }
    // Paints what was invalidated, now.
    void PaintNow();

    // Key messages (WM_KEYDOWN, WM_SYSKEYDOWN, WM_KEYUP, WM_SYSKEYUP, WM_CHAR) and WM_MOUSEWHEEL that reached
    // the owner while the popup is shown; true when the popup consumed the key.
    bool HandleKey(UINT message, WPARAM wParam);
    void HandleWheel(WPARAM wParam, LPARAM lParam);

    // ui::FormHost
    void Invalidate(const ui::RectF& rect) override;
    void CaptionChanged(std::u16string_view caption) override {}
    void ClientSizeChanged(float width, float height) override;
    // The window holds the mouse all the time it shows a popup.
    void SetMouseCapture(bool captured) override {}
    void StartWindowDrag() override {}
    void HintChanged(std::u16string_view hint) override {}
    ui::PointF ClientToScreen(ui::PointF point) const override;
    ui::PointF ScreenToClient(ui::PointF point) const override;
    ui::RectF WorkAreaAt(ui::PointF screenPoint) const override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    LayeredSurface surface_;
    ui::Popup* popup_ = nullptr;
    float scale_ = 1;
    bool paintPosted_ = false;
};

// The work area (screen without the task bar) of the monitor at a point, in logical pixels at scale.
ui::RectF MonitorWorkArea(ui::PointF screenPoint, float scale);

}  // namespace platform::win32
