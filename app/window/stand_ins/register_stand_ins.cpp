#include "app/window/stand_ins/register_stand_ins.h"

#include "app/window/stand_ins/stand_in_button.h"
#include "app/window/stand_ins/stand_in_combo_box.h"
#include "app/window/stand_ins/stand_in_image.h"
#include "app/window/stand_ins/stand_in_label.h"
#include "app/window/stand_ins/stand_in_panel.h"
#include "app/window/stand_ins/stand_in_progress_bar.h"
#include "app/window/stand_ins/stand_in_switch_bar.h"
#include "ui/class_registry.h"

namespace app::stand_ins {

void RegisterStandIns(ui::ClassRegistry& registry) {
    registry.Register<StandInImage>(u"TSkinFMXImage");
    registry.Register<StandInButton>(u"TSkinFMXButton");
    registry.Register<StandInLabel>(u"TSkinFMXLabel");
    registry.Register<StandInPanel>(u"TSkinFMXPanel");
    registry.Register<StandInSwitchBar>(u"TSkinFMXSwitchBar");
    registry.Register<StandInProgressBar>(u"TSkinFMXProgressBar");
    registry.Register<StandInComboBox>(u"TSkinFMXComboBox");
}

}  // namespace app::stand_ins
