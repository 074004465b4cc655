#include "skin/core/register_control_types.h"

#include <initializer_list>
#include <string_view>

#include "skin/core/control_type_registry.h"
#include "skin/core/skin_material.h"

namespace skin {

namespace {

struct KindEntry {
    std::u16string_view classify;
    // Named types registered after "Default", in order.
    std::initializer_list<std::u16string_view> furtherTypes;
};

// In the order the full library registers them.
constexpr std::initializer_list<KindEntry> kKinds = {
    {u"SkinButtonGroup", {u"Normal", u"NormalPushed"}},
    {u"SkinCheckBox", {u"Color"}},
    {u"SkinRadioButton", {u"Color"}},
    {u"SkinCalloutRect", {}},
    {u"SkinSwitch", {}},
    {u"SkinRollLabel", {}},
    {u"SkinMultiColorLabel", {}},
    {u"SkinDrawPanel", {}},
    {u"SkinRoundRect", {}},
    {u"SkinPullLoadPanel", {u"DefaultEx", u"DefaultPro"}},
    {u"SkinTabSheet", {}},
    {u"SkinPageControl", {}},
    {u"SkinItemDesignerPanel", {}},
    {u"SkinTrackBar", {u"ProgressBar"}},
    {u"SkinScrollBar", {u"Mobile", u"Desktop"}},
    {u"SkinScrollControl", {}},
    {u"SkinScrollControlCorner", {}},
    {u"SkinScrollBoxContent", {}},
    {u"SkinScrollBox", {}},
    {u"SkinSwitchPageListPanel", {}},
    {u"SkinNotifyNumberIcon", {u"Color"}},
    {u"SkinFrameImage", {}},
    {u"SkinRoundImage", {}},
    {u"SkinImageListPlayer", {}},
    {u"SkinImageListViewer", {}},
    {u"SkinListBox", {}},
    // Registered twice with the same values.
    {u"SkinListView", {u"Default"}},
    {u"SkinTreeView", {}},
    {u"SkinItemGrid", {}},
    {u"SkinDBGrid", {}},
    {u"SkinRegExTagLabelView", {}},
    {u"ProcessNativeControlModalShowPanel", {}},
    {u"SkinEdit", {}},
    {u"SkinDateEdit", {}},
    {u"SkinTimeEdit", {}},
    {u"SkinPopup", {}},
    {u"SkinComboEdit", {}},
    {u"SkinMemo", {}},
};

}  // namespace

void RegisterControlTypesWithoutControls() {
    const auto& typeClass = SkinClassOf<TSkinControlType, TSkinControlType>();
    const auto& materialClass = SkinClassOf<TSkinControlMaterial, TSkinControlMaterial>();
    for (const KindEntry& kind : kKinds) {
        RegisterControlType(kind.classify, typeClass, materialClass, u"Default", true, u"");
        for (std::u16string_view name : kind.furtherTypes) {
            RegisterControlType(kind.classify, typeClass, materialClass, name, name == u"Default", u"");
        }
    }
}

}  // namespace skin
