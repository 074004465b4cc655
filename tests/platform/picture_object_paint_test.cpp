// Picture objects drawn on Direct2D frames: the state's effect choosing another image-list entry by index or by
// name, and an animated GIF played by its picture's engine, read back as pixels at 100, 150 and 200 %.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "graphics_test_support.h"
#include "skin/draw/draw_canvas_settings.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "skin/picture/draw_picture.h"
#include "skin/picture/skin_image_list.h"
#include "skin/picture/skin_picture.h"
#include "skin/picture/skin_picture_engine.h"
#include "ui/animation_timer.h"
#include "ui/graphics.h"
#include "ui/testing/manual_animation_clock.h"

namespace {

using namespace graphics_test;
using platform::win32::D2DFrame;
using skin::TDPEffectState;
using skin::TDPPEffectType;

constexpr float kScales[] = {1.0f, 1.5f, 2.0f};
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;

class PictureObjectPaint : public ::testing::Test {
protected:
    PictureObjectPaint() {
        ui::SetGraphics(&Graphics());
        ui::SharedAnimationTimer().SetClock(&clock);
        skin::DrawCanvasSettings().IsHighSpeedDrawBitmap = true;
    }
    ~PictureObjectPaint() override {
        skin::DrawCanvasSettings().IsHighSpeedDrawBitmap = false;
        ui::SharedAnimationTimer().SetClock(nullptr);
        ui::SetGraphics(nullptr);
    }

    // Paints through a draw canvas on a frame of 200 x 120 device pixels at the scale (100 x 60 logical pixels at
    // 200 %).
    std::unique_ptr<D2DFrame> Paint(float scale, const std::function<void(skin::TDrawCanvas&)>& draw) {
        auto frame = Graphics().CreateFrame(200, 120, scale);
        skin::TFireMonkeyDrawCanvas canvas;
        canvas.Prepare(frame->BeginPaint());
        draw(canvas);
        canvas.UnPrepare();
        EXPECT_TRUE(frame->EndPaint());
        return frame;
    }

    ui::ManualAnimationClock clock;
};

// The device pixel holding the logical point.
uint32_t Px(const D2DFrame& frame, float scale, float x, float y) {
    return At(frame, static_cast<int>(std::floor(x * scale)), static_cast<int>(std::floor(y * scale)));
}

std::unique_ptr<ui::Bitmap> Solid(int width, int height, uint32_t color) {
    auto bitmap = Graphics().CreateBitmap(width, height, 1);
    const ui::BitmapPixels px = bitmap->Map(ui::MapAccess::ReadWrite);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) px.At(x, y) = color;
    bitmap->Unmap();
    return bitmap;
}

TEST_F(PictureObjectPaint, TheStatesEffectDrawsAnotherImageListEntryByIndexOrByName) {
    // Entries 0 red, 1 green, 2 blue (named so). One picture shows entry 0 by index, the other "red" by name.
    // Mouse-over steps to the next entry (for the picture found by name there is no index to step from);
    // mouse-down names "blue", which only the picture found by name looks up (an index is tried first).
    skin::TSkinImageList list;
    const std::pair<const char16_t*, uint32_t> entries[] = {{u"red", kRed}, {u"green", kGreen}, {u"blue", kBlue}};
    for (const auto& [name, color] : entries) {
        skin::TDrawPicture* entry = list.PictureList().Add();
        entry->SetBitmap(Solid(8, 8, color));
        entry->SetImageName(name);
    }
    skin::TDrawPicture byIndex;
    byIndex.SetSkinImageList(&list);
    byIndex.SetImageIndex(0);
    skin::TDrawPicture byName;
    byName.SetSkinImageList(&list);
    byName.SetImageName(u"red");
    skin::TDrawPictureParam param(u"P", u"p");
    param.SetIsStretch(true);
    param.DrawEffectSetting().MouseOverEffect().SetEffectTypes({TDPPEffectType::dppetImageIndexInc1});
    param.DrawEffectSetting().MouseDownEffect().SetEffectTypes({TDPPEffectType::dppetImageNameChange});
    param.DrawEffectSetting().MouseDownEffect().SetImageName(u"blue");

    struct Case {
        skin::TDPEffectStates states;
        uint32_t byIndex;
        uint32_t byName;
    };
    const Case cases[] = {{{}, kRed, kRed},
                          {{TDPEffectState::dpstMouseOver}, kGreen, kRed},
                          {{TDPEffectState::dpstMouseDown}, kRed, kBlue},
                          {{}, kRed, kRed}};
    for (float s : kScales) {
        for (const Case& c : cases) {
            param.SetStaticEffectStates(c.states);
            auto frame = Paint(s, [&](skin::TDrawCanvas& canvas) {
                canvas.DrawPicture(param, &byIndex, {10, 10, 40, 40});
                canvas.DrawPicture(param, &byName, {50, 10, 80, 40});
            });
            EXPECT_EQ(Px(*frame, s, 11, 11), c.byIndex) << s;
            EXPECT_EQ(Px(*frame, s, 39, 39), c.byIndex) << s;
            EXPECT_EQ(Px(*frame, s, 51, 11), c.byName) << s;
            EXPECT_EQ(Px(*frame, s, 79, 39), c.byName) << s;
            EXPECT_EQ(Px(*frame, s, 45, 25), 0u) << s;
            EXPECT_EQ(Px(*frame, s, 9, 9), 0u) << s;
            EXPECT_EQ(Px(*frame, s, 81, 41), 0u) << s;
        }
    }
}

TEST_F(PictureObjectPaint, AGIFPicturesEnginePlaysItsFramesAsTheyAreComposed) {
    // ANIM_GIF, 4 x 4: red everywhere (100 ms); green at (2, 2) 2 x 2 (200 ms, then cleared); blue at (0, 0)
    // 1 x 1 (50 ms).
    skin::TSkinPicture picture;
    picture.LoadFromResource(u"anim_gif");
    ASSERT_TRUE(picture.HasGIFStream());
    ASSERT_EQ(picture.Width(), 4);
    picture.SetGIFSupport(true);
    auto* engine = dynamic_cast<skin::TSkinBaseGIFPictureEngine*>(picture.SkinPictureEngine());
    ASSERT_NE(engine, nullptr);
    engine->SetAnimated(true);
    ASSERT_TRUE(engine->IsAnimating());

    skin::TDrawPictureParam param(u"P", u"p");
    param.SetIsStretch(true);
    struct Step {
        double seconds;
        uint32_t topLeft, topRight, bottomRight;
    };
    // Each quarter of the picture is 20 x 20 logical pixels in a 40 x 40 rectangle at (10, 10).
    const Step steps[] = {
        {0, kRed, kRed, kRed}, {0.15, kRed, kRed, kGreen}, {0.17, kBlue, kRed, 0u}, {0.06, kRed, kRed, kRed}};
    for (const Step& step : steps) {
        clock.Advance(step.seconds);
        for (float s : kScales) {
            auto frame = Paint(s, [&](skin::TDrawCanvas& canvas) {
                engine->DrawToCanvas(canvas, param, {10, 10, 50, 50});
            });
            EXPECT_EQ(Px(*frame, s, 12, 12), step.topLeft) << step.seconds << " at " << s;
            EXPECT_EQ(Px(*frame, s, 47, 12), step.topRight) << step.seconds << " at " << s;
            EXPECT_EQ(Px(*frame, s, 47, 47), step.bottomRight) << step.seconds << " at " << s;
        }
    }
}

}  // namespace
