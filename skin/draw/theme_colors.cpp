#include "skin/draw/theme_colors.h"

namespace skin {

TSkinThemeColors& SkinThemeColors() {
    static TSkinThemeColors colors;
    return colors;
}

ui::AlphaColor ThemeColorOf(TUseThemeColorType type) {
    const TSkinThemeColors& colors = SkinThemeColors();
    switch (type) {
        case TUseThemeColorType::ctNone:
            return 0;
        case TUseThemeColorType::ctThemeColor:
            return colors.SkinThemeColor;
        case TUseThemeColorType::ctThemeColor1:
            return colors.SkinThemeColor1;
        case TUseThemeColorType::ctNavigationBarColor:
            return colors.NavigationBarColor;
        case TUseThemeColorType::ctNavigationBarFontColor:
            return colors.NavigationBarFontColor;
        case TUseThemeColorType::ctThemeColor2:
            return colors.SkinThemeColor2;
        case TUseThemeColorType::ctThemeColor3:
            return colors.SkinThemeColor3;
    }
    return 0;
}

}  // namespace skin
