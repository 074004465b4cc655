#pragma once

#include "ui/geometry.h"
#include "ui/persistent.h"

namespace ui {

// Four distances, one per side (published as Margins.Left, Margins.Top, Margins.Right, Margins.Bottom).
// Reports each change of value.
class Bounds : public Persistent {
public:
    std::u16string_view ClassName() const override { return u"TBounds"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    float Left() const { return rect_.left; }
    float Top() const { return rect_.top; }
    float Right() const { return rect_.right; }
    float Bottom() const { return rect_.bottom; }
    void SetLeft(float value);
    void SetTop(float value);
    void SetRight(float value);
    void SetBottom(float value);
    // The four distances as the edges of a rectangle.
    const RectF& Rect() const { return rect_; }
    void SetRect(const RectF& rect);

    NotifyEvent OnChange;

protected:
    bool AssignFrom(const Persistent& source) override;

private:
    RectF rect_;
};

}  // namespace ui
