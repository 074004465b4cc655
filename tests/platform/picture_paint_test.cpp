// Pictures drawn by their parameters on Direct2D frames at 100, 150 and 200 %: striped test pictures show
// where every piece lands, in device pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "graphics_test_support.h"
#include "skin/draw/picture_painter.h"
#include "ui/bitmap.h"

namespace {

using namespace graphics_test;
using skin::TDrawPictureParam;
using skin::TPictureHorzAlign;
using skin::TPictureStretchStyle;
using skin::TPictureVertAlign;

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kYellow = 0xFFFFFF00;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kGray = 0xFF808080;
constexpr float kScales[] = {1.0f, 1.5f, 2.0f};

// A picture whose pixel (x, y) has the colour color(x, y).
std::unique_ptr<ui::Bitmap> Picture(int width, int height, const std::function<uint32_t(int, int)>& color) {
    auto picture = Graphics().CreateBitmap(width, height, 1);
    const ui::BitmapPixels px = picture->Map(ui::MapAccess::ReadWrite);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) px.At(x, y) = color(x, y);
    }
    picture->Unmap();
    return picture;
}

// Paints the picture by the parameter into the control rectangle on a fresh frame.
std::unique_ptr<platform::win32::D2DFrame> Paint(const ui::Bitmap& picture, const TDrawPictureParam& param,
                                                 const ui::RectF& control, float scale,
                                                 ui::BitmapSampling sampling = ui::BitmapSampling::NearestNeighbor) {
    auto frame = Graphics().CreateFrame(static_cast<int>(std::ceil(200 * scale)),
                                        static_cast<int>(std::ceil(120 * scale)), scale);
    ui::Canvas& canvas = frame->BeginPaint();
    skin::PaintPicture(canvas, picture, param, control, nullptr, sampling);
    EXPECT_TRUE(frame->EndPaint());
    return frame;
}

// Device pixel of a logical coordinate (inside the device pixel that covers it).
int Dev(float logical, float scale) { return static_cast<int>(std::floor(logical * scale)); }

TEST(PicturePaint, ThreePartEndsKeepTheirPixelsWhileTheMiddleStretches) {
    // 20 x 4: columns 0-7 red, 8-11 green, 12-19 blue; drawn 150 wide: the ends stay 8 logical pixels.
    auto track = Picture(20, 4, [](int x, int) { return x < 8 ? kRed : x < 12 ? kGreen : kBlue; });
    TDrawPictureParam param(u"P", u"p");
    param.SetIsStretch(true);
    param.SetStretchStyle(TPictureStretchStyle::issThreePartHorz);
    for (float s : kScales) {
        auto frame = Paint(*track, param, {10, 10, 160, 14}, s);
        const int y = Dev(12, s);
        EXPECT_EQ(At(*frame, Dev(10, s), y), kRed) << s;
        EXPECT_EQ(At(*frame, Dev(18, s) - 1, y), kRed) << s << " last column of the left end";
        EXPECT_EQ(At(*frame, Dev(18, s) + 1, y), kGreen) << s << " the middle starts after 8 pixels";
        EXPECT_EQ(At(*frame, Dev(85, s), y), kGreen) << s;
        EXPECT_EQ(At(*frame, Dev(152, s) - 2, y), kGreen) << s;
        EXPECT_EQ(At(*frame, Dev(152, s) + 1, y), kBlue) << s << " the right end starts 8 pixels before the edge";
        EXPECT_EQ(At(*frame, Dev(160, s) - 1, y), kBlue) << s;
        EXPECT_EQ(At(*frame, Dev(160, s) + 1, y), 0u) << s;
        EXPECT_EQ(At(*frame, Dev(9, s), y), 0u) << s;
    }
}

TEST(PicturePaint, NinePatchCornersStayExactAndEdgesStretchOneWay) {
    // 24 x 24 with 8-pixel margins: corners red, green, blue, yellow; edges gray; centre white.
    auto patch = Picture(24, 24, [](int x, int y) {
        const int col = x < 8 ? 0 : x < 16 ? 1 : 2;
        const int row = y < 8 ? 0 : y < 16 ? 1 : 2;
        if (col != 1 && row != 1) return row == 0 ? (col == 0 ? kRed : kGreen) : (col == 0 ? kBlue : kYellow);
        return col == 1 && row == 1 ? kWhite : kGray;
    });
    TDrawPictureParam param(u"P", u"p");
    param.SetIsStretch(true);
    param.SetStretchStyle(TPictureStretchStyle::issSquare);
    for (float s : kScales) {
        auto frame = Paint(*patch, param, {20, 10, 120, 70}, s);
        // Each corner covers exactly 8 x 8 logical pixels.
        const struct {
            float x, y;
            uint32_t color;
        } corners[] = {{20, 10, kRed}, {112, 10, kGreen}, {20, 62, kBlue}, {112, 62, kYellow}};
        for (const auto& c : corners) {
            EXPECT_EQ(At(*frame, Dev(c.x, s), Dev(c.y, s)), c.color) << s;
            EXPECT_EQ(At(*frame, Dev(c.x + 8, s) - 1, Dev(c.y + 8, s) - 1), c.color) << s;
        }
        EXPECT_EQ(At(*frame, Dev(28, s) + 1, Dev(10, s)), kGray) << s << " top edge right of the corner";
        EXPECT_EQ(At(*frame, Dev(20, s), Dev(18, s) + 1), kGray) << s << " left edge below the corner";
        EXPECT_EQ(At(*frame, Dev(70, s), Dev(40, s)), kWhite) << s;
        EXPECT_EQ(At(*frame, Dev(120, s), Dev(40, s)), 0u) << s;
    }
}

TEST(PicturePaint, FitAndAlignmentPlaceThePicture) {
    auto logo = Picture(48, 48, [](int, int) { return kRed; });
    TDrawPictureParam param(u"P", u"p");
    param.SetIsAutoFit(true);
    param.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);
    param.SetPictureVertAlign(TPictureVertAlign::pvaCenter);
    for (float s : kScales) {
        // Shrunk to 30 x 30 and centred in 100 x 30 at (10, 10): at (45, 10).
        auto frame = Paint(*logo, param, {10, 10, 110, 40}, s);
        const PaintedArea area = Painted(*frame, 0, 0, frame->Width(), frame->Height());
        EXPECT_EQ(area.left, Dev(45, s)) << s;
        EXPECT_EQ(area.top, Dev(10, s)) << s;
        EXPECT_EQ(area.right, Dev(75, s)) << s;
        EXPECT_EQ(area.bottom, Dev(40, s)) << s;
    }
    param.SetIsAutoFit(false);
    param.SetPictureHorzAlign(TPictureHorzAlign::phaRight);
    param.SetPictureVertAlign(TPictureVertAlign::pvaBottom);
    auto frame = Paint(*logo, param, {10, 10, 110, 110}, 1.5f);
    const PaintedArea area = Painted(*frame, 0, 0, frame->Width(), frame->Height());
    EXPECT_EQ(area.left, Dev(62, 1.5f));
    EXPECT_EQ(area.top, Dev(62, 1.5f));
    EXPECT_EQ(area.right, Dev(110, 1.5f));
    EXPECT_EQ(area.bottom, Dev(110, 1.5f));
}

TEST(PicturePaint, ARotationEffectTurnsThePictureAboutItsOwnCentre) {
    // 40 x 20, left half red, right half blue, centred in 100 x 100 at (20, 10): (50, 50)-(90, 70).
    auto picture = Picture(40, 20, [](int x, int) { return x < 20 ? kRed : kBlue; });
    TDrawPictureParam param(u"P", u"p");
    param.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);
    param.SetPictureVertAlign(TPictureVertAlign::pvaCenter);
    param.DrawEffectSetting().MouseOverEffect().SetEffectTypes({skin::TDPPEffectType::dppetRotateAngleChange});
    param.SetStaticEffectStates({skin::TDPEffectState::dpstMouseOver});
    for (float s : kScales) {
        auto frame = Paint(*picture, param, {20, 10, 120, 110}, s);
        // Turned a quarter clockwise about (70, 60): it stands at (60, 40)-(80, 80), red on top.
        const PaintedArea area = Painted(*frame, 0, 0, frame->Width(), frame->Height());
        EXPECT_EQ(area.left, Dev(60, s)) << s;
        EXPECT_EQ(area.top, Dev(40, s)) << s;
        EXPECT_EQ(area.right, Dev(80, s)) << s;
        EXPECT_EQ(area.bottom, Dev(80, s)) << s;
        EXPECT_EQ(At(*frame, Dev(70, s), Dev(45, s)), kRed) << s;
        EXPECT_EQ(At(*frame, Dev(70, s), Dev(75, s)), kBlue) << s;
    }
}

TEST(PicturePaint, DrawAlphaGivesTheOpacity) {
    auto picture = Picture(10, 10, [](int, int) { return kWhite; });
    TDrawPictureParam param(u"P", u"p");
    param.DrawAlpha = 128;
    auto frame = Paint(*picture, param, {0, 0, 100, 100}, 1.5f, ui::BitmapSampling::Linear);
    EXPECT_PRED3(Near, At(*frame, 5, 5), 0x80808080u, 1) << Hex(At(*frame, 5, 5));
}

}  // namespace
