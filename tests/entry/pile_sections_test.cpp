// The pile sections' Accept and Done over plain texts: what is checked, and that nothing
// is stored by a refused attempt.
#include <gtest/gtest.h>

#include "entry/pile_sections.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "platform/text.h"
#include "wall/wall.h"
#include "wall/wall_data.h"

namespace {

class PileSections : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetInputData();
    InitRoweTables();
    // Every OK/Cancel message here drops typed data on Cancel: only a button may answer it.
    services.boxes.okCancelMustBeAnswered = true;
  }
  platform::ScopedServices services;
};

TEST_F(PileSections, AcceptTakesTwoPositiveNumbersForTheEightDefaults) {
  const struct {
    const char* allow;
    const char* eModulus;
    bool accepted;
  } cases[] = {
      {"24.0E3", "29.0E6", true}, {" 30000 ", "2.9e7", true}, {"0", "29.0E6", false},
      {"abc", "29.0E6", false},   {"24.0E3", "-5", false},    {"24.0E3", "0", false},
      {"", "29.0E6", false},      {"24.0E3", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.allow) + " / " + c.eModulus);
    for (int k = 1; k <= 8; ++k) PileAllowStress(k) = 1, PileEModulus(k) = 2;
    EXPECT_EQ(entry::AcceptPileDefaults(c.allow, c.eModulus), c.accepted);
    for (int k = 1; k <= 8; ++k) {
      EXPECT_EQ(PileAllowStress(k), c.accepted ? platform::text::Val(c.allow) : 1);
      EXPECT_EQ(PileEModulus(k), c.accepted ? platform::text::Val(c.eModulus) : 2);
    }
  }
  entry::RestorePileDefaults();
  EXPECT_EQ(PileAllowStress(8), 24000);
  EXPECT_EQ(PileEModulus(1), 29000000);
}

TEST_F(PileSections, DoneStoresRowsUpToTheFirstBlankNameOrNothing) {
  using Rows = std::vector<entry::PileSectionTexts>;
  NumPileSections = 10;
  PileSectionName(9) = "OLD";
  // A refused row stores nothing: the list stays as it was.
  EXPECT_FALSE(entry::StoreAdditionalPileSections(Rows{{"AZ18", "", "1", "1", "1"}}));
  EXPECT_FALSE(entry::StoreAdditionalPileSections(
      Rows{{"AZ18", "30", "200", "24000", "29e6"}, {"AZ26", "40", "0", "24000", "29e6"}}));
  EXPECT_EQ(NumPileSections, 10);
  EXPECT_EQ(PileSectionName(9), "OLD");

  // Rows after the first blank name are not read.
  EXPECT_TRUE(entry::StoreAdditionalPileSections(
      Rows{{"AZ18", "30.5", "200", "24000", "29e6"}, {}, {"AZ26", "x", "", "", ""}}));
  EXPECT_EQ(NumPileSections, 9);
  EXPECT_EQ(PileSectionName(9), "AZ18");
  EXPECT_EQ(PileSectionProps(9, 1), 30.5);
  EXPECT_EQ(PileSectionProps(9, 2), 200);
  EXPECT_EQ(PileAllowStress(9), 24000);
  EXPECT_EQ(PileEModulus(9), 29e6);

  EXPECT_TRUE(entry::StoreAdditionalPileSections(Rows(5)));
  EXPECT_EQ(NumPileSections, 8);
}

TEST_F(PileSections, TheRefusalOffersOkOrTheDefaults) {
  services.boxes.expect("INVALID DATA", platform::Answer::Cancel);
  EXPECT_FALSE(entry::ReportInvalidPileData());
  const auto& b = services.boxes.boxes().at(0);
  EXPECT_EQ(b.buttons, 1);
  EXPECT_EQ(b.text,
            "At least one data value is invalid.\n\n"
            "     Choose OK to continue SHEET PILE DATA entry.\n"
            "     Choose CANCEL to return to DEFAULT DATA values.");
}

}  // namespace
