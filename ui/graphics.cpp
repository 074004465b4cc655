#include "ui/graphics.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {
Graphics* current = nullptr;

std::vector<GraphicsResetHook>& ResetHooks() {
    static std::vector<GraphicsResetHook> hooks;
    return hooks;
}
}  // namespace

Graphics* GetGraphics() { return current; }

void SetGraphics(Graphics* graphics) {
    if (graphics == current) return;
    for (GraphicsResetHook hook : ResetHooks()) hook();
    current = graphics;
}

void AddGraphicsResetHook(GraphicsResetHook hook) {
    std::vector<GraphicsResetHook>& hooks = ResetHooks();
    if (hook && std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) hooks.push_back(hook);
}

}  // namespace ui
