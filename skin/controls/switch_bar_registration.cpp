#include "skin/controls/switch_bar_registration.h"

#include "skin/controls/skin_switch_bar.h"
#include "skin/controls/switch_bar_material.h"
#include "skin/controls/switch_bar_type.h"
#include "skin/core/control_type_registry.h"
#include "ui/class_registry.h"

namespace skin {

void RegisterSwitchBarControlTypes() {
    RegisterControlType(u"SkinSwitchBar", SkinClassOf<TSkinControlType, TSkinSwitchBarDefaultType>(),
                        SkinClassOf<TSkinControlMaterial, TSkinSwitchBarDefaultMaterial>(), u"Default", true, u"");
}

void RegisterSwitchBarClasses(ui::ClassRegistry& registry) {
    registry.Register<TSkinFMXSwitchBar>(u"TSkinFMXSwitchBar");
    registry.Register<TSkinSwitchBarDefaultMaterial>(u"TSkinSwitchBarDefaultMaterial");
}

}  // namespace skin
