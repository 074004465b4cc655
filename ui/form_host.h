#pragma once

#include <string_view>

#include "ui/geometry.h"

namespace ui {

class Canvas;
class Control;
class GlowEffect;

// What a form needs from the window that shows it. The Windows host (platform/win32) implements it with a
// layered window; native tests use HeadlessHost. Coordinates are the form's client coordinates in logical
// pixels unless said otherwise.
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
    // off screen with control.PaintTree(canvas, false) to find its shape. Nothing by default.
    virtual void PaintGlow(Canvas& canvas, Control& control, const GlowEffect& glow) {}
};

}  // namespace ui
