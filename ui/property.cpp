#include "ui/property.h"

#include <cmath>

#include "ui/handler_table.h"
#include "ui/persistent.h"
#include "ui/text.h"

namespace ui {

std::string_view PropertyKindName(PropertyKind kind) {
    switch (kind) {
        case PropertyKind::Bool:
            return "boolean";
        case PropertyKind::Integer:
            return "integer";
        case PropertyKind::Single:
            return "single";
        case PropertyKind::Double:
            return "double";
        case PropertyKind::Text:
            return "text";
        case PropertyKind::Enumeration:
            return "enumeration";
        case PropertyKind::Set:
            return "set";
        case PropertyKind::Color:
            return "colour";
        case PropertyKind::Object:
            return "object";
        case PropertyKind::Component:
            return "component reference";
        case PropertyKind::Binary:
            return "binary";
        case PropertyKind::Event:
            return "event";
    }
    return "?";
}

namespace {

std::string Quoted(std::u16string_view text) { return "\"" + Utf16ToUtf8(text) + "\""; }

}  // namespace

Property::Property(std::u16string name, PropertyKind kind, Access access, std::vector<std::u16string> valueNames)
    : name_(std::move(name)), kind_(kind), access_(std::move(access)), valueNames_(std::move(valueNames)) {}

template <class A>
const A& Property::AccessAs(PropertyKind expected) const {
    const A* access = std::get_if<A>(&access_);
    if (kind_ != expected || access == nullptr) {
        throw PropertyError("The property " + Quoted(name_) + " is of kind " + std::string(PropertyKindName(kind_)) +
                            ", not " + std::string(PropertyKindName(expected)));
    }
    return *access;
}

template <class A>
const A& Property::AccessAs(PropertyKind expected, PropertyKind alternative) const {
    return AccessAs<A>(kind_ == alternative ? alternative : expected);
}

template <class A>
const A& Property::Writable(const A& access) const {
    if (!access.set) throw PropertyError("The property " + Quoted(name_) + " is read-only");
    return access;
}

bool Property::IsReadOnly() const {
    return std::visit(
        [](const auto& access) -> bool {
            using A = std::decay_t<decltype(access)>;
            if constexpr (requires { access.set; }) {
                return !access.set;
            } else if constexpr (std::is_same_v<A, BinaryAccessor>) {
                return !access.load;
            } else {
                return false;
            }
        },
        access_);
}

int Property::FindValueName(std::u16string_view name) const {
    for (size_t i = 0; i < valueNames_.size(); ++i) {
        if (SameText(valueNames_[i], name)) return static_cast<int>(i);
    }
    return -1;
}

bool Property::GetBool(const Persistent& instance) const {
    return AccessAs<Accessor<bool>>(PropertyKind::Bool).get(instance);
}

void Property::SetBool(Persistent& instance, bool value) const {
    Writable(AccessAs<Accessor<bool>>(PropertyKind::Bool)).set(instance, value);
}

int64_t Property::GetInteger(const Persistent& instance) const {
    return AccessAs<IntegerAccessor>(PropertyKind::Integer).get(instance);
}

void Property::SetInteger(Persistent& instance, int64_t value) const {
    const auto& access = Writable(AccessAs<IntegerAccessor>(PropertyKind::Integer));
    if (value < access.min || value > access.max) {
        throw PropertyError("The value is out of range for the property " + Quoted(name_));
    }
    access.set(instance, value);
}

double Property::GetFloat(const Persistent& instance) const {
    return AccessAs<Accessor<double>>(PropertyKind::Double, PropertyKind::Single).get(instance);
}

void Property::SetFloat(Persistent& instance, double value) const {
    const auto& access = Writable(AccessAs<Accessor<double>>(PropertyKind::Double, PropertyKind::Single));
    if (kind_ == PropertyKind::Single && std::isfinite(value) && std::fabs(value) > 3.4028234663852886e38) {
        throw PropertyError("The value is out of range for the property " + Quoted(name_));
    }
    access.set(instance, value);
}

std::u16string Property::GetText(const Persistent& instance) const {
    return AccessAs<Accessor<std::u16string>>(PropertyKind::Text).get(instance);
}

void Property::SetText(Persistent& instance, std::u16string value) const {
    Writable(AccessAs<Accessor<std::u16string>>(PropertyKind::Text)).set(instance, std::move(value));
}

int Property::GetOrdinal(const Persistent& instance) const {
    return static_cast<int>(AccessAs<Accessor<int64_t>>(PropertyKind::Enumeration).get(instance));
}

void Property::SetOrdinal(Persistent& instance, int ordinal) const {
    const auto& access = Writable(AccessAs<Accessor<int64_t>>(PropertyKind::Enumeration));
    if (ordinal < 0 || static_cast<size_t>(ordinal) >= valueNames_.size()) {
        throw PropertyError("The value " + std::to_string(ordinal) + " is out of range for the property " +
                            Quoted(name_));
    }
    access.set(instance, ordinal);
}

std::u16string Property::GetEnumName(const Persistent& instance) const {
    const int ordinal = GetOrdinal(instance);
    if (ordinal < 0 || static_cast<size_t>(ordinal) >= valueNames_.size()) return std::u16string();
    return valueNames_[static_cast<size_t>(ordinal)];
}

void Property::SetEnumName(Persistent& instance, std::u16string_view name) const {
    AccessAs<Accessor<int64_t>>(PropertyKind::Enumeration);
    const int ordinal = FindValueName(name);
    if (ordinal < 0) throw PropertyError("Unknown value " + Quoted(name) + " for the property " + Quoted(name_));
    SetOrdinal(instance, ordinal);
}

uint64_t Property::GetSetBits(const Persistent& instance) const {
    return AccessAs<Accessor<uint64_t>>(PropertyKind::Set).get(instance);
}

void Property::SetSetBits(Persistent& instance, uint64_t bits) const {
    const auto& access = Writable(AccessAs<Accessor<uint64_t>>(PropertyKind::Set));
    const uint64_t known = valueNames_.size() >= 64 ? ~uint64_t{0} : (uint64_t{1} << valueNames_.size()) - 1;
    if ((bits & ~known) != 0) throw PropertyError("The set value is out of range for the property " + Quoted(name_));
    access.set(instance, bits);
}

void Property::SetSetNames(Persistent& instance, std::span<const std::u16string> names) const {
    AccessAs<Accessor<uint64_t>>(PropertyKind::Set);
    uint64_t bits = 0;
    for (const std::u16string& name : names) {
        const int ordinal = FindValueName(name);
        if (ordinal < 0) throw PropertyError("Unknown value " + Quoted(name) + " for the property " + Quoted(name_));
        bits |= uint64_t{1} << ordinal;
    }
    SetSetBits(instance, bits);
}

AlphaColor Property::GetColor(const Persistent& instance) const {
    return static_cast<AlphaColor>(AccessAs<Accessor<uint64_t>>(PropertyKind::Color).get(instance));
}

void Property::SetColor(Persistent& instance, AlphaColor value) const {
    Writable(AccessAs<Accessor<uint64_t>>(PropertyKind::Color)).set(instance, value);
}

Persistent* Property::GetObject(Persistent& instance) const {
    return AccessAs<ObjectAccessor>(PropertyKind::Object).get(instance);
}

void Property::AssignObject(Persistent& instance, const Persistent& value) const {
    Persistent* object = GetObject(instance);
    if (object == nullptr) throw PropertyError("The property " + Quoted(name_) + " holds no object");
    object->Assign(value);
}

Component* Property::GetComponent(const Persistent& instance) const {
    return AccessAs<ComponentAccessor>(PropertyKind::Component).get(instance);
}

void Property::SetComponent(Persistent& instance, Component* value) const {
    if (!Writable(AccessAs<ComponentAccessor>(PropertyKind::Component)).set(instance, value)) {
        throw PropertyError("The component is of the wrong class for the property " + Quoted(name_));
    }
}

void Property::LoadBinary(Persistent& instance, Stream& stream) const {
    const auto& access = AccessAs<BinaryAccessor>(PropertyKind::Binary);
    if (!access.load) throw PropertyError("The property " + Quoted(name_) + " is read-only");
    access.load(instance, stream);
}

void Property::SaveBinary(const Persistent& instance, Stream& stream) const {
    const auto& access = AccessAs<BinaryAccessor>(PropertyKind::Binary);
    if (access.save) access.save(instance, stream);
}

std::type_index Property::EventType() const { return AccessAs<EventAccessor>(PropertyKind::Event).type; }

bool Property::HasHandler(const Persistent& instance) const {
    return AccessAs<EventAccessor>(PropertyKind::Event).assigned(instance);
}

void Property::ClearHandler(Persistent& instance) const {
    AccessAs<EventAccessor>(PropertyKind::Event).clear(instance);
}

void Property::BindHandler(Persistent& instance, const EventHandlerEntry& handler, Component& root) const {
    const auto& access = AccessAs<EventAccessor>(PropertyKind::Event);
    if (handler.type != access.type) {
        throw PropertyError("The handler " + Quoted(handler.name) + " does not fit the event " + Quoted(name_));
    }
    handler.bind(root, access.slot(instance));
}

}  // namespace ui
