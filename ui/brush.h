#pragma once

#include <span>

#include "ui/geometry.h"

namespace ui {

struct GradientStop {
    AlphaColor color = 0;
    // 0 at the start point, 1 at the end point.
    float offset = 0;
};

// A linear gradient from startPoint to endPoint, both relative to the filled rectangle (0..1 on each axis).
struct LinearGradient {
    PointF startPoint{0, 0};
    PointF endPoint{0, 1};
    std::span<const GradientStop> stops;
};

enum class BrushKind { None, Solid, Gradient };

// What fills shapes and text. A gradient's stops are borrowed from whoever set the brush and must outlive the
// drawing call; the first stop's colour is replaced by color, so a state colour can win over the stored
// gradient.
struct FillBrush {
    BrushKind kind = BrushKind::Solid;
    AlphaColor color = 0xFF000000;
    LinearGradient gradient;
};

enum class DashStyle { Solid, Dash };

// What outlines shapes and draws lines.
struct StrokeBrush {
    AlphaColor color = 0xFF000000;
    float thickness = 1;
    DashStyle dash = DashStyle::Solid;
};

}  // namespace ui
