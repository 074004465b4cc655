#pragma once

#include "skin/controls/label_material.h"
#include "skin/core/skin_control.h"

namespace skin {

class TLabelProperties;

// What a label offers its properties object and control type.
class ISkinLabel {
public:
    virtual ~ISkinLabel() = default;
    virtual TLabelProperties& LabelProperties() const = 0;
};

// The label's settings: AutoSize only. Kind "SkinLabel"; a new label is 120 x 22.
class TLabelProperties : public TSkinControlProperties {
public:
    // Throws SkinError "This Component Do not Support ISkinLabel Interface" for a control that is no label.
    explicit TLabelProperties(ui::Component& skinControl);
    std::u16string_view ClassName() const override { return u"TLabelProperties"; }
    std::u16string_view GetComponentClassify() const override { return u"SkinLabel"; }
    ISkinLabel& SkinLabelIntf() const { return skinLabelIntf_; }

private:
    ISkinLabel& skinLabelIntf_;
};

// Paints the caption with the material's caption parameter; measures it for the automatic size.
class TSkinLabelType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TSkinLabelType"; }
    // The rectangle the caption is drawn in: drawRect.
    virtual ui::RectF GetCaptionDrawRect(const ui::RectF& drawRect) { return drawRect; }
    // Re-measures (AutoSize) and repaints.
    void TextChanged() override;
    bool CalcAutoSize(double& width, double& height) override;

protected:
    bool CustomBind(ui::Component& skinControl) override;
    void CustomUnBind() override;
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;

private:
    ISkinLabel* skinLabelIntf_ = nullptr;
};

// The skinned label: its caption drawn with its material's caption parameter, sized to it on request.
class TSkinLabel : public TSkinFireMonkeyControl, public ISkinLabel {
public:
    TSkinLabel();
    std::u16string_view ClassName() const override { return u"TSkinLabel"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TLabelProperties& LabelProperties() const override;
    // The own material / the material in use as the label's material, or nullptr.
    TSkinLabelDefaultMaterial* SelfOwnMaterialToDefault();
    TSkinLabelDefaultMaterial* CurrentUseMaterialToDefault();

    std::u16string GetPostValue() override { return GetCaption(); }
    void SetControlValue(std::u16string_view value) override { SetCaption(value); }

protected:
    // Re-measures for the automatic size (not while loading).
    void MaterialChanged(ui::Object* sender) override;
};

// The name stored layouts give the label.
class TSkinFMXLabel : public TSkinLabel {
public:
    std::u16string_view ClassName() const override { return u"TSkinFMXLabel"; }
};

}  // namespace skin
