#include "skin/draw/draw_text_param_effect.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/default_font.h"
#include "skin/draw/doc_node_io.h"
#include "skin/draw/draw_compare.h"
#include "skin/draw/set_text.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TDrawTextParamEffect::TDrawTextParamEffect()
    : fontColor_(u"FontColor", u"字体颜色"), fontSize_(DefaultDrawFont().size) {
    fontColor_.OnChange = [this](ui::Object*) { DoChange(); };
}

const ui::PropertyTable& TDrawTextParamEffect::StaticProperties() {
    using T = TDrawTextParamEffect;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>(&TDrawParamCommonEffect::StaticProperties())
            .Object(u"FontColor", [](T& e) -> ui::Persistent& { return e.FontColor(); })
            .Double(u"FontSize", &T::FontSize, &T::SetFontSize)
            .Set<TFontStyle>(u"FontStyle", kEnumNames<TFontStyle>, &T::FontStyle, &T::SetFontStyle)
            .Set<TDTPEffectType>(u"EffectTypes", kEnumNames<TDTPEffectType>, &T::EffectTypes, &T::SetEffectTypes)
            .Build();
    return table;
}

void TDrawTextParamEffect::SetFontSize(double value) {
    StoreIfChanged(fontSize_, value, [this] { DoChange(); });
}
void TDrawTextParamEffect::SetFontStyle(TFontStyles value) {
    StoreIfChanged(fontStyle_, value, [this] { DoChange(); });
}
void TDrawTextParamEffect::SetEffectTypes(TDTPEffectTypes value) {
    StoreIfChanged(effectTypes_, value, [this] { DoChange(); });
}

bool TDrawTextParamEffect::IsFontSizeStored() const {
    return !IsZeroValue(fontSize_) && !IsSameValue(fontSize_, DefaultDrawFont().size);
}

bool TDrawTextParamEffect::HasEffectTypes() const {
    return TDrawParamCommonEffect::HasEffectTypes() || !effectTypes_.Empty();
}

bool TDrawTextParamEffect::LoadFromDocNode(TBTNode20& docNode) {
    TDrawParamCommonEffect::LoadFromDocNode(docNode);
    if (TBTNode20_Color* node = FindColorNode(docNode, u"FontColor")) fontColor_.LoadFromColorNode(*node);
    TBTNode20* size = docNode.FindChildNodeByName(u"FontSize");
    if (size != nullptr && size->NodeType() == BTNodeType::Int32) {
        if (auto v = ReadInt32Node(docNode, u"FontSize")) SetFontSize(*v);
    } else if (auto v = ReadReal64Node(docNode, u"FontSize")) {
        SetFontSize(*v);
    }
    if (auto v = ReadTextNode(docNode, u"FontStyle")) SetFontStyle(SetFromText<TFontStyle>(*v));
    if (auto v = ReadTextNode(docNode, u"EffectTypes")) SetEffectTypes(SetFromText<TDTPEffectType>(*v));
    return true;
}

bool TDrawTextParamEffect::SaveToDocNode(TBTNode20& docNode) const {
    TDrawParamCommonEffect::SaveToDocNode(docNode);
    fontColor_.SaveToColorNode(WriteColorNode(docNode, u"FontColor", u"字体颜色"));
    WriteReal64Node(docNode, u"FontSize", u"字体大小", fontSize_);
    WriteTextNode(docNode, u"FontStyle", u"字体风格", SetToText(fontStyle_));
    WriteTextNode(docNode, u"EffectTypes", u"效果集", SetToText(effectTypes_));
    return true;
}

void TDrawTextParamEffect::CopyOwnValues(const TDrawTextParamEffect& other) {
    fontColor_.AssignColor(other.fontColor_);
    fontSize_ = other.fontSize_;
    fontStyle_ = other.fontStyle_;
    effectTypes_ = other.effectTypes_;
}

void TDrawTextParamEffect::MixEffects(const TDrawParamCommonEffect& pushed, const TDrawParamCommonEffect& mouseDown) {
    if (const auto* other = dynamic_cast<const TDrawTextParamEffect*>(&pushed)) CopyOwnValues(*other);
    TDrawParamCommonEffect::MixEffects(pushed, mouseDown);
}

bool TDrawTextParamEffect::AssignFrom(const ui::Persistent& source) {
    if (const auto* other = dynamic_cast<const TDrawTextParamEffect*>(&source)) CopyOwnValues(*other);
    return TDrawParamCommonEffect::AssignFrom(source);
}

}  // namespace skin
