#include "ui/action.h"

#include <algorithm>

#include "ui/control.h"
#include "ui/property_table.h"

namespace ui {

Action::~Action() {
    BeginDestruction();
    // The linked controls forget the action through the removal notification of the component base.
}

const PropertyTable& Action::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<Action>(&Component::StaticProperties())
                                           .Text(u"Caption", &Action::Caption, &Action::SetCaption)
                                           .Bool(u"Enabled", &Action::Enabled, &Action::SetEnabled)
                                           .Bool(u"Visible", &Action::Visible, &Action::SetVisible)
                                           .Event(u"OnExecute", &Action::OnExecute)
                                           .Build();
    return table;
}

void Action::SetCaption(std::u16string_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void Action::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed();
}

void Action::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

bool Action::Execute() {
    if (!enabled_ || !OnExecute) return false;
    OnExecute(this);
    return true;
}

void Action::AddClient(Control* control) {
    if (std::find(clients_.begin(), clients_.end(), control) == clients_.end()) clients_.push_back(control);
}

void Action::RemoveClient(Control* control) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), control), clients_.end());
}

void Action::Changed() {
    // A client may unlink itself while it follows the change.
    const std::vector<Control*> clients = clients_;
    for (Control* control : clients) {
        if (std::find(clients_.begin(), clients_.end(), control) != clients_.end()) control->ActionChange(*this);
    }
}

void Action::Notification(Component* component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && component->AsControl() != nullptr) RemoveClient(component->AsControl());
}

}  // namespace ui
