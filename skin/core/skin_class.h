#pragma once

#include <memory>
#include <typeinfo>
#include <utility>

namespace skin {

// A class of objects derived from Base, as a value the registries hold: it makes new instances (with the
// arguments Args) and answers both "exactly this class" and "this class or a class derived from it" for an
// object. Each class has one TSkinClass, so two refer to the same class exactly when their addresses match.
//
//   const TSkinClass<TSkinControlMaterial>& c = SkinClassOf<TSkinControlMaterial, TSkinLabelMaterial>();
//   c.IsExactly(material); c.IsInstance(material); c.Create();
template <class Base, class... Args>
class TSkinClass {
public:
    using Factory = std::unique_ptr<Base> (*)(Args...);
    using InstanceTest = bool (*)(const Base&);

    constexpr TSkinClass(const std::type_info& type, Factory factory, InstanceTest isInstance)
        : type_(&type), factory_(factory), isInstance_(isInstance) {}
    TSkinClass(const TSkinClass&) = delete;
    TSkinClass& operator=(const TSkinClass&) = delete;

    std::unique_ptr<Base> Create(Args... args) const { return factory_(std::forward<Args>(args)...); }
    // The object's class is this one.
    bool IsExactly(const Base& object) const { return typeid(object) == *type_; }
    // The object's class is this one or derived from it.
    bool IsInstance(const Base& object) const { return isInstance_(object); }
    // The C++ type's name, for diagnostics.
    const char* TypeName() const { return type_->name(); }

private:
    const std::type_info* type_;
    Factory factory_;
    InstanceTest isInstance_;
};

// The one TSkinClass of T (derived from Base, made with Args).
template <class Base, class T, class... Args>
const TSkinClass<Base, Args...>& SkinClassOf() {
    static const TSkinClass<Base, Args...> instance(
        typeid(T),
        [](Args... args) -> std::unique_ptr<Base> { return std::make_unique<T>(std::forward<Args>(args)...); },
        [](const Base& object) {
            const Base* pointer = &object;
            return dynamic_cast<const T*>(pointer) != nullptr;
        });
    return instance;
}

}  // namespace skin
