#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/core/skin_class.h"
#include "ui/json_value.h"
#include "ui/persistent.h"

namespace ui {
class Component;
}

namespace skin {

class ISkinControl;
class TDrawPicture;
class TSkinControlProperties;

// A class of properties objects, made for a control.
using TSkinControlPropertiesClass = TSkinClass<TSkinControlProperties, ui::Component&>;

// The control-specific settings of a skinned control, written in layouts as "Properties.…". Each control
// kind has its own subclass, whose GetComponentClassify names the kind in the control type registry.
class TSkinControlProperties : public ui::Persistent {
public:
    // Throws SkinError "This Component Do not Support ISkinComponent Interface" when skinControl is not a
    // skinned control.
    explicit TSkinControlProperties(ui::Component& skinControl);
    ~TSkinControlProperties() override;
    std::u16string_view ClassName() const override { return u"TSkinControlProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    ui::Component& SkinControl() const { return skinControl_; }
    ISkinControl& SkinControlIntf() const { return skinControlIntf_; }

    bool AutoSize() const { return autoSize_; }
    // A changed value is stored and the automatic size applied.
    void SetAutoSize(bool value);
    // Gives the control the size its control type computes, keeping its place; nothing without a control
    // type, while the control is being read, or when AutoSize is False or the control type has no size.
    void AdjustAutoSizeBounds();

    // A picture owned by this object whose changes report to PropertiesChanged.
    TDrawPicture* CreateDrawPicture(std::u16string_view name, std::u16string_view caption, std::u16string_view group);

    // The control kind's key in the control type registry.
    virtual std::u16string_view GetComponentClassify() const { return u"TSkinControl"; }
    // Copies the settings of another properties object (AutoSize here).
    virtual void AssignProperties(const TSkinControlProperties& source);
    // Repaints the control (through its control type), unless it is being read or loaded or the paint lock
    // is held.
    virtual void PropertiesChanged(ui::Object* sender);
    // The settings as a JSON object, for data binding (nothing here).
    virtual void GetPropJsonObject(ui::JsonValue& json) const;
    virtual void SetPropJsonObject(const ui::JsonValue& json);
    // GetPropJsonObject's object as text; '' when it is empty.
    std::u16string GetPropJsonStr() const;
    // Parses the text and hands the object to SetPropJsonObject (SkinError for text that is not JSON).
    void SetPropJsonStr(std::u16string_view json);

protected:
    bool AssignFrom(const ui::Persistent& source) override;

private:
    ui::Component& skinControl_;
    ISkinControl& skinControlIntf_;
    bool autoSize_ = false;
    std::vector<std::unique_ptr<TDrawPicture>> pictures_;
};

}  // namespace skin
