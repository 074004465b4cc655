#pragma once

#include <memory>

#include "skin/controls/button_material.h"

namespace ui {
class Control;
}

namespace skin {

// The look of a button group: one button material for each place a button can take in the group.
class TSkinButtonGroupMaterial : public TSkinControlMaterial {
public:
    TSkinButtonGroupMaterial();
    std::u16string_view ClassName() const override { return u"TSkinButtonGroupMaterial"; }

    // Sub-components of this material; their changes report as changes of this material.
    TSkinButtonMaterial& FirstButtonMaterial() const { return *firstButtonMaterial_; }
    TSkinButtonMaterial& MiddleButtonMaterial() const { return *middleButtonMaterial_; }
    TSkinButtonMaterial& LastButtonMaterial() const { return *lastButtonMaterial_; }
    // Whether the first / last button paints with its own material instead of the middle one.
    bool IsUseFirstButtonMaterial = false;
    bool IsUseLastButtonMaterial = false;

private:
    TSkinButtonMaterial* MakeButtonMaterial(std::u16string_view name);

    TSkinButtonMaterial* firstButtonMaterial_;
    TSkinButtonMaterial* middleButtonMaterial_;
    TSkinButtonMaterial* lastButtonMaterial_;
};

// What a button needs of the group control it belongs to: the ordered list of its buttons, a new layout of
// them, and the group's material.
class ISkinButtonGroup {
public:
    virtual ~ISkinButtonGroup() = default;
    virtual int ButtonCount() const = 0;
    // The button's position in the list, or -1.
    virtual int IndexOfButton(const ui::Control& button) const = 0;
    virtual void AddButton(ui::Control& button) = 0;
    virtual void RemoveButton(ui::Control& button) = 0;
    // Moves the button at from to the position to (both inside the list).
    virtual void MoveButton(int from, int to) = 0;
    // Lays the buttons out again.
    virtual void ArrangeButtons() = 0;
    // The group's material in use, or nullptr.
    virtual TSkinButtonGroupMaterial* GetButtonGroupMaterial() = 0;
};

}  // namespace skin
