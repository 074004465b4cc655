#pragma once

namespace ui {
class ClassRegistry;
}

namespace skin {

// Fills the control type registry: every kind of the skin library, those this program has controls for with
// their control types and materials, the others with the base classes.
void RegisterControlTypes();

// Registers the skinned controls and their default materials by the class names stored layouts use.
void RegisterSkinControlClasses(ui::ClassRegistry& registry);

}  // namespace skin
