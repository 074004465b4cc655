#include "ui/easing.h"

#include <cmath>
#include <limits>

namespace ui {

namespace {

float Cubic(AnimationType type, float p) {
    switch (type) {
        case AnimationType::In:
            return p * p * p;
        case AnimationType::Out: {
            const float r = p - 1.0f;
            return r * r * r + 1.0f;
        }
        case AnimationType::InOut: {
            const float q = 2.0f * p;
            if (q < 1.0f) return q * q * q / 2.0f;
            const float r = q - 2.0f;
            return (r * r * r + 2.0f) / 2.0f;
        }
    }
    return p;
}

float Exponential(AnimationType type, float p) {
    switch (type) {
        case AnimationType::In:
            return p == 0.0f ? 0.0f : std::exp2(10.0f * (p - 1.0f));
        case AnimationType::Out:
            return p == 1.0f ? 1.0f : 1.0f - std::exp2(-10.0f * p);
        case AnimationType::InOut: {
            if (p == 0.0f) return 0.0f;
            if (p == 1.0f) return 1.0f;
            const float q = 2.0f * p;
            if (q < 1.0f) return std::exp2(10.0f * (q - 1.0f)) / 2.0f;
            return (2.0f - std::exp2(-10.0f * (q - 1.0f))) / 2.0f;
        }
    }
    return p;
}

}  // namespace

float Ease(Interpolation interpolation, AnimationType type, float p) {
    switch (interpolation) {
        case Interpolation::Linear:
            return p;
        case Interpolation::Cubic:
            return Cubic(type, p);
        case Interpolation::Exponential:
            return Exponential(type, p);
    }
    return p;
}

int RoundHalfToEven(float value) {
    if (!std::isfinite(value)) return 0;
    const double v = value;
    double whole = std::floor(v);
    const double fraction = v - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (whole >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (whole <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(whole);
}

}  // namespace ui
