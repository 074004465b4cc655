#pragma once

#include <array>
#include <span>

#include "skin/draw/draw_picture_param.h"
#include "ui/geometry.h"

namespace skin {

// One bitmap draw of a picture: a source rectangle in bitmap pixels into a destination in logical pixels.
struct PicturePiece {
    ui::RectF Source;
    ui::RectF Dest;
    friend bool operator==(const PicturePiece&, const PicturePiece&) = default;
};

// The pieces of one picture draw, in drawing order (the centre last); at most nine, kept in place.
class PicturePieces {
public:
    static constexpr int kMaxCount = 9;

    std::span<const PicturePiece> Items() const { return {items_.data(), static_cast<size_t>(count_)}; }
    int Count() const { return count_; }
    // Adds a piece unless its source or destination has no area (such a piece would draw nothing).
    void Add(const ui::RectF& source, const ui::RectF& dest);

private:
    std::array<PicturePiece, kMaxCount> items_{};
    int count_ = 0;
};

// How a picture whose source rectangle is source (in a bitmap of at least that size, starting at its top-left
// corner) is drawn into dest by the parameter: whole when it is neither stretched nor scaled, else by its
// StretchStyle:
// - issSquare, issSquarePro: nine pieces; corners keep the StretchMargins size (issSquarePro: drawn at the
//   DestDrawStretchMargins size), edges stretch along, the centre stretches both ways;
// - issThreePartHorz, issThreePartVert and their Pro forms: two ends kept (Pro: drawn at DestDrawStretchMargins)
//   and the middle stretched;
// - issAutoFitFillMax: the source cropped about its centre to dest's aspect ratio;
// - issTensile: whole.
// A picture the margins cannot cut, or smaller than dest, counts as too small when PictureTooSmallProcessType is
// not itsptNone: itsptTensile stretches it whole; itsptPart (three-part only; the nine-patch stretches whole)
// draws its leading part one to one, never more than the picture holds. Pieces without area are left out.
PicturePieces CalcPicturePieces(const TBaseDrawPictureParam& param, const ui::RectF& source, const ui::RectF& dest);

// The canvas matrix that turns a picture drawn into dest by angle degrees (clockwise on screen) about dest's
// centre, inside the current matrix.
ui::Matrix CalcPictureRotationMatrix(double angle, const ui::RectF& dest, const ui::Matrix& current);

}  // namespace skin
