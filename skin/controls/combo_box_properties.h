#pragma once

#include <string>
#include <string_view>

#include "skin/core/skin_control_properties.h"

namespace skin {

class TComboBoxProperties;

// What the combo box's properties and control type ask of a combo box.
class ISkinComboBox {
public:
    virtual ~ISkinComboBox() = default;
    // The selected item's text ('' when nothing is selected).
    virtual std::u16string GetText() const = 0;
    virtual TComboBoxProperties& GetComboBoxProperties() const = 0;
};

// The combo box's settings: the help text shown while nothing is selected and the text drawn when a host
// paints the combo box as its child. Sets the new combo box's size to 100 x 22.
class TComboBoxProperties : public TSkinControlProperties {
public:
    explicit TComboBoxProperties(ui::Component& skinControl);
    std::u16string_view ClassName() const override { return u"TComboBoxProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    std::u16string_view GetComponentClassify() const override { return u"SkinComboBox"; }

    // The control as a combo box, looked up on use (the control is still being made while this object is):
    // throws SkinError "This Component Do not Support ISkinComboBox Interface" when it is none.
    ISkinComboBox& SkinComboBoxIntf() const;

    // The text a host's paint draws instead of the selected item.
    std::u16string DrawText;
    const std::u16string& HelpText() const { return helpText_; }
    // A changed text is stored and repainted.
    void SetHelpText(std::u16string_view value);

    // AutoSize and HelpText.
    void AssignProperties(const TSkinControlProperties& source) override;

private:
    std::u16string helpText_;
};

}  // namespace skin
