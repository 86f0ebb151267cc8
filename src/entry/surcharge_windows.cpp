#include "entry/surcharge_windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/entry_common.h"
#include "entry/window_font.h"
#include "entry/load_pictures.h"
#include "entry/surcharge_storage.h"
#include "model/problem_data.h"
#include "platform/qt/controls.h"
#include "platform/qt/latin1.h"

using entry::SurchargeBoxes;
using entry::SurchargeCount;

namespace {

int TypeCount(int type) { return SurchargeCount(type, 1) + SurchargeCount(type, 2); }

// ---- SURCHARG's frames as designed ----

struct Heading {
  const char* left;   // the label's name on the left side
  const char* right;  // and on the right side
  const char* caption;
  const char* rightCaption = nullptr;  // where the right side's differs
};

struct TypeDesign {
  const char* frame;
  const char* caption;
  double width, height;
  const char* sideFrame[2];       // right, left
  const char* sideCaption[2];
  const char* finished;
  const char* del[2];             // right, left
  const char* delCaption[2];
  const char* picture;
  Heading span;                   // over the distance columns (none: left == nullptr)
  int spanColumns;
  std::vector<Heading> columns;   // one per box of a row
};

const TypeDesign& Design(int type) {
  static const TypeDesign designs[6] = {
      {"fraVertLine", "Vertical Line Loads", 5310, 5415,
       {"fraLineLoadR", "fraLineLoadL"}, {"Rightside Line Loads", "Leftside Line Loads"},
       "cmdFinVertLine", {"cmdDelVertLineR", "cmdDelVertLineL"},
       {"Delete &Rightside Loads", "Delete &leftside Loads"}, "imgLineLoad", {}, 0,
       {{"Label9", "lblDLLR", "Distance from wall (FT)"}, {"Label10", "lblQLLR", "Line Load (PLF)"}}},
      {"fraUnifLoad", "Uniform Loads", 3495, 4185, {nullptr, nullptr}, {nullptr, nullptr},
       "cmdFinUnifLoad", {"cmdDelUnifLoad", "cmdDelUnifLoad"},
       {"&Delete Uniform Surcharges", "&Delete Uniform Surcharges"}, "imgUnif", {}, 0,
       {{"lblLeftside", "lblRightside", "Leftside", "Rightside"}}},
      {"fraStrips", "Strip Loads", 7305, 5895, {"fraStripR", "fraStripL"},
       {"Rightside Strip Loads", "Leftside Strip Loads"}, "cmdFinStrips",
       {"cmdDelStripR", "cmdDelStripL"}, {"Delete &Rightside Loads", "Delete &Leftside Loads"},
       "imgStrips", {"lblDistLt", "lblDistRt", "Distances From Wall (FT)"}, 2,
       {{"lblDS1L", "lblDS1R", "At Start"}, {"lblDS2L", "lblDS2R", "At End"},
        {"lblQSL", "lblQSR", "  Load   (PSF)"}}},
      {"fraRamps", "Ramp Loads", 7305, 4935, {"fraRampR", "fraRampL"},
       {"Rightside Ramp Load", "Leftside Ramp Load"}, "cmdFinRamps", {"cmdDelRampR", "cmdDelRampL"},
       {"Delete &Rightside Load", "Delete &Leftside Load"}, "imgRamps",
       {"Label1", "Label2", "Distances From Wall (FT)"}, 2,
       {{"lblDR1L", "lblDR1R", "Start Ramp"}, {"lblDR2L", "lblDR2R", "End Ramp", "At End"},
        {"lblQRL", "lblQRR", " Ramp Load  (PSF)"}}},
      {"fraTriangs", "Triangular Loads", 8745, 6375, {"fraTriangR", "fraTriangL"},
       {"Rightside Triangular Loads", "Leftside Triangular Loads"}, "cmdFinTriangs",
       {"cmdDelTriangR", "cmdDelTriangL"}, {"Delete &Rightside Loads", "Delete &Leftside Loads"},
       "imgTriangs", {"Label3", "Label4", "Distances From Wall (FT)"}, 3,
       {{"Label12", "lblDT1R", "At Start"}, {"Label13", "lblDT2R", "At Peak"},
        {"Label14", "lblDT3R", "At End"}, {"Label15", "lblQTR", "Peak Load (PSF)"}}},
      {"fraVertVar", "Variable Loads", 5790, 6342, {"fraVertVarR", "fraVertVarL"},
       {"Rightside Variable Loads", "Leftside Variable Loads"}, "cmdFinVertVar",
       {"cmdDelVarR", "cmdDelVarL"}, {"Delete &Rightside Loads", "Delete &Leftside Loads"},
       "imgVertVar", {}, 0,
       {{"Label7", "Label5", "Distance From Wall (FT)"},
        {"Label8", "Label6", "   Load    (PSF)", "   Load     (PSF)"}}},
  };
  return designs[type - 1];
}

constexpr double kButtonHeight = 375;

}  // namespace

// ---------------------------------------------------------------------------------------

SURCHCON::SURCHCON() : platform::Form("SURCHCON") {
  setCaption("SURCHARGE");
  setClientSize(9450, 6525);
  entry::UseDesignedFont(this);
  addHelpMenu();
  fraSurchSects = addFrame("fraSurchSects", "", 0, 0, 4935, 5895);
  panSurchHeading = addPanel("panSurchHeading", 120, 240, 4695, 555, fraSurchSects);
  panSurchHeading->setCaption("Select Data Section to be Entered");
  entry::AvailabilityNote(*this, "Label5", 360, 960, 4275, fraSurchSects);
  const struct {
    const char *panel, *button, *caption;
    double left, top;
  } rows[] = {{"panVertLine", "cmdVertLine", "Vertical &Line Loads", 1185, 1320},
              {"panUniform", "cmdUniform", "Vertical &Uniform Loads", 1200, 1980},
              {"panStrips", "cmdStrips", "Vertical &Strip Loads", 1200, 2640},
              {"panRamps", "cmdRamps", "Vertical &Ramp Loads", 1200, 3300},
              {"panTriangs", "cmdTriangs", "Vertical &Triangular Loads", 1200, 3960},
              {"panVertVar", "cmdVertVar", "Vertical &Variable Loads", 1200, 4620}};
  for (int type = 1; type <= 6; ++type) {
    const auto& r = rows[type - 1];
    panels[type] = addPanel(r.panel, r.left, r.top, 2595, 615, fraSurchSects);
    buttons[type] = addButton(r.button, r.caption, 60, 60, type == 3 ? 2495 : 2475, 495, panels[type]);
    connect(buttons[type], &QPushButton::clicked, this, [this, type] { ShowType(type); });
  }
  cmdFinished = addButton("cmdFinished", "&Finished", 1980, 5340, 975, 375, fraSurchSects);
  connect(cmdFinished, &QPushButton::clicked, this, [this] { cmdFinished_Click(); });
  setFinishedButtons({cmdFinished});
}

void SURCHCON::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  place(fraSurchSects, (Width() - 4935) / 2, 0, 4935, 5895);
  for (int type = 1; type <= 6; ++type) panels[type]->setBackColor(entry::kWhite);
  for (int type = 1; type <= 6; ++type) ShowTypeStatus(type);
}

void SURCHCON::ShowTypeStatus(int type) { entry::ShowStatus(panels[type], TypeCount(type) > 0); }

void SURCHCON::ShowType(int type) {
  ChoiceIndex = type;
  platform::ShowModal<SURCHARG>();
  ShowTypeStatus(type);
}

// ---------------------------------------------------------------------------------------

SURCHARG::SURCHARG() : platform::Form("SURCHARG") {
  setCaption("SURFACE SURCHARGES");
  setClientSize(9450, 6525);
  entry::UseDesignedFont(this);
  addHelpMenu();
  std::vector<QAbstractButton*> finished;
  for (int type = 1; type <= 6; ++type) {
    BuildType(type);
    finished.push_back(types[type].finished);
  }
  setFinishedButtons(finished);
}

void SURCHARG::BuildType(int type) {
  const TypeDesign& d = Design(type);
  const auto& layout = SurchargeBoxes(type);
  TypeControls& t = types[type];
  t.width = d.width;
  t.height = d.height;
  t.frame = addFrame(d.frame, d.caption, 0, 0, d.width, d.height);
  t.frame->hide();
  const int rows = layout.rows;
  const int cols = static_cast<int>(layout.side(1).size());
  // From the bottom up: Finished, the sides' boxes, their Delete buttons, the picture.
  // Eleven rows leave the picture little room: they are set closer, under shorter headings.
  const double rowStep = rows > 5 ? 270 : 330, boxHeight = rows > 5 ? 255 : 285;
  const double headingHeight = rows > 5 ? 700 : 840;
  const double finishedTop = d.height - kButtonHeight - 120;
  t.finished = addButton(d.finished, "&Finished", (d.width - 975) / 2, finishedTop, 975, kButtonHeight, t.frame);
  connect(t.finished, &QPushButton::clicked, this, [this, type] { Finished_Click(type); });

  if (type == entry::kUniformLoads) {
    const double boxTop = finishedTop - 180 - boxHeight;
    const double labelTop = boxTop - 300;
    const double headTop = labelTop - 270;
    const double colWidth = 1335, gap = 300, left = (d.width - 2 * colWidth - gap) / 2;
    QLabel* head = addLabel("Label11", "Uniform Surcharge (PSF)", 120, headTop, d.width - 240, 255, t.frame);
    head->setAlignment(Qt::AlignCenter);
    const Heading& h = d.columns[0];
    QLabel* l = addLabel(h.left, h.caption, left, labelTop, colWidth, 255, t.frame);
    QLabel* r = addLabel(h.right, h.rightCaption, left + colWidth + gap, labelTop, colWidth, 255, t.frame);
    l->setAlignment(Qt::AlignCenter);
    r->setAlignment(Qt::AlignCenter);
    QLineEdit* qul = addTextBox(layout.side(2)[0].c_str(), left, boxTop, colWidth, boxHeight, t.frame);
    QLineEdit* qur = addTextBox(layout.side(1)[0].c_str(), left + colWidth + gap, boxTop, colWidth, boxHeight, t.frame);
    t.boxes[0] = {{qur}};
    t.boxes[1] = {{qul}};
    const double delTop = headTop - 120 - kButtonHeight;
    QPushButton* del = addButton(d.del[0], d.delCaption[0], (d.width - 2535) / 2, delTop, 2535, kButtonHeight, t.frame);
    t.del[0] = t.del[1] = del;
    connect(del, &QPushButton::clicked, this, [this] { Delete_Click(entry::kUniformLoads, 1); });
    t.picture = addPicture(d.picture, 120, 270, d.width - 240, delTop - 120 - 270, t.frame);
  } else {
    const double sideHeight = headingHeight + rows * rowStep + 90;
    const double sideTop = finishedTop - 120 - sideHeight;
    const double sideWidth = (d.width - 360) / 2;
    const double delTop = sideTop - 60 - kButtonHeight;
    // The left side's part on the left, the right side's on the right.
    for (int s = 1; s <= 2; ++s) {
      const double sideLeft = s == 2 ? 120 : 240 + sideWidth;
      QGroupBox* f = addFrame(d.sideFrame[s - 1], d.sideCaption[s - 1], sideLeft, sideTop, sideWidth,
                              sideHeight, t.frame);
      t.sideFrame[s - 1] = f;
      const double gap = 90, inner = sideWidth - 240;
      const double colWidth = (inner - (cols - 1) * gap) / cols;
      auto colLeft = [&](int c) { return 120 + c * (colWidth + gap); };
      // Column headings; the distances of strips, ramps and triangles share one over them.
      const double headTop = 150, subTop = 390, headBottom = headingHeight - 30;
      if (d.spanColumns > 0) {
        QLabel* span = addLabel(s == 1 ? d.span.right : d.span.left, d.span.caption, colLeft(0), headTop,
                                colLeft(d.spanColumns - 1) + colWidth - colLeft(0), 240, f);
        span->setAlignment(Qt::AlignCenter);
      }
      for (int c = 0; c < cols; ++c) {
        const Heading& h = d.columns[static_cast<std::size_t>(c)];
        const double top = c < d.spanColumns ? subTop : headTop;
        const char* caption = s == 1 && h.rightCaption ? h.rightCaption : h.caption;
        QLabel* l = addLabel(s == 1 ? h.right : h.left, caption, colLeft(c), top, colWidth, headBottom - top, f);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        l->setWordWrap(true);
      }
      auto& grid = t.boxes[static_cast<std::size_t>(s - 1)];
      grid.assign(static_cast<std::size_t>(rows), std::vector<QLineEdit*>(static_cast<std::size_t>(cols)));
      for (int c = 0; c < cols; ++c) {
        const QString name = QString::fromStdString(layout.side(s)[static_cast<std::size_t>(c)]);
        for (int r = 0; r < rows; ++r) {
          const double top = headingHeight + r * rowStep;
          grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
              rows == 1 ? addTextBox(name, colLeft(c), top, colWidth, boxHeight, f)
                        : addTextBoxElement(name, r, colLeft(c), top, colWidth, boxHeight, f);
        }
      }
      QPushButton* del = addButton(d.del[s - 1], d.delCaption[s - 1], sideLeft + (sideWidth - 2295) / 2, delTop,
                                   2295, kButtonHeight, t.frame);
      t.del[s - 1] = del;
      connect(del, &QPushButton::clicked, this, [this, type, s] { Delete_Click(type, s); });
    }
    t.picture = addPicture(d.picture, 120, 270, d.width - 240, delTop - 90 - 270, t.frame);
  }
  t.picture->setBackColor({255, 255, 255});
  platform::PictureBox* pic = t.picture;
  pic->setPaint([pic, type](platform::Canvas& c) {
    entry::DrawSurchargePicture(c, type, pic->ScaleWidth(), pic->ScaleHeight());
  });
  // Any change of a box shows its side's Delete button and marks the input edited.
  for (int s = 1; s <= 2; ++s) {
    QPushButton* del = t.del[s - 1];
    for (const auto& row : t.boxes[static_cast<std::size_t>(s - 1)])
      for (QLineEdit* box : row)
        connect(box, &QLineEdit::textChanged, this, [del] {
          del->show();
          InputChanged = 1;
        });
  }
}

void SURCHARG::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  shown_ = ChoiceIndex >= 1 && ChoiceIndex <= 6 ? ChoiceIndex : 0;
  if (shown_ == 0) return;
  entry::KeepInputChanged keep;
  const int type = shown_;
  TypeControls& t = types[type];
  place(t.frame, (Width() - t.width) / 2, (ScaleHeight() - t.height) / 2, t.width, t.height);
  int tab = 0;
  for (int s = 1; s <= 2; ++s)
    for (const auto& row : t.boxes[static_cast<std::size_t>(s - 1)])
      for (QLineEdit* box : row) {
        setTabIndex(box, tab++);
        box->clear();
      }
  for (int s = 1; s <= 2; ++s) {
    t.del[s - 1]->hide();
    const bool holds = type == entry::kUniformLoads ? TypeCount(type) > 0 : SurchargeCount(type, s) > 0;
    if (holds) t.del[s - 1]->show();
    const int count = SurchargeCount(type, s);
    const auto& grid = t.boxes[static_cast<std::size_t>(s - 1)];
    for (int i = 1; i <= count && i <= static_cast<int>(grid.size()); ++i)
      for (std::size_t c = 0; c < grid[static_cast<std::size_t>(i - 1)].size(); ++c)
        entry::FillNumber(grid[static_cast<std::size_t>(i - 1)][c], entry::SurchargeValue(type, s, i, static_cast<int>(c)));
  }
  setTabIndex(t.finished, tab);
  for (int k = 1; k <= 6; ++k) types[k].frame->setVisible(k == type);
}

void SURCHARG::onCloseRequest() {
  // Without a frame there is nothing to finish.
  if (shown_ == 0) {
    unload();
    return;
  }
  Form::onCloseRequest();
}

void SURCHARG::Finished_Click(int type) {
  const TypeControls& t = types[type];
  entry::TableTexts texts[2];
  for (int s = 0; s < 2; ++s)
    for (const auto& row : t.boxes[static_cast<std::size_t>(s)]) {
      entry::RowTexts r;
      for (QLineEdit* box : row) r.push_back(platform::toLatin1(box->text()));
      texts[s].push_back(r);
    }
  if (entry::FinishSurcharges(type, texts[0], texts[1])) unload();
}

void SURCHARG::Delete_Click(int type, int side) {
  entry::DeleteSurchargeSide(type, side);
  TypeControls& t = types[type];
  for (int s = 1; s <= 2; ++s) {
    if (type != entry::kUniformLoads && s != side) continue;
    for (const auto& row : t.boxes[static_cast<std::size_t>(s - 1)])
      for (QLineEdit* box : row) box->clear();
  }
  t.del[side - 1]->hide();
}
