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
            .Color(u"SkinPictureThemeColor", &TSkinTheme::SkinPictureThemeColor,
                   &TSkinTheme::SetSkinPictureThemeColor)
            .Build();
    return table;
}

void TSkinTheme::SetSkinThemeColor(ui::AlphaColor color) {
    skinThemeColor_ = color;
    SkinThemeColors().SkinThemeColor = color;
}

void TSkinTheme::SetSkinThemeColor1(ui::AlphaColor color) {
    skinThemeColor1_ = color;
    SkinThemeColors().SkinThemeColor1 = color;
}

void TSkinTheme::SetSkinThemeColor2(ui::AlphaColor color) {
    skinThemeColor2_ = color;
    SkinThemeColors().SkinThemeColor2 = color;
}

void TSkinTheme::SetSkinThemeColor3(ui::AlphaColor color) {
    skinThemeColor3_ = color;
    SkinThemeColors().SkinThemeColor3 = color;
}

ui::AlphaColor TSkinTheme::NavigationBarColor() const {
    return navigationBarColor_ == 0 ? skinThemeColor_ : navigationBarColor_;
}

void TSkinTheme::SetNavigationBarColor(ui::AlphaColor color) {
    navigationBarColor_ = color;
    SkinThemeColors().NavigationBarColor = color;
}

void TSkinTheme::SetNavigationBarFontColor(ui::AlphaColor color) {
    navigationBarFontColor_ = color;
    SkinThemeColors().NavigationBarFontColor = color;
}

void TSkinTheme::SetSkinPictureThemeColor(ui::AlphaColor color) {
    skinPictureThemeColor_ = color;
    SkinThemeColors().SkinPictureThemeColor = color;
}

void RegisterSkinDrawClasses(ui::ClassRegistry& registry) { registry.Register<TSkinTheme>(u"TSkinTheme"); }

}  // namespace skin
