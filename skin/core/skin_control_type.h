#pragma once

#include <cstdint>

#include "skin/core/skin_class.h"
#include "skin/core/skin_control_kinds.h"
#include "skin/draw/draw_param_types.h"
#include "ui/events.h"
#include "ui/geometry.h"
#include "ui/object.h"

namespace ui {
class Component;
class Control;
}  // namespace ui

namespace skin {

class ISkinControl;
class IDirectUIControl;
class TDrawCanvas;
class TSkinControlMaterial;
class TSkinControlType;

// A class of control types; a new one is made unbound and then bound to its control (Bind).
using TSkinControlTypeClass = TSkinClass<TSkinControlType>;

// How a control of one kind paints, which interactive states it shows, its automatic size and its mouse
// handling. It reaches its control only through ISkinControl, so the same types serve controls built on any
// framework base. Made and owned by the control, bound to it after construction (Bind) and unbound before it
// is freed (UnBind), so that subclasses take and drop their own interfaces in CustomBind / CustomUnBind.
class TSkinControlType : public ui::Object {
public:
    TSkinControlType();
    // Unbinds at this class's level when the owner did not (subclass interfaces are plain references).
    ~TSkinControlType() override;
    std::u16string_view ClassName() const override { return u"TSkinControlType"; }

    // Takes ISkinControl from the control (SkinError "This Component Do not Support ISkinComponent Interface"
    // when missing), then CustomBind; SkinControl is set when that answers True.
    void Bind(ui::Component& skinControl);
    // CustomUnBind, then forgets the control.
    void UnBind();

    ui::Component* SkinControl() const { return skinControl_; }
    ISkinControl* SkinControlIntf() const { return skinControlIntf_; }

    // --- the interactive states
    virtual TDPEffectStates GetCurrentEffectStates() const;
    // Disabled: exactly [dpstDisabled]; otherwise mouse down, mouse over and focused as the control has them.
    virtual TDPEffectStates CalcCurrentEffectStates() const;
    // Writes the states and the opacity to draw with into every parameter of material.
    virtual void ProcessMaterialEffectStates(TSkinControlMaterial* material, const TPaintData& paintData);

    // Asks the control to repaint, unless the paint lock is held.
    virtual void Invalidate();
    // The material the paint uses: the control's current-use material here.
    virtual TSkinControlMaterial* GetPaintCurrentUseMaterial();
    // Once per frame: the effect states, the background unless the material is transparent, CustomPaint.
    // True.
    virtual bool Paint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                       const TPaintData& paintData);

    // --- automatic size: -1 and False here (no automatic size)
    virtual double GetAutoSizeWidth();
    virtual double GetAutoSizeHeight();
    virtual bool CalcAutoSize(double& width, double& height);

    // --- input, in control coordinates
    virtual void CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y);
    virtual void CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y);
    virtual void CustomMouseMove(ui::ShiftState shift, double x, double y);
    virtual void CustomMouseEnter();
    virtual void CustomMouseLeave();
    // Whether the wheel was handled (False here).
    virtual bool CustomMouseWheel(ui::ShiftState shift, int wheelDelta, double x, double y);
    virtual void KeyDown(uint16_t& key, ui::ShiftState shift) {}
    virtual void KeyUp(uint16_t& key, ui::ShiftState shift) {}
    virtual void TextChanged() {}
    virtual void SizeChanged() {}
    virtual void FocusChanged() {}
    virtual bool CanPaintChildControl(ui::Control& child, const TPaintData& paintData) { return true; }

    // --- hosted children: children offering IDirectUIControl that this control paints and hit-tests itself
    void DirectUIMouseDown(ui::Object* sender, ui::MouseButton button, ui::ShiftState shift, double x, double y);
    void DirectUIMouseMove(ui::Object* sender, ui::ShiftState shift, double x, double y);
    void DirectUIMouseUp(ui::Object* sender, ui::MouseButton button, ui::ShiftState shift, double x, double y,
                         bool callClick);
    void DirectUIMouseEnter(ui::Object* sender);
    void DirectUIMouseLeave(ui::Object* sender);
    void DrawChildControls(TDrawCanvas& canvas, const ui::RectF& drawRect, const TPaintData& paintData,
                           const ui::RectF& visibleRect);

    // States imposed by a host (used instead of the computed ones when IsUseCurrentEffectStates).
    bool IsUseCurrentEffectStates = false;
    TDPEffectStates CurrentEffectStates;
    // The mouse event being handled was forwarded from a child, and the child that started the press.
    bool CurrentMouseEventIsChildOwn = false;
    ui::Object* CurrentMouseEventChild = nullptr;
    // Last positions: control, window and screen coordinates (screen only with a process-wide hook set).
    ui::PointF MouseDownPt, MouseMovePt, MouseUpPt;
    ui::PointF MouseDownAbsolutePt, MouseMoveAbsolutePt, MouseUpAbsolutePt;
    ui::PointF MouseDownScreenPt, MouseMoveScreenPt, MouseUpScreenPt;
    // A press was recorded (MouseDownPt and MouseDownAbsolutePt hold it; a press at x = 0 is one too).
    bool IsMouseDownRecorded = false;
    // Hosted-child routing.
    ui::Control* LastMouseDownChildControl = nullptr;
    ui::Control* LastMouseMoveChildControl = nullptr;
    ui::Control* CurrentHitTestChildControl = nullptr;
    bool EventProcessedByChild = false;
    bool EventClickedByChild = false;

protected:
    // Takes what the type needs from the control; True binds it. The base takes ISkinControl (SkinError "This
    // Component Do not Support ISkinControl Interface" when missing). Subclasses call it first and then take
    // their own interface.
    virtual bool CustomBind(ui::Component& skinControl);
    virtual void CustomUnBind();
    // Draws the control's content over the background; nothing here.
    virtual bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                             const TPaintData& paintData);

    // The control as a framework control, or nullptr when unbound.
    ui::Control* BoundControl() const;

private:
    ui::PointF ToAbsolute(double x, double y) const;
    ui::Control* HitTestChild(ui::Control& host, ui::PointF point, ui::PointF& childPoint);
    void DrawChildrenOf(ui::Control& host, TDrawCanvas& canvas, const ui::RectF& drawRect, const TPaintData& paintData,
                        const ui::RectF& visibleRect);

    ui::Component* skinControl_ = nullptr;
    ISkinControl* skinControlIntf_ = nullptr;
};

}  // namespace skin
