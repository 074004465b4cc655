#pragma once

#include "skin/draw/draw_param_types.h"
#include "ui/geometry.h"
#include "ui/persistent.h"

namespace skin {

class TBTNode20;

// Turns a control rectangle into the rectangle a parameter is drawn in: margins from the control's edges
// (Left, Top, Right, Bottom), an optional fixed size (Width, Height), both in pixels or in percent of the
// control's width resp. height, and a horizontal and vertical position. A disabled setting leaves the control
// rectangle as it is.
//
// Setters store a value that differs exactly and report it through OnChange, but only while Enabled is set:
// a disabled setting draws nothing differently. Changing Enabled itself always reports.
class TDrawRectSetting : public ui::Persistent {
public:
    TDrawRectSetting();
    std::u16string_view ClassName() const override { return u"TDrawRectSetting"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    double Left() const { return left_; }
    void SetLeft(double value);
    double Top() const { return top_; }
    void SetTop(double value);
    double Right() const { return right_; }
    void SetRight(double value);
    double Bottom() const { return bottom_; }
    void SetBottom(double value);
    double Width() const { return width_; }
    void SetWidth(double value);
    double Height() const { return height_; }
    void SetHeight(double value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    TDPSizeType SizeType() const { return sizeType_; }
    void SetSizeType(TDPSizeType value);
    TDPPositionHorzType PositionHorzType() const { return positionHorzType_; }
    void SetPositionHorzType(TDPPositionHorzType value);
    TDPPositionVertType PositionVertType() const { return positionVertType_; }
    void SetPositionVertType(TDPPositionVertType value);

    // Store all four and report once when any of them differs.
    void SetBounds(double left, double top, double width, double height);
    void SetMargins(double left, double top, double right, double bottom);

    // Back to the defaults (all numbers 0, disabled, percent, no positioning), without reporting.
    virtual void Clear();

    // The drawn rectangle for the control rectangle (allocates nothing).
    ui::RectF CalcDrawRect(const ui::RectF& controlRect) const;

    // Clears, then reads the stored values; always true.
    bool LoadFromDocNode(TBTNode20& docNode);
    bool SaveToDocNode(TBTNode20& docNode) const;

    ui::NotifyEvent OnChange;

protected:
    // All nine values; reports when the setting is enabled before or after the copy.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    // Fires OnChange while Enabled.
    void DoChange();

    double left_ = 0;
    double top_ = 0;
    double right_ = 0;
    double bottom_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool enabled_ = false;
    TDPSizeType sizeType_ = TDPSizeType::dpstPercent;
    TDPPositionHorzType positionHorzType_ = TDPPositionHorzType::dpphtNone;
    TDPPositionVertType positionVertType_ = TDPPositionVertType::dppvtNone;
};

}  // namespace skin
