#include "ui/form.h"

#include "ui/form_host.h"
#include "ui/layout_reader.h"
#include "ui/property_table.h"

namespace ui {

Form::Form() = default;

Form::~Form() {
    BeginDestruction();
    host_ = nullptr;
    DestroyComponents();
    hovered_ = nullptr;
    captured_ = nullptr;
    focused_ = nullptr;
}

const PropertyTable& Form::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<Form>(&Control::StaticProperties())
                                           .Text(u"Caption", &Form::Caption, &Form::SetCaption)
                                           .Integer(u"ClientHeight", &Form::ClientHeight, &Form::SetClientHeight)
                                           .Integer(u"ClientWidth", &Form::ClientWidth, &Form::SetClientWidth)
                                           .Event(u"OnCreate", &Form::OnCreate)
                                           .Build();
    return table;
}

void Form::SetCaption(std::u16string_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (host_ != nullptr) host_->CaptionChanged(caption_);
}

void Form::LoadLayout(std::string_view text, const ClassRegistry& registry) {
    ReadLayout(text, *this, registry);
    DoCreate();
}

void Form::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void Form::SetHost(FormHost* host) {
    if (host == host_) return;
    if (host_ != nullptr && captured_ != nullptr) host_->SetMouseCapture(false);
    host_ = host;
}

PointF Form::ClientToScreen(PointF point) const { return host_ != nullptr ? host_->ClientToScreen(point) : point; }

PointF Form::ScreenToClient(PointF point) const { return host_ != nullptr ? host_->ScreenToClient(point) : point; }

void Form::Invalidate(const RectF& rect) {
    if (host_ != nullptr) host_->Invalidate(rect);
}

void Form::Resize() {
    Control::Resize();
    if (host_ != nullptr) host_->ClientSizeChanged(Width(), Height());
}

void Form::StartWindowDrag() {
    ForgetPresses(this);
    SetCaptured(nullptr);
    if (host_ != nullptr) host_->StartWindowDrag();
}

// --- input

void Form::HandleMouseDown(MouseButton button, ShiftState shift, float x, float y) {
    const PointF point{x, y};
    if (captured_ == nullptr) UpdateHovered(point);
    // A press puts the tool tip away: what the press starts (a menu, a dialog, a drag) must not sit under it.
    DismissHint();
    Control* target = captured_ != nullptr ? captured_ : ControlAt(point);
    if (target == nullptr) return;
    const PointF local = target->AbsoluteToLocal(point);
    target->MouseDown(button, shift, local.x, local.y);
}

void Form::HandleMouseMove(ShiftState shift, float x, float y) {
    const PointF point{x, y};
    if (captured_ == nullptr) UpdateHovered(point);
    Control* target = captured_ != nullptr ? captured_ : hovered_;
    if (target == nullptr) return;
    const PointF local = target->AbsoluteToLocal(point);
    target->MouseMove(shift, local.x, local.y);
}

void Form::HandleMouseUp(MouseButton button, ShiftState shift, float x, float y) {
    const PointF point{x, y};
    Control* target = captured_ != nullptr ? captured_ : ControlAt(point);
    if (target != nullptr) {
        const PointF local = target->AbsoluteToLocal(point);
        target->MouseUp(button, shift, local.x, local.y);
    }
    // A release ends the capture, also when an override kept the control from releasing it.
    if (captured_ != nullptr && captured_ == target) SetCaptured(nullptr);
    if (captured_ == nullptr) UpdateHovered(point);
}

void Form::HandleMouseWheel(ShiftState shift, int wheelDelta, float x, float y) {
    const PointF point{x, y};
    bool handled = false;
    for (Control* c = captured_ != nullptr ? captured_ : ControlAt(point); c != nullptr && !handled;
         c = c->ParentControl()) {
        c->MouseWheel(shift, wheelDelta, handled);
    }
}

void Form::HandleMouseLeave() {
    if (captured_ == nullptr) SetHovered(nullptr);
}

void Form::HandleDeactivate() { DismissHint(); }

void Form::HandleKeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift) {
    Control* target = focused_ != nullptr ? focused_ : this;
    target->KeyDown(key, keyChar, shift);
    if (target != this && (key != 0 || keyChar != 0)) KeyDown(key, keyChar, shift);
}

void Form::HandleKeyUp(uint16_t& key, char16_t& keyChar, ShiftState shift) {
    Control* target = focused_ != nullptr ? focused_ : this;
    target->KeyUp(key, keyChar, shift);
    if (target != this && (key != 0 || keyChar != 0)) KeyUp(key, keyChar, shift);
}

// --- state

void Form::SetFocusedControl(Control* control) {
    if (control == focused_) return;
    if (control != nullptr && control->RootForm() != this) return;
    Control* old = focused_;
    focused_ = control;
    if (old != nullptr) old->DoExit();
    if (control != nullptr && focused_ == control) control->DoEnter();
}

void Form::SetCaptured(Control* control) {
    if (control == captured_) return;
    const bool was = captured_ != nullptr;
    captured_ = control;
    if (host_ != nullptr && was != (control != nullptr)) host_->SetMouseCapture(control != nullptr);
}

void Form::UpdateHovered(PointF point) { SetHovered(ControlAt(point)); }

void Form::SetHovered(Control* control) {
    if (control == hovered_) return;
    Control* old = hovered_;
    hovered_ = control;
    hintDismissed_ = false;
    if (old != nullptr) old->DoMouseLeave();
    if (control != nullptr && hovered_ == control) control->DoMouseEnter();
    UpdateHint();
}

void Form::DismissHint() {
    if (hintDismissed_) return;
    hintDismissed_ = true;
    UpdateHint();
}

void Form::UpdateHint() {
    if (host_ == nullptr) return;
    if (hovered_ != nullptr && hovered_->ShowHint() && !hintDismissed_) {
        host_->HintChanged(hovered_->Hint());
    } else {
        host_->HintChanged(u"");
    }
}

void Form::ForgetPresses(Control* control) {
    control->pressed_ = false;
    for (Control* child : control->controls_) ForgetPresses(child);
}

void Form::ForgetSubtree(Control* control, bool notify) {
    auto inside = [control](const Control* c) {
        for (; c != nullptr; c = c->ParentControl()) {
            if (c == control) return true;
        }
        return false;
    };
    ForgetPresses(control);
    if (captured_ != nullptr && inside(captured_)) SetCaptured(nullptr);
    if (hovered_ != nullptr && inside(hovered_)) {
        Control* old = hovered_;
        hovered_ = nullptr;
        if (notify) {
            old->DoMouseLeave();
        } else {
            old->isMouseOver_ = false;
        }
        UpdateHint();
    }
    if (focused_ != nullptr && inside(focused_)) {
        Control* old = focused_;
        focused_ = nullptr;
        if (notify) old->DoExit();
    }
}

}  // namespace ui
