// The results file of one method: the result profiles, the grid and its pressures,
// the wedge marks and the net water pressure, in a fixed binary layout (little-endian
// doubles, one 16-bit count, all 301 elements, one byte per "*" mark). It lives in the
// temporary folder and is listed for deletion with the other temporary files.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "model/problem_data.h"
#include "model/temp_files.h"
#include "platform/files.h"
#include "platform/services.h"
#include "pressures/pressure_data.h"
#include "wall/wall.h"

namespace files = platform::files;

namespace {

constexpr int kPoints = 301;
constexpr long long kFixedBytes = 38530;
constexpr int kMarks = 2 * 2 * kPoints;  // active of both sides, then passive of both

// The marks each method's file was written with: the layout stores no lengths, so the
// reader must know where a "*" byte stands.
struct WrittenFile {
  std::string name;
  std::array<bool, kMarks> star{};
  int numStars = 0;
};
std::array<WrittenFile, 3> gWritten;

void ResultsFileFailure(const std::string& name, const std::string& what) {
  platform::MsgBox("THE RESULTS FILE" + NewLine + name + NewLine + what + NewLine + NewLine +
                       "     UNABLE TO CONTINUE.",
                   0, "RESULTS FILE ERROR");
  AbortRun = 1;
}

std::size_t MarkSlot(int block, int side, int point) {
  return static_cast<std::size_t>(block * 2 * kPoints + (side - 1) * kPoints + (point - 1));
}

// Everything a results file holds, read into scratch first so a damaged file leaves the
// program's arrays untouched.
struct Contents {
  std::array<std::array<double, kPoints>, 5> profiles;
  std::int16_t numGridPoints = 0;
  std::array<double, kPoints> grid;
  std::array<double, 2 * kPoints * 2> active, passive;
  std::array<double, kPoints * 2> water;
};
Contents gScratch;

}  // namespace

void WriteResultsFile(int Method) {
  ResultsFileNum = files::FreeFile();
  const std::string folder = files::TempFolder();
  // The smallest free number, claimed by creating the file: another run writing into the
  // same folder at the same moment then takes the next number instead of this file. It
  // is written on the descriptor of that creation, so nothing put in its name's place
  // (a link to another file) is ever written through.
  files::NewFile got = files::NewFile::Taken;
  for (int n = 0; got == files::NewFile::Taken; ++n) {
    ResultsFileNames(Method) =
        files::JoinPath(folder, "ZZ" + std::to_string(Method) + std::to_string(n));
    got = files::CreateNewOpen(ResultsFileNames(Method), files::Mode::Binary, ResultsFileNum);
  }
  const bool claimed = got == files::NewFile::Created;
  const std::string name = ResultsFileNames(Method);

  WrittenFile& w = gWritten[static_cast<std::size_t>(Method)];
  w = WrittenFile{};
  if (!claimed) {
    ResultsFileFailure(name, "COULD NOT BE CREATED.");
    return;
  }
  AddTempFileName(name);
  bool ok = true;
  auto put = [&](double v) { ok = ok && files::PutDouble(ResultsFileNum, v); };
  for (const auto* profile : {&ResultElev, &ResultMoment, &ResultShear, &ResultDeflection,
                              &ResultNetPressure})
    for (int p = 1; p <= kPoints; ++p) put((*profile)(p));
  ok = ok && files::PutInt16(ResultsFileNum, static_cast<std::int16_t>(NumGridPoints));
  for (int p = 1; p <= kPoints; ++p) put(GridElev(p));
  for (const auto* pressure : {&ActivePressure, &PassivePressure})
    for (int side = 1; side <= 2; ++side)
      for (int p = 1; p <= kPoints; ++p)
        for (int k = 1; k <= 2; ++k) put((*pressure)(side, p, k));
  int block = 0;
  for (const auto* marks : {&WedgeMarkActive, &WedgeMarkPassive}) {
    for (int side = 1; side <= 2; ++side)
      for (int p = 1; p <= kPoints; ++p) {
        const std::string& mark = (*marks)(side, p);
        if (mark.empty()) continue;
        // A mark is "*" or nothing; anything else would break the layout.
        const char star = '*';
        ok = ok && files::PutBytes(ResultsFileNum, &star, 1);
        w.star[MarkSlot(block, side, p)] = true;
        ++w.numStars;
      }
    ++block;
  }
  for (int p = 1; p <= kPoints; ++p)
    for (int k = 1; k <= 2; ++k) put(NetWaterPressure(p, k));
  const bool closed = files::CloseChecked(ResultsFileNum);
  const bool complete = ok && closed && files::FileLen(name) == kFixedBytes + w.numStars;
  if (!complete) {
    ResultsFileFailure(name, "COULD NOT BE WRITTEN.");
    w = WrittenFile{};
    return;
  }
  w.name = name;
}

void ReadResultsFile(int Method) {
  const std::string name = ResultsFileNames(Method);
  const WrittenFile& w = gWritten[static_cast<std::size_t>(Method)];
  if (name.empty() || w.name != name || !files::Exists(name)) {
    ResultsFileFailure(name, "IS MISSING.");
    return;
  }
  if (files::FileLen(name) != kFixedBytes + w.numStars) {
    ResultsFileFailure(name, "IS DAMAGED (WRONG LENGTH).");
    return;
  }
  ResultsFileNum = files::FreeFile();
  if (!files::Open(name, files::Mode::Binary, ResultsFileNum, files::Links::Refuse)) {
    ResultsFileFailure(name, "COULD NOT BE OPENED.");
    return;
  }
  Contents& c = gScratch;
  bool ok = true, finite = true, marksOk = true;
  auto get = [&](double& v) {
    ok = ok && files::GetDouble(ResultsFileNum, v);
    if (ok && !std::isfinite(v)) finite = false;
  };
  for (auto& profile : c.profiles)
    for (double& v : profile) get(v);
  ok = ok && files::GetInt16(ResultsFileNum, c.numGridPoints);
  for (double& v : c.grid) get(v);
  for (double& v : c.active) get(v);
  for (double& v : c.passive) get(v);
  for (int block = 0; block < 2; ++block)
    for (int side = 1; side <= 2; ++side)
      for (int p = 1; p <= kPoints; ++p) {
        if (!w.star[MarkSlot(block, side, p)])
          continue;
        char byte = 0;
        ok = ok && files::GetBytes(ResultsFileNum, &byte, 1);
        if (ok && byte != '*') marksOk = false;
      }
  for (double& v : c.water) get(v);
  files::Close(ResultsFileNum);
  if (!ok || !finite || !marksOk || c.numGridPoints < 1 || c.numGridPoints > kPoints) {
    ResultsFileFailure(name, "IS DAMAGED.");
    return;
  }

  // The file is sound: restore it.
  platform::Array<double, 301>* profiles[5] = {&ResultElev, &ResultMoment, &ResultShear, &ResultDeflection,
                                     &ResultNetPressure};
  for (int i = 0; i < 5; ++i)
    for (int p = 1; p <= kPoints; ++p) (*profiles[i])(p) = c.profiles[static_cast<std::size_t>(i)][static_cast<std::size_t>(p - 1)];
  NumGridPoints = c.numGridPoints;
  for (int p = 1; p <= kPoints; ++p) GridElev(p) = c.grid[static_cast<std::size_t>(p - 1)];
  std::size_t at = 0;
  for (int side = 1; side <= 2; ++side)
    for (int p = 1; p <= kPoints; ++p)
      for (int k = 1; k <= 2; ++k, ++at) {
        ActivePressure(side, p, k) = c.active[at];
        PassivePressure(side, p, k) = c.passive[at];
      }
  int block = 0;
  for (auto* marks : {&WedgeMarkActive, &WedgeMarkPassive}) {
    for (int side = 1; side <= 2; ++side)
      for (int p = 1; p <= kPoints; ++p)
        (*marks)(side, p) =
            w.star[MarkSlot(block, side, p)] ? "*" : "";
    ++block;
  }
  at = 0;
  for (int p = 1; p <= kPoints; ++p)
    for (int k = 1; k <= 2; ++k, ++at) NetWaterPressure(p, k) = c.water[at];
}
