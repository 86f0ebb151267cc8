// Replaces a file with a copy of another without ever leaving a half-written target:
// the bytes go to a scratch file beside the target, are read back and compared, and
// only then is the scratch file renamed over the target.
#pragma once

#include <string>

namespace platform::files {

// True when the target now holds every byte of the source. On false the target is as it
// was and no scratch file is left behind.
bool CopyFileReplacing(const std::string& source, const std::string& target);

// True when a file can be created in the folder (a scratch file is made and removed).
bool IsWritableFolder(const std::string& dir);

}  // namespace platform::files

namespace platform::files {
// Up to maxBytes of a file's bytes (all of them when maxBytes < 0); false when it
// cannot be read.
bool ReadFileBytes(const std::string& path, std::string& out, long long maxBytes = -1);
}  // namespace platform::files
