#pragma once

#include <memory>

#include "skin/core/skin_control_properties.h"
#include "skin/core/skin_enum.h"
#include "ui/events.h"
#include "ui/geometry.h"

namespace skin {

class TSwitchBarProperties;

SKIN_ENUM(TSwitchBarOrientation, srHorizontal, srVertical);

// What the switch bar's properties and control type ask of a switch bar.
class ISkinSwitchBar {
public:
    virtual ~ISkinSwitchBar() = default;
    virtual const ui::NotifyEvent& GetOnChange() const = 0;
    virtual TSwitchBarProperties& GetSwitchBarProperties() const = 0;
};

// The pointer's state on the knob.
class TSkinSwitchBarBtnState {
public:
    // The knob is being held.
    bool MouseDown = false;
    // The pointer is over the knob.
    bool MouseHover = false;
    // The last pointer position used for dragging.
    ui::PointF MouseDownPt;
};

// The switch's range and position (on exactly when Position equals Max), the position drawn by
// non-interactive paints, the orientation and the knob's pointer state. Sets the new switch's size to 44 x 22.
class TSwitchBarProperties : public TSkinControlProperties {
public:
    explicit TSwitchBarProperties(ui::Component& skinControl);
    ~TSwitchBarProperties() override;
    std::u16string_view ClassName() const override { return u"TSwitchBarProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    std::u16string_view GetComponentClassify() const override { return u"SkinSwitchBar"; }

    // The control as a switch bar, looked up on use (the control is still being made while this object is):
    // throws SkinError "This Component Do not Support ISkinSwitchBar Interface" when it is none.
    ISkinSwitchBar& SkinSwitchBarIntf() const;

    double Min() const { return min_; }
    double Max() const { return max_; }
    double Position() const { return position_; }
    double DrawPosition() const { return drawPosition_; }
    // Each clamps the position into the range (below Min: Min, then above Max: Max); when position or range
    // changed, stores them, raises OnChange with this object as the sender and repaints.
    void SetMin(double value) { SetPositionInRange(position_, value, max_); }
    void SetMax(double value) { SetPositionInRange(position_, min_, value); }
    void SetPosition(double value) { SetPositionInRange(value, min_, max_); }
    // The same clamping for DrawPosition (the range is stored too), then a repaint; no OnChange.
    void SetDrawPosition(double value);

    bool Checked() const { return position_ == max_; }
    // Position to Max (True) or Min (False) through SetPosition, when the value differs.
    void SetChecked(bool value);
    bool StaticChecked() const { return Checked(); }
    // Position to Max or Min without OnChange and without repainting.
    void SetStaticChecked(bool value);
    bool DrawChecked() const { return drawPosition_ == max_; }
    // DrawPosition to Max or Min without repainting.
    void SetDrawChecked(bool value);
    bool StaticDrawChecked() const { return DrawChecked(); }
    void SetStaticDrawChecked(bool value) { SetDrawChecked(value); }

    TSwitchBarOrientation Orientation() const { return orientation_; }
    // A changed orientation swaps the control's width and height (not while the layout is loaded).
    void SetOrientation(TSwitchBarOrientation value);
    // Made again when missing.
    TSkinSwitchBarBtnState& SwitchBtnState();

    // AutoSize, Orientation, Max, Min, Position and DrawPosition, without OnChange or a repaint.
    void AssignProperties(const TSkinControlProperties& source) override;

private:
    void SetPositionInRange(double position, double min, double max);

    double min_ = 0;
    double max_ = 1;
    double position_ = 0;
    double drawPosition_ = 0;
    TSwitchBarOrientation orientation_ = TSwitchBarOrientation::srHorizontal;
    std::unique_ptr<TSkinSwitchBarBtnState> switchBtnState_;
};

}  // namespace skin
