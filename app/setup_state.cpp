#include "app/setup_state.h"

namespace app {

TSetupState SetupState;

}  // namespace app
