#pragma once

#include "skin/controls/panel_material.h"
#include "skin/core/skin_control.h"

namespace skin {

class TPanelProperties;

// What a panel offers its properties object and control type.
class ISkinPanel {
public:
    virtual ~ISkinPanel() = default;
    virtual TPanelProperties& PanelProperties() const = 0;
};

// The panel's settings. Kind "SkinPanel"; a new panel is 200 x 50.
class TPanelProperties : public TSkinControlProperties {
public:
    // Throws SkinError "This Component Do not Support ISkinPanel Interface" for a control that is no panel.
    explicit TPanelProperties(ui::Component& skinControl);
    std::u16string_view ClassName() const override { return u"TPanelProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    std::u16string_view GetComponentClassify() const override { return u"SkinPanel"; }

    // The caption keeps clear of the top padding.
    bool IsToolBar() const { return isToolBar_; }
    void SetIsToolBar(bool value) { isToolBar_ = value; }

private:
    bool isToolBar_ = false;
};

// Paints the background picture and the caption over the background.
class TSkinPanelType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TSkinPanelType"; }
    void TextChanged() override;

protected:
    bool CustomBind(ui::Component& skinControl) override;
    void CustomUnBind() override;
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;

private:
    ISkinPanel* skinPanelIntf_ = nullptr;
};

// The skinned panel: a container that paints its material's background, an optional picture and caption.
class TSkinPanel : public TSkinFireMonkeyControl, public ISkinPanel {
public:
    TSkinPanel();
    std::u16string_view ClassName() const override { return u"TSkinPanel"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TPanelProperties& PanelProperties() const override;
    TSkinPanelDefaultMaterial* SelfOwnMaterialToDefault();
    TSkinPanelDefaultMaterial* CurrentUseMaterialToDefault();
};

// The name stored layouts give the panel.
class TSkinFMXPanel : public TSkinPanel {
public:
    std::u16string_view ClassName() const override { return u"TSkinFMXPanel"; }
};

}  // namespace skin
