#include "app/window/stand_ins/stand_in_combo_box.h"

#include "ui/style_element.h"

namespace app::stand_ins {

namespace {

constexpr ui::AlphaColor kFill = 0xFF2F2F2F;
constexpr ui::AlphaColor kBorder = 0xFF383838;
constexpr ui::AlphaColor kHoverFill = 0xFF353535;
constexpr ui::AlphaColor kDownFill = 0xFF272727;
constexpr ui::AlphaColor kDownBorder = 0xFF303030;

}  // namespace

StandInComboBox::StandInComboBox() { SetCanFocus(false); }

void StandInComboBox::ApplyStyle() {
    ui::ComboBox::ApplyStyle();
    UpdateFace();
}

void StandInComboBox::UpdateFace() {
    ui::StyleElement* background = FindStyleElement(u"background");
    if (background == nullptr) return;
    const bool down = IsPressed() && IsMouseOver();
    background->SetFillColor(down ? kDownFill : IsMouseOver() ? kHoverFill : kFill);
    background->SetStrokeColor(down ? kDownBorder : kBorder);
}

void StandInComboBox::MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    ui::ComboBox::MouseDown(button, shift, x, y);
    UpdateFace();
}

void StandInComboBox::MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    ui::ComboBox::MouseUp(button, shift, x, y);
    UpdateFace();
}

void StandInComboBox::DoMouseEnter() {
    ui::ComboBox::DoMouseEnter();
    UpdateFace();
}

void StandInComboBox::DoMouseLeave() {
    ui::ComboBox::DoMouseLeave();
    UpdateFace();
}

}  // namespace app::stand_ins
