#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_control_kinds.h"
#include "skin/core/skin_control_properties.h"
#include "skin/core/skin_control_type.h"
#include "ui/control.h"

namespace skin {

class TDrawCanvas;
class TLang;
class TSkinControlMaterial;
class TSkinObjectChangeLink;

// Set while any skinned control is pressed.
extern bool SkinMouseIsDown;
// Optional hooks that see every skinned control's own mouse events in screen coordinates (unassigned here).
extern ui::MouseEvent GlobalOnSkinControlMouseDown;
extern ui::MouseEvent GlobalOnSkinControlMouseUp;
extern ui::MouseMoveEvent GlobalOnSkinControlMouseMove;

// A page control that may switch its pages by gesture; controls inside one forward their mouse events to it
// (mettptAuto).
class ISkinGesturePageControl {
public:
    virtual ~ISkinGesturePageControl() = default;
    virtual bool CanGestureSwitchPage() const = 0;
};

// The skin on top of a framework control class: the caption, an own draw canvas, the control type and the
// material chosen through the control type registry (made lazily, released and made again as the settings
// change), the paint routing, the skin's own mouse-over and mouse-down states, the forwarding of mouse events
// to an enclosing skinned control and the click rule that tells a click from a drag.
//
// FrameworkBase is ui::Control for the ordinary controls (TSkinFireMonkeyControl) and ui::ComboBox for the
// combo box: both share this one implementation.
template <class FrameworkBase>
class TSkinControl : public FrameworkBase, public IDirectUIControl, public ISkinControlMaterial {
public:
    // propertiesClass makes the control kind's properties object (which sets the initial size and takes the
    // kind's own interface from the control), once the concrete control is whole: every concrete control class
    // calls CreateProperties at the end of its constructor.
    explicit TSkinControl(const TSkinControlPropertiesClass& propertiesClass);
    ~TSkinControl() override;
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // --- caption: Caption and Text go through the virtual reader and writer; Static* do not react
    const std::u16string& GetCaption() const override { return caption_; }
    // A changed caption is stored and reported to the control type (TextChanged).
    void SetCaption(std::u16string_view value) override;
    const std::u16string& StaticCaption() const { return caption_; }
    void SetStaticCaption(std::u16string_view value) { caption_ = value; }

    // --- control type and material
    const TSkinControlPropertiesClass& GetPropertiesClassType() const { return *propertiesClass_; }
    TSkinControlProperties& Properties() const { return *properties_; }
    TDrawCanvas& DrawCanvas() const { return *canvas_; }
    // Made on first use; nullptr when the registry knows no class for the control's kind and type name.
    TSkinControlType* GetSkinControlType() override;
    // Made on first use after a release (see MaterialUseKind); nullptr when there is none.
    TSkinControlMaterial* GetCurrentUseMaterial() override;
    // The control type's class / material class for (kind, type name) in the registry, or nullptr.
    const TSkinControlTypeClass* GetControlTypeClass() const;
    const TSkinClass<TSkinControlMaterial>* GetMaterialClass() const;
    TMaterialUseKind GetMaterialUseKind() const override { return materialUseKind_; }
    void SetMaterialUseKind(TMaterialUseKind value) override;
    std::u16string GetMaterialName() const override { return materialName_; }
    void SetMaterialName(std::u16string_view value) override;
    TSkinControlMaterial* GetRefMaterial() const override { return refMaterial_; }
    // Throws SkinError (the material's name + "与此控件或此ComponentType匹配的Material类型不符") for a
    // material of another class than the registered one.
    void SetRefMaterial(TSkinControlMaterial* value) override;
    bool GetKeepSelfOwnMaterial() const override { return keepSelfOwnMaterial_; }
    void SetKeepSelfOwnMaterial(bool value) override;
    // The own material, made when it is kept or in use; nullptr otherwise.
    TSkinControlMaterial* GetSelfOwnMaterial() override;
    std::u16string GetComponentTypeName() const override { return componentTypeName_; }
    void SetComponentTypeName(std::u16string_view value) override;
    // ComponentTypeName, or "Default" when it is blank.
    std::u16string GetUseComponentTypeName() const override;
    TComponentTypeUseKind ComponentTypeUseKind() const { return componentTypeUseKind_; }
    void SetComponentTypeUseKind(TComponentTypeUseKind value) { componentTypeUseKind_ = value; }
    void AssignMaterialSetting(ISkinControlMaterial& source) override;
    // Forgets the own material without freeing it.
    void DetachSelfOwnMaterial() override;

    // --- mouse behaviour
    bool GetParentMouseEvent() const override { return parentMouseEvent_; }
    void SetParentMouseEvent(bool value) override { parentMouseEvent_ = value; }
    TMouseEventTransToParentType GetMouseEventTransToParentType() const override {
        return mouseEventTransToParentType_;
    }
    void SetMouseEventTransToParentType(TMouseEventTransToParentType value) override {
        mouseEventTransToParentType_ = value;
    }
    bool MouseDownFocus() const { return mouseDownFocus_; }
    void SetMouseDownFocus(bool value) { mouseDownFocus_ = value; }
    bool GetIsMouseOver() const override { return isMouseOver_ || FrameworkBase::IsMouseOver(); }
    void SetIsMouseOver(bool value) override { isMouseOver_ = value; }
    bool GetIsMouseDown() const override { return isMouseDown_; }
    void SetIsMouseDown(bool value) override { isMouseDown_ = value; }
    bool GetParentIsScrollBox() override;
    ui::Control* GetParentScrollBox() override;
    bool GetParentIsCanGesturePageControl();

    // --- hosting, data, languages
    const std::u16string& BindItemFieldName() const { return bindItemFieldName_; }
    void SetBindItemFieldName(std::u16string_view value) { bindItemFieldName_ = value; }
    bool GetDirectUIVisible() const override { return directUIVisible_; }
    void SetDirectUIVisible(bool value) { directUIVisible_ = value; }
    bool NeedHitTest = false;
    int HitTestValue = 0;
    ui::Object* DataObject() const { return dataObject_; }
    // Attaches an object owned elsewhere (an own data object is freed first).
    void SetDataObject(ui::Object* value);
    // Frees an earlier own data object and attaches a new T owned by the control.
    template <class T>
    T* CreateOwnDataObject() {
        auto object = std::make_unique<T>();
        T* result = object.get();
        ownDataObject_ = std::move(object);
        dataObject_ = result;
        return result;
    }
    // Records the caption under prefix + name + ".Caption" for curLang (a present key is kept).
    virtual void RecordControlLangIndex(std::u16string_view prefix, TLang& lang, std::u16string_view curLang);
    // Sets the caption to the recorded text for curLang when there is one.
    virtual void TranslateControlLang(std::u16string_view prefix, TLang& lang, std::u16string_view curLang);
    // Data binding of another framework: these controls take part only through what their kinds override.
    virtual bool LoadFromFieldControlSetting(std::u16string_view setting) { return true; }
    virtual std::u16string GetPostValue() { return {}; }
    virtual void SetControlValue(std::u16string_view value) {}
    virtual std::u16string GetProp(std::u16string_view propName) { return {}; }
    virtual void SetProp(std::u16string_view propName, std::u16string_view propValue) {}
    std::u16string GetPropJsonStr() const { return properties_->GetPropJsonStr(); }
    void SetPropJsonStr(std::u16string_view json) { properties_->SetPropJsonStr(json); }

    // --- events
    ui::NotifyEvent OnStayClick;
    ui::MouseEvent OnCustomMouseDown;
    ui::MouseEvent OnCustomMouseUp;
    ui::MouseMoveEvent OnCustomMouseMove;
    ui::NotifyEvent OnCustomMouseEnter;
    ui::NotifyEvent OnCustomMouseLeave;
    // Raises OnStayClick.
    virtual void StayClick();
    // The framework's following of a linked action, and its caption as the control's caption.
    void ActionChange(const ui::Action& action) override;

    // --- ISkinControl
    double GetLeft() const override { return FrameworkBase::X(); }
    double GetTop() const override { return FrameworkBase::Y(); }
    void SetLeft(double value) override;
    void SetTop(double value) override;
    double GetWidth() const override { return FrameworkBase::Width(); }
    double GetHeight() const override { return FrameworkBase::Height(); }
    void SetWidth(double value) override { FrameworkBase::SetSize(static_cast<float>(value), FrameworkBase::Height()); }
    void SetHeight(double value) override { FrameworkBase::SetSize(FrameworkBase::Width(), static_cast<float>(value)); }
    void SetParent(ui::Component* parent) override { ui::Component::SetParent(parent); }
    void SetVisible(bool value) override { FrameworkBase::SetVisible(value); }
    int GetWidthInt() const override;
    void SetWidthInt(int value) override { SetWidth(value); }
    int GetHeightInt() const override;
    void SetHeightInt(int value) override { SetHeight(value); }
    bool GetVisible() const override { return FrameworkBase::Visible(); }
    bool GetEnabled() const override { return FrameworkBase::Enabled(); }
    bool GetIsFocused() const override { return FrameworkBase::IsFocused(); }
    ui::Component* GetParent() const override { return ui::Component::Parent(); }
    TSkinControlProperties* GetProperties() const override { return properties_.get(); }
    void SetProperties(const TSkinControlProperties& value) override { properties_->Assign(value); }
    // A hosted child asks its host; a child of a host asks the parent; otherwise the framework repaints.
    void Invalidate() override;
    void SetBounds(double left, double top, double width, double height) override;
    void SetBoundsRect(const ui::RectF& rect) override;
    int GetParentChildCount() const override;
    ui::Component* GetParentChild(int index) const override;
    int GetChildCount() const override { return static_cast<int>(ui::Component::Children().size()); }
    ui::Component* GetChild(int index) const override;
    void CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y, bool isChildMouseEvent,
                         ui::Object* child) override {
        ISkinControl_CustomMouseDown(button, shift, x, y, isChildMouseEvent, child);
    }
    void CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y, bool isChildMouseEvent,
                       ui::Object* child) override {
        ISkinControl_CustomMouseUp(button, shift, x, y, isChildMouseEvent, child);
    }
    void CustomMouseMove(ui::ShiftState shift, double x, double y, bool isChildMouseEvent, ui::Object* child) override {
        ISkinControl_CustomMouseMove(shift, x, y, isChildMouseEvent, child);
    }
    void CustomMouseEnter() override { ISkinControl_CustomMouseEnter(); }
    void CustomMouseLeave() override { ISkinControl_CustomMouseLeave(); }
    const ui::MouseEvent& GetOnCustomMouseDown() const override { return OnCustomMouseDown; }
    const ui::MouseEvent& GetOnCustomMouseUp() const override { return OnCustomMouseUp; }
    const ui::MouseMoveEvent& GetOnCustomMouseMove() const override { return OnCustomMouseMove; }
    const ui::NotifyEvent& GetOnCustomMouseEnter() const override { return OnCustomMouseEnter; }
    const ui::NotifyEvent& GetOnCustomMouseLeave() const override { return OnCustomMouseLeave; }
    ui::Control& AsFrameworkControl() override { return *this; }

    // --- IDirectUIControl
    // The framework's click, then the stay-click rule.
    void Click() override;
    void SetDirectUIParentIntf(IDirectUIParent* parent) override { directUIParent_ = parent; }
    bool GetHitTest() const override { return FrameworkBase::HitTest(); }
    int GetHitTestValue() const override { return HitTestValue; }
    double GetDirectUIWidth() override;
    double GetDirectUIHeight() override;
    ui::RectF GetDirectUIBounds() override;

    // --- framework callbacks
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void MouseMove(ui::ShiftState shift, float x, float y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void MouseWheel(ui::ShiftState shift, int wheelDelta, bool& handled) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;
    void Resize() override;
    void Paint(ui::Canvas& canvas) override;
    // After the layout: the control type, the own material, the current-use material and the automatic size.
    void Loaded() override;
    void Notification(ui::Component* component, ui::Operation operation) override;

protected:
    // The skin's part of the mouse events (the control type, the hooks, the forwarding to the parent).
    virtual void ISkinControl_CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y,
                                              bool isChildMouseEvent, ui::Object* child);
    virtual void ISkinControl_CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y,
                                            bool isChildMouseEvent, ui::Object* child);
    virtual void ISkinControl_CustomMouseMove(ui::ShiftState shift, double x, double y, bool isChildMouseEvent,
                                              ui::Object* child);
    virtual void ISkinControl_CustomMouseEnter();
    virtual void ISkinControl_CustomMouseLeave();
    // A change of the material in use: MaterialChanged, then a repaint (not while loading or locked).
    virtual void DoMaterialChange(ui::Object* sender);
    // Controls with an automatic size recompute it here; nothing in the base.
    virtual void MaterialChanged(ui::Object* sender) {}
    // The material in use is being destroyed: let go of it.
    virtual void DoDestroyMaterial(ui::Object* sender);
    virtual void CreateSkinControlType();
    // Let go of the current-use / own material when it is not of the registered class.
    virtual void CheckCurrentUseMaterialClass();
    virtual void CheckSelfOwnMaterialClass();
    // Makes the properties object (once).
    void CreateProperties();
    void ReleaseCurrentUseMaterial();
    void CreateSelfOwnMaterial();
    void FreeSelfOwnMaterial();
    void FreeSkinControlType();

private:
    // Marks a call into the control type. A control type replaced meanwhile (resolving a material can rename
    // the type) is only unbound then, and freed when the outermost call has returned.
    class TypeCallScope {
    public:
        explicit TypeCallScope(TSkinControl& control) : control_(control) { ++control_.typeCallDepth_; }
        ~TypeCallScope() {
            if (--control_.typeCallDepth_ == 0) control_.retiredTypes_.clear();
        }
        TypeCallScope(const TypeCallScope&) = delete;
        TypeCallScope& operator=(const TypeCallScope&) = delete;

    private:
        TSkinControl& control_;
    };
    // Takes material (of the registered class) as the own material.
    void AdoptSelfOwnMaterial(std::unique_ptr<TSkinControlMaterial> material);

    bool IsReadingOrLoading() const { return this->IsReading() || this->IsLoading(); }
    // The kind and the type name are both known.
    bool HasKindAndTypeName() const;
    bool ShouldForwardMouse();
    // Hands a mouse event to the enclosing control when the forwarding rule says so, in its coordinates: to the
    // skinned parent, else to a skinned grandparent, else to the parent's framework event.
    template <class ToSkin, class ToFramework>
    void ForwardToParent(double x, double y, ToSkin&& toSkin, ToFramework&& toFramework);
    // The common course of the three custom mouse operations: the control type (toType) with the event's
    // child flag, the process-wide hook for the control's own events (toHook), then the forwarding.
    template <class ToType, class ToHook, class ToSkin, class ToFramework>
    void DispatchCustomMouse(double x, double y, bool isChildMouseEvent, ToType&& toType, ToHook&& toHook,
                             ToSkin&& toSkin, ToFramework&& toFramework);
    // Finds the nearest scroll box / gesture page control among at most 7 ancestors.
    void SearchParents();
    void LogLine(std::u16string_view what) const;

    std::u16string caption_;
    std::unique_ptr<TDrawCanvas> canvas_;
    TPaintData paintData_;
    bool parentMouseEvent_ = false;
    TMouseEventTransToParentType mouseEventTransToParentType_ = TMouseEventTransToParentType::mettptAuto;
    bool parentIsCanGesturePageControl_ = false;
    ui::Control* parentCanGesturePageControl_ = nullptr;
    bool parentIsScrollBox_ = false;
    ui::Control* parentScrollBox_ = nullptr;
    std::u16string bindItemFieldName_;
    bool directUIVisible_ = true;
    IDirectUIParent* directUIParent_ = nullptr;
    std::unique_ptr<ui::Object> ownDataObject_;
    ui::Object* dataObject_ = nullptr;
    std::u16string componentTypeName_;
    TComponentTypeUseKind componentTypeUseKind_ = TComponentTypeUseKind::ctukDefault;
    std::unique_ptr<TSkinControlType> skinControlType_;
    int typeCallDepth_ = 0;
    std::vector<std::unique_ptr<TSkinControlType>> retiredTypes_;
    std::u16string materialName_;
    TMaterialUseKind materialUseKind_ = TMaterialUseKind::mukSelfOwn;
    TSkinControlMaterial* refMaterial_ = nullptr;
    bool keepSelfOwnMaterial_ = true;
    // Owned as a component of this control.
    TSkinControlMaterial* material_ = nullptr;
    TSkinControlMaterial* currentUseMaterial_ = nullptr;
    std::unique_ptr<TSkinObjectChangeLink> materialChangeLink_;
    const TSkinControlPropertiesClass* propertiesClass_;
    std::unique_ptr<TSkinControlProperties> properties_;
    bool isMouseOver_ = false;
    bool isMouseDown_ = false;
    bool mouseDownFocus_ = false;
};

// The base of the skinned controls on the framework's plain control.
class TSkinFireMonkeyControl : public TSkinControl<ui::Control> {
public:
    TSkinFireMonkeyControl();
    // For subclasses, which call CreateProperties in their constructors.
    explicit TSkinFireMonkeyControl(const TSkinControlPropertiesClass& propertiesClass)
        : TSkinControl(propertiesClass) {}
    std::u16string_view ClassName() const override { return u"TSkinFireMonkeyControl"; }
};

}  // namespace skin
