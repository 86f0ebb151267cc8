#include "model/temp_files.h"

#include "model/problem_data.h"
#include "platform/files.h"

void AddTempFileName(const std::string& name) {
  TempFileCount = TempFileCount + 1;
  TempFileNames(TempFileCount) = name;
}

bool IsListedTempFile(const std::string& name) {
  if (name.empty()) return false;
  for (int i = 1; i <= TempFileCount; ++i) {
    if (TempFileNames(i) == name) return true;
  }
  return false;
}

void DeleteListedTempFile(const std::string& name) {
  if (!IsListedTempFile(name)) return;
  if (platform::files::Exists(name)) platform::files::Kill(name);
  platform::files::UnlistForSignalDeletion(name);
  for (int i = 1; i <= TempFileCount; ++i) {
    if (TempFileNames(i) == name) TempFileNames(i).clear();
  }
}
