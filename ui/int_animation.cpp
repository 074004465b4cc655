#include "ui/int_animation.h"

#include "ui/property_table.h"

namespace ui {

const PropertyTable& IntAnimation::StaticProperties() {
    static const PropertyTable table =
        PropertyTableBuilder<IntAnimation>(&Animation::StaticProperties())
            .Integer(u"StartValue", &IntAnimation::StartValue, &IntAnimation::SetStartValue)
            .Integer(u"StopValue", &IntAnimation::StopValue, &IntAnimation::SetStopValue)
            .Build();
    return table;
}

void IntAnimation::ApplyValue(const PropertyTarget& target, float eased) {
    const float start = static_cast<float>(startValue_);
    const float value = start + (static_cast<float>(stopValue_) - start) * eased;
    target.property->SetInteger(*target.instance, RoundHalfToEven(value));
}

}  // namespace ui
