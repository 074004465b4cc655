#include <gtest/gtest.h>

#include <functional>

#include "skin/draw/draw_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "tests/skin/draw/draw_test_support.h"

namespace skin {
namespace {

using testing::ChangeCounter;

TEST(DrawParamTest, ClearRestoresTheDefaultsButKeepsCornersAndVerticalWriting) {
    TDrawRectParam rect(u"R", u"r");
    EXPECT_EQ(rect.RectCorners(), kAllRectCorners);
    rect.SetAlpha(9);
    rect.DrawAlpha = 9;
    rect.DrawRectSetting().SetEnabled(true);
    rect.SetRectCorners({TDRPRectCorner::rcTopLeft});
    rect.SetIsLine(true);
    rect.SetLinePosition(TDRPLinePosition::lpTop);
    rect.SetIsRound(true);
    rect.SetRoundWidth(1);
    rect.SetIsFill(true);
    rect.FillColor().SetColor(0xFF00FF00);
    rect.BorderColor().SetColor(0xFF00FF00);
    rect.SetBorderWidth(2);
    rect.SetBorderEadges({});
    rect.SetBrushKind(TDRPBrushKind::drpbkNone);
    rect.Clear();
    EXPECT_EQ(rect.Alpha(), 255);
    EXPECT_EQ(rect.DrawAlpha, 255);
    EXPECT_FALSE(rect.DrawRectSetting().Enabled());
    EXPECT_EQ(rect.RectCorners(), TDRPRectCorners{TDRPRectCorner::rcTopLeft});
    EXPECT_FALSE(rect.IsLine());
    EXPECT_EQ(rect.LinePosition(), TDRPLinePosition::lpBottom);
    EXPECT_FALSE(rect.IsRound());
    EXPECT_EQ(rect.RoundWidth(), 6);
    EXPECT_FALSE(rect.IsFill());
    EXPECT_EQ(rect.FillColor().Color(), 0xFFFFFFFFu);
    EXPECT_EQ(rect.BorderColor().Color(), 0xFF000000u);
    EXPECT_EQ(rect.BorderWidth(), 0);
    EXPECT_EQ(rect.BorderEadges(), kAllBorderEadges);
    EXPECT_EQ(rect.BrushKind(), TDRPBrushKind::drpbkFill);

    TDrawTextParam text(u"T", u"t");
    text.SetIsDrawVert(true);
    text.SetFontColor(0x80FFFFFF);
    text.SetFontName(u"DejaVu Sans");
    text.SetFontTrimming(TFontTrimmingType::fttCharacter);
    text.SetFontHorzAlign(TFontHorzAlign::fhaRight);
    text.SetAutoSizeWidthAdjust(4);
    text.Clear();
    EXPECT_TRUE(text.IsDrawVert());
    EXPECT_FALSE(text.IsWordWrap());
    EXPECT_EQ(text.FontColor(), 0xFF000000u);
    EXPECT_EQ(text.FontName(), u"DejaVu Sans");  // the font's family, size and style stay
    EXPECT_EQ(text.FontTrimming(), TFontTrimmingType::fttNone);
    EXPECT_EQ(text.FontHorzAlign(), TFontHorzAlign::fhaLeft);
    EXPECT_EQ(text.AutoSizeWidthAdjust(), 4);
}

TEST(DrawParamTest, VerticalWritingTurnsWordWrapOnWithOneReport) {
    TDrawTextParam text(u"T", u"t");
    ChangeCounter changes;
    text.OnChange = changes.Handler();
    text.SetIsDrawVert(true);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_TRUE(text.IsWordWrap());
    text.SetIsDrawVert(false);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_TRUE(text.IsWordWrap());  // turning it off leaves word wrap as it is
}

TEST(DrawParamTest, AlignmentAliasesMapLeadingCentreAndTrailing) {
    TDrawTextParam text(u"T", u"t");
    const std::tuple<TSkinAlign, TFontHorzAlign, TFontVertAlign> cases[] = {
        {TSkinAlign::salLeading, TFontHorzAlign::fhaLeft, TFontVertAlign::fvaTop},
        {TSkinAlign::salCenter, TFontHorzAlign::fhaCenter, TFontVertAlign::fvaCenter},
        {TSkinAlign::salTrailing, TFontHorzAlign::fhaRight, TFontVertAlign::fvaBottom},
    };
    for (const auto& [align, horz, vert] : cases) {
        text.SetHorzAlign(align);
        text.SetVertAlign(align);
        EXPECT_EQ(text.FontHorzAlign(), horz);
        EXPECT_EQ(text.FontVertAlign(), vert);
        EXPECT_EQ(text.HorzAlign(), align);
        EXPECT_EQ(text.VertAlign(), align);
    }
}

TEST(DrawParamTest, FontColourFromAColourObjectIsCopiedOnlyWhenItDiffers) {
    TDrawFont font;
    ChangeCounter changes;
    font.OnChange = changes.Handler();
    TDrawColor same(u"X", u"x", 0xFF000000);
    font.SetFontColor(same);
    EXPECT_EQ(changes.Take(), 0);
    TDrawColor theme(u"X", u"x", 0xFF000000);
    theme.SetUseThemeColor(TUseThemeColorType::ctThemeColor);  // same own colour, but follows the theme
    font.SetFontColor(theme);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(font.FontColor().UseThemeColor(), TUseThemeColorType::ctThemeColor);
    TDrawColor translucent(u"X", u"x", 0x80000000);
    font.SetFontColor(translucent);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(font.FontColor().FColor, 0x80000000u);
}

TEST(DrawParamTest, RectangleAssignCopiesTheLookButNotTheLinePositionOrTheHole) {
    TDrawRectParam source(u"S", u"s");
    source.SetAlpha(77);
    source.DrawRectSetting().SetEnabled(true);
    source.DrawRectSetting().SetLeft(3);
    source.DrawEffectSetting().PushedEffect().SetAlpha(12);
    source.SetIsLine(true);
    source.SetLinePosition(TDRPLinePosition::lpRight);
    source.SetIsRound(true);
    source.SetRoundWidth(2);
    source.SetRoundHeight(3);
    source.SetBorderEadges({TDRPBorderEadge::beTop});
    source.SetRectCorners({TDRPRectCorner::rcTopRight});
    source.SetIsFill(true);
    source.FillColor().SetColor(0xFF0000AA);
    source.BorderColor().SetColor(0xFF0000BB);
    source.SetBorderWidth(4);
    source.SetBrushKind(TDRPBrushKind::drpbkGradient);
    source.SetGradientColor1(0xFF0000CC);
    source.IsClipRound = true;
    source.ClipRoundWidth = 5;

    TDrawRectParam dest(u"D", u"d");
    dest.SetStaticEffectStates({TDPEffectState::dpstPushed});
    dest.DrawAlpha = 40;
    ChangeCounter changes;
    dest.OnChange = changes.Handler();
    dest.Assign(source);
    EXPECT_GE(changes.count, 1);
    EXPECT_EQ(dest.Alpha(), 77);
    EXPECT_EQ(dest.DrawRectSetting().Left(), 3);
    EXPECT_EQ(dest.DrawEffectSetting().PushedEffect().Alpha(), 12);
    EXPECT_TRUE(dest.IsLine());
    EXPECT_TRUE(dest.IsRound());
    EXPECT_EQ(dest.RoundWidth(), 2);
    EXPECT_EQ(dest.RoundHeight(), 3);
    EXPECT_EQ(dest.BorderEadges(), source.BorderEadges());
    EXPECT_EQ(dest.RectCorners(), source.RectCorners());
    EXPECT_TRUE(dest.IsFill());
    EXPECT_EQ(dest.FillColor().Color(), 0xFF0000AAu);
    EXPECT_EQ(dest.BorderColor().Color(), 0xFF0000BBu);
    EXPECT_EQ(dest.BorderWidth(), 4);
    EXPECT_EQ(dest.BrushKind(), TDRPBrushKind::drpbkGradient);
    EXPECT_EQ(dest.GradientColor1(), 0xFF0000CCu);
    EXPECT_EQ(dest.LinePosition(), TDRPLinePosition::lpBottom);
    EXPECT_FALSE(dest.IsClipRound);
    EXPECT_EQ(dest.ClipRoundWidth, -1);
    // Identity and paint state stay.
    EXPECT_EQ(dest.Name(), u"D");
    EXPECT_EQ(dest.StaticEffectStates(), TDPEffectStates{TDPEffectState::dpstPushed});
    EXPECT_EQ(dest.DrawAlpha, 40);
}

TEST(DrawParamTest, TextAssignCopiesFontAndLayoutButNotTheSizeAdjustments) {
    TDrawTextParam source(u"S", u"s");
    source.SetFontName(u"DejaVu Sans");
    source.SetFontSize(18);
    source.SetFontStyle({TFontStyle::fsItalic});
    source.SetFontColor(0xFFA0A0A0);
    source.SetIsDrawVert(true);
    source.SetFontTrimming(TFontTrimmingType::fttCharacter);
    source.SetFontHorzAlign(TFontHorzAlign::fhaCenter);
    source.SetFontVertAlign(TFontVertAlign::fvaCenter);
    source.SetAutoSizeWidthAdjust(6);
    source.SetAlpha(99);

    TDrawTextParam dest(u"D", u"d");
    dest.Assign(source);
    EXPECT_EQ(dest.FontName(), u"DejaVu Sans");
    EXPECT_EQ(dest.FontSize(), 18);
    EXPECT_EQ(dest.FontStyle(), TFontStyles{TFontStyle::fsItalic});
    EXPECT_EQ(dest.FontColor(), 0xFFA0A0A0u);
    EXPECT_TRUE(dest.IsDrawVert());
    EXPECT_TRUE(dest.IsWordWrap());
    EXPECT_EQ(dest.FontTrimming(), TFontTrimmingType::fttCharacter);
    EXPECT_EQ(dest.FontHorzAlign(), TFontHorzAlign::fhaCenter);
    EXPECT_EQ(dest.FontVertAlign(), TFontVertAlign::fvaCenter);
    EXPECT_EQ(dest.Alpha(), 99);
    EXPECT_EQ(dest.AutoSizeWidthAdjust(), 0);
}

TEST(DrawParamTest, NumberSettersCompareExactlyNotWithTheDrawingTolerance) {
    // Each setter is given a value, then one that differs from it by less than the drawing tolerance: that is a
    // change all the same, stored and reported.
    TDrawRectParam rect(u"R", u"r");
    TDrawTextParam text(u"T", u"t");
    rect.DrawRectSetting().SetEnabled(true);
    using Setter = std::function<void(double)>;
    using Getter = std::function<double()>;
    const struct {
        const char* name;
        Setter set;
        Getter get;
    } cases[] = {
        {"BorderWidth", [&](double v) { rect.SetBorderWidth(v); }, [&] { return rect.BorderWidth(); }},
        {"RoundWidth", [&](double v) { rect.SetRoundWidth(v); }, [&] { return rect.RoundWidth(); }},
        {"DrawRectSetting.Left", [&](double v) { rect.DrawRectSetting().SetLeft(v); },
         [&] { return rect.DrawRectSetting().Left(); }},
        {"DrawRectSetting.SetBounds", [&](double v) { rect.DrawRectSetting().SetBounds(1, 2, v, 4); },
         [&] { return rect.DrawRectSetting().Width(); }},
        {"PushedEffect.Offset", [&](double v) { rect.DrawEffectSetting().PushedEffect().SetOffset(v); },
         [&] { return rect.DrawEffectSetting().PushedEffect().Offset(); }},
        {"PushedEffect.BorderWidth", [&](double v) { rect.DrawEffectSetting().PushedEffect().SetBorderWidth(v); },
         [&] { return rect.DrawEffectSetting().PushedEffect().BorderWidth(); }},
        {"AutoSizeWidthAdjust", [&](double v) { text.SetAutoSizeWidthAdjust(v); },
         [&] { return text.AutoSizeWidthAdjust(); }},
        {"PushedEffect.FontSize", [&](double v) { text.DrawEffectSetting().PushedEffect().SetFontSize(v); },
         [&] { return text.DrawEffectSetting().PushedEffect().FontSize(); }},
    };
    ChangeCounter changes;
    rect.OnChange = changes.Handler();
    text.OnChange = changes.Handler();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.set(5);
        changes.Take();
        c.set(5.0004);
        EXPECT_EQ(c.get(), 5.0004);
        EXPECT_EQ(changes.Take(), 1);
        c.set(5.0004);
        EXPECT_EQ(changes.Take(), 0);
    }
}

TEST(DrawParamTest, ParametersOfDifferentKindsShareTheBaseValuesOnly) {
    TDrawRectParam rect(u"R", u"r");
    rect.SetAlpha(5);
    rect.DrawEffectSetting().MouseOverEffect().SetOffset(7);
    rect.DrawEffectSetting().MouseOverEffect().FillColor().SetColor(0xFF0000FF);
    TDrawTextParam text(u"T", u"t");
    text.Assign(rect);
    EXPECT_EQ(text.Alpha(), 5);
    EXPECT_EQ(text.DrawEffectSetting().MouseOverEffect().Offset(), 7);
    EXPECT_EQ(text.FontColor(), 0xFF000000u);
    EXPECT_THROW(text.Assign(text.DrawRectSetting()), std::invalid_argument);
}

}  // namespace
}  // namespace skin
