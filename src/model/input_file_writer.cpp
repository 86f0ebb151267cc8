// Writer of the input data file: the problem written back in the reader's format, to a
// file or to the printer. It checks nothing and writes what the variables hold.

#include <string>
#include <string_view>

#include "model/input_file.h"
#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/text_printer.h"

namespace text = platform::text;

namespace {

bool ToFile = true;

// Every line goes through here, so InputLineCount is what was really written: Save copies
// exactly that many lines of the file.
void Emit(const std::string& line) {
  if (ToFile) {
    if (platform::files::PrintLine(InFileNum, line)) ++InputLineCount;
    return;
  }
  if (platform::Printer* printer = platform::textPrinter()) printer->printLine(line);
  ++InputLineCount;
}

std::string s(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The number text: a leading blank unless negative, up to 15 significant digits.
std::string S(double x) { return text::NumberToText(x); }

// A printed number: the number text and one blank.
std::string P(double x) { return S(x) + " "; }

// A pair of factors of safety read back by position: a zero is left out (one blank)
// unless a non-zero value follows it on the line.
std::string ZActive(double active, double passive) {
  if (active != 0) return S(active);
  return passive != 0 ? S(0) : " ";
}
std::string ZPassive(double passive) { return passive != 0 ? S(passive) : " "; }

std::string SideWord(int side) { return side == 1 ? "RIGHTSIDE" : "LEFTSIDE"; }

// A factor of safety keeps its familiar two decimals only when they read back as the
// same factor: "1.004" written as "1.00" would design another wall, and "0.00" is
// refused by the reader.
std::string Factor(double fs) {
  const std::string twoDecimals = text::Format(fs, "#0.00");
  return text::Val(twoDecimals) == fs ? twoDecimals : text::NumberToTextPlain(fs);
}

void WriteControlLine() {
  const std::string t = WallType == "A" ? "ANCHORED" : "CANTILEVER";
  const std::string m = RunMode == "A" ? "ANALYSIS" : "DESIGN";
  std::string f1, f2;
  if (RunMode == "A") {
    if (AnalysisFSOption != 1) f1 = Factor(FSActive);
  } else {
    f1 = Factor(FSActive);
    f2 = Factor(FSPassive);
  }
  Emit("CONTROL" + s(2) + t + s(2) + m + s(2) + f1 + s(2) + f2);
}

void WriteWallLine() {
  const std::string a = WallType == "A" ? S(AnchorElev) : " ";
  const std::string r = RunMode == "A"
                            ? S(WallBottomElev) + s(2) + S(WallModulusE) + s(2) + S(WallInertia)
                            : " ";
  Emit("WALL" + s(2) + P(WallTopElev) + s(2) + a + s(2) + r);
}

void WriteSurfaceLines(int side) {
  const int n = NumSurfacePoints(side);
  Emit("SURFACE " + SideWord(side) + s(2) + P(n) + s(2) + P(SurfaceDist(side, 1)) + s(2) +
       P(SurfaceElev(side, 1)));
  for (int p = 2; p <= n; ++p) {
    Emit(s(17) + P(SurfaceDist(side, p)) + s(2) + P(SurfaceElev(side, p)));
  }
}

void WriteSoilLines(int side) {
  const int n = NumSoilLayers(side);
  if (SoilDataType(side) == "S") {
    Emit("SOIL " + SideWord(side) + s(2) + "STRENGTHS" + s(2) + P(n) + s(2) +
         ZActive(SideFSActive(side), SideFSPassive(side)) + s(2) +
         ZPassive(SideFSPassive(side)));
    for (int l = 1; l <= n; ++l) {
      const std::string b =
          l < n ? S(LayerBottomElev(side, l)) + s(2) + S(LayerBottomSlope(side, l)) : " ";
      Emit(s(2) + P(LayerSatUnitWeight(side, l)) + s(2) + P(LayerMoistUnitWeight(side, l)) +
           s(2) + P(LayerPhi(side, l)) + s(2) + P(LayerCohesion(side, l)) + s(2) +
           P(LayerWallFriction(side, l)) + s(2) + P(LayerAdhesion(side, l)) + s(2) + b + s(2) +
           ZActive(LayerFSActive(side, l), LayerFSPassive(side, l)) + s(2) +
           ZPassive(LayerFSPassive(side, l)));
    }
  } else {
    Emit("SOIL " + SideWord(side) + s(2) + "COEFFICIENTS" + s(2) + P(n));
    for (int l = 1; l <= n; ++l) {
      const std::string b = l < n ? S(LayerBottomElev(side, l)) : " ";
      Emit(s(2) + P(LayerSatUnitWeight(side, l)) + s(2) + P(LayerMoistUnitWeight(side, l)) +
           s(2) + P(LayerKa(side, l)) + s(2) + P(LayerKp(side, l)) + s(2) + b);
    }
  }
}

void WriteWaterLines() {
  if (WaterDataType == "E") {
    std::string x = " ";
    if (SeepageOption == "G") x = S(SeepageElev) + s(2) + S(SeepageGradient(1));
    if (SeepageOption == "A") x = S(SeepageElev) + s(2) + "AUTOMATIC";
    Emit("WATER ELEVATIONS" + s(2) + P(WaterUnitWeight) + s(2) + P(WaterElev(1)) + s(2) +
         P(WaterElev(2)) + s(2) + x);
  } else if (WaterDataType == "P") {
    const int n = NumWaterPressPoints;
    Emit("WATER PRESSURES" + s(2) + P(n) + s(2) + P(WaterPressElev(1)) + s(2) +
         P(WaterPressValue(1)) + s(2) + P(WaterPressElev(2)) + s(2) + P(WaterPressValue(2)));
    for (int p = 3; p <= n; ++p) {
      Emit(s(17) + P(WaterPressElev(p)) + s(2) + P(WaterPressValue(p)));
    }
  }
}

void WriteVerticalSurcharges() {
  for (int side = 1; side <= 2; ++side) {
    const int n = NumLineLoads(side);
    if (n <= 0) continue;
    std::string l = S(n) + s(2) + S(LineLoadDist(side, 1)) + s(2) + S(LineLoad(side, 1));
    for (int i = 2; i <= n; ++i) {
      l += s(2) + S(LineLoadDist(side, i)) + s(2) + S(LineLoad(side, i));
    }
    Emit("VERTICAL LINE  " + SideWord(side) + s(2) + l);
  }

  if (NumUniformLoads(1) + NumUniformLoads(2) > 0) {
    // A value without its count is a leftover of an earlier problem.
    const double u1 = NumUniformLoads(1) == 1 ? UniformLoad(1) : 0;
    const double u2 = NumUniformLoads(2) == 1 ? UniformLoad(2) : 0;
    Emit("VERTICAL UNIFORM" + s(2) + P(u1) + s(2) + P(u2));
  }

  for (int side = 1; side <= 2; ++side) {
    const int n = NumStripLoads(side);
    if (n <= 0) continue;
    Emit("VERTICAL STRIP  " + SideWord(side) + s(2) + P(n) + s(2) + P(StripStartDist(side, 1)) +
         s(2) + P(StripEndDist(side, 1)) + s(2) + P(StripLoad(side, 1)));
    for (int i = 2; i <= n; ++i) {
      Emit(s(20) + P(StripStartDist(side, i)) + s(2) + P(StripEndDist(side, i)) + s(2) +
           P(StripLoad(side, i)));
    }
  }

  for (int side = 1; side <= 2; ++side) {
    if (NumRampLoads(side) <= 0) continue;
    Emit("VERTICAL RAMP  " + SideWord(side) + s(2) + P(RampStartDist(side)) + s(2) +
         P(RampEndDist(side)) + s(2) + P(RampLoad(side)));
  }

  for (int side = 1; side <= 2; ++side) {
    const int n = NumTriangularLoads(side);
    if (n <= 0) continue;
    Emit("VERTICAL TRIANGULAR  " + SideWord(side) + s(2) + P(n) + s(2) +
         P(TriStartDist(side, 1)) + s(2) + P(TriPeakDist(side, 1)) + s(2) +
         P(TriEndDist(side, 1)) + s(2) + P(TriPeakLoad(side, 1)));
    for (int i = 2; i <= n; ++i) {
      Emit(s(20) + P(TriStartDist(side, i)) + s(2) + P(TriPeakDist(side, i)) + s(2) +
           P(TriEndDist(side, i)) + s(2) + P(TriPeakLoad(side, i)));
    }
  }

  for (int side = 1; side <= 2; ++side) {
    const int n = NumVariablePoints(side);
    if (n <= 0) continue;
    Emit("VERTICAL VARIABLE  " + SideWord(side) + s(2) + P(n) + s(2) + P(VarLoadDist(side, 1)) +
         s(2) + P(VarLoadValue(side, 1)) + s(2) + P(VarLoadDist(side, 2)) + s(2) +
         P(VarLoadValue(side, 2)));
    for (int p = 3; p <= n; ++p) {
      Emit(s(20) + P(VarLoadDist(side, p)) + s(2) + P(VarLoadValue(side, p)));
    }
  }
}

void WriteHorizontalLoads() {
  if (NumHorizLineLoads >= 1) {
    const int n = NumHorizLineLoads;
    std::string h = S(n) + s(2) + S(HorizLineElev(1)) + s(2) + S(HorizLineLoad(1));
    for (int i = 2; i <= n; ++i) h += s(2) + S(HorizLineElev(i)) + s(2) + S(HorizLineLoad(i));
    Emit("HORIZONTAL LINE" + s(2) + h);
  }
  if (NumHorizDistPoints > 0) {
    const int n = NumHorizDistPoints;
    Emit("HORIZONTAL DISTRIBUTED" + s(2) + P(n) + s(2) + P(HorizDistElev(1)) + s(2) +
         P(HorizDistLoad(1)) + s(2) + P(HorizDistElev(2)) + s(2) + P(HorizDistLoad(2)));
    for (int p = 3; p <= n; ++p) {
      Emit(s(20) + P(HorizDistElev(p)) + s(2) + P(HorizDistLoad(p)));
    }
  }
}

}  // namespace

void WriteInputData(std::string& Target) {
  ToFile = Target == "FILE";
  InputLineCount = 0;
  for (int i = 1; i <= NumHeadingLines; ++i) Emit(HeadingLines(i));
  WriteControlLine();
  WriteWallLine();
  for (int side = 1; side <= 2; ++side) WriteSurfaceLines(side);
  for (int side = 1; side <= 2; ++side) WriteSoilLines(side);
  WriteWaterLines();
  WriteVerticalSurcharges();
  WriteHorizontalLoads();
  Emit("FINISHED");
  if (!ToFile) {
    if (platform::Printer* printer = platform::textPrinter()) printer->endDoc();
  }
}
