#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/component.h"

namespace ui {

// One command of a popup menu (a child of the menu in a stored layout).
class MenuItem : public Component {
public:
    std::u16string_view ClassName() const override { return u"TMenuItem"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& Text() const { return text_; }
    void SetText(std::u16string_view text) { text_ = text; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    NotifyEvent OnClick;
    // The item was chosen: raises OnClick when the item is enabled.
    virtual void Click();

private:
    std::u16string text_;
    bool enabled_ = true;
};

// A menu a control opens with a right click (Control::SetPopupMenu); the form's host shows it at the pointer
// and clicks the item the user chooses (FormHost::ShowPopupMenu).
class PopupMenu : public Component {
public:
    std::u16string_view ClassName() const override { return u"TPopupMenu"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // The menu items among the menu's children, in order.
    std::vector<MenuItem*> Items() const;
    // The control that opened the menu last, or nullptr.
    Component* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(Component* component) { popupComponent_ = component; }

    // Raised before the menu shows.
    NotifyEvent OnPopup;

private:
    Component* popupComponent_ = nullptr;
};

}  // namespace ui
