#include "skin/picture/draw_picture_list.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "skin/core/skin_error.h"
#include "skin/picture/skin_image_list.h"
#include "ui/property_table.h"

namespace skin {

namespace {

// The highest scale a name variant is looked for at: ceil(scale), between 1 and 16.
int HighestVariantScale(float screenScale) {
    const double scale = std::isfinite(screenScale) ? std::clamp(static_cast<double>(screenScale), 1.0, 16.0) : 1.0;
    return static_cast<int>(std::ceil(scale));
}

// Whether candidate is name@Nx (n >= 2) or, for n = 1, name itself; compared in place, so the lookup a paint makes
// allocates nothing.
bool IsScaledName(std::u16string_view candidate, std::u16string_view name, int n) {
    if (n == 1) return candidate == name;
    if (!candidate.starts_with(name)) return false;
    std::u16string_view rest = candidate.substr(name.size());
    if (rest.size() < 3 || rest.front() != u'@' || rest.back() != u'x') return false;
    rest = rest.substr(1, rest.size() - 2);
    int value = 0;
    for (char16_t c : rest) {
        if (c < u'0' || c > u'9') return false;
        value = value * 10 + (c - u'0');
        if (value > n) return false;
    }
    return rest.front() != u'0' && value == n;
}

// name<separator>Nx for N = ceil(scale) down to 2, then name.
std::vector<std::u16string> ScaledNames(std::u16string_view name, char16_t separator, float screenScale) {
    std::vector<std::u16string> names;
    const int k = HighestVariantScale(screenScale);
    for (int n = k; n >= 2; --n) {
        std::u16string candidate(name);
        candidate += separator;
        for (char c : std::to_string(n)) candidate += static_cast<char16_t>(c);
        candidate += u'x';
        names.push_back(std::move(candidate));
    }
    names.emplace_back(name);
    return names;
}

}  // namespace

std::vector<std::u16string> ScaledImageNames(std::u16string_view name, float screenScale) {
    return ScaledNames(name, u'@', screenScale);
}

std::vector<std::u16string> ScaledResourceNames(std::u16string_view name, float screenScale) {
    return ScaledNames(name, u'_', screenScale);
}

const ui::PropertyTable& TDrawPictureList::PublishedProperties() const {
    using T = TDrawPictureList;
    // The pictures, pixels included, as one tree document: a layout's "PictureList.Data".
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>()
            .Binary(
                u"Data", [](T& list, ui::Stream& stream) { list.ReadData(stream); },
                [](const T& list, ui::Stream& stream) { const_cast<T&>(list).WriteData(stream); })
            .Build();
    return table;
}

TDrawPictureList::TDrawPictureList() : TBinaryObjectList(true) {}

std::unique_ptr<TBinaryObject> TDrawPictureList::CreateBinaryObject(std::u16string_view) {
    return CreateDrawPictureObject(u"", u"", u"");
}

TDrawPicture* TDrawPictureList::GetItem(int index) const { return dynamic_cast<TDrawPicture*>(Items(index)); }

void TDrawPictureList::SetItem(int index, TDrawPicture* value) {
    if (index < 0 || index >= Count()) throw SkinError("List index out of bounds");
    std::unique_ptr<ui::Object> old(Items(index));
    if (old.get() == value) old.release();
    SetItems(index, value);
}

TDrawPicture* TDrawPictureList::Add() { return static_cast<TDrawPicture*>(TBinaryObjectList::Add()); }

int TDrawPictureList::AddPictureFile(const std::filesystem::path& pictureFile) {
    std::unique_ptr<TDrawPicture> picture = CreateDrawPictureObject(u"", u"", u"");
    picture->LoadFromFile(pictureFile);
    const int index = TBaseList::Add(picture.get());
    picture.release();
    return index;
}

int TDrawPictureList::AddFileNameOnly(const std::filesystem::path& fileName) {
    std::unique_ptr<TDrawPicture> picture = CreateDrawPictureObject(u"", u"", u"");
    picture->SetFileName(fileName.filename().u16string());
    const int index = TBaseList::Add(picture.get());
    picture.release();
    return index;
}

void TDrawPictureList::ReplacePictureFile(int index, const std::filesystem::path& pictureFile) {
    if (index < 0 || index >= Count()) throw SkinError("List index out of bounds");
    std::unique_ptr<TDrawPicture> picture = CreateDrawPictureObject(u"", u"", u"");
    picture->LoadFromFile(pictureFile);
    // The list owns its items: the one taken out is freed here. References to it see it gone through its life
    // token.
    std::unique_ptr<ui::Object> old(Items(index));
    SetItems(index, picture.release());
}

void TDrawPictureList::ReplaceFileNameOnly(int index, const std::filesystem::path& fileName) {
    if (TDrawPicture* picture = GetItem(index)) picture->SetFileName(fileName.filename().u16string());
}

TDrawPicture* TDrawPictureList::GetItemByName(std::u16string_view name) const {
    // The candidates of ScaledImageNames in their order; the first found wins: the picture made for the highest
    // scale not above the screen's, so a list holding "close" and "close@2x" stays sharp on a 200 % screen.
    for (int n = HighestVariantScale(ScreenScale()); n >= 1; --n) {
        for (int i = 0; i < Count(); ++i) {
            TDrawPicture* picture = GetItem(i);
            if (picture != nullptr && IsScaledName(picture->ImageName(), name, n)) return picture;
        }
    }
    return nullptr;
}

}  // namespace skin
