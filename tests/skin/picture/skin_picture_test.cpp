#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/persist/bt_doc20.h"
#include "skin/persist/bt_node20.h"
#include "skin/picture/draw_picture.h"
#include "skin/picture/skin_picture.h"
#include "tests/skin/picture/picture_test_support.h"
#include "ui/stream.h"

namespace skin {
namespace {

using testing::GraphicsTest;

class SkinPictureTest : public GraphicsTest {
protected:
    std::filesystem::path WriteFile(const std::string& name, const std::vector<std::byte>& bytes) {
        const auto path = std::filesystem::temp_directory_path() / ("velnix_picture_" + name);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        files_.push_back(path);
        return path;
    }
    void TearDown() override {
        for (const auto& f : files_) std::filesystem::remove(f);
        GraphicsTest::TearDown();
    }
    std::vector<std::filesystem::path> files_;
};

TEST_F(SkinPictureTest, GIFDetectionKeepsTheWholeFileAndAnEmptyStreamEmptiesIt) {
    struct Case {
        std::string data;
        bool isGIF;
    };
    const Case cases[] = {{"GIF89a......", true}, {"gif87a", true}, {"0123456789GIF...", true}, {"PNGDATA....", false}};
    for (const Case& c : cases) {
        std::vector<std::byte> gif;
        std::vector<std::byte> bytes(reinterpret_cast<const std::byte*>(c.data.data()),
                                     reinterpret_cast<const std::byte*>(c.data.data()) + c.data.size());
        ui::MemoryStream stream(bytes);
        DetectGIFData(stream, gif);
        EXPECT_EQ(gif.size(), c.isGIF ? bytes.size() : 0u) << c.data;
        EXPECT_EQ(stream.Position(), 0u);
    }
    std::vector<std::byte> kept(3, std::byte{1});
    ui::MemoryStream empty;
    DetectGIFData(empty, kept);
    EXPECT_TRUE(kept.empty());
}

TEST_F(SkinPictureTest, LoadFromFileDecodesOnceAndAnUndecodableFileLeavesItEmpty) {
    TSkinPicture picture;
    int changes = 0;
    picture.OnChange = [&](ui::Object*) { ++changes; };
    picture.LoadFromFile(WriteFile("ok.img", OpaqueImage(8, 4)));
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 4);
    ui::Bitmap* first = picture.Bitmap();
    EXPECT_EQ(picture.Bitmap(), first);
    EXPECT_EQ(changes, 1);

    picture.LoadFromFile(WriteFile("bad.img", std::vector<std::byte>(20, std::byte{7})));
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(picture.LoadFromFile("/nonexistent/velnix/none.png"), std::exception);
}

TEST_F(SkinPictureTest, DirectLoadOfDataThatIsNotAnImageThrows) {
    TSkinPicture picture;
    ui::MemoryStream stream(std::vector<std::byte>(10, std::byte{3}));
    EXPECT_THROW(picture.DirectLoadFromStream(stream), std::exception);
}

TEST_F(SkinPictureTest, ClipRoundMakesASquareACircleAndKeepsTheCentre) {
    TSkinPicture picture;
    ui::MemoryStream stream(OpaqueImage(20, 20));
    picture.LoadFromStream(stream);
    picture.SetIsClipRound(true);
    ui::BitmapPixels px = picture.Bitmap()->Map(ui::MapAccess::Read);
    EXPECT_EQ(px.At(0, 0), 0u);
    EXPECT_EQ(px.At(19, 19), 0u);
    EXPECT_EQ(px.At(10, 10), 0xFFFFFFFFu);
    EXPECT_EQ(px.At(10, 0), 0xFFFFFFFFu);
    picture.Bitmap()->Unmap();
}

// Drawing services that count the bitmaps they make.
class CountingGraphics : public ui::RecordingGraphics {
public:
    std::unique_ptr<ui::Bitmap> CreateBitmapFromPixels(const ui::BitmapPixels& pixels, float scale) override {
        ++made;
        return RecordingGraphics::CreateBitmapFromPixels(pixels, scale);
    }
    std::unique_ptr<ui::Bitmap> DecodeBitmap(std::span<const std::byte> encoded) override {
        ++made;
        return RecordingGraphics::DecodeBitmap(encoded);
    }
    int made = 0;
};

TEST_F(SkinPictureTest, NewDrawingServicesMakeEveryBitmapAgainWithTheSamePixels) {
    // One picture from encoded data, one from pixels only (a clipped copy, which has no encoded data).
    TSkinPicture decoded;
    ui::MemoryStream stream(OpaqueImage(6, 4));
    decoded.LoadFromStream(stream);
    TSkinPicture drawn;
    drawn.SetBitmap(graphics.CreateBitmap(3, 2, 2));
    ui::BitmapPixels px = drawn.Bitmap()->Map(ui::MapAccess::ReadWrite);
    px.At(2, 1) = 0xFF123456;
    drawn.Bitmap()->Unmap();

    CountingGraphics next;
    ui::SetGraphics(&next);
    EXPECT_EQ(next.made, 0);
    // Sizes are known without the bitmaps.
    EXPECT_EQ(decoded.Width(), 6);
    EXPECT_EQ(drawn.Width(), 3);
    EXPECT_EQ(drawn.Height(), 2);
    ASSERT_NE(drawn.Bitmap(), nullptr);
    ASSERT_NE(decoded.Bitmap(), nullptr);
    EXPECT_EQ(next.made, 2);
    EXPECT_EQ(drawn.Bitmap()->BitmapScale(), 2.0f);
    EXPECT_EQ(drawn.Bitmap()->Map(ui::MapAccess::Read).At(2, 1), 0xFF123456u);
    EXPECT_EQ(decoded.Bitmap()->Map(ui::MapAccess::Read).At(5, 3), 0xFFFFFFFFu);

    // Without drawing services nothing is drawn, and the pixels wait for the next ones.
    ui::SetGraphics(nullptr);
    EXPECT_EQ(drawn.Bitmap(), nullptr);
    EXPECT_FALSE(drawn.IsEmpty());
    TSkinPicture copy;
    copy.Assign(&drawn);
    ui::SetGraphics(&graphics);
    ASSERT_NE(copy.Bitmap(), nullptr);
    EXPECT_EQ(copy.Bitmap()->Map(ui::MapAccess::Read).At(2, 1), 0xFF123456u);
    ASSERT_NE(drawn.Bitmap(), nullptr);
    EXPECT_EQ(drawn.Bitmap()->Map(ui::MapAccess::Read).At(2, 1), 0xFF123456u);
}

TEST_F(SkinPictureTest, AssignCopiesTheBitmapAsABitmapOfItsOwn) {
    TSkinPicture source;
    source.SetBitmap(graphics.CreateBitmap(2, 2, 1));
    source.Bitmap()->Map(ui::MapAccess::ReadWrite).At(1, 1) = 0xFF00FF00;
    source.Bitmap()->Unmap();
    TSkinPicture copy;
    copy.Assign(&source);
    ASSERT_NE(copy.Bitmap(), nullptr);
    EXPECT_NE(copy.Bitmap(), source.Bitmap());
    EXPECT_EQ(copy.Bitmap()->Map(ui::MapAccess::Read).At(1, 1), 0xFF00FF00u);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.IsEmpty());
}

TEST_F(SkinPictureTest, ReentrantChangeIsRefused) {
    TSkinPicture picture;
    int calls = 0;
    picture.OnChange = [&](ui::Object*) {
        ++calls;
        picture.DoChange();
    };
    picture.DoChange();
    EXPECT_EQ(calls, 1);
}

std::vector<std::u16string> ChildNames(TBTNode20_Class* node) {
    std::vector<std::u16string> names;
    for (int i = 0; i < node->ChildNodes().Count(); ++i) names.push_back(node->ChildNodes().GetItems(i)->NodeName());
    return names;
}

TEST_F(SkinPictureTest, DocumentNodesOfFullAndEmptyPictures) {
    TBTDOC20 doc;
    TSkinPicture full;
    ui::MemoryStream stream(OpaqueImage(3, 2));
    full.LoadFromStream(stream);
    auto* fullNode = doc.TopNode()->AddChildNode_Class(u"a");
    full.SaveToDocNode(fullNode);
    EXPECT_EQ(ChildNames(fullNode),
              (std::vector<std::u16string>{u"ImageName", u"GraphicType", u"GraphicData.Png", u"GIFFileData.Png"}));
    TSkinPicture empty;
    auto* emptyNode = doc.TopNode()->AddChildNode_Class(u"b");
    empty.SaveToDocNode(emptyNode);
    EXPECT_EQ(ChildNames(emptyNode), (std::vector<std::u16string>{u"ImageName", u"GIFFileData"}));

    TSkinPicture back;
    back.LoadFromDocNode(fullNode);
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(back.Height(), 2);
}

TEST_F(SkinPictureTest, DrawPictureDocumentRoundTripWithCaptions) {
    TDrawPicture picture(u"n", u"c", u"g");
    picture.SetImageIndex(3);
    picture.SetImageName(u"close");
    picture.SetFileName(u"logo.png");
    picture.SetResourceName(u"bg");
    picture.SetUrl(u"http://x/y.png");
    picture.SetPictureDrawType(TPictureDrawType::pdtResource);
    TBTDOC20 doc;
    auto* node = doc.TopNode()->AddChildNode_Class(u"p");
    picture.SaveToDocNode(node);
    EXPECT_EQ(node->Value(), u"TDrawPicture");
    const std::pair<std::u16string, std::u16string> captions[] = {{u"Name", u"名称"},
                                                                  {u"Caption", u"标题"},
                                                                  {u"Group", u"分组"},
                                                                  {u"PictureDrawType", u"绘制类型"},
                                                                  {u"ImageIndex", u"图片下标"},
                                                                  {u"FileName", u"图片文件名"},
                                                                  {u"ResourceName", u"图片资源名称"},
                                                                  {u"Url", u"图片链接"},
                                                                  {u"IsClipRound", u"是否剪裁成圆形"}};
    for (const auto& [name, caption] : captions) {
        TBTNode20* child = node->FindChildNodeByName(name);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->NodeCaption(), caption);
    }
    ui::MemoryStream bytes;
    doc.SaveToStream(bytes);
    bytes.Seek(0);
    TBTDOC20 loaded;
    loaded.LoadFromStream(bytes);
    TDrawPicture back;
    back.LoadFromDocNode(loaded.TopNode()->ChildNodes().GetItems(0)->ConvertNode_Class());
    EXPECT_EQ(back.ImageIndex(), 3);
    EXPECT_EQ(back.ImageName(), u"close");
    EXPECT_EQ(back.FileName(), u"logo.png");
    EXPECT_EQ(back.ResourceName(), u"bg");
    EXPECT_EQ(back.Url(), u"http://x/y.png");
    EXPECT_EQ(back.PictureDrawType(), TPictureDrawType::pdtResource);
    EXPECT_EQ(back.Name, u"");
}

TEST_F(SkinPictureTest, ResourcePictureIsFoundWithoutLetterCaseAndAMissingOneOnlyOnce) {
    graphics.resources.push_back({u"BG", OpaqueImage(5, 5)});
    TDrawPicture picture;
    picture.SetResourceName(u"bg");
    picture.SetPictureDrawType(TPictureDrawType::pdtResource);
    ASSERT_NE(picture.CurrentPicture(), nullptr);
    EXPECT_EQ(picture.CurrentPictureWidth(), 5);

    picture.SetResourceName(u"missing");
    EXPECT_EQ(picture.CurrentPicture(), nullptr);
    EXPECT_TRUE(picture.IsLoadedFromResource());
    graphics.resources.push_back({u"missing", OpaqueImage(2, 2)});
    EXPECT_EQ(picture.CurrentPicture(), nullptr);
}

TEST_F(SkinPictureTest, FileThatCannotBeReadDuringAPaintGivesNoPicture) {
    TDrawPicture picture;
    picture.SetFileName(WriteFile("bad.png", std::vector<std::byte>(16, std::byte{9})).u16string());
    picture.SetPictureDrawType(TPictureDrawType::pdtFile);
    TSkinPicture* current = picture.CurrentPicture();
    EXPECT_TRUE(current == nullptr || current->IsEmpty());
    picture.SetFileName(u"velnix_no_such_file.png");
    EXPECT_EQ(picture.CurrentPicture(), nullptr);
    // A stored name the system cannot convert (an unpaired surrogate) is only a file that is not there, for the
    // file and for the resource named after it.
    const std::u16string unconvertible = std::u16string(u"folder\\bad") + char16_t{0xD800} + u"@2x.png";
    picture.SetFileName(unconvertible);
    EXPECT_EQ(picture.CurrentPicture(), nullptr);
    graphics.resources.push_back({std::u16string(u"bad") + char16_t{0xD800} + u"_2x_png", OpaqueImage(3, 3)});
    TDrawPicture fromResource;
    fromResource.SetFileName(unconvertible);
    fromResource.SetPictureDrawType(TPictureDrawType::pdtResource);
    ASSERT_NE(fromResource.CurrentPicture(), nullptr);
    EXPECT_EQ(fromResource.CurrentPictureWidth(), 3);
}

TEST_F(SkinPictureTest, ReferencesForgetADestroyedTarget) {
    TDrawPicture picture;
    {
        TDrawPicture target;
        ui::MemoryStream stream(OpaqueImage(4, 4));
        target.LoadFromStream(stream);
        picture.SetRefDrawPicture(&target);
        picture.SetRefPicture(&target);
        EXPECT_EQ(picture.CurrentPictureWidth(), 4);
    }
    EXPECT_EQ(picture.RefDrawPicture(), nullptr);
    EXPECT_EQ(picture.RefPicture(), nullptr);
    EXPECT_EQ(picture.CurrentPicture(), nullptr);
}

TEST_F(SkinPictureTest, ASelfReferenceGivesNoPictureInsteadOfRecursing) {
    TDrawPicture picture;
    picture.SetRefDrawPicture(&picture);
    EXPECT_EQ(picture.CurrentPicture(), nullptr);
}

TEST(SkinPictureWithoutGraphics, StoredPictureWaitsForDrawingServices) {
    ui::SetGraphics(nullptr);
    TBTDOC20 doc;
    auto* node = doc.TopNode()->AddChildNode_Class(u"p");
    node->AddChildNode_WideString(u"GraphicType")->SetValue(u"Png");
    node->AddChildNode_Binary(u"GraphicData.Png")->Buffer() = ui::RecordingGraphics::EncodeTestImage(6, 3);
    TSkinPicture picture;
    EXPECT_TRUE(picture.LoadFromDocNode(node));
    EXPECT_EQ(picture.Bitmap(), nullptr);
    ui::RecordingGraphics graphics;
    ui::SetGraphics(&graphics);
    EXPECT_EQ(picture.Width(), 6);
    ui::SetGraphics(nullptr);
}

}  // namespace
}  // namespace skin
