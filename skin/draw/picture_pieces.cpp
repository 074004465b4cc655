#include "skin/draw/picture_pieces.h"

#include <algorithm>

#include "skin/draw/draw_compare.h"

namespace skin {

namespace {

using S = TPictureStretchStyle;
using TooSmall = TPictureTooSmallProcessType;

// A rectangle by its left, top, width and height.
ui::RectF Box(double left, double top, double width, double height) {
    return {static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + width),
            static_cast<float>(top + height)};
}

void AddNinePatch(PicturePieces& pieces, const TBaseDrawPictureParam& param, const ui::RectF& s, const ui::RectF& d) {
    const TBorderMargins& sm = param.StretchMargins();
    const TBorderMargins& dm = param.StretchStyle() == S::issSquarePro ? param.DestDrawStretchMargins() : sm;
    const double l = sm.Left(), t = sm.Top(), r = sm.Right(), b = sm.Bottom();
    const double L = dm.Left(), T = dm.Top(), R = dm.Right(), B = dm.Bottom();
    const double ws = s.Width(), hs = s.Height(), wd = d.Width(), hd = d.Height();
    if (param.PictureTooSmallProcessType() != TooSmall::itsptNone && (ws < l + r || hs < t + b || wd < ws || hd < hs)) {
        pieces.Add(s, d);
        return;
    }
    // Corners.
    pieces.Add(Box(s.left, s.top, l, t), Box(d.left, d.top, L, T));
    pieces.Add(Box(s.left + ws - r, s.top, r, t), Box(d.right - R, d.top, R, T));
    pieces.Add(Box(s.left, s.top + hs - b, l, b), Box(d.left, d.bottom - B, L, B));
    pieces.Add(Box(s.left + ws - r, s.top + hs - b, r, b), Box(d.right - R, d.bottom - B, R, B));
    // Edges.
    pieces.Add(Box(s.left + l, s.top, ws - l - r, t), Box(d.left + L, d.top, wd - L - R, T));
    pieces.Add(Box(s.left + l, s.top + hs - b, ws - l - r, b), Box(d.left + L, d.bottom - B, wd - L - R, B));
    pieces.Add(Box(s.left, s.top + t, l, hs - t - b), Box(d.left, d.top + T, L, hd - T - B));
    pieces.Add(Box(s.left + ws - r, s.top + t, r, hs - t - b), Box(d.right - R, d.top + T, R, hd - T - B));
    // Centre.
    pieces.Add(Box(s.left + l, s.top + t, ws - l - r, hs - t - b), Box(d.left + L, d.top + T, wd - L - R, hd - T - B));
}

void AddThreePartHorz(PicturePieces& pieces, const TBaseDrawPictureParam& param, const ui::RectF& s,
                      const ui::RectF& d) {
    const TBorderMargins& sm = param.StretchMargins();
    const TBorderMargins& dm = param.StretchStyle() == S::issThreePartHorzPro ? param.DestDrawStretchMargins() : sm;
    const double l = sm.Left(), r = sm.Right(), L = dm.Left(), R = dm.Right();
    const double ws = s.Width(), hs = s.Height(), wd = d.Width(), hd = d.Height();
    const TooSmall tooSmall = param.PictureTooSmallProcessType();
    if (tooSmall != TooSmall::itsptNone && (ws < l + r || wd < ws)) {
        if (tooSmall == TooSmall::itsptTensile) {
            pieces.Add(s, d);
        } else {
            // The leading columns one to one: as many as the destination shows and the picture holds.
            const double w = std::min(wd, ws);
            pieces.Add(Box(s.left, s.top, w, hs), Box(d.left, d.top, w, hd));
        }
        return;
    }
    pieces.Add(Box(s.left, s.top, l, hs), Box(d.left, d.top, L, hd));
    pieces.Add(Box(s.left + ws - r, s.top, r, hs), Box(d.right - R, d.top, R, hd));
    pieces.Add(Box(s.left + l, s.top, ws - l - r, hs), Box(d.left + L, d.top, wd - L - R, hd));
}

void AddThreePartVert(PicturePieces& pieces, const TBaseDrawPictureParam& param, const ui::RectF& s,
                      const ui::RectF& d) {
    const TBorderMargins& sm = param.StretchMargins();
    const TBorderMargins& dm = param.StretchStyle() == S::issThreePartVertPro ? param.DestDrawStretchMargins() : sm;
    const double t = sm.Top(), b = sm.Bottom(), T = dm.Top(), B = dm.Bottom();
    const double ws = s.Width(), hs = s.Height(), wd = d.Width(), hd = d.Height();
    const TooSmall tooSmall = param.PictureTooSmallProcessType();
    if (tooSmall != TooSmall::itsptNone && (hs < t + b || hd < hs)) {
        if (tooSmall == TooSmall::itsptTensile) {
            pieces.Add(s, d);
        } else {
            const double h = std::min(hd, hs);
            pieces.Add(Box(s.left, s.top, ws, h), Box(d.left, d.top, wd, h));
        }
        return;
    }
    pieces.Add(Box(s.left, s.top, ws, t), Box(d.left, d.top, wd, T));
    pieces.Add(Box(s.left, s.top + hs - b, ws, b), Box(d.left, d.bottom - B, wd, B));
    pieces.Add(Box(s.left, s.top + t, ws, hs - t - b), Box(d.left, d.top + T, wd, hd - T - B));
}

// The source cut about its centre to the destination's aspect ratio.
ui::RectF CropToAspect(ui::RectF s, const ui::RectF& d) {
    const double ws = s.Width(), hs = s.Height(), wd = d.Width(), hd = d.Height();
    if (hs * wd > hd * ws) {
        const double k = (hs - hd * ws / wd) / 2;
        s.top = static_cast<float>(s.top + k);
        s.bottom = static_cast<float>(s.bottom - k);
    } else {
        const double k = (ws - wd * hs / hd) / 2;
        s.left = static_cast<float>(s.left + k);
        s.right = static_cast<float>(s.right - k);
    }
    return s;
}

}  // namespace

void PicturePieces::Add(const ui::RectF& source, const ui::RectF& dest) {
    if (source.IsEmpty() || dest.IsEmpty() || count_ == kMaxCount) return;
    items_[count_++] = {source, dest};
}

PicturePieces CalcPicturePieces(const TBaseDrawPictureParam& param, const ui::RectF& source, const ui::RectF& dest) {
    PicturePieces pieces;
    if (!param.IsStretch() && IsSameValue(param.Scale(), 1)) {
        pieces.Add(source, dest);
        return pieces;
    }
    switch (param.StretchStyle()) {
        case S::issSquare:
        case S::issSquarePro:
            AddNinePatch(pieces, param, source, dest);
            break;
        case S::issThreePartHorz:
        case S::issThreePartHorzPro:
            AddThreePartHorz(pieces, param, source, dest);
            break;
        case S::issThreePartVert:
        case S::issThreePartVertPro:
            AddThreePartVert(pieces, param, source, dest);
            break;
        case S::issAutoFitFillMax:
            if (!dest.IsEmpty()) pieces.Add(CropToAspect(source, dest), dest);
            break;
        case S::issTensile:
            pieces.Add(source, dest);
            break;
    }
    return pieces;
}

ui::Matrix CalcPictureRotationMatrix(double angle, const ui::RectF& dest, const ui::Matrix& current) {
    // Matrix::Rotation makes quarter turns exact, so that a picture turned by them stays on whole pixels.
    const ui::PointF centre{(dest.left + dest.right) / 2, (dest.top + dest.bottom) / 2};
    return ui::Matrix::Rotation(static_cast<float>(angle), centre).Then(current);
}

}  // namespace skin
