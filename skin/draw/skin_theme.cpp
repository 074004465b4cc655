#include "skin/draw/skin_theme.h"

#include "skin/draw/theme_colors.h"
#include "ui/property_table.h"

namespace skin {

TSkinTheme::TSkinTheme() {
    const TSkinThemeColors& colors = SkinThemeColors();
    skinThemeColor_ = colors.SkinThemeColor;
    skinThemeColor1_ = colors.SkinThemeColor1;
    skinThemeColor2_ = colors.SkinThemeColor2;
    skinThemeColor3_ = colors.SkinThemeColor3;
    navigationBarColor_ = colors.NavigationBarColor;
    navigationBarFontColor_ = colors.NavigationBarFontColor;
}

const ui::PropertyTable& TSkinTheme::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinTheme>(&ui::Component::StaticProperties())
            .Color(u"SkinThemeColor", &TSkinTheme::SkinThemeColor, &TSkinTheme::SetSkinThemeColor)
            .Color(u"SkinThemeColor1", &TSkinTheme::SkinThemeColor1, &TSkinTheme::SetSkinThemeColor1)
            .Color(u"SkinThemeColor2", &TSkinTheme::SkinThemeColor2, &TSkinTheme::SetSkinThemeColor2)
            .Color(u"SkinThemeColor3", &TSkinTheme::SkinThemeColor3, &TSkinTheme::SetSkinThemeColor3)
            .Color(u"NavigationBarColor", &TSkinTheme::NavigationBarColor, &TSkinTheme::SetNavigationBarColor)
            .Color(u"NavigationBarFontColor", &TSkinTheme::NavigationBarFontColor,
                   &TSkinTheme::SetNavigationBarFontColor)
            .Color(u"SkinPictureThemeColor", &TSkinTheme::SkinPictureThemeColor, &TSkinTheme::SetSkinPictureThemeColor)
            .Build();
    return table;
}

namespace {

// A theme colour set from a layout: the component keeps it and the process-wide colour of the same name takes it.
void SetThemeColor(ui::AlphaColor& own, ui::AlphaColor TSkinThemeColors::*shared, ui::AlphaColor color) {
    own = color;
    SkinThemeColors().*shared = color;
}

}  // namespace

void TSkinTheme::SetSkinThemeColor(ui::AlphaColor color) {
    SetThemeColor(skinThemeColor_, &TSkinThemeColors::SkinThemeColor, color);
}
void TSkinTheme::SetSkinThemeColor1(ui::AlphaColor color) {
    SetThemeColor(skinThemeColor1_, &TSkinThemeColors::SkinThemeColor1, color);
}
void TSkinTheme::SetSkinThemeColor2(ui::AlphaColor color) {
    SetThemeColor(skinThemeColor2_, &TSkinThemeColors::SkinThemeColor2, color);
}
void TSkinTheme::SetSkinThemeColor3(ui::AlphaColor color) {
    SetThemeColor(skinThemeColor3_, &TSkinThemeColors::SkinThemeColor3, color);
}

ui::AlphaColor TSkinTheme::NavigationBarColor() const {
    return navigationBarColor_ == 0 ? skinThemeColor_ : navigationBarColor_;
}

void TSkinTheme::SetNavigationBarColor(ui::AlphaColor color) {
    SetThemeColor(navigationBarColor_, &TSkinThemeColors::NavigationBarColor, color);
}
void TSkinTheme::SetNavigationBarFontColor(ui::AlphaColor color) {
    SetThemeColor(navigationBarFontColor_, &TSkinThemeColors::NavigationBarFontColor, color);
}
void TSkinTheme::SetSkinPictureThemeColor(ui::AlphaColor color) {
    SetThemeColor(skinPictureThemeColor_, &TSkinThemeColors::SkinPictureThemeColor, color);
}

void RegisterSkinDrawClasses(ui::ClassRegistry& registry) { registry.Register<TSkinTheme>(u"TSkinTheme"); }

}  // namespace skin
