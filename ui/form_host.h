#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/cursor.h"
#include "ui/geometry.h"

namespace ui {

class Canvas;
class Control;
class GlowEffect;
class Popup;
class PopupMenu;

// What a form needs from the window that shows it. The Windows host (platform/win32) implements it with a
// layered window; native tests use HeadlessHost (ui/testing/). Coordinates are the form's client coordinates in
// logical pixels unless said otherwise.
class FormHost {
public:
    virtual ~FormHost() = default;

    // The area needs repainting.
    virtual void Invalidate(const RectF& rect) = 0;
    virtual void CaptionChanged(std::u16string_view caption) = 0;
    virtual void ClientSizeChanged(float width, float height) = 0;
    // A control captured the mouse (true) or released it (false): the window should keep receiving the
    // mouse while the pointer is outside it.
    virtual void SetMouseCapture(bool captured) = 0;
    // The window follows the pointer, keeping the grabbed point under it, until the button is released.
    virtual void StartWindowDrag() = 0;
    // The tool tip to show for the control under the pointer; empty hides it.
    virtual void HintChanged(std::u16string_view hint) = 0;
    virtual PointF ClientToScreen(PointF point) const = 0;
    virtual PointF ScreenToClient(PointF point) const = 0;
    // Paints a glow around the opaque shape of control, beneath it: called while the form paints, with the
    // canvas in the control's coordinates, before the control paints. The host may paint the control's tree
    // off screen with control.PaintTree(canvas, PaintEffects::Without) to find its shape. Nothing by default.
    virtual void PaintGlow(Canvas& canvas, Control& control, const GlowEffect& glow) {}
    // The pointer shape to show over the window (the control under the pointer asks for it). Nothing by
    // default.
    virtual void CursorChanged(CursorShape cursor) {}
    // Shows the menu at the point (screen coordinates, logical pixels) and clicks the item the user chooses
    // (MenuItem::Click). Nothing by default.
    virtual void ShowPopupMenu(PopupMenu& menu, PointF screenPoint) {}

    // --- double clicks: a second left press on the same control counts as a double click when it comes
    // within DoubleClickTime milliseconds of the first and inside the DoubleClickSize rectangle (logical
    // pixels) centred on it.
    // The time of the input event being handled, in milliseconds of a clock that only moves forward
    // (wrapping around is allowed); none when the host cannot tell, and then only presses the host marks
    // with ShiftKey::Double are double clicks.
    virtual std::optional<uint32_t> InputTime() const { return std::nullopt; }
    virtual uint32_t DoubleClickTime() const { return 500; }
    virtual SizeF DoubleClickSize() const { return {4, 4}; }

    // --- popups (ui/popup.h): forms shown in a top-level window of their own, above this one
    // Shows popup with its client area at screenRect (screen coordinates, logical pixels), without taking the
    // activation from this window. While it is open, the popup takes the mouse wherever the pointer is, and
    // the keyboard and the wheel meant for this window go to it; a press outside the popup, or this window
    // losing the activation, closes it (Popup::Close). At most one popup is open: opening another closes the
    // first. Returns false when the host cannot show popups (the default).
    virtual bool OpenPopup(Popup& popup, const RectF& screenRect) { return false; }
    // Hides the popup's window and lets go of the popup (Popup::Close calls it).
    virtual void ClosePopup(Popup& popup) {}
    // The part of the screen (screen coordinates, logical pixels) that windows near the point may cover: the
    // work area of the monitor there. Unbounded by default.
    virtual RectF WorkAreaAt(PointF screenPoint) const { return {-1e6f, -1e6f, 1e6f, 1e6f}; }
};

}  // namespace ui
