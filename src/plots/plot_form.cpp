#include "plots/plot_form.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/problem_data.h"
#include "platform/qt/latin1.h"
#include "plots/plot_pen.h"

namespace plots {

void UsePlotWindowLook(platform::Form& f) {
  QFont font("MS Sans Serif");
  font.setPointSizeF(8.25);
  font.setBold(true);
  f.setFont(font);
  QPalette pal = f.client()->palette();
  pal.setColor(QPalette::Window, QColor(224, 224, 224));
  f.client()->setPalette(pal);
  f.client()->setAutoFillBackground(true);
}

QSize LeastPlotClient(const platform::Form& f) {
  using platform::Form;
  const double around = f.Height() - f.ScaleHeight();  // the frame and the menu bar
  const double outer = std::max(kPlotDepth / 0.76, (kPlotDepth + around) / 0.88);
  int width = Form::pixelsX(kPlotLayoutWidth);
  int height = static_cast<int>(std::ceil((outer - around) / Form::twipsY(1) - 1e-9));
  for (QWidget* w : f.client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<platform::PictureBox*>(w)) continue;  // placed for its plot when shown
    width = std::max(width, w->geometry().right() + 1);
    height = std::max(height, w->geometry().bottom() + 1);
  }
  return {width, height};
}

PlotForm::PlotForm(const QString& name, std::string_view caption, double labelTop0, double labelTop1)
    : platform::Form(name) {
  setCaption(caption);
  UsePlotWindowLook(*this);
  label1_[0] = addLabel("Label1(0)", "", 300, labelTop0, 8235, 195);
  label1_[1] = addLabel("Label1(1)", "", 300, labelTop1, 8235, 195);
  for (QLabel* l : label1_) {
    l->setWordWrap(false);
    l->hide();
  }
  cmdDone = addButton("cmdDone", "&Done", 8565, 90, 855, 375);
  cmdPrint = addButton("cmdPrint", "&Print", 8565, 480, 855, 375);
  cmdDone->hide();
  cmdPrint->hide();
}

platform::PictureBox* PlotForm::picture(int n) const {
  if (n < 1 || n > static_cast<int>(pictures_.size())) return nullptr;
  return pictures_[static_cast<std::size_t>(n - 1)];
}

platform::PictureBox* PlotForm::addPlotPicture(int n, std::function<void(platform::Canvas&)> paint) {
  platform::PictureBox* p = addPicture(QString("Picture%1").arg(n), 0, 0, 0, 0);
  p->state().fontName = "MS Sans Serif";
  p->state().fontSize = 8.25;
  p->state().bold = true;
  p->setPaint(std::move(paint));
  p->hide();
  p->lower();  // the buttons and labels stay on top of a picture that reaches them
  if (static_cast<int>(pictures_.size()) < n) pictures_.resize(static_cast<std::size_t>(n), nullptr);
  pictures_[static_cast<std::size_t>(n - 1)] = p;
  return p;
}

void PlotForm::fillHeadingLabels() {
  for (int i = 1; i <= std::min(NumHeadingLines, 2); ++i)
    label1_[static_cast<std::size_t>(i - 1)]->setText(platform::fromText(HeadingLines(i)));
}

void PlotForm::setPlotControlsVisible(bool on) {
  for (QLabel* l : label1_) l->setVisible(on);
  cmdDone->setVisible(on);
  cmdPrint->setVisible(on);
}

void PlotForm::placePicture(platform::PictureBox* p) {
  const double height = 0.76 * Height();
  place(p, 0, 0, ScaleWidth(), height);
  const double readBack = p->ScaleHeight();
  place(p, 0, (Height() - readBack) / 2, ScaleWidth(), readBack);
  p->show();
  p->update();
}

void PlotForm::printPage(std::string_view document, const std::function<void(platform::Canvas&)>& draw) {
  platform::PrintingGuard guard({cmdDone, cmdPrint});
  platform::PrinterFactory* printers = platform::services().printers;
  if (!printers) return;
  std::unique_ptr<platform::Printer> job = printers->open(document);
  if (!job) return;  // the user has been told
  platform::Canvas& page = job->page();
  DrawPlotPage(page);
  draw(page);
  job->endDoc();  // a failure is reported there
}

}  // namespace plots
