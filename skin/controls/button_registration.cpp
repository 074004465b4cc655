#include "skin/controls/button_registration.h"

#include "skin/controls/button_material.h"
#include "skin/controls/button_type.h"
#include "skin/controls/skin_button.h"
#include "skin/core/control_type_registry.h"
#include "ui/class_registry.h"

namespace skin {

void RegisterButtonControlTypes() {
    const auto& typeClass = SkinClassOf<TSkinControlType, TSkinButtonDefaultType>();
    const auto& materialClass = SkinClassOf<TSkinControlMaterial, TSkinButtonDefaultMaterial>();
    RegisterControlType(u"SkinButton", typeClass, materialClass, u"Default", true, u"");
    RegisterControlType(u"SkinButton", typeClass, materialClass, u"Normal", false, u"");
    RegisterControlType(u"SkinButton", typeClass, materialClass, u"NormalPushed", false, u"");
}

void RegisterButtonClasses(ui::ClassRegistry& registry) {
    registry.Register<TSkinFMXButton>(u"TSkinFMXButton");
    registry.Register<TSkinButtonDefaultMaterial>(u"TSkinButtonDefaultMaterial");
}

}  // namespace skin
