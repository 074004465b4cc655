#pragma once

#include "ui/canvas.h"

namespace ui {

// Saves the canvas's clip and transform when made and restores them when it goes out of scope, so that a
// paint that narrows the clip or moves the origin leaves the canvas as it found it on every way out:
//
//     const CanvasStateSaver saver(canvas);
//     canvas.IntersectClipRect(area);
//     ... draw ...
//
// Savers nest; an inner one must end before an outer one (scopes see to that).
class CanvasStateSaver {
public:
    explicit CanvasStateSaver(Canvas& canvas) : canvas_(canvas), state_(canvas.SaveState()) {}
    CanvasStateSaver(const CanvasStateSaver&) = delete;
    CanvasStateSaver& operator=(const CanvasStateSaver&) = delete;
    ~CanvasStateSaver() { canvas_.RestoreState(state_); }

private:
    Canvas& canvas_;
    const Canvas::StateId state_;
};

}  // namespace ui
