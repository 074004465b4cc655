#include "skin/core/skin_control.h"

#include <cmath>
#include <exception>

#include "skin/core/base_log.h"
#include "skin/core/control_type_registry.h"
#include "skin/core/lang.h"
#include "skin/core/paint_lock.h"
#include "skin/core/skin_error.h"
#include "skin/core/skin_material.h"
#include "skin/core/skin_object_change.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_canvas_registry.h"
#include "ui/action.h"
#include "ui/canvas.h"
#include "ui/combo_box.h"
#include "ui/popup_menu.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace skin {

bool SkinMouseIsDown = false;
ui::MouseEvent GlobalOnSkinControlMouseDown;
ui::MouseEvent GlobalOnSkinControlMouseUp;
ui::MouseMoveEvent GlobalOnSkinControlMouseMove;

namespace {

// How far the pointer may move between press and release for the press to count as staying.
constexpr float kStayClickDistance = 5;
// How many ancestors the scroll-box and page-control searches visit.
constexpr int kParentSearchDepth = 7;
constexpr ui::AlphaColor kDesigningRectColor = 0xA0909090;

bool IsBlank(std::u16string_view text) { return ui::TrimBlanks(text).empty(); }

// Detaches the draw canvas from the frame's canvas however the paint ends.
class PreparedCanvas {
public:
    PreparedCanvas(TDrawCanvas& drawCanvas, ui::Canvas& canvas) : drawCanvas_(drawCanvas) {
        drawCanvas_.Prepare(canvas);
    }
    ~PreparedCanvas() { drawCanvas_.UnPrepare(); }
    PreparedCanvas(const PreparedCanvas&) = delete;
    PreparedCanvas& operator=(const PreparedCanvas&) = delete;

private:
    TDrawCanvas& drawCanvas_;
};

}  // namespace

template <class B>
TSkinControl<B>::TSkinControl(const TSkinControlPropertiesClass& propertiesClass)
    : canvas_(CreateDrawCanvas(u"SkinControl")),
      materialChangeLink_(std::make_unique<TSkinObjectChangeLink>()),
      propertiesClass_(&propertiesClass) {
    materialChangeLink_->OnChange = [this](ui::Object* sender) { DoMaterialChange(sender); };
    materialChangeLink_->OnDestroy = [this](ui::Object* sender) { DoDestroyMaterial(sender); };
    this->SetAutoCapture(true);
}

template <class B>
void TSkinControl<B>::CreateProperties() {
    if (properties_ == nullptr) properties_ = propertiesClass_->Create(*this);
}

template <class B>
TSkinControl<B>::~TSkinControl() {
    ReleaseCurrentUseMaterial();
    materialChangeLink_.reset();
    FreeSkinControlType();
    ReleaseCurrentUseMaterial();
    FreeSelfOwnMaterial();
    ownDataObject_.reset();
    dataObject_ = nullptr;
    const std::u16string position = this->Name() + u" " + std::u16string(this->ClassName()) + u" ";
    try {
        properties_.reset();
    } catch (const std::exception& e) {
        HandleException(&e, u"Tessera", u"uSkinFireMonkeyControl", position, u"FreeAndNil(FProperties);");
    }
    try {
        canvas_.reset();
    } catch (const std::exception& e) {
        HandleException(&e, u"Tessera", u"uSkinFireMonkeyControl", position, u"FreeAndNil(FCanvas);");
    }
}

template <class B>
const ui::PropertyTable& TSkinControl<B>::StaticProperties() {
    using C = TSkinControl<B>;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<C>(&B::StaticProperties())
            .Text(u"_Version", [](const C&) { return std::u16string(u"1.0"); })
            .Text(u"ComponentTypeName", &C::GetComponentTypeName,
                  [](C& c, const std::u16string& v) { c.SetComponentTypeName(v); })
            .template Enumeration<TComponentTypeUseKind>(u"ComponentTypeUseKind", kEnumNames<TComponentTypeUseKind>,
                                                         &C::ComponentTypeUseKind, &C::SetComponentTypeUseKind)
            .Text(u"MaterialName", &C::GetMaterialName, [](C& c, const std::u16string& v) { c.SetMaterialName(v); })
            .template Enumeration<TMaterialUseKind>(u"MaterialUseKind", kEnumNames<TMaterialUseKind>,
                                                    &C::GetMaterialUseKind, &C::SetMaterialUseKind)
            .template ComponentRef<TSkinControlMaterial>(u"RefMaterial", &C::GetRefMaterial, &C::SetRefMaterial)
            .Bool(u"KeepSelfOwnMaterial", &C::GetKeepSelfOwnMaterial, &C::SetKeepSelfOwnMaterial)
            .Object(u"SelfOwnMaterial", [](C& c) { return c.GetSelfOwnMaterial(); })
            .Object(u"Properties", [](C& c) -> TSkinControlProperties& { return c.Properties(); })
            .Bool(u"ParentMouseEvent", &C::GetParentMouseEvent, &C::SetParentMouseEvent)
            .Bool(u"MouseDownFocus", &C::MouseDownFocus, &C::SetMouseDownFocus)
            .Bool(u"DirectUIVisible", &C::GetDirectUIVisible, &C::SetDirectUIVisible)
            .Text(u"BindItemFieldName", &C::BindItemFieldName,
                  [](C& c, const std::u16string& v) { c.SetBindItemFieldName(v); })
            .Event(u"OnStayClick", &C::OnStayClick)
            .Event(u"OnCustomMouseDown", &C::OnCustomMouseDown)
            .Event(u"OnCustomMouseUp", &C::OnCustomMouseUp)
            .Event(u"OnCustomMouseMove", &C::OnCustomMouseMove)
            .Event(u"OnCustomMouseEnter", &C::OnCustomMouseEnter)
            .Event(u"OnCustomMouseLeave", &C::OnCustomMouseLeave)
            // The framework's control settings the plain control does not publish itself.
            .template ComponentRef<ui::Action>(u"Action", &C::Action, &C::SetAction)
            .template Set<ui::AnchorKind>(u"Anchors", ui::kAnchorNames, &C::Anchors, &C::SetAnchors)
            .Bool(u"CanParentFocus", &C::CanParentFocus, &C::SetCanParentFocus)
            .Bool(u"ClipParent", &C::ClipParent, &C::SetClipParent)
            .template Enumeration<ui::CursorShape>(u"Cursor", ui::kCursorShapeNames, &C::Cursor, &C::SetCursor)
            .template Enumeration<ui::DragMode>(u"DragMode", ui::kDragModeNames, &C::DragMode, &C::SetDragMode)
            .Bool(u"Locked", &C::Locked, &C::SetLocked)
            .template ComponentRef<ui::PopupMenu>(u"PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Single(u"RotationAngle", &C::RotationAngle, &C::SetRotationAngle)
            .Object(u"RotationCenter", [](C& c) -> ui::Position& { return c.RotationCenter(); })
            .Object(u"Scale", [](C& c) -> ui::Position& { return c.Scale(); })
            .Object(u"Size", [](C& c) -> ui::ControlSize& { return c.Size(); })
            .Integer(u"TabOrder", &C::TabOrder, &C::SetTabOrder)
            .Object(u"TouchTargetExpansion", [](C& c) -> ui::Bounds& { return c.TouchTargetExpansion(); })
            .Event(u"OnCanFocus", static_cast<ui::CanFocusEvent C::*>(&C::OnCanFocus))
            .Event(u"OnDblClick", static_cast<ui::NotifyEvent C::*>(&C::OnDblClick))
            .Event(u"OnDragDrop", static_cast<ui::DragDropEvent C::*>(&C::OnDragDrop))
            .Event(u"OnDragEnd", static_cast<ui::NotifyEvent C::*>(&C::OnDragEnd))
            .Event(u"OnDragEnter", static_cast<ui::DragEnterEvent C::*>(&C::OnDragEnter))
            .Event(u"OnDragLeave", static_cast<ui::NotifyEvent C::*>(&C::OnDragLeave))
            .Event(u"OnDragOver", static_cast<ui::DragOverEvent C::*>(&C::OnDragOver))
            .Build();
    return table;
}

// --- caption

template <class B>
void TSkinControl<B>::SetCaption(std::u16string_view value) {
    if (caption_ == value) return;
    caption_ = value;
    TypeCallScope scope(*this);
    if (TSkinControlType* type = GetSkinControlType()) type->TextChanged();
}

// --- control type

template <class B>
bool TSkinControl<B>::HasKindAndTypeName() const {
    return properties_ != nullptr && !properties_->GetComponentClassify().empty() && !GetUseComponentTypeName().empty();
}

template <class B>
std::u16string TSkinControl<B>::GetUseComponentTypeName() const {
    return IsBlank(componentTypeName_) ? std::u16string(u"Default") : componentTypeName_;
}

template <class B>
const TSkinControlTypeClass* TSkinControl<B>::GetControlTypeClass() const {
    if (properties_ == nullptr) return nullptr;
    return ControlTypeRegManager().FindControlTypeClassByControlTypeName(properties_->GetComponentClassify(),
                                                                         GetUseComponentTypeName());
}

template <class B>
const TSkinClass<TSkinControlMaterial>* TSkinControl<B>::GetMaterialClass() const {
    if (properties_ == nullptr) return nullptr;
    return ControlTypeRegManager().FindMaterialClassByControlTypeName(properties_->GetComponentClassify(),
                                                                      GetUseComponentTypeName());
}

template <class B>
void TSkinControl<B>::LogLine(std::u16string_view what) const {
    DebugLog(u"Name:" + this->Name() + u" ClassName:" + std::u16string(this->ClassName()) + std::u16string(what));
}

template <class B>
TSkinControlType* TSkinControl<B>::GetSkinControlType() {
    if (skinControlType_ == nullptr) CreateSkinControlType();
    return skinControlType_.get();
}

template <class B>
void TSkinControl<B>::CreateSkinControlType() {
    if (skinControlType_ != nullptr || properties_ == nullptr || !HasKindAndTypeName()) return;
    const TSkinControlTypeClass* typeClass = GetControlTypeClass();
    if (typeClass == nullptr) {
        LogLine(u" ComponentTypeName:" + componentTypeName_ + u" CreateSkinControlType Can Not Find ControlTypeClass");
        return;
    }
    std::unique_ptr<TSkinControlType> type = typeClass->Create();
    type->Bind(*this);
    skinControlType_ = std::move(type);
    CheckCurrentUseMaterialClass();
    CheckSelfOwnMaterialClass();
}

template <class B>
void TSkinControl<B>::FreeSkinControlType() {
    if (skinControlType_ == nullptr) return;
    std::unique_ptr<TSkinControlType> type = std::move(skinControlType_);
    if (type->SkinControl() != nullptr) type->UnBind();
    if (typeCallDepth_ > 0) retiredTypes_.push_back(std::move(type));
}

template <class B>
void TSkinControl<B>::SetComponentTypeName(std::u16string_view value) {
    if (componentTypeName_ != value) componentTypeName_ = value;
    if (skinControlType_ == nullptr) {
        CreateSkinControlType();
        return;
    }
    const TSkinControlTypeClass* typeClass = GetControlTypeClass();
    if (typeClass == nullptr) {
        LogLine(u" SetComponentTypeName AControlTypeClass Is Nil ");
        return;
    }
    if (!typeClass->IsExactly(*skinControlType_)) {
        FreeSkinControlType();
        CreateSkinControlType();
    }
}

template <class B>
void TSkinControl<B>::CheckCurrentUseMaterialClass() {
    if (currentUseMaterial_ == nullptr || !HasKindAndTypeName()) return;
    const TSkinClass<TSkinControlMaterial>* materialClass = GetMaterialClass();
    if (materialClass != nullptr && !materialClass->IsExactly(*currentUseMaterial_)) ReleaseCurrentUseMaterial();
}

template <class B>
void TSkinControl<B>::CheckSelfOwnMaterialClass() {
    if (material_ == nullptr || !HasKindAndTypeName()) return;
    const TSkinClass<TSkinControlMaterial>* materialClass = GetMaterialClass();
    if (materialClass == nullptr || materialClass->IsExactly(*material_)) return;
    // The new class's material takes over every value the old one holds under the same names: a layout may
    // set the material before the type name that changes its class.
    std::unique_ptr<TSkinControlMaterial> replacement = materialClass->Create();
    replacement->Assign(*material_);
    FreeSelfOwnMaterial();
    AdoptSelfOwnMaterial(std::move(replacement));
}

// --- materials

template <class B>
TSkinControlMaterial* TSkinControl<B>::GetCurrentUseMaterial() {
    if (currentUseMaterial_ != nullptr) return currentUseMaterial_;
    TSkinControlMaterial* material = nullptr;
    switch (materialUseKind_) {
        case TMaterialUseKind::mukSelfOwn:
            material = GetSelfOwnMaterial();
            break;
        case TMaterialUseKind::mukRef:
        case TMaterialUseKind::mukRefOnly:
            material = refMaterial_;
            break;
        case TMaterialUseKind::mukRefByStyleName: {
            if (properties_ == nullptr) break;
            std::u16string typeName;
            if (materialName_.empty()) {
                material = FindMaterialByStyleName(properties_->GetComponentClassify(), u"Default", typeName);
                if (material != nullptr) materialName_ = u"Default";
            } else {
                material = FindMaterialByStyleName(properties_->GetComponentClassify(), materialName_, typeName);
            }
            if (material == nullptr) {
                LogLine(u" GetCurrentUseMaterial Can Not Find Material By StyleName " + materialName_);
            }
            SetComponentTypeName(typeName);
            break;
        }
        case TMaterialUseKind::mukDefault:
        case TMaterialUseKind::mukName:
            break;
    }
    // Writing the type name may have resolved a material meanwhile (through the new control type).
    if (material == nullptr || currentUseMaterial_ != nullptr) return currentUseMaterial_;
    currentUseMaterial_ = material;
    if (material != material_) this->FreeNotification(material);
    material->RegisterChanges(materialChangeLink_.get());
    return currentUseMaterial_;
}

template <class B>
void TSkinControl<B>::ReleaseCurrentUseMaterial() {
    TSkinControlMaterial* material = currentUseMaterial_;
    if (material == nullptr) return;
    currentUseMaterial_ = nullptr;
    if (material == refMaterial_) refMaterial_ = nullptr;
    if (material != material_) this->RemoveFreeNotification(material);
    if (materialChangeLink_ != nullptr) material->UnRegisterChanges(materialChangeLink_.get());
}

template <class B>
TSkinControlMaterial* TSkinControl<B>::GetSelfOwnMaterial() {
    if (material_ == nullptr && (keepSelfOwnMaterial_ || materialUseKind_ == TMaterialUseKind::mukSelfOwn)) {
        CreateSelfOwnMaterial();
    }
    return material_;
}

template <class B>
void TSkinControl<B>::CreateSelfOwnMaterial() {
    if (material_ != nullptr || !HasKindAndTypeName()) return;
    const TSkinClass<TSkinControlMaterial>* materialClass = GetMaterialClass();
    if (materialClass == nullptr) return;
    AdoptSelfOwnMaterial(materialClass->Create());
}

template <class B>
void TSkinControl<B>::AdoptSelfOwnMaterial(std::unique_ptr<TSkinControlMaterial> material) {
    TSkinControlMaterial* adopted = material.get();
    this->InsertComponent(std::move(material));
    adopted->SetName(u"Material");
    adopted->SetSubComponent(true);
    this->FreeNotification(adopted);
    material_ = adopted;
}

template <class B>
void TSkinControl<B>::FreeSelfOwnMaterial() {
    TSkinControlMaterial* material = material_;
    if (material == nullptr) return;
    // A material in use must not be left behind as a dangling current-use reference.
    if (currentUseMaterial_ == material) ReleaseCurrentUseMaterial();
    material_ = nullptr;
    this->RemoveFreeNotification(material);
    if (materialChangeLink_ != nullptr) material->UnRegisterChanges(materialChangeLink_.get());
    material->SetName(u"");
    material->SetSubComponent(false);
    this->FreeComponent(material);
}

template <class B>
void TSkinControl<B>::DetachSelfOwnMaterial() {
    if (material_ == nullptr) return;
    if (currentUseMaterial_ == material_) ReleaseCurrentUseMaterial();
    this->RemoveFreeNotification(material_);
    material_ = nullptr;
}

template <class B>
void TSkinControl<B>::SetKeepSelfOwnMaterial(bool value) {
    if (keepSelfOwnMaterial_ == value) return;
    if (!value && materialUseKind_ != TMaterialUseKind::mukSelfOwn) FreeSelfOwnMaterial();
    keepSelfOwnMaterial_ = value;
}

template <class B>
void TSkinControl<B>::SetMaterialUseKind(TMaterialUseKind value) {
    if (value != materialUseKind_ && !keepSelfOwnMaterial_ && value != TMaterialUseKind::mukSelfOwn) {
        FreeSelfOwnMaterial();
    }
    if (value == materialUseKind_ && currentUseMaterial_ != nullptr) return;
    materialUseKind_ = value;
    ReleaseCurrentUseMaterial();
    if (value == TMaterialUseKind::mukSelfOwn) CreateSelfOwnMaterial();
    GetCurrentUseMaterial();
    if (!IsReadingOrLoading()) Invalidate();
}

template <class B>
void TSkinControl<B>::SetMaterialName(std::u16string_view value) {
    if (value == materialName_ && currentUseMaterial_ != nullptr) return;
    materialName_ = value;
    if (materialUseKind_ == TMaterialUseKind::mukName || materialUseKind_ == TMaterialUseKind::mukRefByStyleName) {
        ReleaseCurrentUseMaterial();
        GetCurrentUseMaterial();
    }
    if (!IsReadingOrLoading()) Invalidate();
}

template <class B>
void TSkinControl<B>::SetRefMaterial(TSkinControlMaterial* value) {
    if (value == refMaterial_ || !HasKindAndTypeName()) return;
    const TSkinClass<TSkinControlMaterial>* materialClass = GetMaterialClass();
    if (materialClass == nullptr) return;
    if (value != nullptr && !materialClass->IsExactly(*value)) {
        throw SkinError(ui::Utf16ToUtf8(value->Name() + u"与此控件或此ComponentType匹配的Material类型不符"));
    }
    // Also when the reference is cleared: the material it named must not stay in use unwatched.
    if (value != nullptr || (currentUseMaterial_ != nullptr && currentUseMaterial_ == refMaterial_)) {
        ReleaseCurrentUseMaterial();
    }
    if (refMaterial_ != nullptr) {
        if (refMaterial_ != currentUseMaterial_) this->RemoveFreeNotification(refMaterial_);
        if (materialChangeLink_ != nullptr) refMaterial_->UnRegisterChanges(materialChangeLink_.get());
    }
    refMaterial_ = value;
    if (value != nullptr) this->FreeNotification(value);
    if (this->IsDesigning()) materialUseKind_ = TMaterialUseKind::mukRef;
    if (!IsReadingOrLoading()) Invalidate();
}

template <class B>
void TSkinControl<B>::AssignMaterialSetting(ISkinControlMaterial& source) {
    SetComponentTypeName(source.GetComponentTypeName());
    SetMaterialUseKind(source.GetMaterialUseKind());
    SetMaterialName(source.GetMaterialName());
    SetRefMaterial(source.GetRefMaterial());
    SetKeepSelfOwnMaterial(source.GetKeepSelfOwnMaterial());
    TSkinControlMaterial* sourceMaterial = source.GetSelfOwnMaterial();
    if (material_ != nullptr && sourceMaterial != nullptr) material_->Assign(*sourceMaterial);
}

template <class B>
void TSkinControl<B>::DoMaterialChange(ui::Object* sender) {
    if (this->IsDesigning() || (PaintLockCount == 0 && !IsReadingOrLoading())) {
        MaterialChanged(sender);
        Invalidate();
    }
}

template <class B>
void TSkinControl<B>::DoDestroyMaterial(ui::Object* sender) {
    if (sender != nullptr && sender == currentUseMaterial_) ReleaseCurrentUseMaterial();
}

template <class B>
void TSkinControl<B>::Notification(ui::Component* component, ui::Operation operation) {
    if (operation == ui::Operation::Remove && component != nullptr) {
        if (component == material_) {
            if (currentUseMaterial_ == material_) currentUseMaterial_ = nullptr;
            material_ = nullptr;
        } else if (component == refMaterial_) {
            if (currentUseMaterial_ == refMaterial_) currentUseMaterial_ = nullptr;
            refMaterial_ = nullptr;
        } else if (component == currentUseMaterial_) {
            currentUseMaterial_ = nullptr;
        }
    }
    B::Notification(component, operation);
}

// --- painting

template <class B>
void TSkinControl<B>::Invalidate() {
    if (directUIParent_ != nullptr) {
        directUIParent_->InvalidateDirectUIChild(this, this);
        return;
    }
    if (auto* host = dynamic_cast<IDirectUIParent*>(this->Parent())) {
        if (this->IsDesigning()) this->Repaint();
        host->InvalidateDirectUIChild(this, this);
        return;
    }
    this->Repaint();
}

template <class B>
void TSkinControl<B>::Paint(ui::Canvas& canvas) {
    PreparedCanvas prepared(*canvas_, canvas);
    TypeCallScope scope(*this);
    const ui::RectF rect = this->LocalRect();
    TSkinControlType* type = GetSkinControlType();
    TSkinControlMaterial* material = type != nullptr ? type->GetPaintCurrentUseMaterial() : nullptr;
    if (type != nullptr && type != skinControlType_.get()) {
        // Resolving the material renamed the type (a style found under another type name): paint with the new one.
        type = GetSkinControlType();
        material = type != nullptr ? type->GetPaintCurrentUseMaterial() : nullptr;
    }
    if (type != nullptr) {
        paintData_ = TPaintData{};
        paintData_.IsDrawInteractiveState = true;
        paintData_.IsInDrawDirectUI = false;
        type->Paint(*canvas_, material, rect, paintData_);
    }
    if (this->IsDesigning()) {
        canvas_->DrawDesigningRect(rect, kDesigningRectColor);
        canvas_->DrawDesigningText(rect, this->Name());
    }
}

// --- mouse

template <class B>
bool TSkinControl<B>::ShouldForwardMouse() {
    if (parentMouseEvent_) return true;
    switch (mouseEventTransToParentType_) {
        case TMouseEventTransToParentType::mettptTrans:
            return true;
        case TMouseEventTransToParentType::mettptAuto:
            return GetParentIsScrollBox() || GetParentIsCanGesturePageControl();
        case TMouseEventTransToParentType::mettptNotTrans:
            return false;
    }
    return false;
}

template <class B>
void TSkinControl<B>::MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    SkinMouseIsDown = true;
    if (mouseDownFocus_ && this->CanFocus()) this->SetFocus();
    B::MouseDown(button, shift, x, y);
    ISkinControl_CustomMouseDown(button, shift, x, y, false, this);
}

template <class B>
void TSkinControl<B>::MouseMove(ui::ShiftState shift, float x, float y) {
    B::MouseMove(shift, x, y);
    ISkinControl_CustomMouseMove(shift, x, y, false, this);
}

template <class B>
void TSkinControl<B>::MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    SkinMouseIsDown = false;
    B::MouseUp(button, shift, x, y);
    ISkinControl_CustomMouseUp(button, shift, x, y, false, this);
}

template <class B>
template <class ToSkin, class ToFramework>
void TSkinControl<B>::ForwardToParent(double x, double y, ToSkin&& toSkin, ToFramework&& toFramework) {
    if (!ShouldForwardMouse()) return;
    ui::Control* parent = this->ParentControl();
    if (parent == nullptr) return;
    const double px = x + GetLeft();
    const double py = y + GetTop();
    if (auto* skinParent = dynamic_cast<ISkinControl*>(parent)) {
        toSkin(*skinParent, px, py);
    } else if (auto* skinGrandParent = dynamic_cast<ISkinControl*>(parent->ParentControl())) {
        toSkin(*skinGrandParent, px + parent->X(), py + parent->Y());
    } else {
        toFramework(*parent, static_cast<float>(px), static_cast<float>(py));
    }
}

template <class B>
template <class ToType, class ToHook, class ToSkin, class ToFramework>
void TSkinControl<B>::DispatchCustomMouse(double x, double y, bool isChildMouseEvent, ToType&& toType,
                                          ToHook&& toHook, ToSkin&& toSkin, ToFramework&& toFramework) {
    TypeCallScope scope(*this);
    if (TSkinControlType* type = GetSkinControlType()) {
        type->CurrentMouseEventIsChildOwn = isChildMouseEvent;
        toType(*type);
        if (!isChildMouseEvent) toHook(*type);
    }
    ForwardToParent(x, y, toSkin, toFramework);
}

template <class B>
void TSkinControl<B>::ISkinControl_CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y,
                                                   bool isChildMouseEvent, ui::Object* child) {
    DispatchCustomMouse(
        x, y, isChildMouseEvent,
        [&](TSkinControlType& type) {
            type.CurrentMouseEventChild = child;
            type.CustomMouseDown(button, shift, x, y);
        },
        [&](TSkinControlType& type) {
            if (!GlobalOnSkinControlMouseDown) return;
            type.MouseDownScreenPt = this->LocalToScreen(type.MouseDownPt);
            GlobalOnSkinControlMouseDown(this, button, shift, type.MouseDownScreenPt.x, type.MouseDownScreenPt.y);
        },
        [&](ISkinControl& target, double px, double py) { target.CustomMouseDown(button, shift, px, py, true, child); },
        [&](ui::Control& parent, float px, float py) {
            if (parent.OnMouseDown) parent.OnMouseDown(&parent, button, shift, px, py);
        });
}

template <class B>
void TSkinControl<B>::ISkinControl_CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y,
                                                 bool isChildMouseEvent, ui::Object* child) {
    DispatchCustomMouse(
        x, y, isChildMouseEvent, [&](TSkinControlType& type) { type.CustomMouseUp(button, shift, x, y); },
        [&](TSkinControlType& type) {
            if (!GlobalOnSkinControlMouseUp) return;
            type.MouseUpScreenPt = this->LocalToScreen(type.MouseUpPt);
            GlobalOnSkinControlMouseUp(this, button, shift, type.MouseUpScreenPt.x, type.MouseUpScreenPt.y);
        },
        [&](ISkinControl& target, double px, double py) { target.CustomMouseUp(button, shift, px, py, true, child); },
        [&](ui::Control& parent, float px, float py) {
            if (parent.OnMouseUp) parent.OnMouseUp(&parent, button, shift, px, py);
        });
}

template <class B>
void TSkinControl<B>::ISkinControl_CustomMouseMove(ui::ShiftState shift, double x, double y, bool isChildMouseEvent,
                                                   ui::Object* child) {
    DispatchCustomMouse(
        x, y, isChildMouseEvent, [&](TSkinControlType& type) { type.CustomMouseMove(shift, x, y); },
        [&](TSkinControlType& type) {
            if (!GlobalOnSkinControlMouseMove) return;
            type.MouseMoveScreenPt = this->LocalToScreen(type.MouseMovePt);
            GlobalOnSkinControlMouseMove(this, shift, type.MouseMoveScreenPt.x, type.MouseMoveScreenPt.y);
        },
        [&](ISkinControl& target, double px, double py) { target.CustomMouseMove(shift, px, py, true, child); },
        [&](ui::Control& parent, float px, float py) {
            if (parent.OnMouseMove) parent.OnMouseMove(&parent, shift, px, py);
        });
}

template <class B>
void TSkinControl<B>::ISkinControl_CustomMouseEnter() {
    TypeCallScope scope(*this);
    if (TSkinControlType* type = GetSkinControlType()) type->CustomMouseEnter();
}

template <class B>
void TSkinControl<B>::ISkinControl_CustomMouseLeave() {
    TypeCallScope scope(*this);
    if (TSkinControlType* type = GetSkinControlType()) type->CustomMouseLeave();
}

template <class B>
void TSkinControl<B>::DoMouseEnter() {
    B::DoMouseEnter();
    ISkinControl_CustomMouseEnter();
}

template <class B>
void TSkinControl<B>::DoMouseLeave() {
    B::DoMouseLeave();
    ISkinControl_CustomMouseLeave();
}

template <class B>
void TSkinControl<B>::MouseWheel(ui::ShiftState shift, int wheelDelta, bool& handled) {
    TypeCallScope scope(*this);
    B::MouseWheel(shift, wheelDelta, handled);
    if (TSkinControlType* type = GetSkinControlType()) {
        // A wheel the framework's handler took stays taken.
        handled = type->CustomMouseWheel(shift, wheelDelta, 0, 0) || handled;
    }
}

template <class B>
void TSkinControl<B>::Click() {
    TypeCallScope scope(*this);
    const bool inScrollBox = GetParentIsScrollBox();
    if (!inScrollBox) B::Click();
    TSkinControlType* type = skinControlType_.get();
    if (type == nullptr || !type->IsMouseDownRecorded) return;
    if (std::abs(type->MouseDownAbsolutePt.x - type->MouseMoveAbsolutePt.x) >= kStayClickDistance ||
        std::abs(type->MouseDownAbsolutePt.y - type->MouseMoveAbsolutePt.y) >= kStayClickDistance) {
        return;
    }
    if (inScrollBox) B::Click();
    StayClick();
}

template <class B>
void TSkinControl<B>::StayClick() {
    if (OnStayClick) OnStayClick(this);
}

template <class B>
void TSkinControl<B>::ActionChange(const ui::Action& action) {
    B::ActionChange(action);
    SetCaption(action.Caption());
}

// --- parents

template <class B>
void TSkinControl<B>::SearchParents() {
    if (this->ClassName() == u"TSkinFMXImageListViewer") return;
    ui::Control* ancestor = this->ParentControl();
    const bool selfIsPageControl = dynamic_cast<ISkinGesturePageControl*>(this) != nullptr;
    for (int depth = 0; ancestor != nullptr && depth < kParentSearchDepth; ++depth) {
        if (!parentIsScrollBox_ && ancestor->ClassName() == u"TSkinScrollBox" &&
            this->ClassName() != u"TSkinScrollBox") {
            parentIsScrollBox_ = true;
            parentScrollBox_ = ancestor;
        }
        if (!parentIsCanGesturePageControl_ && !selfIsPageControl) {
            auto* pageControl = dynamic_cast<ISkinGesturePageControl*>(ancestor);
            if (pageControl != nullptr && pageControl->CanGestureSwitchPage()) {
                parentIsCanGesturePageControl_ = true;
                parentCanGesturePageControl_ = ancestor;
            }
        }
        ancestor = ancestor->ParentControl();
    }
}

template <class B>
bool TSkinControl<B>::GetParentIsScrollBox() {
    if (!parentIsScrollBox_) SearchParents();
    return parentIsScrollBox_;
}

template <class B>
ui::Control* TSkinControl<B>::GetParentScrollBox() {
    GetParentIsScrollBox();
    return parentScrollBox_;
}

template <class B>
bool TSkinControl<B>::GetParentIsCanGesturePageControl() {
    if (!parentIsCanGesturePageControl_) SearchParents();
    return parentIsCanGesturePageControl_;
}

// --- geometry and tree

template <class B>
void TSkinControl<B>::SetLeft(double value) {
    this->Position().SetX(static_cast<float>(value));
}

template <class B>
void TSkinControl<B>::SetTop(double value) {
    this->Position().SetY(static_cast<float>(value));
}

template <class B>
int TSkinControl<B>::GetWidthInt() const {
    return static_cast<int>(std::ceil(this->Width()));
}

template <class B>
int TSkinControl<B>::GetHeightInt() const {
    return static_cast<int>(std::ceil(this->Height()));
}

template <class B>
void TSkinControl<B>::SetBounds(double left, double top, double width, double height) {
    B::SetBounds(static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
                 static_cast<float>(height));
}

template <class B>
void TSkinControl<B>::SetBoundsRect(const ui::RectF& rect) {
    SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

template <class B>
int TSkinControl<B>::GetParentChildCount() const {
    const ui::Component* parent = this->Parent();
    return parent != nullptr ? static_cast<int>(parent->Children().size()) : 0;
}

template <class B>
ui::Component* TSkinControl<B>::GetParentChild(int index) const {
    const ui::Component* parent = this->Parent();
    if (parent == nullptr || index < 0 || index >= static_cast<int>(parent->Children().size())) return nullptr;
    return parent->Children()[static_cast<size_t>(index)];
}

template <class B>
ui::Component* TSkinControl<B>::GetChild(int index) const {
    const auto children = this->Children();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return children[static_cast<size_t>(index)];
}

template <class B>
double TSkinControl<B>::GetDirectUIWidth() {
    TSkinControlType* type = GetSkinControlType();
    if (type == nullptr) return this->Width();
    const double width = type->GetAutoSizeWidth();
    return width == -1 ? this->Width() : width;
}

template <class B>
double TSkinControl<B>::GetDirectUIHeight() {
    TSkinControlType* type = GetSkinControlType();
    if (type == nullptr) return this->Height();
    const double height = type->GetAutoSizeHeight();
    return height == -1 ? this->Height() : height;
}

template <class B>
ui::RectF TSkinControl<B>::GetDirectUIBounds() {
    const auto left = static_cast<float>(GetLeft());
    const auto top = static_cast<float>(GetTop());
    return {left, top, left + static_cast<float>(GetDirectUIWidth()), top + static_cast<float>(GetDirectUIHeight())};
}

// --- data and languages

template <class B>
void TSkinControl<B>::SetDataObject(ui::Object* value) {
    if (value == dataObject_) return;
    ownDataObject_.reset();
    dataObject_ = value;
}

template <class B>
void TSkinControl<B>::RecordControlLangIndex(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) {
    if (caption_.empty()) return;
    const std::u16string key = std::u16string(prefix) + this->Name() + u".Caption";
    if (!lang.HasKey(key)) lang.SetValue(key, curLang, caption_);
}

template <class B>
void TSkinControl<B>::TranslateControlLang(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) {
    const std::u16string value = lang.GetValue(std::u16string(prefix) + this->Name() + u".Caption", curLang);
    if (!value.empty()) SetCaption(value);
}

// --- other framework callbacks

template <class B>
void TSkinControl<B>::DoEnter() {
    TypeCallScope scope(*this);
    B::DoEnter();
    if (IsReadingOrLoading()) return;
    if (TSkinControlType* type = GetSkinControlType()) type->FocusChanged();
}

template <class B>
void TSkinControl<B>::DoExit() {
    TypeCallScope scope(*this);
    B::DoExit();
    if (skinControlType_ != nullptr) skinControlType_->FocusChanged();
}

template <class B>
void TSkinControl<B>::Resize() {
    TypeCallScope scope(*this);
    B::Resize();
    if (IsReadingOrLoading()) return;
    if (skinControlType_ != nullptr) skinControlType_->SizeChanged();
}

template <class B>
void TSkinControl<B>::Loaded() {
    TypeCallScope scope(*this);
    B::Loaded();
    GetSkinControlType();
    GetSelfOwnMaterial();
    GetCurrentUseMaterial();
    if (properties_ != nullptr) properties_->AdjustAutoSizeBounds();
}

template class TSkinControl<ui::Control>;
template class TSkinControl<ui::ComboBox>;

TSkinFireMonkeyControl::TSkinFireMonkeyControl()
    : TSkinControl(SkinClassOf<TSkinControlProperties, TSkinControlProperties, ui::Component&>()) {
    CreateProperties();
}

}  // namespace skin
