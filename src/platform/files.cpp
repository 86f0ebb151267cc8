#include "platform/files.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ext/stdio_filebuf.h>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <system_error>

#include "platform/text.h"

namespace platform::files {

namespace fs = std::filesystem;

namespace {

// Every file is held by the descriptor it was opened with, so a file created under a
// fresh name is written through that descriptor and never looked up by its name again.
using DescriptorBuffer = __gnu_cxx::stdio_filebuf<char>;

struct OpenFile {
  std::unique_ptr<DescriptorBuffer> buffer;
  std::iostream stream{nullptr};
  Mode mode = Mode::Input;
  long linesWritten = 0;
  bool lastWasWrite = false;  // a binary file switching between reading and writing seeks
  bool failed = false;        // a write failed since it was opened
};

std::map<int, std::unique_ptr<OpenFile>>& table() {
  static std::map<int, std::unique_ptr<OpenFile>> t;
  return t;
}

OpenFile* find(int fileNum) {
  auto it = table().find(fileNum);
  return it == table().end() ? nullptr : it->second.get();
}

std::string& programFolder() {
  static std::string folder;
  return folder;
}

void toWriting(OpenFile& f) {
  if (f.mode == Mode::Binary && !f.lastWasWrite) f.stream.seekp(f.stream.tellg());
  f.lastWasWrite = true;
}

void toReading(OpenFile& f) {
  if (f.mode == Mode::Binary && f.lastWasWrite) {
    f.stream.flush();
    f.stream.seekg(f.stream.tellp());
  }
  f.lastWasWrite = false;
}

bool writeRaw(OpenFile& f, const char* data, std::size_t n) {
  f.stream.write(data, static_cast<std::streamsize>(n));
  if (!f.stream.good()) f.failed = true;
  return !f.failed;
}

int OpenFlags(Mode mode) {
  switch (mode) {
    case Mode::Input: return O_RDONLY;
    case Mode::Output: return O_WRONLY | O_CREAT | O_TRUNC;
    case Mode::Append: return O_WRONLY | O_CREAT | O_APPEND;
    case Mode::Binary: return O_RDWR | O_CREAT;
  }
  return O_RDONLY;
}

std::ios::openmode StreamMode(Mode mode) {
  switch (mode) {
    case Mode::Input: return std::ios::binary | std::ios::in;
    case Mode::Output: return std::ios::binary | std::ios::out;
    case Mode::Append: return std::ios::binary | std::ios::out | std::ios::app;
    case Mode::Binary: return std::ios::binary | std::ios::in | std::ios::out;
  }
  return std::ios::binary | std::ios::in;
}

// Enters an open descriptor in the table under fileNum; the table owns it from here.
bool Adopt(int fd, Mode mode, int fileNum) {
  struct stat st {};
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return false;
  }
  auto f = std::make_unique<OpenFile>();
  f->mode = mode;
  f->buffer = std::make_unique<DescriptorBuffer>(fd, StreamMode(mode));
  if (!f->buffer->is_open()) {
    ::close(fd);
    return false;
  }
  f->stream.rdbuf(f->buffer.get());
  table()[fileNum] = std::move(f);
  return true;
}

}  // namespace

int FreeFile() {
  int n = 1;
  for (const auto& [num, file] : table()) {
    if (num != n) break;
    ++n;
  }
  return n;
}

bool Open(const std::string& path, Mode mode, int fileNum, Links links) {
  if (fileNum < 1 || find(fileNum) || path.empty()) return false;
  int flags = OpenFlags(mode) | O_CLOEXEC;
  if (links == Links::Refuse) flags |= O_NOFOLLOW;
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return false;
  return Adopt(fd, mode, fileNum);
}

bool IsOpen(int fileNum) { return find(fileNum) != nullptr; }

bool CloseChecked(int fileNum) {
  auto it = table().find(fileNum);
  if (it == table().end()) return true;
  OpenFile& f = *it->second;
  bool ok = !f.failed;
  if (f.mode != Mode::Input) {
    f.stream.flush();
    ok = ok && f.stream.good();
  }
  ok = f.buffer->close() != nullptr && ok;
  table().erase(it);
  return ok;
}

void Close(int fileNum) { CloseChecked(fileNum); }

bool Flush(int fileNum) {
  OpenFile* f = find(fileNum);
  if (!f) return false;
  if (f->mode != Mode::Input) {
    f->stream.flush();
    if (!f->stream.good()) f->failed = true;
  }
  return !f->failed;
}

bool CloseAllChecked() {
  bool ok = true;
  while (!table().empty()) ok = CloseChecked(table().begin()->first) && ok;
  return ok;
}

void CloseAll() { CloseAllChecked(); }

bool LineInput(int fileNum, std::string& line) {
  OpenFile* f = find(fileNum);
  line.clear();
  if (!f || f->mode == Mode::Output || f->mode == Mode::Append) return false;
  toReading(*f);
  if (f->stream.peek() == std::char_traits<char>::eof()) return false;
  std::getline(f->stream, line);
  if (f->stream.bad()) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool Eof(int fileNum) {
  OpenFile* f = find(fileNum);
  if (!f || f->mode == Mode::Output || f->mode == Mode::Append) return true;
  toReading(*f);
  if (!f->stream.good()) return true;
  return f->stream.peek() == std::char_traits<char>::eof();
}

bool PrintLine(int fileNum, std::string_view line) {
  OpenFile* f = find(fileNum);
  if (!f || f->mode == Mode::Input || f->mode == Mode::Binary) return false;
  if (!writeRaw(*f, line.data(), line.size()) || !writeRaw(*f, "\r\n", 2)) return false;
  ++f->linesWritten;
  return true;
}

long LinesWritten(int fileNum) {
  OpenFile* f = find(fileNum);
  return f ? f->linesWritten : 0;
}

bool PutBytes(int fileNum, const void* data, std::size_t n) {
  OpenFile* f = find(fileNum);
  if (!f || f->mode != Mode::Binary) return false;
  toWriting(*f);
  return writeRaw(*f, static_cast<const char*>(data), n);
}

bool GetBytes(int fileNum, void* data, std::size_t n) {
  OpenFile* f = find(fileNum);
  if (!f || f->mode != Mode::Binary) return false;
  toReading(*f);
  f->stream.read(static_cast<char*>(data), static_cast<std::streamsize>(n));
  if (static_cast<std::size_t>(f->stream.gcount()) != n) {
    f->stream.clear();
    return false;
  }
  return true;
}

bool PutDouble(int fileNum, double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  unsigned char b[8];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<unsigned char>(bits >> (8 * i));
  return PutBytes(fileNum, b, 8);
}

bool GetDouble(int fileNum, double& v) {
  unsigned char b[8];
  if (!GetBytes(fileNum, b, 8)) return false;
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(b[i]) << (8 * i);
  std::memcpy(&v, &bits, sizeof v);
  return true;
}

bool PutInt16(int fileNum, std::int16_t v) {
  const auto u = static_cast<std::uint16_t>(v);
  const unsigned char b[2] = {static_cast<unsigned char>(u & 0xFF), static_cast<unsigned char>(u >> 8)};
  return PutBytes(fileNum, b, 2);
}

bool GetInt16(int fileNum, std::int16_t& v) {
  unsigned char b[2];
  if (!GetBytes(fileNum, b, 2)) return false;
  v = static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
  return true;
}

namespace {

// Read by a signal handler: fixed storage, each name written whole before its slot is
// counted or its first byte set, and only unlink() in the handler.
constexpr int kSignalSlots = 64;
constexpr std::size_t kSignalPathMax = 4096;
char gSignalPaths[kSignalSlots][kSignalPathMax];
volatile std::sig_atomic_t gSignalCount = 0;

void DeleteListedAndEnd(int sig) {
  for (int i = 0; i < gSignalCount; ++i)
    if (gSignalPaths[i][0] != 0) ::unlink(gSignalPaths[i]);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

}  // namespace

void ListForSignalDeletion(const std::string& path) {
  if (path.empty() || path.size() >= kSignalPathMax) return;
  for (int i = 0; i < gSignalCount; ++i)
    if (gSignalPaths[i][0] != 0 && path == gSignalPaths[i]) return;
  int slot = 0;
  while (slot < gSignalCount && gSignalPaths[slot][0] != 0) ++slot;
  if (slot == kSignalSlots) return;
  char* p = gSignalPaths[slot];
  std::memcpy(p + 1, path.data() + 1, path.size() - 1);
  p[path.size()] = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  p[0] = path[0];
  std::atomic_signal_fence(std::memory_order_seq_cst);
  if (slot == gSignalCount) gSignalCount = slot + 1;
}

void UnlistForSignalDeletion(const std::string& path) {
  for (int i = 0; i < gSignalCount; ++i)
    if (gSignalPaths[i][0] != 0 && path == gSignalPaths[i]) gSignalPaths[i][0] = 0;
}

void InstallSignalDeletion() {
  struct sigaction sa {};
  sa.sa_handler = DeleteListedAndEnd;
  sigemptyset(&sa.sa_mask);
  sigaddset(&sa.sa_mask, SIGINT);
  sigaddset(&sa.sa_mask, SIGTERM);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(path, ec);
}

NewFile CreateNew(const std::string& path) {
  if (path.empty()) return NewFile::Failed;
  // Exclusive creation, failing on a name that exists (a dangling link included).
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return errno == EEXIST ? NewFile::Taken : NewFile::Failed;
  return ::close(fd) == 0 ? NewFile::Created : NewFile::Failed;
}

NewFile CreateNewOpen(const std::string& path, Mode mode, int fileNum) {
  if (path.empty() || fileNum < 1 || find(fileNum) || mode == Mode::Input) return NewFile::Failed;
  // The file is listed for deletion on a signal in the same step as it is made: a
  // signal never finds it made and not listed.
  sigset_t block, previous;
  sigemptyset(&block);
  sigaddset(&block, SIGINT);
  sigaddset(&block, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &block, &previous);
  const int fd = ::open(path.c_str(), OpenFlags(mode) | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  const int openError = errno;
  if (fd >= 0) ListForSignalDeletion(path);
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  if (fd < 0) return openError == EEXIST ? NewFile::Taken : NewFile::Failed;
  return Adopt(fd, mode, fileNum) ? NewFile::Created : NewFile::Failed;
}

long long FileLen(const std::string& path) {
  std::error_code ec;
  const auto n = fs::file_size(path, ec);
  return ec ? -1 : static_cast<long long>(n);
}

bool Kill(const std::string& path) {
  std::error_code ec;
  return fs::remove(path, ec) && !ec;
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  return (fs::path(dir) / name).string();
}

std::string CurrentDir() {
  std::error_code ec;
  auto p = fs::current_path(ec);
  return ec ? std::string() : p.string();
}

bool ChDir(const std::string& dir) {
  std::error_code ec;
  fs::current_path(dir, ec);
  return !ec;
}

std::string Environ(const std::string& name) {
  const char* v = std::getenv(name.c_str());
  return v ? std::string(v) : std::string();
}

std::string TempFolder() {
  std::string t = text::Trim(Environ("TEMP"));
  if (!t.empty()) return t;
  t = Environ("TMPDIR");
  if (!t.empty()) return t;
  std::error_code ec;
  auto p = fs::temp_directory_path(ec);
  return ec ? std::string("/tmp") : p.string();
}

std::string ProgramFolder() {
  if (!programFolder().empty()) return programFolder();
  std::error_code ec;
  auto exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && exe.has_parent_path()) return exe.parent_path().string();
  return CurrentDir();
}

void SetProgramFolder(const std::string& dir) { programFolder() = dir; }

}  // namespace platform::files
