#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

#include "ui/geometry.h"
#include "ui/object.h"

namespace ui {

// Whether pressing a control and moving the pointer drags it (Automatic) or only a call of BeginDrag does.
enum class DragMode { Manual, Automatic };
inline constexpr std::initializer_list<std::u16string_view> kDragModeNames = {u"dmManual", u"dmAutomatic"};

// What a drop target would do with the dragged object; None refuses the drop.
enum class DragOperation { None, Move, Copy, Link };

// What is being dragged: the control the drag started on.
struct DragObject {
    Object* Source = nullptr;
};

// Drag events of a drop target; point is in the target's coordinates. A DragOver handler sets operation to
// accept the drop (it starts as None on every move).
using DragEnterEvent = std::function<void(Object* sender, const DragObject& data, PointF point)>;
using DragOverEvent =
    std::function<void(Object* sender, const DragObject& data, PointF point, DragOperation& operation)>;
using DragDropEvent = std::function<void(Object* sender, const DragObject& data, PointF point)>;

}  // namespace ui
