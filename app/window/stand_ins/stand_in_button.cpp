#include "app/window/stand_ins/stand_in_button.h"

#include <algorithm>

#include "ui/canvas.h"
#include "ui/path_data.h"
#include "ui/property_table.h"

namespace app::stand_ins {

namespace {

constexpr ui::AlphaColor kGlyphColor = 0xFFE6E6E6;

ui::AlphaColor Either(ui::AlphaColor preferred, ui::AlphaColor fallback) {
    return preferred != 0 ? preferred : fallback;
}

}  // namespace

StandInButton::StandInButton() { SetSize(80, 30); }

const ui::PropertyTable& StandInButton::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInButton>(&ui::Control::StaticProperties())
            .Text(u"Caption", &StandInButton::Caption, &StandInButton::SetCaption)
            .Text(u"Text", &StandInButton::Caption, &StandInButton::SetCaption)
            .Color(u"FillColor", &StandInButton::fillColor)
            .Color(u"BorderColor", &StandInButton::borderColor)
            .Color(u"HoverFillColor", &StandInButton::hoverFillColor)
            .Color(u"HoverBorderColor", &StandInButton::hoverBorderColor)
            .Color(u"DownFillColor", &StandInButton::downFillColor)
            .Color(u"DownBorderColor", &StandInButton::downBorderColor)
            .Single(u"BorderWidth", &StandInButton::borderWidth)
            .Single(u"CornerRadius", &StandInButton::cornerRadius)
            .Single(u"FontSize", &StandInButton::fontSize)
            .Color(u"FontColor", &StandInButton::fontColor)
            .Color(u"DownFontColor", &StandInButton::downFontColor)
            .Enumeration<Glyph>(u"Glyph", {u"None", u"Close", u"Folder"}, &StandInButton::glyph)
            .Single(u"GlyphInset", &StandInButton::glyphInset)
            .Build();
    return table;
}

void StandInButton::SetCaption(std::u16string_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Repaint();
}

StandInButton::State StandInButton::CurrentState() const {
    if (IsPressed() && IsMouseOver()) return State::Down;
    if (IsMouseOver()) return State::Hover;
    return State::Normal;
}

ui::AlphaColor StandInButton::CurrentFillColor() const {
    switch (CurrentState()) {
        case State::Down:
            return Either(downFillColor, Either(hoverFillColor, fillColor));
        case State::Hover:
            return Either(hoverFillColor, fillColor);
        default:
            return fillColor;
    }
}

ui::AlphaColor StandInButton::CurrentBorderColor() const {
    switch (CurrentState()) {
        case State::Down:
            return Either(downBorderColor, Either(hoverBorderColor, borderColor));
        case State::Hover:
            return Either(hoverBorderColor, borderColor);
        default:
            return borderColor;
    }
}

ui::AlphaColor StandInButton::CurrentFontColor() const {
    return CurrentState() == State::Down ? Either(downFontColor, fontColor) : fontColor;
}

void StandInButton::Paint(ui::Canvas& canvas) {
    const float opacity = AbsoluteOpacity();
    if (opacity <= 0) return;
    const ui::RectF area = LocalRect();
    if (const ui::AlphaColor fill = CurrentFillColor(); fill >> 24 != 0) {
        canvas.Fill() = {ui::BrushKind::Solid, fill, {}};
        canvas.FillRect(area, cornerRadius, cornerRadius, ui::kCornersAll, opacity);
    }
    if (const ui::AlphaColor border = CurrentBorderColor(); border >> 24 != 0 && borderWidth > 0) {
        canvas.Stroke() = {border, borderWidth, ui::DashStyle::Solid};
        const float half = borderWidth / 2;
        canvas.DrawRect(area.Inflate(-half), cornerRadius, cornerRadius, ui::kCornersAll, opacity);
    }
    PaintGlyph(canvas, opacity);
    text_.Draw(canvas, area, caption_,
               {fontSize, CurrentFontColor(), ui::TextAlign::Center, ui::TextAlign::Center, ui::TextWrap::None},
               opacity);
}

void StandInButton::PaintGlyph(ui::Canvas& canvas, float opacity) {
    if (glyph == Glyph::None) return;
    const ui::RectF box = LocalRect().Inflate(-glyphInset);
    if (box.IsEmpty()) return;
    canvas.Stroke() = {kGlyphColor, 1.5f, ui::DashStyle::Solid};
    if (glyph == Glyph::Close) {
        const float pad = std::min(box.Width(), box.Height()) * 0.2f;
        canvas.DrawLine({box.left + pad, box.top + pad}, {box.right - pad, box.bottom - pad}, opacity);
        canvas.DrawLine({box.right - pad, box.top + pad}, {box.left + pad, box.bottom - pad}, opacity);
        return;
    }
    // A folder: a tab on the upper left, the body below it.
    const float w = box.Width();
    const float h = box.Height();
    ui::PathData folder;
    folder.MoveTo({box.left + w * 0.08f, box.top + h * 0.22f});
    folder.LineTo({box.left + w * 0.40f, box.top + h * 0.22f});
    folder.LineTo({box.left + w * 0.50f, box.top + h * 0.34f});
    folder.LineTo({box.left + w * 0.92f, box.top + h * 0.34f});
    folder.LineTo({box.left + w * 0.92f, box.top + h * 0.82f});
    folder.LineTo({box.left + w * 0.08f, box.top + h * 0.82f});
    folder.ClosePath();
    canvas.DrawPath(folder, opacity);
}

void StandInButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    ui::Control::MouseDown(button, shift, x, y);
    Repaint();
}

void StandInButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    ui::Control::MouseUp(button, shift, x, y);
    Repaint();
}

void StandInButton::DoMouseEnter() {
    ui::Control::DoMouseEnter();
    Repaint();
}

void StandInButton::DoMouseLeave() {
    ui::Control::DoMouseLeave();
    Repaint();
}

}  // namespace app::stand_ins
