#include "skin/controls/label_material.h"

#include "skin/draw/draw_text_param.h"
#include "ui/property_table.h"

namespace skin {

TSkinLabelMaterial::TSkinLabelMaterial()
    : drawCaptionParam_(CreateDrawTextParam(u"DrawCaptionParam", u"标题绘制参数")) {}

const ui::PropertyTable& TSkinLabelMaterial::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinLabelMaterial>(&TSkinControlMaterial::StaticProperties())
            .Object(u"DrawCaptionParam", [](TSkinLabelMaterial& m) -> TDrawTextParam& { return m.DrawCaptionParam(); })
            .Build();
    return table;
}

}  // namespace skin
