#pragma once

#include <string>
#include <string_view>

#include "skin/core/skin_control_properties.h"

namespace ui {
class Control;
}

namespace skin {

class ISkinButtonGroup;
class TBaseButtonProperties;

// What the button's control type and other buttons ask of a button.
class ISkinButton {
public:
    virtual ~ISkinButton() = default;
    virtual std::u16string GetDetail() const = 0;
    virtual std::u16string GetDetail1() const = 0;
    virtual TBaseButtonProperties& GetButtonProperties() const = 0;
};

// The button's settings: push state and push groups, the icons, the help text and the button group it
// belongs to. Sets the new button's size to 100 x 40.
class TBaseButtonProperties : public TSkinControlProperties {
public:
    explicit TBaseButtonProperties(ui::Component& skinControl);
    // Leaves the button group (which lays its buttons out again).
    ~TBaseButtonProperties() override;
    std::u16string_view ClassName() const override { return u"TBaseButtonProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    std::u16string_view GetComponentClassify() const override { return u"SkinButton"; }

    // The control as a button. The control is still being made while its properties object is (its own
    // interfaces do not exist yet), so the interface is looked up on use: throws SkinError "This Component Do
    // not Support ISkinButton Interface" when the control is no button.
    ISkinButton& SkinButtonIntf() const;

    const std::u16string& HelpText() const { return helpText_; }
    // A changed text is stored and repainted.
    void SetHelpText(std::u16string_view value);
    bool IsPushed() const { return isPushed_; }
    // Pushing releases the pushed buttons of the same push group under the same parent. A button that has
    // rivals cannot be released by writing False: it stays pushed until a rival is pushed. While the layout
    // is read the value is only stored. Repaints.
    void SetIsPushed(bool value);
    // Stores the value without visiting rivals and without repainting.
    void StaticSetIsPushed(bool value) { isPushed_ = value; }
    // A click toggles IsPushed.
    bool IsAutoPush() const { return isAutoPush_; }
    void SetIsAutoPush(bool value) { isAutoPush_ = value; }
    // Buttons with the same index (not 0) under one parent push each other out.
    int PushedGroupIndex() const { return pushedGroupIndex_; }
    void SetPushedGroupIndex(int value) { pushedGroupIndex_ = value; }
    TDrawPicture& Icon() const { return *icon_; }
    TDrawPicture& PushedIcon() const { return *pushedIcon_; }
    // Copy the given picture into the owned one.
    void SetIcon(const TDrawPicture& picture);
    void SetPushedIcon(const TDrawPicture& picture);

    // The position in the button group's list (and remembered); -1 without a group.
    int ButtonIndex();
    // While the layout is read the number is only stored. With a group, a position inside the list moves the
    // button there and lays the group out again; any other number is ignored.
    void SetButtonIndex(int value);
    ui::Control* ButtonGroup() const { return buttonGroup_; }
    // Leaves the old group (and its parent) and joins the new one, which becomes the parent; throws SkinError
    // "This Component Do not Support ISkinButtonGroup Interface" for a control that is no button group.
    void SetButtonGroup(ui::Control* group);
    ISkinButtonGroup* ButtonGroupIntf() const { return buttonGroupIntf_; }
    // The group is being destroyed: forget it without touching it.
    void ButtonGroupDestroyed();

    // AutoSize, IsPushed (without visiting rivals), IsAutoPush, PushedGroupIndex and the two icons.
    void AssignProperties(const TSkinControlProperties& source) override;

private:
    bool IsReadingOrLoading() const;

    std::u16string helpText_;
    bool isPushed_ = false;
    bool isAutoPush_ = false;
    int pushedGroupIndex_ = 0;
    TDrawPicture* icon_;
    TDrawPicture* pushedIcon_;
    int buttonIndex_ = -1;
    ui::Control* buttonGroup_ = nullptr;
    ISkinButtonGroup* buttonGroupIntf_ = nullptr;
};

// The properties class a button makes.
class TButtonProperties : public TBaseButtonProperties {
public:
    using TBaseButtonProperties::TBaseButtonProperties;
    std::u16string_view ClassName() const override { return u"TButtonProperties"; }
};

}  // namespace skin
