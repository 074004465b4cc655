#pragma once

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

    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
    PointF TopLeft() const { return {left, top}; }
    bool Contains(PointF p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    RectF Offset(float dx, float dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const RectF&, const RectF&) = default;
};

// A 2D affine transform: x' = m11*x + m21*y + dx, y' = m12*x + m22*y + dy.
struct Matrix {
    float m11 = 1, m12 = 0;
    float m21 = 0, m22 = 1;
    float dx = 0, dy = 0;

    static Matrix Translation(float x, float y) { return {1, 0, 0, 1, x, y}; }
    static Matrix Scaling(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
    // This transform followed by next.
    Matrix Then(const Matrix& next) const {
        return {m11 * next.m11 + m12 * next.m21, m11 * next.m12 + m12 * next.m22,
                m21 * next.m11 + m22 * next.m21, m21 * next.m12 + m22 * next.m22,
                dx * next.m11 + dy * next.m21 + next.dx, dx * next.m12 + dy * next.m22 + next.dy};
    }
    PointF Apply(PointF p) const { return {m11 * p.x + m21 * p.y + dx, m12 * p.x + m22 * p.y + dy}; }
    friend bool operator==(const Matrix&, const Matrix&) = default;
};

}  // namespace ui
