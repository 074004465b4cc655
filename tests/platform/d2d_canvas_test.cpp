#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "graphics_test_support.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"

namespace {

using namespace graphics_test;
using platform::win32::D2DFrame;

std::unique_ptr<D2DFrame> Frame(int width = 100, int height = 100, float scale = 1) {
    return Graphics().CreateFrame(width, height, scale);
}

void Solid(ui::Canvas& canvas, ui::AlphaColor color) {
    canvas.Fill().kind = ui::BrushKind::Solid;
    canvas.Fill().color = color;
}

TEST(D2DCanvas, SolidFillWithOpacityGivesPremultipliedPixels) {
    struct Case {
        ui::AlphaColor color;
        float opacity;
        uint32_t expected;
    };
    const Case cases[] = {
        {0xFF2F2F2F, 1.0f, 0xFF2F2F2F},  // the window background, exact
        {0xFFFF0000, 0.5f, 0x80800000},  // opacity halves every premultiplied channel
        {0x80FFFFFF, 1.0f, 0x80808080},  // the colour's own alpha
        {0x80FFFFFF, 0.5f, 0x40404040},  // both multiply
        {0xFF00FF00, 0.0f, 0x00000000},
    };
    auto frame = Frame();
    for (const Case& c : cases) {
        ui::Canvas& canvas = frame->BeginPaint();
        Solid(canvas, c.color);
        canvas.FillRect({10, 10, 90, 90}, 0, 0, ui::kCornerNone, c.opacity);
        ASSERT_TRUE(frame->EndPaint());
        EXPECT_PRED3(Near, At(*frame, 50, 50), c.expected, 1)
            << Hex(c.color) << " at " << c.opacity << " gave " << Hex(At(*frame, 50, 50));
        EXPECT_EQ(At(*frame, 5, 5), 0u) << "outside the rectangle";
    }
}

TEST(D2DCanvas, BrushColourIsTakenPerPrimitive) {
    // One solid brush serves every primitive; each keeps the colour it was drawn with.
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    const ui::AlphaColor colors[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    for (int i = 0; i < 4; ++i) {
        Solid(canvas, colors[i]);
        canvas.FillRect({i * 25.0f, 0, i * 25.0f + 25, 100}, 0, 0, 0, 1);
    }
    ASSERT_TRUE(frame->EndPaint());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(At(*frame, i * 25 + 12, 50), colors[i]) << i;
}

TEST(D2DCanvas, RoundedCornersLeaveOnlyTheChosenCornersTransparent) {
    struct Case {
        unsigned corners;
    };
    const Case cases[] = {{ui::kCornersAll},        {ui::kCornerTopLeft},
                          {ui::kCornerTopRight},    {ui::kCornerBottomLeft},
                          {ui::kCornerBottomRight}, {ui::kCornerTopLeft | ui::kCornerBottomRight},
                          {ui::kCornerNone}};
    // Corner pixels of the rectangle (10,10)-(90,90) with radius 20.
    const struct {
        unsigned corner;
        int x, y;
    } probes[] = {{ui::kCornerTopLeft, 11, 11},
                  {ui::kCornerTopRight, 88, 11},
                  {ui::kCornerBottomLeft, 11, 88},
                  {ui::kCornerBottomRight, 88, 88}};
    auto frame = Frame();
    for (const Case& c : cases) {
        ui::Canvas& canvas = frame->BeginPaint();
        Solid(canvas, 0xFF3366CC);
        canvas.FillRect({10, 10, 90, 90}, 20, 20, c.corners, 1);
        ASSERT_TRUE(frame->EndPaint());
        for (const auto& probe : probes) {
            const bool rounded = c.corners & probe.corner;
            EXPECT_EQ(A(At(*frame, probe.x, probe.y)), rounded ? 0 : 255)
                << "corners " << c.corners << " probe " << probe.corner;
        }
        // Edges away from the corners are always painted.
        EXPECT_EQ(At(*frame, 50, 10), 0xFF3366CCu) << c.corners;
        EXPECT_EQ(At(*frame, 10, 50), 0xFF3366CCu) << c.corners;
        EXPECT_EQ(At(*frame, 50, 50), 0xFF3366CCu) << c.corners;
    }
}

TEST(D2DCanvas, RadiiLargerThanHalfTheSizeGiveAPill) {
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    Solid(canvas, 0xFFFFFFFF);
    canvas.FillRect({0, 40, 100, 60}, 500, 500, ui::kCornerTopLeft | ui::kCornerBottomLeft, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(A(At(*frame, 0, 40)), 0);  // radii limited to half the width and the height
    EXPECT_EQ(A(At(*frame, 10, 50)), 255);
    EXPECT_EQ(A(At(*frame, 99, 40)), 255);  // square corner
}

TEST(D2DCanvas, FillRuleDecidesWhetherTheInnerFigureIsAHole) {
    ui::PathData path;
    for (const float inset : {10.0f, 30.0f}) {  // two squares, both clockwise
        path.MoveTo({inset, inset});
        path.LineTo({100 - inset, inset});
        path.LineTo({100 - inset, 100 - inset});
        path.LineTo({inset, 100 - inset});
        path.ClosePath();
    }
    struct Case {
        ui::FillRule rule;
        bool centrePainted;
    };
    auto frame = Frame();
    for (const Case c : {Case{ui::FillRule::EvenOdd, false}, Case{ui::FillRule::NonZero, true}}) {
        ui::Canvas& canvas = frame->BeginPaint();
        Solid(canvas, 0xFFFF8000);
        canvas.FillPath(path, 1, c.rule);
        ASSERT_TRUE(frame->EndPaint());
        EXPECT_EQ(At(*frame, 50, 50), c.centrePainted ? 0xFFFF8000u : 0u);
        EXPECT_EQ(At(*frame, 20, 20), 0xFFFF8000u);
        EXPECT_EQ(At(*frame, 5, 5), 0u);
    }
}

TEST(D2DCanvas, CurvedPathAndOutlines) {
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    ui::PathData circle;  // a circle of radius 40 around (50,50) from four Bezier quarters
    const float k = 40 * 0.5522847f;
    circle.MoveTo({10, 50});
    circle.CurveTo({10, 50 - k}, {50 - k, 10}, {50, 10});
    circle.CurveTo({50 + k, 10}, {90, 50 - k}, {90, 50});
    circle.CurveTo({90, 50 + k}, {50 + k, 90}, {50, 90});
    circle.CurveTo({50 - k, 90}, {10, 50 + k}, {10, 50});
    circle.ClosePath();
    Solid(canvas, 0xFF00FF00);
    canvas.FillPath(circle, 1, ui::FillRule::NonZero);
    canvas.Stroke().color = 0xFFFF0000;
    canvas.Stroke().thickness = 2;
    canvas.DrawPath(circle, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 50, 50), 0xFF00FF00u);
    EXPECT_EQ(At(*frame, 12, 12), 0u);           // outside the circle, inside its bounds
    EXPECT_EQ(At(*frame, 50, 10), 0xFFFF0000u);  // on the outline
}

TEST(D2DCanvas, OutlinesFollowTheEdgesAndChosenSides) {
    struct Case {
        unsigned sides;
    };
    const struct {
        unsigned side;
        int x, y;
    } probes[] = {{ui::kSideLeft, 10, 50}, {ui::kSideTop, 50, 10}, {ui::kSideRight, 89, 50}, {ui::kSideBottom, 50, 89}};
    auto frame = Frame();
    for (const unsigned sides :
         {unsigned(ui::kSidesAll), unsigned(ui::kSideBottom), unsigned(ui::kSideLeft | ui::kSideTop),
          unsigned(ui::kSideLeft | ui::kSideRight), unsigned(ui::kSideTop | ui::kSideRight | ui::kSideBottom)}) {
        ui::Canvas& canvas = frame->BeginPaint();
        canvas.Stroke().color = 0xFFFFFFFF;
        canvas.Stroke().thickness = 1;
        canvas.Stroke().dash = ui::DashStyle::Solid;
        // A one-pixel pen on pixel centres covers exactly the border pixels of (10,10)-(90,90).
        canvas.DrawRectSides({10.5f, 10.5f, 89.5f, 89.5f}, sides, 1);
        ASSERT_TRUE(frame->EndPaint());
        for (const auto& probe : probes) {
            EXPECT_EQ(At(*frame, probe.x, probe.y), (sides & probe.side) ? 0xFFFFFFFFu : 0u)
                << "sides " << sides << " probe " << probe.side;
        }
        EXPECT_EQ(At(*frame, 50, 50), 0u);
    }
    // Sides that meet are joined: the shared corner pixel is covered.
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.Stroke().thickness = 1;
    canvas.DrawRectSides({10.5f, 10.5f, 89.5f, 89.5f}, ui::kSideLeft | ui::kSideTop, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 10, 10), 0xFFFFFFFFu);
}

TEST(D2DCanvas, RectOutlinesSquareRoundedAndDashed) {
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.Stroke().color = 0xFF0000FF;
    canvas.Stroke().thickness = 2;
    canvas.DrawRect({11, 11, 89, 89}, 0, 0, ui::kCornersAll, 1);  // the pen covers 10..12 along each edge
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 10, 50), 0xFF0000FFu);
    EXPECT_EQ(At(*frame, 11, 50), 0xFF0000FFu);
    EXPECT_EQ(At(*frame, 12, 50), 0u);
    EXPECT_EQ(At(*frame, 10, 10), 0xFF0000FFu);  // square corner

    ui::Canvas& rounded = frame->BeginPaint();
    rounded.Stroke().thickness = 2;
    rounded.DrawRect({11, 11, 89, 89}, 20, 20, ui::kCornerTopLeft, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 10, 10), 0u);           // the rounded corner leaves its corner
    EXPECT_EQ(At(*frame, 88, 10), 0xFF0000FFu);  // the square one does not

    ui::Canvas& dashed = frame->BeginPaint();
    dashed.Stroke().thickness = 2;
    dashed.Stroke().dash = ui::DashStyle::Dash;
    dashed.DrawLine({0, 51}, {100, 51}, 1);
    ASSERT_TRUE(frame->EndPaint());
    int painted = 0;
    for (int x = 0; x < 100; ++x) painted += A(At(*frame, x, 50)) == 255 ? 1 : 0;
    EXPECT_GT(painted, 20);
    if (RunningUnderWine()) {
        std::printf("Wine's Direct2D ignores stroke styles: the dashed line is drawn solid\n");
    } else {
        EXPECT_LT(painted, 80) << "a dashed line leaves gaps";
    }
}

TEST(D2DCanvas, ClipLimitsDrawingUntilItsStateIsRestored) {
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    Solid(canvas, 0xFFFF0000);
    const auto outer = canvas.SaveState();
    canvas.IntersectClipRect({0, 0, 50, 100});
    const auto inner = canvas.SaveState();
    canvas.IntersectClipRect({0, 0, 100, 30});  // narrows to (0,0)-(50,30)
    canvas.FillRect({0, 0, 100, 100}, 0, 0, 0, 1);
    canvas.RestoreState(inner);  // back to (0,0)-(50,100)
    Solid(canvas, 0xFF00FF00);
    canvas.FillRect({0, 40, 100, 60}, 0, 0, 0, 1);
    canvas.RestoreState(outer);  // no clip
    Solid(canvas, 0xFF0000FF);
    canvas.FillRect({0, 80, 100, 100}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 25, 15), 0xFFFF0000u);
    EXPECT_EQ(At(*frame, 75, 15), 0u);
    EXPECT_EQ(At(*frame, 25, 35), 0u);
    EXPECT_EQ(At(*frame, 25, 50), 0xFF00FF00u);
    EXPECT_EQ(At(*frame, 75, 50), 0u);
    EXPECT_EQ(At(*frame, 75, 90), 0xFF0000FFu);
}

TEST(D2DCanvas, ClipFollowsTheTransformAndTheStateKeepsIt) {
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    EXPECT_EQ(canvas.GetMatrix(), ui::Matrix{});
    const auto saved = canvas.SaveState();
    canvas.SetMatrix(ui::Matrix::Translation(30, 20));
    EXPECT_EQ(canvas.GetMatrix(), ui::Matrix::Translation(30, 20));
    canvas.IntersectClipRect({0, 0, 10, 10});  // (30,20)-(40,30) on the frame
    Solid(canvas, 0xFFFFFF00);
    canvas.FillRect({-100, -100, 100, 100}, 0, 0, 0, 1);
    canvas.RestoreState(saved);
    EXPECT_EQ(canvas.GetMatrix(), ui::Matrix{});
    canvas.FillRect({0, 90, 10, 100}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 35, 25), 0xFFFFFF00u);
    EXPECT_EQ(At(*frame, 29, 25), 0u);
    EXPECT_EQ(At(*frame, 40, 25), 0u);
    EXPECT_EQ(At(*frame, 5, 95), 0xFFFFFF00u);
}

TEST(D2DCanvas, ScaledFramesMapLogicalToDevicePixelsSharply) {
    struct Case {
        float scale;
        ui::RectF rect;     // logical
        int inside[2][2];   // device pixels fully covered
        int outside[2][2];  // device pixels just outside
    };
    const Case cases[] = {
        {1.5f, {10, 10, 20, 20}, {{15, 15}, {29, 29}}, {{14, 14}, {30, 30}}},
        {2.0f, {10, 10, 20, 20}, {{20, 20}, {39, 39}}, {{19, 19}, {40, 40}}},
    };
    for (const Case& c : cases) {
        auto frame = Frame(100, 100, c.scale);
        ui::Canvas& canvas = frame->BeginPaint();
        EXPECT_EQ(canvas.Scale(), c.scale);
        Solid(canvas, 0xFFFFFFFF);
        canvas.FillRect(c.rect, 0, 0, 0, 1);
        ASSERT_TRUE(frame->EndPaint());
        for (const auto& p : c.inside) EXPECT_EQ(At(*frame, p[0], p[1]), 0xFFFFFFFFu) << c.scale;
        for (const auto& p : c.outside) EXPECT_EQ(At(*frame, p[0], p[1]), 0u) << c.scale;
    }
    // A one-logical-pixel line on a pixel centre covers two whole device rows at scale 2.
    auto frame = Frame(100, 100, 2);
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.Stroke().color = 0xFFFFFFFF;
    canvas.Stroke().thickness = 1;
    canvas.DrawLine({0, 10.5f}, {50, 10.5f}, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 50, 20), 0xFFFFFFFFu);
    EXPECT_EQ(At(*frame, 50, 21), 0xFFFFFFFFu);
    EXPECT_EQ(At(*frame, 50, 19), 0u);
    EXPECT_EQ(At(*frame, 50, 22), 0u);
}

TEST(D2DCanvas, GradientRunsFromTheFillColourToTheLastStop) {
    const ui::GradientStop stops[] = {{0xFFFF0000, 0}, {0xFF0000FF, 1}};
    struct Case {
        ui::AlphaColor fillColor;  // replaces the first stop's colour
        uint32_t left;
    };
    auto frame = Frame();
    for (const Case c : {Case{0xFFFF0000, 0xFFFF0000}, Case{0xFF00FF00, 0xFF00FF00}}) {
        ui::Canvas& canvas = frame->BeginPaint();
        canvas.Fill().kind = ui::BrushKind::Gradient;
        canvas.Fill().color = c.fillColor;
        canvas.Fill().gradient = {{0, 0}, {1, 0}, stops};
        canvas.FillRect({0, 0, 100, 100}, 0, 0, 0, 1);
        ASSERT_TRUE(frame->EndPaint());
        EXPECT_PRED3(Near, At(*frame, 0, 50), c.left, 8) << Hex(At(*frame, 0, 50));
        EXPECT_PRED3(Near, At(*frame, 99, 50), 0xFF0000FFu, 8) << Hex(At(*frame, 99, 50));
        const uint32_t middle = At(*frame, 50, 50);
        EXPECT_GT(B(middle), 60) << Hex(middle);
        EXPECT_GT(R(middle) + G(middle), 60) << Hex(middle);
    }
    // The gradient runs over the filled rectangle, wherever it lies.
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.Fill().kind = ui::BrushKind::Gradient;
    canvas.Fill().color = 0xFFFF0000;
    canvas.Fill().gradient = {{0, 0}, {0, 1}, stops};
    canvas.FillRect({0, 50, 100, 100}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_PRED3(Near, At(*frame, 50, 50), 0xFFFF0000u, 8) << Hex(At(*frame, 50, 50));
    EXPECT_PRED3(Near, At(*frame, 50, 99), 0xFF0000FFu, 8) << Hex(At(*frame, 50, 99));
}

TEST(D2DCanvas, NoFillBrushPaintsNothing) {
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.Fill().kind = ui::BrushKind::None;
    canvas.FillRect({0, 0, 100, 100}, 0, 0, 0, 1);
    canvas.FillText({0, 0, 100, 100}, u"text", ui::TextWrap::None, 1, ui::TextAlign::Leading, ui::TextAlign::Leading);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(Painted(*frame, 0, 0, 100, 100).count, 0);
}

// A 2 x 1 picture: opaque red, opaque blue.
std::unique_ptr<ui::Bitmap> RedBlue() {
    auto bitmap = Graphics().CreateBitmap(2, 1, 1);
    const ui::BitmapPixels pixels = bitmap->Map(ui::MapAccess::ReadWrite);
    pixels.At(0, 0) = 0xFFFF0000;
    pixels.At(1, 0) = 0xFF0000FF;
    bitmap->Unmap();
    return bitmap;
}

TEST(D2DCanvas, DrawBitmapStretchesWithNearestOrLinearSamplingAndOpacity) {
    auto picture = RedBlue();
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.DrawBitmap(*picture, {0, 0, 2, 1}, {0, 0, 40, 20}, 1, ui::BitmapSampling::NearestNeighbor);
    canvas.DrawBitmap(*picture, {0, 0, 2, 1}, {0, 30, 40, 50}, 1, ui::BitmapSampling::Linear);
    canvas.DrawBitmap(*picture, {0, 0, 2, 1}, {0, 60, 40, 80}, 0.5f, ui::BitmapSampling::NearestNeighbor);
    // The source rectangle picks the blue pixel.
    canvas.DrawBitmap(*picture, {1, 0, 2, 1}, {50, 0, 60, 10}, 1, ui::BitmapSampling::NearestNeighbor);
    ASSERT_TRUE(frame->EndPaint());
    // Nearest neighbour: hard edge in the middle.
    EXPECT_EQ(At(*frame, 19, 10), 0xFFFF0000u);
    EXPECT_EQ(At(*frame, 20, 10), 0xFF0000FFu);
    // Linear: the pixels next to the middle mix both colours.
    const uint32_t mixed = At(*frame, 19, 40);
    EXPECT_GT(R(mixed), 60) << Hex(mixed);
    EXPECT_GT(B(mixed), 60) << Hex(mixed);
    EXPECT_PRED3(Near, At(*frame, 5, 70), 0x80800000u, 1) << Hex(At(*frame, 5, 70));
    EXPECT_EQ(At(*frame, 55, 5), 0xFF0000FFu);
}

TEST(D2DCanvas, OffScreenBitmapIsDrawnOnAndItsPixelsCanBeRewritten) {
    auto bitmap = Graphics().CreateBitmap(20, 20, 1);
    ASSERT_EQ(bitmap->Width(), 20);
    {
        const ui::BitmapPixels fresh = bitmap->Map(ui::MapAccess::Read);
        EXPECT_EQ(fresh.At(10, 10), 0u) << "a new bitmap is transparent";
        bitmap->Unmap();
    }
    ui::Canvas& canvas = bitmap->GetCanvas();
    ASSERT_TRUE(canvas.BeginScene());
    Solid(canvas, 0xFF808080);
    canvas.FillRect({0, 0, 20, 20}, 0, 0, 0, 1);
    canvas.EndScene();
    // Making corner pixels transparent, as a picture rounds its own corners.
    const ui::BitmapPixels pixels = bitmap->Map(ui::MapAccess::ReadWrite);
    EXPECT_EQ(pixels.At(0, 0), 0xFF808080u);
    pixels.At(0, 0) = 0;
    bitmap->Unmap();

    auto frame = Frame();
    ui::Canvas& onFrame = frame->BeginPaint();
    onFrame.DrawBitmap(*bitmap, {0, 0, 20, 20}, {10, 10, 30, 30}, 1, ui::BitmapSampling::NearestNeighbor);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 10, 10), 0u);
    EXPECT_EQ(At(*frame, 11, 10), 0xFF808080u);
    EXPECT_EQ(At(*frame, 29, 29), 0xFF808080u);
}

// A picture of four 10 x 10 quadrants (green, blue / white, yellow) with the given alpha.
std::unique_ptr<ui::Bitmap> Quadrants(uint32_t alpha) {
    auto bitmap = Graphics().CreateBitmap(20, 20, 1);
    const ui::BitmapPixels px = bitmap->Map(ui::MapAccess::ReadWrite);
    const uint32_t colors[4] = {0x00FF00, 0x0000FF, 0xFFFFFF, 0xFFFF00};
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const uint32_t c = colors[(y / 10) * 2 + x / 10];
            // Premultiplied: every channel scaled by the alpha.
            const auto scale = [alpha](uint32_t v) { return (v * alpha + 127) / 255; };
            px.At(x, y) = (alpha << 24) | (scale(c >> 16) << 16) | (scale((c >> 8) & 0xFF) << 8) | scale(c & 0xFF);
        }
    }
    bitmap->Unmap();
    return bitmap;
}

TEST(D2DCanvas, OpaqueBitmapsDrawnOneToOneLandExactlyWithClipAndOrder) {
    // Opaque pictures drawn at their own size on whole pixels are copied, not blended: the result must be the
    // same, clip and drawing order included.
    auto opaque = Quadrants(255);
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    Solid(canvas, 0xFFFF0000);
    canvas.FillRect({0, 0, 100, 100}, 0, 0, 0, 1);
    canvas.DrawBitmap(*opaque, {0, 0, 20, 20}, {10, 10, 30, 30}, 1, ui::BitmapSampling::Linear);
    Solid(canvas, 0xFF000000);
    canvas.FillRect({15, 15, 20, 20}, 0, 0, 0, 1);  // drawn after the picture, so above it
    const auto saved = canvas.SaveState();
    canvas.SetMatrix(ui::Matrix::Translation(30, 50));
    canvas.IntersectClipRect({0, 0, 15, 20});  // cuts the picture at x = 45
    canvas.DrawBitmap(*opaque, {0, 0, 20, 20}, {0, 0, 20, 20}, 1, ui::BitmapSampling::NearestNeighbor);
    canvas.RestoreState(saved);
    canvas.DrawBitmap(*opaque, {10, 10, 20, 20}, {70, 10, 80, 20}, 1, ui::BitmapSampling::Linear);  // one quadrant
    // Between pixels: blended.
    canvas.DrawBitmap(*opaque, {0, 0, 20, 20}, {60.5f, 60, 80.5f, 80}, 1, ui::BitmapSampling::Linear);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 12, 12), 0xFF00FF00u);
    EXPECT_EQ(At(*frame, 27, 12), 0xFF0000FFu);
    EXPECT_EQ(At(*frame, 12, 27), 0xFFFFFFFFu);
    EXPECT_EQ(At(*frame, 17, 17), 0xFF000000u);
    EXPECT_EQ(At(*frame, 9, 9), 0xFFFF0000u);
    EXPECT_EQ(At(*frame, 44, 52), 0xFF0000FFu);
    EXPECT_EQ(At(*frame, 45, 52), 0xFFFF0000u) << "clipped";
    EXPECT_EQ(At(*frame, 75, 15), 0xFFFFFF00u);
    EXPECT_EQ(At(*frame, 70, 20), 0xFFFF0000u);
    EXPECT_EQ(A(At(*frame, 65, 65)), 255);
    EXPECT_EQ(G(At(*frame, 65, 65)), 255);

    // A half-transparent picture is blended over what lies below.
    auto translucent = Quadrants(128);
    ui::Canvas& again = frame->BeginPaint();
    Solid(again, 0xFFFF0000);
    again.FillRect({0, 0, 100, 100}, 0, 0, 0, 1);
    again.DrawBitmap(*translucent, {0, 0, 20, 20}, {10, 10, 30, 30}, 1, ui::BitmapSampling::Linear);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_PRED3(Near, At(*frame, 12, 12), 0xFF7F8000u, 2) << Hex(At(*frame, 12, 12));
}

TEST(D2DCanvas, ScaledBitmapCanvasDrawsInDevicePixels) {
    auto bitmap = Graphics().CreateBitmap(30, 30, 1.5f);
    EXPECT_EQ(bitmap->BitmapScale(), 1.5f);
    ui::Canvas& canvas = bitmap->GetCanvas();
    ASSERT_TRUE(canvas.BeginScene());
    EXPECT_EQ(canvas.Scale(), 1.5f);
    Solid(canvas, 0xFFFFFFFF);
    canvas.FillRect({0, 0, 10, 10}, 0, 0, 0, 1);  // 15 x 15 device pixels
    canvas.EndScene();
    const ui::BitmapPixels pixels = bitmap->Map(ui::MapAccess::Read);
    EXPECT_EQ(pixels.At(14, 14), 0xFFFFFFFFu);
    EXPECT_EQ(pixels.At(15, 15), 0u);
    bitmap->Unmap();
}

TEST(D2DCanvas, NestedSceneKeepsThePaintGoing) {
    // Drawing a turned picture begins a scene inside the frame's paint; ending it must not end the paint.
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    ASSERT_TRUE(canvas.BeginScene());
    canvas.SetMatrix(ui::Matrix::Translation(50, 0));
    Solid(canvas, 0xFF00FFFF);
    canvas.FillRect({0, 0, 10, 10}, 0, 0, 0, 1);
    canvas.EndScene();
    canvas.SetMatrix({});
    canvas.FillRect({0, 0, 10, 10}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());
    EXPECT_EQ(At(*frame, 55, 5), 0xFF00FFFFu);
    EXPECT_EQ(At(*frame, 5, 5), 0xFF00FFFFu);
}

TEST(D2DFrame, DirtyPaintRedrawsOnlyItsRectangle) {
    auto frame = Frame();
    ui::Canvas& canvas = frame->BeginPaint();
    Solid(canvas, 0xFFFF0000);
    canvas.FillRect({0, 0, 100, 100}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());

    ui::Canvas& partial = frame->BeginPaint(RECT{10, 10, 20, 20});
    Solid(partial, 0x800000FF);
    partial.FillRect({0, 0, 100, 100}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());
    // Inside: cleared first, so only the half-transparent blue.
    EXPECT_PRED3(Near, At(*frame, 15, 15), 0x80000080u, 1) << Hex(At(*frame, 15, 15));
    EXPECT_EQ(At(*frame, 25, 15), 0xFFFF0000u);
    EXPECT_EQ(At(*frame, 9, 9), 0xFFFF0000u);
}

TEST(D2DFrame, DibSectionHoldsThePixels) {
    auto frame = Frame(64, 32);
    ASSERT_NE(frame->Bitmap(), nullptr);
    ASSERT_NE(frame->Dc(), nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(frame->Bitmap(), sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 64);
    EXPECT_EQ(dib.dsBm.bmHeight, 32);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
    EXPECT_EQ(dib.dsBm.bmBits, frame->Pixels().data);
    EXPECT_EQ(GetCurrentObject(frame->Dc(), OBJ_BITMAP), frame->Bitmap());
    ui::Canvas& canvas = frame->BeginPaint();
    Solid(canvas, 0xFF102030);
    canvas.FillRect({0, 0, 1, 1}, 0, 0, 0, 1);
    ASSERT_TRUE(frame->EndPaint());
    // Top-down rows: the first pixel of the memory is the top-left one.
    EXPECT_EQ(static_cast<const uint32_t*>(dib.dsBm.bmBits)[0], 0xFF102030u);
}

// A drawing call that can be placed around a point (logical pixels, the frame's top-left).
struct Primitive {
    const char* name;
    std::function<void(ui::Canvas&, const ui::Bitmap&, ui::PointF)> draw;
};

// Drawing calls wholly outside the clip are left out; anything that reaches into it, if only by an antialiased
// edge, a stroke's outer half or a sampled bitmap's border, must still be drawn: the clipped paint shows inside
// the clip exactly what the unclipped paint shows there.
TEST(D2DCanvas, ClippedPaintKeepsEveryPixelThatReachesTheClip) {
    const Primitive primitives[] = {
        {"fill",
         [](ui::Canvas& c, const ui::Bitmap&, ui::PointF p) {
             Solid(c, 0xFFFF8000);
             c.FillRect({p.x, p.y, p.x + 7.3f, p.y + 5.6f}, 0, 0, 0, 1);
         }},
        {"rounded fill",
         [](ui::Canvas& c, const ui::Bitmap&, ui::PointF p) {
             Solid(c, 0xC040FF40);
             c.FillRect({p.x, p.y, p.x + 9.4f, p.y + 8.2f}, 3, 3, ui::kCornersAll, 0.8f);
         }},
        {"outline",
         [](ui::Canvas& c, const ui::Bitmap&, ui::PointF p) {
             c.Stroke().color = 0xFF2040FF;
             c.Stroke().thickness = 3;
             c.DrawRect({p.x, p.y, p.x + 6.5f, p.y + 6.5f}, 0, 0, 0, 1);
         }},
        {"side outline",
         [](ui::Canvas& c, const ui::Bitmap&, ui::PointF p) {
             c.Stroke().color = 0xFFFFFFFF;
             c.Stroke().thickness = 2.5f;
             c.DrawRectSides({p.x, p.y, p.x + 6, p.y + 6}, ui::kSideLeft | ui::kSideBottom, 1);
         }},
        {"stretched bitmap",
         [](ui::Canvas& c, const ui::Bitmap& b, ui::PointF p) {
             c.DrawBitmap(b, {0, 0, 2, 1}, {p.x, p.y, p.x + 8.5f, p.y + 4.25f}, 0.9f, ui::BitmapSampling::Linear);
         }},
    };
    // Places around the clip (20,20)-(40,40): just outside each edge, across it, and at parts of a pixel.
    const ui::PointF places[] = {{12.6f, 25},  {12.8f, 25},   {13.2f, 25},   {40, 25},   {39.6f, 25},  {40.4f, 25},
                                 {25, 14.5f},  {25, 14.45f},  {25, 40.02f},  {25, 39.9f}, {11.5f, 11.5f}, {40.9f, 40.9f},
                                 {-30, -30},   {70, 70},      {25, 25}};
    auto picture = RedBlue();
    for (const float scale : {1.0f, 1.5f}) {
        for (const Primitive& primitive : primitives) {
            auto paint = [&](bool clipped) {
                auto frame = Frame(60, 60, scale);
                ui::Canvas& canvas = frame->BeginPaint();
                if (clipped) canvas.IntersectClipRect({20, 20, 40, 40});
                for (const ui::PointF& at : places) primitive.draw(canvas, *picture, at);
                EXPECT_TRUE(frame->EndPaint());
                return frame;
            };
            const auto whole = paint(false);
            const auto clipped = paint(true);
            int differing = 0;
            int painted = 0;
            std::string first;
            const int from = static_cast<int>(20 * scale), to = static_cast<int>(40 * scale);
            for (int y = from; y < to; ++y) {
                for (int x = from; x < to; ++x) {
                    if (At(*whole, x, y) != 0) ++painted;
                    if (At(*clipped, x, y) == At(*whole, x, y)) continue;
                    if (differing++ == 0) {
                        first = "(" + std::to_string(x) + "," + std::to_string(y) + ") " + Hex(At(*clipped, x, y)) +
                                " instead of " + Hex(At(*whole, x, y));
                    }
                }
            }
            EXPECT_GT(painted, 0) << primitive.name << " at " << scale;
            EXPECT_EQ(differing, 0) << primitive.name << " at " << scale << ": first at " << first;
        }
    }
}

// What a canvas tells of a rectangle against its clip, in the current coordinates.
TEST(D2DCanvas, RectVisibleAnswersAgainstTheClipInWholeDevicePixels) {
    struct Case {
        const char* name;
        ui::Matrix matrix;
        ui::RectF rect;
        bool visible;
    };
    const Case cases[] = {
        {"inside", {}, {25, 25, 30, 30}, true},
        {"across an edge", {}, {10, 25, 21, 30}, true},
        {"ending on the clip's edge", {}, {10, 25, 20, 30}, false},
        {"ending in the pixel before the clip", {}, {10, 25, 19.9f, 30}, false},
        {"ending a little into a partly clipped pixel", {}, {10, 25, 20.1f, 30}, true},
        {"beyond the frame", {}, {70, 25, 80, 30}, false},
        {"moved into the clip", ui::Matrix::Translation(20, 20), {0, 0, 5, 5}, true},
        {"moved out of it", ui::Matrix::Translation(-20, 0), {25, 25, 30, 30}, false},
        {"turned into it", ui::Matrix::Rotation(45), {30, -5, 40, 5}, true},
    };
    auto frame = Frame(60, 60);
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.IntersectClipRect({20, 20, 40, 40});
    for (const Case& c : cases) {
        canvas.SetMatrix(c.matrix);
        EXPECT_EQ(canvas.RectVisible(c.rect), c.visible) << c.name;
    }
    canvas.SetMatrix({});
    EXPECT_TRUE(frame->EndPaint());
    EXPECT_TRUE(canvas.RectVisible({70, 70, 80, 80})) << "outside a scene nothing is known";
}

// A shadow-like bitmap (every alpha level, premultiplied) drawn faded on every frame: from its second frame on the
// canvas copies a faded copy of it onto the cleared pixels; each frame must show exactly the blended pixels of the
// first, also where something was drawn below it first, after its pixels change, and at another scale.
TEST(D2DCanvas, FadedBitmapOnClearedPixelsKeepsTheBlendedPixels) {
    auto shadow = [](float scale) {
        auto bitmap = Graphics().CreateBitmap(64, 40, scale);
        const ui::BitmapPixels px = bitmap->Map(ui::MapAccess::ReadWrite);
        for (int y = 0; y < px.height; ++y) {
            for (int x = 0; x < px.width; ++x) {
                const uint32_t a = static_cast<uint32_t>((x * 4 + y * 3) % 256);
                px.At(x, y) = (a << 24) | ((a * 3 / 4) << 16) | ((a / 2) << 8) | (a / 5);
            }
        }
        bitmap->Unmap();
        return bitmap;
    };
    struct Case {
        const char* name;
        float scale;
        float opacity;
        bool below;    // a fill drawn first under part of the bitmap
        bool rewrite;  // the bitmap's pixels change before the third frame
    };
    const Case cases[] = {
        {"on cleared pixels", 1, 0.5f, false, false},
        {"a fill below part of it", 1, 0.5f, true, false},
        {"its pixels rewritten", 1, 0.37f, false, true},
        {"scale 1.5", 1.5f, 0.6f, false, false},
    };
    for (const Case& c : cases) {
        auto bitmap = shadow(c.scale);
        auto frame = Frame(80, 60, c.scale);
        const float w = 64 / c.scale, h = 40 / c.scale;
        auto paint = [&] {
            ui::Canvas& canvas = frame->BeginPaint();
            if (c.below) {
                Solid(canvas, 0xFF3060A0);
                canvas.FillRect({10, 10, 30, 20}, 0, 0, 0, 1);
            }
            canvas.DrawBitmap(*bitmap, {0, 0, 64, 40}, {4, 6, 4 + w, 6 + h}, c.opacity, ui::BitmapSampling::Linear);
            EXPECT_TRUE(frame->EndPaint());
            const ui::BitmapPixels px = frame->Pixels();
            return std::vector<uint32_t>(px.data, px.data + static_cast<size_t>(px.stride) * px.height);
        };
        const std::vector<uint32_t> blended = paint();
        int painted = 0;
        for (uint32_t p : blended) painted += A(p) != 0 ? 1 : 0;
        EXPECT_GT(painted, 1500) << c.name;
        EXPECT_EQ(paint(), blended) << c.name << ": the frame that makes the faded copy";
        if (c.rewrite) {
            const ui::BitmapPixels px = bitmap->Map(ui::MapAccess::ReadWrite);
            px.At(5, 5) = 0xFFFFFFFF;
            bitmap->Unmap();
            const std::vector<uint32_t> changed = paint();
            EXPECT_NE(changed, blended) << c.name << ": the new pixels show";
            EXPECT_EQ(paint(), changed) << c.name << ": and stay";
        } else {
            EXPECT_EQ(paint(), blended) << c.name << ": a frame copying it";
        }
    }
}

}  // namespace
