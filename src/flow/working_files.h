// The working files of the main window: the temporary folder, the temporary input file
// and report, the save prompts, save as, print, and the File and Edit commands. Widget
// free: dialogs, message boxes and the printer come through the platform services.
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"

// The main window's file dialog: its properties carry over from one use to the next.
inline platform::FileDialogState CMDialog1;

// The temporary folder: TEMP (trimmed), else TMPDIR, else the system's, the first that
// can be written. It becomes the current directory and the dialog's first folder. When
// none can be written a message is shown and false is returned: the program must end.
bool InitTempFolder(platform::FileDialogState& Dialog);
// The same over a given list of folders, tried in order.
bool InitTempFolderFrom(platform::FileDialogState& Dialog, const std::vector<std::string>& folders);
// The choice alone, for a program that keeps its current directory: the folder, made
// absolute and set as TEMP for the results files; "" after the message when none can be
// written.
std::string ChooseTempFolder();
std::string ChooseTempFolderFrom(const std::vector<std::string>& folders);
const std::string& TempFolderPath();

void SetDialogDirFromFileName(platform::FileDialogState& Dialog, const std::string& FileName);

// Case-insensitive ".III" / ".OOO" ending: a temporary input file or report.
bool IsTempInputName(const std::string& name);
bool IsTempOutputName(const std::string& name);

// TempDir/TEMPn.ext with the first n whose file does not exist.
std::string NextTempFileName(const std::string& extension);

// A new temporary input file (WriteInputData to it) or report (WriteInputEcho): named,
// listed, made current and written. False after a message when it cannot be written.
bool WriteNewTempInputFile();
bool WriteNewTempReport();

void PromptSaveInputData();
void PromptSaveOutputData();
// The prompts of New, Open and Exit: input first, then the report, each only when the
// current file is temporary.
void RunSavePrompts();
void SaveInputDataAs();
void SaveOutputDataAs();
// Deletes every listed temporary and results file (and nothing else), forgets the
// current files and closes the help viewer.
void DeleteTempFiles();

// A file shorter than this (in bytes) is probably not a whole problem: Open asks first.
inline constexpr long kShortInputFileBytes = 75;

// How File > Open's reading of a named input file ended.
enum class InputFileRead { Read, CannotOpen, Refused };
// File > Open's reading of the named file (it becomes InputFileName): the message when it
// cannot be opened, the question about a short file, the reader (which reports what it
// refuses) and "INPUT COMPLETE". solve_file opens its input through it too.
InputFileRead ReadInputFileNamed(const std::string& Name);

// ---- the main window's File, Save, Print and Edit commands ----
void FileNew();
void FileOpen();
void FileExit();
void SaveItem(int Index);   // SaveMenuItem
void PrintItem(int Index);  // PrintMenuItem
void EditInputData();
