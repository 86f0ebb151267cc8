#include "pressures/finite_values.h"

#include <cmath>

#include "model/problem.h"
#include "platform/services.h"
#include "platform/text.h"
#include "pressures/pressure_data.h"

void RequireFinite(double v, const char* what, const std::string& cause) {
  if (!std::isfinite(v)) throw NonFiniteValue{what, 0, false, cause};
}

void RequireFiniteAt(double v, const char* what, double elev, const std::string& cause) {
  if (!std::isfinite(v)) throw NonFiniteValue{what, elev, true, cause};
}

void ReportNonFinite(const NonFiniteValue& bad) {
  std::string text = bad.what + " IS NOT A FINITE NUMBER";
  // An elevation that is itself not finite is named by the quantity alone.
  if (bad.hasElev && std::isfinite(bad.elev))
    text += NewLine + "AT ELEVATION " + platform::text::Format(bad.elev, "####0.00") + " (FT)";
  text += ".";
  if (!bad.cause.empty()) text += NewLine + bad.cause;
  text += NewLine + NewLine + "     UNABLE TO CONTINUE.";
  AbortRun = 1;
  platform::MsgBox(text, 0, "NON-FINITE RESULT");
}

bool PressuresAreFinite() {
  return FiniteGuarded([] {
    for (int p = 1; p <= NumGridPoints; ++p) {
      const double z = GridElev(p);
      RequireFinite(z, "GRID ELEVATION");
      for (int k = 1; k <= 2; ++k) {
        for (int side = 1; side <= 2; ++side) {
          RequireFiniteAt(ActivePressure(side, p, k), "ACTIVE PRESSURE", z);
          RequireFiniteAt(PassivePressure(side, p, k), "PASSIVE PRESSURE", z);
        }
        RequireFiniteAt(NetWaterPressure(p, k), "NET WATER PRESSURE", z);
        RequireFiniteAt(NetPressureA(p, k), "NET PRESSURE", z);
        RequireFiniteAt(NetPressureP(p, k), "NET PRESSURE", z);
      }
    }
  });
}
