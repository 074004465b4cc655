#pragma once

#include "ui/geometry.h"
#include "ui/path_data.h"

namespace ui {

// Where the control points of a quarter-ellipse Bézier lie, as a fraction of the radius from the corner.
inline constexpr float kBezierCornerInset = 0.4477152502f;

// Appends the closed outline of the rectangle, clockwise from its left edge at (left, top + ry): the corners in
// the set (Corners) are quarter ellipses of radii rx, ry (limited to half the width and height), the others
// sharp.
void AddRoundedRectOutline(PathData& path, const RectF& rect, float rx, float ry, unsigned corners);

// Appends the chosen sides (Sides) of the rectangle along the same clockwise route, the pen moving without
// drawing over the sides left out. A corner in the set is a quarter ellipse where at least one of its two
// sides is drawn; a square corner next to a side left out is covered by extending the drawn side by half a
// pixel, so that a one-pixel stroke fills the corner pixel. Sides that meet are one figure; all four sides
// make one closed figure.
void AddRectSidesOutline(PathData& path, const RectF& rect, float rx, float ry, unsigned corners, unsigned sides);

}  // namespace ui
