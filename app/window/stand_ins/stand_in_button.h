#pragma once

#include <string>

#include "app/window/stand_ins/stand_in_text.h"
#include "ui/control.h"

namespace app::stand_ins {

// The small line drawings standing in for the icons of the window's icon list.
enum class Glyph { None, Close, Folder };

// TSkinFMXButton stand-in: a rounded rectangle with a fill and a border for each of three states (normal,
// pointer over it, pressed), an optional glyph and a centred caption. A colour with alpha 0 is not drawn; the
// hover and down colours fall back to the normal ones when they are 0.
class StandInButton : public ui::Control {
public:
    StandInButton();
    std::u16string_view ClassName() const override { return u"TSkinFMXButton"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);

    enum class State { Normal, Hover, Down };
    // Pressed and under the pointer: Down; under the pointer: Hover.
    State CurrentState() const;
    ui::AlphaColor CurrentFillColor() const;
    ui::AlphaColor CurrentBorderColor() const;
    ui::AlphaColor CurrentFontColor() const;

    // The look, as the layout sets it.
    ui::AlphaColor fillColor = 0;
    ui::AlphaColor borderColor = 0;
    ui::AlphaColor hoverFillColor = 0;
    ui::AlphaColor hoverBorderColor = 0;
    ui::AlphaColor downFillColor = 0;
    ui::AlphaColor downBorderColor = 0;
    float borderWidth = 1;
    float cornerRadius = 4;
    float fontSize = 14;
    ui::AlphaColor fontColor = 0xFFFFFFFF;
    ui::AlphaColor downFontColor = 0;
    stand_ins::Glyph glyph = Glyph::None;
    // The glyph's inset from the control's edges, in pixels.
    float glyphInset = 8;

    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;

private:
    void PaintGlyph(ui::Canvas& canvas, float opacity);

    std::u16string caption_;
    CaptionText text_;
};

}  // namespace app::stand_ins
