#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "skin/picture/skin_image_list.h"
#include "ui/stream.h"

// The image list the build packed from PNG files with the imagelist tool (velnix_pack_image_list).
namespace skin {
namespace {

std::vector<std::byte> ReadPacked() {
    std::ifstream file(VELNIX_PACKED_TEST_ICONS, std::ios::binary);
    EXPECT_TRUE(file.good()) << VELNIX_PACKED_TEST_ICONS;
    const std::vector<char> chars((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto bytes = std::as_bytes(std::span(chars));
    return {bytes.begin(), bytes.end()};
}

TEST(PackedImageList, TheBuildPacksThePngFilesInOrderNamedAfterTheFiles) {
    ui::MemoryStream data(ReadPacked());
    TSkinImageList list;
    list.PictureList().ReadData(data);
    ASSERT_EQ(list.Count(), 2);
    struct Entry {
        const char16_t* name;
        int width, height;
    };
    const Entry entries[] = {{u"close", 4, 3}, {u"open@2x", 8, 6}};
    for (int i = 0; i < 2; ++i) {
        TDrawPicture* picture = list.PictureList().GetItem(i);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->ImageName(), entries[i].name);
        EXPECT_EQ(picture->Width(), entries[i].width);
        EXPECT_EQ(picture->Height(), entries[i].height);
        // The PNG file itself is kept, byte for byte.
        EXPECT_EQ(std::to_integer<char>(picture->EncodedData().at(1)), 'P');
    }
    // At twice the scale "open" finds the packed "open@2x".
    SetScreenScale(2);
    EXPECT_EQ(list.PictureList().GetItemByName(u"open"), list.PictureList().GetItem(1));
    SetScreenScale(1);
}

}  // namespace
}  // namespace skin
