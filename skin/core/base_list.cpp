#include "skin/core/base_list.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace skin {

TBaseList::TBaseList(TObjectOwnership ownership, bool createChangeManager) : ObjectOwnership(ownership) {
    if (createChangeManager) changeManager_ = std::make_unique<TSkinObjectChangeManager>(this);
}

TBaseList::~TBaseList() {
    if (changeManager_) changeManager_->BeginDestroy(this);
    Clear(ObjectOwnership == ooOwned, true);
}

ui::NotifyEvent TBaseList::OnChange() const { return changeManager_ ? changeManager_->OnChange : nullptr; }

void TBaseList::SetOnChange(ui::NotifyEvent handler) {
    if (changeManager_) changeManager_->OnChange = std::move(handler);
}

void TBaseList::CheckIndex(int index, int limit, const char* operation) const {
    if (index < 0 || index > limit) {
        throw std::out_of_range(std::string("TBaseList.") + operation + ": index " + std::to_string(index) +
                                " out of bounds (count " + std::to_string(items_.size()) + ")");
    }
}

ui::Object* TBaseList::Items(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return nullptr;
    return items_[static_cast<size_t>(index)];
}

void TBaseList::SetItems(int index, ui::Object* item) {
    CheckIndex(index, GetCount() - 1, "SetItems");
    items_[static_cast<size_t>(index)] = item;
    lastItemChangeTypes_.Include(ictSetItem);
    DoChange();
}

void TBaseList::DoChange() {
    if (changeManager_) changeManager_->DoChange(this);
}

int TBaseList::GetCount() const { return static_cast<int>(items_.size()); }

void TBaseList::Clear(bool isFree, bool isNeedDelete) {
    for (int i = GetCount() - 1; i >= 0; --i) {
        // An OnItemDelete handler may have shortened the list meanwhile.
        if (i >= GetCount()) continue;
        Delete(i, isFree, isNeedDelete);
    }
    if (isNeedDelete) items_.clear();
}

int TBaseList::Delete(int index, bool isFree, bool isNeedDelete) {
    CheckIndex(index, GetCount() - 1, "Delete");
    ui::Object* item = items_[static_cast<size_t>(index)];
    DoDelete(item, index);
    // The handler may have changed the list; the slot is found again by its item.
    if (isNeedDelete || (isFree && item != nullptr)) {
        auto slot = index < GetCount() && items_[static_cast<size_t>(index)] == item
                        ? items_.begin() + index
                        : std::find(items_.begin(), items_.end(), item);
        if (slot != items_.end()) {
            if (isNeedDelete) {
                items_.erase(slot);
            } else {
                // A freed item must not stay behind as a dangling reference.
                *slot = nullptr;
            }
        }
    }
    if (isFree && item != nullptr) delete item;
    lastItemChangeTypes_.Include(ictDel);
    hasItemDeleted_ = true;
    DoChange();
    return index;
}

int TBaseList::Remove(ui::Object* item, bool isFree, bool isNeedDelete) {
    const int index = IndexOf(item);
    if (index < 0) return -1;
    return Delete(index, isFree, isNeedDelete);
}

int TBaseList::Add(ui::Object* item) {
    items_.push_back(item);
    const int index = GetCount() - 1;
    DoAdd(item);
    lastItemChangeTypes_.Include(ictAdd);
    DoChange();
    return index;
}

int TBaseList::Insert(int index, ui::Object* item) {
    CheckIndex(index, GetCount(), "Insert");
    items_.insert(items_.begin() + index, item);
    DoInsert(item, index);
    lastItemChangeTypes_.Include(ictAdd);
    DoChange();
    return index;
}

int TBaseList::IndexOf(const ui::Object* item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TBaseList::Sort(const std::function<int(ui::Object*, ui::Object*)>& compare) {
    BeginUpdate();
    try {
        std::stable_sort(items_.begin(), items_.end(),
                         [&compare](ui::Object* a, ui::Object* b) { return compare(a, b) < 0; });
    } catch (...) {
        EndUpdate(true);
        throw;
    }
    EndUpdate(true);
}

void TBaseList::BeginUpdate() {
    hasItemDeleted_ = false;
    lastItemChangeTypes_.Clear();
    if (changeManager_) changeManager_->BeginUpdate();
}

void TBaseList::EndUpdate(bool force) {
    if (changeManager_) changeManager_->EndUpdate(force);
}

void TBaseList::Move(int srcIndex, int destIndex) {
    CheckIndex(srcIndex, GetCount() - 1, "Move");
    CheckIndex(destIndex, GetCount() - 1, "Move");
    ui::Object* item = items_[static_cast<size_t>(srcIndex)];
    items_.erase(items_.begin() + srcIndex);
    Insert(destIndex, item);
    lastItemChangeTypes_.Include(ictMove);
    DoChange();
}

void TBaseList::DoDelete(ui::Object* item, int index) {
    if (OnItemDelete) OnItemDelete(this, item, index);
}

}  // namespace skin
