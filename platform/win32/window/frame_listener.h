#pragma once

#include "ui/geometry.h"

namespace platform::win32 {

// One frame put on a layered window: the performance counter's seconds when its paint began, when its pixels
// were ready (painted and read back) and when UpdateLayeredWindow returned, with the painted part of the
// frame in device pixels.
struct PresentedFrame {
    double paintStart = 0;
    double painted = 0;
    double presented = 0;
    ui::RectF dirty;
};

// Told about every frame a layered window presents (benchmarks and diagnostics); called on the main thread.
class FrameListener {
public:
    virtual void FramePresented(const PresentedFrame& frame) = 0;

protected:
    ~FrameListener() = default;
};

}  // namespace platform::win32
