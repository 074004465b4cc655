#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/persistent.h"

namespace ui {

class Control;
class HandlerTable;
class LayoutReader;

// What a removal notification reports.
enum class Operation { Insert, Remove };

// A named object in two trees:
// - Ownership: an owner holds its owned components (std::unique_ptr) and frees them with itself, the last
//   created first. A component is freed individually through its owner (FreeComponent) or, without an
//   owner, by whoever holds its unique_ptr.
// - Parent and children: the visual and attachment tree (controls inside controls, animations and effects
//   inside the control they act on). Parents do not own their children; a parent that goes away leaves its
//   children without a parent.
// Components that refer to each other ask for removal notification (FreeNotification); whichever of the two
// goes first tells the other through Notification(component, Operation::Remove).
//
// Destruction order: derived destructors first (each class that must leave its parent or other structures
// while still whole does so at the start of its destructor, see BeginDestruction), then removal notification
// to the interested components, then the owned components (the last created first), then the children are
// left without a parent and the component leaves its parent.
class Component : public Persistent {
public:
    Component();
    ~Component() override;
    std::u16string_view ClassName() const override { return u"TComponent"; }

    // Name and Tag.
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    // Methods of this class that a layout's events name (see ui/handler_table.h). None here; a form returns
    // its handlers.
    virtual const HandlerTable& PublishedHandlers() const;
    // This component as a control, or nullptr.
    virtual Control* AsControl() { return nullptr; }
    const Control* AsControl() const { return const_cast<Component*>(this)->AsControl(); }

    // --- name and tag
    const std::u16string& Name() const { return name_; }
    // An empty name or an identifier (letters, digits and '_', not starting with a digit) that no other
    // component of the same owner has (compared without regard to ASCII case); otherwise throws
    // std::invalid_argument and keeps the old name.
    void SetName(std::u16string_view name);
    int64_t Tag() const { return tag_; }
    void SetTag(int64_t tag) { tag_ = tag; }

    // --- ownership
    Component* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // The owned component at index (creation order).
    Component* Components(int index) const { return components_.at(static_cast<size_t>(index)).get(); }
    // Takes ownership of component (which must not have an owner) and tells the owned components
    // (Operation::Insert). Throws std::invalid_argument when its name is taken; the component is freed then.
    Component* InsertComponent(std::unique_ptr<Component> component);
    // Creates a T owned by this component.
    template <class T, class... Args>
    T* CreateComponent(Args&&... args) {
        auto component = std::make_unique<T>(std::forward<Args>(args)...);
        T* result = component.get();
        InsertComponent(std::move(component));
        return result;
    }
    // Tells this component and its owned components that component is removed (Operation::Remove), then
    // hands it back; nullptr when this component does not own it.
    std::unique_ptr<Component> RemoveComponent(Component* component);
    // RemoveComponent, then frees the component.
    void FreeComponent(Component* component);
    // Frees every owned component, the last created first (without removal notification to the owner).
    void DestroyComponents();
    // The owned component of that name (compared without regard to ASCII case), or nullptr.
    Component* FindComponent(std::u16string_view name) const;

    // --- parent and children
    Component* Parent() const { return parent_; }
    // Appends this component to newParent's children (the end of the drawing order). Throws
    // std::invalid_argument when newParent is this component or one of its descendants.
    void SetParent(Component* newParent);
    std::span<Component* const> Children() const { return children_; }
    // The child of that name (compared without regard to ASCII case), or nullptr.
    Component* FindChild(std::u16string_view name) const;
    // The first child of class C, or nullptr.
    template <class C>
    C* FirstChildOfType() const {
        for (Component* child : children_) {
            if (auto* typed = dynamic_cast<C*>(child)) return typed;
        }
        return nullptr;
    }

    // --- removal notification
    // Asks for mutual removal notification with component: whichever goes first tells the other.
    void FreeNotification(Component* component);
    // Cancels FreeNotification (both directions).
    void RemoveFreeNotification(Component* component);
    // Told about components being inserted into or removed from the owner, and about interesting components
    // going away. Overrides clear their references and call this one, which drops the free notification
    // entry and passes the notice on to the owned components.
    virtual void Notification(Component* component, Operation operation);

    // --- states
    // A layout is being read into the component.
    bool IsReading() const { return reading_; }
    // A layout is being applied to the component; ends when its Loaded runs.
    bool IsLoading() const { return loading_; }
    bool IsDesigning() const { return designing_; }
    bool IsDestroying() const { return destroying_; }
    // Sets the designing state, also of the owned components when setOwned.
    void SetDesigning(bool designing, bool setOwned = true);
    // A component that belongs to another as part of it (stored as that one's nested properties).
    bool IsSubComponent() const { return subComponent_; }
    void SetSubComponent(bool subComponent) { subComponent_ = subComponent; }

    // Runs once a layout has been applied to the whole tree; ends the loading state. Overrides call this
    // first, then do what needs the complete tree.
    virtual void Loaded();

protected:
    // Marks the component as being destroyed and sends the removal notifications now (once; ~Component
    // sends them otherwise). Classes whose interested components must see them whole call it at the start
    // of their destructors.
    void BeginDestruction();

    // Children hooks: a child was appended or removed (the child is whole in both calls).
    virtual void ChildAdded(Component* child) {}
    virtual void ChildRemoved(Component* child) {}
    // The component's parent changed from oldParent.
    virtual void ParentChanged(Component* oldParent) {}

private:
    friend class LayoutReader;

    void SetReadingState(bool reading, bool loading) {
        reading_ = reading;
        loading_ = loading;
    }
    void DropFreeNotify(Component* component);
    void DetachChildren();

    std::u16string name_;
    int64_t tag_ = 0;
    Component* owner_ = nullptr;
    std::vector<std::unique_ptr<Component>> components_;
    Component* parent_ = nullptr;
    std::vector<Component*> children_;
    std::vector<Component*> freeNotifies_;
    bool reading_ = false;
    bool loading_ = false;
    bool designing_ = false;
    bool destroying_ = false;
    bool removalSent_ = false;
    bool subComponent_ = false;
};

}  // namespace ui
