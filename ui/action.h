#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/component.h"

namespace ui {

class Control;

// A command that controls can be linked to (Control::SetAction): a click on a linked control executes it, and
// the linked controls follow its Enabled and Visible (and, where a control shows a caption, its Caption).
class Action : public Component {
public:
    Action() = default;
    ~Action() override;
    std::u16string_view ClassName() const override { return u"TAction"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    NotifyEvent OnExecute;
    // Raises OnExecute when the action is enabled and has a handler; returns whether it ran.
    virtual bool Execute();

    // The controls linked to the action (Control::SetAction keeps this list).
    const std::vector<Control*>& Clients() const { return clients_; }

    void Notification(Component* component, Operation operation) override;

private:
    friend class Control;

    void AddClient(Control* control);
    void RemoveClient(Control* control);
    // Tells every linked control that a setting changed.
    void Changed();

    std::u16string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<Control*> clients_;
};

}  // namespace ui
