#include "ui/property_path.h"

#include <string>

#include "ui/component.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace ui {

namespace {

std::string Describe(std::u16string_view segment, const Persistent& owner) {
    return "\"" + Utf16ToUtf8(segment) + "\" of " + Utf16ToUtf8(owner.ClassName());
}

}  // namespace

PropertyTarget ResolvePropertyPath(Persistent& start, std::u16string_view path, PathResolution resolution) {
    const bool strict = resolution == PathResolution::Strict;
    Persistent* current = &start;
    size_t begin = 0;
    while (true) {
        const size_t dot = path.find(u'.', begin);
        const std::u16string_view segment =
            path.substr(begin, dot == std::u16string_view::npos ? path.npos : dot - begin);
        const bool last = dot == std::u16string_view::npos;
        const Property* property = segment.empty() ? nullptr : current->PublishedProperties().Find(segment);
        if (last) {
            if (property != nullptr) return {current, property};
            if (strict) {
                throw PropertyError(segment.empty() ? "Empty property name in \"" + Utf16ToUtf8(path) + "\""
                                                    : "Unknown property " + Describe(segment, *current));
            }
            return {};
        }
        if (property != nullptr) {
            if (property->Kind() != PropertyKind::Object) {
                if (strict) throw PropertyError("The property " + Describe(segment, *current) + " is not an object");
                return {};
            }
            Persistent* object = property->GetObject(*current);
            if (object == nullptr) {
                if (strict) throw PropertyError("The property " + Describe(segment, *current) + " holds no object");
                return {};
            }
            current = object;
        } else if (strict) {
            throw PropertyError(segment.empty() ? "Empty property name in \"" + Utf16ToUtf8(path) + "\""
                                                : "Unknown property " + Describe(segment, *current));
        } else if (auto* component = dynamic_cast<Component*>(current)) {
            if (Component* child = component->FindChild(segment)) current = child;
        }
        begin = dot + 1;
    }
}

}  // namespace ui
