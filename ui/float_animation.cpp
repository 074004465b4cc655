#include "ui/float_animation.h"

#include "ui/property_table.h"

namespace ui {

const PropertyTable& FloatAnimation::StaticProperties() {
    static const PropertyTable table =
        PropertyTableBuilder<FloatAnimation>(&Animation::StaticProperties())
            .Single(u"StartValue", &FloatAnimation::StartValue, &FloatAnimation::SetStartValue)
            .Single(u"StopValue", &FloatAnimation::StopValue, &FloatAnimation::SetStopValue)
            .Build();
    return table;
}

bool FloatAnimation::Accepts(PropertyKind kind) const {
    return kind == PropertyKind::Single || kind == PropertyKind::Double;
}

void FloatAnimation::ApplyValue(const PropertyTarget& target, float eased) {
    const float value = startValue_ + (stopValue_ - startValue_) * eased;
    target.property->SetFloat(*target.instance, value);
}

}  // namespace ui
