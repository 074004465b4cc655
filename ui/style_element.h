#pragma once

#include <string>
#include <string_view>

#include "ui/control.h"

namespace ui {

// What a style element draws.
enum class StyleShape {
    // Nothing: it only places its children.
    Layout,
    // A filled and outlined rectangle with rounded corners.
    Rectangle,
    // A downward chevron centred in the element.
    DownArrow,
};

// One element of a control's style tree: a control that ignores the mouse, found by its style name and drawn
// as a simple shape with a fill and a stroke colour (see ComboBox for a tree made of them).
class StyleElement : public Control {
public:
    explicit StyleElement(std::u16string_view styleName = {}, StyleShape shape = StyleShape::Layout);
    std::u16string_view ClassName() const override { return u"TStyleElement"; }

    const std::u16string& StyleName() const { return styleName_; }
    void SetStyleName(std::u16string_view name) { styleName_ = name; }
    StyleShape Shape() const { return shape_; }
    void SetShape(StyleShape shape);
    AlphaColor FillColor() const { return fillColor_; }
    void SetFillColor(AlphaColor color);
    // The outline (rectangles) or the line of the arrow; thickness 1.
    AlphaColor StrokeColor() const { return strokeColor_; }
    void SetStrokeColor(AlphaColor color);
    float CornerRadius() const { return cornerRadius_; }
    void SetCornerRadius(float radius);
    // Removes the element's own look: fill and stroke become fully transparent, so only what others paint on
    // it (OnPainting, OnPaint) and its children show.
    void Blank();

    // The first element with that style name (compared without regard to ASCII case) among this element and
    // its descendant style elements, depth first; nullptr when there is none.
    StyleElement* Find(std::u16string_view styleName);

    void Paint(Canvas& canvas) override;

private:
    std::u16string styleName_;
    StyleShape shape_;
    AlphaColor fillColor_ = 0;
    AlphaColor strokeColor_ = 0;
    float cornerRadius_ = 0;
};

}  // namespace ui
