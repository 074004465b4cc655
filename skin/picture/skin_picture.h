#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/persist/binary_object_list.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/object.h"

namespace ui {
class Stream;
}

namespace skin {

class TSkinPictureEngine;

// A bitmap with change notification, GIF data kept beside the pixels, rounded-corner clipping of its own
// pixels and storage in a tree document.
//
// The pixels are kept as encoded image data until something needs them decoded (Bitmap()), so a stored layout
// can be read without drawing services (uninstall mode) and each picture is decoded once. Decoding needs
// ui::GetGraphics(); without it, or when the data is not an image, the picture draws nothing and the failure
// is logged once. The decoded bitmap belongs to the drawing services that made it: when they are replaced
// (ui::SetGraphics), every picture lets its bitmap go, keeping its pixels (as the encoded data, or copied out
// when there is none), and makes it again with the new services on next use.
class TSkinPicture : public TBinaryObject {
public:
    TSkinPicture();
    ~TSkinPicture() override;
    std::u16string_view ClassName() const override { return u"TSkinPicture"; }

    // Size in pixels; for data not decoded yet, read from the PNG header where possible.
    int Width() const;
    int Height() const;
    // Either size is 0.
    bool IsEmpty() const { return Width() == 0 || Height() == 0; }
    // The decoded pixels; decoded on first use. nullptr for an empty picture, without drawing services, or
    // when the data cannot be decoded (logged once).
    ui::Bitmap* Bitmap();
    // Replaces the pixels (nullptr empties the picture) and runs the content-changed hook.
    void SetBitmap(std::unique_ptr<ui::Bitmap> bitmap);
    // Empties the pixels (size 0 x 0) and reports the change.
    void SetEmpty();
    // The encoded data the pixels come from, when they were loaded and not changed since (else empty).
    const std::vector<std::byte>& EncodedData() const { return encoded_; }
    // Encodes the pixels as PNG; the kept PNG data as it is when it was never decoded.
    void SaveToPng(ui::Stream& stream);
    // The pixels as a stored layout keeps them (its binary property "PNG"): the encoded data from the stream's
    // start to its end, decoded on first use; no data empties the picture. Nothing is written for an empty
    // picture.
    void LoadLayoutPixels(ui::Stream& stream);
    void SaveLayoutPixels(ui::Stream& stream);
    // The GIF data as a stored layout keeps it (its binary property "GIFFileData"), written only when there is
    // some.
    void LoadLayoutGIFData(ui::Stream& stream);
    void SaveLayoutGIFData(ui::Stream& stream) const;

    // A label of the picture itself (not used for look-ups).
    const std::u16string& ImageName() const { return imageName_; }
    void SetImageName(std::u16string_view name) { imageName_ = name; }
    // Free for the owner.
    void* Data = nullptr;

    // The GIF file data as loaded (empty when the picture did not come from GIF data).
    const std::vector<std::byte>& GIFStream() const { return gifData_; }
    void SetGIFStream(std::vector<std::byte> data) { gifData_ = std::move(data); }
    bool HasGIFStream() const { return !gifData_.empty(); }
    bool GIFSupport() const { return gifSupport_; }
    // Changing it frees the current engine.
    void SetGIFSupport(bool value);

    ui::NotifyEvent OnAnimateRePaint;
    ui::NotifyEvent OnChange;

    bool IsClipRound() const { return isClipRound_; }
    // Turning it on clips a non-empty picture at once; turning it off keeps the clipped pixels.
    void SetIsClipRound(bool value);
    double ClipRoundXRadis = -1;
    double ClipRoundYRadis = -1;
    unsigned ClipRoundCorners = ui::kCornersAll;

    uint32_t SkinThemeColor = 0;
    bool SkinThemeColorChange() const { return skinThemeColorChange_; }
    // Adds the picture to (true) or removes it from (false) the process-wide list of theme-following pictures.
    void SetSkinThemeColorChange(bool value);

    // The engine, created on first read; freed by every content change.
    TSkinPictureEngine* SkinPictureEngine();
    // Set by Assign from any source.
    bool IsChanged = false;

    // Loads a file with GIF detection. A file that cannot be opened throws; data that cannot be decoded is
    // logged (the picture is then empty) and the content-changed hook still runs.
    void LoadFromFile(const std::filesystem::path& fileName);
    // From position 0: GIF detection, then DirectLoadFromStream.
    void LoadFromStream(ui::Stream& stream);
    // From position 0: the pixels only. Data that is not an image throws SkinError.
    void DirectLoadFromStream(ui::Stream& stream);
    // The pixels of a file, without GIF detection. Unreadable files and undecodable data throw.
    void DirectLoadFromFile(const std::filesystem::path& fileName);
    // LoadFromStream on the program's raw-data resource of that name (letter case ignored); nothing when the
    // program has none (or there are no drawing services).
    void LoadFromResource(std::u16string_view resourceName);

    // Copies another picture (nullptr empties this one after Clear).
    virtual void Assign(const TSkinPicture* source);

    // The content-changed hook: frees the engine and re-applies the rounded clipping.
    virtual void DoPictureChanged();
    // Does nothing in this class.
    virtual void Clear() {}
    // The picture itself.
    virtual TSkinPicture* CurrentPicture() { return this; }
    virtual bool GetCurrentIsGIF() { return HasGIFStream(); }
    virtual const std::vector<std::byte>& GetCurrentGIFStream() { return gifData_; }
    bool LoadFromDocNode(TBTNode20_Class* docNode) override;
    bool SaveToDocNode(TBTNode20_Class* docNode) override;

    // Fires OnChange; a report that starts while another runs is refused and logged.
    virtual void DoChange();

    // A token that lives as long as the picture; weak copies tell a reference that its target is gone.
    std::weak_ptr<const int> LifeToken() const { return lifeToken_; }

    // Cuts bitmap's pixels to a rounded rectangle with the given radii (−1: half the size; below 1: a fraction
    // of the size; else pixels) and corners; the corners outside become transparent.
    static void ClipRoundPixels(ui::Bitmap& bitmap, double xRadius, double yRadius, unsigned corners);

protected:
    bool AssignFrom(const ui::Persistent& source) override;

private:
    friend void ReleasePictureBitmaps();

    void ClipRoundNow();
    void DecodeIfNeeded();
    void SetEncoded(std::vector<std::byte> data);
    // Frees the bitmap of the drawing services going away; pixels that exist only in it are copied out first.
    void ReleaseBitmap();
    void ClearKeptPixels();

    std::u16string imageName_;
    std::vector<std::byte> gifData_;
    // Encoded pixels; decoded on first use of Bitmap().
    std::vector<std::byte> encoded_;
    bool decodeTried_ = false;
    std::unique_ptr<ui::Bitmap> bitmap_;
    // The pixels of a bitmap freed with its drawing services that had no encoded data (rows of keptWidth_).
    std::vector<uint32_t> keptPixels_;
    int keptWidth_ = 0;
    int keptHeight_ = 0;
    float keptScale_ = 1;
    bool gifSupport_ = false;
    bool isClipRound_ = false;
    bool skinThemeColorChange_ = false;
    std::unique_ptr<TSkinPictureEngine> engine_;
    bool isDoChanging_ = false;
    bool isPictureChanging_ = false;
    std::shared_ptr<const int> lifeToken_ = std::make_shared<const int>(0);
};

// Detects GIF data in stream at its position (the signature at 0 or at 10); when found the stream's bytes from
// the position on replace gifData; an empty stream empties gifData; other data leaves it. The position stays.
void DetectGIFData(ui::Stream& stream, std::vector<std::byte>& gifData);

// Lets every live picture's bitmap go, keeping its pixels; registered with ui::AddGraphicsResetHook by the first
// picture, so ui::SetGraphics runs it before other drawing services are installed.
void ReleasePictureBitmaps();

// The process-wide list of theme-following pictures (SkinThemeColorChange).
const std::vector<TSkinPicture*>& ThemeColorChangePictures();

}  // namespace skin
