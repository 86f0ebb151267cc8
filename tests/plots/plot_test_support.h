// What the plot tests share: a fresh problem under scripted services, and look-ups in
// what a recording canvas was asked to draw.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/recording_canvas.h"
#include "platform/script_doubles.h"

inline constexpr platform::Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 127, 0},
    kBlue{0, 0, 255}, kGrey{200, 200, 200}, kBrown{150, 75, 0};

class PlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetInputData();
    WallType = "C";
    RunMode = "D";
    NumHeadingLines = 0;
  }
  platform::ScopedServices services;
};

inline std::vector<platform::CanvasOp> linesIn(const platform::RecordingCanvas& c, platform::Rgb colour) {
  std::vector<platform::CanvasOp> out;
  for (const platform::CanvasOp& op : c.all(platform::CanvasOp::Kind::Line))
    if (op.color == colour) out.push_back(op);
  return out;
}

// The first line from (x1, y1) to (x2, y2), to a tenth of a twip; nullptr when none.
inline const platform::CanvasOp* findLine(const platform::RecordingCanvas& c, double x1, double y1, double x2, double y2) {
  for (const platform::CanvasOp& op : c.ops)
    if (op.kind == platform::CanvasOp::Kind::Line && std::fabs(op.x1 - x1) < 0.1 && std::fabs(op.y1 - y1) < 0.1 &&
        std::fabs(op.x2 - x2) < 0.1 && std::fabs(op.y2 - y2) < 0.1)
      return &op;
  return nullptr;
}

inline int countText(const platform::RecordingCanvas& c, const std::string& text) {
  int n = 0;
  for (const platform::CanvasOp& op : c.all(platform::CanvasOp::Kind::Text)) n += op.text == text;
  return n;
}

// Every coordinate the canvas got is a number: no division by zero reached it.
inline void expectAllFinite(const platform::RecordingCanvas& c) {
  for (const platform::CanvasOp& op : c.ops)
    EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) && std::isfinite(op.y2))
        << "op with text '" << op.text << "'";
}

// Text widths and heights of the recording canvas: 100 twips a character, 200 high.
inline double halfWidth(const std::string& s) { return 50.0 * static_cast<double>(s.size()); }
