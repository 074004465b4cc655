#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
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

// A canvas that keeps nothing, so that only the picture drawing's own allocations count.
class CountingCanvas : public ui::Canvas {
public:
    StateId SaveState() override { return depth_++; }
    void RestoreState(StateId state) override { depth_ = state; }
    void IntersectClipRect(const ui::RectF&) override {}
    ui::Matrix GetMatrix() const override { return matrix_; }
    void SetMatrix(const ui::Matrix& matrix) override { matrix_ = matrix; }
    float Scale() const override { return 1.5f; }
    bool BeginScene() override { return true; }
    void EndScene() override {}
    void FillRect(const ui::RectF&, float, float, unsigned, float) override {}
    void DrawRect(const ui::RectF&, float, float, unsigned, float) override {}
    void DrawRectSides(const ui::RectF&, unsigned, float) override {}
    void FillPath(const ui::PathData&, float, ui::FillRule) override {}
    void DrawPath(const ui::PathData&, float) override {}
    void DrawLine(ui::PointF, ui::PointF, float) override {}
    void DrawBitmap(const ui::Bitmap&, const ui::RectF&, const ui::RectF&, float, ui::BitmapSampling) override {
        ++bitmaps;
    }
    void FillText(const ui::RectF&, std::u16string_view, ui::TextWrap, float, ui::TextAlign, ui::TextAlign) override {}
    float TextWidth(std::u16string_view) override { return 0; }
    float TextHeight(std::u16string_view) override { return 0; }

    int bitmaps = 0;

private:
    StateId depth_ = 0;
    ui::Matrix matrix_;
};

TEST(PictureDrawingAllocationTest, WarmDrawsOfNinePatchThreePartFittedAndTurnedPicturesAllocateNothing) {
    CountingCanvas frame;
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
    const size_t before = allocations;
    paint();
    EXPECT_EQ(allocations - before, 0u);
    EXPECT_EQ(frame.bitmaps, 2 * (9 + 3 + 1));
}

}  // namespace
}  // namespace skin
