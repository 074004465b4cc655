#include <gtest/gtest.h>

#include <string>

#include "skin/draw/draw_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/theme_colors.h"
#include "tests/skin/draw/draw_test_support.h"

namespace skin {
namespace {

using S = TDPEffectState;
using C = TDPCommonEffectType;
using testing::ChangeCounter;

enum class Which { None, Disabled, Focused, Pushed, MouseOver, MouseDown, Mixed };

const char* WhichName(Which w) {
    switch (w) {
        case Which::None:
            return "none";
        case Which::Disabled:
            return "disabled";
        case Which::Focused:
            return "focused";
        case Which::Pushed:
            return "pushed";
        case Which::MouseOver:
            return "mouse over";
        case Which::MouseDown:
            return "mouse down";
        case Which::Mixed:
            return "mixed";
    }
    return "?";
}

Which Identify(const TDrawParam& param, const TDrawParamCommonEffect* effect) {
    const TDrawEffectSetting& s = param.DrawEffectSetting();
    if (effect == nullptr) return Which::None;
    if (effect == &s.DisabledEffect()) return Which::Disabled;
    if (effect == &s.FocusedEffect()) return Which::Focused;
    if (effect == &s.PushedEffect()) return Which::Pushed;
    if (effect == &s.MouseOverEffect()) return Which::MouseOver;
    if (effect == &s.MouseDownEffect()) return Which::MouseDown;
    if (effect == &s.MixedEffect()) return Which::Mixed;
    return Which::None;
}

TEST(EffectChoiceTest, PicksTheEffectForEveryStateCombination) {
    // Effects listed in idle do not change anything (no effect types), so they never apply.
    struct Case {
        TDPEffectStates states;
        TDPEffectStates idle;
        bool mixed;
        Which expected;
    };
    const Case cases[] = {
        {{}, {}, false, Which::None},
        {{S::dpstDisabled}, {}, false, Which::Disabled},
        {{S::dpstDisabled, S::dpstMouseOver, S::dpstPushed, S::dpstFocused}, {}, false, Which::Disabled},
        {{S::dpstDisabled, S::dpstPushed}, {S::dpstDisabled}, false, Which::None},
        {{S::dpstDisabled, S::dpstMouseDown, S::dpstPushed}, {}, true, Which::Disabled},
        {{S::dpstFocused}, {}, false, Which::Focused},
        {{S::dpstFocused}, {S::dpstFocused}, false, Which::None},
        {{S::dpstMouseOver}, {}, false, Which::MouseOver},
        {{S::dpstMouseOver, S::dpstFocused}, {}, false, Which::MouseOver},
        {{S::dpstMouseOver, S::dpstFocused}, {S::dpstMouseOver}, false, Which::Focused},
        {{S::dpstMouseDown}, {}, false, Which::MouseDown},
        {{S::dpstMouseDown, S::dpstMouseOver}, {}, false, Which::MouseDown},
        {{S::dpstMouseDown, S::dpstMouseOver}, {S::dpstMouseDown}, false, Which::MouseOver},
        {{S::dpstMouseDown, S::dpstMouseOver, S::dpstFocused}, {}, false, Which::MouseDown},
        {{S::dpstPushed}, {}, false, Which::Pushed},
        {{S::dpstMouseOver, S::dpstPushed}, {}, false, Which::Pushed},
        {{S::dpstMouseOver, S::dpstPushed}, {S::dpstPushed}, false, Which::MouseOver},
        {{S::dpstPushed, S::dpstMouseDown, S::dpstMouseOver, S::dpstFocused}, {}, false, Which::Pushed},
        {{S::dpstPushed, S::dpstMouseDown}, {}, false, Which::Pushed},
        {{S::dpstPushed, S::dpstMouseDown}, {}, true, Which::Mixed},
        {{S::dpstPushed, S::dpstMouseDown, S::dpstMouseOver}, {}, true, Which::Mixed},
        {{S::dpstPushed, S::dpstMouseDown}, {S::dpstMouseDown}, true, Which::Pushed},
        {{S::dpstPushed, S::dpstMouseDown}, {S::dpstPushed}, true, Which::MouseDown},
        {{S::dpstPushed}, {}, true, Which::Pushed},
        {{S::dpstMouseDown}, {}, true, Which::MouseDown},
    };
    for (const Case& c : cases) {
        TDrawParam param(u"P", u"p");
        TDrawEffectSetting& s = param.DrawEffectSetting();
        const std::pair<S, TDrawParamCommonEffect*> effects[] = {
            {S::dpstDisabled, &s.DisabledEffect()},   {S::dpstFocused, &s.FocusedEffect()},
            {S::dpstPushed, &s.PushedEffect()},       {S::dpstMouseOver, &s.MouseOverEffect()},
            {S::dpstMouseDown, &s.MouseDownEffect()},
        };
        for (auto [state, effect] : effects) {
            if (!c.idle.Contains(state)) effect->SetCommonEffectTypes({C::dpcetAlphaChange});
        }
        s.SetIsMixedMouseDownAndPushedEffect(c.mixed);
        param.SetStaticEffectStates(c.states);
        const Which chosen = Identify(param, param.CurrentEffect());
        EXPECT_EQ(chosen, c.expected) << "states " << c.states.Bits() << " idle " << c.idle.Bits() << " mixed "
                                      << c.mixed << ": " << WhichName(chosen) << " instead of "
                                      << WhichName(c.expected);
    }
}

TEST(EffectChoiceTest, KindSpecificEffectTypesAloneMakeAnEffectApply) {
    TDrawRectParam rect(u"R", u"r");
    rect.SetStaticEffectStates({S::dpstMouseOver});
    EXPECT_EQ(rect.CurrentEffect(), nullptr);
    rect.DrawEffectSetting().MouseOverEffect().SetEffectTypes({TDRPEffectType::drpetBorderWidthChange});
    EXPECT_EQ(rect.CurrentEffect(), &rect.DrawEffectSetting().MouseOverEffect());

    TDrawTextParam text(u"T", u"t");
    text.SetStaticEffectStates({S::dpstMouseDown});
    EXPECT_EQ(text.CurrentEffect(), nullptr);
    text.DrawEffectSetting().MouseDownEffect().SetEffectTypes({TDTPEffectType::dtpetFontStyleChange});
    EXPECT_EQ(text.CurrentEffect(), &text.DrawEffectSetting().MouseDownEffect());
}

struct MixCase {
    const char* name;
    TDPCommonEffectTypes pushedTypes;
    TDPCommonEffectTypes mouseDownTypes;
    double offset;
    uint8_t alpha;
};

TEST(EffectMixTest, TheMixedEffectAddsTheOffsetsAndKeepsThePushedAlpha) {
    const MixCase cases[] = {
        {"both move: offsets add", {C::dpcetOffsetChange}, {C::dpcetOffsetChange}, 3, 90},
        {"only mouse down changes alpha: still the pushed alpha", {C::dpcetOffsetChange}, {C::dpcetAlphaChange}, 2, 90},
        {"only mouse down moves", {C::dpcetAlphaChange}, {C::dpcetOffsetChange}, 1, 90},
        {"both change alpha: the pushed alpha", {C::dpcetAlphaChange}, {C::dpcetAlphaChange}, 0, 90},
        {"everything", {C::dpcetAlphaChange, C::dpcetOffsetChange}, {C::dpcetAlphaChange, C::dpcetOffsetChange}, 3, 90},
    };
    for (const MixCase& c : cases) {
        TDrawParam param(u"P", u"p");
        TDrawEffectSetting& s = param.DrawEffectSetting();
        s.SetIsMixedMouseDownAndPushedEffect(true);
        s.PushedEffect().SetOffset(2);
        s.PushedEffect().SetAlpha(90);
        s.PushedEffect().SetCommonEffectTypes(c.pushedTypes);
        s.MouseDownEffect().SetOffset(1);
        s.MouseDownEffect().SetAlpha(40);
        s.MouseDownEffect().SetCommonEffectTypes(c.mouseDownTypes);
        param.SetStaticEffectStates({S::dpstPushed, S::dpstMouseDown});

        const TDrawParamCommonEffect* effect = param.CurrentEffect();
        ASSERT_EQ(effect, &s.MixedEffect()) << c.name;
        EXPECT_EQ(effect->CommonEffectTypes(), c.pushedTypes | c.mouseDownTypes) << c.name;
        EXPECT_EQ(effect->Offset(), c.offset) << c.name;
        EXPECT_EQ(effect->Alpha(), c.alpha) << c.name;
        EXPECT_EQ(param.CurrentEffectAlpha(), effect->HasCommonEffectType(C::dpcetAlphaChange) ? c.alpha : 255)
            << c.name;
        const float shift = effect->HasCommonEffectType(C::dpcetOffsetChange) ? static_cast<float>(c.offset) : 0;
        EXPECT_EQ(param.CalcDrawRect({0, 0, 10, 10}), (ui::RectF{shift, shift, 10 + shift, 10 + shift})) << c.name;
    }
}

TEST(EffectMixTest, TheMixedEffectIsRebuiltOnEveryCallWithThePushedEffectsOwnChanges) {
    TDrawRectParam param(u"R", u"r");
    TDrawRectEffectSetting& s = param.DrawEffectSetting();
    s.SetIsMixedMouseDownAndPushedEffect(true);
    s.PushedEffect().FillColor().SetColor(0xFFAA0000);
    s.PushedEffect().SetEffectTypes({TDRPEffectType::drpetFillColorChange});
    s.MouseDownEffect().BorderColor().SetColor(0xFF00BB00);
    s.MouseDownEffect().SetBorderWidth(5);
    s.MouseDownEffect().SetEffectTypes(
        {TDRPEffectType::drpetBorderColorChange, TDRPEffectType::drpetBorderWidthChange});
    s.MouseDownEffect().SetCommonEffectTypes({C::dpcetOffsetChange});
    param.BorderColor().SetColor(0xFF000001);
    param.SetBorderWidth(1);
    param.SetStaticEffectStates({S::dpstPushed, S::dpstMouseDown});

    // The kind-specific changes are the pushed effect's; only the common ones are combined.
    EXPECT_EQ(param.CurrentEffect(), &s.MixedEffect());
    EXPECT_EQ(param.CurrentEffectFillDrawColor().Color(), 0xFFAA0000u);
    EXPECT_EQ(param.CurrentEffectBorderColor().Color(), 0xFF000001u);
    EXPECT_EQ(param.CurrentEffectBorderWidth(), 1);
    EXPECT_EQ(param.CalcDrawRect({0, 0, 10, 10}).left, 1);

    s.PushedEffect().FillColor().SetColor(0xFFCC0000);
    s.MouseDownEffect().SetOffset(4);
    EXPECT_EQ(param.CurrentEffectFillDrawColor().Color(), 0xFFCC0000u);
    EXPECT_EQ(param.CalcDrawRect({0, 0, 10, 10}).left, 4);
}

TEST(EffectValueTest, CurrentAlphaAndOffsetComeFromTheApplyingEffectOnlyWhenItChangesThem) {
    TDrawParam param(u"P", u"p");
    param.SetAlpha(200);
    TDrawParamCommonEffect& pushed = param.DrawEffectSetting().PushedEffect();
    pushed.SetAlpha(50);
    const ui::RectF control{5, 5, 25, 15};

    EXPECT_EQ(param.CurrentEffectAlpha(), 200);  // no effect applies
    param.SetStaticEffectStates({S::dpstPushed});
    EXPECT_EQ(param.CurrentEffectAlpha(), 200);  // the pushed effect changes nothing yet
    EXPECT_EQ(param.CalcDrawRect(control), control);

    pushed.SetCommonEffectTypes({C::dpcetOffsetChange});
    EXPECT_EQ(param.CurrentEffectAlpha(), 200);                         // it applies, but does not change the alpha
    EXPECT_EQ(param.CalcDrawRect(control), (ui::RectF{6, 6, 26, 16}));  // the default offset of 1

    pushed.SetCommonEffectTypes({C::dpcetAlphaChange});
    EXPECT_EQ(param.CurrentEffectAlpha(), 50);
    EXPECT_EQ(param.CalcDrawRect(control), control);
}

TEST(EffectValueTest, RectangleValuesFollowTheEffectTypesOfTheApplyingEffect) {
    TDrawRectParam param(u"R", u"r");
    param.SetIsFill(false);
    param.FillColor().SetColor(0xFF111111);
    param.BorderColor().SetColor(0xFF222222);
    param.SetBorderWidth(1);
    TDrawRectParamEffect& over = param.DrawEffectSetting().MouseOverEffect();
    over.SetIsFill(true);
    over.FillColor().SetColor(0xFF333333);
    over.BorderColor().SetColor(0xFF444444);
    over.SetBorderWidth(3);
    param.SetStaticEffectStates({S::dpstMouseOver});

    using E = TDRPEffectType;
    struct Case {
        const char* name;
        TDRPEffectTypes types;
        TColorChangeType changeType;
        bool isFill;
        ui::AlphaColor fill;
        ui::AlphaColor border;
        double borderWidth;
    };
    const Case cases[] = {
        {"only common changes", {}, TColorChangeType::cctNone, false, 0xFF111111, 0xFF222222, 1},
        {"fill colour", {E::drpetFillColorChange}, TColorChangeType::cctNone, false, 0xFF333333, 0xFF222222, 1},
        {"brightness keeps the fill",
         {E::drpetFillColorChange},
         TColorChangeType::cctBrightness,
         false,
         0xFF111111,
         0xFF222222,
         1},
        {"darkness keeps the fill",
         {E::drpetFillColorChange},
         TColorChangeType::cctDarkness,
         false,
         0xFF111111,
         0xFF222222,
         1},
        {"fill switch", {E::drpetIsFillChange}, TColorChangeType::cctNone, true, 0xFF111111, 0xFF222222, 1},
        {"border",
         {E::drpetBorderColorChange, E::drpetBorderWidthChange},
         TColorChangeType::cctNone,
         false,
         0xFF111111,
         0xFF444444,
         3},
    };
    for (const Case& c : cases) {
        over.SetEffectTypes(c.types);
        over.SetCommonEffectTypes({C::dpcetAlphaChange});  // so that the effect applies in every case
        over.SetFillColorChangeType(c.changeType);
        EXPECT_EQ(param.CurrentEffectIsFill(), c.isFill) << c.name;
        EXPECT_EQ(param.CurrentEffectFillDrawColor().Color(), c.fill) << c.name;
        EXPECT_EQ(param.CurrentEffectBorderColor().Color(), c.border) << c.name;
        EXPECT_EQ(param.CurrentEffectBorderWidth(), c.borderWidth) << c.name;
    }

    // Without an applying effect the parameter's own values show, whatever the effect says.
    param.SetStaticEffectStates({});
    over.SetEffectTypes({E::drpetFillColorChange, E::drpetIsFillChange});
    EXPECT_FALSE(param.CurrentEffectIsFill());
    EXPECT_EQ(&param.CurrentEffectFillDrawColor(), &param.FillColor());
}

TEST(EffectValueTest, BrightnessAndDarknessShowTheThemeResolvedFillColour) {
    const TSkinThemeColors saved = SkinThemeColors();
    SkinThemeColors().SkinThemeColor1 = 0xFF5A5A5A;
    TDrawRectParam param(u"R", u"r");
    param.FillColor().SetUseThemeColor(TUseThemeColorType::ctThemeColor1);
    TDrawRectParamEffect& down = param.DrawEffectSetting().MouseDownEffect();
    down.SetEffectTypes({TDRPEffectType::drpetFillColorChange});
    down.SetFillColorChangeType(TColorChangeType::cctDarkness);
    param.SetStaticEffectStates({S::dpstMouseDown});
    ChangeCounter changes;
    param.OnChange = changes.Handler();
    EXPECT_EQ(param.CurrentEffectFillDrawColor().Color(), 0xFF5A5A5Au);
    EXPECT_EQ(changes.count, 0);  // the scratch colour reports nothing
    SkinThemeColors() = saved;
}

TEST(EffectValueTest, TextValuesFollowTheEffectTypesOfTheApplyingEffect) {
    TDrawTextParam param(u"T", u"t");
    param.SetFontName(u"Liberation Sans");
    param.SetFontSize(14);
    param.SetFontColor(0xFFFFFFFF);
    param.SetFontStyle({TFontStyle::fsItalic});
    TDrawTextParamEffect& down = param.DrawEffectSetting().MouseDownEffect();
    down.FontColor().SetColor(0xCEFFFFFF);
    down.SetFontSize(16);
    down.SetFontStyle({TFontStyle::fsBold});
    param.SetStaticEffectStates({S::dpstMouseDown, S::dpstMouseOver});

    using E = TDTPEffectType;
    struct Case {
        TDTPEffectTypes types;
        ui::AlphaColor color;
        double size;
        TFontStyles style;
    };
    const Case cases[] = {
        {{}, 0xFFFFFFFF, 14, {TFontStyle::fsItalic}},
        {{E::dtpetFontColorChange}, 0xCEFFFFFF, 14, {TFontStyle::fsItalic}},
        {{E::dtpetFontSizeChange}, 0xFFFFFFFF, 16, {TFontStyle::fsItalic}},
        {{E::dtpetFontStyleChange}, 0xFFFFFFFF, 14, {TFontStyle::fsBold}},
        {{E::dtpetFontColorChange, E::dtpetFontSizeChange, E::dtpetFontStyleChange},
         0xCEFFFFFF,
         16,
         {TFontStyle::fsBold}},
    };
    for (const Case& c : cases) {
        down.SetEffectTypes(c.types);
        down.SetCommonEffectTypes({C::dpcetAlphaChange});
        EXPECT_EQ(param.CurrentEffectFontColor().Color(), c.color) << c.types.Bits();
        EXPECT_EQ(param.CurrentEffectFontSize(), c.size) << c.types.Bits();
        EXPECT_EQ(param.CurrentEffectFontStyle(), c.style) << c.types.Bits();
        EXPECT_EQ(param.CurrentEffectFontName(), u"Liberation Sans");
    }
}

TEST(EffectNotifyTest, OnlyThePushedEffectReportsToTheParameter) {
    struct Case {
        const char* name;
        TDrawRectParamEffect& (TDrawRectEffectSetting::*effect)() const;
        int reports;
    };
    const Case cases[] = {
        {"pushed", &TDrawRectEffectSetting::PushedEffect, 1},
        {"mouse over", &TDrawRectEffectSetting::MouseOverEffect, 0},
        {"mouse down", &TDrawRectEffectSetting::MouseDownEffect, 0},
        {"focused", &TDrawRectEffectSetting::FocusedEffect, 0},
        {"disabled", &TDrawRectEffectSetting::DisabledEffect, 0},
        {"mixed", &TDrawRectEffectSetting::MixedEffect, 0},
    };
    for (const Case& c : cases) {
        TDrawRectParam param(u"R", u"r");
        ChangeCounter changes;
        param.OnChange = changes.Handler();
        TDrawRectParamEffect& effect = (param.DrawEffectSetting().*c.effect)();
        effect.SetAlpha(10);
        effect.SetOffset(3);
        effect.SetCommonEffectTypes({C::dpcetAlphaChange});
        effect.SetEffectTypes({TDRPEffectType::drpetFillColorChange});
        effect.SetIsFill(true);
        effect.SetBorderWidth(2);
        effect.SetFillColorChangeType(TColorChangeType::cctDarkness);
        effect.FillColor().SetColor(0xFF010203);
        effect.BorderColor().SetColor(0xFF010203);
        effect.FillColor().SetAlpha(0x80);
        EXPECT_EQ(changes.Take(), 10 * c.reports) << c.name;
        effect.SetAlpha(10);  // unchanged values report nothing
        effect.SetOffset(3);
        effect.SetEffectTypes({TDRPEffectType::drpetFillColorChange});
        EXPECT_EQ(changes.Take(), 0) << c.name;
    }
}

TEST(EffectSettingTest, ClearOnlyResetsTheMixOptionAndKeepsTheEffectsValues) {
    TDrawRectParam param(u"R", u"r");
    TDrawRectEffectSetting& s = param.DrawEffectSetting();
    s.SetIsMixedMouseDownAndPushedEffect(true);
    s.PushedEffect().SetAlpha(7);
    s.MouseOverEffect().SetEffectTypes({TDRPEffectType::drpetIsFillChange});
    s.MouseDownEffect().FillColor().SetColor(0xFF0000FF);
    param.Clear();
    EXPECT_FALSE(s.IsMixedMouseDownAndPushedEffect());
    EXPECT_EQ(s.PushedEffect().Alpha(), 7);
    EXPECT_EQ(s.MouseOverEffect().EffectTypes(), TDRPEffectTypes{TDRPEffectType::drpetIsFillChange});
    EXPECT_EQ(s.MouseDownEffect().FillColor().Color(), 0xFF0000FFu);
}

TEST(EffectSettingTest, AssignCopiesThePushedMouseAndMixedEffectsButNotDisabledOrFocused) {
    TDrawRectEffectSetting source;
    source.SetIsMixedMouseDownAndPushedEffect(true);
    source.PushedEffect().SetAlpha(1);
    source.MouseOverEffect().SetAlpha(2);
    source.MouseDownEffect().SetAlpha(3);
    source.MixedEffect().SetAlpha(4);
    source.DisabledEffect().SetAlpha(5);
    source.FocusedEffect().SetAlpha(6);
    source.PushedEffect().SetFillColorChangeType(TColorChangeType::cctBrightness);
    source.MouseOverEffect().FillColor().SetColor(0xFF0000AA);

    TDrawRectEffectSetting dest;
    ChangeCounter changes;
    dest.OnChange = changes.Handler();
    dest.Assign(source);
    EXPECT_GE(changes.count, 1);
    EXPECT_TRUE(dest.IsMixedMouseDownAndPushedEffect());
    EXPECT_EQ(dest.PushedEffect().Alpha(), 1);
    EXPECT_EQ(dest.MouseOverEffect().Alpha(), 2);
    EXPECT_EQ(dest.MouseDownEffect().Alpha(), 3);
    EXPECT_EQ(dest.MixedEffect().Alpha(), 4);
    EXPECT_EQ(dest.DisabledEffect().Alpha(), 180);
    EXPECT_EQ(dest.FocusedEffect().Alpha(), 180);
    EXPECT_EQ(dest.MouseOverEffect().FillColor().Color(), 0xFF0000AAu);
    // The fill colour change type stays with each effect.
    EXPECT_EQ(dest.PushedEffect().FillColorChangeType(), TColorChangeType::cctNone);
}

}  // namespace
}  // namespace skin
