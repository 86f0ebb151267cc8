// Finished of the surcharge window's frames over plain box texts: counting, the order of
// the checks, what is stored, and what OK and Cancel leave behind.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "entry/surcharge_storage.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"

using entry::TableTexts;
using platform::Answer;

namespace {

// The rows given, padded with blank rows and boxes to the type's table.
TableTexts Rows(int type, std::vector<std::vector<std::string>> rows) {
  const auto& layout = entry::SurchargeBoxes(type);
  rows.resize(static_cast<std::size_t>(layout.rows));
  for (auto& r : rows) r.resize(layout.side(1).size());
  return rows;
}

struct Case {
  const char* name;
  int type;
  std::vector<std::vector<std::string>> right, left;
  std::optional<std::string> title;  // the message shown, if any
  Answer answer = Answer::OK;
  bool closes = true;
  int countRight = 0, countLeft = 0;
  std::function<void()> before = [] {};
  std::function<void()> check = [] {};
};

class SurchargeStorage : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetInputData();
    // Every OK/Cancel message here drops typed data on Cancel: only a button may answer it.
    services.boxes.okCancelMustBeAnswered = true;
  }
  platform::ScopedServices services;
};

TEST_F(SurchargeStorage, CountsChecksAndStoresEachKindByTheTable) {
  using namespace entry;
  const Case cases[] = {
      {"all blank closes with no loads", kLineLoads, {}, {}, std::nullopt, Answer::OK, true, 0, 0,
       [] { NumLineLoads(1) = 3; NumLineLoads(2) = 2; }},
      {"line loads on both sides", kLineLoads, {{"5", "250"}, {" 2e1 ", "100"}}, {{"3", "50"}},
       std::nullopt, Answer::OK, true, 2, 1, [] {},
       [] {
         EXPECT_EQ(LineLoadDist(1, 2), 20);
         EXPECT_EQ(LineLoad(1, 1), 250);
         EXPECT_EQ(LineLoad(2, 1), 50);
       }},
      {"line load at distance 0 is stored, refused and not counted", kLineLoads, {{"0", "100"}}, {},
       "INVALID DATA", Answer::OK, false, 0, 0, [] { LineLoadDist(1, 1) = 7; },
       [] { EXPECT_EQ(LineLoadDist(1, 1), 0); }},
      {"a blank strip between two others is missing", kStripLoads,
       {{"0", "5", "100"}, {}, {"10", "15", "100"}}, {}, "DATA MISSING", Answer::OK, false, 1, 0},
      {"a row with only a load is counted, then missing", kLineLoads, {{"", "100"}}, {},
       "DATA MISSING", Answer::OK, false, 0, 0},
      {"a strip of no width is invalid", kStripLoads, {{"5", "5", "100"}}, {}, "INVALID DATA",
       Answer::OK, false, 0, 0},
      {"a strip of no load is invalid", kStripLoads, {{"0", "5", "0"}}, {}, "INVALID DATA",
       Answer::OK, false, 0, 0},
      {"a ramp of no length passes", kRampLoads, {{"5", "5", "200"}}, {{"0", "10", "100"}},
       std::nullopt, Answer::OK, true, 1, 1, [] {},
       [] {
         EXPECT_EQ(RampEndDist(1), 5);
         EXPECT_EQ(RampLoad(2), 100);
       }},
      {"a ramp of no load is refused as the file refuses it", kRampLoads, {{"0", "10", "0"}}, {},
       "INVALID DATA", Answer::OK, false, 0, 0},
      {"a ramp ending before its start is invalid", kRampLoads, {{"10", "5", "100"}}, {},
       "INVALID DATA", Answer::OK, false, 0, 0},
      {"a triangle rising from the wall passes", kTriangularLoads, {{"0", "0", "10", "100"}}, {},
       std::nullopt, Answer::OK, true, 1, 0},
      {"a triangle of one point is invalid", kTriangularLoads, {{"5", "5", "5", "100"}}, {},
       "INVALID DATA", Answer::OK, false, 0, 0},
      {"a peak before the start is invalid on the left too", kTriangularLoads,
       {{"0", "5", "10", "100"}}, {{"5", "4", "10", "100"}}, "INVALID DATA", Answer::OK, false, 1, 0},
      {"a triangle of no load is invalid", kTriangularLoads, {{"0", "5", "10", "0"}}, {},
       "INVALID DATA", Answer::OK, false, 0, 0},
      {"variable points must move away from the wall", kVariableLoads,
       {{"0", "100"}, {"10", "100"}, {"10", "50"}}, {}, "INVALID DATA", Answer::OK, false, 2, 0},
      {"a single variable point is refused as the file refuses it", kVariableLoads,
       {{"0", "100"}}, {}, "INVALID DATA", Answer::OK, false, 0, 0},
      {"a failure at the second variable point leaves no single point counted", kVariableLoads,
       {{"0", "100"}, {"abc", "50"}}, {}, "INVALID DATA", Answer::OK, false, 0, 0},
      {"variable loads of two points and a zero load", kVariableLoads, {{"0", "0"}, {"10", "100"}},
       {}, std::nullopt, Answer::OK, true, 2, 0},
      {"uniform 0 on the right is a load", kUniformLoads, {{"0"}}, {{""}}, std::nullopt, Answer::OK,
       true, 1, 0, [] { UniformLoad(2) = 33; },
       [] {
         EXPECT_EQ(UniformLoad(1), 0);
         EXPECT_EQ(UniformLoad(2), 33);
       }},
      {"uniform text on the left is invalid", kUniformLoads, {{"100"}}, {{"abc"}}, "INVALID DATA",
       Answer::OK, false, 1, 0},
      {"a negative uniform load is invalid", kUniformLoads, {{"-1"}}, {{"100"}}, "INVALID DATA",
       Answer::OK, false, 0, 2, [] { NumUniformLoads(2) = 2; }},
      {"a failure on the right leaves the left as it was", kStripLoads, {{"0", "abc", "100"}},
       {{"0", "5", "100"}}, "INVALID DATA", Answer::OK, false, 0, 4,
       [] { NumStripLoads(2) = 4; }},
      {"Cancel drops the type on both sides", kStripLoads, {{"0", "abc", "100"}},
       {{"0", "5", "100"}}, "INVALID DATA", Answer::Cancel, true, 0, 0,
       [] { NumStripLoads(2) = 4; StripLoad(2, 1) = 75; },
       [] { EXPECT_EQ(StripLoad(2, 1), 75) << "the values stay, no longer counted"; }},
      {"Cancel on the uniform drops both sides", kUniformLoads, {{"x"}}, {{"10"}}, "INVALID DATA",
       Answer::Cancel, true, 0, 0, [] { NumUniformLoads(2) = 1; }},
      {"Cancel keeps the other kinds", kLineLoads, {{"", "5"}}, {}, "DATA MISSING", Answer::Cancel,
       true, 0, 0, [] { NumStripLoads(1) = 2; },
       [] { EXPECT_EQ(NumStripLoads(1), 2); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetInputData();
    services.boxes.clear();
    c.before();
    if (c.title) services.boxes.expect(*c.title, c.answer);
    const bool closes =
        entry::FinishSurcharges(c.type, Rows(c.type, c.right), Rows(c.type, c.left));
    EXPECT_EQ(closes, c.closes);
    EXPECT_TRUE(services.boxes.done());
    EXPECT_EQ(services.boxes.boxes().size(), c.title ? 1u : 0u);
    EXPECT_EQ(entry::SurchargeCount(c.type, 1), c.countRight);
    EXPECT_EQ(entry::SurchargeCount(c.type, 2), c.countLeft);
    c.check();
  }
}

TEST_F(SurchargeStorage, MessagesKeepTheirOwnWordingPerKind) {
  services.boxes.expect("DATA MISSING", Answer::OK).expect("INVALID DATA", Answer::OK);
  using entry::kLineLoads;
  entry::FinishSurcharges(kLineLoads, Rows(kLineLoads, {{"", "1"}}), Rows(kLineLoads, {}));
  entry::FinishSurcharges(kLineLoads, Rows(kLineLoads, {{"-1", "1"}}), Rows(kLineLoads, {}));
  const auto& b = services.boxes.boxes();
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0].buttons, 49);
  EXPECT_EQ(b[0].text,
            "At least one required data value is missing.\n\n"
            "     Choose OK to continue LINE LOAD DATA \n          entry.\n"
            "     Choose CANCEL to delete ALL LINE LOAD\n          DATA and exit.");
  EXPECT_EQ(b[1].text,
            "At least one data value is invalid.\n\n"
            "     Choose OK to continue LINE LOAD DATA \n          entry.\n"
            "     Choose CANCEL to DELETE ALL LINE LOAD\n          DATA and exit.");

  services.boxes.clear();
  services.boxes.expect("INVALID DATA", Answer::OK);
  using entry::kVariableLoads;
  entry::FinishSurcharges(kVariableLoads, Rows(kVariableLoads, {{"1", "-1"}, {"2", "0"}}),
                          Rows(kVariableLoads, {}));
  EXPECT_EQ(services.boxes.boxes().at(0).text,
            "At least one data value is invalid.\n\n"
            "     Choose OK to continue VARIABLE LOAD \n          DATA entry.\n"
            "     Choose CANCEL to DELETE VARIABLE LOAD\n          DATA and exit.");
}

TEST_F(SurchargeStorage, DeleteDropsOneSideOrBothUniformValues) {
  NumStripLoads(1) = 2;
  NumStripLoads(2) = 1;
  StripLoad(1, 1) = 100;
  InputChanged = 0;
  entry::DeleteSurchargeSide(entry::kStripLoads, 1);
  EXPECT_EQ(NumStripLoads(1), 0);
  EXPECT_EQ(NumStripLoads(2), 1);
  EXPECT_EQ(StripLoad(1, 1), 100);
  EXPECT_EQ(InputChanged, 1);

  InputChanged = 0;
  entry::DeleteSurchargeSide(entry::kStripLoads, 1);
  EXPECT_EQ(InputChanged, 0) << "nothing stored, nothing changed";

  NumUniformLoads(2) = 1;
  UniformLoad(1) = 5;
  UniformLoad(2) = 50;
  entry::DeleteSurchargeSide(entry::kUniformLoads, 1);
  EXPECT_EQ(NumUniformLoads(2), 0);
  EXPECT_EQ(UniformLoad(1), 0);
  EXPECT_EQ(UniformLoad(2), 0);
  EXPECT_EQ(InputChanged, 1);
}

}  // namespace
