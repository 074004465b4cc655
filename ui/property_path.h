#pragma once

#include <string_view>

namespace ui {

class Persistent;
class Property;

// The object and the property a dotted path such as "SelfOwnMaterial.BackColor.FillColor.Color" leads to.
struct PropertyTarget {
    Persistent* instance = nullptr;
    const Property* property = nullptr;

    explicit operator bool() const { return property != nullptr; }
};

enum class PathResolution {
    // Every segment before the last names an object property holding an object; the last names a property.
    // Anything else throws PropertyError naming the segment (layouts resolve their keys this way).
    Strict,
    // Segment by segment: a segment naming an object property moves to its object, one naming a child (of a
    // component) moves to that child, and one naming neither is skipped; the last must name a property.
    // Animations resolve their property paths this way ("Miscellaneous.Position.Y" acts as "Position.Y").
    // An empty target when the path leads nowhere.
    SkipUnknown,
};

PropertyTarget ResolvePropertyPath(Persistent& start, std::u16string_view path, PathResolution resolution);

}  // namespace ui
