#pragma once

namespace ui {
class ClassRegistry;
}

namespace app::stand_ins {

// Registers the stand-in controls under the skin's class names the window layout uses: TSkinFMXImage,
// TSkinFMXButton, TSkinFMXLabel, TSkinFMXPanel, TSkinFMXSwitchBar, TSkinFMXProgressBar and TSkinFMXComboBox.
void RegisterStandIns(ui::ClassRegistry& registry);

}  // namespace app::stand_ins
