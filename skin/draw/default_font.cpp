#include "skin/draw/default_font.h"

#include "ui/graphics.h"

namespace skin {

ui::Font DefaultDrawFont() {
    ui::Font font{u"Segoe UI", 12, ui::fsNone};
    if (const ui::Graphics* graphics = ui::GetGraphics()) {
        const ui::Font platform = graphics->DefaultFont();
        if (!platform.family.empty()) font.family = platform.family;
        if (platform.size > 0) font.size = platform.size;
    }
    return font;
}

}  // namespace skin
