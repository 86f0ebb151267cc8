// What the plot windows share: the window's font, the two heading labels, the Done and
// Print buttons, picture boxes that paint a plot through the Canvas, the picture placed
// for a plot (the window's inner width, 0.76 of its outer height, centred in it), and
// the printing of one plot on one page.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>
#include <functional>
#include <string_view>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

namespace plots {

// The look every plot window has: "MS Sans Serif" 8.25 bold, a light grey client.
void UsePlotWindowLook(platform::Form& f);

class PlotForm : public platform::Form {
 public:
  // labelTop: the tops of Label1(0) and Label1(1) in twips.
  PlotForm(const QString& name, std::string_view caption, double labelTop0, double labelTop1);

  platform::PictureBox* picture(int n) const;  // 1-based; nullptr when there is none
  QLabel* Label1(int i) const { return label1_[static_cast<std::size_t>(i)]; }
  QPushButton* cmdDone = nullptr;
  QPushButton* cmdPrint = nullptr;

 protected:
  // Adds Picture<n> (hidden), painted by `paint` on the screen.
  platform::PictureBox* addPlotPicture(int n, std::function<void(platform::Canvas&)> paint);
  // Label1(i - 1) takes heading line i, for the first two lines the problem has.
  void fillHeadingLabels();
  void setPlotControlsVisible(bool on);  // both labels and both buttons
  // Sizes and places a picture for its plot and shows it.
  void placePicture(platform::PictureBox* p);
  // Prints one page: the page's frame and headings, then `draw` on it; the buttons are
  // hidden and the hourglass shown while it prints, and both come back on every path.
  void printPage(std::string_view document, const std::function<void(platform::Canvas&)>& draw);

 private:
  std::array<QLabel*, 2> label1_{};
  std::vector<platform::PictureBox*> pictures_;
};

}  // namespace plots
