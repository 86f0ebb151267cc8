#include "app/viewers.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "flow/main_menus.h"
#include "model/problem_data.h"
#include "platform/file_copy.h"
#include "platform/files.h"
#include "platform/qt/latin1.h"
#include "flow/solve_flow.h"

namespace files = platform::files;

std::string InputViewerText(const std::string& bytes) {
  if (bytes.empty()) return {};
  return bytes.substr(0, bytes.size() - 1);
}

TextViewer::TextViewer(const QString& name, const QString& boxName) : platform::Form(name) {
  text_ = new QPlainTextEdit(client());
  text_->setObjectName(boxName);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font("Courier New", 10);
  font.setStyleHint(QFont::TypeWriter);
  text_->setFont(font);
  text_->viewport()->installEventFilter(this);
  addHelpMenu();
  auto* finished = new QAction("&Finished", this);
  finished->setObjectName("mnuFinished");
  menuBar()->insertAction(topMenu("mnuHelp")->menuAction(), finished);
  connect(finished, &QAction::triggered, this, [this] { mnuFinished_Click(); });
}

bool TextViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    platform::MsgBox("Changes made in this window are ignored.", 0);
  }
  return platform::Form::eventFilter(watched, event);
}

void TextViewer::resizeEvent(QResizeEvent* e) {
  platform::Form::resizeEvent(e);
  fitText();
}

void TextViewer::fitText() { place(text_, 0, 0, ScaleWidth(), ScaleHeight()); }

QSize TextViewer::leastClientSize() const {
  // A few lines of a report at a width that reads, beside and above the scroll bars; and
  // the whole menu bar, whose Finished item is the way out.
  const QFontMetrics fm(text_->font());
  const int around = 2 * text_->frameWidth() + 2 * static_cast<int>(std::ceil(text_->document()->documentMargin()));
  const int bar = text_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, text_);
  const int width = fm.horizontalAdvance(QString(kLeastViewerColumns, QChar('0'))) + around + bar;
  const int height = kLeastViewerLines * fm.lineSpacing() + around + bar;
  return {std::max(width, menuBar() ? menuBar()->sizeHint().width() : 0), height};
}

void TextViewer::setViewText(const std::string& latin1) {
  // Line ends are the file's CR LF; the box breaks lines at the LF alone. Each line is
  // read as the reader reads it: a heading kept in UTF-8 (an en dash) shows as written.
  QString shown;
  std::string line;
  for (std::size_t i = 0; i <= latin1.size(); ++i) {
    if (i < latin1.size() && latin1[i] != '\n') {
      if (latin1[i] != '\r') line.push_back(latin1[i]);
      continue;
    }
    shown += platform::fromText(line);
    if (i < latin1.size()) shown += '\n';
    line.clear();
  }
  text_->setPlainText(shown);
}

VUINECHO::VUINECHO() : TextViewer("VUINECHO", "txtINECHO") {}

void VUINECHO::Form_Load() {
  copyMainWindowGeometryWhole(Sizing::Resizable);
  fitText();
  files::CloseAll();  // the solve flow may have left the report open
  setWindowTitle(platform::fromPath(CurrentOutputFile));  // a name as the file system has it
  long long n = files::FileLen(CurrentOutputFile);
  if (n > kReportViewLimit) {
    platform::MsgBox("The current output file: " + CurrentOutputFile + NewLine +
                         "  is too long to display in its entirety." + NewLine +
                         "To see the entire file, save the file as a permanent" + NewLine +
                         "file and view it after after exiting QUELDAR.",
                     0);
    n = kReportViewLimit;
  }
  std::string bytes;
  files::ReadFileBytes(CurrentOutputFile, bytes, n < 0 ? 0 : n);
  setViewText(bytes);
}

VUINPTFL::VUINPTFL() : TextViewer("VUINPTFL", "txtINPTFILE") {}

void VUINPTFL::Form_Load() {
  copyMainWindowGeometryWhole(Sizing::Resizable);
  setWindowTitle(platform::fromPath(CurrentInputFile));
  fitText();
  files::Close(InFileNum);
  std::string bytes;
  files::ReadFileBytes(CurrentInputFile, bytes);
  setViewText(InputViewerText(bytes));
}

void VUINPTFL::mnuFinished_Click() {
  files::Close(InFileNum);
  unload();
}

WEDGMETH::WEDGMETH() : platform::Form("WEDGMETH") {
  setCaption("WEDGE METHOD?");
  panWedgMeth = new platform::Panel(client());
  panWedgMeth->setObjectName("panWedgMeth");
  panWedgMeth->setCaption("WEDGE METHOD REQUIRED FOR SOIL PRESSURES");
  panWedgMeth->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  place(panWedgMeth, 0, 0, kPanelWidth, kPanelHeight);
  auto* Panel3D3 = new platform::Panel(panWedgMeth);
  Panel3D3->setObjectName("Panel3D3");
  Panel3D3->setCaption("Select Desired Wedge Method");
  place(Panel3D3, 1545, 480, 4050, 525);
  QPushButton* sweep = addButton("cmdSweep", "&Sweep Search", 1560, 1200, 1575, 495, panWedgMeth);
  QPushButton* fixed = addButton("cmdFixed", "&Fixed Surface", 4020, 1200, 1575, 495, panWedgMeth);
  connect(sweep, &QPushButton::clicked, this, [this] { cmdSweep_Click(); });
  connect(fixed, &QPushButton::clicked, this, [this] { cmdFixed_Click(); });
  panWedgMeth->hide();
  addHelpMenu();
}

void WEDGMETH::Form_Load() {
  copyMainWindowGeometryWhole(Sizing::Resizable);
  centrePanel();
  panWedgMeth->show();
}

QSize WEDGMETH::leastClientSize() const {
  return {pixelsX(kPanelWidth + 2 * kPanelMargin), pixelsY(kPanelHeight + 2 * kPanelMargin)};
}

void WEDGMETH::centrePanel() {
  if (!panWedgMeth) return;
  place(panWedgMeth, (ScaleWidth() - kPanelWidth) / 2, (ScaleHeight() - kPanelHeight) / 2, kPanelWidth, kPanelHeight);
}

void WEDGMETH::resizeEvent(QResizeEvent* e) {
  platform::Form::resizeEvent(e);
  // The window can be resized, and the window manager resizes it again once it has framed
  // it: the panel stays in the middle, where the least size keeps both buttons in sight.
  centrePanel();
}

void WEDGMETH::showEvent(QShowEvent* e) {
  platform::Form::showEvent(e);
  // No default button: Enter chooses the method whose button has the focus.
  for (const char* name : {"cmdSweep", "cmdFixed"}) control<QPushButton>(name)->setAutoDefault(true);
}

void WEDGMETH::cmdFixed_Click() {
  ChooseWedgeMethod("F");
  unload();
}

void WEDGMETH::cmdSweep_Click() {
  ChooseWedgeMethod("S");
  unload();
}
