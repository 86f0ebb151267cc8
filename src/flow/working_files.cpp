#include "flow/working_files.h"
#include "flow/windows.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "flow/help_menu.h"
#include "model/input_file.h"
#include "flow/main_menus.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "model/input_echo.h"
#include "platform/text_printer.h"
#include "model/temp_files.h"
#include "platform/file_copy.h"
#include "platform/files.h"
#include "platform/text.h"
#include "wall/wall_data.h"

namespace files = platform::files;
using platform::Answer;
using platform::MsgBox;

namespace {

std::string TempDir;

const char* const kOpenFilter = "Input files(*.dat)|*.dat|Input files (*.in)|*.in|All files (*.*)|*.*";
const char* const kInputFilter = "Input Files (*.dat)|*.dat|Input Files (*.in)|*.in|All Files (*.*)|*.*";
const char* const kReportFilter =
    "Output Files (*.out)|*.out|Output Files (*.dat)|*.dat|All Files (*.*)|*.*";

bool endsWithUpper(const std::string& name, const char* ending) {
  if (name.size() < 4) return false;
  return platform::text::UpperLatin1(name.substr(name.size() - 4)) == ending;
}

void showDialog(bool saveAs, const char* title, const char* filter) {
  CMDialog1.dialogTitle = title;
  CMDialog1.filter = filter;
  CMDialog1.filterIndex = 1;
  CMDialog1.fileName = "";
  CMDialog1.fileTitle = "";
  platform::FileDialogs* dialogs = platform::services().fileDialogs;
  if (!dialogs) return;  // no dialogs: the same as a cancelled one
  if (saveAs) {
    dialogs->showSaveAs(CMDialog1);
  } else {
    dialogs->showOpen(CMDialog1);
  }
}


void fileErrorMessage(const std::string& name, const std::string& what) {
  MsgBox("File:  " + name + "  " + what + NewLine + NewLine + "     Unable to continue.", 48,
         "FILE ERROR");
}

// The save-as procedure shared by input data and report: asks for a name until one is
// accepted, then replaces the target with a checked copy of the current file. `chosen`
// receives the dialog's name ("" when nothing was saved).
void saveCurrentAs(bool input, std::string& chosen, std::string& current) {
  for (;;) {
    files::CloseAll();
    showDialog(true, input ? "OPEN SAVE-INPUT-DATA FILE" : "OPEN SAVE-OUTPUT-DATA FILE",
               input ? kInputFilter : kReportFilter);
    chosen = CMDialog1.fileName;
    CMDialog1.fileName = "";
    if (chosen.empty()) return;
    SetDialogDirFromFileName(CMDialog1, chosen);
    // Any file of the list is refused too: a saved copy there would be deleted on Exit.
    if ((input ? IsTempInputName(chosen) : IsTempOutputName(chosen)) || IsListedTempFile(chosen)) {
      MsgBox("File:  " + chosen + "  is a temporary file in use." + NewLine +
                 (input ? "Please choose another file name for saving input data."
                        : "Please choose another file name for saving output data."),
             0);
      continue;
    }
    if (!files::Exists(chosen)) break;
    if (MsgBox("File: " + chosen + " exists." + NewLine + "Do you want to write over it?", 36,
               "OVERWRITE?") == Answer::Yes) {
      break;
    }
  }
  if (chosen == current) return;
  // The whole file, every byte, through a checked scratch copy; the current file is
  // dropped only once the copy is known to be good.
  if (!files::CopyFileReplacing(current, chosen)) {
    MsgBox("File: " + chosen + " could not be written." + NewLine + "Nothing was saved.", 48,
           "SAVE FAILED");
    chosen = "";
    return;
  }
  DeleteListedTempFile(current);
  current = chosen;
}

// Opens a new file in the temporary folder for output, lists it and runs the writer.
bool writeNewTemp(const char* extension, std::string& current, int& fileNum, void (*writer)()) {
  // The first free TEMPn, claimed by creating it: a name held by anything at all (another
  // run's file, a link) is passed over, never written through.
  // It is written on the descriptor of that creation, never reopened by name.
  std::string name;
  fileNum = files::FreeFile();
  files::NewFile got = files::NewFile::Taken;
  for (long n = 0; got == files::NewFile::Taken; ++n) {
    name = files::JoinPath(TempDir, "TEMP" + std::to_string(n) + extension);
    got = files::CreateNewOpen(name, files::Mode::Output, fileNum);
  }
  if (got != files::NewFile::Created) {
    fileErrorMessage(name, "cannot be created.");
    return false;
  }
  current = name;
  AddTempFileName(name);
  writer();
  if (!files::CloseChecked(fileNum)) {
    fileErrorMessage(name, "cannot be written.");
    return false;
  }
  return true;
}

void openFailed() {
  MainMenuState& m = MainMenus;
  m.fileItem[kFileNew] = m.fileItem[kFileOpen] = true;
  m.fileItem[kFileSave] = m.fileItem[kFilePrint] = false;
  m.editMenu = false;
  m.viewMenu = false;
  m.solveMenu = false;
  files::CloseAll();
  ResetInputDataAndMenus();
}

// A folder named relative to where the program started keeps naming that folder after it
// has become the current directory.
std::string absoluteFolder(const std::string& dir) {
  const std::filesystem::path given(dir);
  if (given.is_absolute()) return dir;
  std::string full = (std::filesystem::path(files::CurrentDir()) / given).lexically_normal().string();
  if (full.size() > 1 && full.back() == '/') full.pop_back();
  return full;
}

bool InitTempFolderAt(platform::FileDialogState& Dialog, const std::string& folder) {
  TempDir = folder;
  if (TempDir.empty()) return false;
  files::ChDir(TempDir);
  Dialog.initDir = TempDir;
  return true;
}

void writeInputToFile() {
  std::string target = "FILE";
  WriteInputData(target);
}

}  // namespace

std::string ChooseTempFolder() {
  // "/tmp" stands for the system's folder when TEMP names one that cannot be written.
  return ChooseTempFolderFrom({platform::text::Trim(files::Environ("TEMP")), files::Environ("TMPDIR"),
                               files::TempFolder(), "/tmp"});
}

std::string ChooseTempFolderFrom(const std::vector<std::string>& folders) {
  for (const std::string& dir : folders) {
    if (files::IsWritableFolder(dir)) {
      const std::string chosen = absoluteFolder(dir);
      // Results files take their folder from TEMP too: make every part of the program agree.
      if (files::TempFolder() != chosen) ::setenv("TEMP", chosen.c_str(), 1);
      return chosen;
    }
  }
  MsgBox("No folder for temporary files can be written." + NewLine +
             "Set TEMP to a folder you can write to and start QUELDAR again.",
         48, "TEMPORARY FOLDER");
  return {};
}

bool InitTempFolder(platform::FileDialogState& Dialog) { return InitTempFolderAt(Dialog, ChooseTempFolder()); }

bool InitTempFolderFrom(platform::FileDialogState& Dialog, const std::vector<std::string>& folders) {
  return InitTempFolderAt(Dialog, ChooseTempFolderFrom(folders));
}

const std::string& TempFolderPath() { return TempDir; }

void SetDialogDirFromFileName(platform::FileDialogState& Dialog, const std::string& FileName) {
  const long keep = static_cast<long>(FileName.size()) - static_cast<long>(Dialog.fileTitle.size()) - 1;
  if (keep > 0) Dialog.initDir = FileName.substr(0, static_cast<std::size_t>(keep));
}

bool IsTempInputName(const std::string& name) { return endsWithUpper(name, ".III"); }
bool IsTempOutputName(const std::string& name) { return endsWithUpper(name, ".OOO"); }

std::string NextTempFileName(const std::string& extension) {
  for (long n = 0;; ++n) {
    std::string name = files::JoinPath(TempDir, "TEMP" + std::to_string(n) + extension);
    if (!files::Exists(name)) return name;
  }
}

bool WriteNewTempInputFile() {
  return writeNewTemp(".iii", CurrentInputFile, InFileNum, &writeInputToFile);
}

bool WriteNewTempReport() {
  return writeNewTemp(".ooo", CurrentOutputFile, OutFileNum, &WriteInputEcho);
}

namespace {
// Asks until the input data are saved (the input counts as unchanged) or the user says No.
void AskToSaveInputData(const char* question) {
  for (;;) {
    InputFileName = "";
    if (MsgBox(question, 4, "SAVE INPUT DATA?") != Answer::Yes) return;
    SaveInputDataAs();
    if (!InputFileName.empty()) break;
  }
  InputChanged = 0;
}
}  // namespace

void PromptSaveInputData() { AskToSaveInputData("DO YOU WANT TO SAVE CURRENT INPUT DATA?"); }

void PromptSaveOutputData() {
  for (;;) {
    if (MsgBox("DO YOU WANT TO SAVE CURRENT OUTPUT DATA?", 4, "SAVE OUTPUT DATA?") == Answer::Yes) {
      SaveOutputDataAs();
      if (!OutputFileName.empty()) {
        OutputSaved = 1;
        return;
      }
    } else {
      files::CloseAll();
      if (!CurrentOutputFile.empty()) DeleteListedTempFile(CurrentOutputFile);
      CurrentOutputFile = "";
      return;
    }
  }
}

void RunSavePrompts() {
  if (IsTempInputName(CurrentInputFile)) PromptSaveInputData();
  if (IsTempOutputName(CurrentOutputFile)) PromptSaveOutputData();
}

void SaveInputDataAs() { saveCurrentAs(true, InputFileName, CurrentInputFile); }
void SaveOutputDataAs() { saveCurrentAs(false, OutputFileName, CurrentOutputFile); }

void DeleteTempFiles() {
  files::CloseAll();
  for (int i = 1; i <= TempFileCount; ++i) {
    std::string& name = TempFileNames(i);
    if (!name.empty() && files::Exists(name)) files::Kill(name);
    // Forgotten once deleted: a file made under that name afterwards, by another run
    // sharing the temporary folder, is not ours to delete again.
    files::UnlistForSignalDeletion(name);
    name.clear();
  }
  for (int m = 1; m <= 3; ++m) DeleteListedTempFile(ResultsFileNames(m));
  CurrentOutputFile = "";
  CurrentInputFile = "";
  QuitHelp();
}

void FileNew() {
  RunSavePrompts();
  DeleteTempFiles();
  ResetInputDataAndMenus();
  MainMenus.editMenu = true;
}

InputFileRead ReadInputFileNamed(const std::string& Name) {
  InputFileName = Name;
  InFileNum = files::FreeFile();
  if (!files::Open(InputFileName, files::Mode::Input, InFileNum)) {
    MsgBox("File:  " + InputFileName + "  cannot be opened for reading." + NewLine + NewLine +
               "     Unable to continue.",
           48, "FILE ERROR");
    return InputFileRead::CannotOpen;
  }
  // A shorter file is probably not a whole problem.
  if (files::FileLen(InputFileName) < kShortInputFileBytes) {
    if (MsgBox("File: " + InputFileName + " does not appear to be a complete input file." + NewLine +
                   NewLine + "Do you want to continue?",
               36, "INCOMPLETE INPUT FILE!") != Answer::Yes) {
      return InputFileRead::Refused;
    }
  }
  CurrentInputFile = InputFileName;
  ReadInputDataFile();
  if (AbortRun != 0) return InputFileRead::Refused;
  MsgBox("Input file processed: " + InputFileName + NewLine + NewLine + "     No errors detected.",
         64, "INPUT COMPLETE");
  return InputFileRead::Read;
}

void FileOpen() {
  RunSavePrompts();
  MainMenus.saveItem[kSaveOutputData] = true;
  DeleteTempFiles();
  ResetInputDataAndMenus();
  showDialog(false, "OPEN INPUT FILE.", kOpenFilter);
  if (CMDialog1.fileName.empty()) {
    InputFileName = "";
    return openFailed();
  }
  SetDialogDirFromFileName(CMDialog1, CMDialog1.fileName);
  const std::string chosen = CMDialog1.fileName;
  CMDialog1.fileName = "";
  if (ReadInputFileNamed(chosen) != InputFileRead::Read) return openFailed();
  MainMenuState& m = MainMenus;
  m.fileItem[kFileSave] = m.fileItem[kFilePrint] = true;
  m.editMenu = true;
  m.editCaption = "&Edit Input Data";
  m.viewMenu = true;
  m.viewItem[kViewInputFile] = m.viewItem[kViewOutputFile] = m.viewItem[kViewInputPlots] = true;
  m.viewItem[kViewCantileverPlots] = false;
  m.saveItem[kSaveInputData] = false;
  if (!WriteNewTempReport()) return openFailed();
  m.solveMenu = true;
}

void FileExit() {
  RunSavePrompts();
  DeleteTempFiles();
  if (flow::windows().endProgram) flow::windows().endProgram();
}

void SaveItem(int Index) {
  if (Index == kSaveInputData) {
    SaveInputDataAs();
    if (!InputFileName.empty()) {
      InputChanged = 0;
      MainMenus.saveItem[kSaveInputData] = false;
    }
  } else if (Index == kSaveOutputData) {
    SaveOutputDataAs();
    if (!OutputFileName.empty()) OutputSaved = 1;
  }
}

void PrintItem(int Index) {
  if (Index != kPrintInputFile && Index != kPrintOutputFile) return;
  platform::BusyPointer busy;
  platform::PrinterFactory* printers = platform::services().printers;
  if (!printers) return;
  if (Index == kPrintInputFile) {
    // The writer prints the listing on the job it is handed and ends it.
    std::unique_ptr<platform::Printer> job = printers->open("Input File");
    if (!job) return;  // the user has been told
    platform::setTextPrinter(job.get());
    std::string target = "PRINTER";
    WriteInputData(target);
    platform::setTextPrinter(nullptr);
    return;
  }
  files::CloseAll();
  OutFileNum = files::FreeFile();
  if (!files::Open(CurrentOutputFile, files::Mode::Input, OutFileNum)) {
    fileErrorMessage(CurrentOutputFile, "cannot be opened for reading.");
    return;
  }
  std::unique_ptr<platform::Printer> job = printers->open("Output File");
  if (job) {
    // The whole report, to its last line ("Courier New" 10 is the printer's text font).
    while (files::LineInput(OutFileNum, InputLine)) job->printLine(InputLine);
    job->endDoc();
  }
  files::Close(OutFileNum);
}

// After a completed entry: the temporary input file (when the input changed or a report
// existed) and always a new temporary report. False after a message when one of them
// cannot be written; the entry then ends as an abandoned one.
static bool writeEnteredInput() {
  MainMenuState& m = MainMenus;
  m.saveItem[kSaveInputData] = false;
  if (InputChanged != 0) m.saveItem[kSaveInputData] = true;
  if (InputChanged != 0 || !CurrentOutputFile.empty()) {
    if (!WriteNewTempInputFile()) return false;
    m.saveItem[kSaveInputData] = true;
  }
  return WriteNewTempReport();
}

void EditInputData() {
  if (!flow::windows().keyIn) {
    // Nothing is asked or deleted for a window that cannot be shown.
    ShowWindowOrNotice(flow::windows().keyIn);
    return;
  }
  if (InputChanged != 0) AskToSaveInputData("DO YOU WANT TO SAVE CURRENT INPUT DATA BEFORE EDITING?");
  if (OutputSaved == 0 && !CurrentOutputFile.empty()) PromptSaveOutputData();
  InputEditFlag = 1;
  InputChanged = 0;
  flow::windows().keyIn();
  MainMenuState& m = MainMenus;
  const bool written = AbortRun == 0 && writeEnteredInput();
  if (!written) {
    m.fileItem[kFileNew] = m.fileItem[kFileOpen] = true;
    m.fileItem[kFileSave] = m.fileItem[kFilePrint] = false;
    m.editMenu = true;
    m.viewMenu = false;
    m.solveMenu = false;
    // An abandoned entry leaves no temporary file behind, as New and Open do.
    DeleteTempFiles();
    ResetInputDataAndMenus();
    return;
  }
  m.fileItem[kFileNew] = m.fileItem[kFileOpen] = m.fileItem[kFileSave] = m.fileItem[kFilePrint] = true;
  m.editMenu = true;
  m.editItem0 = true;
  m.editCaption = "Edit Input Data";
  m.viewMenu = true;
  m.viewItem[kViewInputFile] = m.viewItem[kViewOutputFile] = m.viewItem[kViewInputPlots] = true;
  m.solveMenu = true;
  for (int i = kViewCantileverPlots; i <= kViewRoweCurves; ++i) m.viewItem[i] = false;
  m.saveItem[kSaveOutputData] = true;
}
