#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Component;

// Component classes by the names stored layouts give them ("TFloatAnimation", "TSkinFMXButton"): the layout
// reader creates every object of a layout through a registry.
class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<Component>()>;

    // Registers (or replaces) the factory of a class name.
    void Register(std::u16string_view className, Factory factory);
    template <class T>
    void Register(std::u16string_view className) {
        Register(className, [] { return std::make_unique<T>(); });
    }
    // Names compare without regard to ASCII case.
    bool Contains(std::u16string_view className) const;
    // A new component of the class, or nullptr for an unknown name.
    std::unique_ptr<Component> Create(std::u16string_view className) const;

private:
    struct Entry {
        std::u16string name;
        Factory factory;
    };
    const Entry* Find(std::u16string_view className) const;

    std::vector<Entry> entries_;
};

// The process-wide registry the layout reader uses by default. It starts with the framework's own classes
// (RegisterFrameworkClasses); the skin library and the application add theirs at start-up.
ClassRegistry& GlobalClassRegistry();

// Registers TFloatAnimation, TIntAnimation, TGlowEffect, TComboBox, TAction, TPopupMenu and TMenuItem.
void RegisterFrameworkClasses(ClassRegistry& registry);

}  // namespace ui
