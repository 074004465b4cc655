#include "skin/core/base_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace skin {
namespace {

// An item that records its own destruction.
class Item : public ui::Object {
public:
    Item(int value, std::vector<int>* freed = nullptr) : value(value), freed_(freed) {}
    ~Item() override {
        if (freed_ != nullptr) freed_->push_back(value);
    }
    int value;

private:
    std::vector<int>* freed_;
};

// A list with a change manager whose reports are counted.
struct Watched {
    explicit Watched(TObjectOwnership ownership = ooOwned) : list(ownership, true) {
        list.SetOnChange([this](ui::Object*) { ++reports; });
    }
    TBaseList list;
    int reports = 0;
};

std::vector<int> Values(const TBaseList& list) {
    std::vector<int> values;
    for (int i = 0; i < list.Count(); ++i) {
        auto* item = static_cast<Item*>(list.Items(i));
        values.push_back(item != nullptr ? item->value : -1);
    }
    return values;
}

TEST(BaseListTest, AddInsertMoveAndReport) {
    Watched w;
    EXPECT_EQ(w.list.Add(new Item(1)), 0);
    EXPECT_EQ(w.list.Add(new Item(3)), 1);
    EXPECT_EQ(w.list.Insert(1, new Item(2)), 1);
    EXPECT_EQ(w.list.Add(nullptr), 3);
    EXPECT_EQ(Values(w.list), (std::vector<int>{1, 2, 3, -1}));
    EXPECT_EQ(w.reports, 4);
    EXPECT_TRUE(w.list.LastItemChangeTypes().Contains(ictAdd));

    w.list.Move(0, 2);  // an Insert report and one more for the move
    EXPECT_EQ(Values(w.list), (std::vector<int>{2, 3, 1, -1}));
    EXPECT_EQ(w.reports, 6);
    EXPECT_TRUE(w.list.LastItemChangeTypes().Contains(ictMove));
}

TEST(BaseListTest, ItemsOutsideTheRangeAreNone) {
    TBaseList list;
    list.Add(new Item(1));
    EXPECT_EQ(list.Items(-1), nullptr);
    EXPECT_EQ(list.Items(1), nullptr);
    EXPECT_NE(list.Items(0), nullptr);
    EXPECT_THROW(list.Delete(1), std::out_of_range);
    EXPECT_THROW(list.Insert(2, nullptr), std::out_of_range);
    EXPECT_THROW(list.Move(0, 1), std::out_of_range);
    EXPECT_EQ(list.Count(), 1);
}

TEST(BaseListTest, SetItemsReplacesWithoutFreeing) {
    std::vector<int> freed;
    Watched w;
    w.list.Add(new Item(1, &freed));
    auto replaced = std::make_unique<Item>(2, &freed);
    std::unique_ptr<ui::Object> old(w.list.Items(0));
    w.list.SetItems(0, replaced.release());
    EXPECT_TRUE(freed.empty());
    EXPECT_TRUE(w.list.LastItemChangeTypes().Contains(ictSetItem));
    EXPECT_EQ(w.reports, 2);
    EXPECT_EQ(Values(w.list), std::vector<int>{2});
}

TEST(BaseListTest, RemoveOfAnAbsentObjectReportsNothing) {
    Watched w;
    w.list.Add(new Item(1));
    Item stranger(9);
    w.reports = 0;
    EXPECT_EQ(w.list.Remove(&stranger), -1);
    EXPECT_EQ(w.reports, 0);
    EXPECT_FALSE(w.list.HasItemDeleted());
}

TEST(BaseListTest, DeleteCallsOnItemDeleteBeforeTheItemLeaves) {
    std::vector<int> freed;
    std::vector<std::string> seen;
    Watched w;
    w.list.Add(new Item(1, &freed));
    w.list.Add(new Item(2, &freed));
    w.list.OnItemDelete = [&](ui::Object* sender, ui::Object* item, int index) {
        EXPECT_EQ(sender, &w.list);
        EXPECT_EQ(w.list.Items(index), item) << "still in the list";
        EXPECT_TRUE(freed.empty()) << "not yet freed";
        seen.push_back(std::to_string(static_cast<Item*>(item)->value) + "@" + std::to_string(index));
    };
    EXPECT_EQ(w.list.Remove(w.list.Items(1)), 1);
    EXPECT_EQ(seen, std::vector<std::string>{"2@1"});
    EXPECT_EQ(freed, std::vector<int>{2});
    EXPECT_TRUE(w.list.HasItemDeleted());
    EXPECT_TRUE(w.list.LastItemChangeTypes().Contains(ictDel));
    w.list.OnItemDelete = nullptr;
}

// The flags of Delete and Clear: free and/or drop the slot. A freed item whose slot stays leaves an empty slot
// rather than a dangling reference.
TEST(BaseListTest, DeleteFlags) {
    struct Case {
        bool isFree;
        bool isNeedDelete;
        int countAfter;
        bool freed;
    };
    for (const Case& c : {Case{true, true, 1, true}, Case{false, true, 1, false}, Case{true, false, 2, true},
                          Case{false, false, 2, false}}) {
        SCOPED_TRACE(::testing::Message() << "isFree " << c.isFree << " isNeedDelete " << c.isNeedDelete);
        std::vector<int> freed;
        auto keep = std::make_unique<Item>(1, &freed);
        TBaseList list(ooReference);
        list.Add(new Item(0, &freed));
        list.Add(keep.get());
        ui::Object* first = list.Items(0);
        list.Delete(0, c.isFree, c.isNeedDelete);
        EXPECT_EQ(list.Count(), c.countAfter);
        EXPECT_EQ(freed == std::vector<int>{0}, c.freed);
        if (!c.isNeedDelete) {
            EXPECT_EQ(list.Items(0), c.isFree ? nullptr : first);
        }
        if (!c.freed) delete first;
    }
}

TEST(BaseListTest, ClearWithoutDroppingSlotsLeavesNoDanglingReferences) {
    std::vector<int> freed;
    TBaseList list;
    for (int i = 0; i < 3; ++i) list.Add(new Item(i, &freed));
    list.Clear(true, false);
    EXPECT_EQ(freed, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(list.Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Items(i), nullptr);
}

TEST(BaseListTest, DeletingInsideAnUpdateReportsOnceAtTheEnd) {
    Watched w;
    for (int i = 0; i < 3; ++i) w.list.Add(new Item(i));
    w.reports = 0;
    w.list.BeginUpdate();
    w.list.BeginUpdate();
    w.list.Delete(0);
    w.list.Delete(0);
    EXPECT_EQ(w.reports, 0);
    w.list.EndUpdate();
    EXPECT_EQ(w.reports, 0);
    w.list.EndUpdate();
    EXPECT_EQ(w.reports, 1);
    EXPECT_TRUE(w.list.LastItemChangeTypes().Contains(ictDel));
    EXPECT_FALSE(w.list.LastItemChangeTypes().Contains(ictAdd));
    EXPECT_TRUE(w.list.HasItemDeleted());

    w.list.BeginUpdate();  // a new update starts with a clean record
    EXPECT_FALSE(w.list.HasItemDeleted());
    EXPECT_TRUE(w.list.LastItemChangeTypes().Empty());
    w.list.EndUpdate();
}

TEST(BaseListTest, ForcedEndUpdateReleasesEveryHold) {
    Watched w;
    for (int i = 0; i < 3; ++i) w.list.BeginUpdate();
    w.list.Add(new Item(1));
    w.list.EndUpdate(true);
    EXPECT_EQ(w.reports, 1);
    EXPECT_EQ(w.list.SkinObjectChangeManager()->UpdateCount(), 0);
}

TEST(BaseListTest, SortOrdersAndReleasesTheHoldEvenWhenTheComparisonFails) {
    Watched w;
    for (int v : {3, 1, 2}) w.list.Add(new Item(v));
    auto byValue = [](ui::Object* a, ui::Object* b) {
        return static_cast<Item*>(a)->value - static_cast<Item*>(b)->value;
    };
    w.list.Sort(byValue);
    EXPECT_EQ(Values(w.list), (std::vector<int>{1, 2, 3}));

    EXPECT_THROW(w.list.Sort([](ui::Object*, ui::Object*) -> int { throw std::runtime_error("no order"); }),
                 std::runtime_error);
    EXPECT_EQ(w.list.SkinObjectChangeManager()->UpdateCount(), 0);
}

TEST(BaseListTest, OnChangeNeedsAManager) {
    TBaseList list(ooOwned, false);
    list.SetOnChange([](ui::Object*) { FAIL(); });
    EXPECT_FALSE(list.OnChange());
    list.Add(new Item(1));  // no manager, no report
    EXPECT_EQ(list.SkinObjectChangeManager(), nullptr);
}

TEST(BaseListTest, DestroyingFreesOnlyOwnedItems) {
    std::vector<int> freed;
    auto a = std::make_unique<Item>(1, &freed);
    {
        TBaseList references(ooReference);
        references.Add(a.get());
    }
    EXPECT_TRUE(freed.empty());
    {
        TBaseList owner(ooOwned);
        owner.Add(a.release());
        owner.Add(new Item(2, &freed));
    }
    EXPECT_EQ(freed, (std::vector<int>{2, 1}));
}

TEST(BaseListTest, DestroyingAnnouncesItselfToSubscribersFirst) {
    std::vector<int> freed;
    TSkinObjectChangeLink link;
    int itemsAtNotice = -1;
    {
        auto list = std::make_unique<TBaseList>(ooOwned, true);
        list->Add(new Item(1, &freed));
        list->SkinObjectChangeManager()->RegisterChanges(&link);
        TBaseList* raw = list.get();
        link.OnDestroy = [&](ui::Object* sender) {
            EXPECT_EQ(sender, raw);
            itemsAtNotice = static_cast<int>(freed.size());
        };
        link.OnChange = [](ui::Object*) { FAIL() << "no change reports while being destroyed"; };
    }
    EXPECT_EQ(itemsAtNotice, 0);
    EXPECT_EQ(freed, std::vector<int>{1});
    EXPECT_EQ(link.Sender(), nullptr);
}

}  // namespace
}  // namespace skin
