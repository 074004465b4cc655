#pragma once

#include <cstdint>

#include "ui/control.h"
#include "ui/persistent.h"

namespace app::stand_ins {

class StandInProgressBar;

enum class ProgressOrientation { Horizontal, Vertical };

// The bar's range and position, reached as Properties.Min, Properties.Max, Properties.Position (the path the
// progress animation drives) and Properties.Orientation.
class StandInProgressBarProperties : public ui::Persistent {
public:
    explicit StandInProgressBarProperties(StandInProgressBar& owner) : owner_(owner) {}
    std::u16string_view ClassName() const override { return u"TProgressBarProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    int32_t Position() const { return position_; }
    ProgressOrientation Orientation() const { return orientation_; }
    // Each stores a changed value, keeps Min <= Position <= Max (Max moves up to Min; Position is clamped),
    // repaints the bar and raises its OnChange when the position changed.
    void SetMin(int32_t value);
    void SetMax(int32_t value);
    void SetPosition(int32_t value);
    void SetOrientation(ProgressOrientation orientation);

private:
    void Changed(bool positionChanged);

    StandInProgressBar& owner_;
    int32_t min_ = 0;
    int32_t max_ = 100;
    int32_t position_ = 0;
    ProgressOrientation orientation_ = ProgressOrientation::Horizontal;
};

// TSkinFMXProgressBar stand-in: the filled part of the bar in the window's accent colour over nothing.
class StandInProgressBar : public ui::Control {
public:
    StandInProgressBar();
    std::u16string_view ClassName() const override { return u"TSkinFMXProgressBar"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    StandInProgressBarProperties& Properties() { return properties_; }
    const StandInProgressBarProperties& Properties() const { return properties_; }

    ui::NotifyEvent OnChange;

    ui::AlphaColor fillColor = 0xFF0092CA;
    ui::AlphaColor trackColor = 0;

    // The filled part in local coordinates (from the left, or from the bottom when vertical).
    ui::RectF FilledRect() const;

    void Paint(ui::Canvas& canvas) override;

private:
    friend class StandInProgressBarProperties;
    StandInProgressBarProperties properties_{*this};
};

}  // namespace app::stand_ins
