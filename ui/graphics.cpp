#include "ui/graphics.h"

namespace ui {

namespace {
Graphics* current = nullptr;
}

Graphics* GetGraphics() { return current; }

void SetGraphics(Graphics* graphics) { current = graphics; }

}  // namespace ui
