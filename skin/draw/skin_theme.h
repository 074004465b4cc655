#pragma once

#include "ui/class_registry.h"
#include "ui/component.h"
#include "ui/geometry.h"

namespace skin {

// A layout's way to set the process-wide theme colours (skin/draw/theme_colors.h). A new component starts with
// the current process-wide values (SkinPictureThemeColor with 0); setting a property stores it here and
// overwrites the process-wide colour of the same name.
class TSkinTheme : public ui::Component {
public:
    TSkinTheme();
    std::u16string_view ClassName() const override { return u"TSkinTheme"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    ui::AlphaColor SkinThemeColor() const { return skinThemeColor_; }
    void SetSkinThemeColor(ui::AlphaColor color);
    ui::AlphaColor SkinThemeColor1() const { return skinThemeColor1_; }
    void SetSkinThemeColor1(ui::AlphaColor color);
    ui::AlphaColor SkinThemeColor2() const { return skinThemeColor2_; }
    void SetSkinThemeColor2(ui::AlphaColor color);
    ui::AlphaColor SkinThemeColor3() const { return skinThemeColor3_; }
    void SetSkinThemeColor3(ui::AlphaColor color);
    // SkinThemeColor while the component's own value is 0.
    ui::AlphaColor NavigationBarColor() const;
    void SetNavigationBarColor(ui::AlphaColor color);
    ui::AlphaColor NavigationBarFontColor() const { return navigationBarFontColor_; }
    void SetNavigationBarFontColor(ui::AlphaColor color);
    ui::AlphaColor SkinPictureThemeColor() const { return skinPictureThemeColor_; }
    void SetSkinPictureThemeColor(ui::AlphaColor color);

private:
    ui::AlphaColor skinThemeColor_;
    ui::AlphaColor skinThemeColor1_;
    ui::AlphaColor skinThemeColor2_;
    ui::AlphaColor skinThemeColor3_;
    ui::AlphaColor navigationBarColor_;
    ui::AlphaColor navigationBarFontColor_;
    ui::AlphaColor skinPictureThemeColor_ = 0;
};

// Registers the drawing layer's layout classes (TSkinTheme); the application calls it at start-up with the
// registry its layouts are read with.
void RegisterSkinDrawClasses(ui::ClassRegistry& registry = ui::GlobalClassRegistry());

}  // namespace skin
