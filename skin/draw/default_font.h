#pragma once

#include "ui/text_format.h"

namespace skin {

// The family and size a new font of the drawing layer gets: the platform's default user-interface font
// (ui::GetGraphics()->DefaultFont()), without its style. Before the platform's drawing services are installed
// it is "Segoe UI" at 12, the size the platform's default font has at 96 dpi.
ui::Font DefaultDrawFont();

}  // namespace skin
