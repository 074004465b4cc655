#include "skin/controls/button_group.h"

namespace skin {

TSkinButtonGroupMaterial::TSkinButtonGroupMaterial()
    : firstButtonMaterial_(MakeButtonMaterial(u"FirstButtonMaterial")),
      middleButtonMaterial_(MakeButtonMaterial(u"MiddleButtonMaterial")),
      lastButtonMaterial_(MakeButtonMaterial(u"LastButtonMaterial")) {}

TSkinButtonMaterial* TSkinButtonGroupMaterial::MakeButtonMaterial(std::u16string_view name) {
    auto* material = CreateComponent<TSkinButtonMaterial>();
    material->SetName(name);
    material->SetSubComponent(true);
    material->SetOnChange([this](ui::Object*) { DoChange(this); });
    return material;
}

}  // namespace skin
