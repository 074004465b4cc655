#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/anchors.h"
#include "ui/bounds.h"
#include "ui/component.h"
#include "ui/control_size.h"
#include "ui/cursor.h"
#include "ui/drag.h"
#include "ui/events.h"
#include "ui/geometry.h"
#include "ui/position.h"

namespace ui {

class Action;
class Canvas;
class Form;
class PopupMenu;

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
// - A control may be turned (RotationAngle, degrees clockwise) and scaled (Scale) about its RotationCenter
//   (relative to its size, 0.5/0.5 the middle); it paints through that transform and a point hits it when the
//   point taken back through the transform lies inside it, or inside its TouchTargetExpansion margins.
// - A second left press on the same control within the host's double-click time and area (or one the host
//   reports as a double click) carries ShiftKey::Double and is followed by DblClick.
// - A press on a control that cannot take the focus gives it to the nearest ancestor that can, when
//   CanParentFocus; OnCanFocus may refuse the focus.
// - A right-button release over a control with a PopupMenu opens the menu through the host.
// - A press on a control whose DragMode is Automatic followed by a move of a few pixels starts a drag (see
//   Form): the controls under the pointer get DragEnter / DragOver / DragLeave, the one under the release
//   DragDrop when its last DragOver accepted, and the source DragEnd. A drag does not click.
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
    // The edges of the parent the control follows when the parent is resized.
    ui::Anchors Anchors() const { return anchors_; }
    void SetAnchors(ui::Anchors anchors) { anchors_ = anchors; }
    // The size as one object (published as Size.Width, Size.Height).
    ControlSize& Size() { return *size_; }

    // --- transform: turned by RotationAngle and scaled by Scale about RotationCenter
    float RotationAngle() const { return rotationAngle_; }
    void SetRotationAngle(float degrees);
    // Relative to the size: (0, 0) the top-left corner, (0.5, 0.5) the middle (the default).
    ui::Position& RotationCenter() { return rotationCenter_; }
    // (1, 1) by default.
    ui::Position& Scale() { return scale_; }
    // From this control's coordinates to its parent's: position, rotation and scale.
    Matrix LocalMatrix() const;
    // From this control's coordinates to the root control's.
    Matrix AbsoluteMatrix() const;
    // Extra margins around the control that still take its input (negative values shrink the area).
    Bounds& TouchTargetExpansion() { return touchTargetExpansion_; }
    // Whether a point of the control's coordinates lies in its input area (its rectangle widened by
    // TouchTargetExpansion).
    bool PointInObject(PointF point) const;

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
    // The pointer shape while the pointer is over the control (the host shows it).
    CursorShape Cursor() const { return cursor_; }
    void SetCursor(CursorShape cursor);
    // Kept for designers: a locked control is not moved by one. Nothing at run time depends on it.
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }
    // Kept for stored layouts; the canvas has no clip that cuts a control's area out of its parent, so the
    // parent paints under the control as usual.
    bool ClipParent() const { return clipParent_; }
    void SetClipParent(bool clip) { clipParent_ = clip; }
    // The place in the keyboard order among the siblings (kept; the form has no keyboard navigation).
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }

    // --- focus and mouse state
    bool CanFocus() const { return canFocus_; }
    void SetCanFocus(bool canFocus);
    bool IsFocused() const;
    // Moves the focus here when the control can take it (CanFocus, visible and enabled in its tree, inside
    // a form); returns whether it has the focus then.
    bool SetFocus();
    // Takes the focus away when the control has it.
    void ResetFocus();
    // A press on the control, when it cannot take the focus itself, gives it to the nearest ancestor that can.
    bool CanParentFocus() const { return canParentFocus_; }
    void SetCanParentFocus(bool value) { canParentFocus_ = value; }
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

    // --- action, popup menu, drag
    // The linked action (nullptr: none): a click executes it and the control follows its Enabled and Visible.
    ui::Action* Action() const { return action_; }
    void SetAction(ui::Action* action);
    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ui::PopupMenu* menu);
    ui::DragMode DragMode() const { return dragMode_; }
    void SetDragMode(ui::DragMode mode) { dragMode_ = mode; }
    // Starts a drag of this control now, from the pointer's last position in the form (for DragMode Manual).
    void BeginDrag();

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
    NotifyEvent OnDblClick;
    CanFocusEvent OnCanFocus;
    DragEnterEvent OnDragEnter;
    DragOverEvent OnDragOver;
    DragDropEvent OnDragDrop;
    NotifyEvent OnDragLeave;
    NotifyEvent OnDragEnd;
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
    // With a linked action and no OnClick handler, executes the action; otherwise raises OnClick.
    virtual void Click();
    // The second press of a double click: raises OnDblClick.
    virtual void DblClick();
    // Asked before the control takes the focus: raises OnCanFocus; false refuses.
    virtual bool DoCanFocus();
    // The linked action changed (or was linked): the control follows its Enabled and Visible.
    virtual void ActionChange(const ui::Action& action);
    // Drop target callbacks (points in the control's coordinates) and the source's end of a drag; they raise
    // the events of the same names.
    virtual void DragEnter(const DragObject& data, PointF point);
    virtual void DragOver(const DragObject& data, PointF point, DragOperation& operation);
    virtual void DragDrop(const DragObject& data, PointF point);
    virtual void DragLeave();
    virtual void DragEnd();
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
    // Forgets a linked action or popup menu that is going away.
    void Notification(Component* component, Operation operation) override;

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
    // A point of the parent's coordinates in this control's.
    PointF ParentToLocal(PointF point) const;
    bool HasTransform() const;
    // The transform changed: the area the control may have covered before and covers now repaints.
    void TransformChanged();
    // Moves and stretches the anchored children by the change of this control's size.
    void AnchorChildren(float dw, float dh);
    // Gives the focus to the nearest ancestor that takes it.
    void FocusParent();
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
    bool canParentFocus_ = false;
    bool locked_ = false;
    bool clipParent_ = false;
    int tabOrder_ = -1;
    ui::Anchors anchors_ = kDefaultAnchors;
    std::unique_ptr<ControlSize> size_;
    float rotationAngle_ = 0;
    ui::Position rotationCenter_;
    ui::Position scale_;
    Bounds touchTargetExpansion_;
    CursorShape cursor_ = CursorShape::Default;
    ui::DragMode dragMode_ = ui::DragMode::Manual;
    ui::Action* action_ = nullptr;
    ui::PopupMenu* popupMenu_ = nullptr;
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
