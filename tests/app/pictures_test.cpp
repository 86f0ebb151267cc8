#include <gtest/gtest.h>

#include "app/pictures.h"
#include "platform/recording_canvas.h"

using platform::CanvasOp;
using platform::Rgb;

TEST(SplashBanner, ColourBarRunsFromBlueToRedInFiftyBoxes) {
  platform::RecordingCanvas c;
  app::PaintSplashBanner(c, 15, 15, {});
  const auto boxes = c.all(CanvasOp::Kind::FilledBox);
  ASSERT_EQ(boxes.size(), 50u);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_DOUBLE_EQ(boxes[i].x1, 150 + 117.0 * static_cast<double>(i));
    EXPECT_DOUBLE_EQ(boxes[i].x2 - boxes[i].x1, 117);
    EXPECT_DOUBLE_EQ(boxes[i].y1, 1500);
    EXPECT_DOUBLE_EQ(boxes[i].y2, 1680);
  }
  EXPECT_EQ(boxes[0].color, (Rgb{0, 0, 255}));
  EXPECT_EQ(boxes[1].color, (Rgb{0, 0, 255}));
  EXPECT_EQ(boxes[13].color, (Rgb{0, 252, 255}));
  EXPECT_EQ(boxes[25].color, (Rgb{0, 252, 3}));
  EXPECT_EQ(boxes[37].color, (Rgb{252, 252, 3}));
  EXPECT_EQ(boxes[49].color, (Rgb{252, 0, 3}));
}

TEST(SplashBanner, BlockOneIsEmbossedByThreePassesOffsetInPixels) {
  platform::RecordingCanvas c;
  app::PaintSplashBanner(c, 15, 12, {{255, 255, 255}, {0, 0, 0}});
  const auto texts = c.all(CanvasOp::Kind::Text);
  // Passes at offsets 0, 2 and 1 pixels: the first line of each pass.
  std::vector<const CanvasOp*> first;
  for (const auto& t : texts) if (t.text == "QUELDAR") first.push_back(&t);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_DOUBLE_EQ(first[0]->x1, 1770);
  EXPECT_DOUBLE_EQ(first[0]->y1, 75);
  EXPECT_EQ(first[0]->color, (Rgb{255, 255, 255}));
  EXPECT_DOUBLE_EQ(first[1]->x1, 1770 + 30);
  EXPECT_DOUBLE_EQ(first[1]->y1, 75 + 24);
  EXPECT_EQ(first[1]->color, (Rgb{0, 0, 0}));
  EXPECT_DOUBLE_EQ(first[2]->x1, 1770 + 15);
  EXPECT_EQ(first[2]->color, (Rgb{170, 170, 170}));
}
