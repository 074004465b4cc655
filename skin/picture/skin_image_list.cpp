#include "skin/picture/skin_image_list.h"

#include <string>

#include "skin/core/base_log.h"
#include "ui/class_registry.h"
#include "ui/graphics.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace skin {

namespace {
float g_screenScale = 1.0f;
}

float ScreenScale() { return g_screenScale; }
void SetScreenScale(float scale) { g_screenScale = scale; }

void InitScreenScale() {
    ui::Graphics* graphics = ui::GetGraphics();
    if (graphics == nullptr) {
        DebugLog(u"ScreenScale: no screen service, the scale stays 1.0");
        g_screenScale = 1.0f;
        return;
    }
    g_screenScale = graphics->ScreenScale();
    DebugLog(u"ScreenScale: " + ui::Utf8ToUtf16(std::to_string(g_screenScale)));
}

TSkinBaseImageList::TSkinBaseImageList(ui::Component* owner)
    : changeManager_(std::make_unique<TSkinObjectChangeManager>(this)),
      pictureList_(std::make_unique<TDrawPictureList>()) {
    (void)owner;
    pictureList_->SetOnChange([this](ui::Object* sender) { PictureListChanged(sender); });
}

TSkinBaseImageList::~TSkinBaseImageList() {
    changeManager_->BeginDestroy(this);
    pictureList_.reset();
}

void TSkinBaseImageList::PictureListChanged(ui::Object*) {
    if (changeManager_) changeManager_->DoChange(this);
}

void TSkinBaseImageList::SetPictureList(const TDrawPictureList& value) { pictureList_->Assign(value); }

void TSkinBaseImageList::RegisterChanges(TSkinObjectChangeLink* value) { changeManager_->RegisterChanges(value); }

void TSkinBaseImageList::UnRegisterChanges(TSkinObjectChangeLink* value) {
    if (changeManager_) changeManager_->UnRegisterChanges(value);
}

const ui::PropertyTable& TSkinImageList::PublishedProperties() const {
    using T = TSkinImageList;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>(&ui::Component::PublishedProperties())
            .Object(u"PictureList", [](T& list) -> TDrawPictureList& { return list.PictureList(); })
            .Build();
    return table;
}

void RegisterSkinPictureClasses(ui::ClassRegistry& registry) { registry.Register<TSkinImageList>(u"TSkinImageList"); }

}  // namespace skin
