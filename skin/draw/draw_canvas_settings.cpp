#include "skin/draw/draw_canvas_settings.h"

namespace skin {

TDrawCanvasSettings& DrawCanvasSettings() {
    static TDrawCanvasSettings settings;
    return settings;
}

}  // namespace skin
