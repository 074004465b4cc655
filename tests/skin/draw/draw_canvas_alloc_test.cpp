#include <gtest/gtest.h>

#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "ui/graphics.h"
#include "tests/support/allocation_count.h"
#include "tests/support/null_canvas.h"
#include "ui/testing/recording_canvas.h"

namespace skin {
namespace {

using testing_support::NullCanvas;

TEST(DrawCanvasAllocationTest, WarmPaintsOfRectanglesAndTextsAllocateNothing) {
    ui::RecordingGraphics graphics;
    ui::SetGraphics(&graphics);
    NullCanvas frame;
    TFireMonkeyDrawCanvas canvas;

    TDrawRectParam bordered(u"R", u"r");
    bordered.SetIsFill(true);
    bordered.SetIsRound(true);
    bordered.SetBorderWidth(1);
    TDrawRectParam sides(u"S", u"s");
    sides.SetIsRound(true);
    sides.SetBorderWidth(2);
    sides.SetBorderEadges({TDRPBorderEadge::beTop, TDRPBorderEadge::beRight});
    TDrawRectParam hole(u"H", u"h");
    hole.SetIsFill(true);
    hole.IsClipRound = true;
    hole.ClipRoundRectSetting().SetEnabled(true);
    hole.ClipRoundRectSetting().SetMargins(10, 10, 10, 10);
    TDrawTextParam caption(u"T", u"t");
    caption.SetIsDrawVert(true);

    const auto paint = [&] {
        canvas.Prepare(frame);
        {
            const TDrawCanvasClip clip(canvas, {0, 0, 200, 100});
            canvas.DrawRect(bordered, {0, 0, 200, 40});
            canvas.DrawRect(sides, {0, 0, 200, 40});
            canvas.DrawRect(hole, {0, 0, 200, 40});
            canvas.DrawText(caption, u"Install", {0, 40, 20, 200});
        }
        canvas.UnPrepare();
    };
    const size_t cold = testing_support::AllocationCount();
    paint();
    EXPECT_GT(testing_support::AllocationCount() - cold, 0u)
        << "the first paint makes the text layout: the counter must see it";
    const int primitives = frame.primitives;
    const size_t before = testing_support::AllocationCount();
    for (int i = 0; i < 10; ++i) paint();
    EXPECT_EQ(testing_support::AllocationCount() - before, 0u);
    EXPECT_EQ(frame.primitives, primitives * 11);
    ui::SetGraphics(nullptr);
}

}  // namespace
}  // namespace skin
