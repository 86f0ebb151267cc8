#include "entry/pile_sections_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/entry_common.h"
#include "entry/window_font.h"
#include "entry/pile_sections.h"
#include "model/problem_data.h"
#include "platform/qt/controls.h"
#include "platform/qt/latin1.h"
#include "platform/text.h"
#include "wall/wall_data.h"

namespace {

constexpr int kDefaultRows = 8;
constexpr int kAddedRows = 5;
// The columns of both tables: left edge and width, in twips inside their frame.
constexpr double kColumnLeft[5] = {240, 1920, 3600, 5280, 6960};
constexpr double kColumnWidth = 1560;
const char* const kTableColumns[5] = {"lblName", "lblSectMod", "lblInertia", "lblAllow", "lblEMod"};
const char* const kBoxColumns[5] = {"txtName", "txtSectMod", "txtInertia", "txtAllow", "txtEMod"};

QString Number(double v) { return platform::fromLatin1(platform::text::NumberToText(v)); }

}  // namespace

ROWEPILE::ROWEPILE() : platform::Form("ROWEPILE") {
  setCaption("SHEET PILE DATA FOR ROWE'S MOMENT REDUCTION");
  setClientSize(9450, 6525);
  entry::UseDesignedFont(this);
  addHelpMenu();
  Label2 = addLabel("Label2", "", 240, 90, 8880, 255);
  Label2->setAlignment(Qt::AlignCenter);

  frmDefAllE = addFrame("frmDefAllE", "", 1920, 360, 4560, 840);
  addLabel("Label8", "Allowable Stress (PSI)", 240, 150, 1920, 255, frmDefAllE);
  txtDefAllow = addTextBox("txtDefAllow", 240, 420, 1800, 300, frmDefAllE);
  addLabel("Label7", "Modulus of Elasticity (PSI)", 2400, 150, 2040, 255, frmDefAllE);
  txtDefEMod = addTextBox("txtDefEMod", 2400, 420, 1800, 300, frmDefAllE);
  cmdDefAccept = addButton("cmdDefAccept", "&Accept", 6720, 600, 975, 375);

  const char* const defHeadings[5] = {"Pile Name", "Section Modulus (IN^3)", "Moment of Inertia (IN^4)",
                                      "Allowable Stress (PSI)", "Modulus of Elasticity (PSI)"};
  const char* const defNames[5] = {"Label6", "Label11", "Label12", "Label13", "Label14"};
  frmDefData = addFrame("frmDefData", "Default Sheet Pile Data", 240, 1260, 8880, 2520);
  for (int c = 0; c < 5; ++c) {
    QLabel* h = addLabel(defNames[c], defHeadings[c], kColumnLeft[c], 180, kColumnWidth, 450, frmDefData);
    h->setWordWrap(true);
    h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    for (int k = 0; k < kDefaultRows; ++k) {
      QLabel* l = addLabelElement(kTableColumns[c], k, "", kColumnLeft[c], 660 + k * 225, kColumnWidth, 225, frmDefData);
      l->setAlignment(Qt::AlignCenter);
    }
  }

  const char* const addNames[5] = {"Label9", "Label10", "Label3", "Label4", "Label5"};
  frmAddData = addFrame("frmAddData", "Additional Sheet Pile Data", 240, 3840, 8880, 2145);
  for (int c = 0; c < 5; ++c) {
    QLabel* h = addLabel(addNames[c], defHeadings[c], kColumnLeft[c], 180, kColumnWidth, 450, frmAddData);
    h->setWordWrap(true);
    h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  }
  // Built row by row, so that Tab runs across a row (name, then each value) and then on
  // to the next row.
  for (int j = 0; j < kAddedRows; ++j)
    for (int c = 0; c < 5; ++c)
      addTextBoxElement(kBoxColumns[c], j, kColumnLeft[c] + 60, 660 + j * 285, kColumnWidth - 120, 270, frmAddData);
  cmdDone = addButton("cmdDone", "&Done", (9450 - 975) / 2, 6045, 975, 375);

  connect(txtDefAllow, &QLineEdit::textChanged, this, [this] { txtDefAllow_Change(); });
  connect(txtDefEMod, &QLineEdit::textChanged, this, [this] { txtDefEMod_Change(); });
  connect(cmdDefAccept, &QPushButton::clicked, this, [this] { cmdDefAccept_Click(); });
  connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
  // A close request does what the button of the stage shown does.
  setFinishedButtons({cmdDefAccept, cmdDone});
}

void ROWEPILE::Form_Load() {
  copyMainWindowGeometryAsFixedDialog();
  Label2->setText("Change allowable stress and modulus of eLLASTicity for default piles if desired.");
  platform::SetForeColor(Label2, entry::kRed);
  frmDefAllE->show();
  frmDefData->show();
  frmAddData->hide();
  ShowDefaultTable();
  cmdDefAccept->show();
  cmdDone->hide();
  for (const char* column : kBoxColumns) {
    const platform::TextBoxArray& boxes = textBoxArray(column);
    for (int j = 0; j < boxes.size(); ++j) boxes(j)->clear();
  }
  for (int n = kDefaultRows + 1; n <= NumPileSections && n <= kDefaultRows + kAddedRows; ++n) {
    const int j = n - kDefaultRows - 1;
    textBoxArray("txtName")(j)->setText(platform::fromLatin1(PileSectionName(n)));
    textBoxArray("txtSectMod")(j)->setText(Number(PileSectionProps(n, 1)));
    textBoxArray("txtInertia")(j)->setText(Number(PileSectionProps(n, 2)));
    textBoxArray("txtAllow")(j)->setText(Number(PileAllowStress(n)));
    textBoxArray("txtEMod")(j)->setText(Number(PileEModulus(n)));
  }
}

void ROWEPILE::ShowDefaultTable() {
  txtDefAllow->setText(entry::kDefaultAllowText);
  txtDefEMod->setText(entry::kDefaultEModText);
  for (int k = 1; k <= kDefaultRows; ++k) {
    labelArray("lblName")(k - 1)->setText(platform::fromLatin1(PileSectionName(k)));
    labelArray("lblSectMod")(k - 1)->setText(Number(PileSectionProps(k, 1)));
    labelArray("lblInertia")(k - 1)->setText(Number(PileSectionProps(k, 2)));
    labelArray("lblAllow")(k - 1)->setText(entry::kDefaultAllowText);
    labelArray("lblEMod")(k - 1)->setText(entry::kDefaultEModText);
  }
}

void ROWEPILE::txtDefAllow_Change() {
  const platform::LabelArray& labels = labelArray("lblAllow");
  for (int k = 0; k < labels.size(); ++k) labels(k)->setText(txtDefAllow->text());
}

void ROWEPILE::txtDefEMod_Change() {
  const platform::LabelArray& labels = labelArray("lblEMod");
  for (int k = 0; k < labels.size(); ++k) labels(k)->setText(txtDefEMod->text());
}

void ROWEPILE::cmdDefAccept_Click() {
  if (!entry::AcceptPileDefaults(platform::toLatin1(txtDefAllow->text()), platform::toLatin1(txtDefEMod->text()))) {
    Refused();
    return;
  }
  for (int k = 0; k < kDefaultRows; ++k) {
    labelArray("lblAllow")(k)->setText(platform::fromLatin1(platform::text::NumberToTextPlain(PileAllowStress(1))));
    labelArray("lblEMod")(k)->setText(platform::fromLatin1(platform::text::NumberToTextPlain(PileEModulus(1))));
  }
  frmDefAllE->hide();
  frmDefData->show();
  frmAddData->show();
  cmdDone->show();
  Label2->setText("Enter data for additional pile sections if desired.");
  platform::SetForeColor(Label2, entry::kRed);
  cmdDefAccept->hide();
  textBoxArray("txtName")(0)->setFocus();
}

void ROWEPILE::cmdDone_Click() {
  std::vector<entry::PileSectionTexts> rows;
  for (int j = 0; j < kAddedRows; ++j) {
    auto text = [&](const char* column) { return platform::toLatin1(textBoxArray(column)(j)->text()); };
    rows.push_back({text("txtName"), text("txtSectMod"), text("txtInertia"), text("txtAllow"), text("txtEMod")});
  }
  if (!entry::StoreAdditionalPileSections(rows)) {
    Refused();
    return;
  }
  unload();
}

void ROWEPILE::Refused() {
  if (entry::ReportInvalidPileData()) return;
  // Back to the defaults, shown and stored alike, in the stage the window is in.
  ShowDefaultTable();
  for (const char* column : kBoxColumns) {
    const platform::TextBoxArray& boxes = textBoxArray(column);
    for (int j = 0; j < boxes.size(); ++j) boxes(j)->clear();
  }
  entry::RestorePileDefaults();
}
