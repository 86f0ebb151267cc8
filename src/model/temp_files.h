// The list of temporary and results files to delete on New, Open and Exit.
#pragma once

#include <string>

// Lists a file for deletion: TempFileCount := TempFileCount + 1, then the name goes into
// that slot. The list grows as needed, so no file is ever left unlisted.
void AddTempFileName(const std::string& name);

// True when the name is in the list since the last reset. Only such files are ever
// deleted as temporary files.
bool IsListedTempFile(const std::string& name);

// Deletes a listed file and forgets it: once gone, its name may be taken by another run
// sharing the temporary folder, whose file is not ours to delete. Unlisted names are left.
void DeleteListedTempFile(const std::string& name);
