#pragma once

#include <string>
#include <string_view>

#include "skin/core/skin_control_kinds.h"
#include "ui/events.h"
#include "ui/geometry.h"

namespace ui {
class Component;
class Control;
}  // namespace ui

namespace skin {

class TSkinControlProperties;
class TSkinControlType;
class TSkinControlMaterial;

// What control types and properties objects may ask of their control. Every skinned control offers it, on
// whatever framework base it is built, so control types never depend on a concrete control class.
class ISkinControl {
public:
    virtual ~ISkinControl() = default;

    // Position and size in the parent's coordinates.
    virtual double GetLeft() const = 0;
    virtual double GetTop() const = 0;
    virtual void SetLeft(double value) = 0;
    virtual void SetTop(double value) = 0;
    virtual double GetWidth() const = 0;
    virtual double GetHeight() const = 0;
    virtual void SetWidth(double value) = 0;
    virtual void SetHeight(double value) = 0;
    virtual void SetParent(ui::Component* parent) = 0;
    virtual void SetVisible(bool value) = 0;
    // The size rounded up to whole numbers; writing sets the size.
    virtual int GetWidthInt() const = 0;
    virtual void SetWidthInt(int value) = 0;
    virtual int GetHeightInt() const = 0;
    virtual void SetHeightInt(int value) = 0;
    // The skin's own mouse states (reading the mouse-over state also answers the framework's).
    virtual bool GetIsMouseOver() const = 0;
    virtual void SetIsMouseOver(bool value) = 0;
    virtual bool GetIsMouseDown() const = 0;
    virtual void SetIsMouseDown(bool value) = 0;
    virtual bool GetVisible() const = 0;
    virtual bool GetEnabled() const = 0;
    virtual bool GetIsFocused() const = 0;
    // The framework's focus-gained step.
    virtual void DoEnter() = 0;
    virtual ui::Component* GetParent() const = 0;
    virtual TSkinControlProperties* GetProperties() const = 0;
    virtual void SetProperties(const TSkinControlProperties& value) = 0;
    virtual TSkinControlMaterial* GetCurrentUseMaterial() = 0;
    virtual TSkinControlType* GetSkinControlType() = 0;
    // The caption as stored (a paint reads it without copying).
    virtual const std::u16string& GetCaption() const = 0;
    virtual void SetCaption(std::u16string_view value) = 0;
    virtual bool GetParentMouseEvent() const = 0;
    virtual void SetParentMouseEvent(bool value) = 0;
    virtual TMouseEventTransToParentType GetMouseEventTransToParentType() const = 0;
    virtual void SetMouseEventTransToParentType(TMouseEventTransToParentType value) = 0;
    virtual bool GetParentIsScrollBox() = 0;
    virtual ui::Control* GetParentScrollBox() = 0;
    virtual void Invalidate() = 0;
    virtual void SetBounds(double left, double top, double width, double height) = 0;
    virtual void SetBoundsRect(const ui::RectF& rect) = 0;
    virtual int GetParentChildCount() const = 0;
    virtual ui::Component* GetParentChild(int index) const = 0;
    virtual int GetChildCount() const = 0;
    virtual ui::Component* GetChild(int index) const = 0;
    // The control's mouse events as the skin sees them; a child also calls them on its parent to forward
    // its own (isChildMouseEvent True, child the control that was hit).
    virtual void CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y,
                                 bool isChildMouseEvent, ui::Object* child) = 0;
    virtual void CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y, bool isChildMouseEvent,
                               ui::Object* child) = 0;
    virtual void CustomMouseMove(ui::ShiftState shift, double x, double y, bool isChildMouseEvent,
                                 ui::Object* child) = 0;
    virtual void CustomMouseEnter() = 0;
    virtual void CustomMouseLeave() = 0;
    // The control's published skin mouse events.
    virtual const ui::MouseEvent& GetOnCustomMouseDown() const = 0;
    virtual const ui::MouseEvent& GetOnCustomMouseUp() const = 0;
    virtual const ui::MouseMoveEvent& GetOnCustomMouseMove() const = 0;
    virtual const ui::NotifyEvent& GetOnCustomMouseEnter() const = 0;
    virtual const ui::NotifyEvent& GetOnCustomMouseLeave() const = 0;

    // The control as a framework control (every skinned control is one).
    virtual ui::Control& AsFrameworkControl() = 0;
};

class IDirectUIControl;

// A control that paints and hit-tests some of its children itself.
class IDirectUIParent {
public:
    virtual ~IDirectUIParent() = default;
    // Repaints the part of the host that shows child.
    virtual void InvalidateDirectUIChild(ui::Control* child, IDirectUIControl* childIntf) = 0;
};

// A skinned control as a hosted child.
class IDirectUIControl : public ISkinControl {
public:
    virtual void Click() = 0;
    virtual void SetDirectUIParentIntf(IDirectUIParent* parent) = 0;
    virtual bool GetHitTest() const = 0;
    virtual int GetHitTestValue() const = 0;
    virtual bool GetDirectUIVisible() const = 0;
    virtual double GetDirectUIWidth() = 0;
    virtual double GetDirectUIHeight() = 0;
    virtual ui::RectF GetDirectUIBounds() = 0;
};

// The material settings of a control, as another control copies them.
class ISkinControlMaterial {
public:
    virtual ~ISkinControlMaterial() = default;
    virtual void AssignMaterialSetting(ISkinControlMaterial& source) = 0;
    virtual std::u16string GetMaterialName() const = 0;
    virtual TMaterialUseKind GetMaterialUseKind() const = 0;
    virtual bool GetKeepSelfOwnMaterial() const = 0;
    virtual TSkinControlMaterial* GetSelfOwnMaterial() = 0;
    virtual TSkinControlMaterial* GetRefMaterial() const = 0;
    virtual std::u16string GetComponentTypeName() const = 0;
    virtual std::u16string GetUseComponentTypeName() const = 0;
    virtual void DetachSelfOwnMaterial() = 0;
    virtual void SetRefMaterial(TSkinControlMaterial* value) = 0;
    virtual void SetKeepSelfOwnMaterial(bool value) = 0;
    virtual void SetMaterialUseKind(TMaterialUseKind value) = 0;
    virtual void SetMaterialName(std::u16string_view value) = 0;
    virtual void SetComponentTypeName(std::u16string_view value) = 0;
};

}  // namespace skin
