#include "ui/control_size.h"

#include "ui/control.h"
#include "ui/property_table.h"

namespace ui {

const PropertyTable& ControlSize::StaticProperties() {
    static const PropertyTable table =
        PropertyTableBuilder<ControlSize>()
            .Single(u"Width", &ControlSize::Width, &ControlSize::SetWidth)
            .Single(u"Height", &ControlSize::Height, &ControlSize::SetHeight)
            .Bool(u"PlatformDefault", &ControlSize::PlatformDefault, &ControlSize::SetPlatformDefault)
            .Build();
    return table;
}

float ControlSize::Width() const { return control_.Width(); }

float ControlSize::Height() const { return control_.Height(); }

void ControlSize::SetWidth(float width) { control_.SetWidth(width); }

void ControlSize::SetHeight(float height) { control_.SetHeight(height); }

bool ControlSize::AssignFrom(const Persistent& source) {
    const auto* other = dynamic_cast<const ControlSize*>(&source);
    if (other == nullptr) return false;
    control_.SetSize(other->Width(), other->Height());
    platformDefault_ = other->platformDefault_;
    return true;
}

}  // namespace ui
