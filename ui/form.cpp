#include "ui/form.h"

#include <cmath>

#include "ui/form_host.h"
#include "ui/layout_reader.h"
#include "ui/property_table.h"
#include "ui/virtual_keys.h"

namespace ui {

namespace {

// How far the pointer moves after a press on an automatic-drag control before the drag starts.
constexpr float kDragThreshold = 4;

}  // namespace

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
    if (host_ != nullptr && cursor_ != CursorShape::Default) host_->CursorChanged(cursor_);
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
    pointer_ = point;
    if (dragSource_ != nullptr) return;
    if (captured_ == nullptr) UpdateHovered(point);
    // A press puts the tool tip away: what the press starts (a menu, a dialog, a drag) must not sit under it.
    DismissHint();
    Control* target = captured_ != nullptr ? captured_ : ControlAt(point);
    if (target == nullptr) {
        lastPressTarget_ = nullptr;
        return;
    }
    const PointF local = target->AbsoluteToLocal(point);
    const bool isDouble = IsDoubleClick(button == MouseButton::Left ? target : nullptr, point, shift);
    if (isDouble) shift.Include(ShiftKey::Double);
    pressing_ = target;
    target->MouseDown(button, shift, local.x, local.y);
    if (pressing_ != target) return;
    pressing_ = nullptr;
    if (isDouble) target->DblClick();
    if (button == MouseButton::Left && target->DragMode() == DragMode::Automatic) {
        dragCandidate_ = target;
        dragStartPoint_ = point;
    }
}

bool Form::IsDoubleClick(Control* target, PointF point, ShiftState shift) {
    if (target == nullptr) {
        lastPressTarget_ = nullptr;
        return false;
    }
    const std::optional<uint32_t> now = host_ != nullptr ? host_->InputTime() : std::nullopt;
    bool isDouble = shift.Contains(ShiftKey::Double);
    if (!isDouble && now && lastPressTime_ && lastPressTarget_ == target) {
        // Unsigned difference: right also when the clock wrapped around between the presses.
        const uint32_t elapsed = *now - *lastPressTime_;
        const SizeF area = host_->DoubleClickSize();
        isDouble = elapsed <= host_->DoubleClickTime() && std::abs(point.x - lastPressPoint_.x) <= area.width / 2 &&
                   std::abs(point.y - lastPressPoint_.y) <= area.height / 2;
    }
    if (isDouble) {
        // A third press starts over.
        lastPressTarget_ = nullptr;
        lastPressTime_.reset();
    } else {
        lastPressTarget_ = target;
        lastPressPoint_ = point;
        lastPressTime_ = now;
    }
    return isDouble;
}

void Form::HandleMouseMove(ShiftState shift, float x, float y) {
    const PointF point{x, y};
    pointer_ = point;
    if (dragCandidate_ != nullptr && dragSource_ == nullptr &&
        (std::abs(point.x - dragStartPoint_.x) >= kDragThreshold ||
         std::abs(point.y - dragStartPoint_.y) >= kDragThreshold)) {
        // Starting moves the drag to this point already.
        StartDrag(dragCandidate_);
        if (dragSource_ != nullptr) return;
    }
    if (dragSource_ != nullptr) {
        DragTo(point);
        return;
    }
    if (captured_ == nullptr) UpdateHovered(point);
    Control* target = captured_ != nullptr ? captured_ : hovered_;
    if (target == nullptr) return;
    const PointF local = target->AbsoluteToLocal(point);
    target->MouseMove(shift, local.x, local.y);
}

void Form::HandleMouseUp(MouseButton button, ShiftState shift, float x, float y) {
    const PointF point{x, y};
    pointer_ = point;
    dragCandidate_ = nullptr;
    if (dragSource_ != nullptr) EndDrag(point, true);
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
    if (dragSource_ != nullptr && key == vk::kEscape) {
        // Escape cancels a drag: nothing is dropped.
        EndDrag(pointer_, false);
        key = 0;
        keyChar = 0;
        return;
    }
    Control* target = focused_ != nullptr ? focused_ : this;
    target->KeyDown(key, keyChar, shift);
    if (target != this && (key != 0 || keyChar != 0)) KeyDown(key, keyChar, shift);
}

void Form::HandleKeyUp(uint16_t& key, char16_t& keyChar, ShiftState shift) {
    Control* target = focused_ != nullptr ? focused_ : this;
    target->KeyUp(key, keyChar, shift);
    if (target != this && (key != 0 || keyChar != 0)) KeyUp(key, keyChar, shift);
}

// --- drag

void Form::StartDrag(Control* source) {
    if (dragSource_ != nullptr || source == nullptr || source->RootForm() != this) return;
    dragCandidate_ = nullptr;
    dragSource_ = source;
    dragTarget_ = nullptr;
    dragOperation_ = DragOperation::None;
    // The press became a drag: its release clicks nothing.
    ForgetPresses(this);
    DismissHint();
    DragTo(pointer_);
}

void Form::DragTo(PointF point) {
    if (dragSource_ == nullptr) return;
    const DragObject data{dragSource_};
    Control* over = ControlAt(point);
    if (over != dragTarget_) {
        Control* old = dragTarget_;
        dragTarget_ = nullptr;
        dragOperation_ = DragOperation::None;
        if (old != nullptr) old->DragLeave();
        if (dragSource_ == nullptr) return;
        dragTarget_ = over;
        if (over != nullptr) over->DragEnter(data, over->AbsoluteToLocal(point));
    }
    if (dragSource_ == nullptr || dragTarget_ == nullptr) return;
    DragOperation operation = DragOperation::None;
    Control* target = dragTarget_;
    target->DragOver(data, target->AbsoluteToLocal(point), operation);
    if (dragTarget_ == target) dragOperation_ = operation;
}

void Form::EndDrag(PointF point, bool drop) {
    if (dragSource_ == nullptr) return;
    const DragObject data{dragSource_};
    Control* target = dragTarget_;
    const bool accepted = drop && target != nullptr && dragOperation_ != DragOperation::None;
    dragTarget_ = nullptr;
    dragOperation_ = DragOperation::None;
    if (target != nullptr) {
        if (accepted) {
            target->DragDrop(data, target->AbsoluteToLocal(point));
        } else {
            target->DragLeave();
        }
    }
    // The source may have gone in a handler (ForgetSubtree cleared it then).
    if (Control* source = dragSource_) {
        dragSource_ = nullptr;
        source->DragEnd();
    }
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
    UpdateCursor();
}

void Form::UpdateCursor() {
    CursorShape shape = CursorShape::Default;
    for (const Control* c = hovered_; c != nullptr; c = c->ParentControl()) {
        if (c->Cursor() != CursorShape::Default) {
            shape = c->Cursor();
            break;
        }
    }
    if (shape == cursor_) return;
    cursor_ = shape;
    if (host_ != nullptr) host_->CursorChanged(shape);
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
    if (lastPressTarget_ != nullptr && inside(lastPressTarget_)) lastPressTarget_ = nullptr;
    if (pressing_ != nullptr && inside(pressing_)) pressing_ = nullptr;
    if (dragCandidate_ != nullptr && inside(dragCandidate_)) dragCandidate_ = nullptr;
    if (dragTarget_ != nullptr && inside(dragTarget_)) {
        dragTarget_ = nullptr;
        dragOperation_ = DragOperation::None;
    }
    if (dragSource_ != nullptr && inside(dragSource_)) {
        // The dragged control left: the drag ends without a drop.
        if (Control* target = dragTarget_) {
            dragTarget_ = nullptr;
            if (notify) target->DragLeave();
        }
        dragSource_ = nullptr;
    }
    if (hovered_ != nullptr && inside(hovered_)) {
        Control* old = hovered_;
        hovered_ = nullptr;
        if (notify) {
            old->DoMouseLeave();
        } else {
            old->isMouseOver_ = false;
        }
        UpdateHint();
        if (!IsDestroying()) UpdateCursor();
    }
    if (focused_ != nullptr && inside(focused_)) {
        Control* old = focused_;
        focused_ = nullptr;
        if (notify) old->DoExit();
    }
}

}  // namespace ui
