#include "app/window/stand_ins/stand_in_switch_bar.h"

#include <algorithm>

#include "ui/canvas.h"
#include "ui/property_table.h"

namespace app::stand_ins {

const ui::PropertyTable& StandInSwitchBarProperties::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInSwitchBarProperties>()
            .Bool(u"Checked", &StandInSwitchBarProperties::Checked, &StandInSwitchBarProperties::SetChecked)
            .Build();
    return table;
}

void StandInSwitchBarProperties::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    owner_.CheckedChanged();
}

StandInSwitchBar::StandInSwitchBar() { SetSize(44, 22); }

const ui::PropertyTable& StandInSwitchBar::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInSwitchBar>(&ui::Control::StaticProperties())
            .Object(u"Properties", [](StandInSwitchBar& c) -> StandInSwitchBarProperties& { return c.properties_; })
            .Single(u"KnobSize", &StandInSwitchBar::knobSize)
            .Event(u"OnChange", &StandInSwitchBar::OnChange)
            .Build();
    return table;
}

void StandInSwitchBar::CheckedChanged() {
    Repaint();
    if (IsReading()) return;
    if (OnChange) OnChange(this);
}

ui::RectF StandInSwitchBar::KnobRect() const {
    const float size = std::min(knobSize, Width());
    const float left = properties_.Checked() ? Width() - size : 0;
    return {left, 0, left + size, Height()};
}

void StandInSwitchBar::Paint(ui::Canvas& canvas) {
    const float opacity = AbsoluteOpacity();
    if (opacity <= 0) return;
    const bool checked = properties_.Checked();
    const bool hover = IsMouseOver();
    const ui::AlphaColor fill = checked ? checkedTrackColor : hover ? hoverTrackColor : trackColor;
    const ui::AlphaColor border = checked ? checkedTrackBorderColor : hover ? hoverTrackBorderColor : trackBorderColor;
    const ui::RectF area = LocalRect();
    const float radius = std::min(12.0f, Height() / 2);
    canvas.Fill() = {ui::BrushKind::Solid, fill, {}};
    canvas.FillRect(area, radius, radius, ui::kCornersAll, opacity);
    canvas.Stroke() = {border, 1, ui::DashStyle::Solid};
    canvas.DrawRect(area.Inflate(-0.5f), radius, radius, ui::kCornersAll, opacity);
    // The knob: a circle in the knob rectangle inset by 15 percent of its size.
    const ui::RectF knob = KnobRect();
    const float insetX = knob.Width() * 0.15f;
    const float insetY = knob.Height() * 0.15f;
    const ui::RectF circle = knob.Inflate(-insetX, -insetY);
    canvas.Fill() = {ui::BrushKind::Solid, IsPressed() ? 0xFFD0D0D0 : 0xFFFFFFFF, {}};
    canvas.FillRect(circle, circle.Width() / 2, circle.Height() / 2, ui::kCornersAll, opacity);
}

void StandInSwitchBar::Click() {
    properties_.SetChecked(!properties_.Checked());
    ui::Control::Click();
}

void StandInSwitchBar::DoMouseEnter() {
    ui::Control::DoMouseEnter();
    Repaint();
}

void StandInSwitchBar::DoMouseLeave() {
    ui::Control::DoMouseLeave();
    Repaint();
}

}  // namespace app::stand_ins
