#include "ui/testing/recording_canvas.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(RecordingCanvasTest, SaveRestoreReturnsToTheSavedClipAndTransform) {
    RecordingCanvas canvas;
    const Canvas::StateId outer = canvas.SaveState();
    canvas.IntersectClipRect({10, 10, 100, 100});
    canvas.SetMatrix(Matrix::Translation(5, 5));
    const Canvas::StateId inner = canvas.SaveState();
    canvas.IntersectClipRect({0, 0, 50, 200});
    EXPECT_EQ(canvas.clip, (RectF{10, 10, 55, 100}));
    canvas.RestoreState(inner);
    EXPECT_EQ(canvas.clip, (RectF{10, 10, 100, 100}));
    canvas.RestoreState(outer);
    EXPECT_EQ(canvas.GetMatrix(), Matrix());
    EXPECT_GT(canvas.clip.right, 1e8f);
}

TEST(RecordingCanvasTest, WritesOneLinePerPrimitiveWithTheBrushes) {
    RecordingCanvas canvas;
    canvas.Fill().color = 0xFF2F2F2F;
    canvas.FillRect({0, 0, 100, 40}, 50, 20, kCornersAll, 1);
    canvas.Stroke() = {0x80FFFFFF, 2, DashStyle::Dash};
    canvas.DrawLine({0, 0.5f}, {10, 0.5f}, 0.5f);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0], "FillRect 0,0,100,40 r=50,20 c=15 o=1 fill=solid:FF2F2F2F");
    EXPECT_EQ(canvas.calls[1], "DrawLine 0,0.5 10,0.5 o=0.5 stroke=80FFFFFF w=2 dash");
}

TEST(RecordingGraphicsTest, TextMetricsAndTestImages) {
    RecordingGraphics graphics;
    auto layout = graphics.CreateTextLayout();
    layout->BeginUpdate();
    layout->Edit().text = u"ab\r\nabcd";
    layout->Edit().font.size = 10;
    layout->EndUpdate();
    EXPECT_FLOAT_EQ(layout->TextWidth(), 20);
    EXPECT_FLOAT_EQ(layout->TextHeight(), 25);

    auto bitmap = graphics.DecodeBitmap(RecordingGraphics::EncodeTestImage(300, 78));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 300);
    EXPECT_EQ(bitmap->Height(), 78);
    EXPECT_EQ(graphics.DecodeBitmap(std::as_bytes(std::span("PNG", 3))), nullptr);
}

}  // namespace
}  // namespace ui
