// Scripted message boxes, file dialogs and help for the program-flow tests. A box or a
// dialog the script did not expect fails the test at once; nothing ever waits.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/script_doubles.h"
#include "platform/services.h"

struct ScriptedBox {
  std::string title;      // expected title
  platform::Answer answer;
  std::string textHas;    // a part the text must contain ("" = anything)
};

struct ScriptedBoxes : platform::MessageBoxes {
  std::deque<ScriptedBox> script;
  std::vector<std::string> seen;  // "TITLE [code] text"
  platform::Answer show(std::string_view text, int buttons, std::string_view title) override {
    seen.push_back(std::string(title) + " [" + std::to_string(buttons) + "] " + std::string(text));
    if (script.empty()) {
      ADD_FAILURE() << "unexpected message box: " << seen.back();
      return (buttons == 4 || buttons == 36) ? platform::Answer::No : platform::Answer::OK;
    }
    ScriptedBox next = script.front();
    script.pop_front();
    EXPECT_EQ(next.title, title) << "box: " << seen.back();
    if (!next.textHas.empty()) {
      EXPECT_NE(std::string(text).find(next.textHas), std::string::npos) << "box: " << seen.back();
    }
    EXPECT_TRUE(platform::ButtonsCanGive(buttons, next.answer))
        << "answer the buttons cannot give, box: " << seen.back();
    return next.answer;
  }
};

struct ScriptedDialogs : platform::FileDialogs {
  std::deque<std::string> names;  // "" = cancel
  std::vector<std::string> titles;
  void answer(platform::FileDialogState& s) {
    titles.push_back(s.dialogTitle);
    if (names.empty()) {
      ADD_FAILURE() << "unexpected file dialog: " << s.dialogTitle;
      s.fileName = "";
      return;
    }
    s.fileName = names.front();
    names.pop_front();
    const auto slash = s.fileName.find_last_of('/');
    s.fileTitle = slash == std::string::npos ? s.fileName : s.fileName.substr(slash + 1);
  }
  void showOpen(platform::FileDialogState& s) override { answer(s); }
  void showSaveAs(platform::FileDialogState& s) override { answer(s); }
};

struct RecordingHelp : platform::Help {
  std::vector<std::string> calls;
  void contents() override { calls.push_back("contents"); }
  void search(std::string_view k) override { calls.push_back("search:" + std::string(k)); }
  void quit() override { calls.push_back("quit"); }
};

struct RecordingPointer : platform::Pointer {
  std::vector<int> codes;
  void set(int code) override { codes.push_back(code); }
};
