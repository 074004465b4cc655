#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ui {

// An ARGB colour, 0xAARRGGBB.
using AlphaColor = uint32_t;

struct PointF {
    float x = 0;
    float y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct SizeF {
    float width = 0;
    float height = 0;
    friend bool operator==(const SizeF&, const SizeF&) = default;
};

// An axis-aligned rectangle by its edges, in logical pixels.
struct RectF {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;

    // The rectangle with the two points as opposite corners, in either order.
    static RectF FromCorners(PointF a, PointF b) {
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }

    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
    PointF TopLeft() const { return {left, top}; }
    // Whether it covers no area: no width, no height, edges the wrong way round or not numbers.
    bool IsEmpty() const { return !(left < right && top < bottom); }
    bool Contains(PointF p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // Whether the other rectangle lies inside this one (edges may coincide).
    bool Contains(const RectF& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    RectF Offset(float dx, float dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // Grown by the amount on every side (shrunk when it is negative).
    RectF Inflate(float by) const { return Inflate(by, by); }
    RectF Inflate(float dx, float dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    // The area both cover; an empty rectangle ({}) when they do not overlap.
    RectF Intersect(const RectF& other) const {
        const RectF r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                      std::min(bottom, other.bottom)};
        return r.IsEmpty() ? RectF{} : r;
    }
    // The smallest rectangle covering both; an empty one adds nothing.
    RectF Union(const RectF& other) const {
        if (IsEmpty()) return other;
        if (other.IsEmpty()) return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    friend bool operator==(const RectF&, const RectF&) = default;
};

// A 2D affine transform: x' = m11*x + m21*y + dx, y' = m12*x + m22*y + dy.
struct Matrix {
    float m11 = 1, m12 = 0;
    float m21 = 0, m22 = 1;
    float dx = 0, dy = 0;

    static Matrix Translation(float x, float y) { return {1, 0, 0, 1, x, y}; }
    static Matrix Scaling(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
    // A turn by the angle in degrees about the centre, clockwise on the screen (y grows downwards). Quarter
    // turns are exact, so a picture turned by 90 degrees stays on whole pixels.
    static Matrix Rotation(float degrees, PointF center = {}) {
        const double turns = std::fmod(static_cast<double>(degrees), 360.0);
        double c = 0;
        double s = 0;
        if (turns == 0) {
            c = 1;
        } else if (turns == 90 || turns == -270) {
            s = 1;
        } else if (turns == 180 || turns == -180) {
            c = -1;
        } else if (turns == 270 || turns == -90) {
            s = -1;
        } else {
            const double radians = turns * 3.14159265358979323846 / 180.0;
            c = std::cos(radians);
            s = std::sin(radians);
        }
        const auto fc = static_cast<float>(c);
        const auto fs = static_cast<float>(s);
        return {fc, fs, -fs, fc, center.x - fc * center.x + fs * center.y, center.y - fs * center.x - fc * center.y};
    }
    // This transform followed by next.
    Matrix Then(const Matrix& next) const {
        return {m11 * next.m11 + m12 * next.m21,         m11 * next.m12 + m12 * next.m22,
                m21 * next.m11 + m22 * next.m21,         m21 * next.m12 + m22 * next.m22,
                dx * next.m11 + dy * next.m21 + next.dx, dx * next.m12 + dy * next.m22 + next.dy};
    }
    PointF Apply(PointF p) const { return {m11 * p.x + m21 * p.y + dx, m12 * p.x + m22 * p.y + dy}; }
    // The transform that undoes this one; a transform that squashes the plane to a line or a point (a zero
    // scale) has none: every point then maps to a point no rectangle contains (not a number).
    Matrix Inverse() const {
        const double det = static_cast<double>(m11) * m22 - static_cast<double>(m12) * m21;
        if (det == 0 || !std::isfinite(det)) {
            const float nan = std::nanf("");
            return {nan, nan, nan, nan, nan, nan};
        }
        const double i11 = m22 / det;
        const double i12 = -m12 / det;
        const double i21 = -m21 / det;
        const double i22 = m11 / det;
        return {static_cast<float>(i11), static_cast<float>(i12), static_cast<float>(i21), static_cast<float>(i22),
                static_cast<float>(-(dx * i11 + dy * i21)), static_cast<float>(-(dx * i12 + dy * i22))};
    }
    // The smallest axis-aligned rectangle covering the transformed rectangle.
    RectF MapRect(const RectF& r) const {
        const PointF a = Apply({r.left, r.top});
        const PointF b = Apply({r.right, r.top});
        const PointF c = Apply({r.left, r.bottom});
        const PointF d = Apply({r.right, r.bottom});
        return {std::min({a.x, b.x, c.x, d.x}), std::min({a.y, b.y, c.y, d.y}), std::max({a.x, b.x, c.x, d.x}),
                std::max({a.y, b.y, c.y, d.y})};
    }
    bool IsTranslationOnly() const { return m11 == 1 && m12 == 0 && m21 == 0 && m22 == 1; }
    friend bool operator==(const Matrix&, const Matrix&) = default;
};

}  // namespace ui
