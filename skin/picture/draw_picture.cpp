#include "skin/picture/draw_picture.h"

#include <algorithm>

#include "skin/core/base_log.h"
#include "skin/persist/bt_node20.h"
#include "skin/picture/draw_picture_list.h"
#include "skin/picture/skin_image_list.h"
#include "platform/system.h"
#include "ui/graphics.h"
#include "ui/property_table.h"
#include "ui/stream.h"

namespace skin {

namespace {

bool IsNoneOrEmpty(TSkinPicture* picture) { return picture == nullptr || picture->IsEmpty(); }

// The entry's own current picture (entries may be redirected themselves).
TSkinPicture* EntryPicture(TDrawPicture* entry) { return entry != nullptr ? entry->CurrentPicture() : nullptr; }

}  // namespace

TBaseDrawPicture::TBaseDrawPicture(std::u16string_view name, std::u16string_view caption, std::u16string_view group)
    : Name(name), Caption(caption), Group(group), changeLink_(std::make_unique<TSkinObjectChangeLink>()) {
    changeLink_->OnChange = [this](ui::Object*) { DoChange(); };
    changeLink_->OnDestroy = [this](ui::Object*) { skinImageList_ = nullptr; };
}

TBaseDrawPicture::~TBaseDrawPicture() {
    filePicture_.reset();
    resourcePicture_.reset();
    if (skinImageList_ != nullptr) skinImageList_->UnRegisterChanges(changeLink_.get());
    changeLink_.reset();
}

void TBaseDrawPicture::DropFilePicture() {
    filePicture_.reset();
    isLoadedFromFile_ = false;
    loadedFilePath_.clear();
}

void TBaseDrawPicture::DropResourcePicture() {
    resourcePicture_.reset();
    isLoadedFromResource_ = false;
}

void TBaseDrawPicture::SetFileName(std::u16string_view value) {
    if (fileName_ == value) return;
    fileName_ = value;
    DropFilePicture();
    DoChange();
}

void TBaseDrawPicture::SetUrl(std::u16string_view value) {
    if (url_ == value) return;
    url_ = value;
    if (IsLoadUrlPictureToSelf) SetEmpty();
    DoChange();
}

void TBaseDrawPicture::SetResourceName(std::u16string_view value) {
    if (resourceName_ == value) return;
    resourceName_ = value;
    DropResourcePicture();
    DoChange();
}

void TBaseDrawPicture::SetImageIndex(int value) {
    if (imageIndex_ == value) return;
    imageIndex_ = value;
    DoChange();
}

void TBaseDrawPicture::SetImageName(std::u16string_view value) {
    if (drawImageName_ == value) return;
    drawImageName_ = value;
    DoChange();
}

TSkinPicture* TBaseDrawPicture::RefPicture() const { return refPictureLife_.expired() ? nullptr : refPicture_; }

TDrawPicture* TBaseDrawPicture::RefDrawPicture() const {
    return refDrawPictureLife_.expired() ? nullptr : refDrawPicture_;
}

void TBaseDrawPicture::StaticSetRefPicture(TSkinPicture* value) {
    refPicture_ = value;
    refPictureLife_ = value != nullptr ? value->LifeToken() : std::weak_ptr<const int>();
}

void TBaseDrawPicture::StaticSetRefDrawPicture(TDrawPicture* value) {
    refDrawPicture_ = value;
    refDrawPictureLife_ = value != nullptr ? value->LifeToken() : std::weak_ptr<const int>();
}

void TBaseDrawPicture::SetRefPicture(TSkinPicture* value) {
    if (RefPicture() == value) return;
    StaticSetRefPicture(value);
    DoChange();
}

void TBaseDrawPicture::SetRefDrawPicture(TDrawPicture* value) {
    if (RefDrawPicture() == value) return;
    StaticSetRefDrawPicture(value);
    DoChange();
}

void TBaseDrawPicture::SetPictureDrawType(TPictureDrawType value) {
    if (pictureDrawType_ == value) return;
    pictureDrawType_ = value;
    DoChange();
}

void TBaseDrawPicture::SetSkinImageList(TSkinBaseImageList* value) {
    if (skinImageList_ == value) return;
    if (skinImageList_ != nullptr) skinImageList_->UnRegisterChanges(changeLink_.get());
    skinImageList_ = value;
    if (skinImageList_ != nullptr) skinImageList_->RegisterChanges(changeLink_.get());
    DoChange();
}

TSkinBaseImageList* TBaseDrawPicture::GetSkinImageList() {
    if (skinImageList_ != nullptr) return skinImageList_;
    TSkinBaseImageList* result = nullptr;
    if (OnGetSkinImageList) OnGetSkinImageList(this, result);
    return result;
}

void TBaseDrawPicture::Clear() {
    pictureDrawType_ = TPictureDrawType::pdtAuto;
    if (skinImageList_ != nullptr) skinImageList_->UnRegisterChanges(changeLink_.get());
    skinImageList_ = nullptr;
    StaticSetRefPicture(nullptr);
    StaticSetRefDrawPicture(nullptr);
    imageIndex_ = -1;
    drawImageName_.clear();
    resourceName_.clear();
    url_.clear();
    fileName_.clear();
    DropFilePicture();
    DropResourcePicture();
    CurrentEffectImageIndex = -1;
    CurrentEffectImageName.clear();
    SetEmpty();
}

void TBaseDrawPicture::Assign(const TSkinPicture* source) {
    TSkinPicture::Assign(source);
    if (const auto* other = dynamic_cast<const TBaseDrawPicture*>(source)) {
        pictureDrawType_ = other->pictureDrawType_;
        Name = other->Name;
        Caption = other->Caption;
        Group = other->Group;
        SetSkinImageList(other->skinImageList_);
        imageIndex_ = other->imageIndex_;
        drawImageName_ = other->drawImageName_;
        SetUrl(other->url_);
        SetFileName(other->fileName_);
        SetResourceName(other->resourceName_);
        StaticSetRefPicture(other->RefPicture());
        StaticSetRefDrawPicture(other->RefDrawPicture());
    }
    DoChange();
}

TSkinPicture* TBaseDrawPicture::ImageListPictureByIndex() {
    TSkinBaseImageList* list = GetSkinImageList();
    if (list == nullptr) return nullptr;
    const int count = list->Count();
    int index = -1;
    if (CurrentEffectImageIndex >= 0 && CurrentEffectImageIndex < count) {
        index = CurrentEffectImageIndex;
    } else if (imageIndex_ >= 0 && imageIndex_ < count) {
        index = imageIndex_;
    }
    if (index < 0) return nullptr;
    TDrawPicture* entry = list->PictureList().GetItem(index);
    return entry != this ? EntryPicture(entry) : nullptr;
}

TSkinPicture* TBaseDrawPicture::ImageListPictureByName() {
    TSkinBaseImageList* list = GetSkinImageList();
    if (list == nullptr) return nullptr;
    TDrawPicture* entry = nullptr;
    if (!CurrentEffectImageName.empty()) entry = list->PictureList().GetItemByName(CurrentEffectImageName);
    if (entry == nullptr && !drawImageName_.empty()) entry = list->PictureList().GetItemByName(drawImageName_);
    return entry != this ? EntryPicture(entry) : nullptr;
}

TSkinPicture* TBaseDrawPicture::FilePicture() {
    if (isLoadedFromFile_) return filePicture_.get();
    filePicture_.reset();
    isLoadedFromFile_ = true;
    if (fileName_.empty()) return nullptr;
    std::filesystem::path path;
    auto picture = CreateSkinPicture();
    try {
        // A name the system cannot convert (an unpaired surrogate, say) throws here like a missing file would.
        path = std::filesystem::path(fileName_);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) {
            path = platform::ExecutablePath().parent_path() / std::filesystem::path(fileName_);
            if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
        }
        picture->LoadFromFile(path);
    } catch (const std::exception& e) {
        // Asked during a paint: a file that cannot be opened leaves the picture empty.
        HandleException(&e, u"TesseraGraphic", u"uSkinPicture", u"TBaseDrawPicture.FilePicture ", fileName_);
        return nullptr;
    }
    loadedFilePath_ = path;
    filePicture_ = std::move(picture);
    return filePicture_.get();
}

TSkinPicture* TBaseDrawPicture::ResourcePicture() {
    if (isLoadedFromResource_) return resourcePicture_.get();
    resourcePicture_.reset();
    isLoadedFromResource_ = true;
    std::u16string name = resourceName_;
    if (name.empty() && !fileName_.empty()) {
        // The file name's last part, without its folders (either separator).
        const size_t slash = fileName_.find_last_of(u"\\/");
        name = slash == std::u16string::npos ? fileName_ : fileName_.substr(slash + 1);
        std::replace(name.begin(), name.end(), u'@', u'_');
        std::replace(name.begin(), name.end(), u'.', u'_');
    }
    if (name.empty()) return nullptr;
    ui::Graphics* graphics = ui::GetGraphics();
    if (graphics == nullptr) return nullptr;
    // On a screen above 100 % a resource made for it ("<name>_2x" at 200 %, as image lists use "<name>@2x") is
    // taken when the program has one. It has the same shape at a multiple of the size, so stretched and fitted
    // drawing put it exactly where the plain picture would go.
    std::optional<std::vector<std::byte>> data;
    for (const std::u16string& candidate : ScaledResourceNames(name, ScreenScale())) {
        data = graphics->LoadResourceData(candidate);
        if (data) break;
    }
    if (!data) return nullptr;
    auto picture = CreateSkinPicture();
    try {
        ui::MemoryStream stream(std::move(*data));
        picture->LoadFromStream(stream);
    } catch (const std::exception& e) {
        HandleException(&e, u"TesseraGraphic", u"uSkinPicture", u"TBaseDrawPicture.ResourcePicture ", name);
        return nullptr;
    }
    resourcePicture_ = std::move(picture);
    return resourcePicture_.get();
}

TSkinPicture* TBaseDrawPicture::CurrentPicture() {
    if (inCurrentPicture_) return nullptr;  // a reference chain that leads back here
    inCurrentPicture_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inCurrentPicture_};
    switch (pictureDrawType_) {
        case TPictureDrawType::pdtPicture:
            return TSkinPicture::CurrentPicture();
        case TPictureDrawType::pdtImageList:
            return ImageListPictureByIndex();
        case TPictureDrawType::pdtImageName:
            return ImageListPictureByName();
        case TPictureDrawType::pdtReference:
            return RefPicture();
        case TPictureDrawType::pdtRefDrawPicture: {
            TDrawPicture* ref = RefDrawPicture();
            return ref != nullptr ? ref->CurrentPicture() : nullptr;
        }
        case TPictureDrawType::pdtFile:
            return FilePicture();
        case TPictureDrawType::pdtUrl:
            return UrlPicture();
        case TPictureDrawType::pdtResource:
            return ResourcePicture();
        case TPictureDrawType::pdtOnGetPictureEvent: {
            TSkinPicture* result = nullptr;
            if (OnGetPicture) OnGetPicture(this, result);
            return result;
        }
        case TPictureDrawType::pdtAuto:
            break;
    }
    TSkinPicture* p = TSkinPicture::CurrentPicture();
    if (p->IsEmpty() && RefPicture() != nullptr) p = RefPicture();
    if (IsNoneOrEmpty(p) && RefDrawPicture() != nullptr) p = RefDrawPicture()->CurrentPicture();
    if (IsNoneOrEmpty(p)) {
        p = ImageListPictureByIndex();
        if (IsNoneOrEmpty(p)) p = ImageListPictureByName();
        if (IsNoneOrEmpty(p) && !fileName_.empty()) p = FilePicture();
        if (IsNoneOrEmpty(p) && (!resourceName_.empty() || !fileName_.empty())) p = ResourcePicture();
        if (IsNoneOrEmpty(p) && !url_.empty()) p = UrlPicture();
    }
    if ((p != nullptr && !p->IsEmpty()) || !url_.empty()) return p;
    TSkinPicture* result = nullptr;
    if (OnGetPicture) OnGetPicture(this, result);
    return result;
}

bool TBaseDrawPicture::CurrentPictureIsEmpty() {
    TSkinPicture* p = CurrentPicture();
    return p == nullptr || p->IsEmpty();
}

bool TBaseDrawPicture::CurrentPictureIsGIF() {
    TSkinPicture* p = CurrentPicture();
    return p != nullptr && p->HasGIFStream();
}

int TBaseDrawPicture::CurrentPictureWidth() {
    TSkinPicture* p = CurrentPicture();
    return p != nullptr ? p->Width() : 0;
}

int TBaseDrawPicture::CurrentPictureHeight() {
    TSkinPicture* p = CurrentPicture();
    return p != nullptr ? p->Height() : 0;
}

bool TBaseDrawPicture::SaveToDocNode(TBTNode20_Class* docNode) {
    TSkinPicture::SaveToDocNode(docNode);
    docNode->SetValue(u"TDrawPicture");
    docNode->AddChildNode_WideString(u"Name", u"名称")->SetValue(Name);
    docNode->AddChildNode_WideString(u"Caption", u"标题")->SetValue(Caption);
    docNode->AddChildNode_WideString(u"Group", u"分组")->SetValue(Group);
    docNode->AddChildNode_Int32(u"PictureDrawType", u"绘制类型")->SetValue(static_cast<int32_t>(pictureDrawType_));
    docNode->AddChildNode_Int32(u"ImageIndex", u"图片下标")->SetValue(imageIndex_);
    docNode->AddChildNode_WideString(u"ImageName", u"图片名称")->SetValue(drawImageName_);
    docNode->AddChildNode_WideString(u"FileName", u"图片文件名")->SetValue(fileName_);
    docNode->AddChildNode_WideString(u"ResourceName", u"图片资源名称")->SetValue(resourceName_);
    docNode->AddChildNode_WideString(u"Url", u"图片链接")->SetValue(url_);
    docNode->AddChildNode_Bool32(u"IsClipRound", u"是否剪裁成圆形")->SetValue(IsClipRound());
    return true;
}

bool TBaseDrawPicture::LoadFromDocNode(TBTNode20_Class* docNode) {
    TSkinPicture::LoadFromDocNode(docNode);
    const TBTNodeList20& children = docNode->ChildNodes();
    for (int i = 0; i < children.Count(); ++i) {
        TBTNode20* child = children.GetItems(i);
        const std::u16string& name = child->NodeName();
        if (name == u"PictureDrawType") {
            if (auto* n = child->ConvertNode_Int32()) {
                const int ordinal = n->Value() & 0xFF;
                // Ordinals beyond the known kinds are read as automatic.
                pictureDrawType_ = ordinal <= static_cast<int>(TPictureDrawType::pdtOnGetPictureEvent)
                                       ? static_cast<TPictureDrawType>(ordinal)
                                       : TPictureDrawType::pdtAuto;
            }
        } else if (name == u"ImageIndex") {
            if (auto* n = child->ConvertNode_Int32()) imageIndex_ = n->Value();
        } else if (name == u"ImageName") {
            if (auto* n = child->ConvertNode_WideString()) {
                drawImageName_ = n->Value();
                TSkinPicture::SetImageName(n->Value());
            }
        } else if (name == u"FileName") {
            if (auto* n = child->ConvertNode_WideString()) fileName_ = n->Value();
        } else if (name == u"ResourceName") {
            if (auto* n = child->ConvertNode_WideString()) resourceName_ = n->Value();
        } else if (name == u"Url") {
            if (auto* n = child->ConvertNode_WideString()) url_ = n->Value();
        } else if (name == u"IsClipRound") {
            if (auto* n = child->ConvertNode_Bool32()) SetIsClipRound(n->Value());
        }
    }
    return true;
}

const ui::PropertyTable& TDrawPicture::PublishedProperties() const {
    using T = TDrawPicture;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>()
            .Bool(u"IsClipRound", &T::IsClipRound, &T::SetIsClipRound)
            .Text(
                u"ImageName", [](const T& p) { return std::u16string(p.ImageName()); },
                [](T& p, std::u16string v) { p.SetImageName(v); })
            .Text(
                u"FileName", [](const T& p) { return p.FileName(); }, [](T& p, std::u16string v) { p.SetFileName(v); })
            .Text(
                u"ResourceName", [](const T& p) { return p.ResourceName(); },
                [](T& p, std::u16string v) { p.SetResourceName(v); })
            .Integer(u"ImageIndex", &T::ImageIndex, &T::SetImageIndex)
            .Text(
                u"Url", [](const T& p) { return p.Url(); }, [](T& p, std::u16string v) { p.SetUrl(v); })
            .Enumeration<TPictureDrawType>(
                u"PictureDrawType",
                {u"pdtAuto", u"pdtPicture", u"pdtImageList", u"pdtImageName", u"pdtReference", u"pdtRefDrawPicture",
                 u"pdtFile", u"pdtUrl", u"pdtResource", u"pdtOnGetPictureEvent"},
                &T::PictureDrawType, &T::SetPictureDrawType)
            .ComponentRef<TSkinBaseImageList>(u"SkinImageList", &T::SkinImageList, &T::SetSkinImageList)
            // The picture's own pixels and GIF data, kept inside a layout (a material's picture, for one).
            .Binary(
                u"PNG", [](T& p, ui::Stream& stream) { p.LoadLayoutPixels(stream); },
                [](const T& p, ui::Stream& stream) { const_cast<T&>(p).SaveLayoutPixels(stream); })
            .Binary(u"GIFFileData", &T::LoadLayoutGIFData, &T::SaveLayoutGIFData)
            .Build();
    return table;
}

std::unique_ptr<TDrawPicture> CreateDrawPictureObject(std::u16string_view name, std::u16string_view caption,
                                                      std::u16string_view group) {
    return std::make_unique<TDrawPicture>(name, caption, group);
}

std::unique_ptr<TSkinPicture> CreateSkinPicture() { return std::make_unique<TSkinPicture>(); }

}  // namespace skin
