#include "platform/file_copy.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace platform::files {

namespace fs = std::filesystem;

namespace {

bool readAll(const fs::path& p, std::vector<char>& out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// A name beside `target` that does not exist yet.
fs::path scratchBeside(const fs::path& target, const char* tag) {
  std::error_code ec;
  for (int n = 0;; ++n) {
    fs::path p = target;
    p += std::string(".") + tag + std::to_string(n);
    if (!fs::exists(p, ec)) return p;
  }
}

}  // namespace

bool CopyFileReplacing(const std::string& source, const std::string& target) {
  if (source.empty() || target.empty()) return false;
  std::error_code ec;
  if (fs::is_directory(target, ec)) return false;
  std::vector<char> bytes;
  if (!readAll(source, bytes)) return false;
  const fs::path scratch = scratchBeside(target, "part");
  {
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    if (out.fail()) {
      fs::remove(scratch, ec);
      return false;
    }
  }
  std::vector<char> check;
  if (!readAll(scratch, check) || check != bytes) {
    fs::remove(scratch, ec);
    return false;
  }
  fs::rename(scratch, target, ec);
  if (ec) {
    fs::remove(scratch, ec);
    return false;
  }
  return true;
}

bool IsWritableFolder(const std::string& dir) {
  if (dir.empty()) return false;
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return false;
  const fs::path probe = scratchBeside(fs::path(dir) / "queldar", "probe");
  bool ok = false;
  {
    std::ofstream out(probe, std::ios::binary | std::ios::trunc);
    if (out) {
      out << 'x';
      out.close();
      ok = !out.fail();
    }
  }
  fs::remove(probe, ec);
  return ok;
}

}  // namespace platform::files

namespace platform::files {
bool ReadFileBytes(const std::string& path, std::string& out, long long maxBytes) {
  out.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  if (maxBytes < 0) {
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else {
    out.resize(static_cast<std::size_t>(maxBytes));
    in.read(out.data(), static_cast<std::streamsize>(maxBytes));
    out.resize(static_cast<std::size_t>(in.gcount()));
  }
  return !in.bad();
}
}  // namespace platform::files
