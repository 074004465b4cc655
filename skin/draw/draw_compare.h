#pragma once

#include <cmath>

namespace skin {

// The drawing layer compares numbers with this tolerance: values closer than it are equal. (Property setters
// compare exactly.)
inline constexpr double kDrawTolerance = 0.001;

inline bool IsSameValue(double a, double b) { return std::abs(a - b) < kDrawTolerance; }
inline bool IsZeroValue(double a) { return IsSameValue(a, 0); }
// a > b by at least the tolerance.
inline bool IsGreaterValue(double a, double b) { return a > b && !IsSameValue(a, b); }

}  // namespace skin
