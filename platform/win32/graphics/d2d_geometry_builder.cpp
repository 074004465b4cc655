#include "platform/win32/graphics/d2d_geometry_builder.h"

#include <algorithm>

#include "ui/canvas.h"

namespace platform::win32 {

namespace {

// Distance of a quarter ellipse's Bezier control points from the corner, as a fraction of the radius.
constexpr float kCornerControl = 0.4477152502f;

D2D1_POINT_2F P(float x, float y) { return D2D1::Point2F(x, y); }
D2D1_POINT_2F P(ui::PointF p) { return D2D1::Point2F(p.x, p.y); }

}  // namespace

void AddRoundedRect(ID2D1GeometrySink* sink, const ui::RectF& r, float rx, float ry, unsigned corners) {
    rx = std::clamp(rx, 0.0f, std::max(r.Width(), 0.0f) / 2);
    ry = std::clamp(ry, 0.0f, std::max(r.Height(), 0.0f) / 2);
    const bool tl = corners & ui::kCornerTopLeft, tr = corners & ui::kCornerTopRight;
    const bool bl = corners & ui::kCornerBottomLeft, br = corners & ui::kCornerBottomRight;
    const float cx = rx * kCornerControl, cy = ry * kCornerControl;

    sink->BeginFigure(tl ? P(r.left, r.top + ry) : P(r.left, r.top), D2D1_FIGURE_BEGIN_FILLED);
    if (tl) sink->AddBezier({P(r.left, r.top + cy), P(r.left + cx, r.top), P(r.left + rx, r.top)});
    if (tr) {
        sink->AddLine(P(r.right - rx, r.top));
        sink->AddBezier({P(r.right - cx, r.top), P(r.right, r.top + cy), P(r.right, r.top + ry)});
    } else {
        sink->AddLine(P(r.right, r.top));
    }
    if (br) {
        sink->AddLine(P(r.right, r.bottom - ry));
        sink->AddBezier({P(r.right, r.bottom - cy), P(r.right - cx, r.bottom), P(r.right - rx, r.bottom)});
    } else {
        sink->AddLine(P(r.right, r.bottom));
    }
    if (bl) {
        sink->AddLine(P(r.left + rx, r.bottom));
        sink->AddBezier({P(r.left + cx, r.bottom), P(r.left, r.bottom - cy), P(r.left, r.bottom - ry)});
    } else {
        sink->AddLine(P(r.left, r.bottom));
    }
    sink->EndFigure(D2D1_FIGURE_END_CLOSED);
}

void AddRectSides(ID2D1GeometrySink* sink, const ui::RectF& r, unsigned sides) {
    // Clockwise: each side runs from its corner to the next one.
    const unsigned order[4] = {ui::kSideTop, ui::kSideRight, ui::kSideBottom, ui::kSideLeft};
    const D2D1_POINT_2F corner[4] = {P(r.left, r.top), P(r.right, r.top), P(r.right, r.bottom), P(r.left, r.bottom)};
    if ((sides & ui::kSidesAll) == ui::kSidesAll) {
        sink->BeginFigure(corner[0], D2D1_FIGURE_BEGIN_FILLED);
        sink->AddLines(corner + 1, 3);
        sink->EndFigure(D2D1_FIGURE_END_CLOSED);
        return;
    }
    // Start after a missing side, so that every run of sides is one figure.
    int start = 0;
    while (sides & order[start]) ++start;
    bool open = false;
    for (int step = 1; step <= 4; ++step) {
        const int side = (start + step) % 4;
        if (sides & order[side]) {
            if (!open) sink->BeginFigure(corner[side], D2D1_FIGURE_BEGIN_FILLED);
            open = true;
            sink->AddLine(corner[(side + 1) % 4]);
        } else if (open) {
            sink->EndFigure(D2D1_FIGURE_END_OPEN);
            open = false;
        }
    }
    if (open) sink->EndFigure(D2D1_FIGURE_END_OPEN);
}

void AddPath(ID2D1GeometrySink* sink, const ui::PathData& path) {
    bool open = false;
    ui::PointF current{0, 0};
    ui::PointF figureStart{0, 0};
    auto begin = [&](ui::PointF at) {
        if (open) return;
        sink->BeginFigure(P(at), D2D1_FIGURE_BEGIN_FILLED);
        figureStart = at;
        open = true;
    };
    for (const ui::PathData::Element& e : path.Elements()) {
        switch (e.verb) {
            case ui::PathData::Verb::MoveTo:
                if (open) sink->EndFigure(D2D1_FIGURE_END_OPEN);
                open = false;
                begin(e.points[0]);
                current = e.points[0];
                break;
            case ui::PathData::Verb::LineTo:
                begin(current);
                sink->AddLine(P(e.points[0]));
                current = e.points[0];
                break;
            case ui::PathData::Verb::CurveTo:
                begin(current);
                sink->AddBezier({P(e.points[0]), P(e.points[1]), P(e.points[2])});
                current = e.points[2];
                break;
            case ui::PathData::Verb::Close:
                if (open) sink->EndFigure(D2D1_FIGURE_END_CLOSED);
                open = false;
                current = figureStart;
                break;
        }
    }
    if (open) sink->EndFigure(D2D1_FIGURE_END_OPEN);
}

}  // namespace platform::win32
