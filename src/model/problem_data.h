// The problem: headings, control data, wall, ground surfaces, soil layers, water,
// surcharges, horizontal loads, and the run flags every module shares.
// Program-wide by design: every module reads and writes these directly, with indexes
// from 1 and the bounds of the input rules. Integers are 16-bit values in the data
// file; they are held as int and the reader refuses anything outside -32768..32767.
#pragma once

#include <string>

#include "platform/array1.h"
#include "platform/list1.h"

// ---- shared flags and scratch values ----
inline std::string NewLine = "\n";   // joins the lines of every message box text
inline int AbortRun = 0;             // 0 go on; 1 input or calculation error; 2 net pressure failure / Discontinue
inline int InputChanged = 0;
inline int InputEditFlag = 0;         // set by the Edit menu before it shows the keyboard entry
inline int ChoiceIndex = 0;
inline int SideIndex = 0;  // side LAYRDATA edits; side a printed soil pressure plot shows
inline int HelpMenuIndex = 0;
inline std::string TextBuffer, TextBuffer2;
inline std::string InputLine;

// ---- the input data file line last read: its fields, columns from 1 ----
// FieldPos(k, 1) is the first column of field k, FieldPos(k, 2) its last; 0 when the
// field does not exist. At most 20 fields are kept.
inline platform::Array<int, 20, 2> FieldPos;

// ---- heading ----
inline int NumHeadingLines = 0;
inline platform::Array<std::string, 4> HeadingLines;

// ---- control data ----
inline std::string WallType;          // "C" cantilever, "A" anchored
inline std::string RunMode;           // "D" design, "A" analysis
inline double FSActive = 0;
inline double FSPassive = 0;
inline int AnalysisFSOption = 0;      // 1 one factor on both sides, 2 FSActive given

// ---- the most of each count a problem may have (the input rules check them) ----
inline constexpr int kMaxSurfacePoints = 11;        // per side
inline constexpr int kMaxSoilLayers = 11;           // per side
inline constexpr int kMaxWaterPressurePoints = 11;
inline constexpr int kMaxVerticalLoads = 5;         // line, strip, triangular loads per side
inline constexpr int kMaxVariableLoadPoints = 11;   // per side
inline constexpr int kMaxHorizLineLoads = 5;
inline constexpr int kMaxHorizDistPoints = 11;

// ---- wall ----
inline double WallTopElev = 0;
inline double AnchorElev = 0;
inline double WallBottomElev = 0;
inline double WallModulusE = 0;       // psi
inline double WallInertia = 0;        // in^4 per ft

// ---- ground surface, per side (1 right, 2 left) ----
inline platform::Array<int, 2> NumSurfacePoints;
inline platform::Array<double, 2, 11> SurfaceDist;
inline platform::Array<double, 2, 11> SurfaceElev;

// ---- soil layers, per side ----
inline platform::Array<std::string, 2> SoilDataType;   // "S" strengths, "C" coefficients
inline platform::Array<int, 2> NumSoilLayers;
inline platform::Array<double, 2> SideFSActive;
inline platform::Array<double, 2> SideFSPassive;
inline platform::Array<double, 2, 11> LayerSatUnitWeight;
inline platform::Array<double, 2, 11> LayerMoistUnitWeight;
inline platform::Array<double, 2, 11> LayerPhi;
inline platform::Array<double, 2, 11> LayerCohesion;
inline platform::Array<double, 2, 11> LayerWallFriction;
inline platform::Array<double, 2, 11> LayerAdhesion;
inline platform::Array<double, 2, 11> LayerBottomElev;
inline platform::Array<double, 2, 11> LayerBottomSlope;
inline platform::Array<double, 2, 11> LayerFSActive;
inline platform::Array<double, 2, 11> LayerFSPassive;
inline platform::Array<double, 2, 11> LayerKa;
inline platform::Array<double, 2, 11> LayerKp;

// ---- water ----
inline std::string WaterDataType;     // "" none, "E" elevations, "P" pressure table
inline double WaterUnitWeight = 0;
inline platform::Array<double, 2> WaterElev;
inline std::string SeepageOption;     // "" none, "A" automatic, "G" given
inline double SeepageElev = 0;
inline platform::Array<double, 2> SeepageGradient;   // per method
inline int NumWaterPressPoints = 0;
inline platform::Array<double, 21> WaterPressElev;
inline platform::Array<double, 21> WaterPressValue;

// ---- vertical surcharges, per side ----
inline platform::Array<int, 2> NumLineLoads;
inline platform::Array<double, 2, 5> LineLoadDist;
inline platform::Array<double, 2, 5> LineLoad;
inline platform::Array<int, 2> NumUniformLoads;
inline platform::Array<double, 2> UniformLoad;
inline platform::Array<int, 2> NumStripLoads;
inline platform::Array<double, 2, 11> StripStartDist;
inline platform::Array<double, 2, 11> StripEndDist;
inline platform::Array<double, 2, 11> StripLoad;
inline platform::Array<int, 2> NumRampLoads;
inline platform::Array<double, 2> RampStartDist;
inline platform::Array<double, 2> RampEndDist;
inline platform::Array<double, 2> RampLoad;
inline platform::Array<int, 2> NumTriangularLoads;
inline platform::Array<double, 2, 11> TriStartDist;
inline platform::Array<double, 2, 11> TriPeakDist;
inline platform::Array<double, 2, 11> TriEndDist;
inline platform::Array<double, 2, 11> TriPeakLoad;
inline platform::Array<int, 2> NumVariablePoints;
inline platform::Array<double, 2, 11> VarLoadDist;
inline platform::Array<double, 2, 11> VarLoadValue;

// ---- horizontal loads on the wall ----
inline int NumHorizLineLoads = 0;
inline platform::Array<double, 5> HorizLineElev;
inline platform::Array<double, 5> HorizLineLoad;
inline int NumHorizDistPoints = 0;
inline platform::Array<double, 11> HorizDistElev;
inline platform::Array<double, 11> HorizDistLoad;

// ---- run flags ----
inline int HeadContDone = 0;
inline int OutputSaved = 0;
inline int RoweSoilType = 0;          // 0 none, 1 sand, 2 clay
inline int NumPileSections = 0;

// ---- working-file state ----
inline std::string CurrentInputFile, CurrentOutputFile;
inline std::string InputFileName, OutputFileName;
inline int InFileNum = 0, OutFileNum = 0;
inline int InputLineCount = 0;
inline long OutputLineCount = 0;      // wide: a long report must never wrap the count
inline int TempFileCount = 0;
// Grows past slot 100 as needed: a name that finds no slot would leave its file behind.
inline platform::List<std::string> TempFileNames;
