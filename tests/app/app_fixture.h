// A scratch temporary folder, scripted boxes, dialogs and modal runner, and the main
// window started through its splash for the window tests. Nothing real is ever shown.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QMenu>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "app/main_window.h"
#include "flow/main_menus.h"
#include "model/problem_data.h"
#include "platform/scripted_file_dialogs.h"
#include "platform/files.h"
#include "platform/qt/form.h"
#include "platform/qt/modal_runner.h"
#include "platform/script_doubles.h"
#include "platform/recording_canvas.h"
#include "support/scoped_env.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = support::MakeScratchDir("queldar-app");
    ASSERT_FALSE(dir.empty());
    fs::create_directories(dir / "user");
    startDir = fs::current_path();
    tempVar.emplace("TEMP", dir.string());
    services = std::make_unique<platform::ScopedServices>();
    InstallMainWindowHooks();
    platform::Services& s = platform::services();
    s.messageBoxes = &boxes;
    s.fileDialogs = &dialogs;
    boxes.fail = dialogs.fail = [](const std::string& what) { ADD_FAILURE() << what; };
    s.help = &help;
    s.modalRunner = &runner;
    runner.fail = [](const std::string& what) { ADD_FAILURE() << what; };
    s.printers = &printer;
    DIRADERU::splashSeconds = 0;
    MainMenus = MainMenuState{};
  }
  void TearDown() override {
    window.reset();
    platform::files::CloseAll();
    services.reset();
    fs::current_path(startDir);
    tempVar.reset();
    EXPECT_TRUE(boxes.done()) << "boxes expected but not shown";
    EXPECT_TRUE(dialogs.script.empty()) << "dialogs expected but not shown";
    EXPECT_EQ(runner.pending(), 0) << "forms expected but not shown";
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  // Starts the program: the splash, the acknowledgement answered by `button`.
  void start(const char* button = "okbutton0") {
    runner.on("splash_form", [button](platform::Form& f) {
      auto* b = f.control<QPushButton>(button);
      ASSERT_NE(b, nullptr);
      b->click();
    });
    window = std::make_unique<DIRADERU>();
    window->load();
    if (!window->endRequested()) window->show();
  }
  void box(const std::string& title, platform::Answer a, const std::string& textHas = "") {
    boxes.expect(title, a, textHas);
  }
  std::string user(const std::string& name, const std::string& content) const {
    const std::string p = (dir / "user" / name).string();
    std::ofstream(p, std::ios::binary) << content;
    return p;
  }
  QAction* item(const char* array, int index) { return window->menuArray(array)(index); }
  bool topOn(const char* menu) { return window->topMenu(menu)->menuAction()->isEnabled(); }
  // The artifact folder for a person to look at.
  static fs::path artifacts() {
    fs::path p = fs::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "artifacts";
    std::error_code ec;
    fs::create_directories(p, ec);
    return p;
  }

  fs::path dir, startDir;
  std::optional<support::ScopedEnv> tempVar;
  std::unique_ptr<platform::ScopedServices> services;
  platform::ScriptedMessageBoxes boxes;
  platform::ScriptedFileDialogs dialogs;
  platform::RecordingHelp help;
  platform::ScriptedModalRunner runner;
  platform::RecordingPrinterFactory printer;
  std::unique_ptr<DIRADERU> window;
};
