#include "skin/picture/skin_image_list.h"
#include "ui/class_registry.h"

namespace skin {

void RegisterSkinPictureClasses(ui::ClassRegistry& registry) { registry.Register<TSkinImageList>(u"TSkinImageList"); }

}  // namespace skin
