#include "entry/entry_rows.h"

#include "model/problem_data.h"
#include "platform/text.h"

namespace entry {

namespace text = platform::text;

Fault ReadBox(std::string_view s, double& into) {
  const std::string t = text::Trim(s);
  if (t.empty()) return Fault::Missing;
  if (!text::IsNumeric(t)) return Fault::Invalid;
  into = text::Val(t);
  return Fault::None;
}

int LastFilledRow(const TableTexts& rows) {
  int last = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (const std::string& box : rows[r]) {
      if (!text::Trim(box).empty()) {
        last = static_cast<int>(r) + 1;
        break;
      }
    }
  }
  return last;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string s;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) s += NewLine;
    s += lines[i];
  }
  return s;
}

}  // namespace entry
