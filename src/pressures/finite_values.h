// A solution never reports a value that is not a finite number (NAN, INF): where one is
// found the solution ends with a box that names the value and its elevation, and
// AbortRun = 1. The checks throw; the boundary that runs them shows the box.
#pragma once

#include <string>

struct NonFiniteValue {
  std::string what;   // the quantity, as the box names it ("NET PRESSURE")
  double elev = 0;    // where on the wall
  bool hasElev = false;
  std::string cause;  // a further line naming the likely cause, or ""
};

// Throws NonFiniteValue when v is not finite.
void RequireFinite(double v, const char* what, const std::string& cause = "");
void RequireFiniteAt(double v, const char* what, double elev, const std::string& cause = "");

// Shows the box of the value and sets AbortRun = 1.
void ReportNonFinite(const NonFiniteValue& bad);

// Runs the checks in body; a value that fails is reported. False after a report.
template <class Body>
bool FiniteGuarded(Body&& body) {
  try {
    body();
  } catch (const NonFiniteValue& bad) {
    ReportNonFinite(bad);
    return false;
  }
  return true;
}

// Every pressure diagram and grid elevation of the current grid. False after a report.
bool PressuresAreFinite();
