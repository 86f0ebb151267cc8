// The column of elevation labels: labels that have room stay where they want to be;
// labels that crowd each other keep the order of their lines, never overlap, and spread
// from their lines by the least moves. Then the system sketch with elevations a few
// tenths of a foot apart, on the screen and on paper.
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "plot_test_support.h"
#include "plots/input_plots.h"
#include "platform/text.h"
#include "plots/plot_pen.h"

using platform::CanvasOp;
using platform::RecordingCanvas;
using plots::ColumnSlot;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct PlacementCase {
  const char* name;
  std::vector<ColumnSlot> slots;  // wanted top, height, level
  double lo, hi;
  std::vector<double> tops;
};

}  // namespace

TEST(PlaceColumnLabels, StayPutWithRoomAndElseSpreadByTheLeastMovesInTheOrderOfTheirLines) {
  const std::vector<PlacementCase> cases = {
      {"room for all: nobody moves", {{0, 200, 100}, {300, 200, 400}, {1000, 200, 1100}}, -kInf, kInf,
       {0, 300, 1000}},
      {"two 100 apart: each moves half the overlap", {{0, 200, 100}, {100, 200, 200}}, -kInf, kInf, {-50, 150}},
      {"given bottom first: the order is the lines'", {{100, 200, 200}, {0, 200, 100}}, -kInf, kInf, {150, -50}},
      {"a line's order wins over the wanted tops (a label standing on its line)",
       {{0, 200, 100}, {-150, 200, 50}}, -kInf, kInf, {25, -175}},
      {"unequal heights: the pair moves by the overlap, split evenly", {{0, 100, 50}, {50, 300, 200}}, -kInf, kInf,
       {-25, 75}},
      {"pressed against the room's top: they go down instead", {{0, 200, 100}, {100, 200, 200}}, 0, kInf, {0, 200}},
      {"pressed against the room's bottom: they go up", {{700, 200, 800}, {800, 200, 900}}, -kInf, 1000, {600, 800}},
      {"a label already out of the room stays where it wants to be", {{-120, 200, -20}}, 0, 5400, {-120}},
      {"no room for both: they spread past it rather than overlap", {{0, 200, 100}, {100, 200, 200}}, 0, 300,
       {-50, 150}},
      {"a label with no finite place is left alone, the others placed without it",
       {{0, 200, 100}, {std::nan(""), 200, std::nan("")}, {100, 200, 200}}, -kInf, kInf, {-50, std::nan(""), 150}},
      {"a crowd of three beside a label with room", {{0, 200, 100}, {50, 200, 150}, {100, 200, 200}, {900, 200, 1000}},
       -kInf, kInf, {-150, 50, 250, 900}},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<double> tops = plots::PlaceColumnLabels(c.slots, c.lo, c.hi);
    ASSERT_EQ(tops.size(), c.tops.size());
    for (std::size_t i = 0; i < tops.size(); ++i) {
      if (std::isnan(c.tops[i]))
        EXPECT_TRUE(std::isnan(tops[i])) << "label " << i;
      else
        EXPECT_NEAR(tops[i], c.tops[i], 1e-9) << "label " << i;
    }
  }
  EXPECT_TRUE(plots::PlaceColumnLabels({}, 0, 100).empty());
}

namespace {

// Right side layer bottoms at 9.6, 9.2, 8.8, 8.4 and 8.0 and the right water at 9.0 under
// a wall top of 12: the sketch runs from 12 down to 1, 450 twips a foot, so the six
// labels (200 twips high on the recording canvas) need 1200 twips where their lines span
// 720.
void crowdedSketchData() {
  WallTopElev = 12;
  NumSurfacePoints(1) = NumSurfacePoints(2) = 1;
  SurfaceElev(1, 1) = 12;
  SurfaceElev(2, 1) = 6;
  NumSoilLayers(1) = 6;
  const double bottoms[] = {9.6, 9.2, 8.8, 8.4, 8.0, -200000};
  for (int i = 1; i <= 6; ++i) LayerBottomElev(1, i) = bottoms[i - 1];
  NumSoilLayers(2) = 1;
  WaterDataType = "E";
  WaterElev(1) = 9.0;
  WaterElev(2) = 6;
}

}  // namespace

class CrowdedElevations : public PlotTest {};

TEST_F(CrowdedElevations, SketchLabelsStandApartInTheOrderOfTheirLinesAsNearThemAsTheyFit) {
  crowdedSketchData();
  const auto y = [](double e) { return 5400 * (1 - (e - 1) / 12); };
  const std::vector<double> crowd = {9.6, 9.2, 9.0, 8.8, 8.4, 8.0};
  // None of them has room, so they stand as one block of six: stacked 200 apart, the
  // block's moves adding up to nothing (least squares), that is its first top is the
  // mean of (wanted top - 200 k).
  double sum = 0;
  for (std::size_t k = 0; k < crowd.size(); ++k) sum += y(crowd[k]) - 100 - 200.0 * static_cast<double>(k);
  const double first = sum / static_cast<double>(crowd.size());
  for (bool paper : {false, true}) {
    SCOPED_TRACE(paper ? "paper" : "screen");
    RecordingCanvas c;
    plots::DrawSystemSketch(c, paper);
    const double dy = paper ? 4320 : 0;
    const std::vector<CanvasOp> texts = c.all(CanvasOp::Kind::Text);
    std::map<std::string, const CanvasOp*> label;
    for (const CanvasOp& op : texts) {
      EXPECT_EQ(label.count(op.text), 0u) << op.text << " written twice";
      label[op.text] = &op;
    }
    for (std::size_t k = 0; k < crowd.size(); ++k) {
      const std::string text = "EL= " + platform::text::Format(crowd[k], "###0.0");
      ASSERT_EQ(label.count(text), 1u) << text;
      EXPECT_NEAR(label[text]->y1, first + 200.0 * static_cast<double>(k) + dy, 1e-6) << text;
      // Beside its own line: no further from it than the crowd makes necessary.
      EXPECT_LT(std::abs(label[text]->y1 + 100 - dy - y(crowd[k])), 200) << text;
    }
    // The labels with room keep their places: the top, and the left ground and water.
    EXPECT_NEAR(label["EL= 12.0"]->y1, y(12) - 100 + dy, 1e-9);
    EXPECT_NEAR(label["EL= 6.0"]->y1, y(6) - 100 + dy, 1e-9);
    // No two labels of the column overlap.
    std::vector<double> tops;
    for (const auto& [text, op] : label) tops.push_back(op->y1);
    std::sort(tops.begin(), tops.end());
    for (std::size_t i = 1; i < tops.size(); ++i) EXPECT_GE(tops[i] - tops[i - 1], 200 - 1e-9);
  }
}
