#pragma once

#include <memory>

#include "skin/core/skin_object_change.h"
#include "skin/picture/draw_picture_list.h"
#include "ui/class_registry.h"
#include "ui/component.h"

namespace skin {

// A component that holds an ordered list of named pictures; pictures point into it by index or by name and
// are told when it changes or is destroyed.
class TSkinBaseImageList : public ui::Component {
public:
    explicit TSkinBaseImageList(ui::Component* owner = nullptr);
    // Announces the destruction to the subscribed pictures first.
    ~TSkinBaseImageList() override;
    std::u16string_view ClassName() const override { return u"TSkinBaseImageList"; }

    TDrawPictureList& PictureList() { return *pictureList_; }
    const TDrawPictureList& PictureList() const { return *pictureList_; }
    // Copies the pictures of value into the owned list.
    void SetPictureList(const TDrawPictureList& value);
    int Count() const { return pictureList_->Count(); }

    void RegisterChanges(TSkinObjectChangeLink* value);
    void UnRegisterChanges(TSkinObjectChangeLink* value);
    TSkinObjectChangeManager* ChangeManager() const { return changeManager_.get(); }

private:
    void PictureListChanged(ui::Object* sender);

    std::unique_ptr<TSkinObjectChangeManager> changeManager_;
    std::unique_ptr<TDrawPictureList> pictureList_;
};

// The class placed in window layouts.
class TSkinImageList : public TSkinBaseImageList {
public:
    using TSkinBaseImageList::TSkinBaseImageList;
    std::u16string_view ClassName() const override { return u"TSkinImageList"; }
    const ui::PropertyTable& PublishedProperties() const override;
};

// The process-wide screen scale (1.0 at start-up).
float ScreenScale();
void SetScreenScale(float scale);
// Takes the scale from the drawing services and logs it; without them logs an error and keeps 1.0.
void InitScreenScale();

// Registers TSkinImageList with the class registry.
void RegisterSkinPictureClasses(ui::ClassRegistry& registry);

}  // namespace skin
