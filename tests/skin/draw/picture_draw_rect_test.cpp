#include <gtest/gtest.h>

#include <vector>

#include "skin/draw/picture_draw_rect.h"

namespace skin {
namespace {

using H = TPictureHorzAlign;
using V = TPictureVertAlign;

struct Case {
    const char* what;
    bool stretch;
    bool fit;
    double scale;
    H horz;
    V vert;
    int w, h;
    ui::RectF container;
    ui::RectF expected;
};

TEST(CalcPictureDrawRectTest, PlacesByFitStretchScaleAndAlignment) {
    const std::vector<Case> cases = {
        {"natural size top left", false, false, 1, H::phaLeft, V::pvaTop, 48, 48, {10, 20, 110, 120}, {10, 20, 58, 68}},
        {"shrink to fit, centred",
         false,
         true,
         1,
         H::phaCenter,
         V::pvaCenter,
         48,
         48,
         {0, 0, 100, 30},
         {35, 0, 65, 30}},
        {"fit never enlarges", false, true, 1, H::phaCenter, V::pvaCenter, 48, 48, {0, 0, 100, 100}, {26, 26, 74, 74}},
        {"fit a wide picture", false, true, 1, H::phaLeft, V::pvaTop, 200, 50, {0, 0, 100, 100}, {0, 0, 100, 25}},
        {"aspect fit enlarges, top", true, true, 1, H::phaLeft, V::pvaTop, 100, 50, {0, 0, 300, 300}, {0, 0, 300, 150}},
        {"aspect fit enlarges, centred",
         true,
         true,
         1,
         H::phaLeft,
         V::pvaCenter,
         100,
         50,
         {0, 0, 300, 300},
         {0, 75, 300, 225}},
        {"aspect fit a tall picture",
         true,
         true,
         1,
         H::phaCenter,
         V::pvaTop,
         50,
         100,
         {0, 0, 300, 100},
         {125, 0, 175, 100}},
        {"aspect fit then scaled",
         true,
         true,
         0.5,
         H::phaRight,
         V::pvaBottom,
         100,
         50,
         {0, 0, 300, 300},
         {150, 225, 300, 300}},
        {"fill", true, false, 1, H::phaRight, V::pvaBottom, 7, 3, {5, 6, 645, 366}, {5, 6, 645, 366}},
        {"fill scaled from the corner",
         true,
         false,
         2,
         H::phaCenter,
         V::pvaCenter,
         7,
         3,
         {5, 5, 15, 25},
         {5, 5, 25, 45}},
        {"wider than the container, centred",
         false,
         false,
         1,
         H::phaCenter,
         V::pvaCenter,
         200,
         10,
         {0, 0, 100, 100},
         {0, 45, 200, 55}},
        {"wider than the container, right",
         false,
         false,
         1,
         H::phaRight,
         V::pvaTop,
         200,
         10,
         {0, 0, 100, 100},
         {-100, 0, 100, 10}},
        {"scale 2 natural size", false, false, 2, H::phaLeft, V::pvaTop, 10, 20, {0, 0, 100, 100}, {0, 0, 20, 40}},
        {"picture without area", true, true, 1, H::phaLeft, V::pvaTop, 0, 10, {0, 0, 100, 100}, {0, 0, 0, 10}},
    };
    for (const Case& c : cases) {
        TDrawPictureParam p(u"P", u"p");
        p.SetIsStretch(c.stretch);
        p.SetIsAutoFit(c.fit);
        p.SetScale(c.scale);
        p.SetPictureHorzAlign(c.horz);
        p.SetPictureVertAlign(c.vert);
        const ui::RectF r = CalcPictureDrawRect(p, c.w, c.h, c.container);
        EXPECT_FLOAT_EQ(r.left, c.expected.left) << c.what;
        EXPECT_FLOAT_EQ(r.top, c.expected.top) << c.what;
        EXPECT_FLOAT_EQ(r.right, c.expected.right) << c.what;
        EXPECT_FLOAT_EQ(r.bottom, c.expected.bottom) << c.what;
    }
}

}  // namespace
}  // namespace skin
