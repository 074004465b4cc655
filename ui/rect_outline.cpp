#include "ui/rect_outline.h"

#include <algorithm>

#include "ui/canvas.h"

namespace ui {

namespace {

// A corner on the clockwise route: where the route arrives (on the side before it), where it leaves (on the
// side after it), and the two Bézier control points between.
struct CornerRoute {
    PointF in;
    PointF out;
    PointF c1;
    PointF c2;
    bool round = false;
};

struct Route {
    // Top-left, top-right, bottom-right, bottom-left: the clockwise order.
    CornerRoute corners[4];
};

constexpr unsigned kRouteCorners[4] = {kCornerTopLeft, kCornerTopRight, kCornerBottomRight, kCornerBottomLeft};
// The side after each corner of the route: top after top-left, right after top-right, ...
constexpr unsigned kRouteSides[4] = {kSideTop, kSideRight, kSideBottom, kSideLeft};

Route MakeRoute(const RectF& r, float rx, float ry, unsigned corners) {
    rx = std::clamp(rx, 0.0f, std::max(r.Width(), 0.0f) / 2);
    ry = std::clamp(ry, 0.0f, std::max(r.Height(), 0.0f) / 2);
    const bool rounded = rx > 0 && ry > 0;
    const float kx = rx * kBezierCornerInset;
    const float ky = ry * kBezierCornerInset;
    Route route;
    const PointF points[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    for (int i = 0; i < 4; ++i) {
        CornerRoute& c = route.corners[i];
        const PointF p = points[i];
        c.round = rounded && (corners & kRouteCorners[i]) != 0;
        if (!c.round) {
            c.in = c.out = c.c1 = c.c2 = p;
            continue;
        }
        switch (i) {
            case 0:  // top-left: up the left edge, then right along the top
                c = {{p.x, p.y + ry}, {p.x + rx, p.y}, {p.x, p.y + ky}, {p.x + kx, p.y}, true};
                break;
            case 1:  // top-right: along the top, then down the right edge
                c = {{p.x - rx, p.y}, {p.x, p.y + ry}, {p.x - kx, p.y}, {p.x, p.y + ky}, true};
                break;
            case 2:  // bottom-right: down the right edge, then left along the bottom
                c = {{p.x, p.y - ry}, {p.x - rx, p.y}, {p.x, p.y - ky}, {p.x - kx, p.y}, true};
                break;
            default:  // bottom-left: along the bottom, then up the left edge
                c = {{p.x + rx, p.y}, {p.x, p.y - ry}, {p.x + kx, p.y}, {p.x, p.y - ky}, true};
                break;
        }
    }
    return route;
}

// A point moved by the distance along the direction from `from` to `to` (axis-aligned).
PointF Beyond(PointF from, PointF to, float by) {
    const float dx = to.x > from.x ? by : (to.x < from.x ? -by : 0);
    const float dy = to.y > from.y ? by : (to.y < from.y ? -by : 0);
    return {to.x + dx, to.y + dy};
}

// Writes segments, starting a new figure wherever a segment does not begin where the last one ended.
class Pen {
public:
    explicit Pen(PathData& path) : path_(path) {}

    void Line(PointF from, PointF to) {
        Start(from);
        path_.LineTo(to);
        at_ = to;
    }
    void Curve(const CornerRoute& c) {
        Start(c.in);
        path_.CurveTo(c.c1, c.c2, c.out);
        at_ = c.out;
    }

private:
    void Start(PointF from) {
        if (down_ && at_ == from) return;
        path_.MoveTo(from);
        down_ = true;
    }

    PathData& path_;
    PointF at_;
    bool down_ = false;
};

}  // namespace

void AddRoundedRectOutline(PathData& path, const RectF& rect, float rx, float ry, unsigned corners) {
    const Route route = MakeRoute(rect, rx, ry, corners);
    path.MoveTo(route.corners[0].in);
    for (int i = 0; i < 4; ++i) {
        const CornerRoute& c = route.corners[i];
        if (c.round) path.CurveTo(c.c1, c.c2, c.out);
        path.LineTo(route.corners[(i + 1) % 4].in);
    }
    path.ClosePath();
}

void AddRectSidesOutline(PathData& path, const RectF& rect, float rx, float ry, unsigned corners, unsigned sides) {
    sides &= kSidesAll;
    if (sides == kSideNone) return;
    const Route route = MakeRoute(rect, rx, ry, corners);
    if (sides == kSidesAll) {
        AddRoundedRectOutline(path, rect, rx, ry, corners);
        return;
    }
    // Start after a side left out, so that the sides drawn on both sides of the starting corner join there.
    int start = 0;
    while ((sides & kRouteSides[(start + 3) % 4]) != 0) ++start;
    Pen pen(path);
    for (int step = 0; step < 4; ++step) {
        const int i = (start + step) % 4;
        const CornerRoute& c = route.corners[i];
        const bool before = (sides & kRouteSides[(i + 3) % 4]) != 0;
        const bool after = (sides & kRouteSides[i]) != 0;
        if (c.round && (before || after)) pen.Curve(c);
        if (!after) continue;
        // The side after corner i runs to the next corner.
        const CornerRoute& next = route.corners[(i + 1) % 4];
        const bool nextAfter = (sides & kRouteSides[(i + 1) % 4]) != 0;
        PointF from = c.out;
        PointF to = next.in;
        if (!c.round && !before) from = Beyond(to, from, 0.5f);
        if (!next.round && !nextAfter) to = Beyond(from, to, 0.5f);
        pen.Line(from, to);
    }
}

}  // namespace ui
