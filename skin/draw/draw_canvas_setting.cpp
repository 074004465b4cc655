#include "skin/draw/draw_canvas_setting.h"

#include "skin/draw/draw_canvas_settings.h"
#include "ui/property_table.h"

namespace skin {

const ui::PropertyTable& TDrawCanvasSetting::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TDrawCanvasSetting>(&ui::Component::StaticProperties())
            .Bool(u"IsUseDefaultFontFamily", &TDrawCanvasSetting::IsUseDefaultFontFamily,
                  &TDrawCanvasSetting::SetIsUseDefaultFontFamily)
            .Text(u"DefaultFontFamily", &TDrawCanvasSetting::DefaultFontFamily,
                  [](TDrawCanvasSetting& s, const std::u16string& value) { s.SetDefaultFontFamily(value); })
            .Bool(u"IsDrawDesigningRect", &TDrawCanvasSetting::IsDrawDesigningRect,
                  &TDrawCanvasSetting::SetIsDrawDesigningRect)
            .Bool(u"IsDrawDesigningName", &TDrawCanvasSetting::IsDrawDesigningName,
                  &TDrawCanvasSetting::SetIsDrawDesigningName)
            .Build();
    return table;
}

bool TDrawCanvasSetting::IsUseDefaultFontFamily() const { return DrawCanvasSettings().IsUseDefaultFontFamily; }

void TDrawCanvasSetting::SetIsUseDefaultFontFamily(bool value) { DrawCanvasSettings().IsUseDefaultFontFamily = value; }

std::u16string TDrawCanvasSetting::DefaultFontFamily() const { return DrawCanvasSettings().DefaultFontFamily; }

void TDrawCanvasSetting::SetDefaultFontFamily(std::u16string_view value) {
    DrawCanvasSettings().DefaultFontFamily.assign(value);
}

bool TDrawCanvasSetting::IsDrawDesigningRect() const { return DrawCanvasSettings().IsDrawDesigningRect; }

void TDrawCanvasSetting::SetIsDrawDesigningRect(bool value) { DrawCanvasSettings().IsDrawDesigningRect = value; }

bool TDrawCanvasSetting::IsDrawDesigningName() const { return DrawCanvasSettings().IsDrawDesigningName; }

void TDrawCanvasSetting::SetIsDrawDesigningName(bool value) { DrawCanvasSettings().IsDrawDesigningName = value; }

}  // namespace skin
