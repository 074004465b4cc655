#pragma once

#include "skin/core/skin_control_type.h"

namespace skin {

class ISkinSwitchBar;
class TSwitchBarProperties;

// The switch bar's states (pushed while checked), pointer handling (a press on the knob holds it, moves drag
// it) and the knob geometry its subclasses define.
class TSkinSwitchBarType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TSkinSwitchBarType"; }

    // Adds dpstPushed while the switch is checked, so every parameter's pushed effect shows the on state.
    TDPEffectStates CalcCurrentEffectStates() const override;
    void CustomMouseDown(ui::MouseButton button, ui::ShiftState shift, double x, double y) override;
    void CustomMouseUp(ui::MouseButton button, ui::ShiftState shift, double x, double y) override;
    void CustomMouseMove(ui::ShiftState shift, double x, double y) override;
    void CustomMouseLeave() override;
    void SizeChanged() override;

    // The knob's length along the track and its rectangle for a position (control coordinates); the base
    // has no geometry and throws SkinError.
    virtual double GetSwitchBtnDrawSize();
    virtual ui::RectF GetSwitchBtnDrawRect(double position);

protected:
    // Takes ISkinSwitchBar after ISkinControl; throws SkinError "This Component Do not Support ISkinSwitchBar
    // Interface" when the control is no switch bar.
    bool CustomBind(ui::Component& skinControl) override;
    void CustomUnBind() override;

    ISkinSwitchBar* SkinSwitchBarIntf() const { return skinSwitchBarIntf_; }
    TSwitchBarProperties* SwitchBarProperties() const;
    bool IsHorizontal() const;
    // The track's length: the control's width (horizontal) or height (vertical).
    double TrackLength() const;
    // The pixel along the track of a position (halves round to even). An empty range (Max = Min) has no
    // scale: its one position lies at the end of the track, where a checked switch's knob belongs.
    double PositionPixel(double position) const;

private:
    // Inside the control and the knob of the current position (left and top included).
    bool IsOnKnob(double x, double y);

    ISkinSwitchBar* skinSwitchBarIntf_ = nullptr;
};

// The registered switch bar type: knob length from the material, knob, background and foreground pictures.
class TSkinSwitchBarDefaultType : public TSkinSwitchBarType {
public:
    std::u16string_view ClassName() const override { return u"TSkinSwitchBarDefaultType"; }

    // SwitchBtnDrawSize, or the normal knob picture's width (horizontal) or height (vertical); 0 without a
    // material.
    double GetSwitchBtnDrawSize() override;
    ui::RectF GetSwitchBtnDrawRect(double position) override;
    // The part of the track up to the knob of a position.
    ui::RectF GetForeGndDrawRect(double position);

protected:
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;
};

}  // namespace skin
