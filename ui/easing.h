#pragma once

namespace ui {

// How an animation's value moves between its start and stop values.
enum class Interpolation { Linear, Cubic, Exponential };
// Which end of the curve the easing applies to.
enum class AnimationType { In, Out, InOut };

// The eased progress e(p) for p from 0 to 1, in single precision:
//   Linear:      p for every type.
//   Cubic:       In p^3; Out (p - 1)^3 + 1; InOut with q = 2p: q^3 / 2 when q < 1, else ((q - 2)^3 + 2) / 2.
//   Exponential: In 0 at p = 0, else 2^(10(p - 1)); Out 1 at p = 1, else 1 - 2^(-10p);
//                InOut 0 at p = 0, 1 at p = 1, with q = 2p: 2^(10(q - 1)) / 2 when q < 1,
//                else (2 - 2^(-10(q - 1))) / 2.
float Ease(Interpolation interpolation, AnimationType type, float p);

// The nearest integer, halves to the even neighbour.
int RoundHalfToEven(float value);

}  // namespace ui
