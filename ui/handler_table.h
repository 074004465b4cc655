#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

namespace ui {

class Component;

// One method of a class that a layout's events can name ("FormCreate", "CloseBtnClick").
struct EventHandlerEntry {
    std::u16string name;
    // typeid of the std::function type that calls the method (the event type it fits).
    std::type_index type;
    // Stores into *event (a std::function of that type) a call of the method on root.
    std::function<void(Component& root, void* event)> bind;
};

// The handlers a class publishes by name, chained to its base class's table. Built once per class (static)
// with HandlerTableBuilder; a form returns its table from Component::PublishedHandlers.
class HandlerTable {
public:
    HandlerTable() = default;
    HandlerTable(const HandlerTable* base, std::vector<EventHandlerEntry> handlers)
        : base_(base), handlers_(std::move(handlers)) {}

    // The handler of that name (compared without regard to ASCII case), searching this class first.
    const EventHandlerEntry* Find(std::u16string_view name) const;

private:
    const HandlerTable* base_ = nullptr;
    std::vector<EventHandlerEntry> handlers_;
};

// Builds the handler table of class T:
//   static const HandlerTable table = HandlerTableBuilder<MainForm>(&Form::StaticHandlers())
//       .Add(u"FormCreate", &MainForm::FormCreate)
//       .Add(u"BgImageMouseDown", &MainForm::BgImageMouseDown)
//       .Build();
// A method void (T::*)(Args...) fits events of type std::function<void(Args...)> (NotifyEvent, MouseEvent, ...).
template <class T>
class HandlerTableBuilder {
public:
    explicit HandlerTableBuilder(const HandlerTable* base = nullptr) : base_(base) {}

    template <class... Args>
    HandlerTableBuilder& Add(std::u16string_view name, void (T::*method)(Args...)) {
        using EventType = std::function<void(Args...)>;
        handlers_.push_back(
            {std::u16string(name), std::type_index(typeid(EventType)), [method](Component& root, void* event) {
                 T* self = static_cast<T*>(&root);
                 *static_cast<EventType*>(event) = [self, method](Args... args) {
                     (self->*method)(std::forward<Args>(args)...);
                 };
             }});
        return *this;
    }

    HandlerTable Build() { return HandlerTable(base_, std::move(handlers_)); }

private:
    const HandlerTable* base_;
    std::vector<EventHandlerEntry> handlers_;
};

}  // namespace ui
