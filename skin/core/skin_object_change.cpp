#include "skin/core/skin_object_change.h"

#include "skin/core/base_list.h"

namespace skin {

TSkinObjectChangeLink::~TSkinObjectChangeLink() {
    OnChange = nullptr;
    // A link registered more than once must leave no entry behind.
    while (sender_ != nullptr) sender_->UnRegisterChanges(this);
}

void TSkinObjectChangeLink::DoChange(ui::Object* sender) {
    if (OnChange) OnChange(sender);
}

void TSkinObjectChangeLink::DoDestroy(ui::Object* sender) {
    if (OnDestroy) OnDestroy(sender);
}

TSkinObjectChangeManager::TSkinObjectChangeManager(ui::Object* owner)
    : owner_(owner), links_(std::make_unique<TBaseList>(ooReference, false)) {}

TSkinObjectChangeManager::~TSkinObjectChangeManager() {
    isDestroy_ = true;
    changed_ = false;
    updateCount_ = 0;
    OnChange = nullptr;
    for (int i = links_->Count() - 1; i >= 0; --i) {
        if (i >= links_->Count()) continue;
        UnRegisterChanges(static_cast<TSkinObjectChangeLink*>(links_->Items(i)));
    }
}

int TSkinObjectChangeManager::LinkCount() const { return links_->Count(); }

void TSkinObjectChangeManager::RegisterChanges(TSkinObjectChangeLink* link) {
    link->sender_ = this;
    links_->Add(link);
}

void TSkinObjectChangeManager::UnRegisterChanges(TSkinObjectChangeLink* link) {
    const int index = links_->IndexOf(link);
    if (index < 0) return;
    links_->Delete(index, false, true);
    // A link registered twice stays bound to this manager until its last entry goes.
    if (links_->IndexOf(link) < 0) link->sender_ = nullptr;
}

void TSkinObjectChangeManager::DoChange(ui::Object* sender) {
    // Once the owner announced its destruction, its subscribers have let go of it: what it changes while it
    // tears itself down (its items being freed) is nobody's business any more.
    if (isDestroy_) return;
    changed_ = true;
    if (updateCount_ > 0) return;
    // From the last link to the first: a subscriber may unregister itself meanwhile without making the walk
    // skip anyone else.
    for (int i = links_->Count() - 1; i >= 0; --i) {
        if (i >= links_->Count()) continue;
        static_cast<TSkinObjectChangeLink*>(links_->Items(i))->DoChange(sender);
    }
    if (OnChange) OnChange(this);
}

void TSkinObjectChangeManager::DoDestroy(ui::Object* sender) {
    for (int i = links_->Count() - 1; i >= 0; --i) {
        if (i >= links_->Count()) continue;
        static_cast<TSkinObjectChangeLink*>(links_->Items(i))->DoDestroy(sender);
    }
}

void TSkinObjectChangeManager::BeginDestroy(ui::Object* sender) {
    isDestroy_ = true;
    changed_ = false;
    updateCount_ = 0;
    OnChange = nullptr;
    DoDestroy(sender);
}

void TSkinObjectChangeManager::BeginUpdate() { ++updateCount_; }

void TSkinObjectChangeManager::EndUpdate(bool force) {
    if (updateCount_ > 0) --updateCount_;
    if (force) updateCount_ = 0;
    if (updateCount_ == 0 && changed_) {
        changed_ = false;
        DoChange(owner_);
    }
}

}  // namespace skin
