#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/script_doubles.h"
#include "platform/services.h"
#include "platform/text.h"

using platform::Answer;

TEST(ScriptedMessageBoxes, AnswersFromTheScriptAndRecordsEveryBox) {
  platform::ScopedServices s;
  s.boxes.expect(Answer::OK).expect("OVERWRITE?", Answer::No).expect(Answer::Cancel);
  EXPECT_EQ(platform::MsgBox("Line one\nLine two"), Answer::OK);
  EXPECT_EQ(platform::MsgBox("File exists.", 36, "OVERWRITE?"), Answer::No);
  EXPECT_EQ(platform::MsgBox("Go on?", 49, "CHECK"), Answer::Cancel);
  ASSERT_EQ(s.boxes.boxes().size(), 3u);
  EXPECT_EQ(s.boxes.boxes()[0].title, "QUELDAR");  // no title shows the program's
  EXPECT_EQ(s.boxes.boxes()[0].text, "Line one\nLine two");
  EXPECT_EQ(s.boxes.boxes()[0].buttons, 0);
  EXPECT_EQ(s.boxes.boxes()[1].title, "OVERWRITE?");
  EXPECT_EQ(s.boxes.boxes()[2].buttons, 49);
  EXPECT_TRUE(s.boxes.done());
}

TEST(ScriptedMessageBoxes, AnUnexpectedBoxFailsAtOnce) {
  platform::ScopedServices s;
  EXPECT_THROW(platform::MsgBox("surprise"), platform::UnexpectedMessageBox);

  s.boxes.expect("ONE", Answer::OK);
  EXPECT_THROW(platform::MsgBox("x", 0, "TWO"), platform::UnexpectedMessageBox);

  // Answers the buttons cannot give.
  const struct {
    int buttons;
    Answer answer;
  } impossible[] = {{0, Answer::Yes},  {48, Answer::Cancel}, {64, Answer::No}, {1, Answer::Yes},
                    {49, Answer::No},  {4, Answer::OK},      {36, Answer::Cancel}};
  for (const auto& c : impossible) {
    s.boxes.expect(c.answer);
    EXPECT_THROW(platform::MsgBox("x", c.buttons, "T"), platform::UnexpectedMessageBox)
        << c.buttons << " " << platform::AnswerName(c.answer);
  }
  try {
    platform::MsgBox("the text", 4, "LAST");
    FAIL() << "no exception";
  } catch (const platform::UnexpectedMessageBox& e) {
    EXPECT_NE(std::string(e.what()).find("\"LAST\" [4] \"the text\""), std::string::npos) << e.what();
  }
}

TEST(ScriptedMessageBoxes, WithAFailureReportEveryBoxAgainstTheScriptIsReportedAndTheRunGoesOn) {
  // Inside a window's event handler a throw would end in the program's own error box, so
  // window tests have the faults reported instead; none may pass unseen.
  platform::ScopedServices s;
  std::vector<std::string> reported;
  s.boxes.fail = [&](const std::string& what) { reported.push_back(what); };
  const struct {
    const char* title;  // expected
    Answer answer;
    const char* textHas;
    const char* shownTitle;
    int buttons;
    const char* text;
    const char* report;  // a part of the report, or nullptr when none is due
  } cases[] = {
      {"A", Answer::Yes, "two", "A", 36, "one two", nullptr},
      {"A", Answer::OK, "", "Z", 0, "x", "titled \"A\" expected"},
      {"B", Answer::OK, "missing", "B", 48, "the text", "text with \"missing\" expected"},
      {"C", Answer::Yes, "", "C", 49, "x", "cannot come from"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    reported.clear();
    s.boxes.expect(c.title, c.answer, c.textHas);
    EXPECT_EQ(platform::MsgBox(c.text, c.buttons, c.shownTitle), c.answer);  // as scripted
    if (!c.report) {
      EXPECT_TRUE(reported.empty());
    } else {
      ASSERT_EQ(reported.size(), 1u);
      EXPECT_NE(reported[0].find(c.report), std::string::npos) << reported[0];
    }
  }
  // Beyond the script: reported, and a question gets No.
  reported.clear();
  EXPECT_EQ(platform::MsgBox("more?", 4, "EXTRA"), Answer::No);
  EXPECT_EQ(platform::MsgBox("note", 48, "EXTRA"), Answer::OK);
  EXPECT_EQ(reported.size(), 2u);
  EXPECT_EQ(s.boxes.last(), "EXTRA [48] note");
}

TEST(ScriptedMessageBoxes, TheRestAnsweredAsAHeadlessRunIsRecordedNotReported) {
  platform::ScopedServices s;
  s.boxes.expect("FIRST", Answer::No).answerTheRest();
  EXPECT_EQ(platform::MsgBox("q", 36, "FIRST"), Answer::No);  // the script first
  EXPECT_EQ(platform::MsgBox("q", 36, "LATER"), Answer::Yes);
  EXPECT_EQ(platform::MsgBox("q", 1, "LATER"), Answer::OK);
  s.boxes.answerTheRest(/*answerNo=*/true);
  EXPECT_EQ(platform::MsgBox("q", 4, "LATER"), Answer::No);
  EXPECT_EQ(platform::MsgBox("q", 49, "LATER"), Answer::Cancel);
  EXPECT_EQ(platform::MsgBox("q", 64, "LATER"), Answer::OK);
  EXPECT_EQ(s.boxes.boxes().size(), 6u);
  s.boxes.clearShown();
  EXPECT_TRUE(s.boxes.boxes().empty());
}

TEST(ScriptedMessageBoxes, RecordWhetherOnlyAButtonMayAnswerABox) {
  // An OK/Cancel box whose Cancel drops typed data must be answered with a button, like
  // every Yes/No box; the record keeps the platform's code apart from that kind.
  platform::ScopedServices s;
  s.boxes.answerTheRest();
  const struct {
    int code, recorded;
    bool mustAnswer;
  } cases[] = {{49 | platform::kBoxMustAnswer, 49, true}, {1 | platform::kBoxMustAnswer, 1, true},
               {49, 49, false}, {1, 1, false}, {0, 0, false}, {48, 48, false}, {4, 4, true}, {36, 36, true}};
  for (const auto& c : cases) platform::MsgBox("x", c.code, "KIND");
  ASSERT_EQ(s.boxes.boxes().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].code);
    EXPECT_EQ(s.boxes.boxes()[i].buttons, cases[i].recorded);
    EXPECT_EQ(s.boxes.boxes()[i].mustAnswer, cases[i].mustAnswer);
  }
  EXPECT_EQ(s.boxes.last(), "KIND [36] x");

  // Windows whose every OK/Cancel message discards typed data have an Esc-answerable one
  // reported.
  std::vector<std::string> reported;
  s.boxes.fail = [&](const std::string& what) { reported.push_back(what); };
  s.boxes.okCancelMustBeAnswered = true;
  s.boxes.expect("SECTION", Answer::Cancel).expect("SECTION", Answer::Yes).expect("SECTION", Answer::Cancel);
  EXPECT_EQ(platform::MsgBox("x", 49 | platform::kBoxMustAnswer, "SECTION"), Answer::Cancel);
  EXPECT_EQ(platform::MsgBox("x", 36, "SECTION"), Answer::Yes);
  EXPECT_TRUE(reported.empty());
  EXPECT_EQ(platform::MsgBox("x", 49, "SECTION"), Answer::Cancel);
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_NE(reported[0].find("Esc would answer"), std::string::npos) << reported[0];

  // A headless run prints the platform's code.
  std::ostringstream out;
  platform::PrintingMessageBoxes printing(out);
  printing.show("x", 49 | platform::kBoxMustAnswer, "SECTION");
  EXPECT_EQ(out.str(), "=== SECTION [49]\nx\n===\n");
}

TEST(RecordingPointer, TheDefaultPointerComesBackBeforeBoxesAndOnEveryExit) {
  platform::ScopedServices s;
  s.boxes.expect(Answer::OK);
  {
    platform::BusyPointer busy;
    platform::MsgBox("done");
  }
  EXPECT_EQ(s.pointer.order(), (std::vector<std::string>{"11", "0", "box", "0"}));

  s.pointer.clear();
  try {
    platform::BusyPointer busy;
    platform::MsgBox("not in the script");
  } catch (const platform::UnexpectedMessageBox&) {
  }
  EXPECT_EQ(s.pointer.codes(), (std::vector<int>{11, 0, 0}));
  EXPECT_EQ(s.pointer.current(), 0);
}

TEST(ScopedServices, PutsThePreviousRegistryBack) {
  platform::NoPointer outer;
  platform::services().pointer = &outer;
  platform::FixedClock outerClock;
  platform::services().clock = &outerClock;
  {
    platform::ScopedServices s;
    EXPECT_EQ(platform::services().pointer, &s.pointer);
    platform::services().clock = nullptr;
    {
      platform::ScopedServices inner;
      EXPECT_EQ(platform::services().messageBoxes, &inner.boxes);
    }
    EXPECT_EQ(platform::services().messageBoxes, &s.boxes);
  }
  EXPECT_EQ(platform::services().pointer, &outer);
  EXPECT_EQ(platform::services().messageBoxes, nullptr);
  EXPECT_EQ(platform::services().clock, &outerClock);
  platform::services() = platform::Services{};
}

TEST(FixedClock, StandsStillAndRecordsWaits) {
  platform::ScopedServices s;
  const auto start = platform::Now();
  EXPECT_EQ(platform::text::FormatDate(start, "d-mmmm-yyyy"), "9-December-2026");
  EXPECT_EQ(platform::text::FormatDate(start, "H:MM:SS"), "2:07:12");
  platform::WaitSeconds(3);
  platform::WaitSeconds(0);
  EXPECT_EQ(s.clock.waits(), (std::vector<double>{3, 0}));
  EXPECT_EQ(platform::Now() - start, std::chrono::seconds(3));
  s.clock.setLocal(2027, 1, 31, 23, 59, 5);
  EXPECT_EQ(platform::text::FormatDate(platform::Now(), "d-mmmm-yyyy H:MM:SS"), "31-January-2027 23:59:05");
}

TEST(PrintingMessageBoxes, PrintsEachBoxAsABlockAndAnswersByItsButtons) {
  std::ostringstream out;
  platform::PrintingMessageBoxes boxes(out);
  EXPECT_EQ(boxes.show("First line\n\n     Unable to continue.", 0, "TOO MANY ELEVATIONS"), Answer::OK);
  EXPECT_EQ(boxes.show("", 64, "QUELDAR"), Answer::OK);
  EXPECT_EQ(out.str(),
            "=== TOO MANY ELEVATIONS [0]\nFirst line\n\n     Unable to continue.\n===\n"
            "=== QUELDAR [64]\n\n===\n");

  const struct {
    int buttons;
    Answer yes, no;
  } cases[] = {{0, Answer::OK, Answer::OK},     {48, Answer::OK, Answer::OK},
               {64, Answer::OK, Answer::OK},    {1, Answer::OK, Answer::Cancel},
               {49, Answer::OK, Answer::Cancel}, {4, Answer::Yes, Answer::No},
               {36, Answer::Yes, Answer::No}};
  for (const auto& c : cases) {
    EXPECT_EQ(platform::PrintingMessageBoxes::AnswerFor(c.buttons, false), c.yes) << c.buttons;
    EXPECT_EQ(platform::PrintingMessageBoxes::AnswerFor(c.buttons, true), c.no) << c.buttons;
  }
}

TEST(HeadlessServices, BoxesGoToStandardOutputWithTheProgramTitle) {
  platform::ScopedServices restore;
  platform::InstallHeadlessServices(true);
  ::testing::internal::CaptureStdout();
  const Answer a = platform::MsgBox("Save changes?", 36);
  const Answer b = platform::MsgBox("Go on?", 49, "CHECK");
  platform::SetPointer(11);
  const std::string printed = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(a, Answer::No);
  EXPECT_EQ(b, Answer::Cancel);
  EXPECT_EQ(printed, "=== QUELDAR [36]\nSave changes?\n===\n=== CHECK [49]\nGo on?\n===\n");

  platform::InstallHeadlessServices(false);
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(platform::MsgBox("Save changes?", 4, "SAVE"), Answer::Yes);
  ::testing::internal::GetCapturedStdout();
}

// A search's trials hold their OK boxes back: nothing reaches the user until the search
// decides to show them, questions are never answered for the user, and a hold inside
// another gives its boxes to the outer one.
TEST(HeldBoxes, HoldOkBoxesAndShowThemOnlyWhenAsked) {
  platform::ScopedServices s;
  s.boxes.expect("CONTINUE?", Answer::No).expect("SHOWN", Answer::OK);
  {
    platform::HeldBoxes outer;
    {
      platform::HeldBoxes inner;
      EXPECT_EQ(platform::MsgBox("held", 48, "SHOWN"), Answer::OK);
      EXPECT_EQ(platform::MsgBox("asks", 4, "CONTINUE?"), Answer::No);  // shown at once
      EXPECT_EQ(platform::MsgBox("dropped", 0), Answer::OK);
      EXPECT_EQ(s.boxes.boxes().size(), 1u);
      std::vector<platform::HeldBoxes::Box> taken = inner.Take();
      ASSERT_EQ(taken.size(), 2u);
      EXPECT_TRUE(inner.boxes().empty());
      taken.pop_back();
      inner.Show(taken);  // to the outer hold
    }
    EXPECT_EQ(s.boxes.boxes().size(), 1u);
    ASSERT_EQ(outer.boxes().size(), 1u);
    outer.Show(outer.boxes());
  }
  ASSERT_EQ(s.boxes.boxes().size(), 2u);
  EXPECT_EQ(s.boxes.boxes()[1].title, "SHOWN");
  EXPECT_EQ(s.boxes.boxes()[1].text, "held");
  EXPECT_EQ(s.boxes.boxes()[1].buttons, 48);
  EXPECT_TRUE(s.boxes.done());
  EXPECT_THROW(platform::MsgBox("after", 0, "AFTER"), platform::UnexpectedMessageBox);  // no hold is left
}
