#include "skin/controls/combo_box_registration.h"

#include "skin/controls/combo_box_material.h"
#include "skin/controls/combo_box_type.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/core/control_type_registry.h"
#include "ui/class_registry.h"

namespace skin {

void RegisterComboBoxControlTypes() {
    RegisterControlType(u"SkinComboBox", SkinClassOf<TSkinControlType, TSkinComboBoxDefaultType>(),
                        SkinClassOf<TSkinControlMaterial, TSkinComboBoxDefaultMaterial>(), u"Default", true, u"");
}

void RegisterComboBoxClasses(ui::ClassRegistry& registry) {
    registry.Register<TSkinFMXComboBox>(u"TSkinFMXComboBox");
    registry.Register<TSkinComboBoxDefaultMaterial>(u"TSkinComboBoxDefaultMaterial");
}

}  // namespace skin
