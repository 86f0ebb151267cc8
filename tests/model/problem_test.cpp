#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "platform/services.h"

TEST(ResetInputData, ReturnsCountsCodesAndFactorsToDefaultsAndKeepsValues) {
  platform::ScopedServices s;

  // A previous problem with everything set.
  FSActive = 1.3;
  FSPassive = 2.0;
  AbortRun = 2;
  NumHeadingLines = 3;
  HeadContDone = 1;
  WallType = "A";
  RunMode = "A";
  AnalysisFSOption = 2;
  WallTopElev = 12;
  NumWaterPressPoints = 4;
  WaterDataType = "E";
  SeepageOption = "G";
  InputChanged = OutputSaved = RoweSoilType = 1;
  NumHorizLineLoads = NumHorizDistPoints = NumPileSections = 3;
  InputLineCount = 40;
  OutputLineCount = 400;
  InFileNum = OutFileNum = 2;
  CurrentInputFile = CurrentOutputFile = InputFileName = OutputFileName = "x";
  TempFileCount = 12;
  TempFileNames(10) = "old";
  for (int side = 1; side <= 2; ++side) {
    SideFSActive(side) = SideFSPassive(side) = 1.1;
    for (int l = 1; l <= 11; ++l) LayerFSActive(side, l) = LayerFSPassive(side, l) = 1.2;
    NumSurfacePoints(side) = NumSoilLayers(side) = 2;
    SoilDataType(side) = "S";
    NumLineLoads(side) = NumUniformLoads(side) = NumStripLoads(side) = 1;
    NumRampLoads(side) = NumTriangularLoads(side) = NumVariablePoints(side) = 1;
    SurfaceElev(side, 1) = 7;
    LayerPhi(side, 1) = 30;
  }

  ResetInputData();

  EXPECT_EQ(FSActive, 1.0);
  EXPECT_EQ(FSPassive, 1.5);
  EXPECT_EQ(AbortRun, 0);
  EXPECT_EQ(NumHeadingLines, 0);
  EXPECT_EQ(HeadContDone, 0);
  EXPECT_EQ(WaterDataType, "");
  EXPECT_EQ(SeepageOption, "");
  EXPECT_EQ(InputChanged + OutputSaved + RoweSoilType, 0);
  EXPECT_EQ(NumHorizLineLoads + NumHorizDistPoints + NumPileSections, 0);
  EXPECT_EQ(InputLineCount, 0);
  EXPECT_EQ(OutputLineCount, 0);
  EXPECT_EQ(InFileNum + OutFileNum, 0);
  EXPECT_EQ(CurrentInputFile + CurrentOutputFile + InputFileName + OutputFileName, "");
  EXPECT_EQ(TempFileCount, 8);  // the next name goes to slot 9
  EXPECT_EQ(TempFileNames(10), "");
  for (int side = 1; side <= 2; ++side) {
    SCOPED_TRACE(side);
    EXPECT_EQ(SideFSActive(side) + SideFSPassive(side), 0);
    for (int l = 1; l <= 11; ++l) EXPECT_EQ(LayerFSActive(side, l) + LayerFSPassive(side, l), 0);
    EXPECT_EQ(NumSurfacePoints(side) + NumSoilLayers(side), 0);
    EXPECT_EQ(SoilDataType(side), "");
    EXPECT_EQ(NumLineLoads(side) + NumUniformLoads(side) + NumStripLoads(side) +
                  NumRampLoads(side) + NumTriangularLoads(side) + NumVariablePoints(side),
              0);
    // Point, layer and load values are kept: without their counts they describe nothing.
    EXPECT_EQ(SurfaceElev(side, 1), 7);
    EXPECT_EQ(LayerPhi(side, 1), 30);
  }
  EXPECT_EQ(WallType, "A");
  EXPECT_EQ(RunMode, "A");
  EXPECT_EQ(AnalysisFSOption, 2);
  EXPECT_EQ(WallTopElev, 12);
  EXPECT_EQ(NumWaterPressPoints, 4);
}

TEST(MaxOfMinOf, EqualValuesGiveTheFirstAndNaNFollowsTheComparison) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double negZero = -0.0;
  EXPECT_EQ(MaxOf(-1, 3), 3);
  EXPECT_EQ(MaxOf(3, -1), 3);
  EXPECT_EQ(MinOf(-1, 3), -1);
  EXPECT_EQ(MinOf(3, -1), -1);
  // Equal values: the first argument, seen through the sign of a zero.
  EXPECT_TRUE(std::signbit(MaxOf(negZero, 0.0)));
  EXPECT_TRUE(std::signbit(MinOf(negZero, 0.0)));
  EXPECT_FALSE(std::signbit(MaxOf(0.0, negZero)));
  EXPECT_FALSE(std::signbit(MinOf(0.0, negZero)));
  // Unordered: MaxOf gives B, MinOf gives A.
  EXPECT_TRUE(std::isnan(MaxOf(2, nan)));
  EXPECT_EQ(MaxOf(nan, 2), 2);
  EXPECT_EQ(MinOf(2, nan), 2);
  EXPECT_TRUE(std::isnan(MinOf(nan, 2)));
}
