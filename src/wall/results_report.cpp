// The results section of the report: a summary (one column for a cantilever wall, a
// free earth and a fixed earth column for an anchored wall), then for each method the
// complete results: the profile down the wall and the water and soil pressures.
#include <cmath>
#include <string>
#include <string_view>

#include "model/problem.h"
#include "model/problem_data.h"
#include "model/report_layout.h"
#include "platform/text.h"
#include "pressures/pressure_data.h"
#include "pressures/pressures.h"
#include "wall/wall.h"

namespace {

using platform::text::Line;

// The results section's lines, counted by the report's section writer.
struct Report {
  ReportSection out;
  void put(const std::string& s) { out.line(std::string_view(s)); }
  void put(const Line& l) { out.line(l); }
  void blank(int n = 1) { out.blank(n); }
  void indented(int n, std::string_view text) { out.line(Line().spc(n).text(text)); }
};

const char* VariantLine() {
  if (WallType == "C") return RunMode == "D" ? "*  CANTILEVER WALL DESIGN  *" : "* CANTILEVER WALL ANALYSIS *";
  return RunMode == "D" ? "*   ANCHORED WALL DESIGN   *" : "*  ANCHORED WALL ANALYSIS  *";
}

void Note(Report& r) {
  r.blank();
  r.indented(15, "NOTE:  DIVIDE SCALED DEFLECTION MODULUS OF");
  r.indented(15, "       ELLASTICITY IN PSI TIMES PILE MOMENT");
  r.indented(15, "       OF INERTIA IN IN^4 TO OBTAIN DEFLECTION");
  r.indented(15, "       IN INCHES.");
}

bool AutomaticSeepage() { return WaterDataType == "E" && SeepageOption == "A"; }

void CantileverSummary(Report& r, double dredge) {
  const bool design = RunMode == "D";
  auto row = [&](int indent, std::string_view label, double v, std::string_view mask, int last = 45) {
    r.put(Line().spc(indent).text(label).value(v, mask, last));
  };
  r.blank();
  if (design) {
    row(5, "WALL BOTTOM ELEV. (FT)     :", TipElev(1), "####0.00");
    row(11, "PENETRATION (FT)     :", dredge - TipElev(1), "####0.00");
  } else {
    row(5, AnalysisFSOption == 1 ? "FACTOR OF SAFETY           :" : "PASSIVE FACTOR OF SAFETY   :",
        FSPassiveUsed(1, 1, 1), "#0.00");
  }
  r.blank();
  row(5, "MAX. BEND. MOMENT (LB-FT)  :", MaxMoment(1, 1), "0.0000E+00");
  row(11, "AT ELEVATION (FT)    :", MaxMoment(1, 2), "####0.00");
  r.blank();
  row(5, design ? "MAX. SCALED DEFL. (LB-IN^3):" : "MAXIMUM DEFLECTION (IN.)   :", MaxDeflection(1, 1),
      "0.0000E+00");
  row(11, "AT ELEVATION (FT)    :", MaxDeflection(1, 2), "####0.00");
  if (AutomaticSeepage()) {
    r.blank();
    row(5, "SEEPAGE GRADIENT           :", SeepageGradient(1), "0.0000", 44);
  }
  if (design) Note(r);
}

void AnchoredSummary(Report& r, double dredge) {
  const bool design = RunMode == "D";
  auto row = [&](int indent, std::string_view label, double v1, double v2, std::string_view mask,
                 int last1 = 55, int last2 = 75) {
    r.put(Line().spc(indent).text(label).value(v1, mask, last1).value(v2, mask, last2));
  };
  r.blank();
  r.put(Line().spc(5).text("METHOD").spc(29).text(":").spc(4).text("FREE EARTH").spc(9).text("FIXED EARTH"));
  r.blank();
  if (design) {
    row(5, "WALL BOTTOM ELEVATION (FT)         :", TipElev(1), TipElev(2), "####0.00");
    row(11, "PENETRATION (FT)              :", dredge - TipElev(1), dredge - TipElev(2), "####0.00");
  } else {
    row(5, AnalysisFSOption == 1 ? "FACTOR OF SAFETY                   :" : "PASSIVE FACTOR OF SAFETY           :",
        FSPassiveUsed(1, 1, 1), FSPassiveUsed(1, 1, 2), "####0.00");
  }
  r.blank();
  row(5, "MAXIMUM BENDING MOMENT (LB-FT)     :", MaxMoment(1, 1), MaxMoment(2, 1), "0.0000E+00");
  row(11, "AT ELEVATION (FT)            :", MaxMoment(1, 2), MaxMoment(2, 2), "####0.00");
  r.blank();
  row(5, design ? "MAXIMUM SCALED DEFLECTION (LB-IN^3):" : "MAXIMUM DEFLECTION (IN.)           :",
      MaxDeflection(1, 1), MaxDeflection(2, 1), "0.0000E+00");
  row(11, "AT ELEVATION (FT)            :", MaxDeflection(1, 2), MaxDeflection(2, 2), "####0.00");
  r.blank();
  row(5, "ANCHOR FORCE (LB)                  :", AnchorForce(1), AnchorForce(2), "0.0000E+00");
  if (AutomaticSeepage()) {
    r.blank();
    if (design)
      row(5, "SEEPAGE GRADIENT                   :", SeepageGradient(1), SeepageGradient(2), "0.0000", 54, 74);
    else
      row(5, "SEEPAGE GRADIENT                   :", SeepageGradient(1), SeepageGradient(2), "0.0000");
  }
  if (design) Note(r);
}

void Summary(Report& r) {
  r.blank(5);
  WriteReportBanner(r.out, 2, 28, 2, 63);
  r.indented(25, "****************************");
  r.indented(25, "*  SUMMARY OF RESULTS FOR  *");
  r.indented(25, VariantLine());
  r.indented(25, "****************************");
  r.blank();
  r.indented(5, " I.--HEADING");
  for (int i = 1; i <= NumHeadingLines; ++i) r.indented(7, HeadingLines(i));
  r.blank();
  r.indented(5, "II.--SUMMARY");
  for (int side = 1; side <= 2; ++side) {
    const std::string word = side == 1 ? "RIGHTSIDE" : "LEFTSIDE";
    r.blank();
    const std::string& method = PressureMethod(side);
    if (method == "C") {
      r.indented(10, word + " SOIL PRESSURES DETERMINED BY " + (SoilDataType(side) == "C" ? "INPUT" : "COULOMB") +
                         " COEFFICIENTS");
      r.indented(10, "AND THEORY OF ELLASTICITY EQUATIONS FOR SURCHARGE LOADS.");
    } else {
      r.indented(10, word + " SOIL PRESSURES DETERMINED BY " + (method == "S" ? "SWEEP SEARCH" : "FIXED SURFACE") +
                         " WEDGE METHOD.");
    }
  }
  if (WedgeNoSolution(1, 1) != 0 || WedgeNoSolution(2, 1) != 0 || WedgeNoSolution(1, 2) != 0 ||
      WedgeNoSolution(2, 2) != 0) {
    r.blank();
    r.indented(10, "*****WARNING:  STANDARD WEDGE SOLUTION DOES NOT EXIST");
    r.indented(25, "AT ALL ELEVATIONS.  SEE COMPLETE OUTPUT.");
  }
  const double dredge = MinOf(SurfaceElev(1, 1), SurfaceElev(2, 1));
  if (WallType == "C")
    CantileverSummary(r, dredge);
  else
    AnchoredSummary(r, dredge);
}

bool PressuresJump(int p) {
  auto sideDiffers = [p](int side) {
    const double size = std::max(SidePressureSize(side, p, 1), SidePressureSize(side, p, 2));
    return PressuresDiffer(ActivePressure(side, p, 1), ActivePressure(side, p, 2), size) ||
           PressuresDiffer(PassivePressure(side, p, 1), PassivePressure(side, p, 2), size);
  };
  return PressuresDiffer(NetWaterPressure(p, 1), NetWaterPressure(p, 2)) || sideDiffers(1) || sideDiffers(2);
}

void PressureRow(Report& r, int p, int k, std::string_view marker, bool marks) {
  Line l;
  l.value(GridElev(p), "####0.00", 10).text(marker);
  auto mark = [&](const std::string& m) {
    if (marks) l.text(m);
  };
  l.value(NetWaterPressure(p, k), "#####0.", 24);
  mark(WedgeMarkPassive(2, p));
  l.value(PassivePressure(2, p, k), "#####0.", 36);
  mark(WedgeMarkActive(2, p));
  l.value(ActivePressure(2, p, k), "#####0.", 48);
  mark(WedgeMarkActive(1, p));
  l.value(ActivePressure(1, p, k), "#####0.", 60);
  mark(WedgeMarkPassive(1, p));
  l.value(PassivePressure(1, p, k), "#####0.", 72);
  r.put(l);
}

void CompleteResults(Report& r, int m) {
  const bool design = RunMode == "D";
  r.blank(5);
  WriteReportBanner(r.out, 2, 28, 2, 63);
  r.indented(25, "****************************");
  r.indented(25, "* COMPLETE OF RESULTS FOR  *");
  r.indented(25, VariantLine());
  if (WallType == "A") r.indented(25, m == 1 ? "*   BY FREE EARTH METHOD   *" : "*   BY FIXED EARTH METHOD  *");
  r.indented(25, "****************************");
  r.blank();
  r.indented(5, "  I.--HEADING");
  for (int i = 1; i <= NumHeadingLines; ++i) r.indented(7, HeadingLines(i));
  r.blank();
  if (WallType == "C")
    r.indented(5, " II.--RESULTS");
  else
    r.put(Line().spc(5).text(" II.--RESULTS (ANCHOR FORCE= ").text(platform::text::Format(AnchorForce(m), "#####0.")).text(" (LB))"));
  r.blank();

  if (design)
    r.put(Line().spc(21).text("BENDING").spc(24).text("SCALED").spc(9).text("NET"));
  else
    r.put(Line().spc(21).text("BENDING").spc(39).text("NET"));
  r.put(Line().spc(6).text("ELEVATION").spc(6).text("MOMENT").spc(10).text("SHEAR").spc(8).text("DEFLECTION").spc(5).text("PRESSURE"));
  if (design)
    r.put(Line().spc(9).text("(FT)").spc(8).text("(LB-FT)").spc(10).text("(LB)").spc(9).text("(LB-IN^3)").spc(7).text("(PSF)"));
  else
    r.put(Line().spc(9).text("(FT)").spc(8).text("(LB-FT)").spc(10).text("(LB)").spc(11).text("(IN)").spc(10).text("(PSF)"));

  const int last = TipIndex(m);
  for (int p = 1; p <= last; ++p) {
    std::string marker;
    if (p != 1 && p < NumGridPoints) {
      // Only points of this profile are compared: the entry after its last point is
      // left over from an earlier profile.
      if (p + 1 <= last && std::fabs(ResultElev(p) - ResultElev(p + 1)) <= 0.0001) marker = "+";
      if (std::fabs(ResultElev(p - 1) - ResultElev(p)) <= 0.0001) marker = "-";
    }
    r.put(Line()
              .value(ResultElev(p), "####0.00", 14)
              .text(marker)
              .value(ResultMoment(p), "0.0000E+00", 28)
              .value(ResultShear(p), "####0.", 42)
              .value(ResultDeflection(p), "0.0000E+00", 60)
              .value(ResultNetPressure(p), "####0.00", 73));
  }
  if (design) Note(r);
  r.blank();
  r.indented(5, "III.--WATER AND SOIL PRESSURES");
  r.blank();
  r.indented(29, "<-------------SOIL PRESSURES-------------->");
  r.put(Line().spc(18).text("WATER").spc(6).text("<----LEFTSIDE----->").spc(6).text("<---RIGHTSIDE---->"));
  r.put(Line().spc(3).text("ELEVATION").spc(4).text("PRESSURE").spc(5).text("PASSIVE").spc(6).text("ACTIVE").spc(6).text("ACTIVE").spc(5).text("PASSIVE"));
  r.put(Line().spc(6).text("(FT)").spc(8).text("(PSF)").spc(7).text("(PSF)").spc(8).text("(PSF)").spc(7).text("(PSF)").spc(6).text("(PSF)"));

  PressureRow(r, 1, 1, "", false);
  for (int p = 2; p <= NumGridPoints; ++p) {
    const bool jump = PressuresJump(p);
    PressureRow(r, p, 2, jump ? "+" : " ", true);
    if (jump) PressureRow(r, p, 1, "-", true);
    if (GridElev(p) < TipElev(m)) break;
  }
  if (WedgeNoSolution(m, 1) != 0 || WedgeNoSolution(m, 2) != 0) {
    r.blank();
    r.indented(10, "*  STANDARD WEDGE SOLUTION DOES NOT EXIST FOR INDICATED PRESSURE");
    r.indented(10, "   AT THIS ELEVATION.");
  }
}

}  // namespace

void WriteResultsReport() {
  Report r{ReportSection::Append()};
  Summary(r);
  const int methods = WallType == "A" ? 2 : 1;
  for (int m = 1; m <= methods; ++m) {
    if (WallType == "A") {
      // Reading a results file leaves the report open for appending.
      ReadResultsFile(m);
      if (AbortRun != 0) break;
    }
    CompleteResults(r, m);
  }
  if (AbortRun == 0) r.blank(5);
  r.out.AddToOutputLineCount();
}
