#include "skin/controls/image_material.h"

#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "ui/property_table.h"

namespace skin {

TSkinImageMaterial::TSkinImageMaterial()
    : drawCaptionParam_(CreateDrawTextParam(u"DrawCaptionParam", u"标题绘制参数")),
      drawPictureParam_(CreateDrawPictureParam(u"DrawPictureParam", u"图片绘制参数")) {}

const ui::PropertyTable& TSkinImageMaterial::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinImageMaterial>(&TSkinControlMaterial::StaticProperties())
            .Object(u"DrawPictureParam",
                    [](TSkinImageMaterial& m) -> TDrawPictureParam& { return m.DrawPictureParam(); })
            .Object(u"DrawCaptionParam", [](TSkinImageMaterial& m) -> TDrawTextParam& { return m.DrawCaptionParam(); })
            .Build();
    return table;
}

}  // namespace skin
