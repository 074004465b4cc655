#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "skin/persist/binary_object_list.h"
#include "skin/picture/draw_picture.h"

namespace skin {

// An owning list of draw pictures that stores itself as one tree document.
class TDrawPictureList : public TBinaryObjectList {
public:
    TDrawPictureList();
    std::u16string_view ClassName() const override { return u"TDrawPictureList"; }
    // "Data": the list as a tree document.
    const ui::PropertyTable& PublishedProperties() const override;

    // A new draw picture with empty name, caption and group, whatever the class name.
    std::unique_ptr<TBinaryObject> CreateBinaryObject(std::u16string_view className) override;

    // The picture at index, or nullptr outside 0..Count-1.
    TDrawPicture* GetItem(int index) const;
    // Puts value at index; the list owns it from then on and frees the picture that was there.
    void SetItem(int index, TDrawPicture* value);
    // Appends a new empty picture and returns it.
    TDrawPicture* Add();
    // Appends a picture loaded from the file into its own pixels; returns its index.
    int AddPictureFile(const std::filesystem::path& pictureFile);
    // Appends a picture whose FileName is the file-name part of fileName (loaded on first use); returns its
    // index.
    int AddFileNameOnly(const std::filesystem::path& fileName);
    // Puts a picture loaded from the file at index and frees the one that was there. Throws SkinError for an
    // index outside the list.
    void ReplacePictureFile(int index, const std::filesystem::path& pictureFile);
    // Sets the FileName of the picture at index to the file-name part of fileName.
    void ReplaceFileNameOnly(int index, const std::filesystem::path& fileName);
    // The picture for the name at the current screen scale: name@Nx for N = ceil(scale) down to 2, then name;
    // the first of these the list holds wins, so a scaled variant made for the screen is preferred to the plain
    // picture. nullptr when none is found.
    TDrawPicture* GetItemByName(std::u16string_view name) const;
};

// The candidate names GetItemByName tries, in order, at the given screen scale.
std::vector<std::u16string> ScaledImageNames(std::u16string_view name, float screenScale);
// The same for a program resource, whose names cannot hold "@": name_Nx for N = ceil(scale) down to 2, then name.
std::vector<std::u16string> ScaledResourceNames(std::u16string_view name, float screenScale);

}  // namespace skin
