#include "app/window/stand_ins/stand_in_text.h"

#include "ui/canvas.h"
#include "ui/graphics.h"

namespace app::stand_ins {

void CaptionText::Draw(ui::Canvas& canvas, const ui::RectF& rect, std::u16string_view text, const TextStyle& style,
                       float opacity) {
    if (text.empty() || opacity <= 0) return;
    ui::Graphics* graphics = ui::GetGraphics();
    if (graphics == nullptr) {
        canvas.CanvasFont().size = style.fontSize;
        canvas.Fill() = {ui::BrushKind::Solid, style.color, {}};
        canvas.FillText(rect, text, style.wrap, opacity, style.horizontal, style.vertical);
        return;
    }
    if (!layout_) layout_ = graphics->CreateTextLayout();
    const ui::TextLayoutSettings& current = layout_->Settings();
    const ui::Font font{graphics->DefaultFont().family, style.fontSize, ui::fsNone};
    const ui::SizeF size{rect.Width(), rect.Height()};
    // Only a changed setting marks the layout for rebuilding.
    if (current.topLeft != rect.TopLeft() || current.maxSize != size || current.text != text ||
        current.opacity != opacity || current.font.family != font.family || current.font.size != font.size ||
        current.color != style.color || current.horizontalAlign != style.horizontal ||
        current.verticalAlign != style.vertical || current.wrap != style.wrap) {
        layout_->BeginUpdate();
        ui::TextLayoutSettings& settings = layout_->Edit();
        settings.topLeft = rect.TopLeft();
        settings.maxSize = size;
        settings.text = text;
        settings.opacity = opacity;
        settings.trimming = ui::TextTrimming::None;
        settings.font = font;
        settings.color = style.color;
        settings.horizontalAlign = style.horizontal;
        settings.verticalAlign = style.vertical;
        settings.wrap = style.wrap;
        layout_->EndUpdate();
    }
    layout_->RenderLayout(canvas);
}

}  // namespace app::stand_ins
