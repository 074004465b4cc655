#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/class_registry.h"
#include "ui/control.h"

namespace ui {

class FormHost;

// The root control of a window: it owns the window's components (a stored layout creates them with the form
// as their owner), hosts the control tree and dispatches the host's input to it, keeping the control under
// the pointer, the control that captured the mouse and the focused control. Its position is the window's
// client origin; its size is the client size.
class Form : public Control {
public:
    Form();
    // Frees the owned components first, while the form is whole.
    ~Form() override;
    std::u16string_view ClassName() const override { return u"TForm"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);
    int ClientWidth() const { return static_cast<int>(Width()); }
    void SetClientWidth(int width) { SetWidth(static_cast<float>(width)); }
    int ClientHeight() const { return static_cast<int>(Height()); }
    void SetClientHeight(int height) { SetHeight(static_cast<float>(height)); }

    // The creation handler, run by LoadLayout once the layout has been applied.
    NotifyEvent OnCreate;

    // Reads a stored layout into the form (ReadLayout, ui/layout_reader.h), then runs DoCreate. Throws
    // LayoutError for a malformed layout.
    void LoadLayout(std::string_view text, const ClassRegistry& registry = GlobalClassRegistry());
    // Raises OnCreate.
    virtual void DoCreate();

    // --- host
    FormHost* Host() const { return host_; }
    // The window that shows the form, or nullptr. The host must outlive the form or detach itself first.
    void SetHost(FormHost* host);
    PointF ClientToScreen(PointF point) const;
    PointF ScreenToClient(PointF point) const;
    // Passes a repaint request to the host.
    void Invalidate(const RectF& rect);
    // Paints the whole tree (PaintTree with effects).
    void PaintTo(Canvas& canvas) { PaintTree(canvas, PaintEffects::With); }
    // Lets the window follow the pointer until the button is released (the host does it); the mouse
    // capture and the pressed state of the control that was pressed end here, since the host takes the
    // rest of that press.
    void StartWindowDrag();

    // --- input from the host, in client coordinates
    void HandleMouseDown(MouseButton button, ShiftState shift, float x, float y);
    void HandleMouseMove(ShiftState shift, float x, float y);
    void HandleMouseUp(MouseButton button, ShiftState shift, float x, float y);
    void HandleMouseWheel(ShiftState shift, int wheelDelta, float x, float y);
    // The pointer left the window.
    void HandleMouseLeave();
    // The window lost the activation or stopped taking input (a modal dialog opened over it): the tool tip
    // hides, as after a press, until the pointer moves onto another control.
    void HandleDeactivate();
    // To the focused control, then (unless consumed) to the form.
    void HandleKeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift);
    void HandleKeyUp(uint16_t& key, char16_t& keyChar, ShiftState shift);

    // The control that takes mouse input at the point, or nullptr.
    Control* ObjectAtPoint(PointF point) { return ControlAt(point); }
    Control* Hovered() const { return hovered_; }
    Control* Captured() const { return captured_; }
    Control* Focused() const { return focused_; }
    // Moves the focus (DoExit on the old control, DoEnter on the new one); nullptr takes it away.
    void SetFocusedControl(Control* control);
    // The pointer shape the form last asked its host for.
    CursorShape CurrentCursor() const { return cursor_; }
    // The control being dragged, or nullptr.
    Control* DragSource() const { return dragSource_; }

    // Raises OnResize and tells the host about the new client size.
    void Resize() override;

private:
    friend class Control;

    void SetCaptured(Control* control);
    // A control and its descendants can no longer be under the pointer, captured, focused or pressed: they
    // left the form (notify false: no callbacks), or became invisible or disabled (notify true).
    void ForgetSubtree(Control* control, bool notify);
    // Clears the pressed state of the control and its descendants.
    static void ForgetPresses(Control* control);
    void UpdateHovered(PointF point);
    void SetHovered(Control* control);
    void UpdateHint();
    // Hides the tool tip until the pointer moves onto another control.
    void DismissHint();
    // Asks the host for the shape the control under the pointer (or its nearest ancestor naming one) wants.
    void UpdateCursor();
    // Whether a left press at the point on target completes a double click (and remembers it otherwise).
    bool IsDoubleClick(Control* target, PointF point, ShiftState shift);
    // --- drag: started by a move after a press on an automatic-drag control, or by Control::BeginDrag
    void StartDrag(Control* source);
    // Moves the drag to the point: DragLeave / DragEnter as the control under it changes, then DragOver.
    void DragTo(PointF point);
    // Ends the drag: DragDrop on an accepting target (drop) or DragLeave, then DragEnd on the source.
    void EndDrag(PointF point, bool drop);

    std::u16string caption_;
    FormHost* host_ = nullptr;
    Control* hovered_ = nullptr;
    Control* captured_ = nullptr;
    Control* focused_ = nullptr;
    // The hovered control's tool tip was put away (a press, the window deactivated); it shows again once the
    // pointer has moved onto another control.
    bool hintDismissed_ = false;
    CursorShape cursor_ = CursorShape::Default;
    // The last left press, for double clicks; cleared once it completed one.
    Control* lastPressTarget_ = nullptr;
    // The control a press is being handled by (cleared when it leaves the form meanwhile).
    Control* pressing_ = nullptr;
    PointF lastPressPoint_;
    std::optional<uint32_t> lastPressTime_;
    // The pointer's last position (client coordinates).
    PointF pointer_;
    // A press on an automatic-drag control that may become a drag once the pointer moves far enough.
    Control* dragCandidate_ = nullptr;
    PointF dragStartPoint_;
    Control* dragSource_ = nullptr;
    Control* dragTarget_ = nullptr;
    DragOperation dragOperation_ = DragOperation::None;
};

}  // namespace ui
