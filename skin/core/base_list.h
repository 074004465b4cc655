#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "skin/core/skin_object_change.h"
#include "ui/persistent.h"

namespace skin {

enum TObjectOwnership { ooReference = 0, ooOwned = 1 };

enum TItemChangeType { ictAdd, ictDel, ictMove, ictSetItem };

// A set of TItemChangeType.
class TItemChangeTypes {
public:
    bool Contains(TItemChangeType type) const { return (bits_ & Bit(type)) != 0; }
    void Include(TItemChangeType type) { bits_ |= Bit(type); }
    void Clear() { bits_ = 0; }
    bool Empty() const { return bits_ == 0; }

private:
    static unsigned Bit(TItemChangeType type) { return 1u << static_cast<unsigned>(type); }
    unsigned bits_ = 0;
};

// Called for every deleted item, before it leaves the list.
using TItemDeleteEvent = std::function<void(ui::Object* sender, ui::Object* item, int index)>;

// An ordered list of objects that knows whether it owns them and reports every change through an optional
// change manager. Null entries are allowed.
class TBaseList : public ui::Persistent {
public:
    explicit TBaseList(TObjectOwnership ownership = ooOwned, bool createChangeManager = false);
    // Announces the destruction to the manager's links, then clears the list (freeing the items when owned).
    ~TBaseList() override;
    std::u16string_view ClassName() const override { return u"TBaseList"; }

    TObjectOwnership ObjectOwnership = ooOwned;
    TItemDeleteEvent OnItemDelete;

    TSkinObjectChangeManager* SkinObjectChangeManager() const { return changeManager_.get(); }
    // The manager's OnChange; unassigned (and not settable) without a manager.
    ui::NotifyEvent OnChange() const;
    void SetOnChange(ui::NotifyEvent handler);

    bool HasItemDeleted() const { return hasItemDeleted_; }
    TItemChangeTypes LastItemChangeTypes() const { return lastItemChangeTypes_; }

    int Count() const { return GetCount(); }
    // The item at index, or nullptr when index lies outside 0..Count-1.
    ui::Object* Items(int index) const;
    // Replaces the reference at index (the old item is not freed); throws std::out_of_range outside the list.
    void SetItems(int index, ui::Object* item);

    // Reports a change through the manager (nothing without one).
    virtual void DoChange();
    virtual int GetCount() const;
    // Deletes every index from the last to the first with the same flags, then empties the slots when
    // isNeedDelete.
    virtual void Clear(bool isFree = true, bool isNeedDelete = true);
    // Takes the item at index: OnItemDelete, then the slot goes (isNeedDelete) and the item is freed (isFree).
    // Returns index; throws std::out_of_range outside the list.
    virtual int Delete(int index, bool isFree = true, bool isNeedDelete = true);
    // Delete at the first index of item; -1 and nothing else when absent.
    virtual int Remove(ui::Object* item, bool isFree = true, bool isNeedDelete = true);
    // Appends item (null allowed; an owning list takes ownership) and reports; returns its index.
    virtual int Add(ui::Object* item);
    // Inserts item at index (0..Count) and reports; returns index.
    virtual int Insert(int index, ui::Object* item);
    virtual int IndexOf(const ui::Object* item) const;
    // Sorts with compare (negative, zero, positive) inside one update hold.
    virtual void Sort(const std::function<int(ui::Object*, ui::Object*)>& compare);
    // Clears HasItemDeleted and LastItemChangeTypes and holds reports.
    virtual void BeginUpdate();
    virtual void EndUpdate(bool force = false);

    // Moves the item at srcIndex to destIndex (an Insert there, then one more report).
    void Move(int srcIndex, int destIndex);

protected:
    // Hooks for subclasses that adopt new items; nothing in the base.
    virtual void DoAdd(ui::Object* item) {}
    virtual void DoInsert(ui::Object* item, int index) {}
    // Calls OnItemDelete.
    virtual void DoDelete(ui::Object* item, int index);

    TItemChangeTypes lastItemChangeTypes_;
    bool hasItemDeleted_ = false;

private:
    void CheckIndex(int index, int limit, const char* operation) const;

    std::vector<ui::Object*> items_;
    std::unique_ptr<TSkinObjectChangeManager> changeManager_;
};

}  // namespace skin
