#include "skin/draw/draw_color.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/theme_colors.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TDrawColor::TDrawColor(std::u16string_view name, std::u16string_view caption, ui::AlphaColor color)
    : FColor(color), name_(name), caption_(caption) {}

const ui::PropertyTable& TDrawColor::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TDrawColor>()
            .Color(u"Color", &TDrawColor::Color, &TDrawColor::SetColor)
            .Enumeration<TUseThemeColorType>(u"UseThemeColor", kEnumNames<TUseThemeColorType>,
                                             &TDrawColor::UseThemeColor, &TDrawColor::SetUseThemeColor)
            .Build();
    return table;
}

ui::AlphaColor TDrawColor::Color() const {
    return useThemeColor_ == TUseThemeColorType::ctNone ? FColor : ThemeColorOf(useThemeColor_);
}

void TDrawColor::SetColor(ui::AlphaColor color) {
    StoreIfChanged(FColor, color, [this] { DoChange(); });
}

void TDrawColor::SetAlpha(uint8_t alpha) {
    FColor = (FColor & 0x00FFFFFFu) | (static_cast<ui::AlphaColor>(alpha) << 24);
    DoChange();
}

void TDrawColor::SetUseThemeColor(TUseThemeColorType type) {
    StoreIfChanged(useThemeColor_, type, [this] { DoChange(); });
}

void TDrawColor::InitDefaultColor(ui::AlphaColor color) {
    SetColor(color);
    StoredDefaultColor = color;
}

void TDrawColor::SaveToColorNode(TBTNode20_Color& node) const { node.SetColor(Color()); }

void TDrawColor::LoadFromColorNode(const TBTNode20_Color& node) {
    FColor = node.Color();
    useThemeColor_ = TUseThemeColorType::ctNone;
    DoChange();
}

void TDrawColor::AssignColor(const TDrawColor& source) {
    FColor = source.FColor;
    useThemeColor_ = source.useThemeColor_;
    DoChange();
}

bool TDrawColor::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TDrawColor*>(&source);
    if (other == nullptr) return false;
    AssignColor(*other);
    return true;
}

void TDrawColor::DoChange() {
    if (OnChange) OnChange(this);
}

}  // namespace skin
