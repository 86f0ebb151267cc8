// Reader of the input data file. Every value is stored in its variable before it is
// tested, and the first fault ends the reading with a message box that quotes the line.

#include <string>
#include <string_view>

#include "model/input_file.h"
#include "model/input_rules.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/text.h"

namespace text = platform::text;
namespace files = platform::files;

namespace {

constexpr int kMaxFields = 20;
constexpr int kExclamationOK = 48;

// Thrown once a fault has been reported; unwinds to ReadInputDataFile, which closes the
// file. Never leaves the reader.
struct StopReading {};

// The section the data-error message names.
std::string Section;

// True until the first physical line of the file has been read, so a UTF-8 byte-order
// mark in front of it can be dropped.
bool AtFileStart = false;

[[noreturn]] void DataError() {
  TextBuffer = "Error detected while attempting to process " + Section + NewLine +
               "Current input line is:" + NewLine + NewLine + InputLine + NewLine + NewLine +
               "Unable to continue.";
  platform::MsgBox(TextBuffer, kExclamationOK, TextBuffer2);
  throw StopReading{};
}

[[noreturn]] void InputDataError(const std::string& firstLine) {
  TextBuffer = firstLine + NewLine + "Current input line is:" + NewLine + NewLine + InputLine +
               NewLine + NewLine + "Unable to continue.";
  platform::MsgBox(TextBuffer, kExclamationOK, "INPUT DATA ERRORS");
  throw StopReading{};
}

// The next significant line; the end of the file ends the reading as incomplete.
void NextLine() {
  ReadDataLine();
  if (AbortRun != 0) {
    TextBuffer = "File:  " + InputFileName + "  is incomplete." + NewLine + NewLine +
                 "     Unable to continue.";
    platform::MsgBox(TextBuffer, kExclamationOK, "INCOMPLETE INPUT FILE!");
    throw StopReading{};
  }
}

int NumFields() {
  int n = 0;
  while (n < kMaxFields && FieldPos(n + 1, 1) != 0) ++n;
  return n;
}

bool HasField(int k) { return k >= 1 && k <= kMaxFields && FieldPos(k, 1) != 0; }

void RequireFields(int n) {
  if (NumFields() < n) DataError();
}

std::string_view FieldText(int k) {
  if (!HasField(k)) DataError();
  const std::size_t first = static_cast<std::size_t>(FieldPos(k, 1));
  const std::size_t last = static_cast<std::size_t>(FieldPos(k, 2));
  return std::string_view(InputLine).substr(first - 1, last - first + 1);
}

char FirstLetter(int k) { return FieldText(k).front(); }

bool LineStartsWith(std::string_view keyword) {
  return std::string_view(InputLine).substr(0, keyword.size()) == keyword;
}

// A field named as a value: missing or not numeric is a data error.
double Value(int k) {
  const std::string_view t = FieldText(k);
  if (!text::IsNumeric(t)) DataError();
  return text::Val(t);
}

// A count field: the nearest integer, halves to even. A value outside the 16-bit range is
// outside every limit, so it is refused before it is narrowed.
int Count(int k) {
  const double v = Value(k);
  if (!(v > -32769.0 && v < 32768.0)) DataError();
  const long n = text::RoundCount(v);
  if (n < -32768 || n > 32767) DataError();
  return static_cast<int>(n);
}

void Check(bool ok) {
  if (!ok) DataError();
}

// ---- side words ----

struct SideChoice {
  int side = 1;        // the side the line's data are read into
  bool both = false;   // side word B: copy side 1 to side 2 afterwards
  bool left = false;   // side word L
};

// Surface and soil lines: the right side comes first, the left side needs the right.
SideChoice SurfaceSoilSide(int k, int rightCount, int leftCount) {
  const char c = FirstLetter(k);
  if (c == 'R' && rightCount == 0) return {1, false, false};
  if (c == 'L' && rightCount != 0 && leftCount == 0) return {2, false, true};
  if (c == 'B' && rightCount == 0 && leftCount == 0) return {1, true, false};
  DataError();
}

// Vertical surcharge lines: each side is optional. Unless the kind may come in either
// order, a right-side line after the left side's is out of order.
SideChoice SurchargeSide(int k, int rightCount, int leftCount, bool eitherOrder) {
  const char c = FirstLetter(k);
  if (c == 'R' && rightCount == 0 && (eitherOrder || leftCount == 0)) return {1, false, false};
  if (c == 'L' && leftCount == 0) return {2, false, true};
  if (c == 'B' && rightCount == 0 && leftCount == 0) return {1, true, false};
  DataError();
}

// ---- sections ----

void ReadHeadingLines() {
  NextLine();
  while (InputLine.front() == '\'') {
    ++NumHeadingLines;
    if (NumHeadingLines > 4) InputDataError("Number of HEADING LINES is greater than 4.");
    HeadingLines(NumHeadingLines) = InputLine;
    NextLine();
  }
  if (NumHeadingLines == 0) InputDataError("At least one HEADING LINE is required.");
}

void ReadControlLine() {
  Section = "CONTROL DATA";
  RequireFields(3);
  Check(InputLine.front() == 'C');
  switch (FirstLetter(2)) {
    case 'C': WallType = "C"; break;
    case 'A': WallType = "A"; break;
    default: DataError();
  }
  switch (FirstLetter(3)) {
    case 'D': RunMode = "D"; break;
    case 'A': RunMode = "A"; break;
    default: DataError();
  }
  if (RunMode == "D") {
    FSActive = 1.0;
    FSPassive = 1.5;
    if (HasField(4)) {
      FSActive = Value(4);
      Check(input_rules::FactorOfSafetyValid(FSActive));
      FSPassive = FSActive;
      if (HasField(5)) {
        FSPassive = Value(5);
        Check(input_rules::FactorOfSafetyValid(FSPassive));
      }
    }
  } else {
    AnalysisFSOption = 1;
    if (HasField(4)) {
      FSActive = Value(4);
      Check(input_rules::FactorOfSafetyValid(FSActive));
      AnalysisFSOption = 2;
    }
  }
}

void ReadWallLine() {
  Section = "WALL DATA";
  NextLine();
  const bool anchored = WallType == "A";
  const bool analysis = RunMode == "A";
  RequireFields(analysis ? (anchored ? 6 : 5) : (anchored ? 3 : 2));
  Check(LineStartsWith("WAL"));
  WallTopElev = Value(2);
  int k = 3;
  if (anchored) {
    AnchorElev = Value(k++);
    Check(input_rules::AnchorNotAboveWallTop(AnchorElev, WallTopElev));
  }
  if (analysis) {
    WallBottomElev = Value(k++);
    Check(input_rules::WallBottomBelow(WallBottomElev, WallTopElev));
    if (anchored) Check(input_rules::WallBottomBelow(WallBottomElev, AnchorElev));
    WallModulusE = Value(k++);
    Check(input_rules::WallStiffnessValid(WallModulusE));
    WallInertia = Value(k++);
    Check(input_rules::WallStiffnessValid(WallInertia));
  }
}

void ReadSurfaceSection() {
  Section = "SOIL SURFACE DATA";
  NextLine();
  for (;;) {
    RequireFields(5);
    Check(LineStartsWith("SU"));
    const SideChoice s = SurfaceSoilSide(2, NumSurfacePoints(1), NumSurfacePoints(2));
    const int side = s.side;
    NumSurfacePoints(side) = Count(3);
    Check(input_rules::SurfacePointCountValid(NumSurfacePoints(side)));
    SurfaceDist(side, 1) = Value(4);
    Check(input_rules::DistanceValid(SurfaceDist(side, 1)));
    SurfaceElev(side, 1) = Value(5);
    Check(input_rules::SurfaceNotAboveWallTop(SurfaceElev(side, 1), WallTopElev));
    for (int p = 2; p <= NumSurfacePoints(side); ++p) {
      NextLine();
      RequireFields(2);
      SurfaceDist(side, p) = Value(1);
      Check(input_rules::DistanceIncreases(SurfaceDist(side, p), SurfaceDist(side, p - 1)));
      SurfaceElev(side, p) = Value(2);
    }
    if (s.both) {
      NumSurfacePoints(2) = NumSurfacePoints(1);
      for (int p = 1; p <= NumSurfacePoints(1); ++p) {
        SurfaceDist(2, p) = SurfaceDist(1, p);
        SurfaceElev(2, p) = SurfaceElev(1, p);
      }
    }
    if (s.both || s.left) return;
    NextLine();  // the left side is required after the right
  }
}

void CheckWallBottomBelowSurface() {
  if (RunMode != "A") return;
  if (input_rules::WallBottomBelowSurfaces(WallBottomElev, SurfaceElev(1, 1), SurfaceElev(2, 1))) return;
  TextBuffer = "WALL BOTTOM ELEVATION AND SOIL SURFACE ELEVATIONS" + NewLine +
               "     ARE INCONSISTENT." + NewLine + NewLine + "  Unable to continue.";
  platform::MsgBox(TextBuffer, kExclamationOK, "INPUT DATA ERRORS");
  throw StopReading{};
}

// An optional factor of safety: >= 0, 0 when the field is absent.
double OptionalFactor(int k) {
  if (!HasField(k)) return 0;
  return Value(k);
}

void ReadStrengthLayers(int side) {
  const int n = NumSoilLayers(side);
  for (int l = 1; l <= n; ++l) {
    NextLine();
    const bool last = l == n;
    RequireFields(last ? 6 : 8);
    LayerSatUnitWeight(side, l) = Value(1);
    Check(input_rules::UnitWeightValid(LayerSatUnitWeight(side, l)));
    LayerMoistUnitWeight(side, l) = Value(2);
    Check(input_rules::UnitWeightValid(LayerMoistUnitWeight(side, l)));
    LayerPhi(side, l) = Value(3);
    Check(input_rules::FrictionAngleValid(LayerPhi(side, l)));
    LayerCohesion(side, l) = Value(4);
    Check(input_rules::CohesionValid(LayerCohesion(side, l)));
    Check(input_rules::SoilHasStrength(LayerPhi(side, l), LayerCohesion(side, l)));
    LayerWallFriction(side, l) = Value(5);
    Check(input_rules::WallFrictionValid(LayerWallFriction(side, l), LayerPhi(side, l)));
    LayerAdhesion(side, l) = Value(6);
    Check(input_rules::AdhesionValid(LayerAdhesion(side, l), LayerCohesion(side, l)));
    if (!last) {
      LayerBottomElev(side, l) = Value(7);
      if (l >= 2) Check(input_rules::ElevationFalls(LayerBottomElev(side, l), LayerBottomElev(side, l - 1)));
      LayerBottomSlope(side, l) = Value(8);
    }
    const int fsField = last ? 7 : 9;
    LayerFSActive(side, l) = OptionalFactor(fsField);
    Check(input_rules::OptionalFactorOfSafetyValid(LayerFSActive(side, l)));
    LayerFSPassive(side, l) = OptionalFactor(fsField + 1);
    Check(input_rules::OptionalFactorOfSafetyValid(LayerFSPassive(side, l)));
  }
}

void ReadCoefficientLayers(int side) {
  const int n = NumSoilLayers(side);
  for (int l = 1; l <= n; ++l) {
    NextLine();
    const bool last = l == n;
    RequireFields(last ? 4 : 5);
    LayerSatUnitWeight(side, l) = Value(1);
    Check(input_rules::UnitWeightValid(LayerSatUnitWeight(side, l)));
    LayerMoistUnitWeight(side, l) = Value(2);
    Check(input_rules::UnitWeightValid(LayerMoistUnitWeight(side, l)));
    LayerKa(side, l) = Value(3);
    Check(input_rules::PressureCoefficientValid(LayerKa(side, l)));
    LayerKp(side, l) = Value(4);
    Check(input_rules::PressureCoefficientValid(LayerKp(side, l)));
    if (!last) {
      LayerBottomElev(side, l) = Value(5);
      if (l >= 2) Check(input_rules::ElevationFalls(LayerBottomElev(side, l), LayerBottomElev(side, l - 1)));
    }
  }
}

void CopySoilToLeftSide() {
  SoilDataType(2) = SoilDataType(1);
  NumSoilLayers(2) = NumSoilLayers(1);
  SideFSActive(2) = SideFSActive(1);
  SideFSPassive(2) = SideFSPassive(1);
  for (int l = 1; l <= NumSoilLayers(1); ++l) {
    LayerSatUnitWeight(2, l) = LayerSatUnitWeight(1, l);
    LayerMoistUnitWeight(2, l) = LayerMoistUnitWeight(1, l);
    LayerBottomElev(2, l) = LayerBottomElev(1, l);
    if (SoilDataType(1) == "S") {
      LayerPhi(2, l) = LayerPhi(1, l);
      LayerCohesion(2, l) = LayerCohesion(1, l);
      LayerWallFriction(2, l) = LayerWallFriction(1, l);
      LayerAdhesion(2, l) = LayerAdhesion(1, l);
      LayerBottomSlope(2, l) = LayerBottomSlope(1, l);
      LayerFSActive(2, l) = LayerFSActive(1, l);
      LayerFSPassive(2, l) = LayerFSPassive(1, l);
    } else {
      LayerKa(2, l) = LayerKa(1, l);
      LayerKp(2, l) = LayerKp(1, l);
    }
  }
}

void ReadSoilSection() {
  Section = "SOIL LAYER DATA";
  NextLine();
  for (;;) {
    RequireFields(4);
    Check(LineStartsWith("SO"));
    const SideChoice s = SurfaceSoilSide(2, NumSoilLayers(1), NumSoilLayers(2));
    const int side = s.side;
    switch (FirstLetter(3)) {
      case 'S': SoilDataType(side) = "S"; break;
      case 'C': SoilDataType(side) = "C"; break;
      default: DataError();
    }
    NumSoilLayers(side) = Count(4);
    Check(input_rules::SoilLayerCountValid(NumSoilLayers(side)));
    SideFSActive(side) = OptionalFactor(5);
    Check(input_rules::OptionalFactorOfSafetyValid(SideFSActive(side)));
    SideFSPassive(side) = OptionalFactor(6);
    Check(input_rules::OptionalFactorOfSafetyValid(SideFSPassive(side)));
    if (SoilDataType(side) == "S") {
      ReadStrengthLayers(side);
    } else {
      ReadCoefficientLayers(side);
    }
    LayerBottomElev(side, NumSoilLayers(side)) = -200000;
    if (s.both) CopySoilToLeftSide();
    if (s.both || s.left) return;
    NextLine();  // the left side is required after the right
  }
}

void ReadWaterLine() {
  Section = "WATER DATA";
  RequireFields(5);
  switch (FirstLetter(2)) {
    case 'E': WaterDataType = "E"; break;
    case 'P': WaterDataType = "P"; break;
    default: DataError();
  }
  if (WaterDataType == "E") {
    WaterUnitWeight = Value(3);
    Check(input_rules::UnitWeightValid(WaterUnitWeight));
    WaterElev(1) = Value(4);
    WaterElev(2) = Value(5);
    SeepageOption = "";
    SeepageGradient(1) = 0;
    SeepageGradient(2) = 0;
    if (HasField(6)) {
      SeepageElev = Value(6);
      Check(input_rules::SeepageWaterLevelsValid(WaterElev(1), WaterElev(2)));
      Check(HasField(7));
      Check(input_rules::SeepageElevationValid(SeepageElev, WaterElev(1), WaterElev(2),
                                               SurfaceElev(1, 1), SurfaceElev(2, 1)));
      if (FirstLetter(7) == 'A') {
        SeepageOption = "A";
      } else {
        SeepageOption = "G";
        SeepageGradient(1) = Value(7);
        Check(input_rules::SeepageGradientValid(SeepageGradient(1)));
        SeepageGradient(2) = SeepageGradient(1);
      }
    }
    return;
  }
  RequireFields(7);
  NumWaterPressPoints = Count(3);
  Check(input_rules::WaterPressurePointCountValid(NumWaterPressPoints));
  WaterPressElev(1) = Value(4);
  WaterPressValue(1) = Value(5);
  WaterPressElev(2) = Value(6);
  Check(input_rules::ElevationFalls(WaterPressElev(2), WaterPressElev(1)));
  WaterPressValue(2) = Value(7);
  for (int p = 3; p <= NumWaterPressPoints; ++p) {
    NextLine();
    RequireFields(2);
    WaterPressElev(p) = Value(1);
    Check(input_rules::ElevationFalls(WaterPressElev(p), WaterPressElev(p - 1)));
    WaterPressValue(p) = Value(2);
  }
}

// ---- vertical surcharges, in the order L U S R T V ----

void ReadVerticalLineLoads() {
  RequireFields(6);
  const SideChoice s = SurchargeSide(3, NumLineLoads(1), NumLineLoads(2), false);
  const int side = s.side;
  NumLineLoads(side) = Count(4);
  Check(input_rules::VerticalLoadCountValid(NumLineLoads(side)));
  for (int i = 1; i <= NumLineLoads(side); ++i) {
    LineLoadDist(side, i) = Value(2 * i + 3);
    Check(input_rules::DistanceValid(LineLoadDist(side, i)));
    LineLoad(side, i) = Value(2 * i + 4);
    Check(input_rules::LoadPositive(LineLoad(side, i)));
  }
  if (s.both) {
    NumLineLoads(2) = NumLineLoads(1);
    for (int i = 1; i <= NumLineLoads(1); ++i) {
      LineLoadDist(2, i) = LineLoadDist(1, i);
      LineLoad(2, i) = LineLoad(1, i);
    }
  }
}

void ReadVerticalUniformLoads() {
  RequireFields(3);
  UniformLoad(1) = Value(3);
  Check(input_rules::LoadNotNegative(UniformLoad(1)));
  NumUniformLoads(1) = UniformLoad(1) > 0 ? 1 : 0;
  if (HasField(4)) {
    UniformLoad(2) = Value(4);
    Check(input_rules::LoadNotNegative(UniformLoad(2)));
    NumUniformLoads(2) = UniformLoad(2) > 0 ? 1 : 0;
  } else {
    UniformLoad(2) = 0;
    NumUniformLoads(2) = 0;
  }
}

void ReadVerticalStripLoads() {
  RequireFields(7);
  const SideChoice s = SurchargeSide(3, NumStripLoads(1), NumStripLoads(2), false);
  const int side = s.side;
  NumStripLoads(side) = Count(4);
  Check(input_rules::VerticalLoadCountValid(NumStripLoads(side)));
  StripStartDist(side, 1) = Value(5);
  Check(input_rules::DistanceValid(StripStartDist(side, 1)));
  StripEndDist(side, 1) = Value(6);
  Check(input_rules::DistanceIncreases(StripEndDist(side, 1), StripStartDist(side, 1)));
  StripLoad(side, 1) = Value(7);
  Check(input_rules::LoadNotNegative(StripLoad(side, 1)));
  for (int i = 2; i <= NumStripLoads(side); ++i) {
    NextLine();
    RequireFields(3);
    StripStartDist(side, i) = Value(1);
    Check(input_rules::DistanceValid(StripStartDist(side, i)));
    StripEndDist(side, i) = Value(2);
    Check(input_rules::DistanceIncreases(StripEndDist(side, i), StripStartDist(side, i)));
    StripLoad(side, i) = Value(3);
    Check(input_rules::LoadPositive(StripLoad(side, i)));
  }
  if (s.both) {
    NumStripLoads(2) = NumStripLoads(1);
    for (int i = 1; i <= NumStripLoads(1); ++i) {
      StripStartDist(2, i) = StripStartDist(1, i);
      StripEndDist(2, i) = StripEndDist(1, i);
      StripLoad(2, i) = StripLoad(1, i);
    }
  }
}

void ReadVerticalRampLoad() {
  RequireFields(6);
  const SideChoice s = SurchargeSide(3, NumRampLoads(1), NumRampLoads(2), true);
  const int side = s.side;
  NumRampLoads(side) = 1;
  RampStartDist(side) = Value(4);
  Check(input_rules::DistanceValid(RampStartDist(side)));
  RampEndDist(side) = Value(5);
  Check(input_rules::DistanceNotDecreasing(RampEndDist(side), RampStartDist(side)));
  RampLoad(side) = Value(6);
  Check(input_rules::LoadPositive(RampLoad(side)));
  if (s.both) {
    NumRampLoads(2) = 1;
    RampStartDist(2) = RampStartDist(1);
    RampEndDist(2) = RampEndDist(1);
    RampLoad(2) = RampLoad(1);
  }
}

// One triangle from fields first .. first + 3.
void ReadTriangle(int side, int i, int first) {
  TriStartDist(side, i) = Value(first);
  Check(input_rules::DistanceValid(TriStartDist(side, i)));
  TriPeakDist(side, i) = Value(first + 1);
  Check(input_rules::DistanceNotDecreasing(TriPeakDist(side, i), TriStartDist(side, i)));
  TriEndDist(side, i) = Value(first + 2);
  Check(input_rules::DistanceNotDecreasing(TriEndDist(side, i), TriPeakDist(side, i)));
  Check(input_rules::TriangleHasWidth(TriStartDist(side, i), TriPeakDist(side, i), TriEndDist(side, i)));
  TriPeakLoad(side, i) = Value(first + 3);
  Check(input_rules::LoadNotNegative(TriPeakLoad(side, i)));
}

void ReadVerticalTriangularLoads() {
  RequireFields(8);
  const SideChoice s = SurchargeSide(3, NumTriangularLoads(1), NumTriangularLoads(2), false);
  const int side = s.side;
  NumTriangularLoads(side) = Count(4);
  Check(input_rules::VerticalLoadCountValid(NumTriangularLoads(side)));
  ReadTriangle(side, 1, 5);
  for (int i = 2; i <= NumTriangularLoads(side); ++i) {
    NextLine();
    RequireFields(4);
    ReadTriangle(side, i, 1);
  }
  if (s.both) {
    NumTriangularLoads(2) = NumTriangularLoads(1);
    for (int i = 1; i <= NumTriangularLoads(1); ++i) {
      TriStartDist(2, i) = TriStartDist(1, i);
      TriPeakDist(2, i) = TriPeakDist(1, i);
      TriEndDist(2, i) = TriEndDist(1, i);
      TriPeakLoad(2, i) = TriPeakLoad(1, i);
    }
  }
}

void ReadVerticalVariableLoad() {
  RequireFields(8);
  const SideChoice s = SurchargeSide(3, NumVariablePoints(1), NumVariablePoints(2), false);
  const int side = s.side;
  NumVariablePoints(side) = Count(4);
  Check(input_rules::VariableLoadPointCountValid(NumVariablePoints(side)));
  VarLoadDist(side, 1) = Value(5);
  Check(input_rules::DistanceValid(VarLoadDist(side, 1)));
  VarLoadValue(side, 1) = Value(6);
  Check(input_rules::LoadNotNegative(VarLoadValue(side, 1)));
  VarLoadDist(side, 2) = Value(7);
  Check(input_rules::DistanceNotDecreasing(VarLoadDist(side, 2), VarLoadDist(side, 1)));
  VarLoadValue(side, 2) = Value(8);
  Check(input_rules::LoadNotNegative(VarLoadValue(side, 2)));
  for (int p = 3; p <= NumVariablePoints(side); ++p) {
    NextLine();
    RequireFields(2);
    VarLoadDist(side, p) = Value(1);
    Check(input_rules::DistanceNotDecreasing(VarLoadDist(side, p), VarLoadDist(side, p - 1)));
    VarLoadValue(side, p) = Value(2);
    Check(input_rules::LoadNotNegative(VarLoadValue(side, p)));
  }
  if (s.both) {
    NumVariablePoints(2) = NumVariablePoints(1);
    for (int p = 1; p <= NumVariablePoints(1); ++p) {
      VarLoadDist(2, p) = VarLoadDist(1, p);
      VarLoadValue(2, p) = VarLoadValue(1, p);
    }
  }
}

// Reads vertical surcharge lines while they stand; leaves the first other line in
// InputLine.
void ReadVerticalSurcharges() {
  static constexpr std::string_view kKinds = "LUSRTV";
  static const char* const kSectionNames[] = {
      "VERTICAL LINE LOADS",  "VERTICAL UNIFORM LOADS",    "VERTICAL STRIP LOADS",
      "VERTICAL RAMP LOADS",  "VERTICAL TRIANGULAR LOADS", "VERTICAL VARIABLE LOADS"};
  std::size_t lastKind = 0;
  while (InputLine.front() == 'V') {
    RequireFields(2);
    const std::size_t kind = kKinds.find(FirstLetter(2));
    if (kind == std::string_view::npos || kind < lastKind) DataError();
    lastKind = kind;
    Section = kSectionNames[kind];
    switch (kKinds[kind]) {
      case 'L': ReadVerticalLineLoads(); break;
      case 'U': ReadVerticalUniformLoads(); break;
      case 'S': ReadVerticalStripLoads(); break;
      case 'R': ReadVerticalRampLoad(); break;
      case 'T': ReadVerticalTriangularLoads(); break;
      case 'V': ReadVerticalVariableLoad(); break;
    }
    NextLine();
  }
}

// ---- horizontal loads: a line-loads line, then a distributed-load line ----

void ReadHorizontalLineLoads() {
  RequireFields(5);
  NumHorizLineLoads = Count(3);
  Check(input_rules::HorizontalLineLoadCountValid(NumHorizLineLoads));
  for (int i = 1; i <= NumHorizLineLoads; ++i) {
    HorizLineElev(i) = Value(2 * i + 2);
    // A load above the top would act on wall that is not there.
    Check(input_rules::HorizontalLoadNotAboveWallTop(HorizLineElev(i), WallTopElev));
    HorizLineLoad(i) = Value(2 * i + 3);
  }
}

void ReadHorizontalDistributedLoad() {
  RequireFields(7);
  NumHorizDistPoints = Count(3);
  Check(input_rules::HorizontalLoadPointCountValid(NumHorizDistPoints));
  HorizDistElev(1) = Value(4);
  Check(input_rules::HorizontalLoadNotAboveWallTop(HorizDistElev(1), WallTopElev));  // the points fall from here
  HorizDistLoad(1) = Value(5);
  HorizDistElev(2) = Value(6);
  Check(input_rules::ElevationFalls(HorizDistElev(2), HorizDistElev(1)));
  HorizDistLoad(2) = Value(7);
  for (int p = 3; p <= NumHorizDistPoints; ++p) {
    NextLine();
    RequireFields(2);
    HorizDistElev(p) = Value(1);
    Check(input_rules::ElevationFalls(HorizDistElev(p), HorizDistElev(p - 1)));
    HorizDistLoad(p) = Value(2);
  }
}

void ReadHorizontalLoads() {
  bool lineLoadsRead = false;
  while (InputLine.front() == 'H') {
    Section = "HORIZONTAL LOADS";
    RequireFields(2);
    const char kind = FirstLetter(2);
    if (kind == 'L' && !lineLoadsRead) {
      ReadHorizontalLineLoads();
      lineLoadsRead = true;
      NextLine();
    } else if (kind == 'D') {
      ReadHorizontalDistributedLoad();
      NextLine();
      return;  // only the termination line may follow
    } else {
      DataError();
    }
  }
}

void ReadTermination() {
  Section = "TERMINATION";
  Check(InputLine.front() == 'F');
}

}  // namespace

std::string AsReadLine(std::string_view raw) { return text::UpperText(text::Trim(raw)) + ' '; }

void ReadDataLine() {
  for (int k = 1; k <= kMaxFields; ++k) {
    FieldPos(k, 1) = 0;
    FieldPos(k, 2) = 0;
  }
  std::string raw;
  std::string line;
  for (;;) {
    if (!platform::files::LineInput(InFileNum, raw)) {
      AbortRun = 1;
      return;
    }
    if (AtFileStart) {
      AtFileStart = false;
      if (raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
    }
    line = AsReadLine(raw);
    if (line.size() > 1 && line.front() != '(') break;
  }
  InputLine = line;

  // Fields are maximal runs of characters other than the blank (character 32).
  FieldPos(1, 1) = 1;
  int k = 1;
  const std::size_t len = InputLine.size();
  for (std::size_t col = 1; col <= len; ++col) {
    if (InputLine[col - 1] != ' ') continue;
    FieldPos(k, 2) = static_cast<int>(col) - 1;
    if (k == kMaxFields) return;
    std::size_t next = col;
    while (next < len && InputLine[next] == ' ') ++next;
    if (next >= len) return;  // only the appended blanks were left
    ++k;
    FieldPos(k, 1) = static_cast<int>(next) + 1;
    col = next;  // the loop's step moves to the column after the field's first character
  }
}

int ReadInputDataFile() {
  AbortRun = 0;
  TextBuffer2 = "DATA ERROR IN INPUT FILE: " + InputFileName;
  Section = "";
  AtFileStart = true;
  try {
    ReadHeadingLines();
    ReadControlLine();
    ReadWallLine();
    ReadSurfaceSection();
    CheckWallBottomBelowSurface();
    ReadSoilSection();
    NextLine();  // still named after the soil layers until it is recognised
    if (LineStartsWith("WAT")) {
      ReadWaterLine();
      NextLine();
    }
    ReadVerticalSurcharges();
    ReadHorizontalLoads();
    ReadTermination();
    AbortRun = 0;
  } catch (const StopReading&) {
    AbortRun = 1;
  }
  AtFileStart = false;
  platform::files::Close(InFileNum);
  return AbortRun;
}
