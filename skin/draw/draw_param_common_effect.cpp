#include "skin/draw/draw_param_common_effect.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/doc_node_io.h"
#include "skin/draw/set_text.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

const ui::PropertyTable& TDrawParamCommonEffect::StaticProperties() {
    using T = TDrawParamCommonEffect;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>()
            .Integer<uint8_t>(u"Alpha", &T::Alpha, &T::SetAlpha)
            .Double(u"Offset", &T::Offset, &T::SetOffset)
            .Set<TDPCommonEffectType>(u"CommonEffectTypes", kEnumNames<TDPCommonEffectType>, &T::CommonEffectTypes,
                                      &T::SetCommonEffectTypes)
            .Build();
    return table;
}

void TDrawParamCommonEffect::SetAlpha(uint8_t value) {
    StoreIfChanged(alpha_, value, [this] { DoChange(); });
}
void TDrawParamCommonEffect::SetOffset(double value) {
    StoreIfChanged(offset_, value, [this] { DoChange(); });
}
void TDrawParamCommonEffect::SetCommonEffectTypes(TDPCommonEffectTypes value) {
    StoreIfChanged(commonEffectTypes_, value, [this] { DoChange(); });
}

void TDrawParamCommonEffect::MixEffects(const TDrawParamCommonEffect& pushed, const TDrawParamCommonEffect& mouseDown) {
    // Every value comes from the pushed effect, its alpha too: a mouse-down effect that changes the alpha while the
    // pushed one does not still draws with the pushed effect's alpha. Only the change types and the offset combine.
    alpha_ = pushed.alpha_;
    commonEffectTypes_ = pushed.commonEffectTypes_ | mouseDown.commonEffectTypes_;
    offset_ = 0;
    if (pushed.HasCommonEffectType(TDPCommonEffectType::dpcetOffsetChange)) offset_ += pushed.offset_;
    if (mouseDown.HasCommonEffectType(TDPCommonEffectType::dpcetOffsetChange)) offset_ += mouseDown.offset_;
}

bool TDrawParamCommonEffect::LoadFromDocNode(TBTNode20& docNode) {
    Clear();
    if (auto v = ReadUInt8Node(docNode, u"Alpha")) SetAlpha(*v);
    if (auto v = ReadReal64Node(docNode, u"Offset")) SetOffset(*v);
    if (auto v = ReadTextNode(docNode, u"CommonEffectTypes")) {
        SetCommonEffectTypes(SetFromText<TDPCommonEffectType>(*v));
    }
    return true;
}

bool TDrawParamCommonEffect::SaveToDocNode(TBTNode20& docNode) const {
    SetNodeClassName(docNode, ClassName());
    WriteUInt8Node(docNode, u"Alpha", u"透明度", alpha_);
    WriteReal64Node(docNode, u"Offset", u"偏移", offset_);
    WriteTextNode(docNode, u"CommonEffectTypes", u"通用效果", SetToText(commonEffectTypes_));
    return true;
}

bool TDrawParamCommonEffect::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TDrawParamCommonEffect*>(&source);
    if (other == nullptr) return false;
    alpha_ = other->alpha_;
    offset_ = other->offset_;
    commonEffectTypes_ = other->commonEffectTypes_;
    DoChange();
    return true;
}

void TDrawParamCommonEffect::DoChange() {
    if (OnChange) OnChange(this);
}

}  // namespace skin
