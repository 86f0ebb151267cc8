#include <gtest/gtest.h>

#include "flow/help_menu.h"
#include "flow/main_menus.h"
#include "flow/windows.h"
#include "model/problem.h"
#include "platform/file_copy.h"
#include "platform/files.h"
#include "platform/script_doubles.h"
#include "platform/scripted_file_dialogs.h"
#include "support/scratch_dir.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(MainMenus, ResetPutsEveryMenuIntoNoDataButLeavesEditAndSubmenus) {
  MainMenus = MainMenuState{};
  MainMenus.editMenu = false;
  MainMenus.saveItem[kSaveInputData] = true;
  ResetInputDataAndMenus();
  const MainMenuState& m = MainMenus;
  EXPECT_TRUE(m.fileItem[kFileNew] && m.fileItem[kFileOpen] && m.fileItem[kFileExit]);
  EXPECT_FALSE(m.fileItem[kFileSave] || m.fileItem[kFilePrint]);
  EXPECT_EQ(m.editCaption, "&Enter Input Data");
  EXPECT_FALSE(m.editMenu);          // not touched by the reset
  EXPECT_TRUE(m.saveItem[kSaveInputData]);        // nor the Save submenu
  EXPECT_FALSE(m.viewMenu || m.solveMenu);
  for (bool on : m.viewItem) EXPECT_FALSE(on);
  SetStartMenus();
  EXPECT_TRUE(MainMenus.editMenu);
  EXPECT_EQ(MainMenus.editCaption, "&Enter Input data");
  EXPECT_FALSE(MainMenus.saveItem[kSaveInputData]);
  EXPECT_TRUE(MainMenus.saveItem[kSaveOutputData]);
}

TEST(HelpMenu, DispatchesContentsSearchAboutAndIgnoresTheSeparator) {
  platform::RecordingHelp help;
  platform::ScriptedMessageBoxes boxes;
  platform::services().help = &help;
  platform::services().messageBoxes = &boxes;
  int about = 0;
  flow::windows().aboutBox = [&] { ++about; };
  for (int i : {0, 1, 2, 3, 7}) {
    int index = i;
    DispatchHelpMenuItem(index);
  }
  EXPECT_EQ(help.calls, (std::vector<std::string>{"contents", "search:"}));
  EXPECT_EQ(about, 1);
  flow::windows().aboutBox = nullptr;  // a window not built yet says so
  boxes.expect("QUELDAR", platform::Answer::OK, "This window is not available yet.");
  int three = 3;
  DispatchHelpMenuItem(three);
  EXPECT_TRUE(boxes.done());
  platform::services().help = nullptr;
  platform::services().messageBoxes = nullptr;
}

TEST(FileCopy, ReplacesTheTargetOnlyWithACompleteCopy) {
  const fs::path dir = support::MakeScratchDir("queldar-copy");
  ASSERT_FALSE(dir.empty());
  const std::string src = (dir / "a.ooo").string(), dst = (dir / "b.out").string();
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
  bytes += "no line end";
  std::ofstream(src, std::ios::binary) << bytes;
  std::ofstream(dst, std::ios::binary) << "old";
  ASSERT_TRUE(platform::files::CopyFileReplacing(src, dst));
  EXPECT_EQ(support::ReadBytes(dst), bytes);
  // A missing source or a target that cannot be made leaves everything as it was.
  EXPECT_FALSE(platform::files::CopyFileReplacing((dir / "missing").string(), dst));
  EXPECT_FALSE(platform::files::CopyFileReplacing(src, (dir / "no/such/dir/x").string()));
  EXPECT_FALSE(platform::files::CopyFileReplacing(src, dir.string()));
  int left = 0;
  for (auto& e : fs::directory_iterator(dir)) left += e.path().filename().string().find(".part") != std::string::npos;
  EXPECT_EQ(left, 0);
  EXPECT_TRUE(platform::files::IsWritableFolder(dir.string()));
  EXPECT_FALSE(platform::files::IsWritableFolder((dir / "nope").string()));
  fs::remove_all(dir);
}
