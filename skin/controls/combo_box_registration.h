#pragma once

namespace ui {
class ClassRegistry;
}

namespace skin {

// "SkinComboBox" under "Default", the default entry.
void RegisterComboBoxControlTypes();
// TSkinFMXComboBox and TSkinComboBoxDefaultMaterial by their class names.
void RegisterComboBoxClasses(ui::ClassRegistry& registry);

}  // namespace skin
