#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/draw/draw_font.h"
#include "skin/draw/draw_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/font_text.h"
#include "skin/persist/bt_doc20.h"
#include "tests/skin/draw/draw_test_support.h"

namespace skin {
namespace {

using C = TDPCommonEffectType;
using N = BTNodeType;
using testing::PropertyText;
using testing::Utf8;

// Saves param into a class node of a document, passes the document through its stored bytes, and loads the
// node into target.
template <class P>
void RoundTrip(const P& param, P& target) {
    TBTDOC20 doc;
    param.SaveToDocNode(*doc.TopNode()->AddChildNode_Class(param.Name(), param.Caption()));
    TBTDOC20 copy;
    copy.Load(doc.Save());
    TBTNode20* node = copy.TopNode()->FindChildNodeByName(param.Name());
    ASSERT_NE(node, nullptr);
    EXPECT_TRUE(target.LoadFromDocNode(*node));
}

// Every value the document stores, as published property paths.
const char16_t* const kBasePaths[] = {
    u"Alpha",
    u"DrawRectSetting.Left",
    u"DrawRectSetting.Top",
    u"DrawRectSetting.Right",
    u"DrawRectSetting.Bottom",
    u"DrawRectSetting.Width",
    u"DrawRectSetting.Height",
    u"DrawRectSetting.Enabled",
    u"DrawRectSetting.SizeType",
    u"DrawRectSetting.PositionHorzType",
    u"DrawRectSetting.PositionVertType",
    u"DrawEffectSetting.IsMixedMouseDownAndPushedEffect",
};
const char16_t* const kStoredEffects[] = {u"MouseDownEffect", u"MouseOverEffect", u"PushedEffect"};
const char16_t* const kCommonEffectPaths[] = {u"Alpha", u"Offset", u"CommonEffectTypes"};
const char16_t* const kRectPaths[] = {
    u"BorderEadges",    u"RectCorners", u"IsRound",      u"RoundWidth",        u"RoundHeight", u"IsFill",
    u"FillColor.Color", u"IsLine",      u"LinePosition", u"BorderColor.Color", u"BorderWidth", u"BrushKind",
};
const char16_t* const kRectEffectPaths[] = {u"FillColor.Color", u"BorderWidth", u"IsFill", u"EffectTypes"};
const char16_t* const kTextPaths[] = {
    u"FontName",   u"FontSize",     u"FontStyle",     u"FontColor",     u"IsDrawVert",
    u"IsWordWrap", u"FontTrimming", u"FontHorzAlign", u"FontVertAlign",
};
const char16_t* const kTextEffectPaths[] = {u"FontColor.Color", u"FontSize", u"FontStyle", u"EffectTypes"};

std::vector<std::u16string> StoredPaths(std::span<const char16_t* const> own,
                                        std::span<const char16_t* const> effectPaths) {
    std::vector<std::u16string> paths(std::begin(kBasePaths), std::end(kBasePaths));
    for (const char16_t* effect : kStoredEffects) {
        for (const char16_t* p : kCommonEffectPaths) {
            paths.push_back(u"DrawEffectSetting." + std::u16string(effect) + u"." + p);
        }
        for (const char16_t* p : effectPaths) {
            paths.push_back(u"DrawEffectSetting." + std::u16string(effect) + u"." + p);
        }
    }
    paths.insert(paths.end(), own.begin(), own.end());
    return paths;
}

void SetBase(TDrawParam& p) {
    p.SetAlpha(201);
    TDrawRectSetting& r = p.DrawRectSetting();
    r.SetEnabled(true);
    r.SetMargins(1.5, 2.5, 3.5, 4.5);
    r.SetWidth(40.25);
    r.SetHeight(-7);
    r.SetSizeType(TDPSizeType::dpstPixel);
    r.SetPositionHorzType(TDPPositionHorzType::dpphtRight);
    r.SetPositionVertType(TDPPositionVertType::dppvtCenter);
    TDrawEffectSetting& e = p.DrawEffectSetting();
    e.SetIsMixedMouseDownAndPushedEffect(true);
    uint8_t alpha = 10;
    double offset = 0.5;
    for (TDrawParamCommonEffect* effect : {&e.MouseDownEffect(), &e.MouseOverEffect(), &e.PushedEffect()}) {
        effect->SetAlpha(alpha += 10);
        effect->SetOffset(offset += 1);
        effect->SetCommonEffectTypes({C::dpcetOffsetChange});
    }
    e.PushedEffect().SetCommonEffectTypes({C::dpcetOffsetChange, C::dpcetAlphaChange});
}

void FillRect(TDrawRectParam& p) {
    SetBase(p);
    p.SetBorderEadges({TDRPBorderEadge::beLeft, TDRPBorderEadge::beRight});
    p.SetRectCorners({TDRPRectCorner::rcBottomLeft, TDRPRectCorner::rcBottomRight});
    p.SetIsRound(true);
    p.SetRoundWidth(-1);
    p.SetRoundHeight(4);
    p.SetIsFill(true);
    p.FillColor().SetColor(0xC0202020);
    p.SetIsLine(true);
    p.SetLinePosition(TDRPLinePosition::lpLeft);
    p.BorderColor().SetColor(0xFF373737);
    p.SetBorderWidth(1.25);
    p.SetBrushKind(TDRPBrushKind::drpbkGradient);
    TDrawRectEffectSetting& e = p.DrawEffectSetting();
    ui::AlphaColor color = 0xFF000010;
    double width = 1;
    for (TDrawRectParamEffect* effect : {&e.MouseDownEffect(), &e.MouseOverEffect(), &e.PushedEffect()}) {
        effect->FillColor().SetColor(color += 0x10);
        effect->SetBorderWidth(width += 1);
        effect->SetIsFill(true);
        effect->SetEffectTypes({TDRPEffectType::drpetFillColorChange, TDRPEffectType::drpetBorderColorChange});
    }
}

void FillText(TDrawTextParam& p) {
    SetBase(p);
    p.SetFontName(u"Liberation Sans");
    p.SetFontSize(14.5);
    p.SetFontStyle({TFontStyle::fsBold, TFontStyle::fsStrikeOut});
    p.SetFontColor(0xCEFFFFFF);
    p.SetIsDrawVert(true);
    p.SetIsWordWrap(false);
    p.SetFontTrimming(TFontTrimmingType::fftWord);
    p.SetFontHorzAlign(TFontHorzAlign::fhaRight);
    p.SetFontVertAlign(TFontVertAlign::fvaBottom);
    TDrawTextEffectSetting& e = p.DrawEffectSetting();
    ui::AlphaColor color = 0xFF000010;
    double size = 15;
    for (TDrawTextParamEffect* effect : {&e.MouseDownEffect(), &e.MouseOverEffect(), &e.PushedEffect()}) {
        effect->FontColor().SetColor(color += 0x10);
        effect->SetFontSize(size += 1.5);
        effect->SetFontStyle({TFontStyle::fsUnderline});
        effect->SetEffectTypes({TDTPEffectType::dtpetFontColorChange, TDTPEffectType::dtpetFontSizeChange});
    }
}

// Every stored value reads back equal, and differs from a new parameter's (so the round trip proves something).
template <class P>
void ExpectStoredValuesEqual(P& original, P& loaded, const std::vector<std::u16string>& paths) {
    P fresh(u"Fresh", u"fresh");
    for (const std::u16string& path : paths) {
        EXPECT_EQ(PropertyText(loaded, path), PropertyText(original, path)) << Utf8(path);
        // IsWordWrap is left off after IsDrawVert turned it on: a reader that skipped its node would show it on.
        if (path == u"IsWordWrap") continue;
        EXPECT_NE(PropertyText(original, path), PropertyText(fresh, path)) << "not set by the test: " << Utf8(path);
    }
}

TEST(DrawParamDocTest, AFullySetRectangleParameterReadsBackEqual) {
    TDrawRectParam original(u"DrawBackColorParam", u"背景颜色矩形绘制参数");
    FillRect(original);
    TDrawRectParam loaded(u"Other", u"other");
    RoundTrip(original, loaded);
    ExpectStoredValuesEqual(original, loaded, StoredPaths(kRectPaths, kRectEffectPaths));
    EXPECT_EQ(loaded.Name(), u"Other");  // name and caption are not read back
}

TEST(DrawParamDocTest, AFullySetTextParameterReadsBackEqual) {
    TDrawTextParam original(u"DrawCaptionParam", u"标题绘制参数");
    FillText(original);
    TDrawTextParam loaded(u"Other", u"other");
    RoundTrip(original, loaded);
    ExpectStoredValuesEqual(original, loaded, StoredPaths(kTextPaths, kTextEffectPaths));
}

TEST(DrawParamDocTest, AFullySetBaseParameterReadsBackEqual) {
    TDrawParam original(u"P", u"p");
    SetBase(original);
    TDrawParam loaded(u"Q", u"q");
    RoundTrip(original, loaded);
    ExpectStoredValuesEqual(original, loaded, StoredPaths({}, {}));
}

struct NodeRow {
    std::u16string name;
    BTNodeType type;
    std::u16string caption;
};

void ExpectNodes(TBTNode20& node, const std::vector<NodeRow>& rows, const std::string& where) {
    ASSERT_EQ(node.ChildNodes().Count(), static_cast<int>(rows.size())) << where;
    for (size_t i = 0; i < rows.size(); ++i) {
        TBTNode20* child = node.ChildNodes().GetItems(static_cast<int>(i));
        EXPECT_EQ(Utf8(child->NodeName()), Utf8(rows[i].name)) << where << " #" << i;
        EXPECT_EQ(child->NodeType(), rows[i].type) << where << " " << Utf8(rows[i].name);
        EXPECT_EQ(Utf8(child->NodeCaption()), Utf8(rows[i].caption)) << where << " " << Utf8(rows[i].name);
    }
}

std::u16string ClassValue(TBTNode20& node) {
    TBTNode20_Class* classNode = node.ConvertNode_Class();
    return classNode == nullptr ? u"(not a class node)" : classNode->Value();
}

const std::vector<NodeRow> kBaseRows = {
    {u"Name", N::WideString, u"名称"},
    {u"Caption", N::WideString, u"标题"},
    {u"Alpha", N::UInt8, u"透明度"},
    {u"DrawRectSetting", N::Class, u"绘制矩形设置"},
    {u"DrawEffectSetting", N::Class, u"绘制效果设置"},
};
const std::vector<NodeRow> kRectSettingRows = {
    {u"Left", N::Real64, u"左"},
    {u"Top", N::Real64, u"上"},
    {u"Right", N::Real64, u"右"},
    {u"Bottom", N::Real64, u"下"},
    {u"Width", N::Real64, u"宽度"},
    {u"Height", N::Real64, u"高度"},
    {u"Enabled", N::Bool32, u"是否启用"},
    {u"SizeType", N::Int32, u"尺寸类型"},
    {u"PositionHorzType", N::Int32, u"水平位置类型"},
    {u"PositionVertType", N::Int32, u"垂直位置类型"},
};
const std::vector<NodeRow> kEffectSettingRows = {
    {u"IsMixedMouseDownAndPushedEffect", N::Bool32, u"是否整合按下和鼠标点击的效果"},
    {u"MouseDownEffect", N::Class, u"鼠标点击效果"},
    {u"MouseOverEffect", N::Class, u"鼠标停靠效果"},
    {u"PushedEffect", N::Class, u"按下状态效果"},
};
const std::vector<NodeRow> kCommonEffectRows = {
    {u"Alpha", N::UInt8, u"透明度"},
    {u"Offset", N::Real64, u"偏移"},
    {u"CommonEffectTypes", N::WideString, u"通用效果"},
};

std::vector<NodeRow> Join(std::vector<NodeRow> a, const std::vector<NodeRow>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void ExpectBaseNodes(TBTNode20& node, std::u16string_view paramClass, std::u16string_view effectClass,
                     const std::vector<NodeRow>& effectRows) {
    EXPECT_EQ(Utf8(ClassValue(node)), Utf8(paramClass));
    TBTNode20& rect = *node.FindChildNodeByName(u"DrawRectSetting");
    EXPECT_EQ(Utf8(ClassValue(rect)), "TDrawRectSetting");
    ExpectNodes(rect, kRectSettingRows, "DrawRectSetting");
    TBTNode20& effects = *node.FindChildNodeByName(u"DrawEffectSetting");
    EXPECT_EQ(Utf8(ClassValue(effects)), "");  // the effect setting leaves its class name unset
    ExpectNodes(effects, kEffectSettingRows, "DrawEffectSetting");
    for (const char16_t* name : kStoredEffects) {
        TBTNode20& effect = *effects.FindChildNodeByName(name);
        EXPECT_EQ(Utf8(ClassValue(effect)), Utf8(effectClass));
        ExpectNodes(effect, Join(kCommonEffectRows, effectRows), Utf8(name));
    }
}

TEST(DrawParamDocTest, ARectangleParameterWritesItsNodesWithTheirKindsAndCaptions) {
    TDrawRectParam param(u"DrawBackColorParam", u"背景颜色矩形绘制参数");
    FillRect(param);
    TBTDOC20 doc;
    TBTNode20& node = *doc.TopNode()->AddChildNode_Class(u"BackColor");
    param.SaveToDocNode(node);
    ExpectNodes(node,
                Join(kBaseRows,
                     {
                         {u"BorderEadges", N::WideString, u"边框"},
                         {u"RectCorners", N::WideString, u"角"},
                         {u"IsRound", N::Bool32, u"是否圆角"},
                         {u"RoundWidth", N::Real64, u"圆角宽度"},
                         {u"RoundHeight", N::Real64, u"圆角高度"},
                         {u"IsFill", N::Bool32, u"是否填充矩形"},
                         {u"FillDrawColor", N::Color, u"填充颜色"},
                         {u"IsLine", N::Bool32, u"是否是线段"},
                         {u"LinePosition", N::Int32, u"线段位置"},
                         {u"BorderDrawColor", N::Color, u"边框颜色"},
                         {u"BorderWidth", N::Real64, u"边框宽度"},
                         {u"BrushKind", N::Int32, u"是否填充"},
                     }),
                "TDrawRectParam");
    ExpectBaseNodes(node, u"TDrawRectParam", u"TDrawRectParamEffect",
                    {
                        {u"FillDrawColor", N::Color, u"填充颜色"},
                        {u"BorderWidth", N::Real64, u"边框宽度"},
                        {u"IsFill", N::Bool32, u"是否填充"},
                        {u"EffectTypes", N::WideString, u"效果集"},
                    });
    // Values as stored: names, set texts, ordinals.
    EXPECT_EQ(node.FindChildNodeByName(u"Name")->ConvertNode_WideString()->Value(), u"DrawBackColorParam");
    EXPECT_EQ(node.FindChildNodeByName(u"Caption")->ConvertNode_WideString()->Value(), u"背景颜色矩形绘制参数");
    EXPECT_EQ(node.FindChildNodeByName(u"BorderEadges")->ConvertNode_WideString()->Value(), u"0,2,");
    EXPECT_EQ(node.FindChildNodeByName(u"RectCorners")->ConvertNode_WideString()->Value(), u"2,3,");
    EXPECT_EQ(node.FindChildNodeByName(u"LinePosition")->ConvertNode_Int32()->Value(), 0);
    EXPECT_EQ(node.FindChildNodeByName(u"BrushKind")->ConvertNode_Int32()->Value(), 2);
    EXPECT_EQ(node.FindChildNodeByName(u"FillDrawColor")->ConvertNode_Color()->Color(), 0xC0202020u);
    TBTNode20& pushed = *node.FindChildNodeByName(u"DrawEffectSetting")->FindChildNodeByName(u"PushedEffect");
    EXPECT_EQ(pushed.FindChildNodeByName(u"CommonEffectTypes")->ConvertNode_WideString()->Value(), u"0,1,");
    EXPECT_EQ(pushed.FindChildNodeByName(u"EffectTypes")->ConvertNode_WideString()->Value(), u"0,3,");
}

TEST(DrawParamDocTest, ATextParameterWritesItsNodesWithTheirKindsAndCaptions) {
    TDrawTextParam param(u"DrawCaptionParam", u"标题绘制参数");
    FillText(param);
    TBTDOC20 doc;
    TBTNode20& node = *doc.TopNode()->AddChildNode_Class(u"Caption");
    param.SaveToDocNode(node);
    ExpectNodes(node,
                Join(kBaseRows,
                     {
                         {u"DrawFont", N::Class, u"绘制字体"},
                         {u"IsDrawVert", N::Bool32, u"是否垂直绘制"},
                         {u"IsWordWrap", N::Bool32, u"是否换行"},
                         {u"FontTrimming", N::Int32, u"字体截断类型"},
                         {u"FontHorzAlign", N::Int32, u"水平对齐风格"},
                         {u"FontVertAlign", N::Int32, u"垂直对齐风格"},
                     }),
                "TDrawTextParam");
    TBTNode20& font = *node.FindChildNodeByName(u"DrawFont");
    ExpectNodes(font, {{u"Font", N::WideString, u"字体"}, {u"FontColor", N::Color, u"字体颜色"}}, "DrawFont");
    EXPECT_EQ(Utf8(font.FindChildNodeByName(u"Font")->ConvertNode_WideString()->Value()),
              "\"Liberation Sans\", 14.5, [Bold|Strikeout],");
    EXPECT_EQ(font.FindChildNodeByName(u"FontColor")->ConvertNode_Color()->Color(), 0xCEFFFFFFu);
    ExpectBaseNodes(node, u"TDrawTextParam", u"TDrawTextParamEffect",
                    {
                        {u"FontColor", N::Color, u"字体颜色"},
                        {u"FontSize", N::Real64, u"字体大小"},
                        {u"FontStyle", N::WideString, u"字体风格"},
                        {u"EffectTypes", N::WideString, u"效果集"},
                    });
    EXPECT_EQ(node.FindChildNodeByName(u"FontTrimming")->ConvertNode_Int32()->Value(), 2);
}

TEST(DrawParamDocTest, ValuesTheDocumentDoesNotCarryKeepTheDestinationsDefaults) {
    TDrawRectParam original(u"R", u"r");
    FillRect(original);
    original.SetGradientColor1(0xFF00FF00);
    original.IsClipRound = true;
    original.ClipRoundWidth = 3;
    original.ClipRoundRectSetting().SetEnabled(true);
    TDrawRectEffectSetting& e = original.DrawEffectSetting();
    e.PushedEffect().BorderColor().SetColor(0xFF0000FF);
    e.PushedEffect().SetFillColorChangeType(TColorChangeType::cctDarkness);
    e.DisabledEffect().SetAlpha(1);
    e.FocusedEffect().SetAlpha(2);

    TDrawRectParam loaded(u"L", u"l");
    RoundTrip(original, loaded);
    const TDrawRectParam fresh(u"F", u"f");
    EXPECT_EQ(loaded.Gradient(), fresh.Gradient());
    EXPECT_FALSE(loaded.IsClipRound);
    EXPECT_EQ(loaded.ClipRoundWidth, -1);
    EXPECT_FALSE(loaded.ClipRoundRectSetting().Enabled());
    EXPECT_EQ(loaded.DrawEffectSetting().PushedEffect().BorderColor().Color(), 0xFF000000u);
    EXPECT_EQ(loaded.DrawEffectSetting().PushedEffect().FillColorChangeType(), TColorChangeType::cctNone);
    EXPECT_EQ(loaded.DrawEffectSetting().DisabledEffect().Alpha(), 180);
    EXPECT_EQ(loaded.DrawEffectSetting().FocusedEffect().Alpha(), 180);
}

TEST(DrawParamDocTest, MissingUnknownAndUnfitNodesLeaveTheClearedValues) {
    // A parameter with non-default values is loaded from a node whose children are missing, unknown, of the
    // wrong kind, out of range or not finite: it ends as Clear left it.
    TDrawRectParam param(u"R", u"r");
    FillRect(param);
    TBTDOC20 doc;
    TBTNode20& node = *doc.TopNode()->AddChildNode_Class(u"R");
    node.AddChildNode_WideString(u"Bogus")->SetValue(u"1,2,");
    node.AddChildNode_Int32(u"Alpha")->SetValue(7);         // an UInt8 node is expected
    node.AddChildNode_Int32(u"LinePosition")->SetValue(9);  // no such position
    node.AddChildNode_Int32(u"BrushKind")->SetValue(-1);
    node.AddChildNode_Real64(u"RoundWidth")->SetValue(std::numeric_limits<double>::quiet_NaN());
    node.AddChildNode_Real64(u"BorderWidth")->SetValue(std::numeric_limits<double>::infinity());
    node.AddChildNode_Bool32(u"isfill")->SetValue(true);  // names compare case-sensitively
    node.AddChildNode_Color(u"BorderDrawColor", u"x");    // a colour node without a value: 0
    TBTNode20& rect = *node.AddChildNode_Class(u"DrawRectSetting");
    rect.AddChildNode_Int32(u"SizeType")->SetValue(2);
    rect.AddChildNode_Real64(u"Left")->SetValue(3);

    EXPECT_TRUE(param.LoadFromDocNode(node));
    EXPECT_EQ(param.Alpha(), 255);
    EXPECT_EQ(param.LinePosition(), TDRPLinePosition::lpBottom);
    EXPECT_EQ(param.BrushKind(), TDRPBrushKind::drpbkFill);
    EXPECT_EQ(param.RoundWidth(), 6);
    EXPECT_EQ(param.BorderWidth(), 0);
    EXPECT_FALSE(param.IsFill());
    EXPECT_FALSE(param.IsLine());
    EXPECT_EQ(param.FillColor().Color(), 0xFFFFFFFFu);
    EXPECT_EQ(param.BorderColor().Color(), 0u);
    EXPECT_EQ(param.BorderEadges(), kAllBorderEadges);
    // RectCorners is not reset by Clear; without a node it keeps its value.
    EXPECT_EQ(param.RectCorners(), (TDRPRectCorners{TDRPRectCorner::rcBottomLeft, TDRPRectCorner::rcBottomRight}));
    EXPECT_EQ(param.DrawRectSetting().SizeType(), TDPSizeType::dpstPercent);
    EXPECT_EQ(param.DrawRectSetting().Left(), 3);
    EXPECT_FALSE(param.DrawRectSetting().Enabled());
    // Effect values are not cleared: without effect nodes they keep what they held.
    EXPECT_FALSE(param.DrawEffectSetting().IsMixedMouseDownAndPushedEffect());
    EXPECT_EQ(param.DrawEffectSetting().PushedEffect().Alpha(), 40);
    EXPECT_EQ(param.DrawEffectSetting().MouseDownEffect().FillColor().Color(), 0xFF000020u);
}

TEST(DrawParamDocTest, AnEffectReadsWhatItFindsAndKeepsTheRest) {
    TBTDOC20 doc;
    TBTNode20& node = *doc.TopNode()->AddChildNode_Class(u"MouseDownEffect");
    node.AddChildNode_Int32(u"FontSize")->SetValue(16);  // older documents store the size as an integer
    node.AddChildNode_WideString(u"EffectTypes")->SetValue(u"1, 7, x, , 0");
    TDrawTextParamEffect effect;
    effect.SetAlpha(33);
    effect.SetOffset(2);
    effect.FontColor().SetColor(0xFF010101);
    effect.LoadFromDocNode(node);
    EXPECT_EQ(effect.FontSize(), 16);
    EXPECT_EQ(effect.EffectTypes(),
              (TDTPEffectTypes{TDTPEffectType::dtpetFontColorChange, TDTPEffectType::dtpetFontSizeChange}));
    EXPECT_EQ(effect.Alpha(), 33);
    EXPECT_EQ(effect.Offset(), 2);
    EXPECT_EQ(effect.FontColor().Color(), 0xFF010101u);
}

TEST(FontTextTest, WritesFamilySizeAndStylesInTheirOrder) {
    struct Case {
        std::u16string family;
        float size;
        TFontStyles style;
        std::string text;
    };
    using enum TFontStyle;
    const Case cases[] = {
        {u"F", 14, {fsItalic, fsBold}, "\"F\", 14, [Bold|Italic],"},
        {u"Liberation Sans", 9.5f, {}, "\"Liberation Sans\", 9.5, [],"},
        // Sizes that have no short binary form still come out in their shortest decimal form.
        {u"F", 0.1f, {}, "\"F\", 0.1, [],"},
        {u"F", 10.35f, {}, "\"F\", 10.35, [],"},
        {u"F", 1e-6f, {}, "\"F\", 1e-06, [],"},
        {u"微软雅黑",
         12,
         {fsStrikeOut, fsUnderline, fsItalic, fsBold},
         "\"微软雅黑\", 12, [Bold|Italic|Underline|Strikeout],"},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8(FormatFontText(c.family, c.size, c.style)), c.text);
}

TEST(FontTextTest, ReadsPartByPartAndStopsAtThePartItCannotRead) {
    struct Case {
        std::u16string text;
        std::optional<std::u16string> family;
        std::optional<float> size;
        std::optional<TFontStyles> style;
    };
    using enum TFontStyle;
    const Case cases[] = {
        {u"\"F\", 14, [Bold|Italic],", u"F", 14, TFontStyles{fsBold, fsItalic}},
        {u"\"Liberation Sans\", 9.5, [],", u"Liberation Sans", 9.5f, TFontStyles{}},
        // A family with commas reads back whole.
        {u"\"Foo, Bar\", 12, [Underline|Strikeout],", u"Foo, Bar", 12, TFontStyles{fsUnderline, fsStrikeOut}},
        {u"\"F\", 14,5, [Bold],", u"F", 14.5f, TFontStyles{fsBold}},  // a decimal comma
        {u"\"F\", x, [Bold],", u"F", std::nullopt, std::nullopt},
        {u"\"F\", 0, [Bold],", u"F", std::nullopt, std::nullopt},
        {u"\"F\", nan, [Bold],", u"F", std::nullopt, std::nullopt},
        {u"\"F\", 14", u"F", 14, std::nullopt},
        {u"\"F\", 14, [Bold", u"F", 14, std::nullopt},
        {u"\"F\", 14, [Bold|Heavy|bold],", u"F", 14, TFontStyles{fsBold}},
        {u"F, 14, [Bold],", std::nullopt, std::nullopt, std::nullopt},
        {u"", std::nullopt, std::nullopt, std::nullopt},
        {u"\"", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const FontTextParts parts = ParseFontText(c.text);
        EXPECT_EQ(parts.family, c.family) << Utf8(c.text);
        EXPECT_EQ(parts.size, c.size) << Utf8(c.text);
        EXPECT_EQ(parts.style, c.style) << Utf8(c.text);
    }
}

TEST(FontTextTest, AFontKeepsWhatWasReadBeforeTheFailingPart) {
    TDrawFont font;
    font.SetFontName(u"Old");
    font.SetFontSize(10);
    font.SetFontStyle({TFontStyle::fsItalic});
    TBTDOC20 doc;
    TBTNode20& node = *doc.TopNode()->AddChildNode_Class(u"DrawFont");
    node.AddChildNode_WideString(u"Font")->SetValue(u"\"New, Family\", big, [Bold],");
    font.LoadFromDocNode(node);
    EXPECT_EQ(font.FontName(), u"New, Family");
    EXPECT_EQ(font.FontSize(), 10);
    EXPECT_EQ(font.FontStyle(), TFontStyles{TFontStyle::fsItalic});
}

}  // namespace
}  // namespace skin
