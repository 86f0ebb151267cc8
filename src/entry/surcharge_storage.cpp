#include "entry/surcharge_storage.h"

#include <cassert>

#include "model/problem_data.h"
#include "platform/services.h"
#include "platform/text.h"

namespace entry {

namespace {

// Cancel deletes the type's data of both sides: only a button may answer.
constexpr int kOKCancelExclamation = platform::kBoxOKCancel | platform::kBoxExclamation | platform::kBoxMustAnswer;

// The message lines that follow the first line and the empty line, per type; the texts
// differ between the missing-data and the invalid-data message only where shown.
struct TypeMessages {
  std::vector<std::string> missing, invalid;
};

const TypeMessages& MessagesOf(int type) {
  static const TypeMessages line{
      {"     Choose OK to continue LINE LOAD DATA ", "          entry.",
       "     Choose CANCEL to delete ALL LINE LOAD", "          DATA and exit."},
      {"     Choose OK to continue LINE LOAD DATA ", "          entry.",
       "     Choose CANCEL to DELETE ALL LINE LOAD", "          DATA and exit."}};
  static const TypeMessages uniform{
      {},
      {"     Choose OK to continue UNIFORM LOAD", "          DATA entry.",
       "     Choose CANCEL to DELETE ALL UNIFORM", "          LOAD DATA and exit."}};
  static const std::vector<std::string> stripLines{
      "     Choose OK to continue STRIP LOAD DATA ", "          entry.",
      "     Choose CANCEL to DELETE ALL STRIP LOAD", "          DATA and exit."};
  static const TypeMessages strip{stripLines, stripLines};
  static const std::vector<std::string> rampLines{
      "     Choose OK to continue RAMP LOAD DATA", "          entry.",
      "     Choose CANCEL to DELETE ALL RAMP LOAD", "          DATA and exit."};
  static const TypeMessages ramp{rampLines, rampLines};
  static const TypeMessages triangular{
      {"     Choose OK to continue TRIANGULAR LOAD", "          DATA entry.",
       "     Choose CANCEL to DELETE ALL", "          TRIANGULAR LOAD DATA and exit."},
      {"     Choose OK to continue TRIANGULAR LOAD", "          DATA entry.",
       "     Choose CANCEL to DELETE ALL", "          TRIANGULAR DATA and exit."}};
  static const TypeMessages variable{
      {"     Choose OK to continue VARIABLE LOAD", "          DATA entry.",
       "     Choose CANCEL to DELETE ALL VARIABLE", "          LOAD DATA and exit."},
      {"     Choose OK to continue VARIABLE LOAD ", "          DATA entry.",
       "     Choose CANCEL to DELETE VARIABLE LOAD", "          DATA and exit."}};
  switch (type) {
    case kLineLoads: return line;
    case kUniformLoads: return uniform;
    case kStripLoads: return strip;
    case kRampLoads: return ramp;
    case kTriangularLoads: return triangular;
    default: return variable;
  }
}

// Shows the type's message for a fault; true when the user chose OK.
bool ReportFault(int type, Fault fault) {
  const TypeMessages& m = MessagesOf(type);
  std::vector<std::string> lines;
  std::string title;
  if (fault == Fault::Missing) {
    title = "DATA MISSING";
    lines = {"At least one required data value is missing.", ""};
    lines.insert(lines.end(), m.missing.begin(), m.missing.end());
  } else {
    title = "INVALID DATA";
    lines = {"At least one data value is invalid.", ""};
    lines.insert(lines.end(), m.invalid.begin(), m.invalid.end());
  }
  TextBuffer = Lines(lines);
  return platform::MsgBox(TextBuffer, kOKCancelExclamation, title) == platform::Answer::OK;
}

// The checks of row i of a side, box by box; every value is stored as it is read.
Fault CheckRow(int type, int s, int i, const RowTexts& row) {
  RowCheck c(row);
  auto value = [&](int col) -> double& { return SurchargeValue(type, s, i, col); };
  auto positive = [](double v) { return v > 0; };
  auto notNegative = [](double v) { return v >= 0; };
  switch (type) {
    case kLineLoads:
      c.box(0, value(0), positive).box(1, value(1), positive);
      break;
    case kStripLoads:
      c.box(0, value(0), notNegative)
          .box(1, value(1), [&](double v) { return v > StripStartDist(s, i); })
          .box(2, value(2), positive);
      break;
    case kRampLoads:
      // A ramp of no load is refused as the input file refuses it: a problem typed in
      // and saved must open again.
      c.box(0, value(0), notNegative)
          .box(1, value(1), [&](double v) { return v >= RampStartDist(s); })
          .box(2, value(2), positive);
      break;
    case kTriangularLoads:
      c.box(0, value(0), notNegative)
          .box(1, value(1), [&](double v) { return v >= TriStartDist(s, i); })
          .box(2, value(2), [&](double v) { return v >= TriPeakDist(s, i); })
          .require(!(TriStartDist(s, i) == TriPeakDist(s, i) && TriPeakDist(s, i) == TriEndDist(s, i)))
          .box(3, value(3), positive);
      break;
    case kVariableLoads:
      c.box(0, value(0), [&](double v) { return v >= 0 && (i == 1 || v > VarLoadDist(s, i - 1)); })
          .box(1, value(1), notNegative);
      break;
    default:
      break;
  }
  return c.fault();
}

// The fewest rows a side of the type may hold when it holds any: a variable surcharge
// needs two points, as in the input file.
int FewestRows(int type) { return type == kVariableLoads ? 2 : 1; }

bool FinishUniform(const TableTexts& right, const TableTexts& left) {
  for (int s = 1; s <= 2; ++s) {
    NumUniformLoads(s) = 0;
    const TableTexts& t = s == 1 ? right : left;
    const std::string box = t.empty() || t[0].empty() ? std::string() : t[0][0];
    double& into = UniformLoad(s);
    Fault f = ReadBox(box, into);
    if (f == Fault::Missing) continue;  // no uniform load on this side
    if (f == Fault::None && !(into >= 0)) f = Fault::Invalid;
    if (f != Fault::None) {
      if (ReportFault(kUniformLoads, f)) return false;
      NumUniformLoads(1) = 0;
      NumUniformLoads(2) = 0;
      return true;
    }
    NumUniformLoads(s) = 1;
  }
  return true;
}

}  // namespace

const SurchargeLayout& SurchargeBoxes(int type) {
  static const SurchargeLayout layouts[6] = {
      {5, {{"txtDLLR", "txtQLLR"}, {"txtDLLL", "txtQLLL"}}},
      {1, {{"txtQUR"}, {"txtQUL"}}},
      {5, {{"txtDS1R", "txtDS2R", "txtQSR"}, {"txtDS1L", "txtDS2L", "txtQSL"}}},
      {1, {{"txtDR1R", "txtDR2R", "txtQRR"}, {"txtDR1L", "txtDR2L", "txtQRL"}}},
      {5, {{"txtDT1R", "txtDT2R", "txtDT3R", "txtQTR"}, {"txtDT1L", "txtDT2L", "txtDT3L", "txtQTL"}}},
      {11, {{"txtRightDist", "txtRightLoad"}, {"txtLeftDist", "txtLeftLoad"}}}};
  assert(type >= 1 && type <= 6);
  return layouts[type - 1];
}

int& SurchargeCount(int type, int side) {
  switch (type) {
    case kLineLoads: return NumLineLoads(side);
    case kUniformLoads: return NumUniformLoads(side);
    case kStripLoads: return NumStripLoads(side);
    case kRampLoads: return NumRampLoads(side);
    case kTriangularLoads: return NumTriangularLoads(side);
    default: return NumVariablePoints(side);
  }
}

double& SurchargeValue(int type, int s, int row, int col) {
  switch (type) {
    case kLineLoads: return col == 0 ? LineLoadDist(s, row) : LineLoad(s, row);
    case kUniformLoads: return UniformLoad(s);
    case kStripLoads:
      return col == 0 ? StripStartDist(s, row) : col == 1 ? StripEndDist(s, row) : StripLoad(s, row);
    case kRampLoads: return col == 0 ? RampStartDist(s) : col == 1 ? RampEndDist(s) : RampLoad(s);
    case kTriangularLoads:
      return col == 0   ? TriStartDist(s, row)
             : col == 1 ? TriPeakDist(s, row)
             : col == 2 ? TriEndDist(s, row)
                        : TriPeakLoad(s, row);
    default: return col == 0 ? VarLoadDist(s, row) : VarLoadValue(s, row);
  }
}

bool FinishSurcharges(int type, const TableTexts& right, const TableTexts& left) {
  if (type == kUniformLoads) return FinishUniform(right, left);
  // The right side is counted and checked first; the left is counted only once the right
  // has passed, so a failure on the right leaves the left as it was.
  for (int s = 1; s <= 2; ++s) {
    const TableTexts& rows = s == 1 ? right : left;
    int& count = SurchargeCount(type, s);
    count = LastFilledRow(rows);
    Fault fault = Fault::None;
    int failedRow = 0;
    if (count > 0 && count < FewestRows(type)) {
      fault = Fault::Invalid;
      failedRow = 1;
    }
    for (int i = 1; fault == Fault::None && i <= count; ++i) {
      fault = CheckRow(type, s, i, rows[static_cast<std::size_t>(i - 1)]);
      if (fault != Fault::None) failedRow = i;
    }
    if (fault == Fault::None) continue;
    // The count left behind holds only rows that passed, and never too few of them.
    count = failedRow - 1 >= FewestRows(type) ? failedRow - 1 : 0;
    if (ReportFault(type, fault)) return false;
    SurchargeCount(type, 1) = 0;
    SurchargeCount(type, 2) = 0;
    return true;
  }
  return true;
}

void DeleteSurchargeSide(int type, int side) {
  if (type == kUniformLoads) {
    if (NumUniformLoads(1) + NumUniformLoads(2) > 0) InputChanged = 1;
    NumUniformLoads(1) = 0;
    NumUniformLoads(2) = 0;
    UniformLoad(1) = 0.0;
    UniformLoad(2) = 0.0;
    return;
  }
  if (SurchargeCount(type, side) > 0) InputChanged = 1;
  SurchargeCount(type, side) = 0;
}

}  // namespace entry
