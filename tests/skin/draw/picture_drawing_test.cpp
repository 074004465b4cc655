#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/draw_canvas_settings.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
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

}  // namespace
}  // namespace skin
