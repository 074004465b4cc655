#include "skin/controls/switch_bar_material.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/picture/draw_picture.h"
#include "ui/property_table.h"

namespace skin {

namespace {

constexpr std::u16string_view kHorzKnobGroup = u"水平样式移动滑块所有状态图片";
constexpr std::u16string_view kVertKnobGroup = u"垂直样式移动滑块所有状态图片";

}  // namespace

TSkinSwitchBarDefaultMaterial::TSkinSwitchBarDefaultMaterial()
    : horzSwitchBtnHoverPicture_(
          CreateDrawPicture(u"HorzSwitchBtnHoverPicture", u"鼠标停靠状态水平样式移动滑块图片", kHorzKnobGroup)),
      horzSwitchBtnNormalPicture_(
          CreateDrawPicture(u"HorzSwitchBtnNormalPicture", u"正常状态水平样式移动滑块图片", kHorzKnobGroup)),
      horzSwitchBtnDisabledPicture_(
          CreateDrawPicture(u"HorzSwitchBtnDisabledPicture", u"禁用状态水平样式移动滑块图片", kHorzKnobGroup)),
      horzSwitchBtnDownPicture_(
          CreateDrawPicture(u"HorzSwitchBtnDownPicture", u"按下状态水平样式移动滑块鼠标图片", kHorzKnobGroup)),
      vertSwitchBtnHoverPicture_(
          CreateDrawPicture(u"VertSwitchBtnHoverPicture", u"鼠标停靠状态垂直样式移动滑块图片", kVertKnobGroup)),
      vertSwitchBtnNormalPicture_(
          CreateDrawPicture(u"VertSwitchBtnNormalPicture", u"正常状态垂直样式移动滑块图片", kVertKnobGroup)),
      vertSwitchBtnDisabledPicture_(
          CreateDrawPicture(u"VertSwitchBtnDisabledPicture", u"禁用状态垂直样式移动滑块图片", kVertKnobGroup)),
      vertSwitchBtnDownPicture_(
          CreateDrawPicture(u"VertSwitchBtnDownPicture", u"鼠标按下状态垂直样式移动滑块图片", kVertKnobGroup)),
      horzBackGndPicture_(CreateDrawPicture(u"HorzBackGndPicture", u"水平样式背景图片", u"")),
      vertBackGndPicture_(CreateDrawPicture(u"VertBackGndPicture", u"垂直样式背景图片", u"")),
      horzForeGndPicture_(CreateDrawPicture(u"HorzForeGndPicture", u"水平样式前景图片", u"")),
      vertForeGndPicture_(CreateDrawPicture(u"VertForeGndPicture", u"垂直样式前景图片", u"")),
      backGndDrawPictureParam_(CreateDrawPictureParam(u"BackGndDrawPictureParam", u"背景图片绘制参数")),
      foreGndDrawPictureParam_(CreateDrawPictureParam(u"ForeGndDrawPictureParam", u"前景图片绘制参数")),
      switchBtnDrawPictureParam_(CreateDrawPictureParam(u"SwitchBtnDrawPictureParam", u"移动滑块图片绘制参数")) {}

const ui::PropertyTable& TSkinSwitchBarDefaultMaterial::StaticProperties() {
    using M = TSkinSwitchBarDefaultMaterial;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<M>(&TSkinControlMaterial::StaticProperties())
            .Object(u"HorzSwitchBtnHoverPicture", [](M& m) -> TDrawPicture& { return m.HorzSwitchBtnHoverPicture(); })
            .Object(u"HorzSwitchBtnNormalPicture", [](M& m) -> TDrawPicture& { return m.HorzSwitchBtnNormalPicture(); })
            .Object(u"HorzSwitchBtnDisabledPicture",
                    [](M& m) -> TDrawPicture& { return m.HorzSwitchBtnDisabledPicture(); })
            .Object(u"HorzSwitchBtnDownPicture", [](M& m) -> TDrawPicture& { return m.HorzSwitchBtnDownPicture(); })
            .Object(u"VertSwitchBtnHoverPicture", [](M& m) -> TDrawPicture& { return m.VertSwitchBtnHoverPicture(); })
            .Object(u"VertSwitchBtnNormalPicture", [](M& m) -> TDrawPicture& { return m.VertSwitchBtnNormalPicture(); })
            .Object(u"VertSwitchBtnDisabledPicture",
                    [](M& m) -> TDrawPicture& { return m.VertSwitchBtnDisabledPicture(); })
            .Object(u"VertSwitchBtnDownPicture", [](M& m) -> TDrawPicture& { return m.VertSwitchBtnDownPicture(); })
            .Object(u"HorzBackGndPicture", [](M& m) -> TDrawPicture& { return m.HorzBackGndPicture(); })
            .Object(u"VertBackGndPicture", [](M& m) -> TDrawPicture& { return m.VertBackGndPicture(); })
            .Object(u"HorzForeGndPicture", [](M& m) -> TDrawPicture& { return m.HorzForeGndPicture(); })
            .Object(u"VertForeGndPicture", [](M& m) -> TDrawPicture& { return m.VertForeGndPicture(); })
            .Object(u"BackGndDrawPictureParam", [](M& m) -> TDrawPictureParam& { return m.BackGndDrawPictureParam(); })
            .Object(u"ForeGndDrawPictureParam", [](M& m) -> TDrawPictureParam& { return m.ForeGndDrawPictureParam(); })
            .Object(u"SwitchBtnDrawPictureParam",
                    [](M& m) -> TDrawPictureParam& { return m.SwitchBtnDrawPictureParam(); })
            .Integer<int32_t>(u"SwitchBtnDrawSize", &M::SwitchBtnDrawSize, &M::SetSwitchBtnDrawSize)
            .Bool(u"IsDrawForeAndBackGround", &M::IsDrawForeAndBackGround, &M::SetIsDrawForeAndBackGround)
            .Build();
    return table;
}

void TSkinSwitchBarDefaultMaterial::SetSwitchBtnDrawSize(int32_t value) {
    StoreIfChanged(switchBtnDrawSize_, value, [this] { DoChange(this); });
}

void TSkinSwitchBarDefaultMaterial::SetIsDrawForeAndBackGround(bool value) {
    StoreIfChanged(isDrawForeAndBackGround_, value, [this] { DoChange(this); });
}

}  // namespace skin
