#include "entry/heading_control_window.h"

#include "keyboard_entry_fixture.h"
#include "model/input_file.h"

using platform::Answer;

namespace {

const char* const kInvalid =
    "INVALID DATA [49] At least one data value is invalid.\n\n   Choose OK to continue data entry.\n"
    "   Choose CANCEL to DELETE ALL DATA\n          on this form and exit.";

std::string missing(const std::string& list) {
  return "DATA MISSING [49] The following required data are missing:\n\n" + list +
         "\n\n     Choose OK to continue DATA entry.\n     Choose CANCEL to DELETE ALL DATA\n"
         "          on this form and exit.";
}

void choose(platform::Form& f, const char* option) { f.control<platform::OptionButton>(option)->click(); }

}  // namespace

class HeadingTest : public EntryTest {
 protected:
  // A new problem's window with the given boxes typed and options chosen, then Finished;
  // `answer` answers the message when one is expected.
  void finish(const std::vector<std::pair<QString, QString>>& boxes_, const std::vector<const char*>& options,
              const std::string& expected, Answer answer = Answer::OK) {
    boxes.clearShown();
    if (!expected.empty()) box(expected.substr(0, expected.find(" [")), answer);
    show<HEADCONT>([&](HEADCONT& f) {
      for (const char* o : options) choose(f, o);
      for (const auto& [name, text] : boxes_) type(f, name, text);
      click(f, "cmdFinished");
      if (!f.isUnloaded()) f.unload();
    });
    if (expected.empty()) {
      EXPECT_TRUE(boxes.boxes().empty()) << lastBox();
    } else {
      EXPECT_EQ(lastBox(), expected);
    }
  }
};

TEST_F(HeadingTest, HeadingLinesCloseUpAndBeginWithAnApostrophe) {
  HeadingLines(3) = "'KEPT";
  finish({{"txtHead(1)", "  SHEET PILE "}, {"txtHead(3)", "'QUAY"}, {"txtWallTop", "20"}},
         {"optCantilever", "optDesign"}, "");
  EXPECT_EQ(NumHeadingLines, 2);
  EXPECT_EQ(HeadingLines(1), "'SHEET PILE ");
  EXPECT_EQ(HeadingLines(2), "'QUAY ");
  EXPECT_EQ(HeadingLines(3), "'KEPT") << "lines beyond the count are left as they were";
  EXPECT_EQ(HeadContDone, 1);
  EXPECT_EQ(WallTopElev, 20);
}

TEST_F(HeadingTest, ATypedHeadingIsKeptAsTheInputFileKeepsIt) {
  // The reader's line: trimmed, in capitals, one blank after it. A line with a character
  // beyond Latin-1 is UTF-8 and gets capitals of its ASCII letters only, as from a file.
  struct Case {
    const char* name;
    QString typed;
    std::string kept;
    QString shownAgain;
  } cases[] = {
      {"an en dash", QString::fromUtf8("Quay wall \u2013 caf\u00e9"), "'QUAY WALL \xe2\x80\x93 CAF\xc3\xa9 ",
       QString::fromUtf8("'QUAY WALL \u2013 CAF\u00e9 ")},
      {"Latin-1 only", QString::fromUtf8("Quay wall caf\u00e9"), "'QUAY WALL CAF\xc9 ",
       QString::fromUtf8("'QUAY WALL CAF\u00c9 ")},
      {"curly quotes and a Greek phi", QString::fromUtf8("\u201cPier 3\u201d \u03c6 = 30"),
       "'\xe2\x80\x9cPIER 3\xe2\x80\x9d \xcf\x86 = 30 ", QString::fromUtf8("'\u201cPIER 3\u201d \u03c6 = 30 ")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetInputData();
    finish({{"txtHead(0)", c.typed}, {"txtWallTop", "20"}}, {"optCantilever", "optDesign"}, "");
    EXPECT_EQ(HeadingLines(1), c.kept);
    EXPECT_EQ(AsReadLine(c.kept), c.kept) << "the reader gives the written line back unchanged";
    // Shown again whole, and stored again unchanged.
    show<HEADCONT>([&](HEADCONT& f) {
      EXPECT_EQ(textBox(f, "txtHead(0)")->text(), c.shownAgain);
      click(f, "cmdFinished");
    });
    EXPECT_EQ(HeadingLines(1), c.kept);
  }
}

TEST_F(HeadingTest, DesignFactorsOfSafetyFromTheirBoxes) {
  struct Case {
    const char *fsa, *fsp;
    double active, passive;  // < 0: invalid
  };
  const Case cases[] = {{"", "", 1.0, 1.0},     {"0", "", 1.0, 1.0},    {"1.3", "0", 1.3, 1.3},
                        {"1.25", "2", 1.25, 2}, {"-1", "1.5", -1, -1}, {"1", "-0.5", -1, -1},
                        {"x", "1", -1, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.fsa) + " / " + c.fsp);
    finish({{"txtHead(0)", "H"}, {"txtWallTop", "20"}, {"txtFSA1", c.fsa}, {"txtFSP1", c.fsp}},
           {"optCantilever", "optDesign"}, c.active < 0 ? kInvalid : "");
    if (c.active < 0) {
      EXPECT_EQ(HeadContDone, 0);
      continue;
    }
    EXPECT_EQ(FSActive, c.active);
    EXPECT_EQ(FSPassive, c.passive);
  }
}

TEST_F(HeadingTest, BlanksAreListedBeforeAnyValueIsLookedAt) {
  // Stage 1 hides the values: a bad wall top beside a missing wall type is not reported.
  finish({{"txtWallTop", "abc"}}, {}, missing("     HEADING\n     WALL TYPE\n     MODE"));
  finish({{"txtHead(0)", "H"}}, {"optAnchored", "optDesign"},
         missing("     WALL TOP ELEVATION\n     ANCHOR ELEVATION"));
  // Stage 2 lists its own blanks after an empty first line.
  finish({{"txtHead(0)", "H"}, {"txtWallTop", "20"}, {"txtWallI", "300"}}, {"optCantilever", "optAnalysis", "optFSOption1"},
         missing("\nELEVATION AT BOTTOM OF WALL\nMODULUS OF ELLASTICITY"));
  finish({{"txtHead(0)", "H"}, {"txtWallTop", "20"}, {"txtWallBot", "-10"}, {"txtWallE", "29e6"}, {"txtWallI", "300"}},
         {"optCantilever", "optAnalysis"}, missing("\nFACTOR OF SAFETY OPTION FOR ANALYSIS"));
  // A value error wins over stage-2 blanks already found.
  finish({{"txtHead(0)", "H"}, {"txtWallTop", "20"}, {"txtWallE", "0"}}, {"optCantilever", "optAnalysis", "optFSOption1"},
         kInvalid);
}

TEST_F(HeadingTest, WallAndAnalysisValues) {
  struct Case {
    const char* what;
    std::vector<std::pair<QString, QString>> boxes;
    std::vector<const char*> options;
    bool valid;
  };
  const std::vector<std::pair<QString, QString>> wall = {{"txtHead(0)", "H"}, {"txtWallTop", "20"},
                                                         {"txtWallE", "29e6"}, {"txtWallI", "300"}};
  const auto with = [&](std::vector<std::pair<QString, QString>> more) {
    auto all = wall;
    all.insert(all.end(), more.begin(), more.end());
    return all;
  };
  const Case cases[] = {
      {"anchor at the wall top", with({{"txtAnchorEl", "20"}, {"txtWallBot", "-5"}}), {"optAnchored", "optAnalysis", "optFSOption1"}, true},
      {"anchor above the wall top", with({{"txtAnchorEl", "20.5"}, {"txtWallBot", "-5"}}), {"optAnchored", "optAnalysis", "optFSOption1"}, false},
      {"bottom at the anchor", with({{"txtAnchorEl", "15"}, {"txtWallBot", "15"}}), {"optAnchored", "optAnalysis", "optFSOption1"}, false},
      {"bottom at the wall top", with({{"txtWallBot", "20"}}), {"optCantilever", "optAnalysis", "optFSOption1"}, false},
      {"option 2 with a blank factor is invalid, not missing", with({{"txtWallBot", "-5"}}), {"optCantilever", "optAnalysis", "optFSOption2"}, false},
      {"option 2 with a factor of 0", with({{"txtWallBot", "-5"}, {"txtFSAAnalysis", "0"}}), {"optCantilever", "optAnalysis", "optFSOption2"}, false},
      {"option 2 with 1.4", with({{"txtWallBot", "-5"}, {"txtFSAAnalysis", "1.4"}}), {"optCantilever", "optAnalysis", "optFSOption2"}, true},
      {"inertia of 0", {{"txtHead(0)", "H"}, {"txtWallTop", "20"}, {"txtWallBot", "-5"}, {"txtWallE", "29e6"}, {"txtWallI", "0"}},
       {"optCantilever", "optAnalysis", "optFSOption1"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    finish(c.boxes, c.options, c.valid ? "" : kInvalid);
    EXPECT_EQ(HeadContDone, c.valid ? 1 : 0);
  }
  EXPECT_EQ(AnalysisFSOption, 1);
  EXPECT_EQ(WallInertia, 0) << "the failing value is stored before it is tested";
}

TEST_F(HeadingTest, CancelKeepsWhatPassedAndTheNextShowingStartsNew) {
  finish({{"txtHead(0)", "H"}, {"txtWallTop", "25"}, {"txtAnchorEl", "30"}}, {"optAnchored", "optDesign"}, kInvalid,
         Answer::Cancel);
  EXPECT_EQ(HeadContDone, 0);
  EXPECT_EQ(WallTopElev, 25);
  EXPECT_EQ(AnchorElev, 30);
  show<HEADCONT>([&](HEADCONT& f) {
    EXPECT_EQ(WallType, "");
    EXPECT_EQ(RunMode, "");
    EXPECT_EQ(f.control<platform::Panel>("panHeadCont")->caption(), "Enter Heading and Control Data");
    EXPECT_EQ(textBox(f, "txtFSA1")->text(), "1") << "after the reset the factors show plain";
    EXPECT_EQ(textBox(f, "txtFSP1")->text(), "1.5");
    // The close box runs Finished.
    box("DATA MISSING", Answer::Cancel);
    f.close();
    EXPECT_TRUE(f.isUnloaded());
  });
}

TEST_F(HeadingTest, ReopeningShowsTheStoredDataAndLeavesTheEditFlag) {
  finish({{"txtHead(0)", "QUAY WALL"}, {"txtWallTop", "20"}, {"txtAnchorEl", "17.5"}, {"txtWallBot", "-12"},
          {"txtWallE", "29000000"}, {"txtWallI", "184.2"}, {"txtFSAAnalysis", "1.25"}},
         {"optAnchored", "optAnalysis", "optFSOption2"}, "");
  ASSERT_EQ(HeadContDone, 1);
  InputChanged = 0;
  show<HEADCONT>([&](HEADCONT& f) {
    EXPECT_EQ(InputChanged, 0);
    EXPECT_EQ(f.control<platform::Panel>("panHeadCont")->caption(), "Edit Heading and Control Data");
    EXPECT_EQ(textBox(f, "txtHead(0)")->text(), "'QUAY WALL ");
    EXPECT_EQ(textBox(f, "txtWallTop")->text(), " 20");
    EXPECT_EQ(textBox(f, "txtAnchorEl")->text(), " 17.5");
    EXPECT_EQ(textBox(f, "txtWallBot")->text(), "-12");
    EXPECT_EQ(textBox(f, "txtWallE")->text(), " 29000000");
    EXPECT_EQ(textBox(f, "txtFSAAnalysis")->text(), " 1.25");
    EXPECT_TRUE(f.control<platform::OptionButton>("optAnchored")->value());
    EXPECT_TRUE(f.control<platform::OptionButton>("optFSOption2")->value());
    EXPECT_TRUE(shown(f, "fraAnchor"));
    EXPECT_TRUE(shown(f, "fraWallProps"));
    EXPECT_TRUE(shown(f, "fraFSOption"));
    EXPECT_FALSE(shown(f, "fraSafety"));
    keepPicture(f, "headcont_analysis");
    // An edit marks the input, and switching to design shows its frames.
    choose(f, "optDesign");
    EXPECT_EQ(InputChanged, 1);
    EXPECT_TRUE(shown(f, "fraSafety"));
    EXPECT_FALSE(shown(f, "fraWallProps"));
    choose(f, "optCantilever");
    EXPECT_FALSE(shown(f, "fraAnchor"));
    keepPicture(f, "headcont_design");
    click(f, "cmdFinished");
    EXPECT_TRUE(f.isUnloaded());
  });
  EXPECT_EQ(RunMode, "D");
  EXPECT_EQ(WallType, "C");
}
