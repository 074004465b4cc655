#include "ui/testing/headless_host.h"

#include "ui/form.h"
#include "ui/popup.h"

namespace ui {

HeadlessHost::HeadlessHost(Form& form) : form_(form) {
    form_.SetHost(this);
    caption = form_.Caption();
    clientWidth = form_.Width();
    clientHeight = form_.Height();
}

HeadlessHost::~HeadlessHost() {
    if (popup_ != nullptr) popup_->Close();
    if (!detached_ && form_.Host() == this) form_.SetHost(nullptr);
}

PointF HeadlessHost::ToPopup(float x, float y) const {
    const PointF screen = ClientToScreen({x, y});
    return {screen.x - popupRect_.left, screen.y - popupRect_.top};
}

void HeadlessHost::MouseDown(float x, float y, MouseButton button, ShiftState shift) {
    if (popup_ != nullptr) {
        const PointF screen = ClientToScreen({x, y});
        if (!popupRect_.Contains(screen)) {
            popup_->Close();
            return;
        }
        const PointF p = ToPopup(x, y);
        popupHost_->MouseDown(p.x, p.y, button, shift);
        return;
    }
    form_.HandleMouseDown(button, shift, x, y);
}

void HeadlessHost::MouseMove(float x, float y, ShiftState shift) {
    if (popup_ != nullptr) {
        const PointF p = ToPopup(x, y);
        popupHost_->MouseMove(p.x, p.y, shift);
        return;
    }
    form_.HandleMouseMove(shift, x, y);
}

void HeadlessHost::MouseUp(float x, float y, MouseButton button, ShiftState shift) {
    if (popup_ != nullptr) {
        const PointF p = ToPopup(x, y);
        popupHost_->MouseUp(p.x, p.y, button, shift);
        return;
    }
    form_.HandleMouseUp(button, shift, x, y);
}

void HeadlessHost::Click(float x, float y, MouseButton button) {
    MouseMove(x, y);
    MouseDown(x, y, button);
    MouseUp(x, y, button);
}

void HeadlessHost::Wheel(float x, float y, int wheelDelta, ShiftState shift) {
    if (popup_ != nullptr) {
        const PointF p = ToPopup(x, y);
        popupHost_->Wheel(p.x, p.y, wheelDelta, shift);
        return;
    }
    form_.HandleMouseWheel(shift, wheelDelta, x, y);
}

void HeadlessHost::MouseLeave() {
    // The popup holds the mouse while it is open.
    if (popup_ == nullptr) form_.HandleMouseLeave();
}

uint16_t HeadlessHost::KeyDown(uint16_t key, char16_t keyChar, ShiftState shift) {
    if (popup_ != nullptr) return popupHost_->KeyDown(key, keyChar, shift);
    form_.HandleKeyDown(key, keyChar, shift);
    return key;
}

uint16_t HeadlessHost::KeyUp(uint16_t key, char16_t keyChar, ShiftState shift) {
    if (popup_ != nullptr) return popupHost_->KeyUp(key, keyChar, shift);
    form_.HandleKeyUp(key, keyChar, shift);
    return key;
}

void HeadlessHost::Paint(Canvas& canvas) { form_.PaintTo(canvas); }

void HeadlessHost::PaintGlow(Canvas& canvas, Control& control, const GlowEffect& glow) {
    glowsPainted.push_back(control.Name());
}

bool HeadlessHost::OpenPopup(Popup& popup, const RectF& screenRect) {
    if (popup_ != nullptr && popup_ != &popup) popup_->Close();
    closedHost_.reset();
    popup_ = &popup;
    popupRect_ = screenRect;
    popupHost_ = std::make_unique<HeadlessHost>(popup);
    popupHost_->screenOrigin = screenRect.TopLeft();
    popupHost_->workArea = workArea;
    ++popupsOpened;
    return true;
}

void HeadlessHost::ClosePopup(Popup& popup) {
    if (&popup != popup_) return;
    popup_ = nullptr;
    // The popup's host may be handling the input that closed it: kept until the next opening.
    popup.SetHost(nullptr);
    popupHost_->detached_ = true;
    closedHost_ = std::move(popupHost_);
}

}  // namespace ui
