#pragma once

namespace ui {
class ClassRegistry;
}

namespace app {

// Registers every class the window's stored layout names: the skin library's control types and its published
// controls (TSkinFMXImage, TSkinFMXButton, ...) and picture classes (the image lists, TSkinImageList).
void RegisterWindowClasses(ui::ClassRegistry& registry);

// Start-up of the skin library once the drawing services are installed (or known to be missing): the
// process-wide screen scale that image lists choose their scaled pictures by.
void InitWindowSkin();

}  // namespace app
