#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/draw_canvas_settings.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "skin/picture/draw_picture.h"
#include "skin/picture/draw_picture_list.h"
#include "skin/picture/skin_image_list.h"
#include "ui/testing/recording_canvas.h"

namespace skin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct PictureDrawingFixture : ::testing::Test {
    ui::RecordingCanvas frame;
    TFireMonkeyDrawCanvas canvas;
    TDrawPictureParam param{u"DrawPictureParam", u"图片绘制参数"};
    ui::MemoryBitmap track{20, 4, 1};

    PictureDrawingFixture() { canvas.Prepare(frame); }
    ~PictureDrawingFixture() override { DrawCanvasSettings().IsHighSpeedDrawBitmap = false; }
};

TEST_F(PictureDrawingFixture, DrawSkinPictureDrawsTheBitmapsPiecesOnThePaintsCanvas) {
    param.SetIsStretch(true);
    param.SetStretchStyle(TPictureStretchStyle::issThreePartHorz);
    EXPECT_TRUE(canvas.DrawSkinPicture(param, &track, {0, 0, 100, 4}));
    EXPECT_THAT(frame.calls,
                ElementsAre("DrawBitmap 20x4 0,0,8,4 -> 0,0,8,4 o=1", "DrawBitmap 20x4 12,0,20,4 -> 92,0,100,4 o=1",
                            "DrawBitmap 20x4 8,0,12,4 -> 8,0,92,4 o=1"));
}

TEST_F(PictureDrawingFixture, TheProcessWideHighSpeedSettingPicksNearestNeighbourSampling) {
    DrawCanvasSettings().IsHighSpeedDrawBitmap = true;
    param.DrawAlpha = 102;
    const PicturePlacement placement{{0, 0, 20, 4}, {1, 2, 41, 10}};
    EXPECT_TRUE(canvas.DrawSkinPicture(param, &track, {0, 0, 100, 100}, &placement));
    EXPECT_THAT(frame.calls, ElementsAre("DrawBitmap 20x4 0,0,20,4 -> 1,2,41,10 o=0.4 fast"));
}

TEST_F(PictureDrawingFixture, NoBitmapOrNoCanvasDrawsNothingAndIsNoError) {
    EXPECT_TRUE(canvas.DrawSkinPicture(param, nullptr, {0, 0, 100, 100}));
    canvas.UnPrepare();
    EXPECT_TRUE(canvas.DrawSkinPicture(param, &track, {0, 0, 100, 100}));
    EXPECT_THAT(frame.calls, IsEmpty());
}

TEST_F(PictureDrawingFixture, DrawPictureDrawsTheCurrentPictureAndFollowsTheStatesImageIndex) {
    // An image list of three entries 10, 20 and 30 pixels wide; the picture shows entry 0 and, while a mouse-over
    // effect with dppetImageIndexInc1 applies, entry 1.
    TSkinImageList list;
    for (int width : {10, 20, 30}) list.PictureList().Add()->SetBitmap(std::make_unique<ui::MemoryBitmap>(width, 5, 1));
    TDrawPicture picture;
    picture.SetSkinImageList(&list);
    picture.SetImageIndex(0);
    param.DrawEffectSetting().MouseOverEffect().SetEffectTypes({TDPPEffectType::dppetImageIndexInc1});
    param.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);

    EXPECT_TRUE(canvas.DrawPicture(param, &picture, {0, 0, 100, 50}));
    param.SetStaticEffectStates({TDPEffectState::dpstMouseOver});
    EXPECT_TRUE(canvas.DrawPicture(param, &picture, {0, 0, 100, 50}));
    EXPECT_EQ(picture.CurrentEffectImageIndex, 1);
    param.SetStaticEffectStates({});
    EXPECT_TRUE(canvas.DrawPicture(param, &picture, {0, 0, 100, 50}));
    EXPECT_EQ(picture.CurrentEffectImageIndex, -1);
    EXPECT_THAT(frame.calls,
                ElementsAre("DrawBitmap 10x5 0,0,10,5 -> 45,0,55,5 o=1", "DrawBitmap 20x5 0,0,20,5 -> 40,0,60,5 o=1",
                            "DrawBitmap 10x5 0,0,10,5 -> 45,0,55,5 o=1"));
}

TEST_F(PictureDrawingFixture, DrawPictureOfNoOrAnEmptyPictureOrNoAreaDrawsNothing) {
    TDrawPicture empty;
    TDrawPicture picture;
    picture.SetBitmap(std::make_unique<ui::MemoryBitmap>(10, 10, 1));
    EXPECT_TRUE(canvas.DrawPicture(param, nullptr, {0, 0, 100, 100}));
    EXPECT_TRUE(canvas.DrawPicture(param, &empty, {0, 0, 100, 100}));
    EXPECT_TRUE(canvas.DrawPicture(param, &picture, {0, 0, 0, 100}));
    EXPECT_THAT(frame.calls, IsEmpty());
}

}  // namespace
}  // namespace skin
