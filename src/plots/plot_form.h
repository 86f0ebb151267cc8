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

// How deep a picture must be to hold the plots of every plot window, in twips. The input
// sketch draws down to 5400 below the picture's top, and the labels of a result plot's
// lowest line reach about as far; the 5472 of a window 7200 twips high (0.76 of it) holds
// them with the width of their pens.
inline constexpr double kPlotDepth = 5472;
// The width the plot windows are laid out in, in twips: the main window's designed
// client, against whose right edge the Done and Print buttons stand (to 9420).
inline constexpr double kPlotLayoutWidth = 9450;

// The least client of a plot window, in pixels, that shows its whole plot and its
// buttons. The picture is 0.76 of the outer height with its top 0.12 of it below the
// client's top: it must be as deep as the plots, and the plot must end inside the
// client, whose height is the outer height less the frame and the menu bar. The client
// holds every control of the window as well.
QSize LeastPlotClient(const platform::Form& f);

class PlotForm : public platform::Form {
 public:
  // labelTop: the tops of Label1(0) and Label1(1) in twips.
  PlotForm(const QString& name, std::string_view caption, double labelTop0, double labelTop1);

  platform::PictureBox* picture(int n) const;  // 1-based; nullptr when there is none
  QSize leastClientSize() const override { return LeastPlotClient(*this); }
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
