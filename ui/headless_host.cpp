#include "ui/headless_host.h"

#include "ui/form.h"

namespace ui {

HeadlessHost::HeadlessHost(Form& form) : form_(form) {
    form_.SetHost(this);
    caption = form_.Caption();
    clientWidth = form_.Width();
    clientHeight = form_.Height();
}

HeadlessHost::~HeadlessHost() {
    if (form_.Host() == this) form_.SetHost(nullptr);
}

void HeadlessHost::MouseDown(float x, float y, MouseButton button, ShiftState shift) {
    form_.HandleMouseDown(button, shift, x, y);
}

void HeadlessHost::MouseMove(float x, float y, ShiftState shift) { form_.HandleMouseMove(shift, x, y); }

void HeadlessHost::MouseUp(float x, float y, MouseButton button, ShiftState shift) {
    form_.HandleMouseUp(button, shift, x, y);
}

void HeadlessHost::Click(float x, float y, MouseButton button) {
    MouseMove(x, y);
    MouseDown(x, y, button);
    MouseUp(x, y, button);
}

void HeadlessHost::Wheel(float x, float y, int wheelDelta, ShiftState shift) {
    form_.HandleMouseWheel(shift, wheelDelta, x, y);
}

void HeadlessHost::MouseLeave() { form_.HandleMouseLeave(); }

uint16_t HeadlessHost::KeyDown(uint16_t key, char16_t keyChar, ShiftState shift) {
    form_.HandleKeyDown(key, keyChar, shift);
    return key;
}

uint16_t HeadlessHost::KeyUp(uint16_t key, char16_t keyChar, ShiftState shift) {
    form_.HandleKeyUp(key, keyChar, shift);
    return key;
}

void HeadlessHost::Paint(Canvas& canvas) { form_.PaintTo(canvas); }

void HeadlessHost::PaintGlow(Canvas& canvas, Control& control, const GlowEffect& glow) {
    glowsPainted.push_back(control.Name());
}

}  // namespace ui
