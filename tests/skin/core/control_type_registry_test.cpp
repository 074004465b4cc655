#include "skin/core/control_type_registry.h"

#include <gtest/gtest.h>

#include "skin/core/register_control_types.h"
#include "skin/core/skin_material.h"
#include "skin/core/skin_string_list.h"
#include "tests/skin/core/skin_control_kinds.h"

namespace skin {
namespace {

using testing::OtherMaterial;
using testing::TestMaterial;

TEST(ControlTypeRegistryTest, NamesCompareExactlyAndALaterDefaultWins) {
    const auto& type = SkinClassOf<TSkinControlType, TSkinControlType>();
    const auto& material = SkinClassOf<TSkinControlMaterial, TSkinControlMaterial>();
    RegisterControlType(u"RegKind", type, material, u"First", true, u"");
    EXPECT_EQ(ControlTypeRegManager().FindDefaultControlTypeName(u"RegKind"), u"First");
    RegisterControlType(u"RegKind", type, material, u"Second", true, u"");
    EXPECT_EQ(ControlTypeRegManager().FindDefaultControlTypeName(u"RegKind"), u"Second");
    EXPECT_EQ(ControlTypeRegManager().FindControlTypeClassByControlTypeName(u"RegKind", u"First"), &type);
    EXPECT_EQ(ControlTypeRegManager().FindControlTypeClassByControlTypeName(u"RegKind", u"first"), nullptr);
    EXPECT_EQ(ControlTypeRegManager().FindControlTypeClassByControlTypeName(u"regkind", u"First"), nullptr);
    EXPECT_EQ(ControlTypeRegManager().FindMaterialClassByControlTypeName(u"RegKind", u"Second"), &material);
    EXPECT_EQ(ControlTypeRegManager().FindDefaultControlTypeName(u"Unknown"), u"");
    EXPECT_EQ(ControlTypeRegManager().FindControlClassifyRegIndex(u"Unknown"), -1);
}

TEST(ControlTypeRegistryTest, KindsWithoutControlsAnswerWithTheBaseClasses) {
    RegisterControlTypesWithoutControls();
    const TControlTypeRegManager& manager = ControlTypeRegManager();
    const auto& baseType = SkinClassOf<TSkinControlType, TSkinControlType>();
    const struct {
        const char16_t* classify;
        int entries;
    } cases[] = {{u"SkinListView", 2},      {u"SkinScrollBar", 3}, {u"SkinButtonGroup", 3},
                 {u"SkinPullLoadPanel", 3}, {u"SkinMemo", 1},      {u"ProcessNativeControlModalShowPanel", 1}};
    for (const auto& c : cases) {
        const TControlClassifyReg* reg = manager.Find(c.classify);
        ASSERT_NE(reg, nullptr);
        EXPECT_EQ(reg->ControlTypeRegList.Count(), c.entries);
        EXPECT_EQ(manager.FindDefaultControlTypeName(c.classify), u"Default");
        EXPECT_EQ(manager.FindControlTypeClassByControlTypeName(c.classify, u"Default"), &baseType);
    }
}

TEST(ControlTypeRegistryTest, StyleNamesMatchNamesAliasesAndComponentNamesIgnoringCase) {
    testing::RegisterTestKinds();
    TestMaterial byStyle;
    byStyle.SetStyleName(u"Dark");
    OtherMaterial byAlias;
    byAlias.SetStyleName(u"Something");
    byAlias.StyleNameAliases().Add(u"Night");
    TestMaterial byName;
    byName.SetName(u"Plain");
    byName.SetStyleName(u"x");
    std::u16string typeName;
    EXPECT_EQ(FindMaterialByStyleName(u"TestKind", u"dARK", typeName), &byStyle);
    EXPECT_EQ(typeName, u"Default");
    EXPECT_EQ(FindMaterialByStyleName(u"TestKind", u"NIGHT", typeName), &byAlias);
    EXPECT_EQ(typeName, u"Other");
    EXPECT_EQ(FindMaterialByStyleName(u"TestKind", u"plain", typeName), &byName);
    EXPECT_EQ(FindMaterialByStyleName(u"TestKind", u"nothing", typeName), nullptr);
    EXPECT_EQ(typeName, u"");
    EXPECT_EQ(FindMaterialByStyleName(u"NoSuchKind", u"Dark", typeName), nullptr);

    // A material of a class derived from the registered one fits as well.
    testing::DerivedTestMaterial derived;
    derived.SetStyleName(u"Derived");
    EXPECT_EQ(FindMaterialByStyleName(u"TestKind", u"derived", typeName), &derived);
    EXPECT_EQ(typeName, u"Default");
}

}  // namespace
}  // namespace skin
