#include "skin/controls/panel_material.h"

#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "ui/property_table.h"

namespace skin {

TSkinPanelMaterial::TSkinPanelMaterial()
    : drawCaptionParam_(CreateDrawTextParam(u"DrawCaptionParam", u"标题绘制参数")) {}

TSkinPanelMaterial::~TSkinPanelMaterial() = default;

const ui::PropertyTable& TSkinPanelMaterial::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinPanelMaterial>(&TSkinControlMaterial::StaticProperties())
            .Object(u"DrawCaptionParam", [](TSkinPanelMaterial& m) -> TDrawTextParam& { return m.DrawCaptionParam(); })
            .Build();
    return table;
}

void TSkinPanelMaterial::CreateBackgroundPicture() {
    if (backgroundPicture_ != nullptr) return;
    backgroundPicture_ = CreateDrawPictureObject(u"", u"", u"");
    drawPictureParam_ = CreateDrawPictureParam(u"DrawPictureParam", u"图片绘制参数");
}

}  // namespace skin
