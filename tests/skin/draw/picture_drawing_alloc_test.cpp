#include <gtest/gtest.h>

#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "tests/support/allocation_count.h"
#include "tests/support/null_canvas.h"
#include "ui/testing/recording_canvas.h"

namespace skin {
namespace {

using testing_support::NullCanvas;

TEST(PictureDrawingAllocationTest, WarmDrawsOfNinePatchThreePartFittedAndTurnedPicturesAllocateNothing) {
    NullCanvas frame;
    TFireMonkeyDrawCanvas canvas;
    const ui::MemoryBitmap picture(32, 32, 1);
    TDrawPictureParam ninePatch(u"A", u"a");
    ninePatch.SetIsStretch(true);
    ninePatch.SetStretchStyle(TPictureStretchStyle::issSquare);
    TDrawPictureParam threePart(u"B", u"b");
    threePart.SetIsStretch(true);
    threePart.SetStretchStyle(TPictureStretchStyle::issThreePartHorzPro);
    TDrawPictureParam fitted(u"C", u"c");
    fitted.SetIsAutoFit(true);
    fitted.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);
    fitted.DrawEffectSetting().MouseOverEffect().SetEffectTypes({TDPPEffectType::dppetRotateAngleChange});
    fitted.SetStaticEffectStates({TDPEffectState::dpstMouseOver});

    auto paint = [&] {
        canvas.Prepare(frame);
        canvas.DrawSkinPicture(ninePatch, &picture, {0, 0, 320, 60});
        canvas.DrawSkinPicture(threePart, &picture, {0, 0, 320, 60});
        canvas.DrawSkinPicture(fitted, &picture, {0, 0, 20, 20});
        canvas.UnPrepare();
    };
    paint();
    const size_t before = testing_support::AllocationCount();
    paint();
    EXPECT_EQ(testing_support::AllocationCount() - before, 0u);
    EXPECT_EQ(frame.bitmaps, 2 * (9 + 3 + 1));
}

}  // namespace
}  // namespace skin
