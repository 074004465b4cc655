#include "skin/core/control_type_registry.h"

#include "skin/core/skin_material.h"
#include "skin/core/skin_string_list.h"
#include "ui/text.h"

namespace skin {

TControlClassifyReg* TControlTypeRegManager::Find(std::u16string_view controlClassify) const {
    const int index = FindControlClassifyRegIndex(controlClassify);
    return index >= 0 ? ControlClassifyRegList.Items(index) : nullptr;
}

int TControlTypeRegManager::FindControlClassifyRegIndex(std::u16string_view controlClassify) const {
    for (int i = 0; i < ControlClassifyRegList.Count(); ++i) {
        if (ControlClassifyRegList.Items(i)->ControlClassify == controlClassify) return i;
    }
    return -1;
}

TControlClassifyReg* TControlTypeRegManager::CreateControlTypeClassifyReg(std::u16string_view controlClassify) {
    if (TControlClassifyReg* found = Find(controlClassify)) return found;
    auto* reg = new TControlClassifyReg;  // the owning list frees it
    reg->ControlClassify = controlClassify;
    ControlClassifyRegList.Add(reg);
    return reg;
}

int TControlTypeRegManager::FindControlTypeRegIndexByControlTypeNameInClassifyReg(
    const TControlClassifyReg& classifyReg, std::u16string_view controlTypeName) const {
    const TControlTypeRegList& list = classifyReg.ControlTypeRegList;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Items(i)->ControlTypeName == controlTypeName) return i;
    }
    return -1;
}

TControlTypeReg* TControlTypeRegManager::FindControlTypeClassRegByControlTypeName(
    std::u16string_view controlClassify, std::u16string_view controlTypeName) const {
    const TControlClassifyReg* classifyReg = Find(controlClassify);
    if (classifyReg == nullptr) return nullptr;
    const int index = FindControlTypeRegIndexByControlTypeNameInClassifyReg(*classifyReg, controlTypeName);
    return index >= 0 ? classifyReg->ControlTypeRegList.Items(index) : nullptr;
}

const TSkinControlTypeClass* TControlTypeRegManager::FindControlTypeClassByControlTypeName(
    std::u16string_view controlClassify, std::u16string_view controlTypeName) const {
    const TControlTypeReg* reg = FindControlTypeClassRegByControlTypeName(controlClassify, controlTypeName);
    return reg != nullptr ? reg->ControlTypeClass : nullptr;
}

const TSkinControlMaterialClass* TControlTypeRegManager::FindMaterialClassByControlTypeName(
    std::u16string_view controlClassify, std::u16string_view controlTypeName) const {
    const TControlTypeReg* reg = FindControlTypeClassRegByControlTypeName(controlClassify, controlTypeName);
    return reg != nullptr ? reg->MaterialClass : nullptr;
}

std::u16string TControlTypeRegManager::FindDefaultControlTypeName(std::u16string_view controlClassify) const {
    const TControlClassifyReg* classifyReg = Find(controlClassify);
    if (classifyReg == nullptr || classifyReg->DefaultControlTypeReg == nullptr) return {};
    return classifyReg->DefaultControlTypeReg->ControlTypeName;
}

TControlTypeRegManager& ControlTypeRegManager() {
    static TControlTypeRegManager manager;
    return manager;
}

TControlTypeReg* RegisterControlType(std::u16string_view controlClassify, const TSkinControlTypeClass& controlTypeClass,
                                     const TSkinControlMaterialClass& materialClass,
                                     std::u16string_view controlTypeName, bool isDefault,
                                     std::u16string_view description) {
    TControlClassifyReg* classifyReg = ControlTypeRegManager().CreateControlTypeClassifyReg(controlClassify);
    auto* reg = new TControlTypeReg;  // the owning list frees it
    reg->IsDefault = isDefault;
    reg->ControlTypeName = controlTypeName;
    reg->Description = description;
    reg->ControlTypeClass = &controlTypeClass;
    reg->MaterialClass = &materialClass;
    classifyReg->ControlTypeRegList.Add(reg);
    if (isDefault) classifyReg->DefaultControlTypeReg = reg;
    return reg;
}

namespace {

bool NameMatches(const TSkinControlMaterial& material, std::u16string_view styleName) {
    if (ui::SameText(material.StyleName(), styleName)) return true;
    for (const std::u16string& alias : material.StyleNameAliases().Strings()) {
        if (ui::SameText(alias, styleName)) return true;
    }
    return ui::SameText(material.Name(), styleName);
}

}  // namespace

TSkinControlMaterial* FindMaterialByStyleName(std::u16string_view controlClassify, std::u16string_view styleName,
                                              std::u16string& controlTypeName) {
    controlTypeName.clear();
    const TControlClassifyReg* classifyReg = ControlTypeRegManager().Find(controlClassify);
    if (classifyReg == nullptr) return nullptr;
    const TBaseList& styles = GlobalStyleList();
    for (int i = 0; i < styles.Count(); ++i) {
        auto* material = dynamic_cast<TSkinControlMaterial*>(styles.Items(i));
        if (material == nullptr) continue;
        for (int t = 0; t < classifyReg->ControlTypeRegList.Count(); ++t) {
            const TControlTypeReg* reg = classifyReg->ControlTypeRegList.Items(t);
            if (reg->MaterialClass == nullptr || !reg->MaterialClass->IsInstance(*material)) continue;
            if (!NameMatches(*material, styleName)) continue;
            controlTypeName = reg->ControlTypeName;
            return material;
        }
    }
    return nullptr;
}

}  // namespace skin
