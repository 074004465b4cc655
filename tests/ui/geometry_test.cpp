#include "ui/geometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

namespace ui {
namespace {

std::string Text(const RectF& r) {
    std::ostringstream out;
    out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    return out.str();
}

TEST(RectFTest, EmptyWhenItCoversNoArea) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        RectF rect;
        bool empty;
    } cases[] = {
        {"an area", {0, 0, 10, 5}, false},
        {"a pixel", {-1, -1, 0, 0}, false},
        {"the default", {}, true},
        {"no width", {3, 0, 3, 5}, true},
        {"no height", {0, 4, 10, 4}, true},
        {"edges the wrong way round", {10, 0, 0, 5}, true},
        {"an edge that is not a number", {0, 0, nan, 5}, true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.rect.IsEmpty(), c.empty) << c.name;
}

TEST(RectFTest, IntersectAndUnionEitherWayRound) {
    const struct {
        const char* name;
        RectF a, b;
        RectF intersection, both;
    } cases[] = {
        {"overlapping", {0, 0, 10, 10}, {5, 5, 20, 20}, {5, 5, 10, 10}, {0, 0, 20, 20}},
        {"one inside the other", {0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, {0, 0, 10, 10}},
        {"apart", {0, 0, 10, 10}, {20, 0, 30, 10}, {}, {0, 0, 30, 10}},
        {"sharing an edge only", {0, 0, 10, 10}, {10, 0, 20, 10}, {}, {0, 0, 20, 10}},
        {"an empty one far away", {0, 0, 10, 10}, {50, 50, 50, 60}, {}, {0, 0, 10, 10}},
        {"both empty", {}, {5, 5, 5, 5}, {}, {}},
        {"negative coordinates", {-10, -10, 0, 0}, {-5, -20, 5, -5}, {-5, -10, 0, -5}, {-10, -20, 5, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.a.Intersect(c.b)), Text(c.intersection)) << c.name;
        EXPECT_EQ(Text(c.b.Intersect(c.a)), Text(c.intersection)) << c.name << ", the other way round";
        if (!c.both.IsEmpty()) {
            EXPECT_EQ(Text(c.a.Union(c.b)), Text(c.both)) << c.name;
            EXPECT_EQ(Text(c.b.Union(c.a)), Text(c.both)) << c.name << ", the other way round";
        } else {
            EXPECT_TRUE(c.a.Union(c.b).IsEmpty()) << c.name;
        }
    }
}

TEST(RectFTest, InflateGrowsAndShrinksEverySide) {
    const RectF r{0, 0, 10, 10};
    EXPECT_EQ(Text(r.Inflate(2)), Text({-2, -2, 12, 12}));
    EXPECT_EQ(Text(r.Inflate(-2)), Text({2, 2, 8, 8}));
    EXPECT_EQ(Text(r.Inflate(-1, -3)), Text({1, 3, 9, 7}));
    EXPECT_TRUE(r.Inflate(-6).IsEmpty()) << "shrunk past its middle";
    EXPECT_EQ(Text(r.Inflate(0.5f).Inflate(-0.5f)), Text(r));
}

TEST(RectFTest, ContainsAnotherRectangleWithinItsEdges) {
    const RectF outer{0, 0, 10, 10};
    const struct {
        RectF inner;
        bool inside;
    } cases[] = {
        {{0, 0, 10, 10}, true}, {{2, 2, 5, 5}, true},      {{-1, 0, 5, 5}, false},
        {{5, 5, 11, 6}, false}, {{5, 9, 6, 10.5f}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(outer.Contains(c.inner), c.inside) << Text(c.inner);
}

TEST(RectFTest, FromCornersInEitherOrder) {
    EXPECT_EQ(Text(RectF::FromCorners({10, 2}, {4, 8})), Text({4, 2, 10, 8}));
    EXPECT_EQ(Text(RectF::FromCorners({4, 8}, {10, 2})), Text({4, 2, 10, 8}));
}

TEST(MatrixTest, RotationTurnsClockwiseAboutItsCentre) {
    const struct {
        float degrees;
        PointF point;
        PointF expected;
    } cases[] = {
        // About (10, 20): the centre stays, a point to its right goes below it at a quarter turn.
        {90, {15, 20}, {10, 25}},  {180, {15, 20}, {5, 20}},
        {270, {15, 20}, {10, 15}}, {-90, {15, 20}, {10, 15}},
        {450, {15, 20}, {10, 25}}, {0, {15, 20}, {15, 20}},
        {90, {10, 20}, {10, 20}},  {45, {15, 20}, {13.535534f, 23.535534f}},
    };
    for (const auto& c : cases) {
        const PointF p = Matrix::Rotation(c.degrees, {10, 20}).Apply(c.point);
        EXPECT_NEAR(p.x, c.expected.x, 1e-4f) << c.degrees;
        EXPECT_NEAR(p.y, c.expected.y, 1e-4f) << c.degrees;
    }
    // Quarter turns are exact.
    EXPECT_EQ(Matrix::Rotation(90), (Matrix{0, 1, -1, 0, 0, 0}));
    // Turning then moving composes like any other transform.
    const PointF moved = Matrix::Rotation(90).Then(Matrix::Translation(5, 0)).Apply({1, 0});
    EXPECT_EQ(moved, (PointF{5, 1}));
}

}  // namespace
}  // namespace ui
