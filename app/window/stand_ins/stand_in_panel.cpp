#include "app/window/stand_ins/stand_in_panel.h"

#include "ui/canvas.h"
#include "ui/property_table.h"

namespace app::stand_ins {

StandInPanel::StandInPanel() { SetSize(200, 50); }

const ui::PropertyTable& StandInPanel::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInPanel>(&ui::Control::StaticProperties())
            .Color(u"FillColor", &StandInPanel::fillColor)
            .Color(u"BorderColor", &StandInPanel::borderColor)
            .Single(u"BorderWidth", &StandInPanel::borderWidth)
            .Single(u"CornerRadius", &StandInPanel::cornerRadius)
            .Set<Corner>(u"Corners", {u"TopLeft", u"TopRight", u"BottomLeft", u"BottomRight"}, &StandInPanel::corners)
            .Build();
    return table;
}

unsigned StandInPanel::CanvasCorners() const {
    unsigned result = ui::kCornerNone;
    if (corners.Contains(Corner::TopLeft)) result |= ui::kCornerTopLeft;
    if (corners.Contains(Corner::TopRight)) result |= ui::kCornerTopRight;
    if (corners.Contains(Corner::BottomLeft)) result |= ui::kCornerBottomLeft;
    if (corners.Contains(Corner::BottomRight)) result |= ui::kCornerBottomRight;
    return result;
}

void StandInPanel::Paint(ui::Canvas& canvas) {
    const float opacity = AbsoluteOpacity();
    if (opacity <= 0) return;
    const ui::RectF area = LocalRect();
    if (fillColor >> 24 != 0) {
        canvas.Fill() = {ui::BrushKind::Solid, fillColor, {}};
        canvas.FillRect(area, cornerRadius, cornerRadius, CanvasCorners(), opacity);
    }
    if (borderColor >> 24 != 0 && borderWidth > 0) {
        canvas.Stroke() = {borderColor, borderWidth, ui::DashStyle::Solid};
        const float half = borderWidth / 2;
        canvas.DrawRect(area.Inflate(-half), cornerRadius, cornerRadius, CanvasCorners(), opacity);
    }
}

}  // namespace app::stand_ins
