#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "graphics_test_support.h"
#include "platform/win32/graphics/program_resource.h"
#include "platform/win32/graphics/wic_codec.h"
#include "ui/stream.h"

namespace {

using namespace graphics_test;

TEST(WicCodec, PngRoundTripKeepsPremultipliedPixels) {
    const uint32_t colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000,
                                0x80800000, 0x40102030, 0xFF2F2F2F, 0xFFFFFFFF};
    auto bitmap = Graphics().CreateBitmap(4, 2, 1);
    ui::BitmapPixels pixels = bitmap->Map(ui::MapAccess::ReadWrite);
    for (int i = 0; i < 8; ++i) pixels.At(i % 4, i / 4) = colours[i];
    bitmap->Unmap();

    ui::MemoryStream png;
    bitmap->SaveToPng(png);
    ASSERT_GT(png.Size(), 8u);
    EXPECT_EQ(std::to_integer<int>(png.Bytes()[1]), 'P');

    auto decoded = Graphics().DecodeBitmap(png.Bytes());
    ASSERT_NE(decoded, nullptr);
    ASSERT_EQ(decoded->Width(), 4);
    ASSERT_EQ(decoded->Height(), 2);
    pixels = decoded->Map(ui::MapAccess::Read);
    for (int i = 0; i < 8; ++i) {
        // Straight alpha in the file: half-transparent colours may move by one step.
        EXPECT_PRED3(Near, pixels.At(i % 4, i / 4), colours[i], 1) << i << ": " << Hex(pixels.At(i % 4, i / 4));
    }
    decoded->Unmap();
}

TEST(WicCodec, DecodesBmpGifJpegAndPngFromResources) {
    struct Case {
        const char16_t* resource;
        int width;
        int height;
        int tolerance;
    };
    const Case cases[] = {{u"QUAD_BMP", 4, 4, 0}, {u"QUAD_GIF", 4, 4, 0}, {u"quad_jpg", 16, 16, 8}};
    for (const Case& c : cases) {
        auto bitmap = Graphics().LoadBitmapFromResource(c.resource);
        ASSERT_NE(bitmap, nullptr);
        ASSERT_EQ(bitmap->Width(), c.width);
        ASSERT_EQ(bitmap->Height(), c.height);
        EXPECT_EQ(bitmap->BitmapScale(), 1.0f);
        const ui::BitmapPixels pixels = bitmap->Map(ui::MapAccess::Read);
        const int w = c.width, h = c.height;
        EXPECT_PRED3(Near, pixels.At(0, 0), 0xFFFF0000u, c.tolerance) << Hex(pixels.At(0, 0));
        EXPECT_PRED3(Near, pixels.At(w - 1, 0), 0xFF00FF00u, c.tolerance) << Hex(pixels.At(w - 1, 0));
        EXPECT_PRED3(Near, pixels.At(0, h - 1), 0xFF0000FFu, c.tolerance) << Hex(pixels.At(0, h - 1));
        EXPECT_PRED3(Near, pixels.At(w - 1, h - 1), 0xFFFFFFFFu, c.tolerance) << Hex(pixels.At(w - 1, h - 1));
        bitmap->Unmap();
    }
}

TEST(WicCodec, ResourcePicturesAreFoundByNameInAnyCase) {
    for (const char16_t* name : {u"bg", u"BG", u"Bg"}) {
        auto bitmap = Graphics().LoadBitmapFromResource(name);
        ASSERT_NE(bitmap, nullptr);
        ASSERT_EQ(bitmap->Width(), 2);
        const ui::BitmapPixels pixels = bitmap->Map(ui::MapAccess::Read);
        // Red at alpha 128 comes out premultiplied.
        EXPECT_PRED3(Near, pixels.At(0, 0), 0x80800000u, 1) << Hex(pixels.At(0, 0));
        EXPECT_EQ(pixels.At(1, 0), 0xFF0000FFu);
        bitmap->Unmap();
    }
    EXPECT_EQ(Graphics().LoadBitmapFromResource(u"no such picture"), nullptr);
    EXPECT_EQ(Graphics().LoadBitmapFromResource(u""), nullptr);
    EXPECT_TRUE(platform::win32::FindProgramResource(u"nope").empty());
}

TEST(WicCodec, RawResourceDataIsFoundByNameInAnyCase) {
    const std::optional<std::vector<std::byte>> gif = Graphics().LoadResourceData(u"quad_Gif");
    ASSERT_TRUE(gif.has_value());
    ASSERT_GE(gif->size(), 6u);
    EXPECT_EQ(std::to_integer<char>((*gif)[0]), 'G');
    EXPECT_EQ(gif->size(), platform::win32::FindProgramResource(u"QUAD_GIF").size());
    EXPECT_FALSE(Graphics().LoadResourceData(u"no such data").has_value());
}

TEST(WicCodec, GifFramesComeWithTheirPlaceDelayAndDisposal) {
    const std::span<const std::byte> gif = platform::win32::FindProgramResource(u"ANIM_GIF");
    ASSERT_FALSE(gif.empty());
    std::optional<ui::ImageFrames> frames = Graphics().DecodeFrames(gif);
    ASSERT_TRUE(frames.has_value());
    EXPECT_EQ(frames->width, 4);
    EXPECT_EQ(frames->height, 4);
    struct Expect {
        int left, top, width, height, delayMs;
        ui::FrameDisposal disposal;
        uint32_t color;
    };
    const Expect expected[] = {{0, 0, 4, 4, 100, ui::FrameDisposal::Keep, 0xFFFF0000},
                               {2, 2, 2, 2, 200, ui::FrameDisposal::Background, 0xFF00FF00},
                               {0, 0, 1, 1, 50, ui::FrameDisposal::Keep, 0xFF0000FF}};
    ASSERT_EQ(frames->frames.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const ui::ImageFrame& frame = frames->frames[i];
        const Expect& e = expected[i];
        EXPECT_EQ(frame.left, e.left) << i;
        EXPECT_EQ(frame.top, e.top) << i;
        EXPECT_EQ(frame.delayMs, e.delayMs) << i;
        EXPECT_EQ(frame.disposal, e.disposal) << i;
        ASSERT_NE(frame.bitmap, nullptr);
        ASSERT_EQ(frame.bitmap->Width(), e.width) << i;
        ASSERT_EQ(frame.bitmap->Height(), e.height) << i;
        EXPECT_EQ(frame.bitmap->Map(ui::MapAccess::Read).At(0, 0), e.color) << i;
        frame.bitmap->Unmap();
    }
    // A still picture has no frames to play.
    EXPECT_FALSE(Graphics().DecodeFrames(platform::win32::FindProgramResource(u"QUAD_BMP")).has_value());
    const std::byte garbage[] = {std::byte{'G'}, std::byte{'I'}, std::byte{'F'}, std::byte{'8'}};
    EXPECT_FALSE(Graphics().DecodeFrames(garbage).has_value());
}

TEST(WicCodec, BitmapsFromPixelsAndCopiesHoldTheSamePixels) {
    // 3 x 2 pixels in rows of 4 words: the fourth word of each row is not part of the picture.
    uint32_t words[] = {0xFFFF0000, 0xFF00FF00, 0x80000080, 0x12345678, 0xFFFFFFFF, 0x00000000, 0xFF0000FF, 0x12345678};
    const ui::BitmapPixels source{words, 3, 2, 4};
    auto bitmap = Graphics().CreateBitmapFromPixels(source, 1.5f);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 3);
    EXPECT_EQ(bitmap->Height(), 2);
    EXPECT_EQ(bitmap->BitmapScale(), 1.5f);
    // What the bitmap's canvas draws is part of the copy.
    ui::Canvas& canvas = bitmap->GetCanvas();
    ASSERT_TRUE(canvas.BeginScene());
    canvas.Fill() = {ui::BrushKind::Solid, 0xFF204060, {}};
    canvas.FillRect({0, 0, 1 / 1.5f, 1 / 1.5f}, 0, 0, ui::kCornersAll, 1);
    canvas.EndScene();
    auto copy = Graphics().CopyBitmap(*bitmap);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BitmapScale(), 1.5f);
    for (ui::Bitmap* b : {bitmap.get(), copy.get()}) {
        const ui::BitmapPixels px = b->Map(ui::MapAccess::Read);
        EXPECT_EQ(px.At(0, 0), 0xFF204060u);
        for (int i = 1; i < 6; ++i) EXPECT_EQ(px.At(i % 3, i / 3), words[(i / 3) * 4 + i % 3]) << i;
        b->Unmap();
    }
    // The copy is a bitmap of its own.
    ui::BitmapPixels px = copy->Map(ui::MapAccess::ReadWrite);
    px.At(1, 0) = 0;
    copy->Unmap();
    EXPECT_EQ(bitmap->Map(ui::MapAccess::Read).At(1, 0), 0xFF00FF00u);
    bitmap->Unmap();
    EXPECT_EQ(Graphics().CreateBitmapFromPixels({}, 1)->Width(), 0);
}

TEST(WicCodec, LoadsFilesAndRefusesWhatIsNoImage) {
    const std::span<const std::byte> gif = platform::win32::FindProgramResource(u"QUAD_GIF");
    ASSERT_FALSE(gif.empty());
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / L"velnix graphics test \u00e9";
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / L"quad %&.gif";
    {
        std::FILE* out = _wfopen(file.c_str(), L"wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(gif.data(), 1, gif.size(), out);
        std::fclose(out);
    }
    auto bitmap = Graphics().LoadBitmapFromFile(file);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 4);
    EXPECT_EQ(Graphics().LoadBitmapFromFile(dir / L"missing.png"), nullptr);
    std::filesystem::remove_all(dir);

    const std::byte garbage[] = {std::byte{'n'}, std::byte{'o'}, std::byte{'p'}, std::byte{'e'}};
    EXPECT_EQ(Graphics().DecodeBitmap(garbage), nullptr);
    EXPECT_EQ(Graphics().DecodeBitmap({}), nullptr);
    // A PNG cut short is no image either.
    ui::MemoryStream png;
    Graphics().CreateBitmap(8, 8, 1)->SaveToPng(png);
    EXPECT_EQ(Graphics().DecodeBitmap(std::span(png.Bytes()).first(png.Bytes().size() / 2)), nullptr);
}

TEST(WicCodec, EmptyBitmapHasNoPixelsAndNoScene) {
    auto empty = Graphics().CreateBitmap(0, 10, 1);
    EXPECT_EQ(empty->Width(), 0);
    EXPECT_EQ(empty->Height(), 0);
    EXPECT_EQ(empty->Map(ui::MapAccess::Read).data, nullptr);
    empty->Unmap();
    EXPECT_FALSE(empty->GetCanvas().BeginScene());
    // Drawing it draws nothing.
    auto frame = Graphics().CreateFrame(10, 10, 1);
    frame->BeginPaint().DrawBitmap(*empty, {0, 0, 1, 1}, {0, 0, 10, 10}, 1, ui::BitmapSampling::Linear);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(Painted(*frame, 0, 0, 10, 10).count, 0);
}

TEST(WicCodec, FrameSavesAsPng) {
    auto frame = Graphics().CreateFrame(3, 2, 1);
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.Fill().color = 0xFF405060;
    canvas.FillRect({0, 0, 1, 1}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());
    ui::MemoryStream png;
    frame->SaveToPng(png);
    auto decoded = Graphics().DecodeBitmap(png.Bytes());
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->Width(), 3);
    EXPECT_EQ(decoded->Map(ui::MapAccess::Read).At(0, 0), 0xFF405060u);
    EXPECT_EQ(decoded->Map(ui::MapAccess::Read).At(2, 1), 0u);
    decoded->Unmap();
}

}  // namespace
