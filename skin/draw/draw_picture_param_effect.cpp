#include "skin/draw/draw_picture_param_effect.h"

#include "skin/draw/doc_node_io.h"
#include "skin/draw/set_text.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

const ui::PropertyTable& TDrawPictureParamEffect::StaticProperties() {
    using T = TDrawPictureParamEffect;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>(&TDrawParamCommonEffect::StaticProperties())
            .Integer<int32_t>(u"RotateAngle", &T::RotateAngle, &T::SetRotateAngle)
            .Integer<int32_t>(u"ImageIndex", &T::ImageIndex, &T::SetImageIndex)
            .Text(u"ImageName", &T::ImageName, [](T& e, const std::u16string& name) { e.SetImageName(name); })
            .Set<TDPPEffectType>(u"EffectTypes", kEnumNames<TDPPEffectType>, &T::EffectTypes, &T::SetEffectTypes)
            .Build();
    return table;
}

bool TDrawPictureParamEffect::HasEffectTypes() const {
    return TDrawParamCommonEffect::HasEffectTypes() || !effectTypes_.Empty();
}

bool TDrawPictureParamEffect::LoadFromDocNode(TBTNode20& docNode) {
    TDrawParamCommonEffect::LoadFromDocNode(docNode);
    if (auto v = ReadInt32Node(docNode, u"RotateAngle")) rotateAngle_ = *v;
    if (auto v = ReadInt32Node(docNode, u"ImageIndex")) imageIndex_ = *v;
    if (auto v = ReadTextNode(docNode, u"ImageName")) imageName_ = std::move(*v);
    if (auto v = ReadTextNode(docNode, u"EffectTypes")) effectTypes_ = SetFromText<TDPPEffectType>(*v);
    return true;
}

bool TDrawPictureParamEffect::SaveToDocNode(TBTNode20& docNode) const {
    TDrawParamCommonEffect::SaveToDocNode(docNode);
    WriteInt32Node(docNode, u"RotateAngle", u"旋转角度", rotateAngle_);
    WriteInt32Node(docNode, u"ImageIndex", u"图片下标", imageIndex_);
    WriteTextNode(docNode, u"ImageName", u"图片名称", imageName_);
    WriteTextNode(docNode, u"EffectTypes", u"效果集", SetToText(effectTypes_));
    return true;
}

void TDrawPictureParamEffect::CopyOwnValues(const TDrawPictureParamEffect& other) {
    imageIndex_ = other.imageIndex_;
    imageName_ = other.imageName_;
    rotateAngle_ = other.rotateAngle_;
    effectTypes_ = other.effectTypes_;
}

void TDrawPictureParamEffect::MixEffects(const TDrawParamCommonEffect& pushed,
                                         const TDrawParamCommonEffect& mouseDown) {
    // Copying the name may allocate once when it grows; the same effects give the same name on later paints.
    if (const auto* other = dynamic_cast<const TDrawPictureParamEffect*>(&pushed)) CopyOwnValues(*other);
    TDrawParamCommonEffect::MixEffects(pushed, mouseDown);
}

bool TDrawPictureParamEffect::AssignFrom(const ui::Persistent& source) {
    if (const auto* other = dynamic_cast<const TDrawPictureParamEffect*>(&source)) CopyOwnValues(*other);
    return TDrawParamCommonEffect::AssignFrom(source);
}

}  // namespace skin
