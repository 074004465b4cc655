#pragma once

#include <memory>
#include <string_view>

#include "skin/draw/draw_canvas.h"

namespace skin {

// The registered draw canvas class, as the function that makes one.
using TDrawCanvasClass = std::unique_ptr<TDrawCanvas> (*)();

// The class CreateDrawCanvas makes: TFireMonkeyDrawCanvas until another is registered.
TDrawCanvasClass GetDrawCanvasClass();
// Registers the class; nullptr goes back to TFireMonkeyDrawCanvas.
void SetDrawCanvasClass(TDrawCanvasClass drawCanvasClass);

// A new draw canvas of the registered class. The name only labels the request.
std::unique_ptr<TDrawCanvas> CreateDrawCanvas(std::u16string_view name);

}  // namespace skin
