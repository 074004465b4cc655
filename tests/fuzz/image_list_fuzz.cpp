// libFuzzer target for loading an image list's pictures from a stored document ("PictureList.Data"). Any input
// must either load or fail with SkinError; every picture read must answer its size and current picture without
// failing (undecodable pixels leave it empty), and a list that loaded must save and load again to as many
// pictures.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "skin/core/skin_error.h"
#include "skin/picture/skin_image_list.h"
#include "ui/graphics.h"
#include "ui/stream.h"
#include "ui/testing/recording_canvas.h"

namespace {

// The test graphics make a bitmap of whatever size a picture's header claims; the fuzzer keeps that small, so it
// explores the list's reading instead of the memory a claimed 65535 x 65535 picture takes.
class SmallPictureGraphics : public ui::RecordingGraphics {
public:
    std::unique_ptr<ui::Bitmap> DecodeBitmap(std::span<const std::byte> encoded) override {
        if (encoded.size() >= 7) {
            const int width = std::to_integer<int>(encoded[3]) | (std::to_integer<int>(encoded[4]) << 8);
            const int height = std::to_integer<int>(encoded[5]) | (std::to_integer<int>(encoded[6]) << 8);
            if (static_cast<long long>(width) * height > 256 * 256) return nullptr;
        }
        return RecordingGraphics::DecodeBitmap(encoded);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SmallPictureGraphics graphics;
    ui::SetGraphics(&graphics);
    const auto* bytes = reinterpret_cast<const std::byte*>(data);
    ui::MemoryStream input(std::vector<std::byte>(bytes, bytes + size));
    skin::TSkinImageList list;
    try {
        list.PictureList().ReadData(input);
    } catch (const skin::SkinError&) {
        // The pictures read before the failure stay usable.
    }
    skin::TDrawPicture user;
    user.SetSkinImageList(&list);
    for (int i = 0; i < list.Count(); ++i) {
        skin::TDrawPicture* picture = list.PictureList().GetItem(i);
        (void)picture->Width();
        (void)picture->Height();
        (void)picture->Bitmap();
        user.SetImageIndex(i);
        (void)user.CurrentPicture();
        user.SetImageName(picture->ImageName());
        (void)user.CurrentPictureWidth();
    }
    ui::MemoryStream saved;
    list.PictureList().WriteData(saved);
    saved.Seek(0);
    skin::TSkinImageList again;
    try {
        again.PictureList().ReadData(saved);
    } catch (const skin::SkinError& e) {
        std::fprintf(stderr, "saved picture data does not load: %s\n", e.what());
        std::abort();
    }
    if (again.Count() != list.Count()) {
        std::fprintf(stderr, "saved %d pictures, read back %d\n", list.Count(), again.Count());
        std::abort();
    }
    return 0;
}
