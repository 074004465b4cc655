#include "skin/draw/draw_canvas_registry.h"

#include "skin/draw/fire_monkey_draw_canvas.h"

namespace skin {

namespace {

std::unique_ptr<TDrawCanvas> NewFireMonkeyDrawCanvas() { return std::make_unique<TFireMonkeyDrawCanvas>(); }

TDrawCanvasClass registeredClass = &NewFireMonkeyDrawCanvas;

}  // namespace

TDrawCanvasClass GetDrawCanvasClass() { return registeredClass; }

void SetDrawCanvasClass(TDrawCanvasClass drawCanvasClass) {
    registeredClass = drawCanvasClass ? drawCanvasClass : &NewFireMonkeyDrawCanvas;
}

std::unique_ptr<TDrawCanvas> CreateDrawCanvas(std::u16string_view /*name*/) { return registeredClass(); }

}  // namespace skin
