#include <gtest/gtest.h>

#include <string>

#include "graphics_test_support.h"
#include "platform/win32/graphics/dwrite_text_layout.h"
#include "ui/canvas.h"
#include "ui/text_layout.h"

namespace {

using namespace graphics_test;
using platform::win32::D2DFrame;

ui::Font FontOf(const char16_t* family, float size, unsigned style = ui::fsNone) { return {family, size, style}; }

TEST(DWriteText, EveryRequestedFamilyDrawsVisibleText) {
    // A family that is not installed would draw nothing at all; it is replaced by an installed one.
    for (const char16_t* family : {u"No Such Family 7f3a", u"", u"Segoe UI", u"Tahoma", u"DejaVu Sans"}) {
        auto frame = Graphics().CreateFrame(200, 100, 1);
        ui::Canvas& canvas = frame->BeginPaint();
        canvas.CanvasFont() = FontOf(family, 20);
        canvas.Fill().kind = ui::BrushKind::Solid;
        canvas.Fill().color = 0xFFFFFFFF;
        canvas.FillText({10, 10, 190, 50}, u"Install Velnix", ui::TextWrap::None, 1, ui::TextAlign::Leading,
                        ui::TextAlign::Leading);

        auto layout = Graphics().CreateTextLayout();
        layout->BeginUpdate();
        layout->Edit().text = u"Install Velnix";
        layout->Edit().font = FontOf(family, 20);
        layout->Edit().topLeft = {10, 50};
        layout->Edit().maxSize = {180, 40};
        layout->Edit().color = 0xFFFFFFFF;
        layout->EndUpdate();
        layout->RenderLayout(canvas);
        ASSERT_TRUE(frame->EndPaint());

        const std::string name(family, family + std::char_traits<char16_t>::length(family));
        EXPECT_GT(Painted(*frame, 10, 10, 190, 50).count, 100) << "FillText in '" << name << "'";
        EXPECT_GT(Painted(*frame, 10, 50, 190, 90).count, 100) << "TextLayout in '" << name << "'";
        EXPECT_EQ(Painted(*frame, 0, 0, 200, 8).count, 0) << name;
    }
}

TEST(DWriteText, ResolverAnswersInstalledFamilies) {
    auto& fonts = Graphics().Fonts();
    EXPECT_TRUE(fonts.IsInstalled(fonts.Fallback()));
    EXPECT_TRUE(fonts.IsInstalled(fonts.Resolve(u"No Such Family 7f3a")));
    EXPECT_EQ(fonts.Resolve(u"No Such Family 7f3a"), fonts.Fallback());
    EXPECT_EQ(fonts.Resolve(u""), fonts.Fallback());
    const ui::Font font = Graphics().DefaultFont();
    EXPECT_TRUE(fonts.IsInstalled(std::wstring(font.family.begin(), font.family.end())));
    EXPECT_GT(font.size, 5);
}

TEST(DWriteText, MeasurementGrowsWithTheText) {
    auto frame = Graphics().CreateFrame(10, 10, 1);
    ui::Canvas& canvas = frame->GetCanvas();
    canvas.CanvasFont() = FontOf(u"No Such Family 7f3a", 16);
    const float one = canvas.TextWidth(u"W");
    const float four = canvas.TextWidth(u"WWWW");
    EXPECT_GT(one, 0);
    EXPECT_GT(four, 3 * one);
    EXPECT_EQ(canvas.TextWidth(u""), 0);
    const float line = canvas.TextHeight(u"W");
    EXPECT_GT(line, 10);
    EXPECT_GT(canvas.TextHeight(u"W\r\nW"), 1.5f * line);
    canvas.CanvasFont().size = 32;
    EXPECT_GT(canvas.TextWidth(u"W"), 1.5f * one);

    auto layout = Graphics().CreateTextLayout();
    layout->BeginUpdate();
    layout->Edit().text = u"one two three four five six";
    layout->Edit().font = FontOf(u"DejaVu Sans", 16);
    layout->EndUpdate();
    const float wide = layout->TextWidth();
    const float high = layout->TextHeight();
    EXPECT_GT(wide, 100);
    layout->BeginUpdate();
    layout->Edit().maxSize = {wide / 2, 1000};
    layout->Edit().wrap = ui::TextWrap::Word;
    layout->EndUpdate();
    EXPECT_LE(layout->TextWidth(), wide / 2 + 0.5f);
    EXPECT_GT(layout->TextHeight(), 1.5f * high) << "wrapped onto more lines";
}

TEST(DWriteText, LayoutIsRebuiltOnlyForNewTextOrFont) {
    auto owned = Graphics().CreateTextLayout();
    auto* layout = dynamic_cast<platform::win32::DWriteTextLayout*>(owned.get());
    ASSERT_NE(layout, nullptr);
    auto set = [&](const char16_t* text, float size, ui::AlphaColor color, float width) {
        // What a text parameter does on every draw: rewrite every setting.
        layout->BeginUpdate();
        ui::TextLayoutSettings& s = layout->Edit();
        s.text = text;
        s.font = FontOf(u"DejaVu Sans", size);
        s.color = color;
        s.opacity = 0.5f;
        s.topLeft = {1, 2};
        s.maxSize = {width, 40};
        s.horizontalAlign = ui::TextAlign::Center;
        layout->EndUpdate();
    };
    set(u"Velnix", 12, 0xFFFFFFFF, 100);
    EXPECT_EQ(layout->BuildCount(), 1);
    set(u"Velnix", 12, 0xFF000000, 100);  // colour only
    set(u"Velnix", 12, 0xFF000000, 50);   // box only
    EXPECT_EQ(layout->BuildCount(), 1);
    set(u"Velnix!", 12, 0xFF000000, 50);
    EXPECT_EQ(layout->BuildCount(), 2);
    set(u"Velnix!", 14, 0xFF000000, 50);
    EXPECT_EQ(layout->BuildCount(), 3);
    // Settings changed outside an update are picked up before use.
    layout->Edit().text = u"Velnix Setup";
    EXPECT_GT(layout->TextWidth(), 0);
    EXPECT_EQ(layout->BuildCount(), 4);
}

TEST(DWriteText, AlignmentPlacesTheTextInItsBox) {
    struct Case {
        ui::TextAlign horizontal;
        ui::TextAlign vertical;
        // Where the painted pixels must lie inside the 200 x 100 box at (0,0): a third of it on each axis.
        int column;
        int row;
    };
    const Case cases[] = {
        {ui::TextAlign::Leading, ui::TextAlign::Leading, 0, 0},
        {ui::TextAlign::Center, ui::TextAlign::Center, 1, 1},
        {ui::TextAlign::Trailing, ui::TextAlign::Trailing, 2, 2},
        {ui::TextAlign::Trailing, ui::TextAlign::Leading, 2, 0},
    };
    for (const Case& c : cases) {
        auto frame = Graphics().CreateFrame(200, 100, 1);
        ui::Canvas& canvas = frame->BeginPaint();
        auto layout = Graphics().CreateTextLayout();
        layout->BeginUpdate();
        layout->Edit().text = u"Ok";
        layout->Edit().font = FontOf(u"DejaVu Sans", 16);
        layout->Edit().maxSize = {200, 100};
        layout->Edit().color = 0xFFFFFFFF;
        layout->Edit().horizontalAlign = c.horizontal;
        layout->Edit().verticalAlign = c.vertical;
        layout->EndUpdate();
        layout->RenderLayout(canvas);
        ASSERT_TRUE(frame->EndPaint());
        const PaintedArea area = Painted(*frame, 0, 0, 200, 100);
        ASSERT_GT(area.count, 20);
        const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
        EXPECT_EQ(cx * 3 / 200, c.column) << "centre x " << cx;
        EXPECT_EQ(cy * 3 / 100, c.row) << "centre y " << cy;
    }
}

TEST(DWriteText, CentredTextWiderThanItsBoxOverflowsBothSides) {
    // A caption without wrapping or trimming stays on one line, centred on its box even when wider.
    auto frame = Graphics().CreateFrame(400, 40, 1);
    ui::Canvas& canvas = frame->BeginPaint();
    canvas.CanvasFont() = FontOf(u"DejaVu Sans", 16);
    canvas.Fill().color = 0xFFFFFFFF;
    canvas.FillText({150, 0, 250, 40}, u"A caption far wider than its box", ui::TextWrap::None, 1,
                    ui::TextAlign::Center, ui::TextAlign::Center);
    ASSERT_TRUE(frame->EndPaint());
    const PaintedArea area = Painted(*frame, 0, 0, 400, 40);
    ASSERT_GT(area.count, 50);
    EXPECT_LT(area.left, 150);
    EXPECT_GT(area.right, 250);
    EXPECT_NEAR((area.left + area.right) / 2.0, 200, 6);
    EXPECT_EQ(area.bottom - area.top < 24, true) << "one line";
}

TEST(DWriteText, TrimmingKeepsOverlongTextInsideItsBox) {
    const std::u16string text = u"A caption much too long for its narrow box";
    struct Case {
        ui::TextTrimming trimming;
        bool staysInside;
    };
    for (const Case c : {Case{ui::TextTrimming::None, false}, Case{ui::TextTrimming::Character, true},
                         Case{ui::TextTrimming::Word, true}}) {
        auto frame = Graphics().CreateFrame(400, 40, 1);
        ui::Canvas& canvas = frame->BeginPaint();
        auto layout = Graphics().CreateTextLayout();
        layout->BeginUpdate();
        layout->Edit().text = text;
        layout->Edit().font = FontOf(u"DejaVu Sans", 16);
        layout->Edit().maxSize = {120, 40};
        layout->Edit().trimming = c.trimming;
        layout->Edit().color = 0xFFFFFFFF;
        layout->EndUpdate();
        layout->RenderLayout(canvas);
        ASSERT_TRUE(frame->EndPaint());
        EXPECT_GT(Painted(*frame, 0, 0, 120, 40).count, 50);
        const int outside = Painted(*frame, 122, 0, 400, 40).count;
        if (c.staysInside) {
            EXPECT_EQ(outside, 0) << "trimming " << static_cast<int>(c.trimming);
        } else {
            EXPECT_GT(outside, 0) << "untrimmed text runs past its box";
        }
    }
}

TEST(DWriteText, StyleAndColourWithOpacity) {
    auto paint = [](unsigned style, ui::AlphaColor color, float opacity) {
        auto frame = Graphics().CreateFrame(200, 40, 1);
        ui::Canvas& canvas = frame->BeginPaint();
        auto layout = Graphics().CreateTextLayout();
        layout->BeginUpdate();
        layout->Edit().text = u"Velnix";
        layout->Edit().font = FontOf(u"DejaVu Sans", 20, style);
        layout->Edit().maxSize = {200, 40};
        layout->Edit().color = color;
        layout->Edit().opacity = opacity;
        layout->EndUpdate();
        layout->RenderLayout(canvas);
        frame->EndPaint();
        return frame;
    };
    auto plain = paint(ui::fsNone, 0xFFFFFFFF, 1);
    auto bold = paint(ui::fsBold, 0xFFFFFFFF, 1);
    EXPECT_GT(Painted(*bold, 0, 0, 200, 40).count, Painted(*plain, 0, 0, 200, 40).count);
    // The strongest pixel of the text shows colour alpha x opacity.
    auto faint = paint(ui::fsNone, 0x80FF0000, 0.5f);
    int strongest = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) strongest = std::max(strongest, A(At(*faint, x, y)));
    }
    EXPECT_NEAR(strongest, 64, 2);
}

}  // namespace
