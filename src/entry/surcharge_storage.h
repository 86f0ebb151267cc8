// The vertical surcharges as the surcharge window edits them: which boxes each load type
// has, where each box's value is stored, and the Finished of each type's frame (count,
// check, store) with its messages. Widget-free: the window hands in the texts of its boxes.
#pragma once

#include <string>
#include <vector>

#include "entry/entry_rows.h"

namespace entry {

// The load types, numbered as ChoiceIndex carries them.
enum SurchargeType {
  kLineLoads = 1,
  kUniformLoads = 2,
  kStripLoads = 3,
  kRampLoads = 4,
  kTriangularLoads = 5,
  kVariableLoads = 6
};

// The boxes of one load type: rows per side and the column boxes of each side, in the
// order a row is checked (and tabbed through). Side 1 is the right side, 2 the left.
struct SurchargeLayout {
  int rows = 0;
  std::vector<std::string> columns[2];  // [0] right side, [1] left side
  const std::vector<std::string>& side(int s) const { return columns[s - 1]; }
};
const SurchargeLayout& SurchargeBoxes(int type);

// The count of a load type on a side (NumLineLoads(side) ...).
int& SurchargeCount(int type, int side);
// Where the box of column col (from 0) in row (from 1) of a side is stored.
double& SurchargeValue(int type, int side, int row, int col);

// Finished of the type's frame. right and left are the texts of the side's boxes, row by
// row. Shows the first failure's message; true when the window is to close (every counted
// row passed, or Cancel dropped the type), false when OK keeps it open.
bool FinishSurcharges(int type, const TableTexts& right, const TableTexts& left);

// Delete of one side's loads of a type (for the uniform load: both sides, values too).
void DeleteSurchargeSide(int type, int side);

}  // namespace entry
