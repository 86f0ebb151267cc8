// The input data section: the problem as read or entered, for the engineer to check.
// Every literal, indent and column here is part of the report's layout.

#include "model/input_echo.h"

#include <string>

#include "model/problem_data.h"
#include "model/report_layout.h"
#include "platform/text.h"

using platform::text::Line;

namespace {

void WriteControl(ReportSection& out) {
  out.blank();
  out.line(Line().spc(5).text("  II.--CONTROL"));
  out.line(Line()
               .spc(10)
               .text(WallType == "A" ? "ANCHORED WALL " : "CANTILEVER WALL ")
               .text(RunMode == "A" ? "ANALYSIS" : "DESIGN"));
  const std::string active = "FACTOR OF SAFETY FOR ACTIVE PRESSURES  = ";
  if (RunMode == "D") {
    out.line(Line().spc(10).text(active).text(platform::text::Format(FSActive, "#0.00")));
    out.line(Line()
                 .spc(10)
                 .text("FACTOR OF SAFETY FOR PASSIVE PRESSURES = ")
                 .text(platform::text::Format(FSPassive, "#0.00")));
  } else if (AnalysisFSOption == 1) {
    out.line(Line()
                 .spc(10)
                 .text("SAME FACTOR OF SAFETY APPLIED TO BOTH ACTIVE ")
                 .text("AND PASSIVE PRESSURES."));
  } else {
    out.line(Line().spc(10).text(active).text(platform::text::Format(FSActive, "#0.00")));
  }
}

void WriteWall(ReportSection& out) {
  using platform::text::Format;
  out.blank();
  out.line(Line().spc(5).text(" III.--WALL DATA"));
  out.line(Line()
               .spc(10)
               .text("ELEVATION AT TOP OF WALL    = ")
               .text(Format(WallTopElev, "####0.00"))
               .text(" FT."));
  if (WallType == "A") {
    out.line(Line()
                 .spc(10)
                 .text("ELEVATION AT ANCHOR         = ")
                 .text(Format(AnchorElev, "####0.00"))
                 .text(" FT."));
  }
  if (RunMode == "A") {
    out.line(Line()
                 .spc(10)
                 .text("ELEVATION AT BOTTOM OF WALL = ")
                 .text(Format(WallBottomElev, "####0.00"))
                 .text(" FT."));
    out.line(Line()
                 .spc(10)
                 .text("WALL MODULUS OF ELLASTACITY  = ")
                 .text(Format(WallModulusE, "0.000E+00"))
                 .text(" PSI."));
    out.line(Line()
                 .spc(10)
                 .text("WALL MOMENT OF INERTIA      = ")
                 .text(Format(WallInertia, "####0.00"))
                 .text(" IN^4."));
  }
}

void WriteSurfacePoints(ReportSection& out) {
  out.blank();
  out.line(Line().spc(5).text("  IV.--SURFACE POINT DATA"));
  for (int side = 1; side <= 2; ++side) {
    out.blank();
    out.line(Line().spc(10).text(side == 1 ? "  IV.A.--RIGHTSIDE" : "  IV.B.--LEFTSIDE"));
    out.line(Line().spc(15).text("DIST. FROM").spc(5).text("ELEVATION"));
    out.line(Line().spc(15).text("WALL (FT)").spc(9).text("(FT)"));
    for (int k = 1; k <= NumSurfacePoints(side); ++k) {
      out.line(Line()
                   .value(SurfaceDist(side, k), "####0.00", 24)
                   .value(SurfaceElev(side, k), "####0.00", 38));
    }
  }
}

// A layer factor of safety: its value, or DEF when none is given at the layer.
void LayerFactor(Line& l, double fs, int lastColumn) {
  if (fs > 0) {
    l.value(fs, "0.00", lastColumn);
  } else {
    RightAligned(l, "DEF", lastColumn);
  }
}

void WriteStrengthTable(ReportSection& out, int side) {
  using platform::text::Format;
  const auto level2 = [&](const char* label, double fs) {
    out.line(Line().spc(15).text(label).text(fs <= 0 ? std::string("DEFAULT")
                                                        : Format(fs, "#0.00")));
  };
  level2("LEVEL 2 FACTOR OF SAFETY FOR ACTIVE PRESSURE  = ", SideFSActive(side));
  level2("LEVEL 2 FACTOR OF SAFETY FOR PASSIVE PRESSURE = ", SideFSPassive(side));
  out.blank();
  out.line(Line().spc(17).text("ANGLE OF").spc(9).text("ANGLE OF").spc(24).text("<-SAFETY->"));
  out.line(Line()
               .text("   SAT.   MOIST  INTERNAL  COH-     WALL    ADH-")
               .text("    <--BOTTOM-->  <-FACTOR->"));
  out.line(Line()
               .text("  WGHT.   WGHT.  FRICTION  ESION  FRICTION  ESION")
               .text("   ELEV.  SLOPE  ACT. PASS."));
  out.line(Line()
               .text("  (PCF)   (PCF)    (DEG)   (PSF)    (DEG)   (PSF)   ")
               .text("(FT)  (FT/FT)"));
  const int n = NumSoilLayers(side);
  for (int l = 1; l <= n; ++l) {
    Line row;
    row.value(LayerSatUnitWeight(side, l), "##0.00", 7)
        .value(LayerMoistUnitWeight(side, l), "##0.00", 15)
        .value(LayerPhi(side, l), "#0.00", 24)
        .value(LayerCohesion(side, l), "###0.00", 32)
        .value(LayerWallFriction(side, l), "#0.00", 41)
        .value(LayerAdhesion(side, l), "###0.00", 49);
    if (l < n) {
      row.value(LayerBottomElev(side, l), "####0.00", 57)
          .value(LayerBottomSlope(side, l), "#0.00", 64);
    } else {
      // The last layer has no bottom: a single blank stands in each column.
      RightAligned(row, " ", 57);
      RightAligned(row, " ", 64);
    }
    LayerFactor(row, LayerFSActive(side, l), 70);
    LayerFactor(row, LayerFSPassive(side, l), 75);
    out.line(row);
  }
}

void WriteCoefficientTable(ReportSection& out, int side) {
  out.line(Line()
               .spc(16).text("SAT.")
               .spc(5).text("MOIST")
               .spc(7).text("ACTIVE")
               .spc(8).text("PASSIVE")
               .spc(7).text("BOTTOM"));
  out.line(Line()
               .spc(15).text("WEIGHT")
               .spc(5).text("WEIGHT")
               .spc(4).text("COEFFICIENT")
               .spc(3).text("COEFFICIENT")
               .spc(3).text("ELEVATION"));
  out.line(Line().spc(16).text("(PCF)").spc(5).text("(PCF)").spc(35).text("(FT)"));
  const int n = NumSoilLayers(side);
  for (int l = 1; l <= n; ++l) {
    Line row;
    row.value(LayerSatUnitWeight(side, l), "##0.00", 20)
        .value(LayerMoistUnitWeight(side, l), "##0.00", 30)
        .value(LayerKa(side, l), "#0.00", 43)
        .value(LayerKp(side, l), "###0.00", 57);
    if (l < n) {
      row.value(LayerBottomElev(side, l), "####0.00", 70);
    } else {
      RightAligned(row, " ", 70);
    }
    out.line(row);
  }
}

void WriteSoilLayers(ReportSection& out) {
  out.blank();
  out.line(Line().spc(5).text("   V.--SOIL LAYER DATA"));
  for (int side = 1; side <= 2; ++side) {
    out.blank();
    out.line(Line().spc(10).text(side == 1 ? " V.A.--RIGHTSIDE" : " V.B.--LEFTSIDE"));
    if (SoilDataType(side) == "S") {
      WriteStrengthTable(out, side);
    } else {
      WriteCoefficientTable(out, side);
    }
  }
}

void WriteWater(ReportSection& out) {
  using platform::text::Format;
  out.blank();
  out.line(Line().spc(5).text("  VI.--WATER DATA"));
  if (WaterDataType == "E") {
    out.line(Line()
                 .spc(10).text("UNIT WEIGHT")
                 .spc(9).text("= ")
                 .text(Format(WaterUnitWeight, "####0.00"))
                 .text(" (PCF)"));
    out.line(Line()
                 .spc(10)
                 .text("RIGHTSIDE ELEVATION = ")
                 .text(Format(WaterElev(1), "####0.00"))
                 .text(" (FT)"));
    out.line(Line()
                 .spc(10)
                 .text("LEFTSIDE ELEVATION  = ")
                 .text(Format(WaterElev(2), "####0.00"))
                 .text(" (FT)"));
    if (SeepageOption == "A" || SeepageOption == "G") {
      out.line(Line()
                   .spc(10)
                   .text("SEEPAGE ELEVATION   = ")
                   .text(Format(SeepageElev, "####0.00"))
                   .text(" (FT)"));
      if (SeepageOption == "A") {
        out.line(Line().spc(10).text("SEEPAGE GRADIENT    = AUTOMATIC"));
      } else {
        out.line(Line()
                     .spc(10)
                     .text("SEEPAGE GRADIENT    = ")
                     .text(Format(SeepageGradient(1), "##0.0000"))
                     .text(" (FT/FT)"));
      }
    } else {
      out.line(Line().spc(10).text("NO SEEPAGE"));
    }
  } else if (WaterDataType == "P") {
    out.line(Line().spc(10).text("ELEVATION").spc(6).text("NET WATER"));
    out.line(Line().spc(13).text("(FT)").spc(6).text("PRESSURE (PSF)"));
    for (int k = 1; k <= NumWaterPressPoints; ++k) {
      out.line(Line()
                   .value(WaterPressElev(k), "####0.00", 18)
                   .value(WaterPressValue(k), "####0.00", 33));
    }
  } else {
    out.line(Line().spc(10).text("NONE"));
  }
}

// One vertical surcharge subsection: its title, then per side its title and either the
// header lines and one row per item, or NONE.
template <class Headers, class Rows>
void WriteSurchargeKind(ReportSection& out, const char* title, const char* rightTitle,
                        const char* leftTitle, int rightCount, int leftCount, Headers headers,
                        Rows rows) {
  out.blank();
  out.line(Line().spc(10).text(title));
  if (rightCount + leftCount == 0) {
    out.line(Line().spc(15).text("NONE"));
    return;
  }
  for (int side = 1; side <= 2; ++side) {
    out.blank();
    out.line(Line().spc(15).text(side == 1 ? rightTitle : leftTitle));
    if ((side == 1 ? rightCount : leftCount) > 0) {
      headers();
      rows(side);
    } else {
      out.line(Line().spc(20).text("NONE"));
    }
  }
}

void WriteVerticalSurcharges(ReportSection& out) {
  out.blank();
  out.line(Line().spc(5).text(" VII.--VERTICAL SURCHARGE LOADS"));
  int total = 0;
  for (int side = 1; side <= 2; ++side) {
    total += NumLineLoads(side) + NumUniformLoads(side) + NumStripLoads(side) +
             NumRampLoads(side) + NumTriangularLoads(side) + NumVariablePoints(side);
  }
  if (total == 0) {
    out.line(Line().spc(10).text("NONE"));
    return;
  }

  WriteSurchargeKind(
      out, "VII.A.--VERTICAL LINE LOADS", "VII.A.1.--RIGHTSIDE", "VII.A.2.--LEFTSIDE",
      NumLineLoads(1), NumLineLoads(2),
      [&] {
        out.line(Line().spc(20).text("DIST. FROM").spc(5).text("LINE LOAD"));
        out.line(Line().spc(20).text("WALL (FT)").spc(8).text(" (PLF)"));
      },
      [&](int side) {
        for (int i = 1; i <= NumLineLoads(side); ++i) {
          out.line(Line()
                       .value(LineLoadDist(side, i), "####0.00", 29)
                       .value(LineLoad(side, i), "####0.00", 43));
        }
      });

  out.blank();
  out.line(Line().spc(10).text("VII.B.--VERTICAL UNIFORM LOADS"));
  if (NumUniformLoads(1) + NumUniformLoads(2) == 0) {
    out.line(Line().spc(20).text("NONE"));
  } else {
    // A side without a uniform load shows 0, not a value left from an earlier problem.
    const double left = NumUniformLoads(2) > 0 ? UniformLoad(2) : 0;
    const double right = NumUniformLoads(1) > 0 ? UniformLoad(1) : 0;
    out.line(Line().spc(20).text("LEFTSIDE").spc(5).text("RIGHTSIDE"));
    out.line(Line().spc(22).text("(PSF)").spc(8).text("(PSF)"));
    out.line(Line().value(left, "####0.00", 27).value(right, "####0.00", 41));
  }

  WriteSurchargeKind(
      out, "VII.C.--VERTICAL STRIP LOADS", "VII.C.1.--RIGHTSIDE", "VII.C.2.--LEFTSIDE",
      NumStripLoads(1), NumStripLoads(2),
      [&] {
        out.line(Line().spc(15).text("<-DIST. FROM WALL->"));
        out.line(Line().spc(17).text("START").spc(7).text("END").spc(6).text("STRIP LOAD"));
        out.line(Line().spc(18).text("(FT)").spc(7).text("(FT)").spc(8).text("(PSF)"));
      },
      [&](int side) {
        for (int i = 1; i <= NumStripLoads(side); ++i) {
          out.line(Line()
                       .value(StripStartDist(side, i), "####0.00", 22)
                       .value(StripEndDist(side, i), "####0.00", 33)
                       .value(StripLoad(side, i), "####0.00", 46));
        }
      });

  WriteSurchargeKind(
      out, "VII.D.--VERTICAL RAMP LOADS", "VII.D.1.--RIGHTSIDE", "VII.D.2.--LEFTSIDE",
      NumRampLoads(1), NumRampLoads(2),
      [&] {
        out.line(Line().spc(15).text("<---DIST. FORM WALL--->"));
        out.line(Line().spc(15).text("START RAMP").spc(5).text("END RAMP").spc(5).text(
            "RAMP LOAD"));
        out.line(Line().spc(18).text("(FT)").spc(10).text("(FT)").spc(9).text("(PSF)"));
      },
      [&](int side) {
        out.line(Line()
                     .value(RampStartDist(side), "####0.00", 22)
                     .value(RampEndDist(side), "####0.00", 36)
                     .value(RampLoad(side), "####0.00", 50));
      });

  WriteSurchargeKind(
      out, "VII.E.--VERTICAL TRIANGULAR LOADS", "VII.E.1.--RIGHTSIDE", "VII.E.2.--LEFTSIDE",
      NumTriangularLoads(1), NumTriangularLoads(2),
      [&] {
        out.line(Line().spc(15).text("<------DIST. FROM WALL------->"));
        out.line(Line()
                     .spc(18).text("START")
                     .spc(5).text("PEAK")
                     .spc(7).text("END")
                     .spc(5).text("PEAK LOAD"));
        out.line(Line()
                     .spc(18).text("(FT)")
                     .spc(6).text("(FT)")
                     .spc(6).text("(FT)")
                     .spc(8).text("(PSF)"));
      },
      [&](int side) {
        for (int i = 1; i <= NumTriangularLoads(side); ++i) {
          out.line(Line()
                       .value(TriStartDist(side, i), "####0.00", 22)
                       .value(TriPeakDist(side, i), "####0.00", 32)
                       .value(TriEndDist(side, i), "####0.00", 43)
                       .value(TriPeakLoad(side, i), "####0.00", 55));
        }
      });

  WriteSurchargeKind(
      out, "VII.F.--VERTICAL VARIABLE LOADS", "VII.F.1.--RIGHTSIDE", "VII.F.2.--LEFTSIDE",
      NumVariablePoints(1), NumVariablePoints(2),
      [&] {
        out.line(Line().spc(15).text("DIST. FROM").spc(6).text("VARIABLE"));
        out.line(Line().spc(15).text("WALL (FT)").spc(6).text("LOAD (PSF)"));
      },
      [&](int side) {
        for (int p = 1; p <= NumVariablePoints(side); ++p) {
          out.line(Line()
                       .value(VarLoadDist(side, p), "####0.00", 22)
                       .value(VarLoadValue(side, p), "####0.00", 38));
        }
      });
}

void WriteHorizontalLoads(ReportSection& out) {
  out.blank();
  out.line(Line().spc(5).text("VIII.--HORIZONTAL LOADS"));
  if (NumHorizLineLoads + NumHorizDistPoints == 0) {
    out.line(Line().spc(10).text("NONE"));
    return;
  }
  out.blank();
  out.line(Line().spc(10).text("VIII.A.--HORIZONTAL LINE LOADS"));
  if (NumHorizLineLoads > 0) {
    out.line(Line().spc(15).text("ELEVATION").spc(5).text("LINE LOAD"));
    out.line(Line().spc(18).text("(FT)").spc(9).text("(PLF)"));
    for (int i = 1; i <= NumHorizLineLoads; ++i) {
      out.line(Line()
                   .value(HorizLineElev(i), "####0.00", 22)
                   .value(HorizLineLoad(i), "####0.00", 36));
    }
  } else {
    out.line(Line().spc(20).text("NONE"));
  }
  out.blank();
  out.line(Line().spc(10).text("VIII.B.--HORIZONTAL DISTRIBUTED LOADS"));
  if (NumHorizDistPoints > 0) {
    out.line(Line().spc(15).text("ELEVATION").spc(4).text("DIST. LOAD"));
    out.line(Line().spc(18).text("(FT)").spc(9).text("(PSF)"));
    for (int p = 1; p <= NumHorizDistPoints; ++p) {
      out.line(Line()
                   .value(HorizDistElev(p), "####0.00", 22)
                   .value(HorizDistLoad(p), "####0.00", 36));
    }
  } else {
    out.line(Line().spc(15).text("NONE"));
  }
}

}  // namespace

void WriteInputEcho() {
  ReportSection out = ReportSection::Current();
  WriteReportBanner(out, 2, 28, 2, 63);
  WriteTitleBox(out, 30, {"*  INPUT DATA  *"});
  out.blank();
  WriteHeadingBlock(out, "   I.--HEADING");
  WriteControl(out);
  WriteWall(out);
  WriteSurfacePoints(out);
  WriteSoilLayers(out);
  WriteWater(out);
  WriteVerticalSurcharges(out);
  WriteHorizontalLoads(out);
  out.blank(5);
  out.SetOutputLineCount();
}
