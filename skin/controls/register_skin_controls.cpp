#include "skin/controls/register_skin_controls.h"

#include "skin/controls/button_registration.h"
#include "skin/controls/combo_box_registration.h"
#include "skin/controls/skin_image.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_progress_bar.h"
#include "skin/controls/switch_bar_registration.h"
#include "skin/core/control_type_registry.h"
#include "skin/core/register_control_types.h"
#include "ui/class_registry.h"

namespace skin {

namespace {

template <class Type, class Material>
void Register(std::u16string_view classify, std::u16string_view typeName, bool isDefault) {
    RegisterControlType(classify, SkinClassOf<TSkinControlType, Type>(), SkinClassOf<TSkinControlMaterial, Material>(),
                        typeName, isDefault, u"");
}

}  // namespace

void RegisterControlTypes() {
    Register<TSkinLabelType, TSkinLabelDefaultMaterial>(u"SkinLabel", u"Default", true);
    Register<TSkinPanelType, TSkinPanelDefaultMaterial>(u"SkinPanel", u"Default", true);
    Register<TSkinImageType, TSkinImageDefaultMaterial>(u"SkinImage", u"Default", true);
    Register<TSkinProgressBarDefaultType, TSkinProgressBarDefaultMaterial>(u"SkinProgressBar", u"Default", true);
    Register<TSkinProgressBarColorType, TSkinProgressBarColorMaterial>(u"SkinProgressBar", u"Color", false);
    RegisterButtonControlTypes();
    RegisterSwitchBarControlTypes();
    RegisterComboBoxControlTypes();
    RegisterControlTypesWithoutControls();
}

void RegisterSkinControlClasses(ui::ClassRegistry& registry) {
    registry.Register<TSkinFMXLabel>(u"TSkinFMXLabel");
    registry.Register<TSkinFMXPanel>(u"TSkinFMXPanel");
    registry.Register<TSkinFMXImage>(u"TSkinFMXImage");
    registry.Register<TSkinFMXProgressBar>(u"TSkinFMXProgressBar");
    registry.Register<TSkinLabelDefaultMaterial>(u"TSkinLabelDefaultMaterial");
    registry.Register<TSkinPanelDefaultMaterial>(u"TSkinPanelDefaultMaterial");
    registry.Register<TSkinImageDefaultMaterial>(u"TSkinImageDefaultMaterial");
    registry.Register<TSkinProgressBarDefaultMaterial>(u"TSkinProgressBarDefaultMaterial");
    registry.Register<TSkinProgressBarColorMaterial>(u"TSkinProgressBarColorMaterial");
    RegisterButtonClasses(registry);
    RegisterSwitchBarClasses(registry);
    RegisterComboBoxClasses(registry);
}

}  // namespace skin
