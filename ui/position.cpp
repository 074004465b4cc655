#include "ui/position.h"

#include "ui/property_table.h"

namespace ui {

const PropertyTable& Position::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<Position>()
                                           .Single(u"X", &Position::X, &Position::SetX)
                                           .Single(u"Y", &Position::Y, &Position::SetY)
                                           .Build();
    return table;
}

void Position::SetPoint(PointF point) {
    if (point == point_) return;
    point_ = point;
    if (OnChange) OnChange(this);
}

bool Position::AssignFrom(const Persistent& source) {
    const auto* other = dynamic_cast<const Position*>(&source);
    if (other == nullptr) return false;
    SetPoint(other->point_);
    return true;
}

}  // namespace ui
