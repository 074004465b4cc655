#include "skin/draw/draw_rect_param.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/doc_node_io.h"
#include "skin/draw/set_text.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TBaseDrawRectParam::TBaseDrawRectParam(std::u16string_view name, std::u16string_view caption)
    : TDrawParam(name, caption, std::make_unique<TDrawRectEffectSetting>()),
      fillDrawColor_(u"FillDrawColor", u"填充颜色"),
      tempFillDrawColor_(u"TempFillDrawColor", u"Temp填充颜色"),
      borderDrawColor_(u"BorderDrawColor", u"边框颜色") {
    fillDrawColor_.InitDefaultColor(0xFFFFFFFF);
    fillDrawColor_.OnChange = [this](ui::Object*) { DoChange(); };
    borderDrawColor_.OnChange = [this](ui::Object*) { DoChange(); };
    gradient_.OnChange = [this](ui::Object*) { DoChange(); };
    clipRoundRectSetting_.OnChange = [this](ui::Object*) { DoChange(); };
    TBaseDrawRectParam::Clear();
}

TBaseDrawRectParam::~TBaseDrawRectParam() = default;

void TBaseDrawRectParam::SetIsFill(bool value) {
    StoreIfChanged(isFill_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetBorderWidth(double value) {
    StoreIfChanged(borderWidth_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetBorderEadges(TDRPBorderEadges value) {
    StoreIfChanged(borderEadges_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetRectCorners(TDRPRectCorners value) {
    StoreIfChanged(rectCorners_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetIsLine(bool value) {
    StoreIfChanged(isLine_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetLinePosition(TDRPLinePosition value) {
    StoreIfChanged(linePosition_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetIsRound(bool value) {
    StoreIfChanged(isRound_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetRoundWidth(double value) {
    StoreIfChanged(roundWidth_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetRoundHeight(double value) {
    StoreIfChanged(roundHeight_, value, [this] { DoChange(); });
}
void TBaseDrawRectParam::SetBrushKind(TDRPBrushKind value) {
    StoreIfChanged(brushKind_, value, [this] { DoChange(); });
}

bool TBaseDrawRectParam::CurrentEffectIsFill() const {
    const TDrawRectParamEffect* effect = CurrentRectEffect();
    return effect != nullptr && effect->HasEffectType(TDRPEffectType::drpetIsFillChange) ? effect->IsFill() : isFill_;
}

double TBaseDrawRectParam::CurrentEffectBorderWidth() const {
    const TDrawRectParamEffect* effect = CurrentRectEffect();
    return effect != nullptr && effect->HasEffectType(TDRPEffectType::drpetBorderWidthChange) ? effect->BorderWidth()
                                                                                              : borderWidth_;
}

const TDrawColor& TBaseDrawRectParam::CurrentEffectBorderColor() const {
    const TDrawRectParamEffect* effect = CurrentRectEffect();
    return effect != nullptr && effect->HasEffectType(TDRPEffectType::drpetBorderColorChange) ? effect->BorderColor()
                                                                                              : borderDrawColor_;
}

const TDrawColor& TBaseDrawRectParam::CurrentEffectFillDrawColor() const {
    const TDrawRectParamEffect* effect = CurrentRectEffect();
    if (effect == nullptr || !effect->HasEffectType(TDRPEffectType::drpetFillColorChange)) return fillDrawColor_;
    if (effect->FillColorChangeType() == TColorChangeType::cctNone) return effect->FillColor();
    // Brightness and darkness: the fill colour as shown, which the adjustment leaves as it is.
    tempFillDrawColor_.FColor = fillDrawColor_.Color();
    return tempFillDrawColor_;
}

void TBaseDrawRectParam::Clear() {
    TDrawParam::Clear();
    isLine_ = false;
    linePosition_ = TDRPLinePosition::lpBottom;
    isRound_ = false;
    roundWidth_ = 6;
    roundHeight_ = 6;
    isFill_ = false;
    fillDrawColor_.SetColor(0xFFFFFFFF);
    borderDrawColor_.SetColor(0xFF000000);
    borderWidth_ = 0;
    borderEadges_ = kAllBorderEadges;
    brushKind_ = TDRPBrushKind::drpbkFill;
}

bool TBaseDrawRectParam::LoadFromDocNode(TBTNode20& docNode) {
    TDrawParam::LoadFromDocNode(docNode);
    if (auto v = ReadTextNode(docNode, u"BorderEadges")) SetBorderEadges(SetFromText<TDRPBorderEadge>(*v));
    if (auto v = ReadTextNode(docNode, u"RectCorners")) SetRectCorners(SetFromText<TDRPRectCorner>(*v));
    if (auto v = ReadBool32Node(docNode, u"IsRound")) SetIsRound(*v);
    if (auto v = ReadReal64Node(docNode, u"RoundWidth")) SetRoundWidth(*v);
    if (auto v = ReadReal64Node(docNode, u"RoundHeight")) SetRoundHeight(*v);
    if (auto v = ReadBool32Node(docNode, u"IsFill")) SetIsFill(*v);
    if (TBTNode20_Color* node = FindColorNode(docNode, u"FillDrawColor")) fillDrawColor_.LoadFromColorNode(*node);
    if (auto v = ReadBool32Node(docNode, u"IsLine")) SetIsLine(*v);
    if (auto v = ReadEnumNode<TDRPLinePosition>(docNode, u"LinePosition")) SetLinePosition(*v);
    if (TBTNode20_Color* node = FindColorNode(docNode, u"BorderDrawColor")) {
        borderDrawColor_.LoadFromColorNode(*node);
    }
    if (auto v = ReadReal64Node(docNode, u"BorderWidth")) SetBorderWidth(*v);
    if (auto v = ReadEnumNode<TDRPBrushKind>(docNode, u"BrushKind")) SetBrushKind(*v);
    return true;
}

bool TBaseDrawRectParam::SaveToDocNode(TBTNode20& docNode) const {
    TDrawParam::SaveToDocNode(docNode);
    WriteTextNode(docNode, u"BorderEadges", u"边框", SetToText(borderEadges_));
    WriteTextNode(docNode, u"RectCorners", u"角", SetToText(rectCorners_));
    WriteBool32Node(docNode, u"IsRound", u"是否圆角", isRound_);
    WriteReal64Node(docNode, u"RoundWidth", u"圆角宽度", roundWidth_);
    WriteReal64Node(docNode, u"RoundHeight", u"圆角高度", roundHeight_);
    WriteBool32Node(docNode, u"IsFill", u"是否填充矩形", isFill_);
    fillDrawColor_.SaveToColorNode(WriteColorNode(docNode, u"FillDrawColor", u"填充颜色"));
    WriteBool32Node(docNode, u"IsLine", u"是否是线段", isLine_);
    WriteEnumNode(docNode, u"LinePosition", u"线段位置", linePosition_);
    borderDrawColor_.SaveToColorNode(WriteColorNode(docNode, u"BorderDrawColor", u"边框颜色"));
    WriteReal64Node(docNode, u"BorderWidth", u"边框宽度", borderWidth_);
    WriteEnumNode(docNode, u"BrushKind", u"是否填充", brushKind_);
    return true;
}

bool TBaseDrawRectParam::AssignFrom(const ui::Persistent& source) {
    if (const auto* other = dynamic_cast<const TBaseDrawRectParam*>(&source)) {
        isLine_ = other->isLine_;
        isRound_ = other->isRound_;
        roundWidth_ = other->roundWidth_;
        roundHeight_ = other->roundHeight_;
        borderEadges_ = other->borderEadges_;
        rectCorners_ = other->rectCorners_;
        isFill_ = other->isFill_;
        fillDrawColor_.Assign(other->fillDrawColor_);
        borderDrawColor_.Assign(other->borderDrawColor_);
        borderWidth_ = other->borderWidth_;
        brushKind_ = other->brushKind_;
        gradient_.Assign(other->gradient_);
    }
    return TDrawParam::AssignFrom(source);
}

const ui::PropertyTable& TDrawRectParam::StaticProperties() {
    using T = TDrawRectParam;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>(&TDrawParam::StaticProperties())
            .Bool(u"IsFill", &T::IsFill, &T::SetIsFill)
            .Object(u"FillColor", [](T& p) -> ui::Persistent& { return p.FillColor(); })
            .Object(u"BorderColor", [](T& p) -> ui::Persistent& { return p.BorderColor(); })
            .Double(u"BorderWidth", &T::BorderWidth, &T::SetBorderWidth)
            .Set<TDRPBorderEadge>(u"BorderEadges", kEnumNames<TDRPBorderEadge>, &T::BorderEadges, &T::SetBorderEadges)
            .Set<TDRPRectCorner>(u"RectCorners", kEnumNames<TDRPRectCorner>, &T::RectCorners, &T::SetRectCorners)
            .Bool(u"IsLine", &T::IsLine, &T::SetIsLine)
            .Enumeration<TDRPLinePosition>(u"LinePosition", kEnumNames<TDRPLinePosition>, &T::LinePosition,
                                           &T::SetLinePosition)
            .Bool(u"IsRound", &T::IsRound, &T::SetIsRound)
            .Double(u"RoundWidth", &T::RoundWidth, &T::SetRoundWidth)
            .Double(u"RoundHeight", &T::RoundHeight, &T::SetRoundHeight)
            .Enumeration<TDRPBrushKind>(u"BrushKind", kEnumNames<TDRPBrushKind>, &T::BrushKind, &T::SetBrushKind)
            .Color(u"GradientColor1", &T::GradientColor1, &T::SetGradientColor1)
            .Enumeration<TGradientStyle>(u"GradientStyle", kEnumNames<TGradientStyle>, &T::GradientStyle,
                                         &T::SetGradientStyle)
            .Object(u"GradientStartPosition", [](T& p) -> ui::Persistent& { return p.Gradient().StartPosition(); })
            .Object(u"GradientStopPosition", [](T& p) -> ui::Persistent& { return p.Gradient().StopPosition(); })
            .Build();
    return table;
}

}  // namespace skin
