#pragma once

#include "ui/geometry.h"
#include "ui/persistent.h"

namespace ui {

// A point a control is placed at (published as Position.X, Position.Y). Reports each change of value.
class Position : public Persistent {
public:
    std::u16string_view ClassName() const override { return u"TPosition"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    float X() const { return point_.x; }
    float Y() const { return point_.y; }
    PointF Point() const { return point_; }
    void SetX(float x) { SetPoint({x, point_.y}); }
    void SetY(float y) { SetPoint({point_.x, y}); }
    // Stores the point and reports once when it differs.
    void SetPoint(PointF point);

    NotifyEvent OnChange;

protected:
    bool AssignFrom(const Persistent& source) override;

private:
    PointF point_;
};

}  // namespace ui
