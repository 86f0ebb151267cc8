// Plot scales: an extreme rounded to one significant digit, the way every plot window
// ends its value axes. Shared by the input, soil pressure and result plots.
#pragma once

namespace plots {

// A positive x becomes k * p with n = Log(x) / Log(10) truncated toward zero, p = 10^n
// and k = (x + 0.999 p) / p truncated toward zero: 1234 -> 2000, 9500 -> 10000,
// 20005 -> 20000, 1000 -> 1000, 0.5 -> 1, 0.00011 -> 0.001. Zero, a negative value, an
// infinity or NaN gives 0, so a logarithm never sees them.
double RoundPlotScale(double x);

// The two ends of a value axis as magnitudes: max stands for the rounded largest value,
// min for the rounded magnitude of the smallest. Each is 0 when its magnitude is 0.0001
// or less (a largest value that is negative counts as none).
struct ScaleEnds {
  double max = 0;
  double min = 0;
  double span() const { return max + min; }
};
ScaleEnds ScaleEndsOf(double largest, double smallest);

}  // namespace plots
