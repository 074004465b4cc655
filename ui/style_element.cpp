#include "ui/style_element.h"

#include <algorithm>

#include "ui/canvas.h"
#include "ui/text.h"

namespace ui {

StyleElement::StyleElement(std::u16string_view styleName, StyleShape shape) : styleName_(styleName), shape_(shape) {
    SetHitTest(false);
}

void StyleElement::SetShape(StyleShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    Repaint();
}

void StyleElement::SetFillColor(AlphaColor color) {
    if (color == fillColor_) return;
    fillColor_ = color;
    Repaint();
}

void StyleElement::SetStrokeColor(AlphaColor color) {
    if (color == strokeColor_) return;
    strokeColor_ = color;
    Repaint();
}

void StyleElement::SetCornerRadius(float radius) {
    radius = std::max(radius, 0.0f);
    if (radius == cornerRadius_) return;
    cornerRadius_ = radius;
    Repaint();
}

void StyleElement::Blank() {
    SetFillColor(0);
    SetStrokeColor(0);
}

StyleElement* StyleElement::Find(std::u16string_view styleName) {
    if (SameText(styleName_, styleName)) return this;
    for (Control* child : Controls()) {
        if (auto* element = dynamic_cast<StyleElement*>(child)) {
            if (StyleElement* found = element->Find(styleName)) return found;
        }
    }
    return nullptr;
}

void StyleElement::Paint(Canvas& canvas) {
    const float opacity = AbsoluteOpacity();
    const RectF rect = LocalRect();
    switch (shape_) {
        case StyleShape::Layout:
            return;
        case StyleShape::Rectangle:
            if ((fillColor_ >> 24) != 0) {
                canvas.Fill() = {BrushKind::Solid, fillColor_, {}};
                canvas.FillRect(rect, cornerRadius_, cornerRadius_, kCornersAll, opacity);
            }
            if ((strokeColor_ >> 24) != 0) {
                canvas.Stroke() = {strokeColor_, 1, DashStyle::Solid};
                // Inside the element, so the outline is not cut by its edges.
                const RectF inner = rect.Inflate(-0.5f);
                canvas.DrawRect(inner, cornerRadius_, cornerRadius_, kCornersAll, opacity);
            }
            return;
        case StyleShape::DownArrow: {
            if ((strokeColor_ >> 24) == 0 && (fillColor_ >> 24) == 0) return;
            // A chevron 8 wide and 4 high, centred.
            const float cx = rect.Width() / 2;
            const float cy = rect.Height() / 2;
            canvas.Stroke() = {(strokeColor_ >> 24) != 0 ? strokeColor_ : fillColor_, 1.5f, DashStyle::Solid};
            canvas.DrawLine({cx - 4, cy - 2}, {cx, cy + 2}, opacity);
            canvas.DrawLine({cx, cy + 2}, {cx + 4, cy - 2}, opacity);
            return;
        }
    }
}

}  // namespace ui
