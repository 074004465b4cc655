#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/picture_painter.h"
#include "ui/testing/recording_canvas.h"

namespace skin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct PainterFixture : ::testing::Test {
    ui::RecordingCanvas canvas;
    TDrawPictureParam param{u"DrawPictureParam", u"图片绘制参数"};

    std::vector<std::string> Paint(const ui::Bitmap& bitmap, const ui::RectF& controlRect,
                                   const PicturePlacement* placement = nullptr,
                                   ui::BitmapSampling sampling = ui::BitmapSampling::Linear) {
        canvas.calls.clear();
        PaintPicture(canvas, bitmap, param, controlRect, placement, sampling);
        return canvas.calls;
    }
};

TEST_F(PainterFixture, ANewParameterDrawsThePictureWholeAtItsNaturalSizeTopLeft) {
    const ui::MemoryBitmap logo(48, 48, 1);
    EXPECT_THAT(Paint(logo, {10, 10, 110, 110}), ElementsAre("DrawBitmap 48x48 0,0,48,48 -> 10,10,58,58 o=1"));
}

TEST_F(PainterFixture, AProgressTrackKeepsItsEndsAndStretchesItsMiddle) {
    const ui::MemoryBitmap track(20, 4, 1);
    param.SetIsStretch(true);
    param.SetStretchStyle(TPictureStretchStyle::issThreePartHorz);
    param.DrawAlpha = 51;
    EXPECT_THAT(Paint(track, {0, 0, 638, 4}, nullptr, ui::BitmapSampling::NearestNeighbor),
                ElementsAre("DrawBitmap 20x4 0,0,8,4 -> 0,0,8,4 o=0.2 fast",
                            "DrawBitmap 20x4 12,0,20,4 -> 630,0,638,4 o=0.2 fast",
                            "DrawBitmap 20x4 8,0,12,4 -> 8,0,630,4 o=0.2 fast"));
}

TEST_F(PainterFixture, TheParametersRectangleSettingAndFitPlaceThePicture) {
    const ui::MemoryBitmap logo(48, 48, 1);
    param.SetIsAutoFit(true);
    param.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);
    param.SetPictureVertAlign(TPictureVertAlign::pvaCenter);
    EXPECT_THAT(Paint(logo, {0, 0, 100, 30}), ElementsAre("DrawBitmap 48x48 0,0,48,48 -> 35,0,65,30 o=1"));
    // A pixel margin of 10 on every side shrinks the container first.
    TDrawRectSetting& r = param.DrawRectSetting();
    r.SetSizeType(TDPSizeType::dpstPixel);
    r.SetMargins(10, 10, 10, 10);
    r.SetEnabled(true);
    EXPECT_THAT(Paint(logo, {0, 0, 100, 50}), ElementsAre("DrawBitmap 48x48 0,0,48,48 -> 35,10,65,40 o=1"));
}

TEST_F(PainterFixture, APlacementGivenByTheCallerIsDrawnAsGiven) {
    const ui::MemoryBitmap picture(30, 20, 1);
    const PicturePlacement placement{{0, 0, 30, 20}, {5, 6, 25, 16}};
    EXPECT_THAT(Paint(picture, {0, 0, 100, 100}, &placement),
                ElementsAre("DrawBitmap 30x20 0,0,30,20 -> 5,6,25,16 o=1"));
}

TEST_F(PainterFixture, AnEmptyPictureOrAControlWithoutAreaDrawsNothing) {
    const ui::MemoryBitmap empty(0, 10, 1);
    const ui::MemoryBitmap picture(10, 10, 1);
    EXPECT_THAT(Paint(empty, {0, 0, 100, 100}), IsEmpty());
    EXPECT_THAT(Paint(picture, {0, 0, 0, 100}), IsEmpty());
    EXPECT_THAT(Paint(picture, {0, 0, 100, -1}), IsEmpty());
}

TEST_F(PainterFixture, ARotationEffectTurnsThePictureAboutItsOwnCentreAndRestoresTheMatrix) {
    const ui::MemoryBitmap logo(48, 48, 1);
    param.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);
    param.SetPictureVertAlign(TPictureVertAlign::pvaCenter);
    TDrawPictureParamEffect& over = param.DrawEffectSetting().MouseOverEffect();
    over.SetEffectTypes({TDPPEffectType::dppetRotateAngleChange});
    const ui::Matrix before = ui::Matrix::Translation(100, 50);
    canvas.SetMatrix(before);

    EXPECT_THAT(Paint(logo, {0, 0, 100, 100}), ElementsAre("DrawBitmap 48x48 0,0,48,48 -> 26,26,74,74 o=1"));
    param.SetStaticEffectStates({TDPEffectState::dpstMouseOver});
    // Turned by 90 degrees about (50, 50), the logo's centre (not about the control's origin), then moved by the
    // canvas's matrix: m = (0, 1, -1, 0, 100 + 50 + 50, 50 + 50 - 50).
    EXPECT_THAT(Paint(logo, {0, 0, 100, 100}),
                ElementsAre("SaveState 0", "SetMatrix 0,1,-1,0,200,50", "DrawBitmap 48x48 0,0,48,48 -> 26,26,74,74 o=1",
                            "RestoreState 0"));
    EXPECT_EQ(canvas.GetMatrix(), before);
}

}  // namespace
}  // namespace skin
