#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <memory>
#include <string>
#include <vector>

#include "skin/persist/bt_doc20.h"
#include "skin/persist/bt_node20.h"
#include "skin/picture/draw_picture_list.h"
#include "skin/picture/skin_image_list.h"
#include "tests/skin/picture/picture_test_support.h"
#include "ui/property_table.h"
#include "ui/stream.h"

namespace skin {
namespace {

class ImageListTest : public testing::GraphicsTest {
protected:
    void TearDown() override {
        SetScreenScale(1.0f);
        GraphicsTest::TearDown();
    }
    // A list of entries, each with the given name and an image whose width is its index + 1.
    void Fill(const std::vector<std::u16string>& names) {
        for (size_t i = 0; i < names.size(); ++i) {
            TDrawPicture* p = list.PictureList().Add();
            p->SetImageName(names[i]);
            ui::MemoryStream stream(OpaqueImage(static_cast<int>(i) + 1, 1));
            p->LoadFromStream(stream);
        }
    }
    TSkinImageList list;
};

TEST(ScaledImageNames, CandidatesByScale) {
    struct Case {
        float scale;
        std::vector<std::u16string> names;
    };
    const Case cases[] = {
        {1.0f, {u"close"}},
        {1.5f, {u"close@2x", u"close"}},
        {2.0f, {u"close@2x", u"close"}},
        {3.0f, {u"close@3x", u"close@2x", u"close"}},
        {0.5f, {u"close"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ScaledImageNames(u"close", c.scale), c.names) << c.scale;
}

TEST_F(ImageListTest, LookupByName) {
    struct Case {
        float scale;
        std::vector<std::u16string> entries;
        std::u16string name;
        int expectedWidth;  // 0: not found
    };
    const Case cases[] = {
        {1.0f, {u"open", u"close"}, u"close", 2}, {1.0f, {u"close@2x"}, u"close", 0},
        {1.5f, {u"close@2x"}, u"close", 1},
        // The variant for the screen's scale wins over the plain picture, and only there.
        {2.0f, {u"close@2x", u"close"}, u"close", 1}, {2.0f, {u"close", u"close@2x"}, u"close", 2},
        {1.0f, {u"close@2x", u"close"}, u"close", 2},
        {1.0f, {u"Close"}, u"close", 0},
    };
    for (const Case& c : cases) {
        list.PictureList().Clear();
        Fill(c.entries);
        SetScreenScale(c.scale);
        TDrawPicture* found = list.PictureList().GetItemByName(c.name);
        EXPECT_EQ(found != nullptr ? found->Width() : 0, c.expectedWidth) << c.scale;
    }
}

TEST_F(ImageListTest, LookupByIndexWithEffectIndex) {
    Fill({u"a", u"b", u"c", u"d", u"e", u"f"});
    struct Case {
        int imageIndex;
        int effectIndex;
        int expectedWidth;
    };
    const Case cases[] = {{1, -1, 2}, {6, -1, 0}, {1, 2, 3}, {1, 9, 2}, {-1, -1, 0}, {2147483647, -1, 0}};
    for (const Case& c : cases) {
        TDrawPicture picture;
        picture.SetSkinImageList(&list);
        picture.SetImageIndex(c.imageIndex);
        picture.CurrentEffectImageIndex = c.effectIndex;
        EXPECT_EQ(picture.CurrentPictureWidth(), c.expectedWidth) << c.imageIndex << "/" << c.effectIndex;
    }
}

TEST_F(ImageListTest, OwnPixelsWinAndANameLookupDoesNotBecomeIndexZero) {
    Fill({u"a", u"b"});
    TDrawPicture picture;
    picture.SetSkinImageList(&list);
    picture.SetImageName(u"b");
    EXPECT_EQ(picture.CurrentPictureWidth(), 2);
    EXPECT_EQ(picture.ImageIndex(), -1);
    ui::MemoryStream stream(OpaqueImage(9, 9));
    picture.LoadFromStream(stream);
    EXPECT_EQ(picture.CurrentPictureWidth(), 9);
}

TEST_F(ImageListTest, ChangesReachSubscribersAndDestructionIsAnnounced) {
    auto owned = std::make_unique<TSkinImageList>();
    TDrawPicture picture;
    int changes = 0;
    picture.OnChange = [&](ui::Object*) { ++changes; };
    picture.SetSkinImageList(owned.get());
    changes = 0;
    owned->PictureList().Add();
    EXPECT_GE(changes, 1);
    owned.reset();
    EXPECT_EQ(picture.SkinImageList(), nullptr);
    EXPECT_EQ(picture.CurrentPicture(), nullptr);
}

TEST_F(ImageListTest, DataRoundTripAndACorruptEntryStaysEmpty) {
    Fill({u"a", u"b", u"c"});
    ui::MemoryStream data;
    list.PictureList().WriteData(data);

    // Break the second picture's pixels inside the stored document.
    TBTDOC20 doc;
    data.Seek(0);
    doc.LoadFromStream(data);
    auto* second = doc.TopNode()->ChildNodes().GetItems(1);
    second->FindChildNodeByName(u"GraphicData.Png")->ConvertNode_Binary()->Buffer().assign(12, std::byte{0x55});
    ui::MemoryStream broken;
    doc.SaveToStream(broken);
    broken.Seek(0);

    TSkinImageList back;
    back.PictureList().ReadData(broken);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.PictureList().GetItem(0)->ImageName(), u"a");
    EXPECT_EQ(back.PictureList().GetItem(0)->Width(), 1);
    EXPECT_TRUE(back.PictureList().GetItem(1)->IsEmpty());
    EXPECT_EQ(back.PictureList().GetItem(2)->Width(), 3);
}

TEST_F(ImageListTest, ReplacingAnEntryLeavesReferencesToItSafe) {
    Fill({u"a"});
    TDrawPicture picture;
    picture.SetRefDrawPicture(list.PictureList().GetItem(0));
    const auto path = std::filesystem::temp_directory_path() / "velnix_replace.img";
    {
        const auto bytes = OpaqueImage(7, 7);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    list.PictureList().ReplacePictureFile(0, path);
    std::filesystem::remove(path);
    EXPECT_EQ(picture.RefDrawPicture(), nullptr);
    EXPECT_EQ(list.PictureList().GetItem(0)->Width(), 7);
    EXPECT_THROW(list.PictureList().ReplacePictureFile(5, path), std::exception);
}

TEST_F(ImageListTest, AddFileNameOnlyKeepsTheFileNamePart) {
    const int index = list.PictureList().AddFileNameOnly("/some/folder/logo.png");
    EXPECT_EQ(list.PictureList().GetItem(index)->FileName(), u"logo.png");
}

TEST_F(ImageListTest, PublishedDataPropertyIsRegistered) {
    ui::ClassRegistry registry;
    RegisterSkinPictureClasses(registry);
    auto component = registry.Create(u"TSkinImageList");
    ASSERT_NE(component, nullptr);
    EXPECT_NE(component->PublishedProperties().Find(u"PictureList"), nullptr);
    EXPECT_NE(list.PictureList().PublishedProperties().Find(u"Data"), nullptr);
    TDrawPicture picture;
    for (const char16_t* name : {u"IsClipRound", u"ImageName", u"FileName", u"ResourceName", u"ImageIndex", u"Url",
                                 u"PictureDrawType", u"SkinImageList"}) {
        EXPECT_NE(picture.PublishedProperties().Find(name), nullptr);
    }
}

}  // namespace
}  // namespace skin
