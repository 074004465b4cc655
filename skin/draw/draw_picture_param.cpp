#include "skin/draw/draw_picture_param.h"

#include <limits>

#include "skin/core/store_if_changed.h"
#include "skin/draw/doc_node_io.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

namespace {

const std::u16string kNoImageName;

}  // namespace

TBaseDrawPictureParam::TBaseDrawPictureParam(std::u16string_view name, std::u16string_view caption)
    : TDrawParam(name, caption, std::make_unique<TDrawPictureEffectSetting>()) {
    stretchMargins_.OnChange = [this](ui::Object*) { DoChange(); };
    destDrawStretchMargins_.OnChange = [this](ui::Object*) { DoChange(); };
    TBaseDrawPictureParam::Clear();
}

TBaseDrawPictureParam::~TBaseDrawPictureParam() = default;

void TBaseDrawPictureParam::SetScale(double value) {
    StoreIfChanged(scale_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetIsStretch(bool value) {
    StoreIfChanged(isStretch_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetIsAutoFit(bool value) {
    StoreIfChanged(isAutoFit_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetRotateAngle(double value) {
    StoreIfChanged(rotateAngle_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetStretchStyle(TPictureStretchStyle value) {
    StoreIfChanged(stretchStyle_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetPictureVertAlign(TPictureVertAlign value) {
    StoreIfChanged(pictureVertAlign_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetPictureHorzAlign(TPictureHorzAlign value) {
    StoreIfChanged(pictureHorzAlign_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetPictureTooSmallProcessType(TPictureTooSmallProcessType value) {
    StoreIfChanged(pictureTooSmallProcessType_, value, [this] { DoChange(); });
}
void TBaseDrawPictureParam::SetPictureTooLargeProcessType(TPictureTooLargeProcessType value) {
    StoreIfChanged(pictureTooLargeProcessType_, value, [this] { DoChange(); });
}

int32_t TBaseDrawPictureParam::CurrentEffectImageIndex(int32_t imageIndex) const {
    const TDrawPictureParamEffect* effect = CurrentPictureEffect();
    if (effect == nullptr) return -1;
    const bool hasNext = imageIndex >= 0 && imageIndex < std::numeric_limits<int32_t>::max();
    if (effect->HasEffectType(TDPPEffectType::dppetImageIndexInc1) && hasNext) return imageIndex + 1;
    if (effect->HasEffectType(TDPPEffectType::dppetImageIndexChange)) return effect->ImageIndex();
    return -1;
}

const std::u16string& TBaseDrawPictureParam::CurrentEffectImageName() const {
    const TDrawPictureParamEffect* effect = CurrentPictureEffect();
    if (effect != nullptr && effect->HasEffectType(TDPPEffectType::dppetImageNameChange)) return effect->ImageName();
    return kNoImageName;
}

double TBaseDrawPictureParam::CurrentEffectRotateAngle() const {
    const TDrawPictureParamEffect* effect = CurrentPictureEffect();
    if (effect != nullptr && effect->HasEffectType(TDPPEffectType::dppetRotateAngleChange)) {
        return rotateAngle_ + effect->RotateAngle();
    }
    return rotateAngle_;
}

void TBaseDrawPictureParam::Clear() {
    TDrawParam::Clear();
    rotateAngle_ = 0;
    scale_ = 1.0;
    isAutoFit_ = false;
    isStretch_ = false;
    constexpr int32_t m = TBorderMargins::kDefaultMargin;
    stretchMargins_.SetBounds(m, m, m, m);
    destDrawStretchMargins_.SetBounds(m, m, m, m);
    stretchStyle_ = TPictureStretchStyle::issTensile;
    pictureVertAlign_ = TPictureVertAlign::pvaTop;
    pictureHorzAlign_ = TPictureHorzAlign::phaLeft;
}

bool TBaseDrawPictureParam::LoadFromDocNode(TBTNode20& docNode) {
    TDrawParam::LoadFromDocNode(docNode);
    if (auto v = ReadBool32Node(docNode, u"IsAutoFit")) SetIsAutoFit(*v);
    if (auto v = ReadBool32Node(docNode, u"IsStretch")) SetIsStretch(*v);
    if (auto v = ReadEnumNode<TPictureStretchStyle>(docNode, u"StretchStyle")) SetStretchStyle(*v);
    // A margins text that is no margins is logged by the margins and changes nothing: the rest still loads.
    if (auto v = ReadTextNode(docNode, u"StretchMargins")) stretchMargins_.LoadFromString(*v);
    if (auto v = ReadTextNode(docNode, u"DestDrawStretchMargins")) destDrawStretchMargins_.LoadFromString(*v);
    if (auto v = ReadEnumNode<TPictureHorzAlign>(docNode, u"PictureHorzAlign")) SetPictureHorzAlign(*v);
    if (auto v = ReadEnumNode<TPictureVertAlign>(docNode, u"PictureVertAlign")) SetPictureVertAlign(*v);
    return true;
}

bool TBaseDrawPictureParam::SaveToDocNode(TBTNode20& docNode) const {
    TDrawParam::SaveToDocNode(docNode);
    WriteBool32Node(docNode, u"IsAutoFit", u"是否自适应", isAutoFit_);
    WriteBool32Node(docNode, u"IsStretch", u"是否拉伸", isStretch_);
    WriteEnumNode(docNode, u"StretchStyle", u"拉伸风格", stretchStyle_);
    WriteTextNode(docNode, u"StretchMargins", u"图片拉伸边距", stretchMargins_.SaveToString());
    WriteTextNode(docNode, u"DestDrawStretchMargins", u"目标绘制拉伸边距", destDrawStretchMargins_.SaveToString());
    WriteEnumNode(docNode, u"PictureHorzAlign", u"水平对齐风格", pictureHorzAlign_);
    WriteEnumNode(docNode, u"PictureVertAlign", u"垂直对齐风格", pictureVertAlign_);
    return true;
}

bool TBaseDrawPictureParam::AssignFrom(const ui::Persistent& source) {
    if (const auto* other = dynamic_cast<const TBaseDrawPictureParam*>(&source)) {
        scale_ = other->scale_;
        rotateAngle_ = other->rotateAngle_;
        pictureTooSmallProcessType_ = other->pictureTooSmallProcessType_;
        pictureTooLargeProcessType_ = other->pictureTooLargeProcessType_;
        isAutoFit_ = other->isAutoFit_;
        isStretch_ = other->isStretch_;
        stretchStyle_ = other->stretchStyle_;
        stretchMargins_.Assign(other->stretchMargins_);
        destDrawStretchMargins_.Assign(other->destDrawStretchMargins_);
        pictureVertAlign_ = other->pictureVertAlign_;
        pictureHorzAlign_ = other->pictureHorzAlign_;
    }
    return TDrawParam::AssignFrom(source);
}

const ui::PropertyTable& TDrawPictureParam::StaticProperties() {
    using T = TDrawPictureParam;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>(&TDrawParam::StaticProperties())
            .Bool(u"IsAutoFit", &T::IsAutoFit, &T::SetIsAutoFit)
            .Bool(u"IsStretch", &T::IsStretch, &T::SetIsStretch)
            .Enumeration<TPictureStretchStyle>(u"StretchStyle", kEnumNames<TPictureStretchStyle>, &T::StretchStyle,
                                               &T::SetStretchStyle)
            .Object(u"StretchMargins", [](T& p) -> ui::Persistent& { return p.StretchMargins(); })
            .Object(u"DestDrawStretchMargins", [](T& p) -> ui::Persistent& { return p.DestDrawStretchMargins(); })
            .Enumeration<TPictureHorzAlign>(u"PictureHorzAlign", kEnumNames<TPictureHorzAlign>, &T::PictureHorzAlign,
                                            &T::SetPictureHorzAlign)
            .Enumeration<TPictureVertAlign>(u"PictureVertAlign", kEnumNames<TPictureVertAlign>, &T::PictureVertAlign,
                                            &T::SetPictureVertAlign)
            .Build();
    return table;
}

}  // namespace skin
