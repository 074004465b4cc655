#include "ui/class_registry.h"

#include "ui/action.h"
#include "ui/combo_box.h"
#include "ui/component.h"
#include "ui/float_animation.h"
#include "ui/glow_effect.h"
#include "ui/int_animation.h"
#include "ui/popup_menu.h"
#include "ui/text.h"

namespace ui {

void ClassRegistry::Register(std::u16string_view className, Factory factory) {
    for (Entry& entry : entries_) {
        if (SameText(entry.name, className)) {
            entry.factory = std::move(factory);
            return;
        }
    }
    entries_.push_back({std::u16string(className), std::move(factory)});
}

const ClassRegistry::Entry* ClassRegistry::Find(std::u16string_view className) const {
    for (const Entry& entry : entries_) {
        if (SameText(entry.name, className)) return &entry;
    }
    return nullptr;
}

bool ClassRegistry::Contains(std::u16string_view className) const { return Find(className) != nullptr; }

std::unique_ptr<Component> ClassRegistry::Create(std::u16string_view className) const {
    const Entry* entry = Find(className);
    if (entry == nullptr || !entry->factory) return nullptr;
    return entry->factory();
}

ClassRegistry& GlobalClassRegistry() {
    static ClassRegistry registry = [] {
        ClassRegistry r;
        RegisterFrameworkClasses(r);
        return r;
    }();
    return registry;
}

void RegisterFrameworkClasses(ClassRegistry& registry) {
    registry.Register<FloatAnimation>(u"TFloatAnimation");
    registry.Register<IntAnimation>(u"TIntAnimation");
    registry.Register<GlowEffect>(u"TGlowEffect");
    registry.Register<ComboBox>(u"TComboBox");
    registry.Register<Action>(u"TAction");
    registry.Register<PopupMenu>(u"TPopupMenu");
    registry.Register<MenuItem>(u"TMenuItem");
}

}  // namespace ui
