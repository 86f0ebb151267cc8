#include <gtest/gtest.h>

#include "model/problem.h"
#include "model/problem_data.h"
#include "model/temp_files.h"

TEST(TempFileList, StartsAtSlotNineAndGrowsPastOneHundred) {
  ResetInputData();
  AddTempFileName("a");
  EXPECT_EQ(TempFileCount, 9);
  EXPECT_EQ(TempFileNames(9), "a");
  EXPECT_EQ(TempFileNames(8), "");
  for (int i = 0; i < 150; ++i) AddTempFileName("f" + std::to_string(i));
  EXPECT_EQ(TempFileCount, 159);
  EXPECT_EQ(TempFileNames(159), "f149");
  EXPECT_TRUE(IsListedTempFile("f120"));
  EXPECT_FALSE(IsListedTempFile(""));
  ResetInputData();
  EXPECT_EQ(TempFileCount, 8);
  EXPECT_FALSE(IsListedTempFile("a"));
  EXPECT_FALSE(IsListedTempFile("f120"));  // stale slots past the count are never looked at
}
