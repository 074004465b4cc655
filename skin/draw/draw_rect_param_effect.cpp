#include "skin/draw/draw_rect_param_effect.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/doc_node_io.h"
#include "skin/draw/set_text.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TDrawRectParamEffect::TDrawRectParamEffect()
    : fillColor_(u"FillDrawColor", u"填充颜色"), borderColor_(u"BorderDrawColor", u"边框颜色") {
    fillColor_.OnChange = [this](ui::Object*) { DoChange(); };
    borderColor_.OnChange = [this](ui::Object*) { DoChange(); };
}

const ui::PropertyTable& TDrawRectParamEffect::StaticProperties() {
    using T = TDrawRectParamEffect;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>(&TDrawParamCommonEffect::StaticProperties())
            .Bool(u"IsFill", &T::IsFill, &T::SetIsFill)
            .Object(u"FillColor", [](T& e) -> ui::Persistent& { return e.FillColor(); })
            .Enumeration<TColorChangeType>(u"FillColorChangeType", kEnumNames<TColorChangeType>,
                                           &T::FillColorChangeType, &T::SetFillColorChangeType)
            .Object(u"BorderColor", [](T& e) -> ui::Persistent& { return e.BorderColor(); })
            .Double(u"BorderWidth", &T::BorderWidth, &T::SetBorderWidth)
            .Set<TDRPEffectType>(u"EffectTypes", kEnumNames<TDRPEffectType>, &T::EffectTypes, &T::SetEffectTypes)
            .Build();
    return table;
}

void TDrawRectParamEffect::SetIsFill(bool value) {
    StoreIfChanged(isFill_, value, [this] { DoChange(); });
}
void TDrawRectParamEffect::SetFillColorChangeType(TColorChangeType value) {
    StoreIfChanged(fillColorChangeType_, value, [this] { DoChange(); });
}
void TDrawRectParamEffect::SetBorderWidth(double value) {
    StoreIfChanged(borderWidth_, value, [this] { DoChange(); });
}
void TDrawRectParamEffect::SetEffectTypes(TDRPEffectTypes value) {
    StoreIfChanged(effectTypes_, value, [this] { DoChange(); });
}

bool TDrawRectParamEffect::HasEffectTypes() const {
    return TDrawParamCommonEffect::HasEffectTypes() || !effectTypes_.Empty();
}

bool TDrawRectParamEffect::LoadFromDocNode(TBTNode20& docNode) {
    TDrawParamCommonEffect::LoadFromDocNode(docNode);
    if (TBTNode20_Color* node = FindColorNode(docNode, u"FillDrawColor")) fillColor_.LoadFromColorNode(*node);
    if (auto v = ReadReal64Node(docNode, u"BorderWidth")) SetBorderWidth(*v);
    if (auto v = ReadBool32Node(docNode, u"IsFill")) SetIsFill(*v);
    if (auto v = ReadTextNode(docNode, u"EffectTypes")) SetEffectTypes(SetFromText<TDRPEffectType>(*v));
    return true;
}

bool TDrawRectParamEffect::SaveToDocNode(TBTNode20& docNode) const {
    TDrawParamCommonEffect::SaveToDocNode(docNode);
    fillColor_.SaveToColorNode(WriteColorNode(docNode, u"FillDrawColor", u"填充颜色"));
    WriteReal64Node(docNode, u"BorderWidth", u"边框宽度", borderWidth_);
    WriteBool32Node(docNode, u"IsFill", u"是否填充", isFill_);
    WriteTextNode(docNode, u"EffectTypes", u"效果集", SetToText(effectTypes_));
    return true;
}

void TDrawRectParamEffect::CopyOwnValues(const TDrawRectParamEffect& other) {
    fillColor_.AssignColor(other.fillColor_);
    borderColor_.AssignColor(other.borderColor_);
    isFill_ = other.isFill_;
    borderWidth_ = other.borderWidth_;
    effectTypes_ = other.effectTypes_;
}

void TDrawRectParamEffect::MixEffects(const TDrawParamCommonEffect& pushed, const TDrawParamCommonEffect& mouseDown) {
    if (const auto* other = dynamic_cast<const TDrawRectParamEffect*>(&pushed)) CopyOwnValues(*other);
    TDrawParamCommonEffect::MixEffects(pushed, mouseDown);
}

bool TDrawRectParamEffect::AssignFrom(const ui::Persistent& source) {
    if (const auto* other = dynamic_cast<const TDrawRectParamEffect*>(&source)) CopyOwnValues(*other);
    return TDrawParamCommonEffect::AssignFrom(source);
}

}  // namespace skin
