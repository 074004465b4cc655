#pragma once

#include <concepts>
#include <functional>
#include <initializer_list>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

#include "ui/enum_set.h"
#include "ui/property.h"
#include "ui/text.h"

namespace ui {

// The published properties of a class: its own, then (through Base) those of its base classes. A class builds
// its table once, as a function-local static, and returns it from Persistent::PublishedProperties:
//
//   const PropertyTable& Control::StaticProperties() {
//       static const PropertyTable table = PropertyTableBuilder<Control>(&Component::StaticProperties())
//           .Bool(u"Visible", &Control::Visible, &Control::SetVisible)
//           .Object(u"Position", &Control::Position)
//           .Event(u"OnClick", &Control::OnClick)
//           .Build();
//       return table;
//   }
//   const PropertyTable& Control::PublishedProperties() const { return StaticProperties(); }
class PropertyTable {
public:
    PropertyTable() = default;
    PropertyTable(const PropertyTable* base, std::vector<Property> properties)
        : base_(base), properties_(std::move(properties)) {}

    // The property of that name (compared without regard to ASCII case); a class's own property hides a base
    // class's property of the same name. nullptr when there is none.
    const Property* Find(std::u16string_view name) const;
    const PropertyTable* Base() const { return base_; }
    // The class's own properties, in the order they were added.
    std::span<const Property> Own() const { return properties_; }

    // Calls f for every property, the base classes' first.
    template <class F>
    void ForEach(F&& f) const {
        if (base_ != nullptr) base_->ForEach(f);
        for (const Property& property : properties_) f(property);
    }

private:
    const PropertyTable* base_ = nullptr;
    std::vector<Property> properties_;
};

// Builds the property table of class T (derived from Persistent). Getters are const member functions, data
// members or callables taking const T&; setters are member functions, data members or callables taking (T&,
// value). Given a data member alone, a property reads and writes it; given a getter alone, it is read-only.
template <class T>
class PropertyTableBuilder {
public:
    explicit PropertyTableBuilder(const PropertyTable* base = nullptr) : base_(base) {}

    template <class G>
    PropertyTableBuilder& Bool(std::u16string_view name, G get) {
        return Bool(name, get, DefaultSetter(get));
    }
    template <class G, class S>
    PropertyTableBuilder& Bool(std::u16string_view name, G get, S set) {
        return Add(name, PropertyKind::Bool, Property::Accessor<bool>{Getter<bool>(get), Setter<bool, bool>(set)});
    }

    // An integer property of type V (int by default); values outside V's range are refused.
    template <class V = int, class G>
    PropertyTableBuilder& Integer(std::u16string_view name, G get) {
        return Integer<V>(name, get, DefaultSetter(get));
    }
    template <class V = int, class G, class S>
    PropertyTableBuilder& Integer(std::u16string_view name, G get, S set) {
        static_assert(std::is_integral_v<V> && sizeof(V) <= sizeof(int64_t));
        constexpr int64_t min = static_cast<int64_t>(std::numeric_limits<V>::min());
        constexpr int64_t max = static_cast<uint64_t>(std::numeric_limits<V>::max()) >
                                        static_cast<uint64_t>(std::numeric_limits<int64_t>::max())
                                    ? std::numeric_limits<int64_t>::max()
                                    : static_cast<int64_t>(std::numeric_limits<V>::max());
        return Add(name, PropertyKind::Integer,
                   Property::IntegerAccessor{Getter<int64_t>(get), Setter<int64_t, V>(set), min, max});
    }

    template <class G>
    PropertyTableBuilder& Single(std::u16string_view name, G get) {
        return Single(name, get, DefaultSetter(get));
    }
    template <class G, class S>
    PropertyTableBuilder& Single(std::u16string_view name, G get, S set) {
        return Add(name, PropertyKind::Single,
                   Property::Accessor<double>{Getter<double>(get), Setter<double, float>(set)});
    }

    template <class G>
    PropertyTableBuilder& Double(std::u16string_view name, G get) {
        return Double(name, get, DefaultSetter(get));
    }
    template <class G, class S>
    PropertyTableBuilder& Double(std::u16string_view name, G get, S set) {
        return Add(name, PropertyKind::Double,
                   Property::Accessor<double>{Getter<double>(get), Setter<double, double>(set)});
    }

    template <class G>
    PropertyTableBuilder& Text(std::u16string_view name, G get) {
        return Text(name, get, DefaultSetter(get));
    }
    template <class G, class S>
    PropertyTableBuilder& Text(std::u16string_view name, G get, S set) {
        return Add(name, PropertyKind::Text,
                   Property::Accessor<std::u16string>{Getter<std::u16string>(get),
                                                      Setter<std::u16string, std::u16string>(set)});
    }

    // An enumeration E whose members, by ordinal, are named by names.
    template <class E, class G>
    PropertyTableBuilder& Enumeration(std::u16string_view name, std::initializer_list<std::u16string_view> names,
                                      G get) {
        return Enumeration<E>(name, names, get, DefaultSetter(get));
    }
    template <class E, class G, class S>
    PropertyTableBuilder& Enumeration(std::u16string_view name, std::initializer_list<std::u16string_view> names, G get,
                                      S set) {
        AccessFunction<int64_t(const Persistent&)> getter = [get](const Persistent& p) {
            return static_cast<int64_t>(static_cast<E>(std::invoke(get, static_cast<const T&>(p))));
        };
        return Add(name, PropertyKind::Enumeration, Property::Accessor<int64_t>{getter, Setter<int64_t, E>(set)},
                   Names(names));
    }

    // A set of E (EnumSet<E>) whose members, by ordinal, are named by names.
    template <class E, class G>
    PropertyTableBuilder& Set(std::u16string_view name, std::initializer_list<std::u16string_view> names, G get) {
        return Set<E>(name, names, get, DefaultSetter(get));
    }
    template <class E, class G, class S>
    PropertyTableBuilder& Set(std::u16string_view name, std::initializer_list<std::u16string_view> names, G get,
                              S set) {
        AccessFunction<uint64_t(const Persistent&)> getter = [get](const Persistent& p) {
            return EnumSet<E>(std::invoke(get, static_cast<const T&>(p))).Bits();
        };
        AccessFunction<void(Persistent&, uint64_t)> setter;
        if constexpr (!std::is_same_v<S, std::nullptr_t>) {
            setter = [set](Persistent& p, uint64_t bits) { Assign(set, p, EnumSet<E>::FromBits(bits)); };
        }
        return Add(name, PropertyKind::Set, Property::Accessor<uint64_t>{getter, setter}, Names(names));
    }

    template <class G>
    PropertyTableBuilder& Color(std::u16string_view name, G get) {
        return Color(name, get, DefaultSetter(get));
    }
    template <class G, class S>
    PropertyTableBuilder& Color(std::u16string_view name, G get, S set) {
        return Add(name, PropertyKind::Color,
                   Property::Accessor<uint64_t>{Getter<uint64_t>(get), Setter<uint64_t, AlphaColor>(set)});
    }

    // A persistent sub-object; get (a data member, or a member function or callable taking T&) gives a
    // reference or a pointer to it.
    template <class G>
    PropertyTableBuilder& Object(std::u16string_view name, G get) {
        Property::ObjectAccessor access{[get](Persistent& p) -> Persistent* {
            decltype(auto) object = std::invoke(get, static_cast<T&>(p));
            if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(object)>>) {
                return object;
            } else {
                return &object;
            }
        }};
        return Add(name, PropertyKind::Object, std::move(access));
    }

    // A reference to a component of class C (derived from Component); get gives a C*, set takes one.
    template <class C, class G>
    PropertyTableBuilder& ComponentRef(std::u16string_view name, G get) {
        return ComponentRef<C>(name, get, DefaultSetter(get));
    }
    template <class C, class G, class S>
    PropertyTableBuilder& ComponentRef(std::u16string_view name, G get, S set) {
        AccessFunction<Component*(const Persistent&)> getter = [get](const Persistent& p) -> Component* {
            return std::invoke(get, static_cast<const T&>(p));
        };
        AccessFunction<bool(Persistent&, Component*)> setter;
        if constexpr (!std::is_same_v<S, std::nullptr_t>) {
            setter = [set](Persistent& p, Component* value) {
                C* typed = nullptr;
                if (value != nullptr) {
                    typed = dynamic_cast<C*>(value);
                    if (typed == nullptr) return false;
                }
                Assign(set, p, typed);
                return true;
            };
        }
        return Add(name, PropertyKind::Component, Property::ComponentAccessor{getter, setter});
    }

    // Data read and written through a stream: load is called as (T&, Stream&), save as (const T&, Stream&).
    template <class L, class S>
    PropertyTableBuilder& Binary(std::u16string_view name, L load, S save) {
        Property::BinaryAccessor access;
        access.load = [load](Persistent& p, Stream& stream) { std::invoke(load, static_cast<T&>(p), stream); };
        access.save = [save](const Persistent& p, Stream& stream) {
            std::invoke(save, static_cast<const T&>(p), stream);
        };
        return Add(name, PropertyKind::Binary, std::move(access));
    }

    // An event: a std::function data member of T.
    template <class Signature>
    PropertyTableBuilder& Event(std::u16string_view name, std::function<Signature> T::*member) {
        using EventType = std::function<Signature>;
        Property::EventAccessor access{
            std::type_index(typeid(EventType)),
            [member](Persistent& p) -> void* { return &(static_cast<T&>(p).*member); },
            [member](const Persistent& p) { return static_cast<bool>(static_cast<const T&>(p).*member); },
            [member](Persistent& p) { static_cast<T&>(p).*member = nullptr; }};
        return Add(name, PropertyKind::Event, std::move(access));
    }

    PropertyTable Build() { return PropertyTable(base_, std::move(properties_)); }

private:
    PropertyTableBuilder& Add(std::u16string_view name, PropertyKind kind, Property::Access access,
                              std::vector<std::u16string> names = {}) {
        properties_.emplace_back(std::u16string(name), kind, std::move(access), std::move(names));
        return *this;
    }

    static std::vector<std::u16string> Names(std::initializer_list<std::u16string_view> names) {
        return std::vector<std::u16string>(names.begin(), names.end());
    }

    // A data member given alone is its own setter; anything else given alone has none.
    template <class G>
    static auto DefaultSetter(G get) {
        if constexpr (std::is_member_object_pointer_v<G>) {
            return get;
        } else {
            return nullptr;
        }
    }

    template <class R, class G>
    static AccessFunction<R(const Persistent&)> Getter(G get) {
        return [get](const Persistent& p) -> R { return static_cast<R>(std::invoke(get, static_cast<const T&>(p))); };
    }

    // Writes value (converted to V) through a setter member function, a data member or a callable.
    template <class S, class V>
    static void Assign(const S& set, Persistent& p, V&& value) {
        if constexpr (std::is_member_object_pointer_v<S>) {
            static_cast<T&>(p).*set = std::forward<V>(value);
        } else {
            std::invoke(set, static_cast<T&>(p), std::forward<V>(value));
        }
    }

    // A setter taking the stored form Stored and passing it on as V; empty when there is no setter.
    template <class Stored, class V, class S>
    static AccessFunction<void(Persistent&, Stored)> Setter(S set) {
        if constexpr (std::is_same_v<S, std::nullptr_t>) {
            return {};
        } else {
            return [set](Persistent& p, Stored value) { Assign(set, p, static_cast<V>(std::move(value))); };
        }
    }

    const PropertyTable* base_;
    std::vector<Property> properties_;
};

}  // namespace ui
