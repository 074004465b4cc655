#include "skin/controls/button_material.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "ui/property_table.h"

namespace skin {

namespace {

constexpr ui::AlphaColor kHelpTextColor = 0xFF808080;
constexpr std::u16string_view kStatePictureGroup = u"所有状态图片";

}  // namespace

TSkinButtonMaterial::TSkinButtonMaterial()
    : drawHelpTextParam_(CreateDrawTextParam(u"DrawHelpTextParam", u"提示文本绘制参数")),
      drawCaptionParam_(CreateDrawTextParam(u"DrawCaptionParam", u"标题绘制参数")),
      drawDetailParam_(CreateDrawTextParam(u"DrawDetailParam", u"明细绘制参数")),
      drawDetail1Param_(CreateDrawTextParam(u"DrawDetail1Param", u"明细1绘制参数")),
      drawIconParam_(CreateDrawPictureParam(u"DrawIconParam", u"图标绘制参数")) {
    drawHelpTextParam_->SetFontColor(kHelpTextColor);
}

const ui::PropertyTable& TSkinButtonMaterial::StaticProperties() {
    using M = TSkinButtonMaterial;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<M>(&TSkinControlMaterial::StaticProperties())
            .Bool(u"IsAutoCenterIconAndCaption", &M::IsAutoCenterIconAndCaption, &M::SetIsAutoCenterIconAndCaption)
            .Object(u"DrawDetailParam", [](M& m) -> TDrawTextParam& { return m.DrawDetailParam(); })
            .Object(u"DrawDetail1Param", [](M& m) -> TDrawTextParam& { return m.DrawDetail1Param(); })
            .Object(u"DrawHelpTextParam", [](M& m) -> TDrawTextParam& { return m.DrawHelpTextParam(); })
            .Build();
    return table;
}

void TSkinButtonMaterial::SetIsAutoCenterIconAndCaption(bool value) {
    StoreIfChanged(isAutoCenterIconAndCaption_, value, [this] { DoChange(this); });
}

void TSkinButtonMaterial::SetDrawCaptionParam(const TDrawTextParam& param) { drawCaptionParam_->Assign(param); }
void TSkinButtonMaterial::SetDrawDetailParam(const TDrawTextParam& param) { drawDetailParam_->Assign(param); }
void TSkinButtonMaterial::SetDrawDetail1Param(const TDrawTextParam& param) { drawDetail1Param_->Assign(param); }
void TSkinButtonMaterial::SetDrawIconParam(const TDrawPictureParam& param) { drawIconParam_->Assign(param); }
void TSkinButtonMaterial::SetDrawHelpTextParam(const TDrawTextParam& param) { drawHelpTextParam_->Assign(param); }

TSkinButtonDefaultMaterial::TSkinButtonDefaultMaterial()
    : normalPicture_(CreateDrawPicture(u"NormalPicture", u"正常状态图片", kStatePictureGroup)),
      hoverPicture_(CreateDrawPicture(u"HoverPicture", u"鼠标停靠状态图片", kStatePictureGroup)),
      downPicture_(CreateDrawPicture(u"DownPicture", u"鼠标按下状态图片", kStatePictureGroup)),
      disabledPicture_(CreateDrawPicture(u"DisabledPicture", u"禁用状态图片", kStatePictureGroup)),
      focusedPicture_(CreateDrawPicture(u"FocusedPicture", u"得到焦点状态图片", kStatePictureGroup)),
      pushedPicture_(CreateDrawPicture(u"PushedPicture", u"按下状态图片", kStatePictureGroup)),
      drawPictureParam_(CreateDrawPictureParam(u"DrawPictureParam", u"背景图片绘制参数")) {}

const ui::PropertyTable& TSkinButtonDefaultMaterial::StaticProperties() {
    using M = TSkinButtonDefaultMaterial;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<M>(&TSkinButtonMaterial::StaticProperties())
            .Object(u"DrawCaptionParam", [](M& m) -> TDrawTextParam& { return m.DrawCaptionParam(); })
            .Object(u"DrawIconParam", [](M& m) -> TDrawPictureParam& { return m.DrawIconParam(); })
            .Object(u"NormalPicture", [](M& m) -> TDrawPicture& { return m.NormalPicture(); })
            .Object(u"HoverPicture", [](M& m) -> TDrawPicture& { return m.HoverPicture(); })
            .Object(u"DownPicture", [](M& m) -> TDrawPicture& { return m.DownPicture(); })
            .Object(u"DisabledPicture", [](M& m) -> TDrawPicture& { return m.DisabledPicture(); })
            .Object(u"FocusedPicture", [](M& m) -> TDrawPicture& { return m.FocusedPicture(); })
            .Object(u"PushedPicture", [](M& m) -> TDrawPicture& { return m.PushedPicture(); })
            .Object(u"DrawPictureParam", [](M& m) -> TDrawPictureParam& { return m.DrawPictureParam(); })
            .Build();
    return table;
}

}  // namespace skin
