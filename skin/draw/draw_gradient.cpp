#include "skin/draw/draw_gradient.h"

#include <utility>

#include "skin/core/store_if_changed.h"

namespace skin {

namespace {

bool SameStops(const std::vector<ui::GradientStop>& a, const std::vector<ui::GradientStop>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].color != b[i].color || a[i].offset != b[i].offset) return false;
    }
    return true;
}

}  // namespace

TDrawGradient::TDrawGradient() : points_{{0xFF000000, 0}, {0xFFFFFFFF, 1}} {
    stopPosition_.SetPoint({0, 1});
    startPosition_.OnChange = [this](ui::Object*) { DoChange(); };
    stopPosition_.OnChange = [this](ui::Object*) { DoChange(); };
}

void TDrawGradient::SetPoints(std::vector<ui::GradientStop> points) {
    StoreIfChanged(
        points_, std::move(points), [this] { DoChange(); }, SameStops);
}

ui::AlphaColor TDrawGradient::Color1() const { return points_.size() < 2 ? 0 : points_[1].color; }

void TDrawGradient::SetColor1(ui::AlphaColor color) {
    if (points_.size() >= 2 && points_[1].color == color) return;
    if (points_.empty()) points_.push_back({0xFF000000, 0});
    if (points_.size() < 2) points_.push_back({color, 1});
    points_[1].color = color;
    DoChange();
}

void TDrawGradient::SetStyle(TGradientStyle style) {
    StoreIfChanged(style_, style, [this] { DoChange(); });
}

bool operator==(const TDrawGradient& a, const TDrawGradient& b) {
    return SameStops(a.points_, b.points_) && a.style_ == b.style_ &&
           a.startPosition_.Point() == b.startPosition_.Point() && a.stopPosition_.Point() == b.stopPosition_.Point();
}

bool TDrawGradient::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TDrawGradient*>(&source);
    if (other == nullptr) return false;
    if (*this == *other) return true;
    points_ = other->points_;
    style_ = other->style_;
    // One report for the whole copy.
    copying_ = true;
    startPosition_.SetPoint(other->startPosition_.Point());
    stopPosition_.SetPoint(other->stopPosition_.Point());
    copying_ = false;
    DoChange();
    return true;
}

void TDrawGradient::DoChange() {
    if (!copying_ && OnChange) OnChange(this);
}

}  // namespace skin
