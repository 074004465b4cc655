#include "ui/component.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {
namespace {

// Writes its name to a shared journal when destroyed and keeps a reference it drops on removal notices.
class Tracked : public Component {
public:
    Tracked(std::vector<std::u16string>* journal, std::u16string_view name) : journal_(journal) { SetName(name); }
    ~Tracked() override { journal_->push_back(u"~" + Name()); }

    void Watch(Component* other) {
        watched = other;
        other->FreeNotification(this);
    }
    void Notification(Component* component, Operation operation) override {
        if (operation == Operation::Remove) {
            journal_->push_back(Name() + u" heard " + component->Name() + u" go");
            if (component == watched) watched = nullptr;
        }
        Component::Notification(component, operation);
    }

    Component* watched = nullptr;

private:
    std::vector<std::u16string>* journal_;
};

TEST(ComponentTest, OwnedComponentsAreFreedWithTheOwnerLastCreatedFirst) {
    std::vector<std::u16string> journal;
    {
        Tracked owner(&journal, u"Owner");
        Tracked* a = owner.CreateComponent<Tracked>(&journal, u"A");
        a->CreateComponent<Tracked>(&journal, u"A1");
        owner.CreateComponent<Tracked>(&journal, u"B");
        owner.CreateComponent<Tracked>(&journal, u"C");
        EXPECT_EQ(owner.ComponentCount(), 3);
        EXPECT_EQ(owner.FindComponent(u"b"), owner.Components(1));
        EXPECT_EQ(a->Owner(), &owner);
    }
    EXPECT_EQ(journal, (std::vector<std::u16string>{u"~Owner", u"~C", u"~B", u"~A", u"~A1"}));
}

TEST(ComponentTest, RemovalNotificationClearsReferencesWhicheverGoesFirst) {
    std::vector<std::u16string> journal;
    Tracked owner(&journal, u"Owner");
    auto* watcher = owner.CreateComponent<Tracked>(&journal, u"Watcher");
    auto* target = owner.CreateComponent<Tracked>(&journal, u"Target");
    watcher->Watch(target);

    // Freed through the owner: the owner's other components and the watcher hear of it.
    owner.FreeComponent(target);
    EXPECT_EQ(watcher->watched, nullptr);
    EXPECT_EQ(owner.ComponentCount(), 1);

    // A component without an owner, destroyed by whoever holds it, tells its watchers too.
    auto loose = std::make_unique<Tracked>(&journal, u"Loose");
    watcher->Watch(loose.get());
    loose.reset();
    EXPECT_EQ(watcher->watched, nullptr);

    // The watcher going first: the watched component forgets it, so destroying it later tells nobody.
    auto later = std::make_unique<Tracked>(&journal, u"Later");
    watcher->Watch(later.get());
    owner.FreeComponent(watcher);
    journal.clear();
    later.reset();
    EXPECT_EQ(journal, (std::vector<std::u16string>{u"~Later"}));
}

TEST(ComponentTest, SiblingsDestroyedTogetherStillTellEachOther) {
    // The owner frees its components without notices of its own; explicit free notification still reaches
    // a component created earlier (so it is still alive) when a later one goes.
    std::vector<std::u16string> journal;
    {
        Tracked owner(&journal, u"Owner");
        auto* first = owner.CreateComponent<Tracked>(&journal, u"First");
        auto* second = owner.CreateComponent<Tracked>(&journal, u"Second");
        first->Watch(second);
    }
    EXPECT_EQ(journal, (std::vector<std::u16string>{u"~Owner", u"~Second", u"First heard Second go", u"~First"}));
}

TEST(ComponentTest, NamesAreIdentifiersUniqueWithinTheOwner) {
    Component owner;
    auto* a = owner.CreateComponent<Component>();
    a->SetName(u"Button1");
    auto* b = owner.CreateComponent<Component>();
    for (const char16_t* bad : {u"1Button", u"Two words", u"dot.ted"}) {
        EXPECT_THROW(b->SetName(bad), std::invalid_argument);
    }
    EXPECT_THROW(b->SetName(u"BUTTON1"), std::invalid_argument);
    EXPECT_EQ(b->Name(), u"");
    b->SetName(u"_Button2");
    a->SetName(u"BUTTON1");  // a new spelling of its own name
    EXPECT_EQ(owner.FindComponent(u"button1"), a);

    auto named = std::make_unique<Component>();
    named->SetName(u"_button2");
    EXPECT_THROW(owner.InsertComponent(std::move(named)), std::invalid_argument);
}

TEST(ComponentTest, RemoveComponentHandsOwnershipBack) {
    Component owner;
    auto* child = owner.CreateComponent<Component>();
    std::unique_ptr<Component> taken = owner.RemoveComponent(child);
    ASSERT_EQ(taken.get(), child);
    EXPECT_EQ(child->Owner(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.RemoveComponent(child), nullptr);
    Component other;
    other.InsertComponent(std::move(taken));
    EXPECT_EQ(child->Owner(), &other);
}

TEST(ComponentTest, ParentTreeIsSeparateFromOwnershipAndRefusesCycles) {
    Component owner;
    auto* a = owner.CreateComponent<Component>();
    auto* b = owner.CreateComponent<Component>();
    auto* c = owner.CreateComponent<Component>();
    b->SetName(u"B");
    b->SetParent(a);
    c->SetParent(b);
    EXPECT_EQ(a->FindChild(u"b"), b);
    EXPECT_THROW(a->SetParent(c), std::invalid_argument);
    EXPECT_THROW(a->SetParent(a), std::invalid_argument);

    // A parent going away leaves its children in place with their owner.
    owner.FreeComponent(b);
    EXPECT_EQ(c->Parent(), nullptr);
    EXPECT_TRUE(a->Children().empty());
    EXPECT_EQ(c->Owner(), &owner);
}

TEST(ComponentTest, DesigningSpreadsToOwnedAndInsertedComponents) {
    Component owner;
    auto* before = owner.CreateComponent<Component>();
    owner.SetDesigning(true);
    auto* after = owner.CreateComponent<Component>();
    EXPECT_TRUE(before->IsDesigning());
    EXPECT_TRUE(after->IsDesigning());
    owner.SetDesigning(false, false);
    EXPECT_FALSE(owner.IsDesigning());
    EXPECT_TRUE(before->IsDesigning());
}

}  // namespace
}  // namespace ui
