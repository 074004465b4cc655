#include "skin/draw/draw_font.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/default_font.h"
#include "skin/draw/doc_node_io.h"
#include "skin/draw/font_text.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TDrawFont::TDrawFont() : fontColor_(u"FontColor", u"字体颜色") {
    const ui::Font font = DefaultDrawFont();
    family_ = font.family;
    size_ = font.size;
    fontColor_.OnChange = [this](ui::Object*) { DoChange(); };
}

const ui::PropertyTable& TDrawFont::StaticProperties() {
    using T = TDrawFont;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>()
            .Text(u"Family", &T::FontName, [](T& f, const std::u16string& family) { f.SetFontName(family); })
            .Single(u"Size", &T::FontSize, [](T& f, float size) { f.SetFontSize(size); })
            .Set<TFontStyle>(u"Style", kEnumNames<TFontStyle>, &T::FontStyle, &T::SetFontStyle)
            .Object(u"FontColor", [](T& f) -> ui::Persistent& { return f.FontColor(); })
            .Color(u"Color", &T::Color, &T::SetColor)
            .Build();
    return table;
}

void TDrawFont::SetFontName(std::u16string_view family) {
    StoreIfChanged(family_, family, [this] { DoChange(); });
}
// The size is kept as the platform font holds it: a double that rounds to the same single changes nothing.
void TDrawFont::SetFontSize(double size) {
    StoreIfChanged(size_, static_cast<float>(size), [this] { DoChange(); });
}
void TDrawFont::SetFontStyle(TFontStyles style) {
    StoreIfChanged(style_, style, [this] { DoChange(); });
}

void TDrawFont::SetFontColor(const TDrawColor& color) {
    if (fontColor_.FColor == color.FColor && fontColor_.UseThemeColor() == color.UseThemeColor()) return;
    fontColor_.Assign(color);
}

ui::Font TDrawFont::ToFont() const { return {family_, size_, static_cast<unsigned>(style_.Bits())}; }

void TDrawFont::Clear() {
    fontColor_.SetAlpha(255);
    fontColor_.SetColor(0xFF000000);
}

bool TDrawFont::LoadFromDocNode(TBTNode20& docNode) {
    if (auto text = ReadTextNode(docNode, u"Font")) {
        const FontTextParts parts = ParseFontText(*text);
        if (parts.family) SetFontName(*parts.family);
        if (parts.size) SetFontSize(*parts.size);
        if (parts.style) SetFontStyle(*parts.style);
    }
    if (TBTNode20_Color* node = FindColorNode(docNode, u"FontColor")) fontColor_.LoadFromColorNode(*node);
    return true;
}

bool TDrawFont::SaveToDocNode(TBTNode20& docNode) const {
    SetNodeClassName(docNode, ClassName());
    WriteTextNode(docNode, u"Font", u"字体", FormatFontText(family_, size_, style_));
    fontColor_.SaveToColorNode(WriteColorNode(docNode, u"FontColor", u"字体颜色"));
    return true;
}

bool TDrawFont::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TDrawFont*>(&source);
    if (other == nullptr) return false;
    size_ = other->size_;
    style_ = other->style_;
    family_ = other->family_;
    fontColor_.Assign(other->fontColor_);
    DoChange();
    return true;
}

void TDrawFont::DoChange() {
    if (OnChange) OnChange(this);
}

}  // namespace skin
