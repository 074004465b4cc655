#pragma once

#include "ui/object.h"

namespace ui {

class PropertyTable;

// An object whose content can be copied from another object of a kind it understands.
class Persistent : public Object {
public:
    std::u16string_view ClassName() const override { return u"Persistent"; }

    // Copies source into this object: source's AssignTo is asked first, then this object's AssignFrom.
    // Throws std::invalid_argument "Cannot assign a X to a Y" when neither understands the other.
    void Assign(const Persistent& source);

    // The published properties of the object's class, by which layouts and property paths reach it (see
    // ui/property_table.h). None here.
    virtual const PropertyTable& PublishedProperties() const;

protected:
    // Overridden by classes that can copy themselves into dest; returns false when dest is of a kind they
    // do not know.
    virtual bool AssignTo(Persistent& dest) const;
    // Overridden by classes that can take the content of source; returns false for an unknown kind.
    virtual bool AssignFrom(const Persistent& source);
};

}  // namespace ui
