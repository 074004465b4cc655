#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "graphics_test_support.h"
#include "platform/win32/graphics/d2d_canvas.h"
#include "platform/win32/graphics/dwrite_text_layout.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/text_layout.h"

// Texts kept as rendered bitmaps, and bitmaps copied onto the cleared pixels of a frame: both must give the pixels
// that drawing everything directly gives, whatever changed since the last paint.
namespace {

using namespace graphics_test;
using platform::win32::D2DCanvas;
using platform::win32::D2DFrame;
using platform::win32::DWriteTextLayout;

// A text kept as a bitmap may differ from the directly drawn one by a rounding step where opacity is applied.
constexpr int kTolerance = 2;

D2DCanvas& CanvasOf(D2DFrame& frame) { return dynamic_cast<D2DCanvas&>(frame.GetCanvas()); }

std::vector<uint32_t> Snapshot(const D2DFrame& frame) {
    const ui::BitmapPixels px = frame.Pixels();
    std::vector<uint32_t> pixels;
    for (int y = 0; y < px.height; ++y) {
        for (int x = 0; x < px.width; ++x) pixels.push_back(px.At(x, y));
    }
    return pixels;
}

struct Comparison {
    int different = 0;  // pixels beyond the tolerance
    int painted = 0;    // pixels not transparent in the expected picture
    std::string first;
};

Comparison Compare(const std::vector<uint32_t>& actual, const std::vector<uint32_t>& expected, int width,
                   int tolerance) {
    Comparison c;
    for (size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
        if (A(expected[i]) != 0) ++c.painted;
        if (Near(actual[i], expected[i], tolerance)) continue;
        if (c.different++ == 0) {
            c.first = "(" + std::to_string(i % width) + "," + std::to_string(i / width) + ") " + Hex(actual[i]) +
                      " instead of " + Hex(expected[i]);
        }
    }
    return c;
}

// Everything a text layout is set up with, as a text parameter sets it on every draw.
struct TextSetup {
    std::u16string text = u"Velnix Setup";
    std::u16string family = u"DejaVu Sans";
    float size = 18;
    unsigned style = ui::fsNone;
    ui::AlphaColor color = 0xFFFFFFFF;
    float opacity = 1;
    ui::PointF topLeft{20, 10};
    ui::SizeF maxSize{200, 40};
    ui::TextAlign horizontal = ui::TextAlign::Leading;
    ui::TextAlign vertical = ui::TextAlign::Center;
    ui::TextWrap wrap = ui::TextWrap::None;
    ui::TextTrimming trimming = ui::TextTrimming::None;
    float scale = 1;
};

void Apply(ui::TextLayout& layout, const TextSetup& t) {
    layout.BeginUpdate();
    ui::TextLayoutSettings& s = layout.Edit();
    s.text = t.text;
    s.font.family = t.family;
    s.font.size = t.size;
    s.font.style = t.style;
    s.color = t.color;
    s.opacity = t.opacity;
    s.topLeft = t.topLeft;
    s.maxSize = t.maxSize;
    s.horizontalAlign = t.horizontal;
    s.verticalAlign = t.vertical;
    s.wrap = t.wrap;
    s.trimming = t.trimming;
    layout.EndUpdate();
}

constexpr int kWidth = 260;
constexpr int kHeight = 80;

// Paints the layout set up as t on a frame of the setup's scale over a partly coloured background (text over
// nothing and over paint), with the frame's texts kept as bitmaps or not.
std::vector<uint32_t> PaintLayout(ui::TextLayout& layout, const TextSetup& t, bool keep) {
    auto frame =
        Graphics().CreateFrame(static_cast<int>(kWidth * t.scale), static_cast<int>(kHeight * t.scale), t.scale);
    CanvasOf(*frame).SetTextBitmaps(keep);
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.Fill().kind = ui::BrushKind::Solid;
    canvas.Fill().color = 0xFF204060;
    canvas.FillRect({0, 0, kWidth / 2.0f, kHeight}, 0, 0, ui::kCornerNone, 1);
    Apply(layout, t);
    layout.RenderLayout(canvas);
    EXPECT_TRUE(frame->EndPaint());
    return Snapshot(*frame);
}

TEST(TextBitmaps, KeptTextHasThePixelsOfDirectText) {
    struct Case {
        const char* name;
        std::function<void(TextSetup&)> set;
    };
    const Case cases[] = {
        {"plain", [](TextSetup&) {}},
        {"translucent colour and opacity",
         [](TextSetup& t) {
             t.color = 0xC0FF8040;
             t.opacity = 0.6f;
         }},
        {"fractional position",
         [](TextSetup& t) {
             t.topLeft = {20.3f, 10.7f};
         }},
        {"scale 1.5", [](TextSetup& t) { t.scale = 1.5f; }},
        {"scale 2, bold italic underlined",
         [](TextSetup& t) {
             t.scale = 2;
             t.style = ui::fsBold | ui::fsItalic | ui::fsUnderline;
         }},
        {"centred, overflowing its box",
         [](TextSetup& t) {
             // Inside the frame: Wine's direct text differs at the frame's edge.
             t.text = u"A caption wider than its box";
             t.maxSize = {60, 20};
             t.horizontal = ui::TextAlign::Center;
             t.topLeft = {100, 30};
         }},
        {"wrapped onto lines",
         [](TextSetup& t) {
             t.text = u"one two three four five";
             t.wrap = ui::TextWrap::Word;
             t.maxSize = {90, 70};
             t.vertical = ui::TextAlign::Leading;
         }},
        {"accents above capitals", [](TextSetup& t) { t.text = u"\u00C5\u00C9\u00CE\u00D1 gjpq"; }},
    };
    for (const Case& c : cases) {
        TextSetup t;
        c.set(t);
        auto owned = Graphics().CreateTextLayout();
        auto* layout = dynamic_cast<DWriteTextLayout*>(owned.get());
        ASSERT_NE(layout, nullptr);
        const std::vector<uint32_t> direct = PaintLayout(*layout, t, false);
        EXPECT_EQ(layout->RenderCount(), 0) << c.name;
        PaintLayout(*layout, t, true);
        const std::vector<uint32_t> kept = PaintLayout(*layout, t, true);
        EXPECT_EQ(layout->RenderCount(), 1) << c.name << ": rendered once, then drawn from its bitmap";
        const Comparison cmp = Compare(kept, direct, static_cast<int>(kWidth * t.scale), kTolerance);
        EXPECT_GT(cmp.painted, 500) << c.name;
        EXPECT_EQ(cmp.different, 0) << c.name << ": first at " << cmp.first;
    }
}

TEST(TextBitmaps, EverySettingChangeShowsAfterAKeptDraw) {
    struct Case {
        const char* name;
        std::function<void(TextSetup&)> change;
        // Whether the text must be rendered into its bitmap again (otherwise the kept pixels only move or fade).
        bool renders;
    };
    const Case cases[] = {
        {"text", [](TextSetup& t) { t.text = u"Velnix Setap"; }, true},
        {"colour", [](TextSetup& t) { t.color = 0xFFFF4000; }, true},
        {"colour alpha", [](TextSetup& t) { t.color = 0x80FFFFFF; }, true},
        {"font family", [](TextSetup& t) { t.family = u"Liberation Serif"; }, true},
        {"font size", [](TextSetup& t) { t.size = 20; }, true},
        {"bold", [](TextSetup& t) { t.style = ui::fsBold; }, true},
        {"underline", [](TextSetup& t) { t.style = ui::fsUnderline; }, true},
        {"box width, centred", [](TextSetup& t) { t.maxSize.width = 160; }, true},
        {"box height", [](TextSetup& t) { t.maxSize.height = 60; }, true},
        {"horizontal alignment", [](TextSetup& t) { t.horizontal = ui::TextAlign::Trailing; }, true},
        {"vertical alignment", [](TextSetup& t) { t.vertical = ui::TextAlign::Leading; }, true},
        {"word wrap in a narrow box",
         [](TextSetup& t) {
             t.maxSize.width = 70;
             t.wrap = ui::TextWrap::Word;
         },
         true},
        {"trimming in a narrow box",
         [](TextSetup& t) {
             t.maxSize.width = 70;
             t.trimming = ui::TextTrimming::Character;
         },
         true},
        {"scale", [](TextSetup& t) { t.scale = 2; }, true},
        {"part of a pixel", [](TextSetup& t) { t.topLeft.x += 0.5f; }, true},
        {"opacity", [](TextSetup& t) { t.opacity = 0.4f; }, false},
        {"whole pixels",
         [](TextSetup& t) {
             t.topLeft = {31, 17};
         },
         false},
    };
    for (const Case& c : cases) {
        TextSetup before;
        before.horizontal = ui::TextAlign::Center;
        auto owned = Graphics().CreateTextLayout();
        auto* layout = dynamic_cast<DWriteTextLayout*>(owned.get());
        ASSERT_NE(layout, nullptr);
        const std::vector<uint32_t> old = PaintLayout(*layout, before, true);
        const int renders = layout->RenderCount();
        ASSERT_EQ(renders, 1) << c.name;

        TextSetup after = before;
        c.change(after);
        const std::vector<uint32_t> kept = PaintLayout(*layout, after, true);
        EXPECT_EQ(layout->RenderCount(), renders + (c.renders ? 1 : 0)) << c.name;
        auto fresh = Graphics().CreateTextLayout();
        const std::vector<uint32_t> direct = PaintLayout(*fresh, after, false);
        const Comparison cmp = Compare(kept, direct, static_cast<int>(kWidth * after.scale), kTolerance);
        EXPECT_EQ(cmp.different, 0) << c.name << ": first at " << cmp.first;
        if (after.scale == before.scale) {
            EXPECT_GT(Compare(direct, old, kWidth, kTolerance).different, 0) << c.name << " changes the picture";
        }
    }
}

// A text moving by parts of a pixel (a label on a sliding panel) is rendered again on every move; only the first
// render reads its pixels back to find the ink, and every position shows the pixels of directly drawn text.
TEST(TextBitmaps, TextMovingByPartsOfAPixelMatchesDirectText) {
    struct Case {
        const char* name;
        std::function<void(TextSetup&)> set;
        std::vector<ui::PointF> positions;
    };
    const Case cases[] = {
        {"down by parts of a pixel", [](TextSetup&) {},
         {{20, 10}, {20, 10.3f}, {20, 10.61f}, {20, 10.97f}, {20, 11.2f}, {20, 12.5f}}},
        {"up and left", [](TextSetup&) {}, {{40.9f, 30.9f}, {40.4f, 30.1f}, {39.75f, 29.02f}, {38.5f, 28.5f}}},
        {"translucent, italic, scale 1.5",
         [](TextSetup& t) {
             t.color = 0xC0FF8040;
             t.opacity = 0.7f;
             t.style = ui::fsItalic;
             t.scale = 1.5f;
         },
         {{20.2f, 10}, {20.5f, 10.4f}, {21.1f, 10.9f}}},
        {"wrapped onto lines", [](TextSetup& t) {
             t.text = u"one two three four five";
             t.wrap = ui::TextWrap::Word;
             t.maxSize = {90, 70};
             t.vertical = ui::TextAlign::Leading;
         },
         {{20, 2}, {20.25f, 2.8f}, {19.6f, 3.35f}}},
    };
    for (const Case& c : cases) {
        auto owned = Graphics().CreateTextLayout();
        auto* layout = dynamic_cast<DWriteTextLayout*>(owned.get());
        ASSERT_NE(layout, nullptr);
        TextSetup t;
        c.set(t);
        int step = 0;
        for (const ui::PointF& at : c.positions) {
            t.topLeft = at;
            const std::vector<uint32_t> kept = PaintLayout(*layout, t, true);
            auto fresh = Graphics().CreateTextLayout();
            const std::vector<uint32_t> direct = PaintLayout(*fresh, t, false);
            const Comparison cmp = Compare(kept, direct, static_cast<int>(kWidth * t.scale), kTolerance);
            EXPECT_GT(cmp.painted, 500) << c.name << ", step " << step;
            EXPECT_EQ(cmp.different, 0) << c.name << ", step " << step << ": first at " << cmp.first;
            ++step;
        }
        EXPECT_EQ(layout->RenderCount(), step) << c.name;
        EXPECT_EQ(layout->InkSearchCount(), 1) << c.name << ": the ink is found once";
    }
}

TEST(TextBitmaps, OneLayoutDrawnInTurnOnCanvasesOfDifferentScales) {
    // A text parameter's layout painted on the window's frame and on an off-screen bitmap (a glow's shape) of
    // another scale, in turn: each canvas gets the text at its own scale every time.
    auto owned = Graphics().CreateTextLayout();
    TextSetup t;
    auto offscreen = Graphics().CreateBitmap(kWidth * 2, kHeight * 2, 2);
    auto& offscreenCanvas = dynamic_cast<D2DCanvas&>(offscreen->GetCanvas());
    auto paintOffscreen = [&](ui::TextLayout& layout, bool keep) {
        offscreenCanvas.SetTextBitmaps(keep);
        EXPECT_TRUE(offscreenCanvas.BeginScene());
        offscreenCanvas.Fill().kind = ui::BrushKind::Solid;
        offscreenCanvas.Fill().color = 0xFF000000;
        offscreenCanvas.FillRect({0, 0, kWidth, kHeight}, 0, 0, ui::kCornerNone, 1);
        Apply(layout, t);
        layout.RenderLayout(offscreenCanvas);
        offscreenCanvas.EndScene();
        const ui::BitmapPixels px = offscreen->Map(ui::MapAccess::Read);
        std::vector<uint32_t> pixels;
        for (int y = 0; y < px.height; ++y) {
            for (int x = 0; x < px.width; ++x) pixels.push_back(px.At(x, y));
        }
        offscreen->Unmap();
        return pixels;
    };
    auto reference = Graphics().CreateTextLayout();
    const std::vector<uint32_t> frameDirect = PaintLayout(*reference, t, false);
    const std::vector<uint32_t> offscreenDirect = paintOffscreen(*reference, false);
    for (int i = 0; i < 3; ++i) {
        const Comparison onFrame = Compare(PaintLayout(*owned, t, true), frameDirect, kWidth, kTolerance);
        EXPECT_EQ(onFrame.different, 0) << "frame, round " << i << ": first at " << onFrame.first;
        const Comparison onBitmap = Compare(paintOffscreen(*owned, true), offscreenDirect, kWidth * 2, kTolerance);
        EXPECT_GT(onBitmap.painted, 1000);
        EXPECT_EQ(onBitmap.different, 0) << "bitmap, round " << i << ": first at " << onBitmap.first;
    }
}

// The canvas's own fill-text keeps its texts by text, font, box, alignment and colour.
TEST(TextBitmaps, FillTextFollowsEveryChange) {
    struct Setup {
        std::u16string text = u"C:\\Users\\me\\Velnix";
        ui::Font font{u"DejaVu Sans", 13, ui::fsNone};
        ui::AlphaColor color = 0xFFE0E0E0;
        float opacity = 1;
        ui::RectF rect{10, 10, 200, 40};
        ui::TextWrap wrap = ui::TextWrap::None;
        ui::TextAlign horizontal = ui::TextAlign::Leading;
        ui::TextAlign vertical = ui::TextAlign::Center;
        bool gradient = false;
    };
    static const ui::GradientStop stops[] = {{0xFFFF0000, 0}, {0xFF0000FF, 1}};
    auto paint = [](D2DFrame& frame, const Setup& s) {
        ui::Canvas& canvas = frame.BeginPaint();
        canvas.CanvasFont() = s.font;
        canvas.Fill().kind = s.gradient ? ui::BrushKind::Gradient : ui::BrushKind::Solid;
        canvas.Fill().color = s.color;
        canvas.Fill().gradient = {{0, 0}, {1, 0}, stops};
        canvas.FillText(s.rect, s.text, s.wrap, s.opacity, s.horizontal, s.vertical);
        EXPECT_TRUE(frame.EndPaint());
        return Snapshot(frame);
    };
    struct Case {
        const char* name;
        std::function<void(Setup&)> change;
    };
    const Case cases[] = {
        {"text", [](Setup& s) { s.text = u"C:\\Users\\you\\Velnix"; }},
        {"family", [](Setup& s) { s.font.family = u"Liberation Serif"; }},
        {"size", [](Setup& s) { s.font.size = 15; }},
        {"style", [](Setup& s) { s.font.style = ui::fsBold; }},
        {"colour", [](Setup& s) { s.color = 0xFF30FF30; }},
        {"opacity", [](Setup& s) { s.opacity = 0.3f; }},
        {"box",
         [](Setup& s) {
             s.rect = {10, 10, 120, 60};
         }},
        {"moved",
         [](Setup& s) {
             s.rect = {30, 25, 220, 55};
         }},
        {"alignment", [](Setup& s) { s.horizontal = ui::TextAlign::Trailing; }},
        {"gradient fill", [](Setup& s) { s.gradient = true; }},
    };
    for (const Case& c : cases) {
        // One frame keeps its texts across both paints, as a window's frame does.
        auto kept = Graphics().CreateFrame(kWidth, kHeight, 1);
        auto direct = Graphics().CreateFrame(kWidth, kHeight, 1);
        CanvasOf(*direct).SetTextBitmaps(false);
        Setup s;
        const std::vector<uint32_t> old = paint(*kept, s);
        c.change(s);
        const std::vector<uint32_t> now = paint(*kept, s);
        const std::vector<uint32_t> expected = paint(*direct, s);
        const Comparison cmp = Compare(now, expected, kWidth, kTolerance);
        EXPECT_GT(cmp.painted, 100) << c.name;
        EXPECT_EQ(cmp.different, 0) << c.name << ": first at " << cmp.first;
        EXPECT_GT(Compare(expected, old, kWidth, kTolerance).different, 0) << c.name << " changes the picture";
    }
}

// A window-like scene: a translucent shadow bitmap first, an opaque picture, texts, shapes and a translucent
// bitmap over paint.
struct Scene {
    std::unique_ptr<ui::Bitmap> shadow;
    std::unique_ptr<ui::Bitmap> picture;
    std::unique_ptr<ui::TextLayout> title;

    Scene() {
        shadow = Graphics().CreateBitmap(200, 120, 1);
        ui::Canvas& c = shadow->GetCanvas();
        if (c.BeginScene()) {
            c.Fill().kind = ui::BrushKind::Solid;
            c.Fill().color = 0xFF000000;
            for (int i = 0; i < 6; ++i) {
                c.FillRect({6.0f - i, 6.0f - i, 194.0f + i, 114.0f + i}, 4.0f + i, 4.0f + i, ui::kCornersAll, 0.1f);
            }
            c.EndScene();
        }
        picture = Graphics().CreateBitmap(188, 108, 1);
        const ui::BitmapPixels px = picture->Map(ui::MapAccess::ReadWrite);
        for (int y = 0; y < px.height; ++y) {
            for (int x = 0; x < px.width; ++x) px.At(x, y) = 0xFF000000u | (x << 16) | (y << 8) | 0x40;
        }
        picture->Unmap();
        title = Graphics().CreateTextLayout();
    }

    void Paint(ui::Canvas& c) {
        c.DrawBitmap(*shadow, {0, 0, 200, 120}, {0, 0, 200, 120}, 1, ui::BitmapSampling::Linear);
        c.DrawBitmap(*picture, {0, 0, 188, 108}, {6, 6, 194, 114}, 1, ui::BitmapSampling::Linear);
        TextSetup t;
        t.topLeft = {12, 12};
        t.maxSize = {170, 30};
        Apply(*title, t);
        title->RenderLayout(c);
        c.Fill().kind = ui::BrushKind::Solid;
        c.Fill().color = 0xFFE0E0E0;
        c.CanvasFont() = {u"DejaVu Sans", 12, ui::fsNone};
        c.FillText({12, 50, 180, 70}, u"Operate your phone", ui::TextWrap::None, 1, ui::TextAlign::Center,
                   ui::TextAlign::Center);
        c.Fill().color = 0x80FF0000;
        c.FillRect({20, 80, 100, 104}, 8, 8, ui::kCornersAll, 1);
        // The shadow again, over paint: blended.
        c.DrawBitmap(*shadow, {0, 0, 200, 120}, {0, 0, 200, 120}, 1, ui::BitmapSampling::Linear);
    }
};

TEST(TextBitmaps, RepeatedFramesAreIdenticalAndMatchDirectDrawing) {
    Scene scene;
    auto frame = Graphics().CreateFrame(200, 120, 1);
    std::vector<uint32_t> first;
    for (int i = 0; i < 3; ++i) {
        scene.Paint(frame->BeginPaint());
        ASSERT_TRUE(frame->EndPaint());
        if (i == 0) {
            first = Snapshot(*frame);
        } else {
            EXPECT_EQ(Snapshot(*frame), first) << "paint " << i;
        }
    }
    // Drawn directly: texts rasterised on the spot, every bitmap blended (on a bitmap's canvas nothing is known
    // to be transparent).
    auto reference = Graphics().CreateBitmap(200, 120, 1);
    auto& canvas = dynamic_cast<D2DCanvas&>(reference->GetCanvas());
    canvas.SetTextBitmaps(false);
    ASSERT_TRUE(canvas.BeginScene());
    scene.Paint(canvas);
    canvas.EndScene();
    const ui::BitmapPixels px = reference->Map(ui::MapAccess::Read);
    std::vector<uint32_t> expected;
    for (int y = 0; y < px.height; ++y) {
        for (int x = 0; x < px.width; ++x) expected.push_back(px.At(x, y));
    }
    reference->Unmap();
    const Comparison cmp = Compare(first, expected, 200, kTolerance);
    EXPECT_GT(cmp.painted, 20000);
    EXPECT_EQ(cmp.different, 0) << "first at " << cmp.first;
}

// A translucent bitmap drawn one to one is copied only onto pixels that are still transparent; anywhere else it
// is blended over what lies there.
TEST(D2DCanvasCopies, TranslucentBitmapIsCopiedOnlyOntoClearedPixels) {
    auto square = Graphics().CreateBitmap(40, 40, 1);
    {
        const ui::BitmapPixels px = square->Map(ui::MapAccess::ReadWrite);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) px.At(x, y) = 0x80004080;  // premultiplied half-transparent blue
        }
        square->Unmap();
    }
    constexpr uint32_t kSquare = 0x80004080;
    constexpr uint32_t kRed = 0xFFFF0000;
    // The square over opaque red: red x (1 - 0.5) + square.
    constexpr uint32_t kBlend = 0xFF7F4080;
    // A glyph's edge may or may not cover a pixel fully.
    constexpr uint32_t kAny = 0x00000001;
    struct Case {
        const char* name;
        // Paints before the square is drawn at (20,20)-(60,60).
        std::function<void(ui::Canvas&)> before;
        uint32_t atCentre;  // (40,40)
        uint32_t atCorner;  // (22,22); kAny: not checked
        RECT dirty;         // the part repainted
    };
    const RECT whole{0, 0, 100, 100};
    const Case cases[] = {
        {"onto cleared pixels", [](ui::Canvas&) {}, kSquare, kSquare, whole},
        {"next to paint",
         [](ui::Canvas& c) {
             c.FillRect({70, 70, 90, 90}, 0, 0, ui::kCornerNone, 1);
         },
         kSquare, kSquare, whole},
        {"over paint",
         [](ui::Canvas& c) {
             c.FillRect({30, 30, 50, 50}, 0, 0, ui::kCornerNone, 1);
         },
         kBlend, kSquare, whole},
        {"over a rounded shape",
         [](ui::Canvas& c) {
             c.FillRect({35, 35, 80, 80}, 6, 6, ui::kCornersAll, 1);
         },
         kBlend, kSquare, whole},
        {"over an outline",
         [](ui::Canvas& c) {
             c.Stroke().color = kRed;
             c.Stroke().thickness = 4;
             c.DrawRect({22, 22, 80, 80}, 0, 0, ui::kCornerNone, 1);
         },
         kSquare, kBlend, whole},
        {"over a clipped fill under a transform",
         [](ui::Canvas& c) {
             const auto state = c.SaveState();
             c.IntersectClipRect({30, 30, 50, 50});
             c.SetMatrix(ui::Matrix::Translation(30, 30));
             c.FillRect({-30, -30, 100, 100}, 0, 0, ui::kCornerNone, 1);
             c.RestoreState(state);
         },
         kBlend, kSquare, whole},
        {"over text",
         [](ui::Canvas& c) {
             c.CanvasFont() = {u"DejaVu Sans", 40, ui::fsBold};
             c.FillText({20, 20, 60, 60}, u"\u2588\u2588", ui::TextWrap::None, 1, ui::TextAlign::Center,
                        ui::TextAlign::Center);
         },
         kBlend, kAny, whole},
        {"into a repainted part", [](ui::Canvas&) {}, kSquare, kSquare, RECT{0, 0, 50, 100}},
    };
    for (const Case& c : cases) {
        auto frame = Graphics().CreateFrame(100, 100, 1);
        // The last frame's pixels outside the repainted part: opaque red.
        ui::Canvas& first = frame->BeginPaint();
        first.Fill().kind = ui::BrushKind::Solid;
        first.Fill().color = kRed;
        first.FillRect({0, 0, 100, 100}, 0, 0, ui::kCornerNone, 1);
        ASSERT_TRUE(frame->EndPaint());

        ui::Canvas& canvas = frame->BeginPaint(c.dirty);
        canvas.Fill().kind = ui::BrushKind::Solid;
        canvas.Fill().color = kRed;
        c.before(canvas);
        canvas.DrawBitmap(*square, {0, 0, 40, 40}, {20, 20, 60, 60}, 1, ui::BitmapSampling::Linear);
        ASSERT_TRUE(frame->EndPaint());
        EXPECT_PRED3(Near, At(*frame, 40, 40), c.atCentre, 2) << c.name << ": " << Hex(At(*frame, 40, 40));
        if (c.atCorner != kAny) {
            EXPECT_PRED3(Near, At(*frame, 22, 22), c.atCorner, 2) << c.name << ": " << Hex(At(*frame, 22, 22));
        }
        if (c.dirty.right < 100) {
            EXPECT_EQ(At(*frame, 55, 40), kRed) << c.name << ": outside the repainted part";
        }
    }
}

}  // namespace
