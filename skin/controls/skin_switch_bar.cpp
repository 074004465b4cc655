#include "skin/controls/skin_switch_bar.h"

#include "skin/controls/switch_bar_material.h"
#include "ui/property_table.h"

namespace skin {

TSkinSwitchBar::TSkinSwitchBar()
    : TSkinFireMonkeyControl(SkinClassOf<TSkinControlProperties, TSwitchBarProperties, ui::Component&>()) {
    CreateProperties();
}

const ui::PropertyTable& TSkinSwitchBar::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinSwitchBar>(&TSkinFireMonkeyControl::StaticProperties())
            .Event(u"OnChange", &TSkinSwitchBar::OnChange)
            .Build();
    return table;
}

TSkinSwitchBarDefaultMaterial* TSkinSwitchBar::SelfOwnMaterialToDefault() {
    return dynamic_cast<TSkinSwitchBarDefaultMaterial*>(GetSelfOwnMaterial());
}

TSkinSwitchBarDefaultMaterial* TSkinSwitchBar::CurrentUseMaterialToDefault() {
    return dynamic_cast<TSkinSwitchBarDefaultMaterial*>(GetCurrentUseMaterial());
}

void TSkinSwitchBar::StayClick() {
    Prop().SetChecked(!Prop().Checked());
    TSkinFireMonkeyControl::StayClick();
}

void TSkinSwitchBar::MaterialChanged(ui::Object* sender) {
    if (!IsReading() && !IsLoading()) Prop().AdjustAutoSizeBounds();
    TSkinFireMonkeyControl::MaterialChanged(sender);
}

}  // namespace skin
