#pragma once

#include <functional>
#include <string_view>

namespace ui {

// Root of every object that lists hold and events name as their sender. Objects have identity: they are
// neither copied nor moved, only referred to.
class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    // The class name as the framework's registries and diagnostics spell it.
    virtual std::u16string_view ClassName() const { return u"Object"; }
};

// An event that only says who raised it.
using NotifyEvent = std::function<void(Object* sender)>;

}  // namespace ui
