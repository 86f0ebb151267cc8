// The file table the procedures use: numbered files opened for input, output, append or
// binary. Text is Latin-1; lines are read with CR LF or LF stripped and written with
// CR LF. No Qt here: the computing core uses it headless.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::files {

enum class Mode { Input, Output, Append, Binary };

// Whether Open follows a symbolic link at the path. Files the program made for itself in
// a shared folder refuse: a link put there by someone else is never followed.
enum class Links { Follow, Refuse };

int FreeFile();                                      // smallest unused number from 1
// False when it cannot be opened.
bool Open(const std::string& path, Mode mode, int fileNum, Links links = Links::Follow);
bool IsOpen(int fileNum);
void Close(int fileNum);                             // flushes
void CloseAll();
// The same, reporting whether every pending write and the flush succeeded.
bool CloseChecked(int fileNum);
bool CloseAllChecked();
// Pushes pending writes to the file; false when any write since it was opened failed.
bool Flush(int fileNum);
bool LineInput(int fileNum, std::string& line);      // false at end of file or on error
bool Eof(int fileNum);
bool PrintLine(int fileNum, std::string_view line);  // line + CR LF; false on a write error
long LinesWritten(int fileNum);                      // lines written since it was opened

// Binary files, little-endian byte by byte.
bool PutBytes(int fileNum, const void* data, std::size_t n);
bool GetBytes(int fileNum, void* data, std::size_t n);
bool PutDouble(int fileNum, double v);
bool GetDouble(int fileNum, double& v);
bool PutInt16(int fileNum, std::int16_t v);
bool GetInt16(int fileNum, std::int16_t& v);

// Files to delete should the program be ended by SIGINT or SIGTERM: listed as they are
// made, unlisted once deleted (the name may then be another program's). Once the handler
// is installed, either signal deletes the listed files, then ends the program as the
// signal would have.
void ListForSignalDeletion(const std::string& path);
void UnlistForSignalDeletion(const std::string& path);
void InstallSignalDeletion();

bool Exists(const std::string& path);
// Creates an empty file under a name nobody holds yet. The test and the creation are one
// step, so two programs sharing a folder never both get the same name.
enum class NewFile { Created, Taken, Failed };  // Taken: the name exists already
NewFile CreateNew(const std::string& path);
// The same, and the new file opened as fileNum (output, append or binary) on the
// descriptor of that creation: the name is never looked up again, so a link swapped in
// for it afterwards is never written through. The file is listed for deletion on a
// signal (below) in the same step.
NewFile CreateNewOpen(const std::string& path, Mode mode, int fileNum);
long long FileLen(const std::string& path);          // -1 when missing
bool Kill(const std::string& path);
std::string JoinPath(const std::string& dir, const std::string& name);
std::string CurrentDir();
bool ChDir(const std::string& dir);
std::string Environ(const std::string& name);
// TEMP (trimmed), else TMPDIR, else the system's temporary folder.
std::string TempFolder();
std::string ProgramFolder();
void SetProgramFolder(const std::string& dir);       // tests point it into a scratch folder

}  // namespace platform::files
