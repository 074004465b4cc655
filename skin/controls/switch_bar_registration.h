#pragma once

namespace ui {
class ClassRegistry;
}

namespace skin {

// "SkinSwitchBar" under "Default", the default entry.
void RegisterSwitchBarControlTypes();
// TSkinFMXSwitchBar and TSkinSwitchBarDefaultMaterial by their class names.
void RegisterSwitchBarClasses(ui::ClassRegistry& registry);

}  // namespace skin
