#include "entry/surface_window.h"

#include "keyboard_entry_fixture.h"

using platform::Answer;

namespace {

const char* const kInvalidTail =
    "\n\n     Choose OK to continue SURFACE\n          DATA entry.\nChoose CANCEL to DELETE ALL SURFACE\n"
    "          DATA and exit.";
const std::string kRightInvalid =
    std::string("INVALID DATA [49] At least one RIGHT SIDE SURFACE DATA value is invalid.") + kInvalidTail;
const std::string kLeftInvalid =
    std::string("INVALID DATA [49] At least one LEFT SIDE SURDACE DATA value is invalid.") + kInvalidTail;
const std::string kRightMissing =
    "DATA MISSING [49] At least one SURFACE point is required for the right side.\n\n"
    "Choose OK to continue SURFACE DATA entry.\nChoose CANCEL to DELETE ALL SURFACE DATA\n     and exit.";
const std::string kLeftMissing =
    "DATA MISSING [49] At least one SURFACE point is required for the left side.\n\n"
    "     Choose OK to continue SURFACE DATA entry.\nChoose CANCEL to DELETE ALL SURFACE DATA and exit.";

using Rows = std::vector<std::pair<const char*, const char*>>;  // distance, elevation

}  // namespace

class SurfaceTest : public EntryTest {
 protected:
  void fill(platform::Form& f, const char* side, const Rows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      type(f, QString("txt%1Dist(%2)").arg(side).arg(i), rows[i].first);
      type(f, QString("txt%1Elev(%2)").arg(side).arg(i), rows[i].second);
    }
  }
  // Types both sides, presses Finished and answers the message expected (if any).
  bool finish(const Rows& right, const Rows& left, const std::string& expected, Answer answer = Answer::OK) {
    boxes.clearShown();
    if (!expected.empty()) box(expected.substr(0, expected.find(" [")), answer);
    bool closed = false;
    show<SURFACE>([&](SURFACE& f) {
      fill(f, "Right", right);
      fill(f, "Left", left);
      click(f, "cmdFinished");
      closed = f.isUnloaded();
      if (!closed) f.unload();
    });
    if (expected.empty()) EXPECT_TRUE(boxes.boxes().empty()) << lastBox();
    else EXPECT_EQ(lastBox(), expected);
    return closed;
  }
};

TEST_F(SurfaceTest, CountsByDistanceAndChecksTheRightSideFirst) {
  struct Case {
    const char* what;
    Rows right, left;
    std::string expected;
    int rightCount, leftCount;
  };
  const Case cases[] = {
      {"a gap in the right distances", {{"0", "10"}, {"5", "9"}, {"", ""}, {"20", "8"}}, {{"0", "0"}}, kRightInvalid, 4, 0},
      {"equal distances", {{"0", "10"}, {"0", "9"}}, {{"0", "0"}}, kRightInvalid, 2, 0},
      {"a distance that is no number", {{"abc", "10"}}, {{"0", "0"}}, kRightInvalid, 1, 0},
      {"a distance with a unit", {{"0", "10"}, {"12ft", "9"}}, {{"0", "0"}}, kRightInvalid, 2, 0},
      {"a first distance below 0", {{"-1", "10"}}, {{"0", "0"}}, kRightInvalid, 1, 0},
      {"a blank elevation", {{"0", ""}}, {{"0", "0"}}, kRightInvalid, 1, 0},
      {"no right point", {{"", "10"}}, {{"0", "0"}}, kRightMissing, 0, 0},
      {"no left point: the right side is already stored", {{"0", "10"}}, {}, kLeftMissing, 1, 0},
      {"left distances falling", {{"0", "10"}}, {{"0", "0"}, {"-1", "1"}}, kLeftInvalid, 1, 2},
      {"a left elevation beyond its distances is ignored", {{"0", "10"}, {"8", "12"}}, {{"2", "0"}, {"", "4"}}, "", 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetInputData();
    EXPECT_EQ(finish(c.right, c.left, c.expected), c.expected.empty());
    EXPECT_EQ(NumSurfacePoints(1), c.rightCount);
    EXPECT_EQ(NumSurfacePoints(2), c.leftCount);
  }
  EXPECT_EQ(SurfaceDist(1, 2), 8);
  EXPECT_EQ(SurfaceElev(1, 2), 12);
  EXPECT_EQ(SurfaceDist(2, 1), 2);
}

TEST_F(SurfaceTest, CancelDropsBothSidesAndReopeningRefillsThem) {
  finish({{"0", "10"}}, {{"0", "x"}}, kLeftInvalid, Answer::Cancel);
  EXPECT_EQ(NumSurfacePoints(1), 0);
  EXPECT_EQ(NumSurfacePoints(2), 0);

  finish({{" 0 ", "10"}, {"15", "12.5"}}, {{"0", "-2"}}, "");
  InputChanged = 0;
  show<SURFACE>([&](SURFACE& f) {
    EXPECT_EQ(f.control<platform::Panel>("Panel3D1")->caption(), "Edit Surface Data");
    EXPECT_EQ(textBox(f, "txtRightDist(1)")->text(), " 15");
    EXPECT_EQ(textBox(f, "txtRightElev(1)")->text(), " 12.5");
    EXPECT_EQ(textBox(f, "txtLeftElev(0)")->text(), "-2");
    EXPECT_EQ(InputChanged, 0);
    EXPECT_EQ(f.menuArray("mnuHelpItem")(1)->text(), "&Search for Help on ...");
    keepPicture(f, "surface");
    type(f, "txtLeftDist(1)", "5");
    EXPECT_EQ(InputChanged, 1);
    // A close request runs Finished: the new left point is wanted with its elevation.
    box("INVALID DATA", Answer::OK);
    f.close();
    EXPECT_FALSE(f.isUnloaded());
    type(f, "txtLeftElev(1)", "-3");
    f.close();
    EXPECT_TRUE(f.isUnloaded());
  });
  EXPECT_EQ(NumSurfacePoints(2), 2);

  // With no right point the left side is not filled either.
  NumSurfacePoints(1) = 0;
  show<SURFACE>([&](SURFACE& f) {
    EXPECT_EQ(f.control<platform::Panel>("Panel3D1")->caption(), "Enter Surface Data");
    EXPECT_EQ(textBox(f, "txtLeftDist(0)")->text(), "");
    f.unload();
  });
}
