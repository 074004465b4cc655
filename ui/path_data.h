#pragma once

#include <vector>

#include "ui/geometry.h"

namespace ui {

// A reusable figure of straight and cubic Bézier segments; clearing keeps the storage, so a path rebuilt on
// every paint does not allocate once it has grown.
class PathData {
public:
    enum class Verb { MoveTo, LineTo, CurveTo, Close };
    struct Element {
        Verb verb;
        // CurveTo: control points 0 and 1 and the end point 2; MoveTo/LineTo: point 0.
        PointF points[3];
    };

    void Clear() { elements_.clear(); }
    void MoveTo(PointF p) { elements_.push_back({Verb::MoveTo, {p, {}, {}}}); }
    void LineTo(PointF p) { elements_.push_back({Verb::LineTo, {p, {}, {}}}); }
    void CurveTo(PointF c1, PointF c2, PointF end) { elements_.push_back({Verb::CurveTo, {c1, c2, end}}); }
    void ClosePath() { elements_.push_back({Verb::Close, {}}); }

    bool Empty() const { return elements_.empty(); }
    const std::vector<Element>& Elements() const { return elements_; }

private:
    std::vector<Element> elements_;
};

}  // namespace ui
