#include "ui/canvas.h"

#include "ui/rect_outline.h"

namespace ui {

void Canvas::DrawRoundRectSides(const RectF& rect, float rx, float ry, unsigned corners, unsigned sides,
                                float opacity) {
    outline_.Clear();
    AddRectSidesOutline(outline_, rect, rx, ry, corners, sides);
    if (!outline_.Empty()) DrawPath(outline_, opacity);
}

}  // namespace ui
