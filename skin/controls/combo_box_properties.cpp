#include "skin/controls/combo_box_properties.h"

#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_error.h"
#include "ui/component.h"
#include "ui/property_table.h"

namespace skin {

namespace {

constexpr double kNewComboBoxWidth = 100;
constexpr double kNewComboBoxHeight = 22;

}  // namespace

TComboBoxProperties::TComboBoxProperties(ui::Component& skinControl) : TSkinControlProperties(skinControl) {
    SkinControlIntf().SetWidth(kNewComboBoxWidth);
    SkinControlIntf().SetHeight(kNewComboBoxHeight);
}

const ui::PropertyTable& TComboBoxProperties::StaticProperties() {
    using P = TComboBoxProperties;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<P>(&TSkinControlProperties::StaticProperties())
            .Text(u"HelpText", &P::HelpText, [](P& p, const std::u16string& v) { p.SetHelpText(v); })
            .Build();
    return table;
}

ISkinComboBox& TComboBoxProperties::SkinComboBoxIntf() const {
    auto* comboBox = dynamic_cast<ISkinComboBox*>(&SkinControl());
    if (comboBox == nullptr) throw SkinError("This Component Do not Support ISkinComboBox Interface");
    return *comboBox;
}

void TComboBoxProperties::SetHelpText(std::u16string_view value) {
    if (helpText_ == value) return;
    helpText_ = value;
    PropertiesChanged(this);
}

void TComboBoxProperties::AssignProperties(const TSkinControlProperties& source) {
    TSkinControlProperties::AssignProperties(source);
    if (const auto* comboBox = dynamic_cast<const TComboBoxProperties*>(&source)) helpText_ = comboBox->helpText_;
}

}  // namespace skin
