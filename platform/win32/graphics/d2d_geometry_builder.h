#pragma once

#include <d2d1.h>

#include "ui/geometry.h"
#include "ui/path_data.h"

// Outlines written into Direct2D geometry sinks, in logical pixels.
namespace platform::win32 {

// The closed outline of the rectangle, clockwise from its left edge; the corners in the set are quarter
// ellipses of radii rx, ry (limited to half the width and height), the others are sharp.
void AddRoundedRect(ID2D1GeometrySink* sink, const ui::RectF& rect, float rx, float ry, unsigned corners);

// The chosen sides of the rectangle, clockwise; sides that meet are one open figure, so they join at the corner.
void AddRectSides(ID2D1GeometrySink* sink, const ui::RectF& rect, unsigned sides);

// The figures of the path: a move starts a figure, a close ends it closed, any other end leaves it open. A line
// or curve without a figure starts one at the current point (the start of the last closed figure, else the
// origin).
void AddPath(ID2D1GeometrySink* sink, const ui::PathData& path);

}  // namespace platform::win32
