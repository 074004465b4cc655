#include "ui/property_table.h"

#include "ui/text.h"

namespace ui {

const Property* PropertyTable::Find(std::u16string_view name) const {
    for (const PropertyTable* table = this; table != nullptr; table = table->base_) {
        for (const Property& property : table->properties_) {
            if (SameText(property.Name(), name)) return &property;
        }
    }
    return nullptr;
}

}  // namespace ui
