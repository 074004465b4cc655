#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "ui/graphics.h"
#include "ui/testing/recording_canvas.h"

// Every allocation of the executable is counted.
namespace {
size_t allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace skin {
namespace {

// A canvas that draws nothing and keeps nothing, so that only the draw canvas's own allocations count.
class NullCanvas : public ui::Canvas {
public:
    StateId SaveState() override { return depth_++; }
    void RestoreState(StateId state) override { depth_ = state; }
    void IntersectClipRect(const ui::RectF&) override {}
    ui::Matrix GetMatrix() const override { return {}; }
    void SetMatrix(const ui::Matrix&) override {}
    float Scale() const override { return 1.5f; }
    bool BeginScene() override { return true; }
    void EndScene() override {}
    void FillRect(const ui::RectF&, float, float, unsigned, float) override { ++primitives; }
    void DrawRect(const ui::RectF&, float, float, unsigned, float) override { ++primitives; }
    void DrawRectSides(const ui::RectF&, unsigned, float) override { ++primitives; }
    void FillPath(const ui::PathData&, float, ui::FillRule) override { ++primitives; }
    void DrawPath(const ui::PathData&, float) override { ++primitives; }
    void DrawLine(ui::PointF, ui::PointF, float) override { ++primitives; }
    void DrawBitmap(const ui::Bitmap&, const ui::RectF&, const ui::RectF&, float, ui::BitmapSampling) override {}
    void FillText(const ui::RectF&, std::u16string_view, ui::TextWrap, float, ui::TextAlign, ui::TextAlign) override {}
    float TextWidth(std::u16string_view) override { return 0; }
    float TextHeight(std::u16string_view) override { return 0; }

    int primitives = 0;

private:
    StateId depth_ = 0;
};

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
    const size_t cold = allocations;
    paint();
    EXPECT_GT(allocations - cold, 0u) << "the first paint makes the text layout: the counter must see it";
    const int primitives = frame.primitives;
    const size_t before = allocations;
    for (int i = 0; i < 10; ++i) paint();
    EXPECT_EQ(allocations - before, 0u);
    EXPECT_EQ(frame.primitives, primitives * 11);
    ui::SetGraphics(nullptr);
}

}  // namespace
}  // namespace skin
