#pragma once

#include "skin/controls/switch_bar_properties.h"
#include "skin/core/skin_control.h"

namespace skin {

class TSkinSwitchBarDefaultMaterial;

// The skinned on/off switch: a track with a knob whose position lies between Min and Max. A click that does
// not move the pointer toggles it; pressing the knob and moving drags it; every change of the position raises
// OnChange (with the properties object as the sender).
class TSkinSwitchBar : public TSkinFireMonkeyControl, public ISkinSwitchBar {
public:
    TSkinSwitchBar();
    std::u16string_view ClassName() const override { return u"TSkinSwitchBar"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TSwitchBarProperties& Prop() const { return static_cast<TSwitchBarProperties&>(Properties()); }
    TSkinSwitchBarDefaultMaterial* Material() { return SelfOwnMaterialToDefault(); }
    TSkinSwitchBarDefaultMaterial* SelfOwnMaterialToDefault();
    TSkinSwitchBarDefaultMaterial* CurrentUseMaterialToDefault();

    // Toggles Checked, then raises OnStayClick.
    void StayClick() override;

    ui::NotifyEvent OnChange;

    // --- ISkinSwitchBar
    const ui::NotifyEvent& GetOnChange() const override { return OnChange; }
    TSwitchBarProperties& GetSwitchBarProperties() const override { return Prop(); }

protected:
    void MaterialChanged(ui::Object* sender) override;
};

// The switch bar class layouts name.
class TSkinFMXSwitchBar : public TSkinSwitchBar {
public:
    std::u16string_view ClassName() const override { return u"TSkinFMXSwitchBar"; }
};

}  // namespace skin
