#include <gtest/gtest.h>

#include <array>

#include "graphics_test_support.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/text_layout.h"

// A composite frame of everything the canvas draws, saved as graphics_composite.png (scale 1) and
// graphics_composite_x2.png (scale 2) in the test's working folder, to be looked at.
namespace {

using namespace graphics_test;

// A 640 x 360 picture in the window's style, drawn on an off-screen bitmap.
std::unique_ptr<ui::Bitmap> Background() {
    auto picture = Graphics().CreateBitmap(640, 360, 1);
    ui::Canvas& c = picture->GetCanvas();
    if (!c.BeginScene()) return picture;
    static const ui::GradientStop sky[] = {{0xFF1B2735, 0}, {0xFF090A0F, 1}};
    c.Fill().kind = ui::BrushKind::Gradient;
    c.Fill().color = 0xFF1B2735;
    c.Fill().gradient = {{0, 0}, {1, 1}, sky};
    c.FillRect({0, 0, 640, 360}, 0, 0, 0, 1);
    c.Fill().kind = ui::BrushKind::Solid;
    c.Fill().color = 0xFF3A7BD5;
    c.FillRect({400, 90, 470, 220}, 10, 10, ui::kCornersAll, 0.9f);  // a phone
    c.Fill().color = 0xFF0B1220;
    c.FillRect({406, 100, 464, 205}, 4, 4, ui::kCornersAll, 1);
    c.Fill().color = 0xFF3A7BD5;
    c.FillRect({490, 110, 610, 190}, 6, 6, ui::kCornersAll, 0.9f);  // a PC
    c.FillRect({535, 190, 565, 205}, 0, 0, 0, 0.9f);
    c.Stroke().color = 0x80FFFFFF;
    c.Stroke().thickness = 2;
    c.Stroke().dash = ui::DashStyle::Dash;
    c.DrawLine({470, 155}, {490, 150}, 1);
    c.EndScene();
    return picture;
}

// A 20 x 4 track picture: rounded ends, a lighter middle.
std::unique_ptr<ui::Bitmap> Track() {
    auto track = Graphics().CreateBitmap(20, 4, 1);
    ui::Canvas& c = track->GetCanvas();
    if (!c.BeginScene()) return track;
    c.Fill().color = 0xFF32D296;
    c.FillRect({0, 0, 20, 4}, 2, 2, ui::kCornersAll, 1);
    c.EndScene();
    return track;
}

void PaintComposite(ui::Canvas& c, const ui::Bitmap& background, const ui::Bitmap& track) {
    // Window: a soft frame around the picture.
    c.Fill().kind = ui::BrushKind::Solid;
    for (int i = 0; i < 8; ++i) {
        c.Fill().color = 0xFF000000;
        c.FillRect({8.0f - i, 8.0f - i, 648.0f + i, 368.0f + i}, 4.0f + i, 4.0f + i, ui::kCornersAll, 0.06f);
    }
    c.DrawBitmap(background, {0, 0, 640, 360}, {8, 8, 648, 368}, 1, ui::BitmapSampling::Linear);

    // Title and subtitle: "Segoe UI" is replaced where it is not installed.
    auto title = Graphics().CreateTextLayout();
    title->BeginUpdate();
    title->Edit().text = u"Velnix Setup";
    title->Edit().font = {u"Segoe UI", 28, ui::fsBold};
    title->Edit().topLeft = {40, 40};
    title->Edit().maxSize = {340, 40};
    title->Edit().color = 0xFFFFFFFF;
    title->EndUpdate();
    title->RenderLayout(c);
    auto subtitle = Graphics().CreateTextLayout();
    subtitle->BeginUpdate();
    subtitle->Edit().text = u"Operate your phone from the PC. This caption is long enough to be trimmed by word.";
    subtitle->Edit().font = {u"No Such Family", 14, ui::fsItalic};
    subtitle->Edit().topLeft = {40, 84};
    subtitle->Edit().maxSize = {330, 40};
    subtitle->Edit().wrap = ui::TextWrap::Word;
    subtitle->Edit().trimming = ui::TextTrimming::Word;
    subtitle->Edit().color = 0xCCFFFFFF;
    subtitle->EndUpdate();
    subtitle->RenderLayout(c);
    auto trimmed = Graphics().CreateTextLayout();
    trimmed->BeginUpdate();
    trimmed->Edit().text = u"A caption much too long for its box, trimmed by character";
    trimmed->Edit().font = {u"DejaVu Sans", 12, ui::fsUnderline};
    trimmed->Edit().topLeft = {40, 124};
    trimmed->Edit().maxSize = {240, 18};
    trimmed->Edit().trimming = ui::TextTrimming::Character;
    trimmed->Edit().color = 0xFFFFD080;
    trimmed->EndUpdate();
    trimmed->RenderLayout(c);

    // Folder box with square left corners and a bottom-only underline, drop-down arrow as a path.
    c.Fill().color = 0xFF2F2F2F;
    c.FillRect({40, 150, 330, 180}, 6, 6, ui::kCornerTopRight | ui::kCornerBottomRight, 1);
    c.Stroke().color = 0xFF5A5A5A;
    c.Stroke().thickness = 1;
    c.Stroke().dash = ui::DashStyle::Solid;
    c.DrawRect({40.5f, 150.5f, 329.5f, 179.5f}, 6, 6, ui::kCornerTopRight | ui::kCornerBottomRight, 1);
    c.CanvasFont() = {u"DejaVu Sans", 13, ui::fsNone};
    c.Fill().color = 0xFFE0E0E0;
    c.FillText({50, 150, 300, 180}, u"C:\\Users\\me\\AppData\\Roaming\\Velnix", ui::TextWrap::None, 1,
               ui::TextAlign::Leading, ui::TextAlign::Center);
    ui::PathData arrow;
    arrow.MoveTo({308, 160});
    arrow.LineTo({320, 160});
    arrow.LineTo({314, 168});
    arrow.ClosePath();
    c.FillPath(arrow, 1, ui::FillRule::NonZero);

    // Install button: a pill with a centred caption; beside it an outlined one at half opacity.
    static const ui::GradientStop green[] = {{0xFF32D296, 0}, {0xFF1E9E6E, 1}};
    c.Fill().kind = ui::BrushKind::Gradient;
    c.Fill().color = 0xFF32D296;
    c.Fill().gradient = {{0, 0}, {0, 1}, green};
    c.FillRect({40, 200, 200, 244}, 22, 22, ui::kCornersAll, 1);
    c.Fill().kind = ui::BrushKind::Solid;
    c.Fill().color = 0xFFFFFFFF;
    c.CanvasFont() = {u"Segoe UI", 16, ui::fsBold};
    c.FillText({40, 200, 200, 244}, u"Install", ui::TextWrap::None, 1, ui::TextAlign::Center, ui::TextAlign::Center);
    c.Stroke().color = 0xFFFFFFFF;
    c.Stroke().thickness = 2;
    c.DrawRect({221, 201, 329, 243}, 21, 21, ui::kCornersAll, 0.5f);
    c.FillText({220, 200, 330, 244}, u"Custom", ui::TextWrap::None, 0.5f, ui::TextAlign::Center, ui::TextAlign::Center);

    // A card with a rounded hole (even-odd) and a clipped stripe.
    ui::PathData card;
    card.MoveTo({40, 262});
    card.LineTo({120, 262});
    card.LineTo({120, 330});
    card.LineTo({40, 330});
    card.ClosePath();
    card.MoveTo({60, 280});
    card.LineTo({100, 280});
    card.LineTo({100, 312});
    card.LineTo({60, 312});
    card.ClosePath();
    c.Fill().color = 0xFFD5A13A;
    c.FillPath(card, 1, ui::FillRule::EvenOdd);
    const auto saved = c.SaveState();
    c.IntersectClipRect({140, 262, 220, 330});
    c.SetMatrix(ui::Matrix::Translation(140, 262));
    c.Fill().color = 0xFFE05260;
    c.FillRect({-20, 20, 120, 40}, 0, 0, 0, 1);  // clipped to the card's width
    c.RestoreState(saved);
    c.Stroke().color = 0xFFE05260;
    c.Stroke().thickness = 1;
    c.DrawRectSides({140.5f, 262.5f, 219.5f, 329.5f}, ui::kSideLeft | ui::kSideBottom, 1);

    // The progress bar: a three-part picture, ends 8 pixels wide.
    c.Fill().color = 0x40FFFFFF;
    c.FillRect({9, 362, 647, 366}, 2, 2, ui::kCornersAll, 1);
    const float right = 9 + 638 * 0.74f;
    c.DrawBitmap(track, {0, 0, 8, 4}, {9, 362, 17, 366}, 1, ui::BitmapSampling::Linear);
    c.DrawBitmap(track, {8, 0, 12, 4}, {17, 362, right - 8, 366}, 1, ui::BitmapSampling::Linear);
    c.DrawBitmap(track, {12, 0, 20, 4}, {right - 8, 362, right, 366}, 1, ui::BitmapSampling::Linear);

    // Magnified 2 x 1 picture: nearest neighbour above, linear below.
    auto redBlue = Graphics().CreateBitmap(2, 1, 1);
    const ui::BitmapPixels px = redBlue->Map(ui::MapAccess::ReadWrite);
    px.At(0, 0) = 0xFFFF0000;
    px.At(1, 0) = 0xFF0000FF;
    redBlue->Unmap();
    c.DrawBitmap(*redBlue, {0, 0, 2, 1}, {240, 262, 320, 292}, 1, ui::BitmapSampling::NearestNeighbor);
    c.DrawBitmap(*redBlue, {0, 0, 2, 1}, {240, 298, 320, 328}, 1, ui::BitmapSampling::Linear);
}

TEST(GraphicsComposite, PaintsTheWholeWindowFrame) {
    auto background = Background();
    auto track = Track();
    for (const float scale : {1.0f, 2.0f}) {
        auto frame = Graphics().CreateFrame(static_cast<int>(656 * scale), static_cast<int>(376 * scale), scale);
        PaintComposite(frame->BeginPaint(), *background, *track);
        ASSERT_TRUE(frame->EndPaint());
        SavePng(*frame, scale == 1 ? L"graphics_composite.png" : L"graphics_composite_x2.png");
        const auto s = [scale](float v) { return static_cast<int>(v * scale); };
        EXPECT_EQ(A(At(*frame, s(300), s(20))), 255) << "the picture";
        EXPECT_EQ(A(At(*frame, 0, 0)), 0) << "the window's corner";
        EXPECT_EQ(At(*frame, s(50), s(296)), 0xFFD5A13Au) << "the card";
        EXPECT_NE(At(*frame, s(80), s(296)), 0xFFD5A13Au) << "the hole in the card shows the picture";
        EXPECT_GT(Painted(*frame, s(40), s(40), s(380), s(80)).count, 0);
    }
}

}  // namespace
