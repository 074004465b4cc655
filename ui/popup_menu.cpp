#include "ui/popup_menu.h"

#include "ui/property_table.h"

namespace ui {

const PropertyTable& MenuItem::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<MenuItem>(&Component::StaticProperties())
                                           .Text(u"Text", &MenuItem::Text, &MenuItem::SetText)
                                           .Bool(u"Enabled", &MenuItem::Enabled, &MenuItem::SetEnabled)
                                           .Event(u"OnClick", &MenuItem::OnClick)
                                           .Build();
    return table;
}

void MenuItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

const PropertyTable& PopupMenu::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<PopupMenu>(&Component::StaticProperties())
                                           .Event(u"OnPopup", &PopupMenu::OnPopup)
                                           .Build();
    return table;
}

std::vector<MenuItem*> PopupMenu::Items() const {
    std::vector<MenuItem*> items;
    for (Component* child : Children()) {
        if (auto* item = dynamic_cast<MenuItem*>(child)) items.push_back(item);
    }
    return items;
}

}  // namespace ui
