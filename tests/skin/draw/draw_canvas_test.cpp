#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/log.h"
#include "skin/draw/buffer_bitmap.h"
#include "skin/draw/color_text_list.h"
#include "skin/draw/draw_canvas_registry.h"
#include "skin/draw/draw_canvas_setting.h"
#include "skin/draw/draw_canvas_settings.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "tests/skin/draw/draw_test_support.h"
#include "ui/graphics.h"
#include "ui/property.h"
#include "ui/property_path.h"
#include "ui/testing/recording_canvas.h"
#include "ui/text.h"

namespace skin {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

class LogLines : public platform::ILogSink {
public:
    LogLines() : previous_(platform::SetLogSink(this)) {}
    ~LogLines() override { platform::SetLogSink(previous_); }
    void WriteLine(std::u16string_view line) override { lines.push_back(ui::Utf16ToUtf8(line)); }
    std::vector<std::string> lines;

private:
    platform::ILogSink* previous_;
};

// A draw canvas prepared on a recording canvas, with recording drawing services installed and the
// process-wide settings back at their start values afterwards.
class DrawCanvasTest : public ::testing::Test {
protected:
    explicit DrawCanvasTest(float scale = 1) : recorder(scale) {
        ui::SetGraphics(&graphics);
        canvas.Prepare(recorder);
    }
    ~DrawCanvasTest() override {
        canvas.UnPrepare();
        ui::SetGraphics(nullptr);
        DrawCanvasSettings() = TDrawCanvasSettings();
    }

    std::vector<std::string> Calls() {
        std::vector<std::string> calls = std::move(recorder.calls);
        recorder.calls.clear();
        return calls;
    }

    ui::RecordingGraphics graphics;
    ui::RecordingCanvas recorder;
    TFireMonkeyDrawCanvas canvas;
};

// --- Rectangles ---

struct RectCase {
    const char* name;
    std::function<void(TDrawRectParam&)> setUp;
    ui::RectF control;
    std::vector<std::string> expected;
};

TEST_F(DrawCanvasTest, DrawRectTurnsTheParameterIntoPrimitives) {
    const auto fill = [](TDrawRectParam& p) {
        p.SetIsFill(true);
        p.FillColor().SetColor(0xFF102030);
    };
    const RectCase cases[] = {
        {"nothing to draw", [](TDrawRectParam&) {}, {0, 0, 100, 40}, {}},
        {"border only, inside the rectangle",
         [](TDrawRectParam& p) { p.SetBorderWidth(1); },
         {0, 0, 100, 40},
         {"DrawRect 0.5,0.5,99.5,39.5 r=0,0 c=0 o=1 stroke=FF000000 w=1"}},
        {"border 2: fill and border share the rectangle inset by 1",
         [&](TDrawRectParam& p) {
             fill(p);
             p.SetBorderWidth(2);
             p.BorderColor().SetColor(0xFFFF0000);
         },
         {0, 0, 100, 40},
         {"FillRect 1,1,99,39 r=0,0 c=0 o=1 fill=solid:FF102030",
          "DrawRect 1,1,99,39 r=0,0 c=0 o=1 stroke=FFFF0000 w=2"}},
        {"radii -1 make a pill",
         [&](TDrawRectParam& p) {
             fill(p);
             p.SetIsRound(true);
             p.SetRoundWidth(-1);
             p.SetRoundHeight(-1);
         },
         {0, 0, 100, 40},
         {"FillRect 0,0,100,40 r=50,20 c=15 o=1 fill=solid:FF102030"}},
        {"rounded chosen corners on fill and border",
         [&](TDrawRectParam& p) {
             fill(p);
             p.SetIsRound(true);
             p.SetRectCorners({TDRPRectCorner::rcTopLeft, TDRPRectCorner::rcBottomRight});
             p.SetBorderWidth(1);
         },
         {10, 10, 110, 50},
         {"FillRect 10.5,10.5,109.5,49.5 r=6,6 c=9 o=1 fill=solid:FF102030",
          "DrawRect 10.5,10.5,109.5,49.5 r=6,6 c=9 o=1 stroke=FF000000 w=1"}},
        {"bottom edge only, square",
         [](TDrawRectParam& p) {
             p.SetBorderWidth(1);
             p.SetBorderEadges({TDRPBorderEadge::beBottom});
         },
         {0, 0, 100, 40},
         {"DrawRectSides 0.5,0.5,99.5,39.5 s=8 o=1 stroke=FF000000 w=1"}},
        {"top and left edges, rounded",
         [](TDrawRectParam& p) {
             p.SetBorderWidth(1);
             p.SetIsRound(true);
             p.SetBorderEadges({TDRPBorderEadge::beTop, TDRPBorderEadge::beLeft});
         },
         {0, 0, 100, 40},
         {"DrawRoundRectSides 0.5,0.5,99.5,39.5 r=6,6 c=15 s=3 o=1 stroke=FF000000 w=1"}},
        {"no edges: fill only",
         [&](TDrawRectParam& p) {
             fill(p);
             p.SetBorderWidth(1);
             p.SetBorderEadges({});
         },
         {0, 0, 100, 40},
         {"FillRect 0.5,0.5,99.5,39.5 r=0,0 c=0 o=1 fill=solid:FF102030"}},
        {"brush none: border only",
         [&](TDrawRectParam& p) {
             fill(p);
             p.SetBrushKind(TDRPBrushKind::drpbkNone);
             p.SetBorderWidth(1);
         },
         {0, 0, 100, 40},
         {"DrawRect 0.5,0.5,99.5,39.5 r=0,0 c=0 o=1 stroke=FF000000 w=1"}},
        {"opacity is DrawAlpha",
         [&](TDrawRectParam& p) {
             fill(p);
             p.DrawAlpha = 51;
         },
         {0, 0, 100, 40},
         {"FillRect 0,0,100,40 r=0,0 c=0 o=0.2 fill=solid:FF102030"}},
        {"border wider than the height collapses to a sliver",
         [](TDrawRectParam& p) { p.SetBorderWidth(10); },
         {0, 0, 100, 4},
         {"DrawRect 5,2,95,2.01 r=0,0 c=0 o=1 stroke=FF000000 w=10"}},
        {"zero-width control", fill, {10, 0, 10, 40}, {}},
        {"margins wider than the control: no stray line",
         [&](TDrawRectParam& p) {
             fill(p);
             p.DrawRectSetting().SetEnabled(true);
             p.DrawRectSetting().SetSizeType(TDPSizeType::dpstPixel);
             p.DrawRectSetting().SetMargins(60, 0, 60, 0);
         },
         {0, 0, 100, 40},
         {}},
        {"100 x 1 is a horizontal line on its pixel row",
         fill,
         {0, 5.3f, 100, 6.3f},
         {"DrawLine 0,5.5 100,5.5 o=1 stroke=FF102030 w=1"}},
        {"1 wide is a vertical line", fill, {7.2f, 0, 8.2f, 40}, {"DrawLine 7.5,0 7.5,40 o=1 stroke=FF102030 w=1"}},
        {"IsLine draws the chosen edge in the parameter's own fill colour",
         [](TDrawRectParam& p) {
             p.SetIsLine(true);
             p.FillColor().SetColor(0xFF00FF00);
         },
         {0, 0, 100, 40},
         {"DrawLine 0,39.5 100,39.5 o=1 stroke=FF00FF00 w=1"}},
        {"IsLine left edge",
         [](TDrawRectParam& p) {
             p.SetIsLine(true);
             p.SetLinePosition(TDRPLinePosition::lpLeft);
         },
         {3, 0, 100, 40},
         {"DrawLine 3.5,0 3.5,40 o=1 stroke=FFFFFFFF w=1"}},
        {"IsLine right edge",
         [](TDrawRectParam& p) {
             p.SetIsLine(true);
             p.SetLinePosition(TDRPLinePosition::lpRight);
         },
         {0, 0, 100, 40},
         {"DrawLine 99.5,0 99.5,40 o=1 stroke=FFFFFFFF w=1"}},
    };
    for (const RectCase& c : cases) {
        TDrawRectParam param(u"P", u"p");
        c.setUp(param);
        canvas.DrawRect(param, c.control);
        EXPECT_THAT(Calls(), ElementsAreArray(c.expected)) << c.name;
    }
}

TEST_F(DrawCanvasTest, LineModeKeepsItsOwnColourWhileAnEffectChangesTheFill) {
    TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.FillColor().SetColor(0xFF102030);
    TDrawRectParamEffect& over = param.DrawEffectSetting().MouseOverEffect();
    over.SetEffectTypes({TDRPEffectType::drpetFillColorChange});
    over.FillColor().SetColor(0xFFFFFF00);
    param.SetStaticEffectStates({TDPEffectState::dpstMouseOver});

    canvas.DrawRect(param, {0, 0, 100, 1});
    canvas.DrawRect(param, {0, 0, 100, 40});
    EXPECT_THAT(Calls(), ElementsAre("DrawLine 0,0.5 100,0.5 o=1 stroke=FF102030 w=1",
                                     "FillRect 0,0,100,40 r=0,0 c=0 o=1 fill=solid:FFFFFF00"));
}

TEST_F(DrawCanvasTest, LinesAreNotSnappedWhenSnappingIsOffAndTakeTheDefaultWidth) {
    DrawCanvasSettings().IsSnapLineToPixel = false;
    DrawCanvasSettings().DefaultLineWidth = 2;
    TDrawRectParam param(u"P", u"p");
    param.SetIsLine(true);
    param.SetLinePosition(TDRPLinePosition::lpTop);
    canvas.DrawRect(param, {0, 5.25f, 100, 40});
    EXPECT_THAT(Calls(), ElementsAre("DrawLine 0,5.25 100,5.25 o=1 stroke=FFFFFFFF w=2"));
}

TEST_F(DrawCanvasTest, GradientFillStartsWithTheStateColour) {
    TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.SetBrushKind(TDRPBrushKind::drpbkGradient);
    param.FillColor().SetColor(0xFF00FF00);
    canvas.DrawRect(param, {0, 0, 100, 40});
    EXPECT_THAT(Calls(), ElementsAre("FillRect 0,0,100,40 r=0,0 c=0 o=1 fill=gradient:FF00FF00/FFFFFFFF@1"));
    EXPECT_EQ(recorder.Fill().gradient.startPoint, (ui::PointF{0, 0}));
}

TEST_F(DrawCanvasTest, ClipRoundLeavesARoundedHoleWithTheRectCorners) {
    TDrawRectParam param(u"P", u"p");
    param.SetIsFill(true);
    param.SetRectCorners({TDRPRectCorner::rcTopLeft});
    param.IsClipRound = true;
    param.ClipRoundRectSetting().SetEnabled(true);
    param.ClipRoundRectSetting().SetSizeType(TDPSizeType::dpstPixel);
    param.ClipRoundRectSetting().SetMargins(10, 10, 10, 10);
    canvas.DrawRect(param, {0, 0, 100, 40});
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    // The outer square outline, then the hole (10,10)-(90,30) with radii 40 x 10, rounded at the top left
    // only: the even-odd rule leaves it unpainted.
    EXPECT_EQ(calls[0],
              "FillPath evenodd o=1 fill=solid:FFFFFFFF M0,0 L100,0 L100,40 L0,40 L0,0 Z"
              " M10,20 C10,14.4772 27.9086,10 50,10 L90,10 L90,30 L10,30 L10,20 Z");
}

// --- Text ---

TEST_F(DrawCanvasTest, DrawTextSetsUpTheCachedLayoutFromTheCurrentEffect) {
    TDrawTextParam param(u"T", u"t");
    param.SetFontName(u"Liberation Sans");
    param.SetFontSize(10);
    param.SetFontColor(0xFF112233);
    param.SetFontHorzAlign(TFontHorzAlign::fhaCenter);
    param.SetFontVertAlign(TFontVertAlign::fvaBottom);
    param.SetFontTrimming(TFontTrimmingType::fftWord);
    param.SetIsWordWrap(true);
    param.DrawAlpha = 51;
    TDrawTextParamEffect& over = param.DrawEffectSetting().MouseOverEffect();
    over.SetEffectTypes({TDTPEffectType::dtpetFontSizeChange, TDTPEffectType::dtpetFontColorChange});
    over.SetFontSize(12.9);
    over.FontColor().SetColor(0xFFAA0000);
    param.SetStaticEffectStates({TDPEffectState::dpstMouseOver});

    canvas.DrawText(param, u"Install", {10, 20, 110, 60});
    EXPECT_THAT(Calls(), ElementsAre("TextLayout 10,20 max=100,40 'Install' font=Liberation Sans/12/0 "
                                     "color=FFAA0000 o=0.2 center/trailing wrap trim=2"));
    EXPECT_EQ(recorder.CanvasFont().size, 12);

    // The layout is kept and set up again on the next draw.
    const ui::TextLayout* layout = param.FTextLayout.get();
    ASSERT_NE(layout, nullptr);
    param.SetStaticEffectStates({});
    canvas.DrawText(param, u"Go", {0, 0, 50, 20});
    EXPECT_EQ(param.FTextLayout.get(), layout);
    EXPECT_THAT(Calls(), ElementsAre("TextLayout 0,0 max=50,20 'Go' font=Liberation Sans/10/0 "
                                     "color=FF112233 o=0.2 center/trailing wrap trim=2"));
}

TEST_F(DrawCanvasTest, EmptyTextDrawsNothing) {
    TDrawTextParam param(u"T", u"t");
    canvas.DrawText(param, u"", {0, 0, 50, 20});
    EXPECT_THAT(Calls(), IsEmpty());
    EXPECT_EQ(param.FTextLayout, nullptr);
}

TEST(VerticalTextTest, PutsEveryCharacterOnItsOwnLineKeepingSurrogatePairs) {
    const struct {
        std::u16string text;
        std::u16string expected;
    } cases[] = {
        {u"AB", u"A\r\nB\r\n"},
        {u"a\U0001F600b", u"a\r\n\U0001F600\r\nb\r\n"},
        // A lone surrogate stays a character of its own.
        {std::u16string(1, char16_t{0xD83D}) + u"x", std::u16string(1, char16_t{0xD83D}) + u"\r\nx\r\n"},
        {u"", u""},
    };
    std::u16string out = u"old";
    for (const auto& c : cases) {
        MakeVerticalText(c.text, out);
        EXPECT_EQ(out, c.expected) << ui::Utf16ToUtf8(c.text);
    }
}

TEST_F(DrawCanvasTest, VerticalTextIsDrawnOneCharacterPerLine) {
    TDrawTextParam param(u"T", u"t");
    param.SetIsDrawVert(true);
    canvas.DrawText(param, u"O\U0001F600", {0, 0, 20, 100});
    ASSERT_NE(param.FTextLayout, nullptr);
    EXPECT_EQ(param.FTextLayout->Settings().text, u"O\r\n\U0001F600\r\n");
    EXPECT_EQ(param.FTextLayout->Settings().wrap, ui::TextWrap::Word);
}

TEST_F(DrawCanvasTest, DefaultFontFamilyOverridesTheParametersFamilyWhenSet) {
    TDrawTextParam param(u"T", u"t");
    param.SetFontName(u"Own Family");
    DrawCanvasSettings().IsUseDefaultFontFamily = true;
    canvas.DrawText(param, u"x", {0, 0, 50, 20});
    // An empty default family keeps the layout's family.
    EXPECT_EQ(param.FTextLayout->Settings().font.family, u"");
    DrawCanvasSettings().DefaultFontFamily = u"DejaVu Sans";
    canvas.DrawText(param, u"x", {0, 0, 50, 20});
    EXPECT_EQ(param.FTextLayout->Settings().font.family, u"DejaVu Sans");
    DrawCanvasSettings().DefaultFontFamily.clear();
    canvas.DrawText(param, u"x", {0, 0, 50, 20});
    EXPECT_EQ(param.FTextLayout->Settings().font.family, u"DejaVu Sans");
    DrawCanvasSettings().IsUseDefaultFontFamily = false;
    canvas.DrawText(param, u"x", {0, 0, 50, 20});
    EXPECT_EQ(param.FTextLayout->Settings().font.family, u"Own Family");
}

class ColorTexts : public IColorTextList {
public:
    int GetColorTextCount() const override { return static_cast<int>(items.size()); }
    TBaseColorTextItem& GetColorTextItem(int index) override { return *items[static_cast<size_t>(index)]; }
    TBaseColorTextItem& Add(std::u16string text, double size, ui::AlphaColor color) {
        auto item = std::make_unique<TBaseColorTextItem>();
        item->Text = std::move(text);
        item->DrawFont.SetFontSize(size);
        item->DrawFont.SetColor(color);
        items.push_back(std::move(item));
        return *items.back();
    }
    std::vector<std::unique_ptr<TBaseColorTextItem>> items;
};

TEST_F(DrawCanvasTest, ColourRunsAreDrawnOneAfterTheOtherOnOneLine) {
    TDrawTextParam param(u"T", u"t");
    param.SetFontHorzAlign(TFontHorzAlign::fhaRight);
    param.SetFontVertAlign(TFontVertAlign::fvaBottom);
    param.SetFontColor(0xFF0000FF);
    ColorTexts runs;
    runs.Add(u"ab", 10, 0xFFFF0000);                                    // 10 x 12.5
    runs.Add(u"cde", 20, 0xFF00FF00).IsUseDefaultDrawFontColor = true;  // 30 x 25
    canvas.DrawText(param, u"", {0, 0, 100, 40}, &runs);
    EXPECT_THAT(Calls(), ElementsAre(AllOf(StartsWith("FillText 60,27.5,70,40 'ab' font="),
                                           EndsWith("/10/0 o=1 leading/trailing fill=solid:FFFF0000")),
                                     AllOf(StartsWith("FillText 70,15,100,40 'cde' font="),
                                           EndsWith("/20/0 o=1 leading/trailing fill=solid:FF0000FF"))));
    EXPECT_DOUBLE_EQ(runs.items[0]->DrawTop, 27.5);
    EXPECT_DOUBLE_EQ(runs.items[1]->DrawWidth, 30);
}

class ScaledDrawCanvasTest : public DrawCanvasTest {
protected:
    ScaledDrawCanvasTest() : DrawCanvasTest(1.5f) {}
};

TEST_F(ScaledDrawCanvasTest, MeasurementsRoundUpToDevicePixelsWithTheBaseFont) {
    TDrawTextParam param(u"T", u"t");
    param.SetFontSize(20.4);  // one character: 10.2 wide, 25.5 high
    TDrawTextParamEffect& over = param.DrawEffectSetting().MouseOverEffect();
    over.SetEffectTypes({TDTPEffectType::dtpetFontSizeChange});
    over.SetFontSize(40);
    param.SetStaticEffectStates({TDPEffectState::dpstMouseOver});
    const TTextDrawSize size = canvas.CalcTextDrawSize(param, u"W", {0, 0, 100, 40}, TCalcDrawSizeType::cdstBoth);
    EXPECT_NEAR(size.DrawWidth, 16 / 1.5, 1e-6);
    EXPECT_NEAR(size.DrawHeight, 39 / 1.5, 1e-6);
    EXPECT_NEAR(canvas.CalcTextDrawWidth(param, u"W", {0, 0, 100, 40}), 16 / 1.5, 1e-6);
    EXPECT_EQ(canvas.CalcTextDrawHeight(param, u"", {0, 0, 100, 40}), 0);
}

TEST_F(DrawCanvasTest, TextRectIsPlacedInTheControlRectangleIgnoringMargins) {
    TDrawTextParam param(u"T", u"t");
    param.SetFontSize(10);  // "abcd": 20 x 12.5, rounded up to 20 x 13
    param.DrawRectSetting().SetEnabled(true);
    param.DrawRectSetting().SetSizeType(TDPSizeType::dpstPixel);
    param.DrawRectSetting().SetMargins(5, 5, 5, 5);
    const struct {
        TFontHorzAlign horz;
        TFontVertAlign vert;
        ui::RectF expected;
    } cases[] = {
        {TFontHorzAlign::fhaLeft, TFontVertAlign::fvaTop, {10, 20, 30, 33}},
        {TFontHorzAlign::fhaCenter, TFontVertAlign::fvaCenter, {50, 33.5f, 70, 46.5f}},
        {TFontHorzAlign::fhaRight, TFontVertAlign::fvaBottom, {90, 47, 110, 60}},
    };
    for (const auto& c : cases) {
        param.SetFontHorzAlign(c.horz);
        param.SetFontVertAlign(c.vert);
        EXPECT_EQ(canvas.CalcTextDrawRect(param, u"abcd", {10, 20, 110, 60}), c.expected) << static_cast<int>(c.horz);
    }
}

// --- Clips ---

TEST_F(DrawCanvasTest, ClipsNestAndEachResetReturnsToTheClipBeforeIt) {
    const ui::RectF unbounded = recorder.clip;
    canvas.SetClip({0, 0, 50, 50});
    canvas.SetClip({10, 10, 100, 100});
    EXPECT_EQ(recorder.clip, (ui::RectF{10, 10, 50, 50}));
    canvas.ResetClip();
    EXPECT_EQ(recorder.clip, (ui::RectF{0, 0, 50, 50}));
    canvas.ResetClip();
    EXPECT_EQ(recorder.clip, unbounded);
    EXPECT_EQ(canvas.ClipDepth(), 0u);
}

TEST_F(DrawCanvasTest, AClipLeftSetEndsWithThePaintAndAnUnpairedResetIsLogged) {
    LogLines log;
    const ui::RectF unbounded = recorder.clip;
    {
        const TDrawCanvasClip clip(canvas, {0, 0, 10, 10});
        EXPECT_EQ(recorder.clip, (ui::RectF{0, 0, 10, 10}));
    }
    EXPECT_EQ(recorder.clip, unbounded);

    canvas.SetClip({0, 0, 10, 10});
    canvas.SetClip({0, 0, 5, 5});
    canvas.UnPrepare();
    EXPECT_EQ(recorder.clip, unbounded) << "a later sibling must not be cut";
    EXPECT_EQ(canvas.ClipDepth(), 0u);
    canvas.Prepare(recorder);
    canvas.ResetClip();
    EXPECT_EQ(recorder.clip, unbounded);
    EXPECT_THAT(log.lines, ElementsAre(HasSubstr("a clip was left set"), HasSubstr("ResetClip without SetClip")));
}

// --- Design-time overlays ---

TEST_F(DrawCanvasTest, DesigningOverlaysFollowTheSettings) {
    EXPECT_FALSE(canvas.DrawDesigningRect({0, 0, 50, 20}, 0xFF00FF00));
    EXPECT_FALSE(canvas.DrawDesigningText({0, 0, 50, 20}, u"Button1"));
    EXPECT_THAT(Calls(), ElementsAre("DrawRect 1,1,50,20 r=0,0 c=0 o=0.7 stroke=FF00FF00 w=1 dash"));
    EXPECT_EQ(recorder.Stroke().dash, ui::DashStyle::Solid);

    DrawCanvasSettings().IsDrawDesigningRect = false;
    DrawCanvasSettings().IsDrawDesigningName = true;
    canvas.DrawDesigningRect({0, 0, 50, 20}, 0xFF00FF00);
    canvas.DrawDesigningText({0, 0, 50, 20}, u"Button1");
    EXPECT_THAT(Calls(), ElementsAre(AllOf(StartsWith("FillText 0,0,50,20 'Button1' font="),
                                           EndsWith("/12/0 o=0.6 leading/leading wrap fill=solid:FF000000"))));
    EXPECT_EQ(recorder.CanvasFont().size, 12);
}

// --- Settings, registry, buffer bitmaps, drawing services ---

TEST(DrawCanvasSettingTest, PublishesTheProcessWideSettingsWithoutHoldingThem) {
    TDrawCanvasSetting setting;
    EXPECT_EQ(testing::PropertyText(setting, u"IsUseDefaultFontFamily"), "False");
    EXPECT_EQ(testing::PropertyText(setting, u"DefaultFontFamily"), "''");
    EXPECT_EQ(testing::PropertyText(setting, u"IsDrawDesigningRect"), "True");
    EXPECT_EQ(testing::PropertyText(setting, u"IsDrawDesigningName"), "False");
    const auto set = [&](std::u16string_view path, auto value) {
        const ui::PropertyTarget target = ui::ResolvePropertyPath(setting, path, ui::PathResolution::Strict);
        if constexpr (std::is_same_v<decltype(value), bool>) {
            target.property->SetBool(*target.instance, value);
        } else {
            target.property->SetText(*target.instance, value);
        }
    };
    set(u"IsUseDefaultFontFamily", true);
    set(u"DefaultFontFamily", std::u16string(u"DejaVu Sans"));
    set(u"IsDrawDesigningRect", false);
    set(u"IsDrawDesigningName", true);
    EXPECT_TRUE(DrawCanvasSettings().IsUseDefaultFontFamily);
    EXPECT_EQ(DrawCanvasSettings().DefaultFontFamily, u"DejaVu Sans");
    EXPECT_FALSE(DrawCanvasSettings().IsDrawDesigningRect);
    EXPECT_TRUE(DrawCanvasSettings().IsDrawDesigningName);
    // A second component shows the same values: they are the process's.
    TDrawCanvasSetting other;
    EXPECT_EQ(testing::PropertyText(other, u"DefaultFontFamily"), "'DejaVu Sans'");
    DrawCanvasSettings() = TDrawCanvasSettings();
}

class OtherDrawCanvas : public TFireMonkeyDrawCanvas {};

TEST(DrawCanvasRegistryTest, CreatesTheRegisteredClass) {
    EXPECT_NE(dynamic_cast<TFireMonkeyDrawCanvas*>(CreateDrawCanvas(u"Test").get()), nullptr);
    SetDrawCanvasClass([]() -> std::unique_ptr<TDrawCanvas> { return std::make_unique<OtherDrawCanvas>(); });
    EXPECT_NE(dynamic_cast<OtherDrawCanvas*>(CreateDrawCanvas(u"Test").get()), nullptr);
    SetDrawCanvasClass(nullptr);
    EXPECT_EQ(dynamic_cast<OtherDrawCanvas*>(CreateDrawCanvas(u"Test").get()), nullptr);
}

TEST(BufferBitmapTest, MakesADeviceSizedBitmapWithAPreparedDrawCanvas) {
    ui::RecordingGraphics graphics;
    ui::SetGraphics(&graphics);
    TBufferBitmap buffer;
    EXPECT_EQ(buffer.DrawCanvas(), nullptr);
    ASSERT_TRUE(buffer.CreateBufferBitmap(10, 7, 1.5f));
    EXPECT_EQ(buffer.Width(), 10);
    EXPECT_EQ(buffer.Scale(), 1.5f);
    ASSERT_NE(buffer.SelfBitmap().Bitmap(), nullptr);
    EXPECT_EQ(buffer.SelfBitmap().Bitmap()->Width(), 15);
    EXPECT_EQ(buffer.SelfBitmap().Bitmap()->Height(), 11);
    TDrawCanvas* drawCanvas = buffer.DrawCanvas();
    ASSERT_NE(drawCanvas, nullptr);
    EXPECT_EQ(drawCanvas->Canvas(), buffer.SelfBitmap().BitmapCanvas());
    EXPECT_EQ(buffer.DrawCanvas(), drawCanvas);
    ui::SetGraphics(nullptr);

    LogLines log;
    EXPECT_FALSE(buffer.CreateBufferBitmap(10, 10, 1));
    EXPECT_EQ(buffer.DrawCanvas(), nullptr);
    EXPECT_THAT(log.lines, ElementsAre(HasSubstr("TFMXPlatformBitmap.CreateBitmap: no drawing services")));
}

TEST(BufferBitmapTest, ProcessWideObjectsGoWithTheDrawingServicesThatMadeThem) {
    ui::RecordingGraphics first;
    ui::SetGraphics(&first);
    TBufferBitmap& buffer = GetGlobalAutoSizeBufferBitmap();
    EXPECT_EQ(buffer.Width(), 100);
    EXPECT_EQ(buffer.Scale(), 1);
    ASSERT_NE(buffer.DrawCanvas(), nullptr);
    TDrawTextParam& defaultParam = GetGlobalDefaultDrawTextParam();
    buffer.DrawCanvas()->DrawText(defaultParam, u"x", {0, 0, 50, 20});
    EXPECT_NE(defaultParam.FTextLayout, nullptr);
    EXPECT_EQ(&GetGlobalAutoSizeBufferBitmap(), &buffer);

    ui::RecordingGraphics second;
    second.screenScale = 2;
    ui::SetGraphics(&second);
    EXPECT_EQ(defaultParam.FTextLayout, nullptr);
    TBufferBitmap& again = GetGlobalAutoSizeBufferBitmap();
    ASSERT_NE(again.SelfBitmap().Bitmap(), nullptr);
    EXPECT_EQ(again.DrawCanvas()->Canvas(), again.SelfBitmap().BitmapCanvas());
    ui::SetGraphics(nullptr);
}

}  // namespace
}  // namespace skin
