#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "skin/draw/border_margins.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/persist/bt_doc20.h"
#include "tests/skin/draw/draw_test_support.h"

namespace skin {
namespace {

using E = TDPPEffectType;
using N = BTNodeType;
using State = TDPEffectState;
using testing::ChangeCounter;
using testing::Utf8;

std::vector<int32_t> Values(const TBorderMargins& m) { return {m.Left(), m.Top(), m.Right(), m.Bottom()}; }

TEST(BorderMarginsTest, LoadFromStringAppliesFourItemsAndChangesNothingOtherwise) {
    struct Case {
        std::u16string text;
        bool applied;
        std::vector<int32_t> values;
    };
    const std::vector<Case> cases = {
        {u"4,2,4,2", true, {4, 2, 4, 2}},
        {u" 4 2, 4 ,2 ", true, {4, 2, 4, 2}},         // blanks separate too
        {u"\"4\",\"2\",3,1,99", true, {4, 2, 3, 1}},  // quoted items; a fifth item is ignored
        {u"+0,2147483647,0,0", true, {0, INT32_MAX, 0, 0}},
        {u"4,2,4", false, {8, 8, 8, 8}},  // fewer than four items
        {u"", false, {8, 8, 8, 8}},
        {u"4,x,4,2", false, {8, 8, 8, 8}},           // not an integer: nothing changes, no exception
        {u"4,,4,2", false, {8, 8, 8, 8}},            // an empty item is no integer
        {u"4,-2,4,2", false, {8, 8, 8, 8}},          // no negative margins
        {u"4,2147483648,4,2", false, {8, 8, 8, 8}},  // beyond the range
        {u"4.5,2,4,2", false, {8, 8, 8, 8}},
    };
    for (const Case& c : cases) {
        TBorderMargins m;
        ChangeCounter changes;
        m.OnChange = changes.Handler();
        EXPECT_EQ(m.LoadFromString(c.text), c.applied) << Utf8(c.text);
        EXPECT_EQ(Values(m), c.values) << Utf8(c.text);
        EXPECT_EQ(changes.Take(), c.applied ? 1 : 0) << Utf8(c.text);
    }
}

TEST(BorderMarginsTest, SettersReportChangesOnlyAndAssignAlwaysReports) {
    TBorderMargins m;
    ChangeCounter changes;
    m.OnChange = changes.Handler();
    m.SetBounds(8, 8, 8, 8);
    EXPECT_EQ(changes.Take(), 0);
    m.SetBounds(1, 8, 8, 8);
    EXPECT_EQ(changes.Take(), 1);
    m.SetTop(8);
    EXPECT_EQ(changes.Take(), 0);
    m.SetRight(3);
    EXPECT_EQ(changes.Take(), 1);
    TBorderMargins same;
    same.SetBounds(1, 8, 3, 8);
    m.Assign(same);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(m.SaveToString(), u"1,8,3,8");
    // A negative margin is stored as 0.
    m.SetBounds(-5, 2, 3, 4);
    EXPECT_EQ(Values(m), (std::vector<int32_t>{0, 2, 3, 4}));
    m.SetBottom(-1);
    EXPECT_EQ(m.Bottom(), 0);
    EXPECT_EQ(m.SaveToString(), u"0,2,3,0");
}

TEST(DrawPictureParamTest, ANewParameterDrawsAtNaturalSizeTopLeft) {
    TDrawPictureParam p(u"DrawPictureParam", u"图片绘制参数");
    EXPECT_EQ(p.Scale(), 1.0);
    EXPECT_EQ(p.RotateAngle(), 0);
    EXPECT_FALSE(p.IsStretch());
    EXPECT_FALSE(p.IsAutoFit());
    EXPECT_EQ(p.StretchStyle(), TPictureStretchStyle::issTensile);
    EXPECT_EQ(p.StretchMargins().SaveToString(), u"8,8,8,8");
    EXPECT_EQ(p.DestDrawStretchMargins().SaveToString(), u"8,8,8,8");
    EXPECT_EQ(p.PictureHorzAlign(), TPictureHorzAlign::phaLeft);
    EXPECT_EQ(p.PictureVertAlign(), TPictureVertAlign::pvaTop);
    EXPECT_EQ(p.PictureTooSmallProcessType(), TPictureTooSmallProcessType::itsptNone);
}

TEST(DrawPictureParamTest, ClearKeepsTheProcessTypesAndSettersReportOnlyChanges) {
    TDrawPictureParam p(u"P", u"p");
    ChangeCounter changes;
    p.OnChange = changes.Handler();
    p.SetScale(2);
    p.SetRotateAngle(30);
    p.SetIsStretch(true);
    p.SetIsAutoFit(true);
    p.SetStretchStyle(TPictureStretchStyle::issSquare);
    p.SetPictureHorzAlign(TPictureHorzAlign::phaRight);
    p.SetPictureVertAlign(TPictureVertAlign::pvaBottom);
    p.SetPictureTooSmallProcessType(TPictureTooSmallProcessType::itsptPart);
    p.SetPictureTooLargeProcessType(TPictureTooLargeProcessType::itlptNormal);
    p.StretchMargins().SetLeft(2);
    EXPECT_EQ(changes.Take(), 10);
    p.SetScale(2);
    p.SetStretchStyle(TPictureStretchStyle::issSquare);
    p.SetStaticScale(3);
    p.SetStaticRotateAngle(45);
    p.SetStaticPictureHorzAlign(TPictureHorzAlign::phaCenter);
    EXPECT_EQ(changes.Take(), 0);
    // Setting a margins property copies and always reports.
    const TBorderMargins sameMargins;
    p.SetDestDrawStretchMargins(sameMargins);
    EXPECT_EQ(changes.Take(), 1);

    p.Clear();
    EXPECT_EQ(p.Scale(), 1.0);
    EXPECT_EQ(p.RotateAngle(), 0);
    EXPECT_FALSE(p.IsStretch());
    EXPECT_FALSE(p.IsAutoFit());
    EXPECT_EQ(p.StretchStyle(), TPictureStretchStyle::issTensile);
    EXPECT_EQ(p.StretchMargins().SaveToString(), u"8,8,8,8");
    EXPECT_EQ(p.PictureHorzAlign(), TPictureHorzAlign::phaLeft);
    EXPECT_EQ(p.PictureVertAlign(), TPictureVertAlign::pvaTop);
    EXPECT_EQ(p.PictureTooSmallProcessType(), TPictureTooSmallProcessType::itsptPart);
    EXPECT_EQ(p.PictureTooLargeProcessType(), TPictureTooLargeProcessType::itlptNormal);
}

TEST(DrawPictureParamTest, AssignCopiesEveryValue) {
    TDrawPictureParam a(u"A", u"a");
    a.SetScale(1.5);
    a.SetRotateAngle(15);
    a.SetIsStretch(true);
    a.SetIsAutoFit(true);
    a.SetStretchStyle(TPictureStretchStyle::issThreePartVertPro);
    a.StretchMargins().SetBounds(1, 2, 3, 4);
    a.DestDrawStretchMargins().SetBounds(5, 6, 7, 8);
    a.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);
    a.SetPictureVertAlign(TPictureVertAlign::pvaCenter);
    a.SetPictureTooSmallProcessType(TPictureTooSmallProcessType::itsptTensile);
    a.SetPictureTooLargeProcessType(TPictureTooLargeProcessType::itlptPart);
    a.SetAlpha(99);
    a.DrawEffectSetting().MouseOverEffect().SetImageName(u"hover");
    TDrawPictureParam b(u"B", u"b");
    ChangeCounter changes;
    b.OnChange = changes.Handler();
    b.Assign(a);
    EXPECT_GE(changes.Take(), 1);
    EXPECT_EQ(b.Scale(), 1.5);
    EXPECT_EQ(b.RotateAngle(), 15);
    EXPECT_TRUE(b.IsStretch());
    EXPECT_TRUE(b.IsAutoFit());
    EXPECT_EQ(b.StretchStyle(), TPictureStretchStyle::issThreePartVertPro);
    EXPECT_EQ(b.StretchMargins().SaveToString(), u"1,2,3,4");
    EXPECT_EQ(b.DestDrawStretchMargins().SaveToString(), u"5,6,7,8");
    EXPECT_EQ(b.PictureHorzAlign(), TPictureHorzAlign::phaCenter);
    EXPECT_EQ(b.PictureVertAlign(), TPictureVertAlign::pvaCenter);
    EXPECT_EQ(b.PictureTooSmallProcessType(), TPictureTooSmallProcessType::itsptTensile);
    EXPECT_EQ(b.PictureTooLargeProcessType(), TPictureTooLargeProcessType::itlptPart);
    EXPECT_EQ(b.Alpha(), 99);
    EXPECT_EQ(b.DrawEffectSetting().MouseOverEffect().ImageName(), u"hover");
}

TEST(DrawPictureParamTest, CurrentEffectImageIndexPicksTheFixedOrTheNextEntry) {
    struct Case {
        const char* what;
        TDPPEffectTypes types;
        int32_t own;
        int32_t expected;
    };
    const std::vector<Case> cases = {
        {"no picture change", {}, 2, -1},
        {"fixed index", {E::dppetImageIndexChange}, 2, 5},
        {"next index", {E::dppetImageIndexInc1}, 2, 3},
        {"next wins over fixed", {E::dppetImageIndexChange, E::dppetImageIndexInc1}, 2, 3},
        {"entry 0 shows entry 1", {E::dppetImageIndexInc1}, 0, 1},
        // A picture found by name has no index: it has no next entry either (not entry 0).
        {"no own index", {E::dppetImageIndexInc1}, -1, -1},
        {"no own index, fixed set too", {E::dppetImageIndexChange, E::dppetImageIndexInc1}, -1, 5},
        // The top of the range has no next entry (no overflow).
        {"top of the range", {E::dppetImageIndexInc1}, INT32_MAX, -1},
    };
    for (const Case& c : cases) {
        TDrawPictureParam p(u"P", u"p");
        TDrawPictureParamEffect& e = p.DrawEffectSetting().MouseDownEffect();
        e.SetImageIndex(5);
        e.SetEffectTypes(c.types);
        e.SetCommonEffectTypes({TDPCommonEffectType::dpcetAlphaChange});  // the effect applies in every case
        EXPECT_EQ(p.CurrentEffectImageIndex(c.own), -1) << c.what << " (no state)";
        p.SetStaticEffectStates({State::dpstMouseDown});
        EXPECT_EQ(p.CurrentEffectImageIndex(c.own), c.expected) << c.what;
    }
}

TEST(DrawPictureParamTest, CurrentEffectNameAndRotationFollowTheState) {
    TDrawPictureParam p(u"P", u"p");
    p.SetRotateAngle(30);
    TDrawPictureParamEffect& over = p.DrawEffectSetting().MouseOverEffect();
    over.SetImageName(u"close_hover");
    over.SetEffectTypes({E::dppetImageNameChange, E::dppetRotateAngleChange});
    EXPECT_EQ(p.CurrentEffectImageName(), u"");
    EXPECT_EQ(p.CurrentEffectRotateAngle(), 30);
    p.SetStaticEffectStates({State::dpstMouseOver});
    EXPECT_EQ(p.CurrentEffectImageName(), u"close_hover");
    EXPECT_EQ(p.CurrentEffectRotateAngle(), 120);  // the effect's default 90 added
    over.SetEffectTypes({E::dppetImageIndexInc1});
    EXPECT_EQ(p.CurrentEffectImageName(), u"");
    EXPECT_EQ(p.CurrentEffectRotateAngle(), 30);
}

TEST(DrawPictureParamTest, EffectValuesAreWrittenWithoutReports) {
    TDrawPictureParam p(u"P", u"p");
    ChangeCounter changes;
    p.OnChange = changes.Handler();
    TDrawPictureParamEffect& pushed = p.DrawEffectSetting().PushedEffect();
    pushed.SetImageIndex(1);
    pushed.SetImageName(u"x");
    pushed.SetRotateAngle(45);
    pushed.SetEffectTypes({E::dppetRotateAngleChange});
    EXPECT_EQ(changes.Take(), 0);
    TDrawPictureParamEffect other;
    pushed.Assign(other);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(pushed.RotateAngle(), 90);
    EXPECT_EQ(pushed.ImageIndex(), -1);
}

// Documents.

void RoundTrip(const TDrawPictureParam& param, TDrawPictureParam& target) {
    TBTDOC20 doc;
    param.SaveToDocNode(*doc.TopNode()->AddChildNode_Class(param.Name(), param.Caption()));
    TBTDOC20 copy;
    copy.Load(doc.Save());
    TBTNode20* node = copy.TopNode()->FindChildNodeByName(param.Name());
    ASSERT_NE(node, nullptr);
    EXPECT_TRUE(target.LoadFromDocNode(*node));
}

void Fill(TDrawPictureParam& p) {
    p.SetAlpha(200);
    p.SetIsAutoFit(true);
    p.SetIsStretch(true);
    p.SetStretchStyle(TPictureStretchStyle::issThreePartHorzPro);
    p.StretchMargins().SetBounds(4, 2, 4, 2);
    p.DestDrawStretchMargins().SetBounds(0, 1, 12, 2147483647);
    p.SetPictureHorzAlign(TPictureHorzAlign::phaCenter);
    p.SetPictureVertAlign(TPictureVertAlign::pvaBottom);
    p.SetScale(2);
    p.SetRotateAngle(33);
    p.SetPictureTooSmallProcessType(TPictureTooSmallProcessType::itsptPart);
    p.SetPictureTooLargeProcessType(TPictureTooLargeProcessType::itlptNormal);
    int32_t index = 3;
    for (TDrawPictureParamEffect* e :
         {&p.DrawEffectSetting().MouseDownEffect(), &p.DrawEffectSetting().MouseOverEffect(),
          &p.DrawEffectSetting().PushedEffect()}) {
        e->SetImageIndex(index++);
        e->SetImageName(u"图片" + std::u16string(1, static_cast<char16_t>(u'0' + index)));
        e->SetRotateAngle(-45 * index);
        e->SetEffectTypes({E::dppetImageIndexInc1, E::dppetRotateAngleChange});
        e->SetCommonEffectTypes({TDPCommonEffectType::dpcetAlphaChange});
        e->SetAlpha(static_cast<uint8_t>(index));
    }
}

TEST(DrawPictureParamDocTest, AFullySetParameterReadsBackItsStoredValues) {
    TDrawPictureParam original(u"DrawPictureParam", u"图片绘制参数");
    Fill(original);
    TDrawPictureParam loaded(u"Other", u"other");
    loaded.SetPictureTooSmallProcessType(TPictureTooSmallProcessType::itsptTensile);
    RoundTrip(original, loaded);
    EXPECT_EQ(loaded.Alpha(), 200);
    EXPECT_TRUE(loaded.IsAutoFit());
    EXPECT_TRUE(loaded.IsStretch());
    EXPECT_EQ(loaded.StretchStyle(), TPictureStretchStyle::issThreePartHorzPro);
    EXPECT_EQ(loaded.StretchMargins().SaveToString(), u"4,2,4,2");
    EXPECT_EQ(loaded.DestDrawStretchMargins().SaveToString(), u"0,1,12,2147483647");
    EXPECT_EQ(loaded.PictureHorzAlign(), TPictureHorzAlign::phaCenter);
    EXPECT_EQ(loaded.PictureVertAlign(), TPictureVertAlign::pvaBottom);
    // Not stored: scale and rotation are cleared, the process types keep the destination's values.
    EXPECT_EQ(loaded.Scale(), 1.0);
    EXPECT_EQ(loaded.RotateAngle(), 0);
    EXPECT_EQ(loaded.PictureTooSmallProcessType(), TPictureTooSmallProcessType::itsptTensile);
    EXPECT_EQ(loaded.PictureTooLargeProcessType(), TPictureTooLargeProcessType::itlptNone);
    const TDrawPictureEffectSetting& a = original.DrawEffectSetting();
    const TDrawPictureEffectSetting& b = loaded.DrawEffectSetting();
    for (auto get : {&TDrawPictureEffectSetting::MouseDownEffect, &TDrawPictureEffectSetting::MouseOverEffect,
                     &TDrawPictureEffectSetting::PushedEffect}) {
        const TDrawPictureParamEffect& x = (a.*get)();
        const TDrawPictureParamEffect& y = (b.*get)();
        EXPECT_EQ(y.ImageIndex(), x.ImageIndex());
        EXPECT_EQ(y.ImageName(), x.ImageName());
        EXPECT_EQ(y.RotateAngle(), x.RotateAngle());
        EXPECT_EQ(y.EffectTypes(), x.EffectTypes());
        EXPECT_EQ(y.Alpha(), x.Alpha());
    }
}

struct NodeRow {
    std::u16string name;
    BTNodeType type;
    std::u16string caption;
};

void ExpectTrailingNodes(TBTNode20& node, const std::vector<NodeRow>& rows, const std::string& where) {
    const int count = node.ChildNodes().Count();
    ASSERT_GE(count, static_cast<int>(rows.size())) << where;
    const int first = count - static_cast<int>(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        TBTNode20* child = node.ChildNodes().GetItems(first + static_cast<int>(i));
        EXPECT_EQ(Utf8(child->NodeName()), Utf8(rows[i].name)) << where << " #" << i;
        EXPECT_EQ(child->NodeType(), rows[i].type) << where << " " << Utf8(rows[i].name);
        EXPECT_EQ(Utf8(child->NodeCaption()), Utf8(rows[i].caption)) << where << " " << Utf8(rows[i].name);
    }
}

TEST(DrawPictureParamDocTest, TheParameterWritesItsNodesWithTheirKindsAndCaptions) {
    TDrawPictureParam param(u"DrawPictureParam", u"图片绘制参数");
    Fill(param);
    TBTDOC20 doc;
    TBTNode20& node = *doc.TopNode()->AddChildNode_Class(u"Picture");
    param.SaveToDocNode(node);
    EXPECT_EQ(Utf8(node.ConvertNode_Class()->Value()), "TDrawPictureParam");
    ASSERT_EQ(node.ChildNodes().Count(), 12);  // five base nodes, then the picture's own
    EXPECT_EQ(Utf8(node.ChildNodes().GetItems(4)->NodeName()), "DrawEffectSetting");
    ExpectTrailingNodes(node,
                        {
                            {u"IsAutoFit", N::Bool32, u"是否自适应"},
                            {u"IsStretch", N::Bool32, u"是否拉伸"},
                            {u"StretchStyle", N::Int32, u"拉伸风格"},
                            {u"StretchMargins", N::WideString, u"图片拉伸边距"},
                            {u"DestDrawStretchMargins", N::WideString, u"目标绘制拉伸边距"},
                            {u"PictureHorzAlign", N::Int32, u"水平对齐风格"},
                            {u"PictureVertAlign", N::Int32, u"垂直对齐风格"},
                        },
                        "TDrawPictureParam");
    EXPECT_EQ(node.FindChildNodeByName(u"StretchStyle")->ConvertNode_Int32()->Value(), 5);
    EXPECT_EQ(node.FindChildNodeByName(u"StretchMargins")->ConvertNode_WideString()->Value(), u"4,2,4,2");
    EXPECT_EQ(node.FindChildNodeByName(u"PictureVertAlign")->ConvertNode_Int32()->Value(), 2);
    EXPECT_EQ(node.FindChildNodeByName(u"IsStretch")->ConvertNode_Bool32()->Value(), true);

    TBTNode20& pushed = *node.FindChildNodeByName(u"DrawEffectSetting")->FindChildNodeByName(u"PushedEffect");
    EXPECT_EQ(Utf8(pushed.ConvertNode_Class()->Value()), "TDrawPictureParamEffect");
    ASSERT_EQ(pushed.ChildNodes().Count(), 7);
    ExpectTrailingNodes(pushed,
                        {
                            {u"RotateAngle", N::Int32, u"旋转角度"},
                            {u"ImageIndex", N::Int32, u"图片下标"},
                            {u"ImageName", N::WideString, u"图片名称"},
                            {u"EffectTypes", N::WideString, u"效果集"},
                        },
                        "PushedEffect");
    EXPECT_EQ(pushed.FindChildNodeByName(u"EffectTypes")->ConvertNode_WideString()->Value(), u"1,3,");
    EXPECT_EQ(pushed.FindChildNodeByName(u"RotateAngle")->ConvertNode_Int32()->Value(), -270);
}

TEST(DrawPictureParamDocTest, UnreadableMarginsAreLoggedAndTheRestStillLoads) {
    TDrawPictureParam param(u"P", u"p");
    Fill(param);
    TBTDOC20 doc;
    TBTNode20& node = *doc.TopNode()->AddChildNode_Class(u"P");
    node.AddChildNode_WideString(u"StretchMargins")->SetValue(u"4,two,4,2");
    node.AddChildNode_WideString(u"DestDrawStretchMargins")->SetValue(u"1,-1,1,1");
    node.AddChildNode_Int32(u"PictureHorzAlign")->SetValue(2);
    node.AddChildNode_Int32(u"StretchStyle")->SetValue(8);  // no such style
    node.AddChildNode_Bool32(u"IsStretch")->SetValue(true);
    EXPECT_TRUE(param.LoadFromDocNode(node));
    EXPECT_EQ(param.StretchMargins().SaveToString(), u"8,8,8,8");
    EXPECT_EQ(param.DestDrawStretchMargins().SaveToString(), u"8,8,8,8");
    EXPECT_EQ(param.PictureHorzAlign(), TPictureHorzAlign::phaRight);
    EXPECT_EQ(param.StretchStyle(), TPictureStretchStyle::issTensile);
    EXPECT_TRUE(param.IsStretch());
    EXPECT_FALSE(param.IsAutoFit());
}

TEST(DrawPictureParamTest, PublishedPropertiesReachTheMarginsAndTheEffects) {
    TDrawPictureParam p(u"P", u"p");
    EXPECT_EQ(testing::PropertyText(p, u"StretchMargins.Left"), "8");
    EXPECT_EQ(testing::PropertyText(p, u"StretchStyle"), "issTensile");
    EXPECT_EQ(testing::PropertyText(p, u"PictureHorzAlign"), "phaLeft");
    EXPECT_EQ(testing::PropertyText(p, u"DrawEffectSetting.MouseOverEffect.RotateAngle"), "90");
    EXPECT_EQ(testing::PropertyText(p, u"DrawEffectSetting.MouseOverEffect.ImageIndex"), "-1");
    EXPECT_EQ(testing::PropertyText(p, u"DrawEffectSetting.MouseOverEffect.EffectTypes"), "[]");
}

}  // namespace
}  // namespace skin
