#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeindex>
#include <variant>
#include <vector>

#include "ui/access_function.h"
#include "ui/geometry.h"

namespace ui {

class Component;
class Persistent;
class Stream;
struct EventHandlerEntry;

// What a published property holds.
enum class PropertyKind {
    Bool,
    Integer,
    Single,  // a float; values pass through as double and are stored rounded to single precision
    Double,
    Text,
    Enumeration,  // one of a list of names, stored as the ordinal of the name
    Set,          // any members of a list of names, stored as a bit per ordinal
    Color,        // AlphaColor, 0xAARRGGBB
    Object,       // a persistent sub-object owned by the instance, reached by dotted paths
    Component,    // a reference to a component owned elsewhere
    Binary,       // data read from and written to a stream
    Event,        // a handler, bound by name when a layout is read
};

// The kind's name as error messages spell it ("boolean", "integer", ...).
std::string_view PropertyKindName(PropertyKind kind);

// A property was used the wrong way: the wrong kind of value, a value out of range, an unknown name, writing a
// read-only property, a handler of the wrong type.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One published property of a class: its name, its kind and type-erased access to instances of the class.
// Properties live in the class's static PropertyTable and are made by PropertyTableBuilder; every access
// function takes the instance and throws PropertyError when the property is of another kind (or read-only).
class Property {
public:
    template <class V>
    struct Accessor {
        AccessFunction<V(const Persistent&)> get;
        AccessFunction<void(Persistent&, V)> set;  // empty for a read-only property
    };
    // An integer property refuses values outside [min, max], the range of its type.
    struct IntegerAccessor {
        AccessFunction<int64_t(const Persistent&)> get;
        AccessFunction<void(Persistent&, int64_t)> set;
        int64_t min;
        int64_t max;
    };
    // A component reference's setter answers false (and stores nothing) for a component of another class.
    struct ComponentAccessor {
        AccessFunction<Component*(const Persistent&)> get;
        AccessFunction<bool(Persistent&, Component*)> set;
    };
    struct ObjectAccessor {
        AccessFunction<Persistent*(Persistent&)> get;
    };
    struct BinaryAccessor {
        AccessFunction<void(Persistent&, Stream&)> load;
        AccessFunction<void(const Persistent&, Stream&)> save;
    };
    struct EventAccessor {
        // typeid of the std::function the event member is.
        std::type_index type;
        // The address of the event member of an instance.
        AccessFunction<void*(Persistent&)> slot;
        AccessFunction<bool(const Persistent&)> assigned;
        AccessFunction<void(Persistent&)> clear;
    };
    using Access = std::variant<Accessor<bool>, IntegerAccessor, Accessor<int64_t>, Accessor<uint64_t>,
                                Accessor<double>, Accessor<std::u16string>, ComponentAccessor, ObjectAccessor,
                                BinaryAccessor, EventAccessor>;

    Property(std::u16string name, PropertyKind kind, Access access, std::vector<std::u16string> valueNames = {});

    const std::u16string& Name() const { return name_; }
    PropertyKind Kind() const { return kind_; }
    bool IsReadOnly() const;
    // The names of an enumeration's or a set's members, in ordinal order; empty for other kinds.
    std::span<const std::u16string> ValueNames() const { return valueNames_; }
    // The ordinal of a member name (compared without regard to ASCII case), or -1.
    int FindValueName(std::u16string_view name) const;

    bool GetBool(const Persistent& instance) const;
    void SetBool(Persistent& instance, bool value) const;
    int64_t GetInteger(const Persistent& instance) const;
    // Throws PropertyError when the value does not fit the property's type.
    void SetInteger(Persistent& instance, int64_t value) const;
    // Single and Double properties.
    double GetFloat(const Persistent& instance) const;
    void SetFloat(Persistent& instance, double value) const;
    std::u16string GetText(const Persistent& instance) const;
    void SetText(Persistent& instance, std::u16string value) const;
    int GetOrdinal(const Persistent& instance) const;
    // Throws PropertyError for an ordinal without a name.
    void SetOrdinal(Persistent& instance, int ordinal) const;
    std::u16string GetEnumName(const Persistent& instance) const;
    // Throws PropertyError for an unknown name.
    void SetEnumName(Persistent& instance, std::u16string_view name) const;
    // A set as bits (bit n: the member of ordinal n).
    uint64_t GetSetBits(const Persistent& instance) const;
    // Throws PropertyError for bits without a member name.
    void SetSetBits(Persistent& instance, uint64_t bits) const;
    // Throws PropertyError for an unknown member name.
    void SetSetNames(Persistent& instance, std::span<const std::u16string> names) const;
    AlphaColor GetColor(const Persistent& instance) const;
    void SetColor(Persistent& instance, AlphaColor value) const;
    // The sub-object (nullptr when the instance has none at the moment).
    Persistent* GetObject(Persistent& instance) const;
    // Copies value into the sub-object (Persistent::Assign); the sub-object itself is never replaced.
    void AssignObject(Persistent& instance, const Persistent& value) const;
    Component* GetComponent(const Persistent& instance) const;
    // Throws PropertyError when the component is not of the class the property refers to.
    void SetComponent(Persistent& instance, Component* value) const;
    // Reads the property's data from the stream (from its position to its end).
    void LoadBinary(Persistent& instance, Stream& stream) const;
    void SaveBinary(const Persistent& instance, Stream& stream) const;
    // typeid of the event's std::function type.
    std::type_index EventType() const;
    bool HasHandler(const Persistent& instance) const;
    void ClearHandler(Persistent& instance) const;
    // Binds a named handler of root (EventHandlerEntry from root's HandlerTable) to the event of instance.
    // Throws PropertyError when the handler's signature differs from the event's.
    void BindHandler(Persistent& instance, const EventHandlerEntry& handler, Component& root) const;

private:
    template <class A>
    const A& AccessAs(PropertyKind expected) const;
    template <class A>
    const A& AccessAs(PropertyKind expected, PropertyKind alternative) const;
    template <class A>
    const A& Writable(const A& access) const;

    std::u16string name_;
    PropertyKind kind_;
    Access access_;
    std::vector<std::u16string> valueNames_;
};

}  // namespace ui
