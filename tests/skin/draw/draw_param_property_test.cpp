#include <gtest/gtest.h>

#include <string>

#include "skin/draw/skin_theme.h"
#include "skin/draw/theme_colors.h"
#include "tests/skin/draw/draw_test_support.h"
#include "ui/layout_reader.h"
#include "ui/testing/recording_canvas.h"

namespace skin {
namespace {

using S = TDPEffectState;
using testing::ChangeCounter;
using testing::PropertyText;
using testing::TestHost;
using testing::Utf8;

struct PathValue {
    const char* path;
    const char* value;
};

TEST(DrawParamPropertyTest, EveryPublishedPropertyStartsAtItsDefault) {
    TestHost host;
    const PathValue cases[] = {
        {"SelfOwnMaterial.BackColor.Alpha", "255"},
        {"SelfOwnMaterial.BackColor.IsFill", "False"},
        {"SelfOwnMaterial.BackColor.FillColor.Color", "xFFFFFFFF"},
        {"SelfOwnMaterial.BackColor.FillColor.UseThemeColor", "ctNone"},
        {"SelfOwnMaterial.BackColor.BorderColor.Color", "xFF000000"},
        {"SelfOwnMaterial.BackColor.BorderWidth", "0"},
        {"SelfOwnMaterial.BackColor.BorderEadges", "[beLeft, beTop, beRight, beBottom]"},
        {"SelfOwnMaterial.BackColor.RectCorners", "[rcTopLeft, rcTopRight, rcBottomLeft, rcBottomRight]"},
        {"SelfOwnMaterial.BackColor.IsLine", "False"},
        {"SelfOwnMaterial.BackColor.LinePosition", "lpBottom"},
        {"SelfOwnMaterial.BackColor.IsRound", "False"},
        {"SelfOwnMaterial.BackColor.RoundWidth", "6"},
        {"SelfOwnMaterial.BackColor.RoundHeight", "6"},
        {"SelfOwnMaterial.BackColor.BrushKind", "drpbkFill"},
        {"SelfOwnMaterial.BackColor.GradientColor1", "xFFFFFFFF"},
        {"SelfOwnMaterial.BackColor.GradientStyle", "Linear"},
        {"SelfOwnMaterial.BackColor.GradientStartPosition.X", "0"},
        {"SelfOwnMaterial.BackColor.GradientStopPosition.Y", "1"},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Enabled", "False"},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.SizeType", "dpstPercent"},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.PositionHorzType", "dpphtNone"},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.PositionVertType", "dppvtNone"},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Left", "0"},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Height", "0"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.IsMixedMouseDownAndPushedEffect", "False"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.Alpha", "180"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.Offset", "1"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.CommonEffectTypes", "[]"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.IsFill", "False"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.FillColor.Color", "xFF000000"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.FillColorChangeType", "cctNone"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.BorderColor.Color", "xFF000000"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.BorderWidth", "0"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.DisabledEffect.EffectTypes", "[]"},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.FocusedEffect.Alpha", "180"},
        {"SelfOwnMaterial.DrawCaptionParam.Alpha", "255"},
        {"SelfOwnMaterial.DrawCaptionParam.FontName", "'Segoe UI'"},
        {"SelfOwnMaterial.DrawCaptionParam.FontSize", "12"},
        {"SelfOwnMaterial.DrawCaptionParam.FontStyle", "[]"},
        {"SelfOwnMaterial.DrawCaptionParam.FontColor", "xFF000000"},
        {"SelfOwnMaterial.DrawCaptionParam.IsWordWrap", "False"},
        {"SelfOwnMaterial.DrawCaptionParam.IsDrawVert", "False"},
        {"SelfOwnMaterial.DrawCaptionParam.FontHorzAlign", "fhaLeft"},
        {"SelfOwnMaterial.DrawCaptionParam.FontVertAlign", "fvaTop"},
        {"SelfOwnMaterial.DrawCaptionParam.FontTrimming", "fttNone"},
        {"SelfOwnMaterial.DrawCaptionParam.AutoSizeWidthAdjust", "0"},
        {"SelfOwnMaterial.DrawCaptionParam.AutoSizeHeightAdjust", "0"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Family", "'Segoe UI'"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Size", "12"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Style", "[]"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Color", "xFF000000"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.FontColor.Color", "xFF000000"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.FontColor.Color", "xFF000000"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.FontSize", "12"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.FontStyle", "[]"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.EffectTypes", "[]"},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.PushedEffect.Offset", "1"},
    };
    for (const PathValue& c : cases) {
        EXPECT_EQ(PropertyText(host, ui::Utf8ToUtf16(c.path)), c.value) << c.path;
    }
}

struct SetCase {
    const char* path;
    const char* value;
    // Reports of the parameter when the value is first read; reading it again reports nothing.
    int reports;
};

// Reads "path = value" from a layout and counts the reports of both parameters.
int ReadOne(TestHost& host, const SetCase& c) {
    ChangeCounter changes;
    host.material.BackColor.OnChange = changes.Handler();
    host.material.DrawCaptionParam.OnChange = changes.Handler();
    const std::string layout = "object Host: TTestHost\n  " + std::string(c.path) + " = " + c.value + "\nend\n";
    ui::ReadLayout(layout, host);
    return changes.count;
}

TEST(DrawParamPropertyTest, LayoutKeysSetEveryPropertyAndReportOnlyChanges) {
    const SetCase cases[] = {
        {"SelfOwnMaterial.BackColor.Alpha", "200", 1},
        {"SelfOwnMaterial.BackColor.IsFill", "True", 1},
        {"SelfOwnMaterial.BackColor.FillColor.Color", "xFF2F2F2F", 1},
        {"SelfOwnMaterial.BackColor.FillColor.UseThemeColor", "ctThemeColor2", 1},
        {"SelfOwnMaterial.BackColor.BorderColor.Color", "xFF383838", 1},
        {"SelfOwnMaterial.BackColor.BorderWidth", "1.5", 1},
        {"SelfOwnMaterial.BackColor.BorderEadges", "[beLeft, beBottom]", 1},
        {"SelfOwnMaterial.BackColor.RectCorners", "[rcBottomLeft, rcBottomRight]", 1},
        {"SelfOwnMaterial.BackColor.IsLine", "True", 1},
        {"SelfOwnMaterial.BackColor.LinePosition", "lpTop", 1},
        {"SelfOwnMaterial.BackColor.IsRound", "True", 1},
        {"SelfOwnMaterial.BackColor.RoundWidth", "4", 1},
        {"SelfOwnMaterial.BackColor.RoundHeight", "-1", 1},
        {"SelfOwnMaterial.BackColor.BrushKind", "drpbkGradient", 1},
        {"SelfOwnMaterial.BackColor.GradientColor1", "xFF00FF00", 1},
        {"SelfOwnMaterial.BackColor.GradientStyle", "Radial", 1},
        {"SelfOwnMaterial.BackColor.GradientStartPosition.X", "0.5", 1},
        {"SelfOwnMaterial.BackColor.GradientStopPosition.Y", "0.25", 1},
        // A disabled rectangle setting takes values without reporting; switching it on reports.
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Left", "25", 0},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.SizeType", "dpstPixel", 0},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Enabled", "True", 1},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Top", "25", 1},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Right", "30", 1},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Bottom", "8", 1},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Width", "50", 1},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.Height", "20.5", 1},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.PositionHorzType", "dpphtRight", 1},
        {"SelfOwnMaterial.BackColor.DrawRectSetting.PositionVertType", "dppvtCenter", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.IsMixedMouseDownAndPushedEffect", "True", 1},
        // Only the pushed effect reports.
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.Alpha", "100", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.Offset", "2", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.CommonEffectTypes",
         "[dpcetOffsetChange, dpcetAlphaChange]", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.IsFill", "True", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.FillColor.Color", "xFF0092CA", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.FillColor.UseThemeColor", "ctThemeColor", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.FillColorChangeType", "cctDarkness", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.BorderColor.Color", "xFF0098D4", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.BorderWidth", "3", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.PushedEffect.EffectTypes",
         "[drpetFillColorChange, drpetIsFillChange, drpetBorderWidthChange, drpetBorderColorChange]", 1},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.FillColor.Color", "xFF0089BF", 0},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.EffectTypes", "[drpetFillColorChange]", 0},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.Alpha", "90", 0},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.DisabledEffect.CommonEffectTypes", "[dpcetAlphaChange]", 0},
        {"SelfOwnMaterial.BackColor.DrawEffectSetting.FocusedEffect.Offset", "3", 0},
        {"SelfOwnMaterial.DrawCaptionParam.Alpha", "128", 1},
        {"SelfOwnMaterial.DrawCaptionParam.FontName", "'Liberation Sans'", 1},
        {"SelfOwnMaterial.DrawCaptionParam.FontSize", "20", 1},
        {"SelfOwnMaterial.DrawCaptionParam.FontStyle", "[fsBold, fsUnderline]", 1},
        {"SelfOwnMaterial.DrawCaptionParam.FontColor", "xFFFFFFFF", 1},
        {"SelfOwnMaterial.DrawCaptionParam.IsWordWrap", "True", 1},
        {"SelfOwnMaterial.DrawCaptionParam.IsDrawVert", "True", 1},
        {"SelfOwnMaterial.DrawCaptionParam.FontHorzAlign", "fhaCenter", 1},
        {"SelfOwnMaterial.DrawCaptionParam.FontVertAlign", "fvaBottom", 1},
        {"SelfOwnMaterial.DrawCaptionParam.FontTrimming", "fftWord", 1},
        {"SelfOwnMaterial.DrawCaptionParam.AutoSizeWidthAdjust", "10", 1},
        {"SelfOwnMaterial.DrawCaptionParam.AutoSizeHeightAdjust", "-2.5", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Family", "'DejaVu Sans'", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Size", "13.5", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Style", "[fsItalic, fsStrikeOut]", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Color", "xFFA0A0A0", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.FontColor.Color", "xCEFFFFFF", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawFont.FontColor.UseThemeColor", "ctNavigationBarFontColor", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.PushedEffect.FontColor.Color", "xCEFFFFFF", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.PushedEffect.FontSize", "16", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.PushedEffect.FontStyle", "[fsBold]", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.PushedEffect.EffectTypes",
         "[dtpetFontColorChange, dtpetFontSizeChange, dtpetFontStyleChange]", 1},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.FontColor.Color", "xCEFFFFFF", 0},
        {"SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.FontSize", "18", 0},
    };
    TestHost host;
    for (const SetCase& c : cases) {
        EXPECT_EQ(ReadOne(host, c), c.reports) << c.path;
        EXPECT_EQ(PropertyText(host, ui::Utf8ToUtf16(c.path)), c.value) << c.path;
        EXPECT_EQ(ReadOne(host, c), 0) << "again: " << c.path;
    }
}

TEST(DrawParamPropertyTest, TheSizeAndColourShortcutsSetTheSameValue) {
    TestHost host;
    ReadOne(host, {"SelfOwnMaterial.DrawCaptionParam.FontSize", "14", 1});
    EXPECT_EQ(PropertyText(host, u"SelfOwnMaterial.DrawCaptionParam.DrawFont.Size"), "14");
    ReadOne(host, {"SelfOwnMaterial.DrawCaptionParam.DrawFont.Size", "15", 1});
    EXPECT_EQ(PropertyText(host, u"SelfOwnMaterial.DrawCaptionParam.FontSize"), "15");
    ReadOne(host, {"SelfOwnMaterial.DrawCaptionParam.DrawFont.FontColor.Color", "xFF123456", 1});
    EXPECT_EQ(PropertyText(host, u"SelfOwnMaterial.DrawCaptionParam.FontColor"), "xFF123456");
    EXPECT_EQ(PropertyText(host, u"SelfOwnMaterial.DrawCaptionParam.DrawFont.Color"), "xFF123456");
}

constexpr const char* kInstallButtonLayout = R"(object Host: TTestHost
  SelfOwnMaterial.BackColor.IsFill = True
  SelfOwnMaterial.BackColor.FillColor.Color = xFF0092CA
  SelfOwnMaterial.BackColor.IsRound = True
  SelfOwnMaterial.BackColor.RoundWidth = 4
  SelfOwnMaterial.BackColor.RoundHeight = 4
  SelfOwnMaterial.BackColor.BorderColor.Color = xFF0098D4
  SelfOwnMaterial.BackColor.BorderWidth = 1
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.FillColor.Color = xFF0089BF
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.FillColorChangeType = cctNone
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.BorderColor.Color = xFF0090C9
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseOverEffect.EffectTypes = [drpetFillColorChange, drpetBorderColorChange]
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.FillColor.Color = xFF0077A6
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.FillColorChangeType = cctNone
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.BorderColor.Color = xFF0077A6
  SelfOwnMaterial.BackColor.DrawEffectSetting.MouseDownEffect.EffectTypes = [drpetFillColorChange, drpetBorderColorChange]
  SelfOwnMaterial.BackColor.DrawRectSetting.Left = 25
  SelfOwnMaterial.BackColor.DrawRectSetting.Top = 25
  SelfOwnMaterial.BackColor.DrawRectSetting.Right = 25
  SelfOwnMaterial.BackColor.DrawRectSetting.Bottom = 25
  SelfOwnMaterial.BackColor.DrawRectSetting.Enabled = True
  SelfOwnMaterial.DrawCaptionParam.FontSize = 20
  SelfOwnMaterial.DrawCaptionParam.FontColor = xFFFFFFFF
  SelfOwnMaterial.DrawCaptionParam.FontHorzAlign = fhaCenter
  SelfOwnMaterial.DrawCaptionParam.FontVertAlign = fvaCenter
  SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.FontColor.Color = xCEFFFFFF
  SelfOwnMaterial.DrawCaptionParam.DrawEffectSetting.MouseDownEffect.EffectTypes = [dtpetFontColorChange]
  object Theme: TSkinTheme
    SkinThemeColor = xFF112233
    NavigationBarColor = x00000000
  end
end
)";

TEST(DrawParamPropertyTest, AButtonLayoutGivesTheStateColoursOfItsParameters) {
    const TSkinThemeColors saved = SkinThemeColors();
    ui::ClassRegistry registry;
    RegisterSkinDrawClasses(registry);
    TestHost host;
    ui::ReadLayout(kInstallButtonLayout, host, registry);

    auto* theme = dynamic_cast<TSkinTheme*>(host.FindComponent(u"Theme"));
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(SkinThemeColors().SkinThemeColor, 0xFF112233u);
    EXPECT_EQ(theme->NavigationBarColor(), 0xFF112233u);

    TDrawRectParam& back = host.material.BackColor;
    TDrawTextParam& caption = host.material.DrawCaptionParam;
    struct Case {
        TDPEffectStates states;
        ui::AlphaColor fill, border, text;
    };
    const Case cases[] = {
        {{}, 0xFF0092CA, 0xFF0098D4, 0xFFFFFFFF},
        {{S::dpstMouseOver}, 0xFF0089BF, 0xFF0090C9, 0xFFFFFFFF},
        {{S::dpstMouseOver, S::dpstMouseDown}, 0xFF0077A6, 0xFF0077A6, 0xCEFFFFFF},
    };
    for (const Case& c : cases) {
        back.SetStaticEffectStates(c.states);
        caption.SetStaticEffectStates(c.states);
        EXPECT_EQ(back.CurrentEffectFillDrawColor().Color(), c.fill) << c.states.Bits();
        EXPECT_EQ(back.CurrentEffectBorderColor().Color(), c.border) << c.states.Bits();
        EXPECT_EQ(caption.CurrentEffectFontColor().Color(), c.text) << c.states.Bits();
        EXPECT_EQ(back.CurrentEffectBorderWidth(), 1);
        // Inset by 25 percent of the size on every side; effects without offset changes keep it there.
        EXPECT_EQ(back.CalcDrawRect({0, 0, 40, 40}), (ui::RectF{10, 10, 30, 30}));
    }
    SkinThemeColors() = saved;
}

TEST(DrawParamPropertyTest, TheDrawingClassesRegisterForLayouts) {
    RegisterSkinDrawClasses();
    EXPECT_TRUE(ui::GlobalClassRegistry().Contains(u"TSkinTheme"));
    const TSkinThemeColors saved = SkinThemeColors();
    auto theme = ui::GlobalClassRegistry().Create(u"TSkinTheme");
    ASSERT_NE(dynamic_cast<TSkinTheme*>(theme.get()), nullptr);
    EXPECT_EQ(PropertyText(*theme, u"SkinThemeColor3"), "xFFFFFFFF");
    EXPECT_EQ(PropertyText(*theme, u"SkinPictureThemeColor"), "x00000000");
    SkinThemeColors() = saved;
}

TEST(DrawParamPropertyTest, StoredPredicatesLeaveDefaultsOut) {
    TDrawRectParam rect(u"R", u"r");
    TDrawTextParam text(u"T", u"t");
    TDrawTextParamEffect effect;
    EXPECT_FALSE(rect.FillColor().IsColorStored());
    EXPECT_FALSE(rect.BorderColor().IsColorStored());
    EXPECT_FALSE(rect.IsGradientStored());
    EXPECT_FALSE(text.IsFontNameStored());
    EXPECT_FALSE(text.IsFontSizeStored());
    EXPECT_FALSE(text.IsFontStyleStored());
    EXPECT_FALSE(text.IsFontColorStored());
    EXPECT_FALSE(effect.IsFontSizeStored());

    rect.FillColor().SetColor(0xFF000000);
    rect.BorderColor().SetColor(0xFFFFFFFF);
    rect.SetBrushKind(TDRPBrushKind::drpbkGradient);
    text.SetFontName(u"DejaVu Sans");
    text.SetFontSize(14);
    text.SetFontStyle({TFontStyle::fsBold});
    text.FIsMustStoreFontColor = true;
    EXPECT_TRUE(rect.FillColor().IsColorStored());
    EXPECT_TRUE(rect.BorderColor().IsColorStored());
    EXPECT_TRUE(rect.IsGradientStored());
    EXPECT_TRUE(text.IsFontNameStored());
    EXPECT_TRUE(text.IsFontSizeStored());
    EXPECT_TRUE(text.IsFontStyleStored());
    EXPECT_TRUE(text.IsFontColorStored());  // black, but asked for

    struct Case {
        double size;
        bool stored;
    };
    const Case sizes[] = {{0, false}, {0.0005, false}, {12, false}, {12.0004, false}, {12.5, true}, {16, true}};
    for (const Case& c : sizes) {
        effect.SetFontSize(c.size);
        EXPECT_EQ(effect.IsFontSizeStored(), c.stored) << c.size;
    }
}

TEST(DrawParamPropertyTest, NewFontsTakeThePlatformsDefaultFamilyAndSize) {
    ui::RecordingGraphics graphics;
    ui::SetGraphics(&graphics);
    TDrawTextParam text(u"T", u"t");
    TDrawTextParamEffect effect;
    ui::SetGraphics(nullptr);
    EXPECT_EQ(text.FontName(), u"Test Sans");
    EXPECT_EQ(text.FontSize(), 12);
    EXPECT_EQ(effect.FontSize(), 12);
    EXPECT_EQ(GetGlobalDefaultDrawTextParam().Caption(), u"全局文本绘制参数");
}

}  // namespace
}  // namespace skin
