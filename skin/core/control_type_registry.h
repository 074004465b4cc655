#pragma once

#include <string>
#include <string_view>

#include "skin/core/base_list.h"
#include "skin/core/skin_class.h"
#include "skin/core/skin_control_type.h"

namespace skin {

class TSkinControlMaterial;

// A class of control materials (made without an owner; the control inserts it).
using TSkinControlMaterialClass = TSkinClass<TSkinControlMaterial>;

// One control type of a control kind: its name, the control-type class and the material class it paints with.
class TControlTypeReg : public ui::Object {
public:
    std::u16string_view ClassName() const override { return u"TControlTypeReg"; }
    bool IsDefault = false;
    std::u16string ControlTypeName;
    std::u16string Description;
    const TSkinControlTypeClass* ControlTypeClass = nullptr;
    const TSkinControlMaterialClass* MaterialClass = nullptr;
};

// The entries of one control kind, in registration order (owned).
class TControlTypeRegList : public TBaseList {
public:
    TControlTypeRegList() : TBaseList(ooOwned) {}
    std::u16string_view ClassName() const override { return u"TControlTypeRegList"; }
    TControlTypeReg* Items(int index) const { return static_cast<TControlTypeReg*>(TBaseList::Items(index)); }
};

// A control kind ("SkinLabel") with its control types and the one registered as its default.
class TControlClassifyReg : public ui::Object {
public:
    std::u16string_view ClassName() const override { return u"TControlClassifyReg"; }
    std::u16string ControlClassify;
    TControlTypeReg* DefaultControlTypeReg = nullptr;
    TControlTypeRegList ControlTypeRegList;
};

class TControlClassifyRegList : public TBaseList {
public:
    TControlClassifyRegList() : TBaseList(ooOwned) {}
    std::u16string_view ClassName() const override { return u"TControlClassifyRegList"; }
    TControlClassifyReg* Items(int index) const { return static_cast<TControlClassifyReg*>(TBaseList::Items(index)); }
};

// Which control-type class and which material class a control of a kind and type name uses. Kind and type
// names compare exactly (letter case counts); the first match in list order wins.
class TControlTypeRegManager {
public:
    TControlClassifyRegList ControlClassifyRegList;

    TControlClassifyReg* Find(std::u16string_view controlClassify) const;
    int FindControlClassifyRegIndex(std::u16string_view controlClassify) const;
    // Finds the kind or appends it.
    TControlClassifyReg* CreateControlTypeClassifyReg(std::u16string_view controlClassify);
    int FindControlTypeRegIndexByControlTypeNameInClassifyReg(const TControlClassifyReg& classifyReg,
                                                              std::u16string_view controlTypeName) const;
    const TSkinControlTypeClass* FindControlTypeClassByControlTypeName(std::u16string_view controlClassify,
                                                                       std::u16string_view controlTypeName) const;
    const TSkinControlMaterialClass* FindMaterialClassByControlTypeName(std::u16string_view controlClassify,
                                                                        std::u16string_view controlTypeName) const;
    TControlTypeReg* FindControlTypeClassRegByControlTypeName(std::u16string_view controlClassify,
                                                              std::u16string_view controlTypeName) const;
    // The default entry's name, or ''.
    std::u16string FindDefaultControlTypeName(std::u16string_view controlClassify) const;
};

// The process-wide registry.
TControlTypeRegManager& ControlTypeRegManager();

// Appends an entry for the kind (made when new); a default entry replaces an earlier default.
TControlTypeReg* RegisterControlType(std::u16string_view controlClassify, const TSkinControlTypeClass& controlTypeClass,
                                     const TSkinControlMaterialClass& materialClass,
                                     std::u16string_view controlTypeName, bool isDefault,
                                     std::u16string_view description);

// The first material of GlobalStyleList that fits one of the kind's entries (an instance of its material
// class or of a derived class) and whose style name, one of its aliases or its component name equals
// styleName without regard to ASCII letter case; controlTypeName receives that entry's type name. nullptr
// (and '') when nothing matches or the kind is unknown.
TSkinControlMaterial* FindMaterialByStyleName(std::u16string_view controlClassify, std::u16string_view styleName,
                                              std::u16string& controlTypeName);

}  // namespace skin
