#include "ui/persistent.h"

#include <stdexcept>
#include <string>

#include "ui/property_table.h"
#include "ui/text.h"

namespace ui {

void Persistent::Assign(const Persistent& source) {
    if (&source == this) return;
    if (AssignFrom(source) || source.AssignTo(*this)) return;
    throw std::invalid_argument("Cannot assign a " + Utf16ToUtf8(source.ClassName()) + " to a " +
                                Utf16ToUtf8(ClassName()));
}

const PropertyTable& Persistent::PublishedProperties() const {
    static const PropertyTable none;
    return none;
}

bool Persistent::AssignTo(Persistent&) const { return false; }

bool Persistent::AssignFrom(const Persistent&) { return false; }

}  // namespace ui
