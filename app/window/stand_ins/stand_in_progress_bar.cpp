#include "app/window/stand_ins/stand_in_progress_bar.h"

#include <algorithm>

#include "ui/canvas.h"
#include "ui/property_table.h"

namespace app::stand_ins {

const ui::PropertyTable& StandInProgressBarProperties::StaticProperties() {
    using P = StandInProgressBarProperties;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<P>()
            .Integer<int32_t>(u"Min", &P::Min, &P::SetMin)
            .Integer<int32_t>(u"Max", &P::Max, &P::SetMax)
            .Integer<int32_t>(u"Position", &P::Position, &P::SetPosition)
            .Enumeration<ProgressOrientation>(u"Orientation", {u"prHorizontal", u"prVertical"}, &P::Orientation,
                                              &P::SetOrientation)
            .Build();
    return table;
}

void StandInProgressBarProperties::SetMin(int32_t value) {
    if (value == min_) return;
    min_ = value;
    max_ = std::max(max_, min_);
    const int32_t position = std::clamp(position_, min_, max_);
    const bool moved = position != position_;
    position_ = position;
    Changed(moved);
}

void StandInProgressBarProperties::SetMax(int32_t value) {
    if (value == max_) return;
    max_ = std::max(value, min_);
    const int32_t position = std::clamp(position_, min_, max_);
    const bool moved = position != position_;
    position_ = position;
    Changed(moved);
}

void StandInProgressBarProperties::SetPosition(int32_t value) {
    value = std::clamp(value, min_, max_);
    if (value == position_) return;
    position_ = value;
    Changed(true);
}

void StandInProgressBarProperties::SetOrientation(ProgressOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    Changed(false);
}

void StandInProgressBarProperties::Changed(bool positionChanged) {
    owner_.Repaint();
    if (positionChanged && !owner_.IsReading() && owner_.OnChange) owner_.OnChange(&owner_);
}

StandInProgressBar::StandInProgressBar() { SetSize(120, 22); }

const ui::PropertyTable& StandInProgressBar::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInProgressBar>(&ui::Control::StaticProperties())
            .Object(u"Properties", [](StandInProgressBar& c) -> StandInProgressBarProperties& { return c.properties_; })
            .Color(u"FillColor", &StandInProgressBar::fillColor)
            .Color(u"TrackColor", &StandInProgressBar::trackColor)
            .Event(u"OnChange", &StandInProgressBar::OnChange)
            .Build();
    return table;
}

ui::RectF StandInProgressBar::FilledRect() const {
    const float range = static_cast<float>(properties_.Max() - properties_.Min());
    const float part = range > 0 ? static_cast<float>(properties_.Position() - properties_.Min()) / range : 0;
    if (properties_.Orientation() == ProgressOrientation::Vertical) {
        return {0, Height() * (1 - part), Width(), Height()};
    }
    return {0, 0, Width() * part, Height()};
}

void StandInProgressBar::Paint(ui::Canvas& canvas) {
    const float opacity = AbsoluteOpacity();
    if (opacity <= 0) return;
    if (trackColor >> 24 != 0) {
        canvas.Fill() = {ui::BrushKind::Solid, trackColor, {}};
        canvas.FillRect(LocalRect(), 0, 0, ui::kCornerNone, opacity);
    }
    const ui::RectF filled = FilledRect();
    if (filled.IsEmpty()) return;
    canvas.Fill() = {ui::BrushKind::Solid, fillColor, {}};
    canvas.FillRect(filled, 0, 0, ui::kCornerNone, opacity);
}

}  // namespace app::stand_ins
