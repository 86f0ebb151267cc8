// Input files that together use every section, kind and option of the format, and a
// dump of every variable that describes the problem, to compare two problems.
#pragma once

#include <cstdio>
#include <string>

#include "model/problem_data.h"

// Anchored design: strengths on the right, coefficients on the left, a given seepage
// gradient, every vertical surcharge kind (with side word B), both horizontal loads.
inline const char* const kRichDesign =
    "'RICH PROBLEM: ANCHORED DESIGN\n"
    "'EVERY SURCHARGE KIND\n"
    "CONTROL ANCHORED DESIGN 1.25 1.75\n"
    "WALL 20 18.5\n"
    "SURFACE BOTH 3 0 20\n"
    "  10 21.5\n"
    "  40.25 22\n"
    "SOIL RIGHTSIDE STRENGTHS 3 0 1.5\n"
    "  120 110 32 0 20 0 10 .1\n"
    "  125 115 0 800 0 400 0 -.05 1.3 1.4\n"
    "  130 120 36 0 24 0 0 1.6\n"
    "SOIL LEFTSIDE COEFFICIENTS 2\n"
    "  125 115 .283 5.2 -12.5\n"
    "  130 120 .26 6\n"
    "WATER ELEVATIONS 62.4 15 2 2 0.0125\n"
    "VERTICAL LINE B 2 2 500 6 800.5\n"
    "VERTICAL UNIFORM 250 100\n"
    "VERTICAL STRIP R 2 0 5 0\n"
    "  5 10 300\n"
    "VERTICAL STRIP L 1 1 3 150\n"
    "VERTICAL RAMP L 0 4 100\n"
    "VERTICAL RAMP R 1 1 200\n"
    "VERTICAL TRIANGULAR B 2 0 0 6 400\n"
    "  6 8 8 50\n"
    "VERTICAL VARIABLE R 3 0 100 5 200\n"
    "  5 50\n"
    "VERTICAL VARIABLE L 2 .5 1E3 12 0\n"
    "HORIZONTAL LINE 2 19 1000 7 -500\n"
    "HORIZONTAL DISTRIBUTED 3 20 0 15 200\n"
    "  0 -100\n"
    "FINISHED\n";

// Cantilever analysis with a given active factor, one soil for both sides, automatic
// seepage.
inline const char* const kRichAnalysis =
    "'CANTILEVER ANALYSIS\n"
    "CONTROL CANTILEVER ANALYSIS 1.1\n"
    "WALL 15 -20.75 30E6 281.3\n"
    "SURFACE R 2 0 15\n"
    "  20 15\n"
    "SURFACE L 1 0 0\n"
    "SOIL B S 1 1.2 1.4\n"
    "  120 110 30 100 20 50\n"
    "WATER E 62.4 10 0 0 AUTOMATIC\n"
    "FINISHED\n";

// Anchored analysis with one factor searched for both sides and water pressures.
inline const char* const kRichPressures =
    "'WATER BY PRESSURES\n"
    "CONTROL A A\n"
    "WALL 10 8 -15 2.9E7 100\n"
    "SURFACE B 1 0 10\n"
    "SOIL B C 2\n"
    "  120 110 .333 3 0\n"
    "  125 115 .3 3.3\n"
    "WATER PRESSURES 4 10 0 5 312 0 312 -15 0\n"
    "  0 312\n"
    "  -15 0\n"
    "VERTICAL UNIFORM 0 250\n"
    "FINISHED\n";

// Every variable that describes the problem, one per line, within the counts.
inline std::string ProblemDump() {
  std::string out;
  char buf[64];
  auto num = [&](const char* name, double v) {
    std::snprintf(buf, sizeof buf, "%.17g", v);
    out += std::string(name) + "=" + buf + "\n";
  };
  auto str = [&](const char* name, const std::string& v) { out += std::string(name) + "=" + v + "\n"; };
  num("NumHeadingLines", NumHeadingLines);
  for (int i = 1; i <= NumHeadingLines; ++i) str("HeadingLines", HeadingLines(i));
  str("WallType", WallType);
  str("RunMode", RunMode);
  num("FSActive", FSActive);
  num("FSPassive", FSPassive);
  if (RunMode == "A") num("AnalysisFSOption", AnalysisFSOption);
  num("WallTopElev", WallTopElev);
  if (WallType == "A") num("AnchorElev", AnchorElev);
  if (RunMode == "A") {
    num("WallBottomElev", WallBottomElev);
    num("WallModulusE", WallModulusE);
    num("WallInertia", WallInertia);
  }
  for (int side = 1; side <= 2; ++side) {
    num("NumSurfacePoints", NumSurfacePoints(side));
    for (int p = 1; p <= NumSurfacePoints(side); ++p) {
      num("SurfaceDist", SurfaceDist(side, p));
      num("SurfaceElev", SurfaceElev(side, p));
    }
    str("SoilDataType", SoilDataType(side));
    num("NumSoilLayers", NumSoilLayers(side));
    num("SideFSActive", SideFSActive(side));
    num("SideFSPassive", SideFSPassive(side));
    for (int l = 1; l <= NumSoilLayers(side); ++l) {
      num("LayerSatUnitWeight", LayerSatUnitWeight(side, l));
      num("LayerMoistUnitWeight", LayerMoistUnitWeight(side, l));
      num("LayerBottomElev", LayerBottomElev(side, l));
      if (SoilDataType(side) == "S") {
        num("LayerPhi", LayerPhi(side, l));
        num("LayerCohesion", LayerCohesion(side, l));
        num("LayerWallFriction", LayerWallFriction(side, l));
        num("LayerAdhesion", LayerAdhesion(side, l));
        if (l < NumSoilLayers(side)) num("LayerBottomSlope", LayerBottomSlope(side, l));
      } else {
        num("LayerKa", LayerKa(side, l));
        num("LayerKp", LayerKp(side, l));
      }
      num("LayerFSActive", LayerFSActive(side, l));
      num("LayerFSPassive", LayerFSPassive(side, l));
    }
  }
  str("WaterDataType", WaterDataType);
  if (WaterDataType == "E") {
    num("WaterUnitWeight", WaterUnitWeight);
    num("WaterElev1", WaterElev(1));
    num("WaterElev2", WaterElev(2));
    str("SeepageOption", SeepageOption);
    if (SeepageOption != "") num("SeepageElev", SeepageElev);
    num("SeepageGradient1", SeepageGradient(1));
    num("SeepageGradient2", SeepageGradient(2));
  }
  if (WaterDataType == "P") {
    num("NumWaterPressPoints", NumWaterPressPoints);
    for (int p = 1; p <= NumWaterPressPoints; ++p) {
      num("WaterPressElev", WaterPressElev(p));
      num("WaterPressValue", WaterPressValue(p));
    }
  }
  for (int side = 1; side <= 2; ++side) {
    num("NumLineLoads", NumLineLoads(side));
    for (int i = 1; i <= NumLineLoads(side); ++i) {
      num("LineLoadDist", LineLoadDist(side, i));
      num("LineLoad", LineLoad(side, i));
    }
    num("NumUniformLoads", NumUniformLoads(side));
    if (NumUniformLoads(side) > 0) num("UniformLoad", UniformLoad(side));
    num("NumStripLoads", NumStripLoads(side));
    for (int i = 1; i <= NumStripLoads(side); ++i) {
      num("StripStartDist", StripStartDist(side, i));
      num("StripEndDist", StripEndDist(side, i));
      num("StripLoad", StripLoad(side, i));
    }
    num("NumRampLoads", NumRampLoads(side));
    if (NumRampLoads(side) > 0) {
      num("RampStartDist", RampStartDist(side));
      num("RampEndDist", RampEndDist(side));
      num("RampLoad", RampLoad(side));
    }
    num("NumTriangularLoads", NumTriangularLoads(side));
    for (int i = 1; i <= NumTriangularLoads(side); ++i) {
      num("TriStartDist", TriStartDist(side, i));
      num("TriPeakDist", TriPeakDist(side, i));
      num("TriEndDist", TriEndDist(side, i));
      num("TriPeakLoad", TriPeakLoad(side, i));
    }
    num("NumVariablePoints", NumVariablePoints(side));
    for (int p = 1; p <= NumVariablePoints(side); ++p) {
      num("VarLoadDist", VarLoadDist(side, p));
      num("VarLoadValue", VarLoadValue(side, p));
    }
  }
  num("NumHorizLineLoads", NumHorizLineLoads);
  for (int i = 1; i <= NumHorizLineLoads; ++i) {
    num("HorizLineElev", HorizLineElev(i));
    num("HorizLineLoad", HorizLineLoad(i));
  }
  num("NumHorizDistPoints", NumHorizDistPoints);
  for (int p = 1; p <= NumHorizDistPoints; ++p) {
    num("HorizDistElev", HorizDistElev(p));
    num("HorizDistLoad", HorizDistLoad(p));
  }
  return out;
}
