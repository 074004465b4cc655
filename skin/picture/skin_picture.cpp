#include "skin/picture/skin_picture.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>
#include <unordered_set>

#include "platform/file_io.h"
#include "skin/core/base_log.h"
#include "skin/core/skin_error.h"
#include "skin/persist/bt_node20.h"
#include "skin/picture/skin_picture_engine.h"
#include "ui/graphics.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace skin {

namespace {

std::vector<TSkinPicture*>& ThemePictures() {
    static std::vector<TSkinPicture*> pictures;
    return pictures;
}

// Every live picture, so that a change of the drawing services reaches their bitmaps.
std::unordered_set<TSkinPicture*>& LivePictures() {
    static std::unordered_set<TSkinPicture*> pictures;
    return pictures;
}

std::vector<std::byte> ReadAll(ui::Stream& stream) {
    std::vector<std::byte> bytes(static_cast<size_t>(stream.Size() - std::min(stream.Size(), stream.Position())));
    if (!bytes.empty()) stream.ReadExact(bytes);
    return bytes;
}

bool IsGIFSignature(const std::byte* b, size_t n) {
    if (n < 3) return false;
    auto up = [](std::byte c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
    return up(b[0]) == 'G' && up(b[1]) == 'I' && up(b[2]) == 'F';
}

// Width and height from a PNG header, or 0 x 0.
bool PngSize(const std::vector<std::byte>& data, int& width, int& height) {
    static constexpr unsigned char kSig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (data.size() < 24) return false;
    for (int i = 0; i < 8; ++i)
        if (static_cast<unsigned char>(data[i]) != kSig[i]) return false;
    auto be32 = [&](size_t at) {
        return (static_cast<uint32_t>(data[at]) << 24) | (static_cast<uint32_t>(data[at + 1]) << 16) |
               (static_cast<uint32_t>(data[at + 2]) << 8) | static_cast<uint32_t>(data[at + 3]);
    };
    const uint32_t w = be32(16), h = be32(20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

double ResolveRadius(double radius, int size) {
    double r;
    if (std::fabs(radius + 1) < 0.001) {
        r = size / 2.0;
    } else if (radius < 1) {
        r = radius * size;
    } else {
        r = radius;
    }
    return std::clamp(r, 0.0, size / 2.0);
}

}  // namespace

void DetectGIFData(ui::Stream& stream, std::vector<std::byte>& gifData) {
    const uint64_t start = stream.Position();
    if (stream.Size() <= start) {
        gifData.clear();
        return;
    }
    std::byte head[6]{};
    size_t n = stream.Read(head);
    bool isGIF = IsGIFSignature(head, n);
    if (!isGIF && n == 6) {
        stream.Seek(stream.Position() + 4);
        n = stream.Read(head);
        isGIF = IsGIFSignature(head, n);
    }
    stream.Seek(start);
    if (isGIF) {
        gifData = ReadAll(stream);
        stream.Seek(start);
    }
}

const std::vector<TSkinPicture*>& ThemeColorChangePictures() { return ThemePictures(); }

void ReleasePictureBitmaps() {
    // Over a copy: nothing here should free a picture, but the set must not change under the loop if it does.
    const std::vector<TSkinPicture*> pictures(LivePictures().begin(), LivePictures().end());
    for (TSkinPicture* picture : pictures)
        if (LivePictures().contains(picture)) picture->ReleaseBitmap();
}

TSkinPicture::TSkinPicture() {
    ui::AddGraphicsResetHook(&ReleasePictureBitmaps);
    LivePictures().insert(this);
}

TSkinPicture::~TSkinPicture() {
    engine_.reset();
    LivePictures().erase(this);
    if (skinThemeColorChange_) std::erase(ThemePictures(), this);
}

void TSkinPicture::ReleaseBitmap() {
    if (!bitmap_) return;
    // An engine's frames are pictures too: they let their own bitmaps go, and a running animation goes on.
    if (encoded_.empty()) {
        const ui::BitmapPixels pixels = bitmap_->Map(ui::MapAccess::Read);
        if (pixels.data != nullptr && pixels.width > 0 && pixels.height > 0) {
            keptWidth_ = pixels.width;
            keptHeight_ = pixels.height;
            keptScale_ = bitmap_->BitmapScale();
            keptPixels_.resize(static_cast<size_t>(keptWidth_) * static_cast<size_t>(keptHeight_));
            for (int y = 0; y < keptHeight_; ++y)
                std::copy_n(&pixels.At(0, y), keptWidth_, keptPixels_.begin() + static_cast<ptrdiff_t>(y) * keptWidth_);
        }
        bitmap_->Unmap();
    }
    bitmap_.reset();
    decodeTried_ = false;
}

void TSkinPicture::ClearKeptPixels() {
    keptPixels_.clear();
    keptPixels_.shrink_to_fit();
    keptWidth_ = keptHeight_ = 0;
    keptScale_ = 1;
}

int TSkinPicture::Width() const {
    if (bitmap_) return bitmap_->Width();
    if (!keptPixels_.empty()) return keptWidth_;
    int w = 0, h = 0;
    if (PngSize(encoded_, w, h)) return w;
    if (encoded_.empty()) return 0;
    ui::Bitmap* bitmap = const_cast<TSkinPicture*>(this)->Bitmap();
    return bitmap != nullptr ? bitmap->Width() : 0;
}

int TSkinPicture::Height() const {
    if (bitmap_) return bitmap_->Height();
    if (!keptPixels_.empty()) return keptHeight_;
    int w = 0, h = 0;
    if (PngSize(encoded_, w, h)) return h;
    if (encoded_.empty()) return 0;
    ui::Bitmap* bitmap = const_cast<TSkinPicture*>(this)->Bitmap();
    return bitmap != nullptr ? bitmap->Height() : 0;
}

ui::Bitmap* TSkinPicture::Bitmap() {
    DecodeIfNeeded();
    return bitmap_.get();
}

void TSkinPicture::DecodeIfNeeded() {
    if (bitmap_ || decodeTried_) return;
    if (encoded_.empty() && keptPixels_.empty()) return;
    // Without drawing services (uninstall mode) nothing is drawn: the data stays for a later attempt.
    ui::Graphics* graphics = ui::GetGraphics();
    if (graphics == nullptr) return;
    if (encoded_.empty()) {
        bitmap_ =
            graphics->CreateBitmapFromPixels({keptPixels_.data(), keptWidth_, keptHeight_, keptWidth_}, keptScale_);
        ClearKeptPixels();
        return;
    }
    decodeTried_ = true;
    try {
        std::unique_ptr<ui::Bitmap> bitmap = graphics->DecodeBitmap(encoded_);
        if (!bitmap) throw SkinError("The picture data is not an image");
        bitmap_ = std::move(bitmap);
        if (isClipRound_ && bitmap_->Width() > 0 && bitmap_->Height() > 0) {
            ClipRoundPixels(*bitmap_, ClipRoundXRadis, ClipRoundYRadis, ClipRoundCorners);
        }
    } catch (const std::exception& e) {
        // The picture stays empty: a bad picture must not stop a paint or the loading of a layout.
        encoded_.clear();
        HandleException(&e, u"TesseraGraphic", u"uSkinPicture", u"TSkinPicture.Decode ", imageName_);
    }
}

void TSkinPicture::SetEncoded(std::vector<std::byte> data) {
    encoded_ = std::move(data);
    bitmap_.reset();
    ClearKeptPixels();
    decodeTried_ = false;
}

void TSkinPicture::SetBitmap(std::unique_ptr<ui::Bitmap> bitmap) {
    encoded_.clear();
    ClearKeptPixels();
    decodeTried_ = false;
    bitmap_ = std::move(bitmap);
    DoPictureChanged();
}

void TSkinPicture::SetEmpty() { SetBitmap(nullptr); }

void TSkinPicture::SaveToPng(ui::Stream& stream) {
    if (!bitmap_ && !encoded_.empty() && !isClipRound_) {
        int w = 0, h = 0;
        if (PngSize(encoded_, w, h)) {
            stream.Write(encoded_);
            return;
        }
    }
    if (ui::Bitmap* bitmap = Bitmap()) bitmap->SaveToPng(stream);
}

void TSkinPicture::LoadLayoutPixels(ui::Stream& stream) {
    stream.Seek(0);
    std::vector<std::byte> bytes = ReadAll(stream);
    if (bytes.empty()) {
        Assign(nullptr);
        return;
    }
    // Decoded on first use, as the pictures of an image list: uninstall mode reads the layout without drawing
    // services.
    SetEncoded(std::move(bytes));
    DoPictureChanged();
}

void TSkinPicture::SaveLayoutPixels(ui::Stream& stream) {
    if (!IsEmpty()) SaveToPng(stream);
}

void TSkinPicture::LoadLayoutGIFData(ui::Stream& stream) {
    stream.Seek(0);
    gifData_ = ReadAll(stream);
}

void TSkinPicture::SaveLayoutGIFData(ui::Stream& stream) const {
    if (!gifData_.empty()) stream.Write(gifData_);
}

void TSkinPicture::SetGIFSupport(bool value) {
    if (gifSupport_ == value) return;
    gifSupport_ = value;
    engine_.reset();
}

void TSkinPicture::SetIsClipRound(bool value) {
    if (isClipRound_ == value) return;
    isClipRound_ = value;
    if (value && bitmap_ && !IsEmpty()) ClipRoundNow();
}

void TSkinPicture::SetSkinThemeColorChange(bool value) {
    if (skinThemeColorChange_ == value) return;
    skinThemeColorChange_ = value;
    if (value) {
        ThemePictures().push_back(this);
    } else {
        std::erase(ThemePictures(), this);
    }
}

TSkinPictureEngine* TSkinPicture::SkinPictureEngine() {
    if (!engine_) engine_ = CreateSkinPictureEngine(this, gifSupport_);
    return engine_.get();
}

void TSkinPicture::LoadFromFile(const std::filesystem::path& fileName) {
    std::optional<std::vector<std::byte>> read = platform::ReadWholeFile(fileName);
    if (!read) throw SkinError("Cannot read file " + ui::Utf16ToUtf8(fileName.u16string()));
    std::vector<std::byte> bytes = std::move(*read);
    ui::MemoryStream stream(bytes);
    DetectGIFData(stream, gifData_);
    SetEncoded(std::move(bytes));
    if (ui::GetGraphics() != nullptr) {
        // Decode now when drawing services exist, so a bad file is reported with its name.
        DecodeIfNeeded();
        if (!bitmap_) {
            const SkinError error("The picture data is not an image");
            HandleException(&error, u"TesseraGraphic", u"uSkinPicture", u"TSkinPicture.LoadFromFile ",
                            fileName.u16string());
        }
    }
    DoPictureChanged();
}

void TSkinPicture::LoadFromStream(ui::Stream& stream) {
    stream.Seek(0);
    DetectGIFData(stream, gifData_);
    DirectLoadFromStream(stream);
}

void TSkinPicture::DirectLoadFromStream(ui::Stream& stream) {
    stream.Seek(0);
    std::vector<std::byte> bytes = ReadAll(stream);
    ui::Graphics* graphics = ui::GetGraphics();
    if (!bytes.empty() && graphics != nullptr) {
        std::unique_ptr<ui::Bitmap> bitmap = graphics->DecodeBitmap(bytes);
        if (!bitmap) throw SkinError("The picture data is not an image");
        encoded_ = std::move(bytes);
        ClearKeptPixels();
        decodeTried_ = true;
        bitmap_ = std::move(bitmap);
    } else {
        SetEncoded(std::move(bytes));
    }
    DoPictureChanged();
}

void TSkinPicture::DirectLoadFromFile(const std::filesystem::path& fileName) {
    std::optional<std::vector<std::byte>> bytes = platform::ReadWholeFile(fileName);
    if (!bytes) throw SkinError("Cannot read file " + ui::Utf16ToUtf8(fileName.u16string()));
    ui::MemoryStream stream(std::move(*bytes));
    DirectLoadFromStream(stream);
}

void TSkinPicture::LoadFromResource(std::u16string_view resourceName) {
    ui::Graphics* graphics = ui::GetGraphics();
    if (graphics == nullptr) return;
    std::optional<std::vector<std::byte>> data = graphics->LoadResourceData(resourceName);
    if (!data) return;
    ui::MemoryStream stream(std::move(*data));
    LoadFromStream(stream);
}

void TSkinPicture::Assign(const TSkinPicture* source) {
    if (source != nullptr) {
        imageName_ = source->imageName_;
        SkinThemeColor = source->SkinThemeColor;
        SetSkinThemeColorChange(source->skinThemeColorChange_);
        gifData_ = source->gifData_;
    } else {
        Clear();
    }
    IsChanged = source != nullptr;
    ui::Graphics* graphics = ui::GetGraphics();
    if (source == nullptr) {
        SetEncoded({});
    } else if (source->bitmap_ && graphics != nullptr) {
        SetEncoded({});
        bitmap_ = graphics->CopyBitmap(*source->bitmap_);
        decodeTried_ = true;
    } else if (source->bitmap_) {
        // A bitmap of services that are no longer installed: through PNG.
        ui::MemoryStream png;
        source->bitmap_->SaveToPng(png);
        SetEncoded(png.TakeBytes());
    } else {
        SetEncoded(source->encoded_);
        keptPixels_ = source->keptPixels_;
        keptWidth_ = source->keptWidth_;
        keptHeight_ = source->keptHeight_;
        keptScale_ = source->keptScale_;
    }
    DoPictureChanged();
}

bool TSkinPicture::AssignFrom(const ui::Persistent& source) {
    const auto* picture = dynamic_cast<const TSkinPicture*>(&source);
    if (picture == nullptr) return false;
    Assign(picture);
    return true;
}

void TSkinPicture::DoPictureChanged() {
    engine_.reset();
    if (!isPictureChanging_) {
        isPictureChanging_ = true;
        if (isClipRound_ && bitmap_ && !IsEmpty()) ClipRoundNow();
        isPictureChanging_ = false;
    }
    DoChange();
}

void TSkinPicture::ClipRoundNow() {
    if (!bitmap_) return;
    ClipRoundPixels(*bitmap_, ClipRoundXRadis, ClipRoundYRadis, ClipRoundCorners);
    encoded_.clear();
}

void TSkinPicture::ClipRoundPixels(ui::Bitmap& bitmap, double xRadius, double yRadius, unsigned corners) {
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w <= 0 || h <= 0) return;
    const double rx = ResolveRadius(xRadius, w), ry = ResolveRadius(yRadius, h);
    if (rx <= 0 || ry <= 0) return;
    ui::BitmapPixels px = bitmap.Map(ui::MapAccess::ReadWrite);
    // Coverage of a point by the rounded rectangle (0, 0, w, h).
    auto inside = [&](double x, double y) {
        double cx, cy;
        unsigned corner;
        if (x < rx && y < ry) {
            corner = ui::kCornerTopLeft, cx = rx, cy = ry;
        } else if (x > w - rx && y < ry) {
            corner = ui::kCornerTopRight, cx = w - rx, cy = ry;
        } else if (x < rx && y > h - ry) {
            corner = ui::kCornerBottomLeft, cx = rx, cy = h - ry;
        } else if (x > w - rx && y > h - ry) {
            corner = ui::kCornerBottomRight, cx = w - rx, cy = h - ry;
        } else {
            return true;
        }
        if ((corners & corner) == 0) return true;
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    constexpr int kSub = 4;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool nearCorner = (x < rx + 1 || x > w - rx - 1) && (y < ry + 1 || y > h - ry - 1);
            if (!nearCorner) continue;
            int covered = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx)
                    if (inside(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub)) ++covered;
            if (covered == kSub * kSub) continue;
            uint32_t& p = px.At(x, y);
            uint32_t out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const uint32_t c = (p >> shift) & 0xFF;
                out |= ((c * covered + kSub * kSub / 2) / (kSub * kSub)) << shift;
            }
            p = out;
        }
    }
    bitmap.Unmap();
}

bool TSkinPicture::LoadFromDocNode(TBTNode20_Class* docNode) {
    std::u16string graphicType;
    std::vector<std::byte> graphicData;
    std::vector<std::byte> gifData;
    const TBTNodeList20& children = docNode->ChildNodes();
    for (int i = 0; i < children.Count(); ++i) {
        TBTNode20* child = children.GetItems(i);
        const std::u16string& name = child->NodeName();
        if (name == u"ImageName") {
            if (auto* text = child->ConvertNode_WideString()) imageName_ = text->Value();
        } else if (name == u"GraphicType") {
            if (auto* text = child->ConvertNode_WideString()) graphicType = text->Value();
        } else if (name.substr(0, 11) == u"GraphicData") {
            if (auto* binary = child->ConvertNode_Binary()) graphicData = binary->Buffer();
        } else if (name.substr(0, 11) == u"GIFFileData") {
            if (auto* binary = child->ConvertNode_Binary()) gifData = binary->Buffer();
        }
    }
    gifData_ = std::move(gifData);
    if (!graphicType.empty() && !graphicData.empty()) {
        // Decoded on first use: a layout is read without drawing services too, and one bad picture must not
        // stop the rest of the list from loading.
        SetEncoded(std::move(graphicData));
        DoPictureChanged();
    } else {
        Assign(nullptr);
    }
    return true;
}

bool TSkinPicture::SaveToDocNode(TBTNode20_Class* docNode) {
    docNode->SetValue(u"TSkinPicture");
    docNode->AddChildNode_WideString(u"ImageName")->SetValue(imageName_);
    const bool isEmpty = IsEmpty();
    if (!isEmpty) {
        docNode->AddChildNode_WideString(u"GraphicType")->SetValue(u"Png");
        ui::MemoryStream png;
        SaveToPng(png);
        docNode->AddChildNode_Binary(u"GraphicData.Png")->Buffer() = png.TakeBytes();
    }
    docNode->AddChildNode_Binary(isEmpty ? u"GIFFileData" : u"GIFFileData.Png")->Buffer() = gifData_;
    return true;
}

void TSkinPicture::DoChange() {
    if (isDoChanging_) {
        DebugLog(u"TBaseDrawPicture.DoChange DoChangeing");
        return;
    }
    isDoChanging_ = true;
    try {
        if (OnChange) OnChange(this);
    } catch (...) {
        isDoChanging_ = false;
        throw;
    }
    isDoChanging_ = false;
}

}  // namespace skin
