#include "ui/bounds.h"

#include "ui/property_table.h"

namespace ui {

const PropertyTable& Bounds::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<Bounds>()
                                           .Single(u"Left", &Bounds::Left, &Bounds::SetLeft)
                                           .Single(u"Top", &Bounds::Top, &Bounds::SetTop)
                                           .Single(u"Right", &Bounds::Right, &Bounds::SetRight)
                                           .Single(u"Bottom", &Bounds::Bottom, &Bounds::SetBottom)
                                           .Build();
    return table;
}

void Bounds::SetLeft(float value) { SetRect({value, rect_.top, rect_.right, rect_.bottom}); }
void Bounds::SetTop(float value) { SetRect({rect_.left, value, rect_.right, rect_.bottom}); }
void Bounds::SetRight(float value) { SetRect({rect_.left, rect_.top, value, rect_.bottom}); }
void Bounds::SetBottom(float value) { SetRect({rect_.left, rect_.top, rect_.right, value}); }

void Bounds::SetRect(const RectF& rect) {
    if (rect == rect_) return;
    rect_ = rect;
    if (OnChange) OnChange(this);
}

bool Bounds::AssignFrom(const Persistent& source) {
    const auto* other = dynamic_cast<const Bounds*>(&source);
    if (other == nullptr) return false;
    SetRect(other->rect_);
    return true;
}

}  // namespace ui
