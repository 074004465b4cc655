#pragma once

#include <cstdint>

#include "skin/controls/progress_bar_material.h"
#include "skin/core/skin_control.h"
#include "skin/core/skin_enum.h"

namespace skin {

class TProgressBarProperties;

SKIN_ENUM(TProgressBarOrientation, prHorizontal, prVertical);

// What a progress bar offers its properties object and control type.
class ISkinProgressBar {
public:
    virtual ~ISkinProgressBar() = default;
    virtual const ui::NotifyEvent& GetOnChange() const = 0;
    virtual TProgressBarProperties& ProgressBarProperties() const = 0;
};

// Range, position and orientation. Kind "SkinProgressBar"; a new bar is 120 x 22, range 0 to 100.
class TProgressBarProperties : public TSkinControlProperties {
public:
    // Throws SkinError "This Component Do not Support ISkinProgressBar Interface" for a control that is no bar.
    explicit TProgressBarProperties(ui::Component& skinControl);
    std::u16string_view ClassName() const override { return u"TProgressBarProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    std::u16string_view GetComponentClassify() const override { return u"SkinProgressBar"; }

    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    int32_t Position() const { return position_; }
    // Clamp the position into Min..Max; a change of any of the three reports OnChange (sender: this object)
    // and repaints.
    void SetMin(int32_t value) { SetRangeAndPosition(value, max_, position_); }
    void SetMax(int32_t value) { SetRangeAndPosition(min_, value, position_); }
    void SetPosition(int32_t value) { SetRangeAndPosition(min_, max_, value); }
    // Stores the position as it is: no clamping, no report, no repaint.
    int32_t StaticPosition() const { return position_; }
    void SetStaticPosition(int32_t value) { position_ = value; }
    TProgressBarOrientation Orientation() const { return orientation_; }
    // A change swaps the control's width and height (not while it loads).
    void SetOrientation(TProgressBarOrientation value);

    // Copies AutoSize, Orientation, Max, Min and Position without reports.
    void AssignProperties(const TSkinControlProperties& source) override;

    // The share of the range the position fills, 0..1 (from Min; none for an empty range).
    double FilledFraction() const;

private:
    void SetRangeAndPosition(int32_t min, int32_t max, int32_t position);

    ISkinProgressBar& progressBarIntf_;
    int32_t min_ = 0;
    int32_t max_ = 100;
    int32_t position_ = 0;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::prHorizontal;
};

// The geometry and texts both bar types share.
class TSkinProgressBarType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TSkinProgressBarType"; }
    void SizeChanged() override;
    // The filled part of rect (see FilledFraction), from the start or, reversed, from the end.
    ui::RectF CalcFillRect(const ui::RectF& rect, bool reversed) const;

protected:
    bool CustomBind(ui::Component& skinControl) override;
    void CustomUnBind() override;
    // The percentage (when the material shows it) and the caption over the whole of rect.
    void DrawTexts(TDrawCanvas& canvas, TSkinProgressBarMaterial& material, const ui::RectF& rect);
    TProgressBarProperties* Properties() const;

private:
    ISkinProgressBar* progressBarIntf_ = nullptr;
};

// Paints a track picture and a three-part fill picture.
class TSkinProgressBarDefaultType : public TSkinProgressBarType {
public:
    std::u16string_view ClassName() const override { return u"TSkinProgressBarDefaultType"; }

protected:
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;
};

// Paints the fill as a rectangle over the background.
class TSkinProgressBarColorType : public TSkinProgressBarDefaultType {
public:
    std::u16string_view ClassName() const override { return u"TSkinProgressBarColorType"; }

protected:
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;
};

// The skinned progress bar.
class TSkinProgressBar : public TSkinFireMonkeyControl, public ISkinProgressBar {
public:
    TSkinProgressBar();
    std::u16string_view ClassName() const override { return u"TSkinProgressBar"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const ui::NotifyEvent& GetOnChange() const override { return OnChange; }
    TProgressBarProperties& ProgressBarProperties() const override;
    TProgressBarProperties& Prop() const { return ProgressBarProperties(); }
    TSkinProgressBarDefaultMaterial* SelfOwnMaterialToDefault();
    TSkinProgressBarDefaultMaterial* CurrentUseMaterialToDefault();

    // Value binding: stored into the position as it is; text that is no integer stores 0.
    void SetControlValue(std::u16string_view value) override;

    ui::NotifyEvent OnChange;

protected:
    void MaterialChanged(ui::Object* sender) override;
};

// The name stored layouts give the progress bar.
class TSkinFMXProgressBar : public TSkinProgressBar {
public:
    std::u16string_view ClassName() const override { return u"TSkinFMXProgressBar"; }
};

}  // namespace skin
