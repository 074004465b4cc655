#include "ui/control.h"

#include <algorithm>

#include "ui/action.h"
#include "ui/canvas.h"
#include "ui/canvas_state_saver.h"
#include "ui/form.h"
#include "ui/form_host.h"
#include "ui/glow_effect.h"
#include "ui/popup_menu.h"
#include "ui/property_table.h"

namespace ui {

namespace {

// Logical pixels around a control's update rectangle that its paint may still touch (half a border's width,
// antialiased edges).
constexpr float kPaintMargin = 2;

}  // namespace

Control::Control() : size_(std::make_unique<ControlSize>(*this)) {
    position_.OnChange = [this](Object*) { PositionChanged(); };
    margins_.OnChange = [this](Object*) { MarginsChanged(); };
    rotationCenter_.SetPoint({0.5f, 0.5f});
    scale_.SetPoint({1, 1});
    rotationCenter_.OnChange = [this](Object*) { TransformChanged(); };
    scale_.OnChange = [this](Object*) { TransformChanged(); };
}

Control::~Control() {
    BeginDestruction();
    // The owned components go while this control is whole; then the children are left without a parent and
    // the control leaves its own parent (and with it the form).
    DestroyComponents();
    SetAction(nullptr);
    SetPopupMenu(nullptr);
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
    if (Form* form = RootForm(); form != nullptr && form != this) form->ForgetSubtree(this, false);
    SetParent(nullptr);
}

const PropertyTable& Control::StaticProperties() {
    static const PropertyTable table =
        PropertyTableBuilder<Control>(&Component::StaticProperties())
            .Enumeration<AlignLayout>(u"Align", {u"None", u"Bottom"}, &Control::Align, &Control::SetAlign)
            .Bool(u"CanFocus", &Control::CanFocus, &Control::SetCanFocus)
            .Bool(u"ClipChildren", &Control::ClipChildren, &Control::SetClipChildren)
            .Bool(u"Enabled", &Control::Enabled, &Control::SetEnabled)
            .Single(u"Height", &Control::Height, &Control::SetHeight)
            .Text(u"Hint", &Control::Hint, &Control::SetHint)
            .Bool(u"HitTest", &Control::HitTest, &Control::SetHitTest)
            .Object(u"Margins", [](Control& c) -> Bounds& { return c.margins_; })
            .Object(u"Padding", [](Control& c) -> Bounds& { return c.padding_; })
            .Single(u"Opacity", &Control::Opacity, &Control::SetOpacity)
            .Object(u"Position", [](Control& c) -> ui::Position& { return c.position_; })
            .Bool(u"ShowHint", &Control::ShowHint, &Control::SetShowHint)
            .Bool(u"Visible", &Control::Visible, &Control::SetVisible)
            .Single(u"Width", &Control::Width, &Control::SetWidth)
            .Event(u"OnClick", &Control::OnClick)
            .Event(u"OnEnter", &Control::OnEnter)
            .Event(u"OnExit", &Control::OnExit)
            .Event(u"OnKeyDown", &Control::OnKeyDown)
            .Event(u"OnKeyUp", &Control::OnKeyUp)
            .Event(u"OnMouseDown", &Control::OnMouseDown)
            .Event(u"OnMouseEnter", &Control::OnMouseEnter)
            .Event(u"OnMouseLeave", &Control::OnMouseLeave)
            .Event(u"OnMouseMove", &Control::OnMouseMove)
            .Event(u"OnMouseUp", &Control::OnMouseUp)
            .Event(u"OnMouseWheel", &Control::OnMouseWheel)
            .Event(u"OnPaint", &Control::OnPaint)
            .Event(u"OnPainting", &Control::OnPainting)
            .Event(u"OnResize", &Control::OnResize)
            .Build();
    return table;
}

// --- tree

Control* Control::ParentControl() const { return Parent() != nullptr ? Parent()->AsControl() : nullptr; }

Control* Control::RootControl() {
    Control* root = this;
    while (Control* parent = root->ParentControl()) root = parent;
    return root;
}

Form* Control::RootForm() { return dynamic_cast<Form*>(RootControl()); }

void Control::ChildAdded(Component* child) {
    Control* control = child->AsControl();
    if (control == nullptr) return;
    controls_.push_back(control);
    if (control->align_ != AlignLayout::None) Realign();
    control->Repaint();
}

void Control::ChildRemoved(Component* child) {
    Control* control = child->AsControl();
    if (control == nullptr) return;
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (control->align_ != AlignLayout::None) Realign();
    Repaint();
}

void Control::ParentChanged(Component* oldParent) {
    Control* oldControl = oldParent != nullptr ? oldParent->AsControl() : nullptr;
    if (oldControl == nullptr) return;
    Form* oldForm = oldControl->RootForm();
    if (oldForm != nullptr && oldForm != RootForm()) oldForm->ForgetSubtree(this, false);
}

// --- place and size

void Control::SetSize(float width, float height) { ApplyBounds(X(), Y(), width, height, false); }

void Control::SetBounds(float x, float y, float width, float height) { ApplyBounds(x, y, width, height, false); }

void Control::ApplyBounds(float x, float y, float width, float height, bool fromParentAlign) {
    width = std::max(width, 0.0f);
    height = std::max(height, 0.0f);
    const bool moved = x != X() || y != Y();
    const bool resized = width != width_ || height != height_;
    if (!moved && !resized) return;
    const float dw = width - width_;
    const float dh = height - height_;
    Repaint();
    inApplyBounds_ = true;
    width_ = width;
    height_ = height;
    position_.SetPoint({x, y});
    inApplyBounds_ = false;
    if (resized) {
        AnchorChildren(dw, dh);
        Resize();
        Realign();
    }
    if (!fromParentAlign && align_ != AlignLayout::None) ParentRealign();
    Repaint();
}

void Control::PositionChanged() {
    const PointF old = placed_;
    placed_ = position_.Point();
    if (inApplyBounds_) return;
    if (!RepaintSuppressed()) {
        // The area the control covered before the move.
        const RectF rect = UpdateRectShifted(old.x - placed_.x, old.y - placed_.y);
        if (!rect.IsEmpty()) RootForm()->Invalidate(rect);
    }
    Repaint();
    if (align_ != AlignLayout::None) ParentRealign();
}

void Control::AnchorChildren(float dw, float dh) {
    if (IsLoading() || IsReading()) return;
    for (Control* child : controls_) {
        const ui::Anchors a = child->anchors_;
        if (a == kDefaultAnchors || child->align_ != AlignLayout::None) continue;
        float x = child->X();
        float y = child->Y();
        float w = child->width_;
        float h = child->height_;
        const bool left = a.Contains(AnchorKind::Left);
        const bool right = a.Contains(AnchorKind::Right);
        const bool top = a.Contains(AnchorKind::Top);
        const bool bottom = a.Contains(AnchorKind::Bottom);
        if (left && right) {
            w += dw;
        } else if (right) {
            x += dw;
        } else if (!left) {
            x += dw / 2;
        }
        if (top && bottom) {
            h += dh;
        } else if (bottom) {
            y += dh;
        } else if (!top) {
            y += dh / 2;
        }
        child->ApplyBounds(x, y, w, h, true);
    }
}

void Control::MarginsChanged() {
    if (align_ != AlignLayout::None) ParentRealign();
}

void Control::SetAlign(AlignLayout align) {
    if (align == align_) return;
    align_ = align;
    ParentRealign();
}

void Control::ParentRealign() {
    if (Control* parent = ParentControl()) parent->Realign();
}

void Control::Realign() {
    if (realigning_ || IsLoading() || IsDestroying() || RootControl()->IsDestroying()) return;
    realigning_ = true;
    float bottom = height_;
    for (Control* child : controls_) {
        if (child->align_ != AlignLayout::Bottom || !child->visible_) continue;
        const RectF& m = child->margins_.Rect();
        const float top = bottom - m.bottom - child->height_;
        child->ApplyBounds(m.left, top, width_ - m.left - m.right, child->height_, true);
        bottom = top - m.top;
    }
    realigning_ = false;
}

void Control::Loaded() {
    Component::Loaded();
    Realign();
}

// --- look and state

void Control::SetOpacity(float opacity) {
    opacity = std::clamp(opacity, 0.0f, 1.0f);
    if (opacity == opacity_) return;
    opacity_ = opacity;
    Repaint();
}

float Control::AbsoluteOpacity() const {
    float result = opacity_;
    for (const Control* c = ParentControl(); c != nullptr; c = c->ParentControl()) result *= c->opacity_;
    return result;
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Repaint();
    visible_ = visible;
    if (!visible) {
        if (Form* form = RootForm()) form->ForgetSubtree(this, true);
    }
    if (align_ != AlignLayout::None) ParentRealign();
    if (visible) Repaint();
}

bool Control::IsVisibleInTree() const {
    for (const Control* c = this; c != nullptr; c = c->ParentControl()) {
        if (!c->visible_) return false;
    }
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!enabled) {
        if (Form* form = RootForm()) form->ForgetSubtree(this, true);
    }
    Repaint();
}

bool Control::AbsoluteEnabled() const {
    for (const Control* c = this; c != nullptr; c = c->ParentControl()) {
        if (!c->enabled_) return false;
    }
    return true;
}

void Control::SetClipChildren(bool clip) {
    if (clip == clipChildren_) return;
    Repaint();
    clipChildren_ = clip;
    Repaint();
}

void Control::SetHint(std::u16string_view hint) {
    if (hint == hint_) return;
    hint_ = hint;
    if (Form* form = RootForm(); form != nullptr && form->Hovered() == this) form->UpdateHint();
}

void Control::SetShowHint(bool show) {
    if (show == showHint_) return;
    showHint_ = show;
    if (Form* form = RootForm(); form != nullptr && form->Hovered() == this) form->UpdateHint();
}

void Control::SetCursor(CursorShape cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (Form* form = RootForm()) form->UpdateCursor();
}

// --- transform

void Control::SetRotationAngle(float degrees) {
    if (degrees == rotationAngle_) return;
    rotationAngle_ = degrees;
    TransformChanged();
}

bool Control::HasTransform() const {
    return rotationAngle_ != 0 || scale_.X() != 1 || scale_.Y() != 1;
}

Matrix Control::LocalMatrix() const {
    if (!HasTransform()) return Matrix::Translation(X(), Y());
    const PointF center{rotationCenter_.X() * width_, rotationCenter_.Y() * height_};
    return Matrix::Translation(-center.x, -center.y)
        .Then(Matrix::Scaling(scale_.X(), scale_.Y()))
        .Then(Matrix::Rotation(rotationAngle_))
        .Then(Matrix::Translation(center.x + X(), center.y + Y()));
}

Matrix Control::AbsoluteMatrix() const {
    Matrix m;
    for (const Control* c = this; c->ParentControl() != nullptr; c = c->ParentControl()) m = m.Then(c->LocalMatrix());
    return m;
}

PointF Control::ParentToLocal(PointF point) const {
    if (!HasTransform()) return {point.x - X(), point.y - Y()};
    return LocalMatrix().Inverse().Apply(point);
}

void Control::TransformChanged() {
    // Where the control was before the change is not kept: the whole window repaints (transforms change
    // rarely).
    if (RepaintSuppressed() || !IsVisibleInTree()) return;
    Form* form = RootForm();
    form->Invalidate(form->LocalRect());
}

bool Control::PointInObject(PointF point) const {
    const RectF& e = touchTargetExpansion_.Rect();
    return RectF{-e.left, -e.top, width_ + e.right, height_ + e.bottom}.Contains(point);
}

// --- action, popup menu, drag

void Control::SetAction(ui::Action* action) {
    if (action == action_) return;
    if (action_ != nullptr) {
        action_->RemoveClient(this);
        RemoveFreeNotification(action_);
    }
    action_ = action;
    if (action_ != nullptr) {
        FreeNotification(action_);
        action_->AddClient(this);
        ActionChange(*action_);
    }
}

void Control::SetPopupMenu(ui::PopupMenu* menu) {
    if (menu == popupMenu_) return;
    if (popupMenu_ != nullptr) {
        if (popupMenu_->PopupComponent() == this) popupMenu_->SetPopupComponent(nullptr);
        RemoveFreeNotification(popupMenu_);
    }
    popupMenu_ = menu;
    if (popupMenu_ != nullptr) FreeNotification(popupMenu_);
}

void Control::Notification(Component* component, Operation operation) {
    if (operation == Operation::Remove) {
        if (component == action_) action_ = nullptr;
        if (component == popupMenu_) popupMenu_ = nullptr;
    }
    Component::Notification(component, operation);
}

void Control::BeginDrag() {
    if (Form* form = RootForm()) form->StartDrag(this);
}

// --- focus and mouse state

void Control::SetCanFocus(bool canFocus) {
    canFocus_ = canFocus;
    if (!canFocus) ResetFocus();
}

bool Control::IsFocused() const {
    const Form* form = RootForm();
    return form != nullptr && form->Focused() == this;
}

bool Control::SetFocus() {
    if (!canFocus_ || !IsVisibleInTree() || !AbsoluteEnabled()) return false;
    Form* form = RootForm();
    if (form == nullptr) return false;
    if (IsFocused()) return true;
    if (!DoCanFocus()) return false;
    form->SetFocusedControl(this);
    return IsFocused();
}

void Control::FocusParent() {
    for (Control* c = ParentControl(); c != nullptr; c = c->ParentControl()) {
        if (c->canFocus_ && c->SetFocus()) return;
    }
}

void Control::ResetFocus() {
    if (IsFocused()) RootForm()->SetFocusedControl(nullptr);
}

void Control::Capture() {
    if (Form* form = RootForm()) form->SetCaptured(this);
}

void Control::ReleaseCapture() {
    if (IsCaptured()) RootForm()->SetCaptured(nullptr);
}

bool Control::IsCaptured() const {
    const Form* form = RootForm();
    return form != nullptr && form->Captured() == this;
}

// --- coordinates

PointF Control::LocalToAbsolute(PointF point) const {
    for (const Control* c = this; c->ParentControl() != nullptr; c = c->ParentControl()) {
        point = c->HasTransform() ? c->LocalMatrix().Apply(point) : PointF{point.x + c->X(), point.y + c->Y()};
    }
    return point;
}

PointF Control::AbsoluteToLocal(PointF point) const {
    const Matrix m = AbsoluteMatrix();
    if (m.IsTranslationOnly()) return {point.x - m.dx, point.y - m.dy};
    return m.Inverse().Apply(point);
}

PointF Control::LocalToScreen(PointF point) const {
    const PointF absolute = LocalToAbsolute(point);
    const Form* form = RootForm();
    return form != nullptr ? form->ClientToScreen(absolute) : absolute;
}

PointF Control::ScreenToLocal(PointF point) const {
    const Form* form = RootForm();
    return AbsoluteToLocal(form != nullptr ? form->ScreenToClient(point) : point);
}

Control* Control::ControlAt(PointF point) {
    if (!visible_ || !enabled_) return nullptr;
    const bool self = hitTest_ && PointInObject(point);
    // Clipped children show only inside the rectangle; the widened input area still belongs to the control.
    if (clipChildren_ && !LocalRect().Contains(point)) return self ? this : nullptr;
    for (size_t i = controls_.size(); i > 0; --i) {
        Control* child = controls_[i - 1];
        if (Control* hit = child->ControlAt(child->ParentToLocal(point))) return hit;
    }
    return self ? this : nullptr;
}

bool Control::IsOverSelf(float x, float y) {
    Control* root = RootControl();
    return root->ControlAt(LocalToAbsolute({x, y})) == this;
}

// --- painting

bool Control::RepaintSuppressed() const {
    if (IsLoading() || IsDestroying()) return true;
    const Form* form = RootForm();
    return form == nullptr || form->Host() == nullptr || form->IsLoading() || form->IsDestroying();
}

void Control::Repaint() {
    if (RepaintSuppressed() || !IsVisibleInTree()) return;
    const RectF rect = AbsoluteUpdateRect();
    if (!rect.IsEmpty()) RootForm()->Invalidate(rect);
}

RectF Control::LocalUpdateRect() const {
    RectF rect = LocalRect();
    if (const GlowEffect* glow = GlowEffect::Find(*this)) rect = rect.Inflate(glow->Extent());
    if (!clipChildren_) {
        for (const Control* child : controls_) {
            if (child->visible_) rect = rect.Union(child->LocalMatrix().MapRect(child->LocalUpdateRect()));
        }
    }
    return rect;
}

RectF Control::AbsoluteUpdateRect() const { return UpdateRectShifted(0, 0); }

RectF Control::UpdateRectShifted(float dx, float dy) const {
    RectF rect = AbsoluteMatrix().MapRect(LocalUpdateRect()).Offset(dx, dy);
    for (const Control* a = this; a != nullptr; a = a->ParentControl()) {
        const bool isRoot = a->ParentControl() == nullptr;
        if (a == this && !isRoot) continue;
        if (a->clipChildren_ || isRoot) rect = rect.Intersect(a->AbsoluteMatrix().MapRect(a->LocalRect()));
    }
    return rect;
}

void Control::PaintTree(Canvas& canvas, PaintEffects effects) {
    if (!visible_ || opacity_ <= 0) return;
    const RectF local = LocalRect();
    if (effects == PaintEffects::With) {
        if (const GlowEffect* glow = GlowEffect::Find(*this)) {
            Form* form = RootForm();
            if (form != nullptr && form->Host() != nullptr) form->Host()->PaintGlow(canvas, *this, *glow);
        }
    }
    if (OnPainting) OnPainting(this, canvas, local);
    Paint(canvas);
    if (OnPaint) OnPaint(this, canvas, local);
    if (controls_.empty()) return;
    const CanvasStateSaver saver(canvas);
    if (clipChildren_) canvas.IntersectClipRect(local);
    const Matrix base = canvas.GetMatrix();
    for (Control* child : controls_) {
        if (!child->visible_ || child->opacity_ <= 0) continue;
        canvas.SetMatrix(child->LocalMatrix().Then(base));
        // A child whose paint cannot reach the clip is left out: wholly clipped drawing calls still cost their
        // set-up on every frame. Controls paint within their update rectangle (a repaint redraws no more); the
        // margin holds strokes centred on their edges.
        if (!canvas.RectVisible(child->LocalUpdateRect().Inflate(kPaintMargin))) continue;
        child->PaintTree(canvas, effects);
    }
}

// --- framework callbacks

void Control::MouseDown(MouseButton button, ShiftState shift, float x, float y) {
    if (button == MouseButton::Left) pressed_ = true;
    if (!canFocus_ && canParentFocus_) FocusParent();
    if (autoCapture_) Capture();
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, float x, float y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, float x, float y) {
    const bool completesClick = button == MouseButton::Left && pressed_;
    if (button == MouseButton::Left) pressed_ = false;
    ReleaseCapture();
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    if (completesClick && IsOverSelf(x, y)) Click();
    if (button == MouseButton::Right && popupMenu_ != nullptr && IsOverSelf(x, y)) {
        Form* form = RootForm();
        if (form != nullptr && form->Host() != nullptr) {
            ui::PopupMenu& menu = *popupMenu_;
            menu.SetPopupComponent(this);
            if (menu.OnPopup) menu.OnPopup(&menu);
            form->Host()->ShowPopupMenu(menu, LocalToScreen({x, y}));
        }
    }
}

void Control::MouseWheel(ShiftState shift, int wheelDelta, bool& handled) {
    if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, handled);
}

void Control::DoMouseEnter() {
    isMouseOver_ = true;
    if (OnMouseEnter) OnMouseEnter(this);
}

void Control::DoMouseLeave() {
    isMouseOver_ = false;
    if (OnMouseLeave) OnMouseLeave(this);
}

void Control::Click() {
    if (action_ != nullptr && !OnClick) {
        action_->Execute();
    } else if (OnClick) {
        OnClick(this);
    }
}

void Control::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

bool Control::DoCanFocus() {
    bool allow = true;
    if (OnCanFocus) OnCanFocus(this, allow);
    return allow;
}

void Control::ActionChange(const ui::Action& action) {
    SetEnabled(action.Enabled());
    SetVisible(action.Visible());
}

void Control::DragEnter(const DragObject& data, PointF point) {
    if (OnDragEnter) OnDragEnter(this, data, point);
}

void Control::DragOver(const DragObject& data, PointF point, DragOperation& operation) {
    if (OnDragOver) OnDragOver(this, data, point, operation);
}

void Control::DragDrop(const DragObject& data, PointF point) {
    if (OnDragDrop) OnDragDrop(this, data, point);
}

void Control::DragLeave() {
    if (OnDragLeave) OnDragLeave(this);
}

void Control::DragEnd() {
    if (OnDragEnd) OnDragEnd(this);
}

void Control::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void Control::DoExit() {
    if (OnExit) OnExit(this);
}

void Control::KeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, keyChar, shift);
}

void Control::KeyUp(uint16_t& key, char16_t& keyChar, ShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, keyChar, shift);
}

void Control::Resize() {
    if (OnResize) OnResize(this);
}

}  // namespace ui
