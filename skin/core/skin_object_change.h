#pragma once

#include <memory>

#include "ui/object.h"

namespace skin {

class TBaseList;
class TSkinObjectChangeManager;

// A subscriber's end of a change notification: called when the object it watches changed or is being
// destroyed. While registered, Sender names the manager.
class TSkinObjectChangeLink : public ui::Object {
public:
    TSkinObjectChangeLink() = default;
    // Drops OnChange, then removes every entry it has with its manager.
    ~TSkinObjectChangeLink() override;
    std::u16string_view ClassName() const override { return u"TSkinObjectChangeLink"; }

    TSkinObjectChangeManager* Sender() const { return sender_; }

    // Called with the object that reports a change.
    ui::NotifyEvent OnChange;
    // Called with the object that is being destroyed.
    ui::NotifyEvent OnDestroy;

    virtual void DoChange(ui::Object* sender);
    virtual void DoDestroy(ui::Object* sender);

private:
    friend class TSkinObjectChangeManager;
    TSkinObjectChangeManager* sender_ = nullptr;
};

// Tells any number of subscribers that its owner changed or is about to be destroyed. Reports can be held
// with BeginUpdate/EndUpdate; a held change goes out once, when the last hold ends.
class TSkinObjectChangeManager : public ui::Object {
public:
    // owner is the object that reports through this manager (the sender of the reports EndUpdate releases).
    explicit TSkinObjectChangeManager(ui::Object* owner);
    // Unregisters every link (the last first), clearing their Sender.
    ~TSkinObjectChangeManager() override;
    std::u16string_view ClassName() const override { return u"TSkinObjectChangeManager"; }

    ui::Object* Owner() const { return owner_; }
    int UpdateCount() const { return updateCount_; }
    bool IsDestroy() const { return isDestroy_; }
    // A change was reported since it was last released.
    bool Changed() const { return changed_; }

    // Called after the links on every report that goes out.
    ui::NotifyEvent OnChange;

    // Announces the owner's destruction to every link (the last first); reports stop from here on.
    virtual void BeginDestroy(ui::Object* sender);
    // Reports a change: at once to every link (the last first) and OnChange, or later when held.
    virtual void DoChange(ui::Object* sender);
    virtual void DoDestroy(ui::Object* sender);
    virtual void BeginUpdate();
    // Ends one hold (all of them when force); releases one report when none is left and a change is pending.
    virtual void EndUpdate(bool force = false);

    // Registers link (no duplicate check: a link registered twice is told twice).
    void RegisterChanges(TSkinObjectChangeLink* link);
    // Unregisters the first entry that is link and, when it was the last one, clears its Sender; unknown links
    // are ignored.
    void UnRegisterChanges(TSkinObjectChangeLink* link);
    int LinkCount() const;

private:
    ui::Object* owner_;
    std::unique_ptr<TBaseList> links_;
    bool changed_ = false;
    int updateCount_ = 0;
    bool isDestroy_ = false;
};

}  // namespace skin
