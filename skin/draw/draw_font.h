#pragma once

#include <string>
#include <string_view>

#include "skin/draw/draw_color.h"
#include "skin/draw/draw_text_param_types.h"
#include "ui/persistent.h"
#include "ui/text_format.h"

namespace skin {

class TBTNode20;

// A text parameter's font: family, size (single precision) and style as the platform font has them, plus a
// theme-aware colour. A new font has the platform's default family and size, no style and black. Each setter
// stores a value that differs and fires OnChange; so do the colour's changes.
//
// Published as Family, Size, Style, FontColor (the colour object) and Color (its colour).
class TDrawFont : public ui::Persistent {
public:
    TDrawFont();
    std::u16string_view ClassName() const override { return u"TDrawFont"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& FontName() const { return family_; }
    void SetFontName(std::u16string_view family);
    double FontSize() const { return size_; }
    // Stored in single precision.
    void SetFontSize(double size);
    TFontStyles FontStyle() const { return style_; }
    void SetFontStyle(TFontStyles style);
    TDrawColor& FontColor() { return fontColor_; }
    const TDrawColor& FontColor() const { return fontColor_; }
    // Copies the colour object unless it holds the same colour (alpha included) and theme already.
    void SetFontColor(const TDrawColor& color);
    // The colour as shown (theme resolved); writing sets the colour's own colour.
    ui::AlphaColor Color() const { return fontColor_.Color(); }
    void SetColor(ui::AlphaColor color) { fontColor_.SetColor(color); }

    // The platform font (family, size, style flags).
    ui::Font ToFont() const;

    // Alpha 255 and black; family, size and style stay.
    void Clear();
    // Reads "Font" (the font text) and "FontColor"; a font text part that cannot be read ends the reading,
    // what was read before stays. Always true.
    bool LoadFromDocNode(TBTNode20& docNode);
    bool SaveToDocNode(TBTNode20& docNode) const;

    ui::NotifyEvent OnChange;

protected:
    // From another TDrawFont: size, style, family and colour, then fires OnChange.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    void DoChange();

    std::u16string family_;
    float size_;
    TFontStyles style_;
    TDrawColor fontColor_;
};

}  // namespace skin
