#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/events.h"
#include "ui/form_host.h"
#include "ui/geometry.h"

namespace ui {

class Canvas;
class Form;
class Popup;

// A form host without a window, for tests: it drives the form with mouse and keyboard input, paints it onto
// any canvas and records what the form asked of its window.
//
// Popups (FormHost::OpenPopup) open in a HeadlessHost of their own (PopupHost) whose client origin is the
// popup's screen rectangle's top-left. While one is open this host behaves as a window host with a popup
// does: every mouse event, the wheel and the keys go to the popup (mouse coordinates converted through the
// screen), and a press outside the popup's rectangle closes it and goes no further.
class HeadlessHost : public FormHost {
public:
    // Attaches itself to the form; the form must outlive the host.
    explicit HeadlessHost(Form& form);
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    Form& GetForm() { return form_; }

    // Input at client coordinates (passed to an open popup, see above).
    void MouseDown(float x, float y, MouseButton button = MouseButton::Left, ShiftState shift = {});
    void MouseMove(float x, float y, ShiftState shift = {});
    void MouseUp(float x, float y, MouseButton button = MouseButton::Left, ShiftState shift = {});
    // Press and release at one point.
    void Click(float x, float y, MouseButton button = MouseButton::Left);
    void Wheel(float x, float y, int wheelDelta, ShiftState shift = {});
    void MouseLeave();
    // Returns the key as the form left it (0 when consumed).
    uint16_t KeyDown(uint16_t key, char16_t keyChar = 0, ShiftState shift = {});
    uint16_t KeyUp(uint16_t key, char16_t keyChar = 0, ShiftState shift = {});

    // Paints the whole form onto the canvas.
    void Paint(Canvas& canvas);

    // What the form asked for.
    std::vector<RectF> invalidated;
    std::u16string caption;
    float clientWidth = 0;
    float clientHeight = 0;
    bool mouseCaptured = false;
    int windowDrags = 0;
    std::u16string hint;
    // Where the client area lies on the screen.
    PointF screenOrigin;
    // Glow effects painted through PaintGlow, by control name.
    std::vector<std::u16string> glowsPainted;
    // The pointer shape the form asked for last.
    CursorShape cursor = CursorShape::Default;
    // Popup menus the form asked to show, with the screen point, in order (the test chooses items itself).
    struct ShownMenu {
        PopupMenu* menu = nullptr;
        PointF screenPoint;
    };
    std::vector<ShownMenu> menusShown;
    // The clock input events carry (InputTime), moved by the test; none leaves double clicks to presses
    // marked ShiftKey::Double.
    std::optional<uint32_t> inputTime;
    uint32_t doubleClickTime = 500;
    SizeF doubleClickSize{4, 4};

    void Invalidate(const RectF& rect) override { invalidated.push_back(rect); }
    void CaptionChanged(std::u16string_view text) override { caption = text; }
    void ClientSizeChanged(float width, float height) override {
        clientWidth = width;
        clientHeight = height;
    }
    void SetMouseCapture(bool captured) override { mouseCaptured = captured; }
    void StartWindowDrag() override { ++windowDrags; }
    void HintChanged(std::u16string_view text) override { hint = text; }
    PointF ClientToScreen(PointF point) const override { return {point.x + screenOrigin.x, point.y + screenOrigin.y}; }
    PointF ScreenToClient(PointF point) const override { return {point.x - screenOrigin.x, point.y - screenOrigin.y}; }
    void PaintGlow(Canvas& canvas, Control& control, const GlowEffect& glow) override;
    void CursorChanged(CursorShape shape) override { cursor = shape; }
    void ShowPopupMenu(PopupMenu& menu, PointF screenPoint) override { menusShown.push_back({&menu, screenPoint}); }
    std::optional<uint32_t> InputTime() const override { return inputTime; }
    uint32_t DoubleClickTime() const override { return doubleClickTime; }
    SizeF DoubleClickSize() const override { return doubleClickSize; }

    // --- popups
    // The open popup and where it is, or nullptr.
    Popup* OpenedPopup() const { return popup_; }
    const RectF& PopupRect() const { return popupRect_; }
    // The host that shows the open popup (its input and painting), or nullptr.
    HeadlessHost* PopupHost() const { return popup_ != nullptr ? popupHost_.get() : nullptr; }
    // How many popups were opened.
    int popupsOpened = 0;
    // The screen's work area WorkAreaAt answers (screen coordinates).
    RectF workArea{-1e6f, -1e6f, 1e6f, 1e6f};
    bool OpenPopup(Popup& popup, const RectF& screenRect) override;
    void ClosePopup(Popup& popup) override;
    RectF WorkAreaAt(PointF screenPoint) const override { return workArea; }

private:
    // A point of this host's client area in the open popup's client coordinates.
    PointF ToPopup(float x, float y) const;

    Form& form_;
    // The form let go of this host (a closed popup's host; the popup may be gone).
    bool detached_ = false;
    Popup* popup_ = nullptr;
    RectF popupRect_;
    std::unique_ptr<HeadlessHost> popupHost_;
    // The host of a popup that closed while its own input was being handled; freed on the next opening.
    std::unique_ptr<HeadlessHost> closedHost_;
};

}  // namespace ui
