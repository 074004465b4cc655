#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "skin/draw/picture_pieces.h"

namespace ui {
void PrintTo(const RectF& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
}  // namespace ui

namespace skin {
void PrintTo(const PicturePiece& p, std::ostream* os) {
    ui::PrintTo(p.Source, os);
    *os << " -> ";
    ui::PrintTo(p.Dest, os);
}

namespace {

using S = TPictureStretchStyle;
using T = TPictureTooSmallProcessType;

// A piece by left, top, width and height of its source and destination.
PicturePiece Piece(float sl, float st, float sw, float sh, float dl, float dt, float dw, float dh) {
    return {{sl, st, sl + sw, st + sh}, {dl, dt, dl + dw, dt + dh}};
}

struct Case {
    const char* what;
    S style;
    T tooSmall;
    ui::RectF source;
    ui::RectF dest;
    std::vector<PicturePiece> expected;
};

std::vector<PicturePiece> Pieces(const TDrawPictureParam& p, const ui::RectF& s, const ui::RectF& d) {
    const PicturePieces pieces = CalcPicturePieces(p, s, d);
    return {pieces.Items().begin(), pieces.Items().end()};
}

TEST(PicturePiecesTest, StretchStylesCutThePictureIntoTheirPieces) {
    const std::vector<Case> cases = {
        {"tensile", S::issTensile, T::itsptNone, {0, 0, 20, 4}, {0, 0, 638, 4}, {Piece(0, 0, 20, 4, 0, 0, 638, 4)}},
        {"three-part keeps 8-pixel ends of a track",
         S::issThreePartHorz,
         T::itsptNone,
         {0, 0, 20, 4},
         {1, 2, 639, 6},
         {Piece(0, 0, 8, 4, 1, 2, 8, 4), Piece(12, 0, 8, 4, 631, 2, 8, 4), Piece(8, 0, 4, 4, 9, 2, 622, 4)}},
        {"three-part Pro sizes the destination ends",
         S::issThreePartHorzPro,
         T::itsptNone,
         {0, 0, 20, 4},
         {0, 0, 100, 10},
         {Piece(0, 0, 8, 4, 0, 0, 2, 10), Piece(12, 0, 8, 4, 94, 0, 6, 10), Piece(8, 0, 4, 4, 2, 0, 92, 10)}},
        {"three-part vertical",
         S::issThreePartVert,
         T::itsptNone,
         {0, 0, 6, 30},
         {0, 0, 12, 100},
         {Piece(0, 0, 6, 8, 0, 0, 12, 8), Piece(0, 22, 6, 8, 0, 92, 12, 8), Piece(0, 8, 6, 14, 0, 8, 12, 84)}},
        {"three-part vertical Pro",
         S::issThreePartVertPro,
         T::itsptNone,
         {0, 0, 6, 30},
         {0, 0, 12, 100},
         {Piece(0, 0, 6, 8, 0, 0, 12, 3), Piece(0, 22, 6, 8, 0, 96, 12, 4), Piece(0, 8, 6, 14, 0, 3, 12, 93)}},
        {"nine-patch corners exact",
         S::issSquare,
         T::itsptNone,
         {0, 0, 30, 20},
         {10, 10, 110, 60},
         {
             Piece(0, 0, 8, 8, 10, 10, 8, 8),
             Piece(22, 0, 8, 8, 102, 10, 8, 8),
             Piece(0, 12, 8, 8, 10, 52, 8, 8),
             Piece(22, 12, 8, 8, 102, 52, 8, 8),
             Piece(8, 0, 14, 8, 18, 10, 84, 8),
             Piece(8, 12, 14, 8, 18, 52, 84, 8),
             Piece(0, 8, 8, 4, 10, 18, 8, 34),
             Piece(22, 8, 8, 4, 102, 18, 8, 34),
             Piece(8, 8, 14, 4, 18, 18, 84, 34),
         }},
        {"nine-patch Pro",
         S::issSquarePro,
         T::itsptNone,
         {0, 0, 30, 20},
         {0, 0, 100, 50},
         {
             Piece(0, 0, 8, 8, 0, 0, 2, 3),
             Piece(22, 0, 8, 8, 94, 0, 6, 3),
             Piece(0, 12, 8, 8, 0, 46, 2, 4),
             Piece(22, 12, 8, 8, 94, 46, 6, 4),
             Piece(8, 0, 14, 8, 2, 0, 92, 3),
             Piece(8, 12, 14, 8, 2, 46, 92, 4),
             Piece(0, 8, 8, 4, 0, 3, 2, 43),
             Piece(22, 8, 8, 4, 94, 3, 6, 43),
             Piece(8, 8, 14, 4, 2, 3, 92, 43),
         }},
        {"nine-patch too small, tensile",
         S::issSquare,
         T::itsptTensile,
         {0, 0, 10, 20},
         {0, 0, 50, 50},
         {Piece(0, 0, 10, 20, 0, 0, 50, 50)}},
        {"nine-patch smaller destination, part draws whole",
         S::issSquare,
         T::itsptPart,
         {0, 0, 30, 20},
         {0, 0, 29, 50},
         {Piece(0, 0, 30, 20, 0, 0, 29, 50)}},
        // With itsptNone a picture narrower than its margins is cut as computed; pieces without area drop out.
        {"three-part too small without a rule",
         S::issThreePartHorz,
         T::itsptNone,
         {0, 0, 10, 4},
         {0, 0, 40, 4},
         {Piece(0, 0, 8, 4, 0, 0, 8, 4), Piece(2, 0, 8, 4, 32, 0, 8, 4)}},
        {"three-part too small, tensile",
         S::issThreePartHorz,
         T::itsptTensile,
         {0, 0, 10, 4},
         {0, 0, 40, 4},
         {Piece(0, 0, 10, 4, 0, 0, 40, 4)}},
        {"three-part too small, part: left columns one to one",
         S::issThreePartHorz,
         T::itsptPart,
         {0, 0, 10, 4},
         {0, 0, 5, 4},
         {Piece(0, 0, 5, 4, 0, 0, 5, 4)}},
        // A destination wider than the picture reads no column beyond the bitmap.
        {"three-part part never reads beyond the picture",
         S::issThreePartHorz,
         T::itsptPart,
         {0, 0, 10, 4},
         {0, 0, 40, 4},
         {Piece(0, 0, 10, 4, 0, 0, 10, 4)}},
        {"three-part vertical too small, part",
         S::issThreePartVert,
         T::itsptPart,
         {0, 0, 6, 10},
         {0, 0, 6, 30},
         {Piece(0, 0, 6, 10, 0, 0, 6, 10)}},
        {"three-part vertical too small, tensile",
         S::issThreePartVert,
         T::itsptTensile,
         {0, 0, 6, 10},
         {0, 0, 6, 30},
         {Piece(0, 0, 6, 10, 0, 0, 6, 30)}},
        {"centre crop of a tall picture",
         S::issAutoFitFillMax,
         T::itsptNone,
         {0, 0, 100, 200},
         {0, 0, 50, 50},
         {Piece(0, 50, 100, 100, 0, 0, 50, 50)}},
        {"centre crop of a wide picture",
         S::issAutoFitFillMax,
         T::itsptNone,
         {0, 0, 300, 100},
         {0, 0, 100, 100},
         {Piece(100, 0, 100, 100, 0, 0, 100, 100)}},
    };
    for (const Case& c : cases) {
        TDrawPictureParam p(u"P", u"p");
        p.SetIsStretch(true);
        p.SetStretchStyle(c.style);
        p.SetPictureTooSmallProcessType(c.tooSmall);
        p.DestDrawStretchMargins().SetBounds(2, 3, 6, 4);
        EXPECT_EQ(Pieces(p, c.source, c.dest), c.expected) << c.what;
    }
}

TEST(PicturePiecesTest, WithoutStretchOrScaleThePictureIsDrawnWhole) {
    TDrawPictureParam p(u"P", u"p");
    p.SetStretchStyle(S::issSquare);
    const ui::RectF s{0, 0, 30, 20};
    const ui::RectF d{5, 5, 35, 25};
    EXPECT_EQ(Pieces(p, s, d), (std::vector<PicturePiece>{{s, d}}));
    // A scale other than 1 draws by the stretch style too.
    p.SetScale(2);
    EXPECT_EQ(Pieces(p, s, {0, 0, 60, 40}).size(), 9u);
}

TEST(PicturePiecesTest, RotationTurnsAboutTheDestinationsCentreInsideTheCurrentMatrix) {
    const ui::RectF d{26, 26, 74, 74};
    const ui::Matrix offset = ui::Matrix::Translation(100, 50);
    const ui::Matrix m = CalcPictureRotationMatrix(90, d, offset);
    auto near = [](ui::PointF a, ui::PointF b) { return std::abs(a.x - b.x) < 1e-3 && std::abs(a.y - b.y) < 1e-3; };
    // The centre stays where it was; the top-left corner goes to the top-right (clockwise on screen).
    EXPECT_TRUE(near(m.Apply({50, 50}), {150, 100}));
    EXPECT_TRUE(near(m.Apply({26, 26}), {174, 76}));
    const ui::Matrix full = CalcPictureRotationMatrix(360, d, offset);
    EXPECT_TRUE(near(full.Apply({26, 26}), {126, 76}));
    // The current matrix's scale is kept.
    const ui::Matrix scaled = CalcPictureRotationMatrix(180, d, ui::Matrix::Scaling(2, 2));
    EXPECT_TRUE(near(scaled.Apply({26, 26}), {148, 148}));
}

}  // namespace
}  // namespace skin
