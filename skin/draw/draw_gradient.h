#pragma once

#include <cstdint>
#include <vector>

#include "skin/core/skin_enum.h"
#include "ui/brush.h"
#include "ui/persistent.h"
#include "ui/position.h"

namespace skin {

SKIN_ENUM(TGradientStyle, Linear, Radial);

// The gradient a rectangle parameter fills with: colour points, a style, and start and stop positions
// relative to the filled rectangle (0..1 on each axis). A new gradient runs from opaque black at the top to
// opaque white at the bottom. Every change is reported through OnChange.
class TDrawGradient : public ui::Persistent {
public:
    TDrawGradient();
    std::u16string_view ClassName() const override { return u"TGradient"; }

    const std::vector<ui::GradientStop>& Points() const { return points_; }
    void SetPoints(std::vector<ui::GradientStop> points);
    // The second point's colour; 0 while there are fewer than two points.
    ui::AlphaColor Color1() const;
    // Sets the second point's colour, first adding the missing points (at offsets 0 and 1) to a gradient
    // that has fewer than two.
    void SetColor1(ui::AlphaColor color);
    TGradientStyle Style() const { return style_; }
    void SetStyle(TGradientStyle style);
    ui::Position& StartPosition() { return startPosition_; }
    const ui::Position& StartPosition() const { return startPosition_; }
    ui::Position& StopPosition() { return stopPosition_; }
    const ui::Position& StopPosition() const { return stopPosition_; }

    friend bool operator==(const TDrawGradient& a, const TDrawGradient& b);

    ui::NotifyEvent OnChange;

protected:
    bool AssignFrom(const ui::Persistent& source) override;

private:
    void DoChange();

    std::vector<ui::GradientStop> points_;
    TGradientStyle style_ = TGradientStyle::Linear;
    ui::Position startPosition_;
    ui::Position stopPosition_;
    bool copying_ = false;
};

}  // namespace skin
