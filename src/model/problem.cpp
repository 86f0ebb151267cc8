#include "model/problem.h"

#include "model/problem_data.h"

void ResetInputData() {
  FSActive = 1.0;
  AbortRun = 0;
  NumHeadingLines = 0;
  HeadContDone = 0;
  FSPassive = 1.5;
  for (int side = 1; side <= 2; ++side) {
    SideFSActive(side) = 0;
    SideFSPassive(side) = 0;
    for (int layer = 1; layer <= 11; ++layer) {
      LayerFSActive(side, layer) = 0;
      LayerFSPassive(side, layer) = 0;
    }
    NumSurfacePoints(side) = 0;
    SoilDataType(side) = "";
    NumSoilLayers(side) = 0;
    NumLineLoads(side) = 0;
    NumUniformLoads(side) = 0;
    NumStripLoads(side) = 0;
    NumRampLoads(side) = 0;
    NumTriangularLoads(side) = 0;
    NumVariablePoints(side) = 0;
  }
  WaterDataType = "";
  SeepageOption = "";
  RoweSoilType = 0;
  InputChanged = 0;
  InputEditFlag = 0;
  OutputSaved = 0;
  NumHorizLineLoads = 0;
  NumHorizDistPoints = 0;
  NumPileSections = 0;
  TempFileCount = 8;  // names are kept from slot 9 on
  for (int i = 1; i <= 100; ++i) TempFileNames(i) = "";
  InputLineCount = 0;
  OutputLineCount = 0;
  InFileNum = 0;
  InputFileName = "";
  CurrentInputFile = "";
  CurrentOutputFile = "";
  OutFileNum = 0;
  OutputFileName = "";
}

double MaxOf(const double& A, const double& B) {
  // Written as the comparison the callers rely on: an unordered pair gives B.
  if (A < B || A != A || B != B) return B;
  return A;
}

double MinOf(const double& A, const double& B) {
  if (A > B) return B;
  return A;
}
