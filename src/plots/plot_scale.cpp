#include "plots/plot_scale.h"

#include <cmath>

namespace plots {

double RoundPlotScale(double x) {
  if (!(x > 0) || !std::isfinite(x)) return 0;
  // Log(1000) / Log(10) is 2.9999999999999996 and truncates to 2: k then comes out 10 and
  // the value stays 1000. log10 would give 3 exactly and the same value by another road;
  // the quotient keeps every other value on the same road as well.
  const double n = std::trunc(std::log(x) / std::log(10.0));
  const double p = std::pow(10.0, n);
  if (!(p > 0) || !std::isfinite(p)) return x;  // beyond the doubles' powers of ten
  const double k = std::trunc((x + 0.999 * p) / p);
  return k * p;
}

ScaleEnds ScaleEndsOf(double largest, double smallest) {
  ScaleEnds e;
  e.max = largest <= 0.0001 ? 0 : RoundPlotScale(largest);
  const double magnitude = std::fabs(smallest);
  e.min = magnitude <= 0.0001 ? 0 : RoundPlotScale(magnitude);
  return e;
}

}  // namespace plots
