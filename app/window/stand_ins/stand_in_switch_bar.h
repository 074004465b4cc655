#pragma once

#include "ui/control.h"
#include "ui/persistent.h"

namespace app::stand_ins {

class StandInSwitchBar;

// The switch's state, reached as Properties.Checked.
class StandInSwitchBarProperties : public ui::Persistent {
public:
    explicit StandInSwitchBarProperties(StandInSwitchBar& owner) : owner_(owner) {}
    std::u16string_view ClassName() const override { return u"TSwitchBarProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    bool Checked() const { return checked_; }
    // A changed value repaints the switch and raises its OnChange.
    void SetChecked(bool checked);

private:
    StandInSwitchBar& owner_;
    bool checked_ = false;
};

// TSkinFMXSwitchBar stand-in: a rounded track with a round knob at its left end (off) or right end (on). A click
// toggles it; every change of the checked state raises OnChange (not while a layout is being read).
class StandInSwitchBar : public ui::Control {
public:
    StandInSwitchBar();
    std::u16string_view ClassName() const override { return u"TSkinFMXSwitchBar"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    StandInSwitchBarProperties& Properties() { return properties_; }
    const StandInSwitchBarProperties& Properties() const { return properties_; }

    ui::NotifyEvent OnChange;

    // The look: track colours off, under the pointer and on; the knob's length along the track.
    ui::AlphaColor trackColor = 0xFF1D1D1D;
    ui::AlphaColor trackBorderColor = 0xFF999999;
    ui::AlphaColor hoverTrackColor = 0xFF2A2A2A;
    ui::AlphaColor hoverTrackBorderColor = 0xFF9B9B9B;
    ui::AlphaColor checkedTrackColor = 0xFF0092CA;
    ui::AlphaColor checkedTrackBorderColor = 0xFF0098D4;
    float knobSize = 25;

    // The knob's rectangle for the current state.
    ui::RectF KnobRect() const;

    void Paint(ui::Canvas& canvas) override;
    void Click() override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;

private:
    friend class StandInSwitchBarProperties;
    void CheckedChanged();

    StandInSwitchBarProperties properties_{*this};
};

}  // namespace app::stand_ins
