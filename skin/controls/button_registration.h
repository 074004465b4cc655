#pragma once

namespace ui {
class ClassRegistry;
}

namespace skin {

// The button's control types: "SkinButton" under "Default" (the default entry), "Normal" and "NormalPushed",
// all painting alike.
void RegisterButtonControlTypes();
// TSkinFMXButton and TSkinButtonDefaultMaterial by their class names.
void RegisterButtonClasses(ui::ClassRegistry& registry);

}  // namespace skin
