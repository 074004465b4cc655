#pragma once

#include "skin/core/skin_enum.h"

namespace skin {

// Which material a control paints with.
SKIN_ENUM(TMaterialUseKind, mukSelfOwn, mukDefault, mukName, mukRef, mukRefOnly, mukRefByStyleName);
// How a control's type is chosen; stored in layouts, nothing depends on it.
SKIN_ENUM(TComponentTypeUseKind, ctukDefault, ctukName);
// Whether a control forwards its mouse events to the enclosing control when ParentMouseEvent is False.
SKIN_ENUM(TMouseEventTransToParentType, mettptAuto, mettptTrans, mettptNotTrans);

// Handed by value to every paint of a control type.
struct TPaintData {
    // The control's own mouse states may show (False when a host paints a child in its own state).
    bool IsDrawInteractiveState = false;
    // The paint happens inside a host control's child painting.
    bool IsInDrawDirectUI = false;
    // A host's free slot; none in ordinary paints.
    void* OtherData = nullptr;
};

}  // namespace skin
