#include "app/window/window_classes.h"

#include "app/window/stand_ins/register_stand_ins.h"
#include "skin/picture/skin_image_list.h"
#include "ui/class_registry.h"

namespace app {

void RegisterWindowClasses(ui::ClassRegistry& registry) {
    skin::RegisterSkinPictureClasses(registry);
    stand_ins::RegisterStandIns(registry);
}

void InitWindowSkin() { skin::InitScreenScale(); }

}  // namespace app
