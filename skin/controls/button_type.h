#pragma once

#include "skin/core/skin_control_type.h"

namespace skin {

class ISkinButton;
class TDrawPicture;
class TSkinButtonMaterial;

// How a button paints its icon, caption, details and help text, shows its push state and computes its
// automatic size. It paints with the group's button material when the button belongs to a button group.
class TSkinButtonType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TSkinButtonType"; }

    // Both add dpstPushed while the button is pushed.
    TDPEffectStates GetCurrentEffectStates() const override;
    TDPEffectStates CalcCurrentEffectStates() const override;
    // The group's first, middle or last button material for a button in a group that has a material in use;
    // otherwise the control's material in use.
    TSkinControlMaterial* GetPaintCurrentUseMaterial() override;
    // The caption's size (plus the icon's width when icon and caption are centred together); False without a
    // material.
    bool CalcAutoSize(double& width, double& height) override;
    // Applies the automatic size and repaints.
    void TextChanged() override;

    // The icon's rectangle in rect, as the picture is placed by the icon parameter (empty without an icon).
    static ui::RectF CalcIconRect(TSkinButtonMaterial& material, TDrawPicture* icon, const ui::RectF& rect);

protected:
    // Takes ISkinButton after ISkinControl; throws SkinError "This Component Do not Support ISkinButton
    // Interface" when the control is no button.
    bool CustomBind(ui::Component& skinControl) override;
    void CustomUnBind() override;
    // The icon and caption (centred together when the material asks for it), the details, and the help text
    // while the caption is empty.
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;

    ISkinButton* SkinButtonIntf() const { return skinButtonIntf_; }
    bool IsPushed() const;
    // PushedIcon while pushed and not empty, else Icon; nullptr when that is empty.
    TDrawPicture* CurrentIcon() const;

private:
    ISkinButton* skinButtonIntf_ = nullptr;
};

// The registered button type: a picture for the current state under the icon and texts.
class TSkinButtonDefaultType : public TSkinButtonType {
public:
    std::u16string_view ClassName() const override { return u"TSkinButtonDefaultType"; }

protected:
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;
};

}  // namespace skin
