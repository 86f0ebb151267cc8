// The soil pressure section of a design report: how each side's pressures were found
// and the initial water, earth and net pressures on the grid down to a depth cut-off.
#include <algorithm>
#include <cmath>

#include "model/problem.h"
#include "model/report_layout.h"
#include "platform/files.h"
#include "pressures/pressures.h"

using platform::text::Line;

namespace {

const char* SideWord(int side) { return side == 1 ? "RIGHTSIDE" : "LEFTSIDE"; }

// A diagram jumps at point p when any reported pressure differs above and below it
// (the water pressure is not looked at).
bool Jumps(int p, bool cantilever) {
  for (int side = 1; side <= 2; ++side) {
    const double size = std::max(SidePressureSize(side, p, 1), SidePressureSize(side, p, 2));
    if (PressuresDiffer(ActivePressure(side, p, 1), ActivePressure(side, p, 2), size)) return true;
    if (PressuresDiffer(PassivePressure(side, p, 1), PassivePressure(side, p, 2), size)) return true;
  }
  if (PressuresDiffer(NetPressureA(p, 1), NetPressureA(p, 2), NetPressureSize(p, false))) return true;
  return cantilever && PressuresDiffer(NetPressureP(p, 1), NetPressureP(p, 2), NetPressureSize(p, true));
}

Line Row(int p, int k, const char* marker, bool cantilever) {
  Line l;
  l.value(GridElev(p), "###0.0", 7).text(marker);
  l.value(NetWaterPressure(p, k), "###0.0", 15);
  l.value(PassivePressure(2, p, k), "####0.0", 25).text(WedgeMarkPassive(2, p));
  l.value(ActivePressure(2, p, k), "####0.0", 34).text(WedgeMarkActive(2, p));
  l.value(NetPressureA(p, k), "####0.0", cantilever ? 44 : 50);
  if (cantilever) l.value(NetPressureP(p, k), "####0.0", 54);
  l.value(ActivePressure(1, p, k), "####0.0", 64).text(WedgeMarkActive(1, p));
  l.value(PassivePressure(1, p, k), "####0.0", 74).text(WedgeMarkPassive(1, p));
  return l;
}

}  // namespace

void WriteSoilPressureReport() {
  const bool cantilever = WallType == "C";
  const double d = MinOf(SurfaceElev(1, 1), SurfaceElev(2, 1));
  double L = d - 3 * (WallTopElev - d);
  if (d - 30 < L) L = d - 30;
  const double lastRegular = GridElev(LastRegularGridPoint());
  if (L < lastRegular) L = lastRegular;

  ReportSection out = ReportSection::Append();
  out.blank(5);
  WriteReportBanner(out, 2, 28, 2, 63);
  WriteTitleBox(out, 28,
                {"*   SOIL PRESSURES FOR   *",
                 cantilever ? "* CANTILEVER WALL DESIGN *" : "*  ANCHORED WALL DESIGN  *"});
  out.blank();
  WriteHeadingBlock(out, " I.--HEADING");
  out.blank();
  out.line(Line().spc(5).text("II.--SOIL PRESSURES"));

  for (int side = 1; side <= 2; ++side) {
    out.blank();
    if (PressureMethod(side) == "C") {
      out.line(Line()
                   .spc(10)
                   .text(SideWord(side))
                   .text(" SOIL PRESSURES DETERMINED BY ")
                   .text(SoilDataType(side) == "S" ? "COULOMB" : "INPUT")
                   .text(" COEFFICIENTS"));
      out.line(Line().spc(10).text("AND THEORY OF ELLASTICITY EQUATIONS FOR SURCHARGE LOADS."));
    } else {
      out.line(Line()
                   .spc(10)
                   .text(SideWord(side))
                   .text(" SOIL PRESSURES DETERMINED BY ")
                   .text(PressureMethod(side) == "S" ? "SWEEP SEARCH" : "FIXED SURFACE")
                   .text(" WEDGE METHOD."));
    }
  }

  if (NumHorizDistPoints > 0) {
    out.blank();
    out.line(Line()
                 .spc(10)
                 .text("NET SOIL PRESSURES INCLUDE APPLIED HORIZONTAL ")
                 .text("DISTRIBUTED LOADS."));
  }
  if (SeepageOption == "A" && WaterDataType == "E") {
    out.blank();
    out.line(Line()
                 .spc(10)
                 .text("SOIL PRESSURES ARE REPORTED FOR A SEEPAGE GRADIENT = ")
                 .text(platform::text::Format(SeepageGradient(1), "#0.0000")));
    out.line(Line().spc(10).text("AND MAY CHANGE WITH AUTOMATIC ADJUSTMENT OF THE GRADIENT."));
  }

  const char* x = cantilever ? "ACTIVE   PASSIVE" : "      ACTIVE    ";
  const char* y = cantilever ? "(PSF)     (PSF) " : "      (PSF)     ";
  out.blank();
  out.line(Line().spc(37).text("<------NET------>"));
  out.line(Line()
               .spc(11)
               .text("NET")
               .spc(4)
               .text("<---LEFTSIDE--->")
               .spc(5)
               .text("(SOIL + WATER)")
               .spc(5)
               .text("<--RIGHTSIDE--->"));
  out.line(Line()
               .text("  ELEV.")
               .spc(3)
               .text("WATER")
               .spc(3)
               .text("PASSIVE")
               .spc(3)
               .text("ACTIVE")
               .spc(4)
               .text(x)
               .spc(4)
               .text("ACTIVE")
               .spc(3)
               .text("PASSIVE"));
  out.line(Line()
               .text("  (FT)")
               .spc(4)
               .text("(PSF)")
               .spc(5)
               .text("(PSF)")
               .spc(4)
               .text("(PSF)")
               .spc(5)
               .text(y)
               .spc(4)
               .text("(PSF)")
               .spc(5)
               .text("(PSF)"));

  // The table ends at the last point whose pressures the wedge method computed, with
  // its upper row, as it ends at the cut-off.
  const double computedTo = WedgePressuresComputedTo();
  bool endsUncomputed = false;
  out.line(Row(1, 1, " ", cantilever));
  for (int p = 2; p <= NumGridPoints; ++p) {
    const bool jump = Jumps(p, cantilever);
    out.line(Row(p, 2, jump ? "+" : " ", cantilever));
    if (GridElev(p) <= computedTo) {
      endsUncomputed = true;
      break;
    }
    if (GridElev(p) < L) break;
    if (jump) out.line(Row(p, 1, "-", cantilever));
  }

  if (WedgeNoSolution(1, 1) != 0 || WedgeNoSolution(1, 2) != 0) {
    out.line(Line()
                 .spc(10)
                 .text("* STANDARD WEDGE SOLUTION DOES NOT EXIST FOR INDICATED ")
                 .text("PRESSURE"));
    out.line(Line().spc(12).text("FOR THIS ELEVATION."));
  }
  if (endsUncomputed) {
    const bool right = WedgeComputedToElev(1) == computedTo, left = WedgeComputedToElev(2) == computedTo;
    out.line(Line()
                 .spc(10)
                 .text("WEDGE PRESSURES ARE NOT COMPUTED BELOW ELEVATION ")
                 .text(platform::text::Format(computedTo, "###0.00"))
                 .text(" (FT):"));
    out.line(Line()
                 .spc(10)
                 .text("A TRIAL WEDGE FROM BELOW IT DOES NOT FIT THE ")
                 .text(right && left ? "RIGHTSIDE AND LEFTSIDE" : right ? "RIGHTSIDE" : "LEFTSIDE")
                 .text(" SOIL LAYERS."));
  }
  out.blank(5);
  out.AddToOutputLineCount();
  platform::files::CloseAll();
}
