#pragma once

#include "skin/draw/draw_param_types.h"
#include "ui/geometry.h"

namespace skin {

// The process-wide theme colours, read by every TDrawColor that follows one of them. Changing one notifies
// nobody: controls show the new colour at their next paint. TSkinTheme writes them from a layout.
struct TSkinThemeColors {
    ui::AlphaColor SkinThemeColor = 0xFF0199FF;
    ui::AlphaColor SkinThemeColor1 = 0xFF4DC060;
    ui::AlphaColor NavigationBarColor = 0xFF4DC060;
    ui::AlphaColor NavigationBarFontColor = 0xFF4DC060;
    ui::AlphaColor SkinThemeColor2 = 0xFF0199FF;
    ui::AlphaColor SkinThemeColor3 = 0xFFFFFFFF;
    // Stored by TSkinTheme; no colour follows it.
    ui::AlphaColor SkinPictureThemeColor = 0;
};

TSkinThemeColors& SkinThemeColors();

// The current theme colour a colour of that kind follows; 0 for ctNone, which follows none.
ui::AlphaColor ThemeColorOf(TUseThemeColorType type);

}  // namespace skin
