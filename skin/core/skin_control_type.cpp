#include "skin/core/skin_control_type.h"

#include <algorithm>
#include <cmath>

#include "skin/core/base_log.h"
#include "skin/core/paint_lock.h"
#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_error.h"
#include "skin/core/skin_material.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_param.h"
#include "skin/draw/draw_rect_param.h"
#include "ui/control.h"

namespace skin {

namespace {

// The drawing layer's tolerance: a product that lies within it above a whole number is that number (an
// opacity of 0.2f times 255 is 51, not 52).
constexpr double kAlphaTolerance = 0.001;

uint8_t ScaledAlpha(uint8_t alpha, double opacity) {
    const double value = std::ceil(alpha * opacity - kAlphaTolerance);
    return static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
}

// The hosted-child face of a control, or nullptr.
IDirectUIControl* DirectUI(ui::Control& control) { return dynamic_cast<IDirectUIControl*>(&control); }

TSkinControlType* TypeOf(ui::Control& control) {
    auto* intf = dynamic_cast<ISkinControl*>(&control);
    return intf != nullptr ? intf->GetSkinControlType() : nullptr;
}

// child's top-left corner in host's coordinates, summed over the parents between them.
ui::PointF OffsetWithin(const ui::Control& child, const ui::Control& host) {
    ui::PointF offset{0, 0};
    for (const ui::Control* c = &child; c != nullptr && c != &host; c = c->ParentControl()) {
        offset.x += c->X();
        offset.y += c->Y();
    }
    return offset;
}

}  // namespace

TSkinControlType::TSkinControlType() = default;

TSkinControlType::~TSkinControlType() {
    if (skinControl_ != nullptr) TSkinControlType::CustomUnBind();
}

void TSkinControlType::Bind(ui::Component& skinControl) {
    if (dynamic_cast<ISkinControl*>(&skinControl) == nullptr) {
        throw SkinError("This Component Do not Support ISkinComponent Interface");
    }
    if (CustomBind(skinControl)) skinControl_ = &skinControl;
}

void TSkinControlType::UnBind() {
    CustomUnBind();
    skinControlIntf_ = nullptr;
    skinControl_ = nullptr;
}

bool TSkinControlType::CustomBind(ui::Component& skinControl) {
    skinControlIntf_ = dynamic_cast<ISkinControl*>(&skinControl);
    if (skinControlIntf_ == nullptr) throw SkinError("This Component Do not Support ISkinControl Interface");
    return true;
}

void TSkinControlType::CustomUnBind() { skinControlIntf_ = nullptr; }

ui::Control* TSkinControlType::BoundControl() const {
    return skinControlIntf_ != nullptr ? &skinControlIntf_->AsFrameworkControl() : nullptr;
}

TDPEffectStates TSkinControlType::GetCurrentEffectStates() const {
    return IsUseCurrentEffectStates ? CurrentEffectStates : CalcCurrentEffectStates();
}

TDPEffectStates TSkinControlType::CalcCurrentEffectStates() const {
    if (skinControlIntf_ == nullptr) return {};
    if (!skinControlIntf_->GetEnabled()) return {TDPEffectState::dpstDisabled};
    TDPEffectStates states;
    if (skinControlIntf_->GetIsMouseDown()) states.Include(TDPEffectState::dpstMouseDown);
    if (skinControlIntf_->GetIsMouseOver()) states.Include(TDPEffectState::dpstMouseOver);
    if (skinControlIntf_->GetIsFocused()) states.Include(TDPEffectState::dpstFocused);
    return states;
}

void TSkinControlType::ProcessMaterialEffectStates(TSkinControlMaterial* material, const TPaintData& paintData) {
    if (material == nullptr) return;
    const ui::Control* control = BoundControl();
    const double opacity = control != nullptr ? control->AbsoluteOpacity() : 1.0;
    const TDPEffectStates states = GetCurrentEffectStates();
    const TDPEffectStates withoutMouse =
        states - TDPEffectStates{TDPEffectState::dpstMouseDown, TDPEffectState::dpstMouseOver};
    for (int i = 0; i < material->DrawParamCount(); ++i) {
        TDrawParam* param = material->DrawParam(i);
        if (param == nullptr) continue;
        param->SetStaticEffectStates(paintData.IsDrawInteractiveState && param->IsControlParam ? states : withoutMouse);
        param->DrawAlpha = ScaledAlpha(param->CurrentEffectAlpha(), opacity);
    }
}

void TSkinControlType::Invalidate() {
    if (PaintLockCount > 0 || skinControlIntf_ == nullptr) return;
    skinControlIntf_->Invalidate();
}

TSkinControlMaterial* TSkinControlType::GetPaintCurrentUseMaterial() {
    return skinControlIntf_ != nullptr ? skinControlIntf_->GetCurrentUseMaterial() : nullptr;
}

bool TSkinControlType::Paint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                             const TPaintData& paintData) {
    if (material == nullptr) return true;
    ProcessMaterialEffectStates(material, paintData);
    if (!material->IsTransparent()) canvas.DrawRect(material->DrawBackColorParam(), drawRect);
    CustomPaint(canvas, material, drawRect, paintData);
    return true;
}

bool TSkinControlType::CustomPaint(TDrawCanvas&, TSkinControlMaterial*, const ui::RectF&, const TPaintData&) {
    return false;
}

double TSkinControlType::GetAutoSizeWidth() { return -1; }

double TSkinControlType::GetAutoSizeHeight() { return -1; }

bool TSkinControlType::CalcAutoSize(double&, double&) { return false; }

ui::PointF TSkinControlType::ToAbsolute(double x, double y) const {
    const ui::PointF local{static_cast<float>(x), static_cast<float>(y)};
    const ui::Control* control = BoundControl();
    return control != nullptr ? control->LocalToAbsolute(local) : local;
}

void TSkinControlType::CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y) {
    // Held here: resolving the material may replace (and unbind) this type meanwhile.
    ISkinControl* control = skinControlIntf_;
    ui::Component* sender = skinControl_;
    if (control == nullptr) return;
    MouseDownPt = {static_cast<float>(x), static_cast<float>(y)};
    MouseDownAbsolutePt = ToAbsolute(x, y);
    MouseMovePt = MouseDownPt;
    MouseMoveAbsolutePt = MouseDownAbsolutePt;
    IsMouseDownRecorded = true;
    control->SetIsMouseDown(true);
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    if (material != nullptr && material->HasMouseDownEffect() && PaintLockCount == 0) control->Invalidate();
    if (const ui::MouseEvent& event = control->GetOnCustomMouseDown()) {
        event(sender, button, shift, static_cast<float>(x), static_cast<float>(y));
    }
}

void TSkinControlType::CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y) {
    // Held here: resolving the material may replace (and unbind) this type meanwhile.
    ISkinControl* control = skinControlIntf_;
    ui::Component* sender = skinControl_;
    if (control == nullptr) return;
    MouseUpPt = {static_cast<float>(x), static_cast<float>(y)};
    MouseUpAbsolutePt = ToAbsolute(x, y);
    control->SetIsMouseDown(false);
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    if (material != nullptr && material->HasMouseDownEffect() && PaintLockCount == 0) control->Invalidate();
    if (const ui::MouseEvent& event = control->GetOnCustomMouseUp()) {
        event(sender, button, shift, static_cast<float>(x), static_cast<float>(y));
    }
}

void TSkinControlType::CustomMouseMove(ui::ShiftState shift, double x, double y) {
    // Held here: resolving the material may replace (and unbind) this type meanwhile.
    ISkinControl* control = skinControlIntf_;
    ui::Component* sender = skinControl_;
    if (control == nullptr) return;
    MouseMovePt = {static_cast<float>(x), static_cast<float>(y)};
    MouseMoveAbsolutePt = ToAbsolute(x, y);
    if (const ui::MouseMoveEvent& event = control->GetOnCustomMouseMove()) {
        event(sender, shift, static_cast<float>(x), static_cast<float>(y));
    }
}

void TSkinControlType::CustomMouseEnter() {
    // Held here: resolving the material may replace (and unbind) this type meanwhile.
    ISkinControl* control = skinControlIntf_;
    ui::Component* sender = skinControl_;
    if (control == nullptr) return;
    control->SetIsMouseOver(true);
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    if (material != nullptr && material->HasMouseOverEffect() && PaintLockCount == 0) control->Invalidate();
    if (const ui::NotifyEvent& event = control->GetOnCustomMouseEnter()) event(sender);
}

void TSkinControlType::CustomMouseLeave() {
    // Held here: resolving the material may replace (and unbind) this type meanwhile.
    ISkinControl* control = skinControlIntf_;
    ui::Component* sender = skinControl_;
    if (control == nullptr) return;
    control->SetIsMouseOver(false);
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    if (material != nullptr && material->HasMouseOverEffect() && PaintLockCount == 0) control->Invalidate();
    if (const ui::NotifyEvent& event = control->GetOnCustomMouseLeave()) event(sender);
}

bool TSkinControlType::CustomMouseWheel(ui::ShiftState, int, double, double) { return false; }

// --- hosted children

ui::Control* TSkinControlType::HitTestChild(ui::Control& host, ui::PointF point, ui::PointF& childPoint) {
    const auto children = host.Controls();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        ui::Control& child = **it;
        IDirectUIControl* directUI = DirectUI(child);
        if (directUI == nullptr || !child.Visible() || child.Width() <= 0 || child.Height() <= 0) continue;
        if (!child.BoundsRect().Contains(point)) continue;
        const ui::PointF inChild{point.x - child.X(), point.y - child.Y()};
        if (TypeOf(child) != nullptr) {
            if (ui::Control* deeper = HitTestChild(child, inChild, childPoint)) return deeper;
        }
        if (directUI->GetHitTest()) {
            childPoint = inChild;
            return &child;
        }
    }
    return nullptr;
}

void TSkinControlType::DirectUIMouseDown(ui::Object*, ui::MouseButton button, ui::ShiftState shift, double x,
                                         double y) {
    CustomMouseDown(button, shift, x, y);
    ui::Control* host = BoundControl();
    if (host == nullptr) return;
    ui::PointF childPoint;
    CurrentHitTestChildControl = HitTestChild(*host, {static_cast<float>(x), static_cast<float>(y)}, childPoint);
    LastMouseDownChildControl = CurrentHitTestChildControl;
    EventProcessedByChild = CurrentHitTestChildControl != nullptr;
    if (CurrentHitTestChildControl == nullptr) return;
    const ui::PointF offset = OffsetWithin(*CurrentHitTestChildControl, *host);
    if (TSkinControlType* type = TypeOf(*CurrentHitTestChildControl)) {
        type->CustomMouseDown(button, shift, x - offset.x, y - offset.y);
    }
}

void TSkinControlType::DirectUIMouseMove(ui::Object*, ui::ShiftState shift, double x, double y) {
    CustomMouseMove(shift, x, y);
    ui::Control* host = BoundControl();
    if (host == nullptr) return;
    ui::PointF childPoint;
    CurrentHitTestChildControl = HitTestChild(*host, {static_cast<float>(x), static_cast<float>(y)}, childPoint);
    if (LastMouseMoveChildControl != CurrentHitTestChildControl) {
        if (LastMouseMoveChildControl != nullptr) {
            if (TSkinControlType* type = TypeOf(*LastMouseMoveChildControl)) type->CustomMouseLeave();
        }
        if (CurrentHitTestChildControl != nullptr) {
            if (TSkinControlType* type = TypeOf(*CurrentHitTestChildControl)) type->CustomMouseEnter();
        }
        LastMouseMoveChildControl = CurrentHitTestChildControl;
    }
    EventProcessedByChild = CurrentHitTestChildControl != nullptr;
    if (CurrentHitTestChildControl == nullptr) return;
    const ui::PointF offset = OffsetWithin(*CurrentHitTestChildControl, *host);
    if (TSkinControlType* type = TypeOf(*CurrentHitTestChildControl)) {
        type->CustomMouseMove(shift, x - offset.x, y - offset.y);
    }
}

void TSkinControlType::DirectUIMouseUp(ui::Object*, ui::MouseButton button, ui::ShiftState shift, double x, double y,
                                       bool callClick) {
    CustomMouseUp(button, shift, x, y);
    ui::Control* host = BoundControl();
    if (host == nullptr) return;
    ui::PointF childPoint;
    CurrentHitTestChildControl = HitTestChild(*host, {static_cast<float>(x), static_cast<float>(y)}, childPoint);
    EventClickedByChild = false;
    auto release = [&](ui::Control& child) {
        const ui::PointF offset = OffsetWithin(child, *host);
        if (TSkinControlType* type = TypeOf(child)) type->CustomMouseUp(button, shift, x - offset.x, y - offset.y);
        DebugLog(u"ProcessMouseUpDirectUIControls 当前弹起 " + child.Name());
    };
    ui::Control* pressed = LastMouseDownChildControl;
    LastMouseDownChildControl = nullptr;
    if (pressed != nullptr && pressed != CurrentHitTestChildControl) release(*pressed);
    ui::Control* hit = CurrentHitTestChildControl;
    EventProcessedByChild = hit != nullptr;
    if (hit == nullptr) return;
    release(*hit);
    if (callClick && hit == pressed && hit->Enabled()) {
        DebugLog(u"ProcessMouseUpDirectUIControls 当前点击 " + hit->Name());
        if (IDirectUIControl* directUI = DirectUI(*hit)) directUI->Click();
        EventClickedByChild = true;
    }
}

void TSkinControlType::DirectUIMouseEnter(ui::Object*) { CustomMouseEnter(); }

void TSkinControlType::DirectUIMouseLeave(ui::Object*) {
    CustomMouseLeave();
    if (CurrentHitTestChildControl != nullptr) {
        if (auto* intf = dynamic_cast<ISkinControl*>(CurrentHitTestChildControl)) intf->SetIsMouseOver(false);
    }
}

void TSkinControlType::DrawChildControls(TDrawCanvas& canvas, const ui::RectF& drawRect, const TPaintData& paintData,
                                         const ui::RectF& visibleRect) {
    if (ui::Control* host = BoundControl()) DrawChildrenOf(*host, canvas, drawRect, paintData, visibleRect);
}

void TSkinControlType::DrawChildrenOf(ui::Control& host, TDrawCanvas& canvas, const ui::RectF& drawRect,
                                      const TPaintData& paintData, const ui::RectF& visibleRect) {
    for (ui::Control* child : host.Controls()) {
        IDirectUIControl* directUI = DirectUI(*child);
        if (directUI == nullptr || !child->Visible() || !CanPaintChildControl(*child, paintData)) continue;
        const ui::RectF childRect = child->BoundsRect().Offset(drawRect.left, drawRect.top);
        if (childRect.Intersect(visibleRect).IsEmpty()) continue;
        TSkinControlType* type = directUI->GetSkinControlType();
        if (type == nullptr) continue;
        TPaintData childData;
        childData.IsInDrawDirectUI = true;
        if (directUI->GetHitTest()) {
            childData.IsDrawInteractiveState = paintData.IsDrawInteractiveState;
            type->Paint(canvas, type->GetPaintCurrentUseMaterial(), childRect, childData);
        } else {
            // A child that takes no hits shows the host's states.
            type->IsUseCurrentEffectStates = true;
            type->CurrentEffectStates = GetCurrentEffectStates();
            childData.IsDrawInteractiveState = true;
            type->Paint(canvas, type->GetPaintCurrentUseMaterial(), childRect, childData);
            type->IsUseCurrentEffectStates = false;
        }
        DrawChildrenOf(*child, canvas, childRect, paintData, visibleRect);
    }
}

}  // namespace skin
