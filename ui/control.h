#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ui/bounds.h"
#include "ui/component.h"
#include "ui/events.h"
#include "ui/geometry.h"
#include "ui/position.h"

namespace ui {

class Canvas;
class Form;

// How a control places itself inside its parent. Bottom: along the parent's bottom edge, the parent's full
// width less the left and right margins, its own height, the bottom margin above the edge; several
// bottom-aligned controls stack upwards in child order.
enum class AlignLayout { None, Bottom };

// Whether painting a control tree hands the controls' effects (their glow) to the form's host as well, or
// paints only the controls themselves (to find their shape).
enum class PaintEffects { With, Without };

// A rectangular element of a window: placed in its parent (Position, Width, Height or alignment), painted by
// the framework in child order (later children on top) and receiving mouse, keyboard and focus callbacks.
// Controls live in a Form, which dispatches the host's input to them (see ui/form.h).
//
// Mouse input (through the form):
// - The control under the pointer is the topmost visible, enabled control containing the point whose
//   HitTest is True; a control with HitTest False takes no input itself, so presses fall through to what lies
//   below (its children still can be hit). A parent that clips its children hides children outside it.
// - A press goes to that control (MouseDown: captures the mouse when AutoCapture, raises OnMouseDown); moves
//   and the release go to the capturing control, if any. A left-button release over the control that was
//   pressed (it is still the control under the pointer) completes a click (Click, after OnMouseUp).
// - The control under the pointer gets DoMouseEnter / DoMouseLeave; wheel events go to it and on to its
//   parents until handled.
class Control : public Component {
public:
    Control();
    ~Control() override;
    std::u16string_view ClassName() const override { return u"TControl"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    Control* AsControl() override { return this; }

    // --- tree
    Control* ParentControl() const;
    // The child controls in drawing order.
    std::span<Control* const> Controls() const { return controls_; }
    // The topmost control of the tree (this control without a parent control).
    Control* RootControl();
    // The form at the top of the tree, or nullptr.
    Form* RootForm();
    const Form* RootForm() const { return const_cast<Control*>(this)->RootForm(); }

    // --- place and size (logical pixels, in the parent's coordinates)
    ui::Position& Position() { return position_; }
    const ui::Position& Position() const { return position_; }
    float X() const { return position_.X(); }
    float Y() const { return position_.Y(); }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetWidth(float width) { SetSize(width, height_); }
    void SetHeight(float height) { SetSize(width_, height); }
    // Negative sizes count as 0.
    void SetSize(float width, float height);
    void SetBounds(float x, float y, float width, float height);
    // (0, 0, Width, Height).
    RectF LocalRect() const { return {0, 0, width_, height_}; }
    // The control's rectangle in its parent's coordinates.
    RectF BoundsRect() const { return {X(), Y(), X() + width_, Y() + height_}; }
    AlignLayout Align() const { return align_; }
    void SetAlign(AlignLayout align);
    Bounds& Margins() { return margins_; }
    const Bounds& Margins() const { return margins_; }
    // Space a control keeps free inside its edges for what it draws itself (children are not moved by it).
    Bounds& Padding() { return padding_; }
    const Bounds& Padding() const { return padding_; }
    // Places the aligned children (deferred while the control is loading; Loaded realigns).
    void Realign();

    // --- look and state
    float Opacity() const { return opacity_; }
    // Clamped to 0..1.
    void SetOpacity(float opacity);
    // The product of the opacities of the control and all its ancestors.
    float AbsoluteOpacity() const;
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible, and so are all the ancestors.
    bool IsVisibleInTree() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Enabled, and so are all the ancestors.
    bool AbsoluteEnabled() const;
    bool HitTest() const { return hitTest_; }
    void SetHitTest(bool hitTest) { hitTest_ = hitTest; }
    bool ClipChildren() const { return clipChildren_; }
    void SetClipChildren(bool clip);
    const std::u16string& Hint() const { return hint_; }
    void SetHint(std::u16string_view hint);
    // Whether the hint shows as a tool tip while the pointer rests on the control.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    // --- focus and mouse state
    bool CanFocus() const { return canFocus_; }
    void SetCanFocus(bool canFocus);
    bool IsFocused() const;
    // Moves the focus here when the control can take it (CanFocus, visible and enabled in its tree, inside
    // a form); returns whether it has the focus then.
    bool SetFocus();
    // Takes the focus away when the control has it.
    void ResetFocus();
    // A press captures the mouse (moves and the release come here wherever the pointer is).
    bool AutoCapture() const { return autoCapture_; }
    void SetAutoCapture(bool autoCapture) { autoCapture_ = autoCapture; }
    void Capture();
    void ReleaseCapture();
    bool IsCaptured() const;
    // The pointer is over the control (it is the form's control under the pointer).
    bool IsMouseOver() const { return isMouseOver_; }
    // The left button was pressed on the control and not yet released.
    bool IsPressed() const { return pressed_; }

    // --- coordinates: "absolute" is the root control's (the form's client) space
    virtual PointF LocalToAbsolute(PointF point) const;
    virtual PointF AbsoluteToLocal(PointF point) const;
    // Screen coordinates through the form's host (the same as absolute without one).
    virtual PointF LocalToScreen(PointF point) const;
    virtual PointF ScreenToLocal(PointF point) const;
    // The control that takes mouse input at a point of this control's coordinates: a descendant, this control
    // or nullptr (see the class comment).
    Control* ControlAt(PointF point);

    // --- painting
    // Asks the form's host to redraw the control's area (nothing while loading, while hidden or outside a
    // form with a host).
    void Repaint();
    // What the control and its children paint on, in absolute coordinates, cut to the ancestors' clips.
    RectF AbsoluteUpdateRect() const;
    // Paints the control and its visible children with the control's top-left corner at the canvas's current
    // origin: OnPainting, Paint, OnPaint, then the children (clipped when ClipChildren). With effects, a
    // control's glow effect is handed to the form's host before the control paints.
    void PaintTree(Canvas& canvas, PaintEffects effects = PaintEffects::With);

    // --- events
    NotifyEvent OnClick;
    MouseEvent OnMouseDown;
    MouseMoveEvent OnMouseMove;
    MouseEvent OnMouseUp;
    MouseWheelEvent OnMouseWheel;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;
    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    KeyEvent OnKeyDown;
    KeyEvent OnKeyUp;
    NotifyEvent OnResize;
    PaintEvent OnPainting;
    PaintEvent OnPaint;

    // --- framework callbacks; overrides call these to keep the framework's handling
    // Left button: marks the control pressed. Captures the mouse when AutoCapture; raises OnMouseDown.
    virtual void MouseDown(MouseButton button, ShiftState shift, float x, float y);
    // Raises OnMouseMove.
    virtual void MouseMove(ShiftState shift, float x, float y);
    // Releases the capture, raises OnMouseUp, then Click when a left-button release completes a click.
    virtual void MouseUp(MouseButton button, ShiftState shift, float x, float y);
    // Raises OnMouseWheel.
    virtual void MouseWheel(ShiftState shift, int wheelDelta, bool& handled);
    // Set / clear IsMouseOver; raise OnMouseEnter / OnMouseLeave.
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    // Raises OnClick.
    virtual void Click();
    // Focus gained / lost: raise OnEnter / OnExit.
    virtual void DoEnter();
    virtual void DoExit();
    // Raise OnKeyDown / OnKeyUp.
    virtual void KeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift);
    virtual void KeyUp(uint16_t& key, char16_t& keyChar, ShiftState shift);
    // The size changed: raises OnResize.
    virtual void Resize();
    // Paints the control's own content in its local coordinates; nothing here. The canvas carries no
    // opacity of its own: a control draws its primitives with AbsoluteOpacity().
    virtual void Paint(Canvas& canvas) {}

    // Realigns (after the base class's Loaded).
    void Loaded() override;

protected:
    void ChildAdded(Component* child) override;
    void ChildRemoved(Component* child) override;
    void ParentChanged(Component* oldParent) override;

private:
    friend class Form;

    void PositionChanged();
    void MarginsChanged();
    // Changes place and size; realignment of this control's children and its parent's as needed.
    void ApplyBounds(float x, float y, float width, float height, bool fromParentAlign);
    void ParentRealign();
    // The update rectangle in local coordinates, without the ancestors' clips.
    RectF LocalUpdateRect() const;
    // AbsoluteUpdateRect with the control moved by (dx, dy).
    RectF UpdateRectShifted(float dx, float dy) const;
    bool IsOverSelf(float x, float y);
    bool RepaintSuppressed() const;

    ui::Position position_;
    // The position as last reported, so a move can repaint the area left behind.
    PointF placed_;
    Bounds margins_;
    Bounds padding_;
    float width_ = 0;
    float height_ = 0;
    AlignLayout align_ = AlignLayout::None;
    float opacity_ = 1;
    bool visible_ = true;
    bool enabled_ = true;
    bool hitTest_ = true;
    bool clipChildren_ = false;
    bool canFocus_ = false;
    bool autoCapture_ = true;
    bool showHint_ = false;
    bool isMouseOver_ = false;
    bool pressed_ = false;
    bool realigning_ = false;
    bool inApplyBounds_ = false;
    std::u16string hint_;
    std::vector<Control*> controls_;
};

}  // namespace ui
