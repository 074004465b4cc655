#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "skin/core/skin_object_change.h"
#include "skin/picture/skin_picture.h"

namespace skin {

class TSkinBaseImageList;
class TDrawPicture;

// Where a draw picture's current picture comes from.
enum class TPictureDrawType : uint8_t {
    pdtAuto = 0,
    pdtPicture = 1,
    pdtImageList = 2,
    pdtImageName = 3,
    pdtReference = 4,
    pdtRefDrawPicture = 5,
    pdtFile = 6,
    pdtUrl = 7,
    pdtResource = 8,
    pdtOnGetPictureEvent = 9,
};

using TGetSkinImageListEvent = std::function<void(ui::Object* sender, TSkinBaseImageList*& skinImageList)>;
using TGetPictureEvent = std::function<void(ui::Object* sender, TSkinPicture*& skinPicture)>;

// A picture with a source: its own pixels, an image-list entry by index or by name, a file, a program
// resource, another picture, or an event. References to other pictures and to the image list are not owned;
// they fall back to none when their target is destroyed.
class TBaseDrawPicture : public TSkinPicture {
public:
    TBaseDrawPicture(std::u16string_view name = {}, std::u16string_view caption = {}, std::u16string_view group = {});
    ~TBaseDrawPicture() override;
    std::u16string_view ClassName() const override { return u"TBaseDrawPicture"; }

    std::u16string Name;
    std::u16string Caption;
    std::u16string Group;

    const std::u16string& FileName() const { return fileName_; }
    // A changed name drops the cached file picture.
    void SetFileName(std::u16string_view value);
    bool IsLoadedFromFile() const { return isLoadedFromFile_; }
    const std::filesystem::path& LoadedFilePath() const { return loadedFilePath_; }

    const std::u16string& Url() const { return url_; }
    void SetUrl(std::u16string_view value);

    const std::u16string& ResourceName() const { return resourceName_; }
    // A changed name drops the cached resource picture.
    void SetResourceName(std::u16string_view value);
    bool IsLoadedFromResource() const { return isLoadedFromResource_; }

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // The image-list entry by name (hides the picture's own label).
    const std::u16string& ImageName() const { return drawImageName_; }
    void SetImageName(std::u16string_view value);

    // nullptr once the referenced picture is destroyed.
    TSkinPicture* RefPicture() const;
    void SetRefPicture(TSkinPicture* value);
    TDrawPicture* RefDrawPicture() const;
    void SetRefDrawPicture(TDrawPicture* value);

    TPictureDrawType PictureDrawType() const { return pictureDrawType_; }
    void SetPictureDrawType(TPictureDrawType value);

    // Written by the canvas before each draw.
    int CurrentEffectImageIndex = -1;
    std::u16string CurrentEffectImageName;
    ui::Object* SkinMaterial = nullptr;

    TSkinBaseImageList* SkinImageList() const { return skinImageList_; }
    // Moves the change link from the old list to the new one and reports a change.
    void SetSkinImageList(TSkinBaseImageList* value);
    // SkinImageList, or else what OnGetSkinImageList hands back.
    TSkinBaseImageList* GetSkinImageList();
    TSkinObjectChangeLink* SkinImageListChangeLink() const { return changeLink_.get(); }

    TGetSkinImageListEvent OnGetSkinImageList;
    // Download manager of Url pictures; this library has none, so Url pictures stay empty.
    ui::Object* DownloadPictureManager = nullptr;
    bool IsCheckGIFWhenLoad = true;
    bool IsLoadUrlPictureToSelf = false;
    TGetPictureEvent OnGetPicture;

    // Shortcuts without side effects.
    void StaticSetRefPicture(TSkinPicture* value);
    void StaticSetRefDrawPicture(TDrawPicture* value);
    void StaticSetImageIndex(int value) { imageIndex_ = value; }
    void StaticSetImageName(std::u16string_view value) { drawImageName_ = value; }
    void StaticSetSkinImageList(TSkinBaseImageList* value) { skinImageList_ = value; }
    void StaticSetPictureDrawType(TPictureDrawType value) { pictureDrawType_ = value; }
    void StaticSetUrl(std::u16string_view value) { url_ = value; }

    void Clear() override;
    void Assign(const TSkinPicture* source) override;
    // The picture to draw now (may be nullptr).
    TSkinPicture* CurrentPicture() override;
    bool CurrentPictureIsEmpty();
    bool CurrentPictureIsGIF();
    int CurrentPictureWidth();
    int CurrentPictureHeight();
    int CurrentPictureDrawWidth() { return CurrentPictureWidth(); }
    int CurrentPictureDrawHeight() { return CurrentPictureHeight(); }
    int CurrentPictureDrawLeft() { return 0; }
    int CurrentPictureDrawTop() { return 0; }
    // Empties the own pixels.
    void ClearPicture() { SetEmpty(); }

    bool LoadFromDocNode(TBTNode20_Class* docNode) override;
    bool SaveToDocNode(TBTNode20_Class* docNode) override;

    // The sources, as CurrentPicture tries them.
    TSkinPicture* ImageListPictureByIndex();
    TSkinPicture* ImageListPictureByName();
    TSkinPicture* FilePicture();
    TSkinPicture* ResourcePicture();
    TSkinPicture* UrlPicture() { return nullptr; }

private:
    void DropFilePicture();
    void DropResourcePicture();

    std::u16string fileName_;
    std::unique_ptr<TSkinPicture> filePicture_;
    bool isLoadedFromFile_ = false;
    std::filesystem::path loadedFilePath_;
    std::u16string url_;
    std::u16string resourceName_;
    std::unique_ptr<TSkinPicture> resourcePicture_;
    bool isLoadedFromResource_ = false;
    int imageIndex_ = -1;
    std::u16string drawImageName_;
    TSkinPicture* refPicture_ = nullptr;
    std::weak_ptr<const int> refPictureLife_;
    TDrawPicture* refDrawPicture_ = nullptr;
    std::weak_ptr<const int> refDrawPictureLife_;
    TPictureDrawType pictureDrawType_ = TPictureDrawType::pdtAuto;
    TSkinBaseImageList* skinImageList_ = nullptr;
    std::unique_ptr<TSkinObjectChangeLink> changeLink_;
    // Guards the reference chain against a picture that refers (indirectly) to itself.
    bool inCurrentPicture_ = false;
};

// The published draw picture.
class TDrawPicture : public TBaseDrawPicture {
public:
    using TBaseDrawPicture::TBaseDrawPicture;
    std::u16string_view ClassName() const override { return u"TDrawPicture"; }
    const ui::PropertyTable& PublishedProperties() const override;
};

// A new draw picture (the class is fixed).
std::unique_ptr<TDrawPicture> CreateDrawPictureObject(std::u16string_view name, std::u16string_view caption,
                                                      std::u16string_view group);
// A new instance of the registered picture class.
std::unique_ptr<TSkinPicture> CreateSkinPicture();

}  // namespace skin
