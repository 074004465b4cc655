#include "skin/controls/progress_bar_material.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/persist/bt_node20.h"
#include "skin/picture/draw_picture.h"
#include "ui/property_table.h"

namespace skin {

// --- TSkinProgressBarMaterial

TSkinProgressBarMaterial::TSkinProgressBarMaterial()
    : drawPercentParam_(CreateDrawTextParam(u"DrawPercentParam", u"百分比绘制参数")),
      drawCaptionParam_(CreateDrawTextParam(u"DrawCaptionParam", u"标题绘制参数")) {}

const ui::PropertyTable& TSkinProgressBarMaterial::StaticProperties() {
    using M = TSkinProgressBarMaterial;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<M>(&TSkinControlMaterial::StaticProperties())
            .Bool(u"IsDrawPercent", &M::IsDrawPercent, &M::SetIsDrawPercent)
            .Object(u"DrawPercentParam", [](M& m) -> TDrawTextParam& { return m.DrawPercentParam(); })
            .Object(u"DrawCaptionParam", [](M& m) -> TDrawTextParam& { return m.DrawCaptionParam(); })
            .Bool(u"IsClipPercentRect", &M::IsClipPercentRect, &M::SetIsClipPercentRect)
            .Build();
    return table;
}

void TSkinProgressBarMaterial::SetIsDrawPercent(bool value) {
    StoreIfChanged(isDrawPercent_, value, [this] { DoChange(this); });
}

void TSkinProgressBarMaterial::SetIsClipPercentRect(bool value) {
    StoreIfChanged(isClipPercentRect_, value, [this] { DoChange(this); });
}

void TSkinProgressBarMaterial::AssignMaterialValues(const TSkinMaterial& source) {
    if (const auto* material = dynamic_cast<const TSkinProgressBarMaterial*>(&source)) {
        isDrawPercent_ = material->isDrawPercent_;
    }
    TSkinControlMaterial::AssignMaterialValues(source);
}

bool TSkinProgressBarMaterial::LoadFromDocNode(TBTNode20_Class& docNode) {
    TSkinControlMaterial::LoadFromDocNode(docNode);
    if (TBTNode20* node = docNode.FindChildNodeByName(u"IsDrawPercent")) {
        if (TBTNode20_Bool32* value = node->ConvertNode_Bool32()) isDrawPercent_ = value->Value();
    }
    return true;
}

bool TSkinProgressBarMaterial::SaveToDocNode(TBTNode20_Class& docNode) const {
    TSkinControlMaterial::SaveToDocNode(docNode);
    docNode.AddChildNode_Bool32(u"IsDrawPercent", u"是否绘制百分比文字")->SetValue(isDrawPercent_);
    return true;
}

// --- TSkinProgressBarDefaultMaterial

TSkinProgressBarDefaultMaterial::TSkinProgressBarDefaultMaterial()
    : horzBackGndPicture_(CreateDrawPicture(u"HorzBackGndPicture", u"水平样式背景图片", u"")),
      vertBackGndPicture_(CreateDrawPicture(u"VertBackGndPicture", u"垂直样式背景图片", u"")),
      horzForeGndPicture_(CreateDrawPicture(u"HorzForeGndPicture", u"水平样式前景图片", u"")),
      vertForeGndPicture_(CreateDrawPicture(u"VertForeGndPicture", u"垂直样式前景图片", u"")),
      backGndDrawPictureParam_(CreateDrawPictureParam(u"BackGndDrawPictureParam", u"背景图片绘制参数")),
      foreGndDrawPictureParam_(CreateDrawPictureParam(u"ForeGndDrawPictureParam", u"前景图片绘制参数")) {}

const ui::PropertyTable& TSkinProgressBarDefaultMaterial::StaticProperties() {
    using M = TSkinProgressBarDefaultMaterial;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<M>(&TSkinProgressBarMaterial::StaticProperties())
            .Object(u"HorzBackGndPicture", [](M& m) -> TDrawPicture& { return m.HorzBackGndPicture(); })
            .Object(u"VertBackGndPicture", [](M& m) -> TDrawPicture& { return m.VertBackGndPicture(); })
            .Object(u"HorzForeGndPicture", [](M& m) -> TDrawPicture& { return m.HorzForeGndPicture(); })
            .Object(u"VertForeGndPicture", [](M& m) -> TDrawPicture& { return m.VertForeGndPicture(); })
            .Object(u"BackGndDrawPictureParam", [](M& m) -> TDrawPictureParam& { return m.BackGndDrawPictureParam(); })
            .Object(u"ForeGndDrawPictureParam", [](M& m) -> TDrawPictureParam& { return m.ForeGndDrawPictureParam(); })
            .Build();
    return table;
}

// --- TSkinProgressBarColorMaterial

TSkinProgressBarColorMaterial::TSkinProgressBarColorMaterial()
    : foreColor_(CreateDrawRectParam(u"ForeColor", u"前景颜色")) {}

const ui::PropertyTable& TSkinProgressBarColorMaterial::StaticProperties() {
    using M = TSkinProgressBarColorMaterial;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<M>(&TSkinProgressBarMaterial::StaticProperties())
            .Object(u"ForeColor", [](M& m) -> TDrawRectParam& { return m.ForeColor(); })
            .Bool(u"IsReverse", &M::IsReverse, &M::SetIsReverse)
            .Build();
    return table;
}

void TSkinProgressBarColorMaterial::SetIsReverse(bool value) {
    StoreIfChanged(isReverse_, value, [this] { DoChange(this); });
}

}  // namespace skin
