#pragma once

#include "ui/combo_box.h"

namespace app::stand_ins {

// TSkinFMXComboBox stand-in: the framework's combo box under the skin's class name, in the application's dark
// style, with the window's fills for the pointer over it (#FF353535) and pressing it (#FF272727, border
// #FF303030). Like the skinned controls, a press does not give it the focus.
class StandInComboBox : public ui::ComboBox {
public:
    StandInComboBox();
    std::u16string_view ClassName() const override { return u"TSkinFMXComboBox"; }

    void MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;

protected:
    void ApplyStyle() override;

private:
    // Colours the face's background for the pointer's state.
    void UpdateFace();
};

}  // namespace app::stand_ins
