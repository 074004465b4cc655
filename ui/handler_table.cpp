#include "ui/handler_table.h"

#include "ui/text.h"

namespace ui {

const EventHandlerEntry* HandlerTable::Find(std::u16string_view name) const {
    for (const HandlerTable* table = this; table != nullptr; table = table->base_) {
        for (const EventHandlerEntry& handler : table->handlers_) {
            if (SameText(handler.name, name)) return &handler;
        }
    }
    return nullptr;
}

}  // namespace ui
