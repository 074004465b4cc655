#include "app/window/window_classes.h"

#include "skin/controls/register_skin_controls.h"
#include "skin/picture/skin_image_list.h"
#include "ui/class_registry.h"

namespace app {

void RegisterWindowClasses(ui::ClassRegistry& registry) {
    // The control types live in the process-wide registry: registered once, whatever the class registry.
    static const bool controlTypesRegistered = (skin::RegisterControlTypes(), true);
    (void)controlTypesRegistered;
    skin::RegisterSkinPictureClasses(registry);
    skin::RegisterSkinControlClasses(registry);
}

void InitWindowSkin() { skin::InitScreenScale(); }

}  // namespace app
