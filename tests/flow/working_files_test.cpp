#include <gtest/gtest.h>
#include "flow/windows.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "flow/main_menus.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "model/temp_files.h"
#include "flow/working_files.h"
#include "platform/files.h"
#include "platform/script_doubles.h"
#include "platform/recording_canvas.h"
#include "platform/text_printer.h"
#include "platform/scripted_file_dialogs.h"
#include "support/scratch_dir.h"
#include "support/scoped_env.h"

namespace fs = std::filesystem;
using platform::Answer;

namespace {

const char* const kProblem =
    "'WORKING FILES\n"
    "CONTROL CANTILEVER DESIGN\n"
    "WALL 10\n"
    "SURFACE RIGHTSIDE 1 0 10\n"
    "SURFACE LEFTSIDE 1 0 0\n"
    "SOIL RIGHTSIDE STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "SOIL LEFTSIDE STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "FINISHED\n";

using support::ReadBytes;

class WorkingFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = support::MakeScratchDir("queldar-wf");
    ASSERT_FALSE(dir.empty());
    fs::create_directories(dir / "user");
    tempVar.emplace("TEMP", " " + dir.string() + " ");  // trimmed
    services_ = std::make_unique<platform::ScopedServices>();
    platform::Services& s = platform::services();
    s.messageBoxes = &boxes;
    s.fileDialogs = &dialogs;
    boxes.fail = dialogs.fail = [](const std::string& what) { ADD_FAILURE() << what; };
    s.help = &help;
    s.printers = &printer;
    flow::windows() = flow::Windows{};
    flow::windows().endProgram = [this] { ++ended; };
    MainMenus = MainMenuState{};
    ASSERT_TRUE(InitTempFolder(CMDialog1));
    ResetInputDataAndMenus();
    SetStartMenus();
  }
  void TearDown() override {
    platform::files::CloseAll();
    flow::windows() = flow::Windows{};
    services_.reset();
    tempVar.reset();
    EXPECT_TRUE(boxes.done()) << "boxes expected but not shown";
    EXPECT_TRUE(dialogs.script.empty()) << "dialogs expected but not shown";
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::string temp(const std::string& name) const { return (dir / name).string(); }
  std::string user(const std::string& name, const std::string& content = kProblem) const {
    const std::string p = (dir / "user" / name).string();
    std::ofstream(p, std::ios::binary) << content;
    return p;
  }
  void box(const std::string& title, Answer a, const std::string& textHas = "") {
    boxes.expect(title, a, textHas);
  }
  // File > Open of a good file: the dialog, then "INPUT COMPLETE".
  void openGood(const std::string& path) {
    dialogs.answerOpen(path);
    box("INPUT COMPLETE", Answer::OK, "     No errors detected.");
    FileOpen();
    ASSERT_EQ(CurrentInputFile, path);
  }
  // A keyboard entry that completes, changing the input or not.
  void enterKeyboard(bool changed) {
    flow::windows().keyIn = [changed] {
      AbortRun = 0;
      InputChanged = changed ? 1 : 0;
    };
  }

  fs::path dir;
  std::optional<support::ScopedEnv> tempVar;
  std::unique_ptr<platform::ScopedServices> services_;
  platform::ScriptedMessageBoxes boxes;
  platform::ScriptedFileDialogs dialogs;
  platform::RecordingHelp help;
  platform::RecordingPrinterFactory printer;
  int ended = 0;
};

}  // namespace

TEST_F(WorkingFiles, TemporaryNamesSkipFilesLeftByOtherRuns) {
  EXPECT_EQ(TempFolderPath(), dir.string());
  EXPECT_EQ(platform::files::CurrentDir(), dir.string());
  EXPECT_EQ(CMDialog1.initDir, dir.string());
  std::ofstream(temp("TEMP0.ooo")) << "x";
  EXPECT_EQ(NextTempFileName(".iii"), temp("TEMP0.iii"));
  EXPECT_EQ(NextTempFileName(".ooo"), temp("TEMP1.ooo"));
  std::ofstream(temp("TEMP0.iii")) << "x";
  std::ofstream(temp("TEMP1.ooo")) << "x";
  EXPECT_EQ(NextTempFileName(".iii"), temp("TEMP1.iii"));
  EXPECT_EQ(NextTempFileName(".ooo"), temp("TEMP2.ooo"));
  for (const char* name : {"a.III", "b.iii", "c.IiI"}) EXPECT_TRUE(IsTempInputName(name)) << name;
  for (const char* name : {"a.OOO", "b.ooo", "c.oOo"}) EXPECT_TRUE(IsTempOutputName(name)) << name;
  EXPECT_FALSE(IsTempInputName("iii"));
  EXPECT_FALSE(IsTempOutputName("x.oo"));
}

TEST_F(WorkingFiles, OpenMakesTheUsersFileCurrentAndExitKeepsIt) {
  const std::string input = user("wall.dat");
  openGood(input);
  EXPECT_EQ(CurrentOutputFile, temp("TEMP0.ooo"));
  EXPECT_EQ(TempFileNames(9), temp("TEMP0.ooo"));
  EXPECT_TRUE(fs::exists(CurrentOutputFile));
  EXPECT_GT(OutputLineCount, 0);
  EXPECT_EQ(MainMenus.editCaption, "&Edit Input Data");
  EXPECT_TRUE(MainMenus.solveMenu && MainMenus.viewMenu);
  EXPECT_TRUE(MainMenus.fileItem[kFileSave] && MainMenus.fileItem[kFilePrint]);
  EXPECT_FALSE(MainMenus.saveItem[kSaveInputData]);
  EXPECT_TRUE(MainMenus.saveItem[kSaveOutputData]);
  // Exit asks only about the report; No deletes it, never the user's input.
  box("SAVE OUTPUT DATA?", Answer::No, "DO YOU WANT TO SAVE CURRENT OUTPUT DATA?");
  const std::string report = CurrentOutputFile;
  FileExit();
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(fs::exists(report));
  EXPECT_TRUE(fs::exists(input));
  EXPECT_EQ(help.calls.back(), "quit");
}

TEST_F(WorkingFiles, OpenFailuresEndInTheOpenFailedState) {
  struct Case {
    const char* what;
    std::string path;     // "" = dialog cancelled
    const char* boxTitle;
    Answer answer;
  };
  std::string short74(74, ' '), long75(75, ' ');
  const Case cases[] = {
      {"cancelled", "", nullptr, Answer::OK},
      {"short file declined", user("short.dat", short74), "INCOMPLETE INPUT FILE!", Answer::No},
      {"missing file", (dir / "user" / "nothing.dat").string(), "FILE ERROR", Answer::OK},
      {"a folder", (dir / "user").string(), "FILE ERROR", Answer::OK},
      {"75 blanks: no question, the reader refuses", user("blank.dat", long75), "INCOMPLETE INPUT FILE!",
       Answer::OK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FileNew();
    EXPECT_TRUE(MainMenus.editMenu);
    dialogs.answerOpen(c.path);
    if (c.boxTitle) box(c.boxTitle, c.answer);
    FileOpen();
    EXPECT_FALSE(MainMenus.editMenu);
    EXPECT_FALSE(MainMenus.viewMenu || MainMenus.solveMenu);
    EXPECT_FALSE(MainMenus.fileItem[kFileSave] || MainMenus.fileItem[kFilePrint]);
    EXPECT_TRUE(MainMenus.fileItem[kFileNew] && MainMenus.fileItem[kFileOpen]);
    EXPECT_EQ(CurrentInputFile, "");
    EXPECT_EQ(CurrentOutputFile, "");
    EXPECT_EQ(TempFileCount, 8);
    EXPECT_TRUE(boxes.done());
  }
  // 74 bytes asks, and Yes goes on to the reader.
  dialogs.answerOpen(user("short2.dat", short74));
  box("INCOMPLETE INPUT FILE!", Answer::Yes, "does not appear to be a complete input file.");
  box("INCOMPLETE INPUT FILE!", Answer::OK);  // the reader's own message
  FileOpen();
  EXPECT_FALSE(MainMenus.editMenu);
}

TEST_F(WorkingFiles, SaveReportRefusesTemporaryNamesAsksToOverwriteAndCopiesEveryByte) {
  openGood(user("wall.dat"));
  const std::string tempReport = CurrentOutputFile;
  const std::string original = ReadBytes(tempReport);
  const std::string existing = user("old.out", "old");
  const std::string target = (dir / "user" / "final.out").string();
  dialogs.answerSaveAs((dir / "user" / "x.OoO").string());
  dialogs.answerSaveAs(existing);
  dialogs.answerSaveAs(target);
  box("QUELDAR", Answer::OK, "  is a temporary file in use.");
  box("OVERWRITE?", Answer::No, " exists.");
  SaveItem(kSaveOutputData);
  EXPECT_EQ(OutputSaved, 1);
  EXPECT_EQ(CurrentOutputFile, target);
  EXPECT_EQ(ReadBytes(target), original);
  EXPECT_EQ(ReadBytes(existing), "old");
  EXPECT_FALSE(fs::exists(tempReport));
  EXPECT_EQ(CMDialog1.initDir, (dir / "user").string());
  // Saving the saved report again copies it and keeps the first copy.
  const std::string second = (dir / "user" / "second.out").string();
  dialogs.answerSaveAs(second);
  SaveItem(kSaveOutputData);
  EXPECT_EQ(ReadBytes(second), original);
  EXPECT_TRUE(fs::exists(target));
  EXPECT_EQ(CurrentOutputFile, second);
}

TEST_F(WorkingFiles, AFailedSaveKeepsTheTemporaryFileAndChangesNothing) {
  openGood(user("wall.dat"));
  const std::string tempReport = CurrentOutputFile;
  const std::string original = ReadBytes(tempReport);
  dialogs.answerSaveAs((dir / "no" / "such" / "folder.out").string());
  box("SAVE FAILED", Answer::OK, "Nothing was saved.");
  SaveItem(kSaveOutputData);
  EXPECT_EQ(OutputSaved, 0);
  EXPECT_EQ(OutputFileName, "");
  EXPECT_EQ(CurrentOutputFile, tempReport);
  EXPECT_EQ(ReadBytes(tempReport), original);
  // At Exit the prompt asks again after the failure; a good name then saves it.
  const std::string good = (dir / "user" / "good.out").string();
  dialogs.answerSaveAs((dir / "no" / "folder.out").string());
  dialogs.answerSaveAs(good);
  box("SAVE OUTPUT DATA?", Answer::Yes);
  box("SAVE FAILED", Answer::OK);
  box("SAVE OUTPUT DATA?", Answer::Yes);
  FileExit();
  EXPECT_EQ(ReadBytes(good), original);
  EXPECT_EQ(ended, 1);
}

TEST_F(WorkingFiles, KeyboardEntryThenExitWithNoAndNoDeletesEveryListedFileOnly) {
  const std::string input = user("wall.dat");
  openGood(input);
  const std::string firstReport = CurrentOutputFile;
  bool reportGoneBeforeEntry = false;
  flow::windows().keyIn = [&] {
    reportGoneBeforeEntry = !fs::exists(firstReport);
    AbortRun = 0;
    InputChanged = 1;
  };
  box("SAVE OUTPUT DATA?", Answer::No);  // the old report goes at once
  EditInputData();
  EXPECT_TRUE(reportGoneBeforeEntry);
  EXPECT_EQ(CurrentInputFile, temp("TEMP0.iii"));
  EXPECT_EQ(CurrentOutputFile, temp("TEMP0.ooo"));
  EXPECT_EQ(MainMenus.editCaption, "Edit Input Data");
  EXPECT_TRUE(MainMenus.saveItem[kSaveInputData]);
  EXPECT_GT(InputLineCount, 0);
  // Results files of the solution are listed like the others; a file of the user's in
  // the temporary folder whose name begins with TEMP is not.
  std::ofstream(temp("ZZ11")) << "results";
  AddTempFileName(temp("ZZ11"));
  std::ofstream(temp("TEMP9.dat")) << "mine";
  box("SAVE INPUT DATA?", Answer::No, "DO YOU WANT TO SAVE CURRENT INPUT DATA?");
  box("SAVE OUTPUT DATA?", Answer::No);
  FileExit();
  for (const char* gone : {"TEMP0.iii", "TEMP0.ooo", "ZZ11"}) EXPECT_FALSE(fs::exists(temp(gone))) << gone;
  EXPECT_TRUE(fs::exists(temp("TEMP9.dat")));
  EXPECT_TRUE(fs::exists(input));
}

TEST_F(WorkingFiles, AnUnchangedEntryKeepsTheOpenedFileAndSavingNeverDeletesAUsersTempNamedFile) {
  // The user's own file lives in the temporary folder under a TEMP name.
  const std::string input = temp("TEMP7.dat");
  std::ofstream(input, std::ios::binary) << kProblem;
  openGood(input);
  enterKeyboard(false);
  box("SAVE OUTPUT DATA?", Answer::No);
  EditInputData();
  EXPECT_EQ(CurrentInputFile, input);  // nothing changed: no temporary input file
  EXPECT_FALSE(MainMenus.saveItem[kSaveInputData]);
  EXPECT_FALSE(fs::exists(temp("TEMP0.iii")));
  const std::string copy = (dir / "user" / "copy.dat").string();
  dialogs.answerSaveAs(copy);
  SaveItem(kSaveInputData);
  EXPECT_EQ(CurrentInputFile, copy);
  EXPECT_TRUE(fs::exists(input));
  EXPECT_EQ(ReadBytes(copy), ReadBytes(input));
}

TEST_F(WorkingFiles, EditingChangedInputAsksToSaveItFirstUntilSavedOrDeclined) {
  openGood(user("wall.dat"));
  InputChanged = 1;
  enterKeyboard(false);
  // A cancelled dialog asks again; a saved copy ends the asking, then the report's turn.
  box("SAVE INPUT DATA?", Answer::Yes, "DO YOU WANT TO SAVE CURRENT INPUT DATA BEFORE EDITING?");
  dialogs.cancelSaveAs();
  box("SAVE INPUT DATA?", Answer::Yes, "BEFORE EDITING?");
  const std::string saved = (dir / "user" / "before.dat").string();
  dialogs.answerSaveAs(saved);
  box("SAVE OUTPUT DATA?", Answer::No);
  EditInputData();
  EXPECT_EQ(ReadBytes(saved), kProblem);
}

TEST_F(WorkingFiles, AnAbandonedEntryDeletesTheListedFilesBeforeTheReset) {
  openGood(user("wall.dat"));
  const std::string report = CurrentOutputFile;
  flow::windows().keyIn = [] { AbortRun = 1; };
  box("SAVE OUTPUT DATA?", Answer::Yes);
  const std::string saved = (dir / "user" / "kept.out").string();
  dialogs.answerSaveAs(saved);
  std::ofstream(temp("ZZ12")) << "results";
  AddTempFileName(temp("ZZ12"));
  EditInputData();
  EXPECT_TRUE(fs::exists(saved));
  EXPECT_FALSE(fs::exists(temp("ZZ12")));
  EXPECT_FALSE(fs::exists(report));
  EXPECT_EQ(TempFileCount, 8);
  EXPECT_TRUE(MainMenus.editMenu);
  EXPECT_FALSE(MainMenus.viewMenu || MainMenus.solveMenu);
  EXPECT_EQ(MainMenus.editCaption, "&Enter Input Data");
}

TEST_F(WorkingFiles, EditWithoutTheEntryWindowsSaysSoAndChangesNothing) {
  openGood(user("wall.dat"));
  const std::string report = CurrentOutputFile;
  box("QUELDAR", Answer::OK, "This window is not available yet.");
  EditInputData();
  EXPECT_EQ(CurrentOutputFile, report);
  EXPECT_TRUE(fs::exists(report));
}

TEST_F(WorkingFiles, PrintOutputPrintsTheWholeReportAndPrintInputTheListing) {
  openGood(user("wall.dat"));
  const long counted = OutputLineCount;
  // Lines appended after the count (a section whose lines were not counted) still print.
  std::ofstream(CurrentOutputFile, std::ios::app | std::ios::binary) << "EXTRA LINE\r\n";
  PrintItem(kPrintOutputFile);
  ASSERT_EQ(printer.documents.size(), 1u);
  const auto& doc = printer.documents[0];
  EXPECT_EQ(doc.endDocCalls, 1);
  ASSERT_EQ(static_cast<long>(doc.lines.size()), counted + 1);
  EXPECT_EQ(doc.lines.back(), "EXTRA LINE");
  PrintItem(kPrintInputFile);
  ASSERT_EQ(printer.documents.size(), 2u);
  EXPECT_EQ(printer.documents[1].endDocCalls, 1);
  EXPECT_EQ(printer.documents[1].lines.front().rfind("'WORKING FILES", 0), 0u);
  EXPECT_EQ(printer.documents[1].lines.back(), "FINISHED");
  EXPECT_EQ(platform::textPrinter(), nullptr);
  // A printer that cannot be had prints nothing and the pointer comes back.
  printer.failOpen = true;
  box("PRINTER ERROR", Answer::OK);
  PrintItem(kPrintOutputFile);
  EXPECT_EQ(services_->pointer.current(), 0);
}

TEST(TempFolder, FallsBackToTmpdirAndEndsWhenNothingCanBeWritten) {
  platform::ScopedServices services;
  const std::string pattern = support::MakeScratchDir("queldar-tf").string();
  ASSERT_FALSE(pattern.empty());
  platform::FileDialogState d;
  {
    support::ScopedEnv temp("TEMP", "/no/such/folder"), tmpdir("TMPDIR", pattern);
    EXPECT_TRUE(InitTempFolder(d));
    EXPECT_EQ(TempFolderPath(), pattern);
    EXPECT_EQ(platform::files::TempFolder(), pattern);  // results files go to the same folder
  }
  fs::remove_all(pattern);
  // Nothing writable: a message, and the caller ends the program.
  services.boxes.expect("TEMPORARY FOLDER", Answer::OK);
  EXPECT_FALSE(InitTempFolderFrom(d, {"", "/no/such/folder", "/proc"}));
  EXPECT_TRUE(services.boxes.done());
}

TEST(TempFolder, ARelativeFolderIsTakenFromWhereTheProgramStarted) {
  // TEMP=scratch given relative to the folder the program starts in: the temporary files
  // and the results files must land in that folder, although it becomes the current one.
  platform::ScopedServices services;
  std::error_code ec;
  fs::path startDir = fs::current_path(ec);  // an earlier test may have removed it
  if (ec) startDir = fs::temp_directory_path();
  const fs::path base = support::MakeScratchDir("queldar-rel");
  ASSERT_FALSE(base.empty());
  fs::create_directories(base / "scratch");
  fs::current_path(base);
  support::ScopedEnv temp("TEMP", "scratch");
  platform::FileDialogState d;
  ASSERT_TRUE(InitTempFolder(d));
  const std::string expected = (base / "scratch").string();
  EXPECT_EQ(TempFolderPath(), expected);
  EXPECT_EQ(platform::files::CurrentDir(), expected);
  EXPECT_EQ(d.initDir, expected);
  EXPECT_EQ(platform::files::TempFolder(), expected);
  EXPECT_EQ(NextTempFileName(".ooo"), (base / "scratch" / "TEMP0.ooo").string());
  fs::current_path(startDir);
  fs::remove_all(base);
}

TEST_F(WorkingFiles, SavingOntoAListedTemporaryFileIsRefused) {
  // The save dialog starts in the temporary folder: a click on one of the program's own
  // files there must not make it the saved copy, which Exit would then delete.
  openGood(user("wall.dat"));
  std::ofstream(temp("ZZ11")) << "results";
  AddTempFileName(temp("ZZ11"));
  const std::string good = (dir / "user" / "kept.out").string();
  dialogs.answerSaveAs(temp("ZZ11"));
  dialogs.answerSaveAs(good);
  box("QUELDAR", Answer::OK, "File:  " + temp("ZZ11") + "  is a temporary file in use.");
  SaveOutputDataAs();
  EXPECT_EQ(CurrentOutputFile, good);
  EXPECT_EQ(ReadBytes(temp("ZZ11")), "results");
  // Input data onto a listed file whose name does not end in .iii.
  const std::string input = CurrentInputFile;
  dialogs.answerSaveAs(temp("ZZ11"));
  dialogs.cancelSaveAs();
  box("QUELDAR", Answer::OK, "Please choose another file name for saving input data.");
  SaveInputDataAs();
  EXPECT_EQ(InputFileName, "");
  EXPECT_EQ(CurrentInputFile, input);
}

TEST_F(WorkingFiles, ATemporaryFileDeletedBySavingIsNotOursToDeleteAgain) {
  // The temporary report goes as soon as it is saved under a name; another run sharing the
  // temporary folder may then take the freed name, and our Exit must leave its file alone.
  openGood(user("wall.dat"));
  const std::string tempReport = CurrentOutputFile;
  dialogs.answerSaveAs((dir / "user" / "kept.out").string());
  SaveItem(kSaveOutputData);
  ASSERT_FALSE(fs::exists(tempReport));
  std::ofstream(tempReport) << "another run's report";
  FileExit();
  EXPECT_EQ(ReadBytes(tempReport), "another run's report");
}

TEST_F(WorkingFiles, ATemporaryNameIsClaimedByCreatingItNeverWrittenThroughWhatHoldsIt) {
  // In a shared temporary folder a name may be held by something that does not look like
  // a file, such as a link to nowhere; writing there would write into the file it names.
  const std::string elsewhere = (dir / "user" / "not-yours.txt").string();
  fs::create_symlink(elsewhere, temp("TEMP0.ooo"));
  openGood(user("wall.dat"));
  EXPECT_EQ(CurrentOutputFile, temp("TEMP1.ooo"));
  EXPECT_FALSE(fs::exists(elsewhere));
  EXPECT_TRUE(fs::is_symlink(temp("TEMP0.ooo")));
  box("SAVE OUTPUT DATA?", Answer::No);
  FileExit();
  EXPECT_TRUE(fs::is_symlink(temp("TEMP0.ooo")));
}

TEST_F(WorkingFiles, AfterTheReportIsSavedEditsNoLongerAskAboutReportsButExitStillDoes) {
  const std::string input = user("wall.dat");
  openGood(input);
  const std::string saved = (dir / "user" / "wall.out").string();
  dialogs.answerSaveAs(saved);
  SaveItem(kSaveOutputData);
  ASSERT_EQ(CurrentOutputFile, saved);
  // An entry that changes nothing: no question about the saved report, but with a report
  // in hand the input is written anew as a temporary file that can be saved.
  enterKeyboard(false);
  EditInputData();
  EXPECT_EQ(CurrentInputFile, temp("TEMP0.iii"));
  EXPECT_EQ(ReadBytes(temp("TEMP0.iii")).rfind("'WORKING FILES", 0), 0u);
  EXPECT_TRUE(MainMenus.saveItem[kSaveInputData]);
  EXPECT_EQ(CurrentOutputFile, temp("TEMP0.ooo"));
  EXPECT_EQ(OutputSaved, 1);
  // The next edit, still unchanged, asks nothing either; the earlier temporary report stays
  // listed for Exit, which looks at the names and asks for both.
  EditInputData();
  EXPECT_EQ(CurrentInputFile, temp("TEMP1.iii"));
  EXPECT_EQ(CurrentOutputFile, temp("TEMP1.ooo"));
  box("SAVE INPUT DATA?", Answer::No);
  box("SAVE OUTPUT DATA?", Answer::No);
  FileExit();
  for (const char* gone : {"TEMP0.iii", "TEMP0.ooo", "TEMP1.iii", "TEMP1.ooo"})
    EXPECT_FALSE(fs::exists(temp(gone))) << gone;
  EXPECT_TRUE(fs::exists(saved));
  EXPECT_TRUE(fs::exists(input));
}
