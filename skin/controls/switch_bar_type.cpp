#include "skin/controls/switch_bar_type.h"

#include <algorithm>
#include <cmath>

#include "skin/controls/switch_bar_material.h"
#include "skin/controls/switch_bar_properties.h"
#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/picture/draw_picture.h"
#include "ui/control.h"

namespace skin {

namespace {

bool HasPicture(TDrawPicture& picture) { return !picture.CurrentPictureIsEmpty(); }

bool Contains(const ui::RectF& rect, double x, double y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

bool TSkinSwitchBarType::CustomBind(ui::Component& skinControl) {
    if (!TSkinControlType::CustomBind(skinControl)) return false;
    skinSwitchBarIntf_ = dynamic_cast<ISkinSwitchBar*>(&skinControl);
    if (skinSwitchBarIntf_ == nullptr) throw SkinError("This Component Do not Support ISkinSwitchBar Interface");
    return true;
}

void TSkinSwitchBarType::CustomUnBind() {
    TSkinControlType::CustomUnBind();
    skinSwitchBarIntf_ = nullptr;
}

TSwitchBarProperties* TSkinSwitchBarType::SwitchBarProperties() const {
    return skinSwitchBarIntf_ != nullptr ? &skinSwitchBarIntf_->GetSwitchBarProperties() : nullptr;
}

bool TSkinSwitchBarType::IsHorizontal() const {
    const TSwitchBarProperties* properties = SwitchBarProperties();
    return properties == nullptr || properties->Orientation() == TSwitchBarOrientation::srHorizontal;
}

double TSkinSwitchBarType::TrackLength() const {
    const ISkinControl* control = SkinControlIntf();
    if (control == nullptr) return 0;
    return IsHorizontal() ? control->GetWidth() : control->GetHeight();
}

double TSkinSwitchBarType::PositionPixel(double position) const {
    const TSwitchBarProperties* properties = SwitchBarProperties();
    if (properties == nullptr) return 0;
    const double range = properties->Max() - properties->Min();
    const double length = TrackLength();
    if (range == 0) return length;
    return std::nearbyint((position - properties->Min()) * length / range);
}

TDPEffectStates TSkinSwitchBarType::CalcCurrentEffectStates() const {
    TDPEffectStates states = TSkinControlType::CalcCurrentEffectStates();
    if (const TSwitchBarProperties* properties = SwitchBarProperties();
        properties != nullptr && properties->Checked()) {
        states.Include(TDPEffectState::dpstPushed);
    }
    return states;
}

double TSkinSwitchBarType::GetSwitchBtnDrawSize() { throw SkinError("Abstract Error"); }

ui::RectF TSkinSwitchBarType::GetSwitchBtnDrawRect(double) { throw SkinError("Abstract Error"); }

bool TSkinSwitchBarType::IsOnKnob(double x, double y) {
    const ISkinControl* control = SkinControlIntf();
    TSwitchBarProperties* properties = SwitchBarProperties();
    if (control == nullptr || properties == nullptr) return false;
    const ui::RectF whole{0, 0, static_cast<float>(control->GetWidth()), static_cast<float>(control->GetHeight())};
    return Contains(whole, x, y) && Contains(GetSwitchBtnDrawRect(properties->Position()), x, y);
}

void TSkinSwitchBarType::CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y) {
    TSkinControlType::CustomMouseDown(button, shift, x, y);
    TSwitchBarProperties* properties = SwitchBarProperties();
    if (properties == nullptr) return;
    TSkinSwitchBarBtnState& state = properties->SwitchBtnState();
    const bool held = IsOnKnob(x, y);
    const bool changed = held != state.MouseDown;
    state.MouseDown = held;
    if (held) state.MouseDownPt = {static_cast<float>(x), static_cast<float>(y)};
    if (changed) Invalidate();
}

void TSkinSwitchBarType::CustomMouseMove(ui::ShiftState shift, double x, double y) {
    TSkinControlType::CustomMouseMove(shift, x, y);
    TSwitchBarProperties* properties = SwitchBarProperties();
    if (properties == nullptr) return;
    TSkinSwitchBarBtnState& state = properties->SwitchBtnState();
    const bool hovered = IsOnKnob(x, y);
    if (hovered != state.MouseHover) {
        state.MouseHover = hovered;
        Invalidate();
    }
    if (!state.MouseDown) return;
    // The press that holds the knob has ended without a release reaching the control (the capture was
    // taken away): the knob is let go instead of following a pointer whose button may be up.
    const ui::Control* control = BoundControl();
    if (control != nullptr && control->RootForm() != nullptr && !control->IsCaptured()) {
        state.MouseDown = false;
        Invalidate();
        return;
    }
    const bool horizontal = IsHorizontal();
    const double coordinate = horizontal ? x : y;
    const double delta = coordinate - (horizontal ? state.MouseDownPt.x : state.MouseDownPt.y);
    if (delta == 0) return;
    const double knob = GetSwitchBtnDrawSize();
    const double room = TrackLength() - knob;
    if (room <= 0) {
        properties->SetPosition(properties->Min());
    } else {
        const double start = coordinate - knob / 2;
        properties->SetPosition((properties->Max() - properties->Min()) * start / room + properties->Min());
    }
    state.MouseDownPt = {static_cast<float>(x), static_cast<float>(y)};
}

void TSkinSwitchBarType::CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y) {
    TSkinControlType::CustomMouseUp(button, shift, x, y);
    TSwitchBarProperties* properties = SwitchBarProperties();
    if (properties == nullptr) return;
    TSkinSwitchBarBtnState& state = properties->SwitchBtnState();
    if (!state.MouseDown) return;
    state.MouseDown = false;
    Invalidate();
}

void TSkinSwitchBarType::CustomMouseLeave() {
    TSkinControlType::CustomMouseLeave();
    TSwitchBarProperties* properties = SwitchBarProperties();
    if (properties == nullptr) return;
    TSkinSwitchBarBtnState& state = properties->SwitchBtnState();
    if (!state.MouseHover) return;
    state.MouseHover = false;
    Invalidate();
}

void TSkinSwitchBarType::SizeChanged() {
    TSkinControlType::SizeChanged();
    Invalidate();
}

double TSkinSwitchBarDefaultType::GetSwitchBtnDrawSize() {
    auto* material = dynamic_cast<TSkinSwitchBarDefaultMaterial*>(GetPaintCurrentUseMaterial());
    if (material == nullptr) return 0;
    if (material->SwitchBtnDrawSize() != 0) return material->SwitchBtnDrawSize();
    return IsHorizontal() ? material->HorzSwitchBtnNormalPicture().CurrentPictureWidth()
                          : material->VertSwitchBtnNormalPicture().CurrentPictureHeight();
}

ui::RectF TSkinSwitchBarDefaultType::GetSwitchBtnDrawRect(double position) {
    const ISkinControl* control = SkinControlIntf();
    if (control == nullptr) return {};
    ui::RectF rect{0, 0, static_cast<float>(control->GetWidth()), static_cast<float>(control->GetHeight())};
    const double length = TrackLength();
    const double knob = GetSwitchBtnDrawSize();
    const double pixel = PositionPixel(position);
    double start = 0;
    if (pixel >= length - knob / 2) {
        start = std::min(pixel - knob / 2, length - knob);
    } else if (pixel >= knob / 2) {
        start = pixel - knob / 2;
    }
    if (IsHorizontal()) {
        rect.left = static_cast<float>(start);
        rect.right = static_cast<float>(start + knob);
    } else {
        rect.top = static_cast<float>(start);
        rect.bottom = static_cast<float>(start + knob);
    }
    return rect;
}

ui::RectF TSkinSwitchBarDefaultType::GetForeGndDrawRect(double position) {
    const ISkinControl* control = SkinControlIntf();
    if (control == nullptr) return {};
    ui::RectF rect{0, 0, static_cast<float>(control->GetWidth()), static_cast<float>(control->GetHeight())};
    const double knob = GetSwitchBtnDrawSize();
    const double pixel = PositionPixel(position);
    const double end = pixel > knob ? pixel + knob / 2 : pixel;
    if (IsHorizontal()) {
        rect.right = static_cast<float>(std::min(end, control->GetWidth()));
    } else {
        rect.bottom = static_cast<float>(std::min(end, control->GetHeight()));
    }
    return rect;
}

bool TSkinSwitchBarDefaultType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material,
                                            const ui::RectF& drawRect, const TPaintData& paintData) {
    auto* m = dynamic_cast<TSkinSwitchBarDefaultMaterial*>(material);
    TSwitchBarProperties* properties = SwitchBarProperties();
    if (m == nullptr || properties == nullptr) return false;
    const bool interactive = paintData.IsDrawInteractiveState;
    const bool horizontal = IsHorizontal();
    const double position = interactive ? properties->Position() : properties->DrawPosition();
    const TSkinSwitchBarBtnState& state = properties->SwitchBtnState();

    TDrawPicture& normalKnob = horizontal ? m->HorzSwitchBtnNormalPicture() : m->VertSwitchBtnNormalPicture();
    TDrawPicture* knob = &normalKnob;
    if (state.MouseDown && interactive) {
        knob = horizontal ? &m->HorzSwitchBtnDownPicture() : &m->VertSwitchBtnDownPicture();
    } else if (state.MouseHover && interactive) {
        knob = horizontal ? &m->HorzSwitchBtnHoverPicture() : &m->VertSwitchBtnHoverPicture();
    }
    if (!HasPicture(*knob)) knob = &normalKnob;

    TDrawPicture& backGround = horizontal ? m->HorzBackGndPicture() : m->VertBackGndPicture();
    TDrawPicture& foreGround = horizontal ? m->HorzForeGndPicture() : m->VertForeGndPicture();
    if (m->IsDrawForeAndBackGround()) {
        canvas.DrawPicture(m->BackGndDrawPictureParam(), &backGround, drawRect);
        canvas.DrawPicture(m->ForeGndDrawPictureParam(), &foreGround,
                           GetForeGndDrawRect(position).Offset(drawRect.left, drawRect.top));
    } else if (properties->Checked()) {
        canvas.DrawPicture(m->ForeGndDrawPictureParam(), &foreGround, drawRect);
    } else {
        canvas.DrawPicture(m->BackGndDrawPictureParam(), &backGround, drawRect);
    }
    canvas.DrawPicture(m->SwitchBtnDrawPictureParam(), knob,
                       GetSwitchBtnDrawRect(position).Offset(drawRect.left, drawRect.top));
    return true;
}

}  // namespace skin
