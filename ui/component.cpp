#include "ui/component.h"

#include <algorithm>
#include <stdexcept>

#include "ui/handler_table.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace ui {

namespace {

bool IsIdentStart(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || c >= 0x80; }

bool IsIdentChar(char16_t c) { return IsIdentStart(c) || (c >= u'0' && c <= u'9'); }

bool IsValidIdent(std::u16string_view name) {
    if (name.empty() || !IsIdentStart(name[0])) return false;
    return std::all_of(name.begin(), name.end(), IsIdentChar);
}

template <class T>
void EraseFirst(std::vector<T>& list, const T& item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) list.erase(it);
}

}  // namespace

Component::Component() = default;

Component::~Component() {
    BeginDestruction();
    DestroyComponents();
    DetachChildren();
    if (parent_ != nullptr) {
        // Derived parts are gone already, so the parent is not told (classes that need their parent to know
        // leave it in their own destructors).
        EraseFirst(parent_->children_, static_cast<Component*>(this));
        parent_ = nullptr;
    }
}

const PropertyTable& Component::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<Component>()
                                           .Text(u"Name", &Component::Name, &Component::SetName)
                                           .Integer<int64_t>(u"Tag", &Component::Tag, &Component::SetTag)
                                           .Build();
    return table;
}

const HandlerTable& Component::PublishedHandlers() const {
    static const HandlerTable none;
    return none;
}

void Component::SetName(std::u16string_view name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name)) {
        throw std::invalid_argument("\"" + Utf16ToUtf8(name) + "\" is not a valid component name");
    }
    if (owner_ != nullptr && !name.empty()) {
        Component* other = owner_->FindComponent(name);
        if (other != nullptr && other != this) {
            throw std::invalid_argument("A component named " + Utf16ToUtf8(name) + " already exists");
        }
    }
    name_ = name;
}

Component* Component::InsertComponent(std::unique_ptr<Component> component) {
    if (!component) throw std::invalid_argument("No component to insert");
    if (component->owner_ != nullptr) throw std::invalid_argument("The component has an owner already");
    if (!component->name_.empty() && FindComponent(component->name_) != nullptr) {
        throw std::invalid_argument("A component named " + Utf16ToUtf8(component->name_) + " already exists");
    }
    Component* raw = component.get();
    raw->owner_ = this;
    components_.push_back(std::move(component));
    if (designing_) raw->SetDesigning(true);
    Notification(raw, Operation::Insert);
    return raw;
}

std::unique_ptr<Component> Component::RemoveComponent(Component* component) {
    auto owns = [&] {
        return std::find_if(components_.begin(), components_.end(),
                            [&](const std::unique_ptr<Component>& c) { return c.get() == component; });
    };
    if (component == nullptr || owns() == components_.end()) return nullptr;
    Notification(component, Operation::Remove);
    auto it = owns();
    if (it == components_.end()) return nullptr;
    std::unique_ptr<Component> result = std::move(*it);
    components_.erase(it);
    result->owner_ = nullptr;
    return result;
}

void Component::FreeComponent(Component* component) { RemoveComponent(component).reset(); }

void Component::DestroyComponents() {
    while (!components_.empty()) {
        std::unique_ptr<Component> last = std::move(components_.back());
        components_.pop_back();
        last->owner_ = nullptr;
        last.reset();
    }
}

Component* Component::FindComponent(std::u16string_view name) const {
    if (name.empty()) return nullptr;
    for (const auto& component : components_) {
        if (SameText(component->name_, name)) return component.get();
    }
    return nullptr;
}

void Component::SetParent(Component* newParent) {
    if (newParent == parent_) return;
    for (Component* p = newParent; p != nullptr; p = p->parent_) {
        if (p == this) throw std::invalid_argument("A component cannot be placed inside itself");
    }
    Component* oldParent = parent_;
    if (oldParent != nullptr) {
        EraseFirst(oldParent->children_, static_cast<Component*>(this));
        parent_ = nullptr;
        oldParent->ChildRemoved(this);
    }
    parent_ = newParent;
    if (newParent != nullptr) {
        newParent->children_.push_back(this);
        newParent->ChildAdded(this);
    }
    ParentChanged(oldParent);
}

Component* Component::FindChild(std::u16string_view name) const {
    if (name.empty()) return nullptr;
    for (Component* child : children_) {
        if (SameText(child->name_, name)) return child;
    }
    return nullptr;
}

void Component::FreeNotification(Component* component) {
    if (component == nullptr || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
    }
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end()) {
        component->freeNotifies_.push_back(this);
    }
}

void Component::RemoveFreeNotification(Component* component) {
    if (component == nullptr) return;
    DropFreeNotify(component);
    component->DropFreeNotify(this);
}

void Component::DropFreeNotify(Component* component) { EraseFirst(freeNotifies_, component); }

void Component::Notification(Component* component, Operation operation) {
    if (operation == Operation::Remove && component != nullptr) RemoveFreeNotification(component);
    // The owned components hear of it too, the last first; the list may change meanwhile.
    for (size_t i = components_.size(); i > 0;) {
        --i;
        if (i >= components_.size()) {
            if (components_.empty()) break;
            i = components_.size() - 1;
        }
        components_[i]->Notification(component, operation);
    }
}

void Component::SetDesigning(bool designing, bool setOwned) {
    designing_ = designing;
    if (!setOwned) return;
    for (const auto& component : components_) component->SetDesigning(designing, true);
}

void Component::Loaded() { loading_ = false; }

void Component::BeginDestruction() {
    destroying_ = true;
    if (removalSent_) return;
    removalSent_ = true;
    // One at a time from the live list: a component told may free others, which then leave the list.
    while (!freeNotifies_.empty()) {
        Component* interested = freeNotifies_.back();
        interested->Notification(this, Operation::Remove);
        if (std::find(freeNotifies_.begin(), freeNotifies_.end(), interested) != freeNotifies_.end()) {
            // Its Notification did not pass the notice on to Component::Notification.
            RemoveFreeNotification(interested);
        }
    }
}

void Component::DetachChildren() {
    for (Component* child : children_) child->parent_ = nullptr;
    children_.clear();
}

}  // namespace ui
