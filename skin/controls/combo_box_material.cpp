#include "skin/controls/combo_box_material.h"

#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "ui/property_table.h"

namespace skin {

namespace {

constexpr ui::AlphaColor kHelpTextColor = 0xFF808080;

}  // namespace

TSkinComboBoxDefaultMaterial::TSkinComboBoxDefaultMaterial()
    : drawHelpTextParam_(CreateDrawTextParam(u"DrawHelpTextParam", u"提示文本绘制参数")),
      drawTextParam_(CreateDrawTextParam(u"DrawTextParam", u"在ListBox中文本的绘制参数")),
      arrowPicture_(CreateDrawPicture(u"ArrowPicture", u"下拉箭头图标", u"")),
      drawArrowPictureParam_(CreateDrawPictureParam(u"DrawArrowPictureParam", u"下拉箭头图标绘制参数")),
      normalPicture_(CreateDrawPicture(u"NormalPicture", u"正常状态图片", u"")),
      hoverPicture_(CreateDrawPicture(u"HoverPicture", u"鼠标停靠状态图片", u"")),
      focusedPicture_(CreateDrawPicture(u"FocusedPicture", u"获取焦点状态图片", u"")),
      disabledPicture_(CreateDrawPicture(u"DisabledPicture", u"禁用状态图片", u"")),
      drawPictureParam_(CreateDrawPictureParam(u"DrawPictureParam", u"图片绘制参数")) {
    drawHelpTextParam_->SetFontColor(kHelpTextColor);
}

const ui::PropertyTable& TSkinComboBoxDefaultMaterial::StaticProperties() {
    using M = TSkinComboBoxDefaultMaterial;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<M>(&TSkinControlMaterial::StaticProperties())
            .Object(u"ArrowPicture", [](M& m) -> TDrawPicture& { return m.ArrowPicture(); })
            .Object(u"DrawArrowPictureParam", [](M& m) -> TDrawPictureParam& { return m.DrawArrowPictureParam(); })
            .Object(u"DrawTextParam", [](M& m) -> TDrawTextParam& { return m.DrawTextParam(); })
            .Object(u"DrawHelpTextParam", [](M& m) -> TDrawTextParam& { return m.DrawHelpTextParam(); })
            .Object(u"NormalPicture", [](M& m) -> TDrawPicture& { return m.NormalPicture(); })
            .Object(u"HoverPicture", [](M& m) -> TDrawPicture& { return m.HoverPicture(); })
            .Object(u"FocusedPicture", [](M& m) -> TDrawPicture& { return m.FocusedPicture(); })
            .Object(u"DisabledPicture", [](M& m) -> TDrawPicture& { return m.DisabledPicture(); })
            .Object(u"DrawPictureParam", [](M& m) -> TDrawPictureParam& { return m.DrawPictureParam(); })
            .Build();
    return table;
}

}  // namespace skin
