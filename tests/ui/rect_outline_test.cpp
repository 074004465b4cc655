#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ui/rect_outline.h"
#include "ui/testing/recording_canvas.h"

namespace ui {
namespace {

std::string Num(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string Text(const PathData& path) {
    std::string out;
    for (const PathData::Element& e : path.Elements()) {
        switch (e.verb) {
            case PathData::Verb::MoveTo:
                out += " M" + Num(e.points[0].x) + "," + Num(e.points[0].y);
                break;
            case PathData::Verb::LineTo:
                out += " L" + Num(e.points[0].x) + "," + Num(e.points[0].y);
                break;
            case PathData::Verb::CurveTo:
                out += " C>" + Num(e.points[2].x) + "," + Num(e.points[2].y);
                break;
            case PathData::Verb::Close:
                out += " Z";
                break;
        }
    }
    return out;
}

std::string Sides(const RectF& r, float rx, float ry, unsigned corners, unsigned sides) {
    PathData path;
    AddRectSidesOutline(path, r, rx, ry, corners, sides);
    return Text(path);
}

TEST(RectOutlineTest, ChosenSidesFollowTheClockwiseRoute) {
    const RectF r{0, 0, 100, 40};
    const struct {
        const char* name;
        float radius;
        unsigned corners;
        unsigned sides;
        const char* expected;
    } cases[] = {
        // A square corner next to a missing side is covered by half a pixel more.
        {"bottom, square", 0, kCornersAll, kSideBottom, " M100.5,40 L-0.5,40"},
        {"left and top meet at a square corner", 0, kCornersAll, kSideLeft | kSideTop, " M0,40.5 L0,0 L100.5,0"},
        {"opposite sides are two figures", 0, kCornerNone, kSideLeft | kSideRight,
         " M100,-0.5 L100,40.5 M0,40.5 L0,-0.5"},
        // A rounded corner is drawn where one of its sides is; one between two missing sides is not.
        {"top and right, rounded", 10, kCornersAll, kSideTop | kSideRight,
         " M0,10 C>10,0 L90,0 C>100,10 L100,30 C>90,40"},
        {"bottom, rounded at the right only", 10, kCornerBottomRight, kSideBottom, " M100,30 C>90,40 L-0.5,40"},
        {"no sides", 10, kCornersAll, kSideNone, ""},
        {"all sides are one closed figure", 10, kCornerTopLeft, kSidesAll,
         " M0,10 C>10,0 L100,0 L100,40 L0,40 L0,10 Z"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sides(r, c.radius, c.radius, c.corners, c.sides), c.expected) << c.name;
    }
}

TEST(RectOutlineTest, RadiiAreLimitedToHalfTheSize) {
    PathData path;
    AddRoundedRectOutline(path, {0, 0, 100, 40}, 80, 30, kCornersAll);
    EXPECT_EQ(Text(path), " M0,20 C>50,0 L50,0 C>100,20 L100,20 C>50,40 L50,40 C>0,20 L0,20 Z");
    // The control points of a quarter ellipse.
    const PathData::Element& curve = path.Elements()[1];
    EXPECT_NEAR(curve.points[0].y, 20 * kBezierCornerInset, 1e-4f);
    EXPECT_NEAR(curve.points[1].x, 50 * kBezierCornerInset, 1e-4f);
}

// A canvas that keeps only its last stroked path.
class PathCanvas : public RecordingCanvas {
public:
    void DrawPath(const PathData& path, float opacity) override {
        last = Text(path);
        lastOpacity = opacity;
    }
    std::string last;
    float lastOpacity = 0;
};

TEST(RectOutlineTest, CanvasStrokesTheRoundedSidesAsAPath) {
    PathCanvas canvas;
    canvas.Canvas::DrawRoundRectSides({0, 0, 100, 40}, 10, 10, kCornersAll, kSideBottom, 0.5f);
    EXPECT_EQ(canvas.last, " M100,30 C>90,40 L10,40 C>0,30");
    EXPECT_EQ(canvas.lastOpacity, 0.5f);
    canvas.last.clear();
    canvas.Canvas::DrawRoundRectSides({0, 0, 100, 40}, 10, 10, kCornersAll, kSideNone, 1);
    EXPECT_EQ(canvas.last, "") << "nothing to stroke";
}

}  // namespace
}  // namespace ui
