#include "skin/core/skin_object_change.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace skin {
namespace {

// A subscriber with a named link that records what it is told into a shared journal.
struct Subscriber {
    Subscriber(std::string name, std::vector<std::string>& journal) : name(std::move(name)) {
        link.OnChange = [this, &journal](ui::Object*) { journal.push_back("change " + this->name); };
        link.OnDestroy = [this, &journal](ui::Object*) { journal.push_back("destroy " + this->name); };
    }
    std::string name;
    TSkinObjectChangeLink link;
};

class ChangeManagerTest : public ::testing::Test {
protected:
    ui::Object owner;
    TSkinObjectChangeManager manager{&owner};
    std::vector<std::string> journal;
    std::vector<ui::Object*> senders;

    void SetUp() override {
        manager.OnChange = [this](ui::Object* sender) {
            journal.push_back("manager");
            senders.push_back(sender);
        };
    }
};

TEST_F(ChangeManagerTest, ReportsToLinksFromTheLastThenToOnChange) {
    Subscriber a("a", journal), b("b", journal);
    manager.RegisterChanges(&a.link);
    manager.RegisterChanges(&b.link);
    EXPECT_EQ(a.link.Sender(), &manager);
    ui::Object sender;
    ui::Object* seenByLink = nullptr;
    a.link.OnChange = [&](ui::Object* s) {
        seenByLink = s;
        journal.push_back("change a");
    };
    manager.DoChange(&sender);
    EXPECT_EQ(journal, (std::vector<std::string>{"change b", "change a", "manager"}));
    EXPECT_EQ(seenByLink, &sender);
    EXPECT_EQ(senders, std::vector<ui::Object*>{&manager});
    EXPECT_TRUE(manager.Changed()) << "set on every report, cleared only by EndUpdate";
}

TEST_F(ChangeManagerTest, HeldReportsGoOutOnceWithTheOwnerAsSender) {
    Subscriber a("a", journal);
    ui::Object* sender = nullptr;
    a.link.OnChange = [&](ui::Object* s) { sender = s; };
    manager.RegisterChanges(&a.link);
    manager.BeginUpdate();
    manager.BeginUpdate();
    manager.DoChange(nullptr);
    manager.DoChange(nullptr);
    manager.EndUpdate();
    EXPECT_TRUE(journal.empty());
    manager.EndUpdate();
    EXPECT_EQ(journal, std::vector<std::string>{"manager"});
    EXPECT_EQ(sender, &owner);
    manager.EndUpdate();  // unbalanced: stays at 0
    EXPECT_EQ(manager.UpdateCount(), 0);
}

TEST_F(ChangeManagerTest, ForcedEndUpdateReleasesANestingOfThree) {
    for (int i = 0; i < 3; ++i) manager.BeginUpdate();
    manager.DoChange(&owner);
    manager.EndUpdate(true);
    EXPECT_EQ(manager.UpdateCount(), 0);
    EXPECT_EQ(journal.size(), 1u);
}

TEST_F(ChangeManagerTest, AnImmediateReportLeavesChangedSoTheNextEmptyHoldReportsAgain) {
    manager.DoChange(&owner);
    EXPECT_EQ(journal.size(), 1u);
    manager.BeginUpdate();
    manager.EndUpdate();
    EXPECT_EQ(journal.size(), 2u);
}

TEST_F(ChangeManagerTest, ALinkRegisteredTwiceIsToldTwice) {
    Subscriber a("a", journal);
    manager.RegisterChanges(&a.link);
    manager.RegisterChanges(&a.link);
    EXPECT_EQ(manager.LinkCount(), 2);
    manager.DoChange(&owner);
    EXPECT_EQ(journal, (std::vector<std::string>{"change a", "change a", "manager"}));
    manager.UnRegisterChanges(&a.link);
    EXPECT_EQ(manager.LinkCount(), 1);
    EXPECT_EQ(a.link.Sender(), &manager) << "still registered once";
}

TEST_F(ChangeManagerTest, ALinkRegisteredTwiceLeavesNothingBehindWhenDestroyed) {
    {
        Subscriber a("a", journal);
        manager.RegisterChanges(&a.link);
        manager.RegisterChanges(&a.link);
    }
    EXPECT_EQ(manager.LinkCount(), 0);
    manager.DoChange(&owner);
    EXPECT_EQ(journal, std::vector<std::string>{"manager"});
}

TEST_F(ChangeManagerTest, UnregisteringInsideANotificationSkipsNoOtherLink) {
    Subscriber a("a", journal), b("b", journal), c("c", journal);
    for (Subscriber* s : {&a, &b, &c}) manager.RegisterChanges(&s->link);
    b.link.OnChange = [&](ui::Object*) {
        journal.push_back("change b");
        manager.UnRegisterChanges(&b.link);
    };
    manager.DoChange(&owner);
    EXPECT_EQ(journal, (std::vector<std::string>{"change c", "change b", "change a", "manager"}));
    EXPECT_EQ(b.link.Sender(), nullptr);
    EXPECT_EQ(manager.LinkCount(), 2);
}

TEST_F(ChangeManagerTest, UnknownLinksAreIgnored) {
    Subscriber a("a", journal);
    manager.UnRegisterChanges(&a.link);
    EXPECT_EQ(manager.LinkCount(), 0);
}

TEST_F(ChangeManagerTest, BeginDestroyTellsEveryLinkAndStopsReports) {
    Subscriber a("a", journal), b("b", journal);
    manager.RegisterChanges(&a.link);
    manager.RegisterChanges(&b.link);
    manager.BeginUpdate();
    manager.DoChange(&owner);
    manager.BeginDestroy(&owner);
    EXPECT_TRUE(manager.IsDestroy());
    EXPECT_EQ(manager.UpdateCount(), 0);
    EXPECT_FALSE(manager.Changed());
    EXPECT_EQ(journal, (std::vector<std::string>{"destroy b", "destroy a"}));
    manager.DoChange(&owner);
    EXPECT_EQ(journal.size(), 2u) << "nothing is reported once destruction has begun";
}

TEST(ChangeLinkTest, LinksAndManagersLetGoOfEachOtherWhicheverGoesFirst) {
    ui::Object owner;
    auto link = std::make_unique<TSkinObjectChangeLink>();
    {
        TSkinObjectChangeManager manager(&owner);
        manager.RegisterChanges(link.get());
        {
            TSkinObjectChangeLink shortLived;
            manager.RegisterChanges(&shortLived);
            EXPECT_EQ(manager.LinkCount(), 2);
        }
        EXPECT_EQ(manager.LinkCount(), 1);
    }
    EXPECT_EQ(link->Sender(), nullptr);
    link.reset();  // must not touch the manager that is gone
}

}  // namespace
}  // namespace skin
