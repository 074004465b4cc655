#pragma once

namespace skin {

// Registers the control kinds of the skin library that this program has no control for, each with the base
// control type and material classes, so that their names and default type names answer as in the full
// library: 38 kinds, 49 entries. The kinds this program has controls for are registered with the controls.
void RegisterControlTypesWithoutControls();

}  // namespace skin
