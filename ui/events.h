#pragma once

#include <cstdint>
#include <functional>

#include "ui/enum_set.h"
#include "ui/geometry.h"
#include "ui/object.h"

namespace ui {

class Canvas;

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held while an input event happens.
enum class ShiftKey { Shift, Alt, Ctrl, Left, Right, Middle, Double };
using ShiftState = EnumSet<ShiftKey>;

// The event types of controls. Coordinates are in the sender's own coordinate space (logical pixels).
using MouseEvent = std::function<void(Object* sender, MouseButton button, ShiftState shift, float x, float y)>;
using MouseMoveEvent = std::function<void(Object* sender, ShiftState shift, float x, float y)>;
// A handler sets handled to stop the wheel event from reaching the sender's parents.
using MouseWheelEvent = std::function<void(Object* sender, ShiftState shift, int wheelDelta, bool& handled)>;
// key is a virtual-key code and keyChar the typed character (0 when none); a handler that consumes the key
// sets both to 0.
using KeyEvent = std::function<void(Object* sender, uint16_t& key, char16_t& keyChar, ShiftState shift)>;
// Asked before the sender takes the focus; a handler sets allow to false to refuse it.
using CanFocusEvent = std::function<void(Object* sender, bool& allow)>;
// rect is the sender's local rectangle; the canvas is in the sender's coordinates.
using PaintEvent = std::function<void(Object* sender, Canvas& canvas, const RectF& rect)>;

}  // namespace ui
