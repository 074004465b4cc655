#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "graphics_test_support.h"
#include "skin/draw/buffer_bitmap.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "ui/graphics.h"

// The draw canvas on the Direct2D drawing services: what a skinned control's parameters paint, read back as
// pixels at 100 %, 150 % and 200 %.
namespace {

using namespace graphics_test;
using platform::win32::D2DFrame;

constexpr float kScales[] = {1.0f, 1.5f, 2.0f};
constexpr uint32_t kFill = 0xFF2060A0;
constexpr uint32_t kBorder = 0xFFFF0000;

class DrawCanvasPixels : public ::testing::Test {
protected:
    DrawCanvasPixels() { ui::SetGraphics(&Graphics()); }
    ~DrawCanvasPixels() override { ui::SetGraphics(nullptr); }

    // Paints through a draw canvas on a frame of 400 x 240 device pixels at the scale.
    std::unique_ptr<D2DFrame> Paint(float scale, const std::function<void(skin::TDrawCanvas&)>& draw) {
        auto frame = Graphics().CreateFrame(400, 240, scale);
        skin::TFireMonkeyDrawCanvas canvas;
        canvas.Prepare(frame->BeginPaint());
        draw(canvas);
        canvas.UnPrepare();
        EXPECT_TRUE(frame->EndPaint());
        return frame;
    }
};

// The device pixel holding the logical point.
uint32_t Px(const D2DFrame& frame, float scale, float x, float y) {
    return At(frame, static_cast<int>(std::floor(x * scale)), static_cast<int>(std::floor(y * scale)));
}

TEST_F(DrawCanvasPixels, BorderIsInsetByItsWidthAndTheFillSharesItsRectangle) {
    skin::TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.FillColor().SetColor(kFill);
    param.SetBorderWidth(2);
    param.BorderColor().SetColor(kBorder);
    for (const float s : kScales) {
        auto frame = Paint(s, [&](skin::TDrawCanvas& c) { c.DrawRect(param, {10, 10, 110, 50}); });
        const PaintedArea area = Painted(*frame, 0, 0, 300, 200);
        EXPECT_EQ(area.left, static_cast<int>(10 * s)) << s;
        EXPECT_EQ(area.top, static_cast<int>(10 * s)) << s;
        EXPECT_EQ(area.right, static_cast<int>(110 * s)) << s;
        EXPECT_EQ(area.bottom, static_cast<int>(50 * s)) << s;
        for (const auto [x, y] : {std::pair{10.5f, 30.0f}, {60.0f, 10.5f}, {109.5f, 30.0f}, {60.0f, 49.5f}}) {
            EXPECT_EQ(Px(*frame, s, x, y), kBorder) << s << " border at " << x << "," << y;
        }
        EXPECT_EQ(Px(*frame, s, 13, 13), kFill) << s;
        EXPECT_EQ(Px(*frame, s, 60, 30), kFill) << s;
    }
}

TEST_F(DrawCanvasPixels, OnlyTheChosenCornersAreRounded) {
    skin::TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.FillColor().SetColor(kFill);
    param.SetIsRound(true);
    param.SetRoundWidth(12);
    param.SetRoundHeight(12);
    param.SetRectCorners({skin::TDRPRectCorner::rcTopLeft, skin::TDRPRectCorner::rcBottomRight});
    for (const float s : kScales) {
        auto frame = Paint(s, [&](skin::TDrawCanvas& c) { c.DrawRect(param, {10, 10, 110, 50}); });
        EXPECT_EQ(Px(*frame, s, 10.5f, 10.5f), 0u) << s << " top left is rounded";
        EXPECT_EQ(Px(*frame, s, 109.5f, 49.5f), 0u) << s << " bottom right is rounded";
        EXPECT_EQ(Px(*frame, s, 109.5f, 10.5f), kFill) << s << " top right is square";
        EXPECT_EQ(Px(*frame, s, 10.5f, 49.5f), kFill) << s << " bottom left is square";
    }
}

TEST_F(DrawCanvasPixels, SideSelectiveOutlinesDrawOnlyTheirSides) {
    const struct {
        const char* name;
        bool round;
        skin::TDRPBorderEadges edges;
    } cases[] = {
        {"bottom, square", false, {skin::TDRPBorderEadge::beBottom}},
        {"bottom, rounded (a path)", true, {skin::TDRPBorderEadge::beBottom}},
        {"top and left, rounded (a path)", true, {skin::TDRPBorderEadge::beTop, skin::TDRPBorderEadge::beLeft}},
    };
    for (const auto& c : cases) {
        skin::TDrawRectParam param(u"P", u"p");
        param.SetBorderWidth(1);
        param.BorderColor().SetColor(kBorder);
        param.SetIsRound(c.round);
        param.SetRoundWidth(8);
        param.SetRoundHeight(8);
        param.SetBorderEadges(c.edges);
        for (const float s : kScales) {
            auto frame = Paint(s, [&](skin::TDrawCanvas& canvas) { canvas.DrawRect(param, {10, 10, 110, 50}); });
            const bool top = c.edges.Contains(skin::TDRPBorderEadge::beTop);
            const bool left = c.edges.Contains(skin::TDRPBorderEadge::beLeft);
            const bool bottom = c.edges.Contains(skin::TDRPBorderEadge::beBottom);
            EXPECT_EQ(A(Px(*frame, s, 60, 49.5f)) == 255, bottom) << c.name << " at " << s;
            EXPECT_EQ(A(Px(*frame, s, 60, 10.5f)) == 255, top) << c.name << " at " << s;
            EXPECT_EQ(A(Px(*frame, s, 10.5f, 30)) == 255, left) << c.name << " at " << s;
            EXPECT_EQ(A(Px(*frame, s, 109.5f, 30)), 0) << c.name << " at " << s << ": no right side";
            EXPECT_EQ(A(Px(*frame, s, 60, 30)), 0) << c.name << " at " << s << ": no fill";
            if (c.round && top && left) {
                EXPECT_EQ(A(Px(*frame, s, 10.5f, 10.5f)), 0) << c.name << " at " << s << ": the corner is round";
            }
        }
    }
}

TEST_F(DrawCanvasPixels, ClipRoundLeavesAHoleInTheFill) {
    skin::TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.FillColor().SetColor(kFill);
    param.IsClipRound = true;
    param.ClipRoundRectSetting().SetEnabled(true);
    param.ClipRoundRectSetting().SetSizeType(skin::TDPSizeType::dpstPixel);
    param.ClipRoundRectSetting().SetMargins(10, 10, 10, 10);
    for (const float s : kScales) {
        auto frame = Paint(s, [&](skin::TDrawCanvas& c) { c.DrawRect(param, {10, 10, 110, 70}); });
        EXPECT_EQ(Px(*frame, s, 15, 15), kFill) << s << " around the hole";
        EXPECT_EQ(Px(*frame, s, 60, 40), 0u) << s << " in the hole";
        // The hole is round: its corner stays filled.
        EXPECT_EQ(Px(*frame, s, 20.5f, 20.5f), kFill) << s << " the hole's corner";
    }
}

TEST_F(DrawCanvasPixels, ThinRectanglesAreSharpLinesAndInsideOutOnesDrawNothing) {
    skin::TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.FillColor().SetColor(kFill);
    skin::TDrawRectParam inverted(u"I", u"i");
    inverted.SetIsFill(true);
    inverted.DrawRectSetting().SetEnabled(true);
    inverted.DrawRectSetting().SetSizeType(skin::TDPSizeType::dpstPixel);
    inverted.DrawRectSetting().SetMargins(60, 0, 60, 0);
    for (const float s : {1.0f, 2.0f}) {
        auto frame = Paint(s, [&](skin::TDrawCanvas& c) {
            c.DrawRect(param, {10, 20.3f, 110, 21.3f});
            c.DrawRect(inverted, {10, 50, 110, 90});
        });
        const PaintedArea area = Painted(*frame, 0, 0, 300, 200);
        EXPECT_EQ(area.top, static_cast<int>(20 * s)) << s;
        EXPECT_EQ(area.bottom, static_cast<int>(21 * s)) << s;
        EXPECT_EQ(area.count, static_cast<int>(100 * s * s)) << s << " one whole row of logical pixels, nothing else";
        EXPECT_EQ(Px(*frame, s, 60, 20.5f), kFill) << s;
    }
}

TEST_F(DrawCanvasPixels, NestedClipsCutAndEachResetReturnsToTheOneBefore) {
    skin::TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.FillColor().SetColor(kFill);
    for (const float s : kScales) {
        auto frame = Paint(s, [&](skin::TDrawCanvas& c) {
            c.SetClip({0, 0, 100, 100});
            c.SetClip({50, 0, 150, 100});
            c.ResetClip();
            c.DrawRect(param, {0, 0, 200, 20});
            c.SetClip({0, 50, 10, 60});  // left set: the end of the paint lifts it
        });
        const PaintedArea area = Painted(*frame, 0, 0, 300, 200);
        EXPECT_EQ(area.left, 0) << s;
        EXPECT_EQ(area.right, static_cast<int>(100 * s)) << s;
    }
}

TEST_F(DrawCanvasPixels, TextIsAlignedInItsRectangleAndVerticalTextStacksItsCharacters) {
    skin::TDrawTextParam param(u"T", u"t");
    param.SetFontName(u"DejaVu Sans");
    param.SetFontSize(16);
    param.SetFontColor(0xFF000000);
    param.SetFontHorzAlign(skin::TFontHorzAlign::fhaCenter);
    param.SetFontVertAlign(skin::TFontVertAlign::fvaCenter);
    skin::TDrawTextParam vertical(u"V", u"v");
    vertical.SetFontName(u"DejaVu Sans");
    vertical.SetFontSize(16);
    vertical.SetIsDrawVert(true);
    for (const float s : kScales) {
        auto frame = Paint(s, [&](skin::TDrawCanvas& c) {
            c.DrawText(param, u"Install", {0, 0, 150, 40});
            c.DrawText(vertical, u"AB", {160, 0, 190, 100});
        });
        const PaintedArea text = Painted(*frame, 0, 0, static_cast<int>(150 * s), static_cast<int>(40 * s));
        ASSERT_GT(text.count, 0) << s;
        const float middleX = (text.left + text.right) / 2.0f / s;
        const float middleY = (text.top + text.bottom) / 2.0f / s;
        EXPECT_NEAR(middleX, 75, 3) << s;
        EXPECT_NEAR(middleY, 20, 4) << s;

        const PaintedArea letters = Painted(*frame, static_cast<int>(160 * s), 0, 400, 240);
        ASSERT_GT(letters.count, 0) << s;
        EXPECT_GT(letters.bottom - letters.top, 1.5f * (letters.right - letters.left)) << s << " two lines";

        // The measurement agrees with what was drawn.
        skin::TFireMonkeyDrawCanvas measuring;
        const skin::TTextDrawSize size =
            measuring.CalcTextDrawSize(param, u"Install", {0, 0, 150, 40}, skin::TCalcDrawSizeType::cdstBoth);
        EXPECT_NEAR(size.DrawWidth, (text.right - text.left) / s, 6) << s;
    }
}

TEST_F(DrawCanvasPixels, TheGlobalBufferBitmapMeasuresWithTheCurrentServices) {
    skin::TBufferBitmap& buffer = skin::GetGlobalAutoSizeBufferBitmap();
    ASSERT_NE(buffer.DrawCanvas(), nullptr);
    skin::TDrawTextParam param(u"T", u"t");
    param.SetFontName(u"DejaVu Sans");
    param.SetFontSize(16);
    const double width = buffer.DrawCanvas()->CalcTextDrawWidth(param, u"Install", {0, 0, 100, 100});
    EXPECT_GT(width, 30);
    EXPECT_EQ(width, std::ceil(width)) << "whole pixels at scale 1";
}

}  // namespace
