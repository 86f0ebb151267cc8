#include <gtest/gtest.h>

#include "platform/array1.h"

TEST(Array1, IndexesFromOneRowMajor) {
  platform::Array<int, 2, 3> a;
  a(1, 1) = 7;
  a(2, 3) = 9;
  EXPECT_EQ(a.data()[0], 7);
  EXPECT_EQ(a.data()[5], 9);
  EXPECT_EQ((platform::Array<int, 2, 3>::bound<1>()), 3);
}

#ifdef QUELDAR_CHECKED_ARRAYS
TEST(Array1DeathTest, OutOfBoundsAborts) {
  platform::Array<int, 301> a;
  EXPECT_DEATH(a(302) = 1, "outside 1..301");
  EXPECT_DEATH(a(0) = 1, "outside 1..301");
}
#else
TEST(Array1, OutOfBoundsThrows) {
  platform::Array<int, 301> a;
  EXPECT_THROW(a(302) = 1, std::out_of_range);
}
#endif
