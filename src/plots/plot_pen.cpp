#include "plots/plot_pen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "model/problem_data.h"

namespace plots {

void PlotPen::textAt(std::string_view s, double x, double y) {
  TextBuffer = std::string(s);
  if (paper) {
    c.pset(x + dx, y + dy, kWhite);
  } else {
    c.currentX = x + dx;
    c.currentY = y + dy;
  }
  c.print(TextBuffer);
}

std::vector<double> PlaceColumnLabels(const std::vector<ColumnSlot>& slots, double lo, double hi) {
  std::vector<double> tops(slots.size());
  // A label of a scale without a span (no finite place) stays where it was asked to be.
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    tops[i] = slots[i].wantedTop;
    const ColumnSlot& s = slots[i];
    if (std::isfinite(s.wantedTop) && std::isfinite(s.height) && std::isfinite(s.level)) order.push_back(i);
  }
  const std::size_t n = order.size();
  if (n == 0) return tops;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (slots[a].level != slots[b].level) return slots[a].level < slots[b].level;
    return slots[a].wantedTop < slots[b].wantedTop;
  });
  // With each label's top less the heights of those above it, "no overlap" reads "never
  // decreasing": the nearest such sequence (pooling adjacent violators into their mean)
  // gives the least moves.
  std::vector<double> below(n), shifted(n);
  double stack = 0;
  for (std::size_t k = 0; k < n; ++k) {
    below[k] = stack;
    shifted[k] = slots[order[k]].wantedTop - stack;
    stack += slots[order[k]].height;
  }
  struct Block {
    double sum;
    std::size_t first, count;
    double mean() const { return sum / static_cast<double>(count); }
  };
  std::vector<Block> blocks;
  for (std::size_t k = 0; k < n; ++k) {
    blocks.push_back({shifted[k], k, 1});
    while (blocks.size() > 1 && blocks[blocks.size() - 2].mean() > blocks.back().mean()) {
      const Block last = blocks.back();
      blocks.pop_back();
      blocks.back().sum += last.sum;
      blocks.back().count += last.count;
    }
  }
  // The room: never less than the wanted places already take.
  double wantedLo = slots[order[0]].wantedTop, wantedHi = wantedLo;
  for (std::size_t i : order) {
    wantedLo = std::min(wantedLo, slots[i].wantedTop);
    wantedHi = std::max(wantedHi, slots[i].wantedTop + slots[i].height);
  }
  const double floor = std::min(lo, wantedLo), ceiling = std::max(hi, wantedHi) - stack;
  const bool fits = floor <= ceiling;
  for (const Block& b : blocks) {
    double z = b.mean();
    const bool clamped = fits && (z < floor || z > ceiling);
    if (fits) z = std::clamp(z, floor, ceiling);
    for (std::size_t k = b.first; k < b.first + b.count; ++k)
      // A label left alone keeps its wanted top to the last bit.
      tops[order[k]] = b.count == 1 && !clamped ? slots[order[k]].wantedTop : z + below[k];
  }
  return tops;
}

LabelColumn::LabelColumn(const Canvas& measure, Print print)
    : measure_(measure),
      print_(std::move(print)),
      lo_(-std::numeric_limits<double>::infinity()),
      hi_(std::numeric_limits<double>::infinity()) {}

LabelColumn::LabelColumn(PlotPen& pen)
    : LabelColumn(pen.c, [&pen](const std::string& text, double left, double top) { pen.textAt(text, left, top); }) {}

void LabelColumn::place(std::string_view s, double cx, double top, double level) {
  for (const Label& l : labels_)
    if (l.text == s && std::abs(l.slot.wantedTop - top) < 0.5) return;
  labels_.push_back({std::string(s), cx, measure_.textWidth(s), {top, height(s), level}});
}

void LabelColumn::draw() {
  if (labels_.empty()) return;
  std::vector<ColumnSlot> slots;
  for (const Label& l : labels_) slots.push_back(l.slot);
  const std::vector<double> tops = PlaceColumnLabels(slots, lo_, hi_);
  const std::vector<Label> labels = std::move(labels_);
  labels_.clear();
  for (std::size_t i = 0; i < labels.size(); ++i) print_(labels[i].text, labels[i].cx - labels[i].width / 2, tops[i]);
}

void DrawPlotPage(Canvas& page) {
  page.setFont("Arial", 8.25);
  PlotPen pen(page, true);
  for (int i = 1; i <= std::min(NumHeadingLines, 2); ++i)
    pen.textAt(HeadingLines(i), 1440, 3744 + 288.0 * (i - 1));
  page.setDrawWidth(2);
  page.setDrawStyle(0);
  page.box(1440, 4320, 11160, 9720, kBlack, false);
}

std::string WallSubtitle() {
  std::string s = WallType == "C" ? "FOR CANTILEVER " : "FOR ANCHORED ";
  if (RunMode == "D") s += "WALL DESIGN";
  else if (RunMode == "A") s += "WALL ANALYSIS";
  return s;
}

}  // namespace plots
