// Reading the boxes of an entry window's row tables: a box is blank, not a number, or a
// value. Plain strings in, so the counting and checking rules are tested without widgets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace entry {

// What a box (or a row of boxes) failed with; None when it passed.
enum class Fault { None, Missing, Invalid };

// One row of a table as typed, its boxes in the order they are checked.
using RowTexts = std::vector<std::string>;
// The rows of one side of a table, row 1 first.
using TableTexts = std::vector<RowTexts>;

// A trimmed box: blank is Missing, a failed numeric test is Invalid; otherwise the value
// goes into `into` and the result is None.
Fault ReadBox(std::string_view text, double& into);

// The number of the last row in which at least one box is not blank after trimming;
// 0 for an empty table.
int LastFilledRow(const TableTexts& rows);

// Checks a row box by box, storing every value as soon as it is read (before its limit
// is tested). The first failure sticks: later boxes are not read.
class RowCheck {
 public:
  explicit RowCheck(const RowTexts& row) : row_(row) {}
  // Box k (from 0) into `into`; `limit` tells whether the stored value is allowed.
  template <class Limit>
  RowCheck& box(std::size_t k, double& into, Limit limit) {
    if (fault_ != Fault::None) return *this;
    fault_ = ReadBox(k < row_.size() ? row_[k] : std::string(), into);
    if (fault_ == Fault::None && !limit(into)) fault_ = Fault::Invalid;
    return *this;
  }
  // A test of the row as a whole, made only when every box so far passed.
  RowCheck& require(bool ok) {
    if (fault_ == Fault::None && !ok) fault_ = Fault::Invalid;
    return *this;
  }
  Fault fault() const { return fault_; }

 private:
  const RowTexts& row_;
  Fault fault_ = Fault::None;
};

inline bool AnyValue(double) { return true; }

// The lines of a message joined with NewLine, as every message text is built.
std::string Lines(const std::vector<std::string>& lines);

}  // namespace entry
