#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/window/layered_surface.h"
#include "platform/win32/window/window_base.h"
#include "ui/form_host.h"
#include "ui/glow_renderer.h"

namespace ui {
class Form;
}

namespace platform::win32 {

class D2DFrame;
class D2DGraphics;
class PopupWindow;

// Shows a form as a borderless, always-on-top, per-pixel transparent window: the form paints into a Direct2D
// frame of premultiplied pixels that UpdateLayeredWindow puts on screen. The window is centred on its monitor,
// its caption shows in the task bar, and it renders at the monitor's scale (per-monitor DPI aware). Mouse and
// keys go to the form; repaint requests are gathered and painted once per message-loop turn. The form's popups
// show in a PopupWindow owned by this window; while one is open, keys and the wheel go to it, and the popup
// closes when this window loses the activation. The hovered control's hint shows as a tool tip at the pointer;
// it goes when the pointer leaves the control, on a press, and when the window loses the activation or is
// disabled (a modal dialog opens over it).
class LayeredWindow final : public WindowBase, public ui::FormHost {
public:
    LayeredWindow(ui::Form& form, D2DGraphics& graphics);
    LayeredWindow(const LayeredWindow&) = delete;
    LayeredWindow& operator=(const LayeredWindow&) = delete;
    // Closes an open popup, detaches from the form and destroys the window.
    ~LayeredWindow() override;

    // Creates the window at the form's client size, paints the first frame and shows it.
    void Show();
    float Scale() const { return scale_; }
    // Paints what was invalidated, now (the message loop does it otherwise).
    void PaintNow();
    // The last presented frame (for tests and screenshots).
    const D2DFrame* Frame() const { return surface_.Frame(); }
    // Told about every frame the window presents from now on (not owned; nullptr for none).
    void SetFrameListener(FrameListener* listener) { surface_.SetFrameListener(listener); }
    // The window popups show in, or nullptr before the first one opened.
    PopupWindow* Popups() const { return popups_.get(); }

    // ui::FormHost
    void Invalidate(const ui::RectF& rect) override;
    void CaptionChanged(std::u16string_view caption) override;
    void ClientSizeChanged(float width, float height) override;
    void SetMouseCapture(bool captured) override;
    void StartWindowDrag() override;
    void HintChanged(std::u16string_view hint) override;
    ui::PointF ClientToScreen(ui::PointF point) const override;
    ui::PointF ScreenToClient(ui::PointF point) const override;
    void PaintGlow(ui::Canvas& canvas, ui::Control& control, const ui::GlowEffect& glow) override;
    bool OpenPopup(ui::Popup& popup, const ui::RectF& screenRect) override;
    void ClosePopup(ui::Popup& popup) override;
    ui::RectF WorkAreaAt(ui::PointF screenPoint) const override;
    void CursorChanged(ui::CursorShape cursor) override;
    void ShowPopupMenu(ui::PopupMenu& menu, ui::PointF screenPoint) override;
    std::optional<uint32_t> InputTime() const override;
    uint32_t DoubleClickTime() const override;
    ui::SizeF DoubleClickSize() const override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateFrame();
    void PlaceWindow(const RECT* suggested);
    void Paint();
    void ShowHint();
    // The shown popup, or nullptr.
    ui::Popup* OpenedPopup() const;

    ui::Form& form_;
    D2DGraphics& graphics_;
    HWND tooltip_ = nullptr;
    LayeredSurface surface_;
    ui::GlowRenderer glow_;
    float scale_ = 1;
    ui::CursorShape cursor_ = ui::CursorShape::Default;
    bool paintPosted_ = false;
    bool trackingLeave_ = false;
    // Window drag: the pointer's offset from the window's top-left corner, in device pixels.
    bool dragging_ = false;
    POINT dragOffset_{};
    std::wstring hint_;
    std::unique_ptr<PopupWindow> popups_;
};

// Makes the process per-monitor DPI aware (V2 where the system has it); call before any window exists.
void EnablePerMonitorDpiAwareness();

}  // namespace platform::win32
