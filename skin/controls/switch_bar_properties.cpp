#include "skin/controls/switch_bar_properties.h"

#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_error.h"
#include "ui/component.h"
#include "ui/property_table.h"

namespace skin {

namespace {

constexpr double kNewSwitchWidth = 44;
constexpr double kNewSwitchHeight = 22;

double Clamped(double position, double min, double max) {
    if (position < min) position = min;
    if (position > max) position = max;
    return position;
}

}  // namespace

TSwitchBarProperties::TSwitchBarProperties(ui::Component& skinControl)
    : TSkinControlProperties(skinControl), switchBtnState_(std::make_unique<TSkinSwitchBarBtnState>()) {
    SkinControlIntf().SetWidth(kNewSwitchWidth);
    SkinControlIntf().SetHeight(kNewSwitchHeight);
}

TSwitchBarProperties::~TSwitchBarProperties() = default;

const ui::PropertyTable& TSwitchBarProperties::StaticProperties() {
    using P = TSwitchBarProperties;
    static const ui::PropertyTable table = ui::PropertyTableBuilder<P>(&TSkinControlProperties::StaticProperties())
                                               .Bool(u"Checked", &P::Checked, &P::SetChecked)
                                               .Build();
    return table;
}

ISkinSwitchBar& TSwitchBarProperties::SkinSwitchBarIntf() const {
    auto* switchBar = dynamic_cast<ISkinSwitchBar*>(&SkinControl());
    if (switchBar == nullptr) throw SkinError("This Component Do not Support ISkinSwitchBar Interface");
    return *switchBar;
}

void TSwitchBarProperties::SetPositionInRange(double position, double min, double max) {
    position = Clamped(position, min, max);
    if (position == position_ && min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    position_ = position;
    if (auto* switchBar = dynamic_cast<ISkinSwitchBar*>(&SkinControl())) {
        if (const ui::NotifyEvent& onChange = switchBar->GetOnChange()) onChange(this);
    }
    PropertiesChanged(this);
}

void TSwitchBarProperties::SetDrawPosition(double value) {
    drawPosition_ = Clamped(value, min_, max_);
    PropertiesChanged(this);
}

void TSwitchBarProperties::SetChecked(bool value) {
    if (value == Checked()) return;
    SetPosition(value ? max_ : min_);
}

void TSwitchBarProperties::SetStaticChecked(bool value) {
    if (value == Checked()) return;
    position_ = value ? max_ : min_;
}

void TSwitchBarProperties::SetDrawChecked(bool value) {
    if (value == DrawChecked()) return;
    drawPosition_ = value ? max_ : min_;
}

void TSwitchBarProperties::SetOrientation(TSwitchBarOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    if (SkinControl().IsLoading()) return;
    ISkinControl& control = SkinControlIntf();
    control.SetBounds(control.GetLeft(), control.GetTop(), control.GetHeight(), control.GetWidth());
}

TSkinSwitchBarBtnState& TSwitchBarProperties::SwitchBtnState() {
    if (switchBtnState_ == nullptr) switchBtnState_ = std::make_unique<TSkinSwitchBarBtnState>();
    return *switchBtnState_;
}

void TSwitchBarProperties::AssignProperties(const TSkinControlProperties& source) {
    TSkinControlProperties::AssignProperties(source);
    const auto* switchBar = dynamic_cast<const TSwitchBarProperties*>(&source);
    if (switchBar == nullptr) return;
    orientation_ = switchBar->orientation_;
    max_ = switchBar->max_;
    min_ = switchBar->min_;
    position_ = switchBar->position_;
    drawPosition_ = switchBar->drawPosition_;
}

}  // namespace skin
