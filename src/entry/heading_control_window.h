// HEADCONT: the heading lines, the control data (wall type, design or analysis, factors of
// safety) and the wall data. The options store at the click; Finished checks the blanks
// first, then the values, and sets HeadContDone when everything passed.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

class HEADCONT : public platform::Form {
  Q_OBJECT
 public:
  HEADCONT();
  void Form_Load() override;
  void optCantilever_Click();
  void optAnchored_Click();
  void optDesign_Click();
  void optAnalysis_Click();
  void optFSOption1_Click();
  void optFSOption2_Click();
  void cmdFinished_Click();

 private:
  bool finishedPass();
  // The answer to a message: false (Cancel) has closed the window.
  bool okToContinue(std::string_view title);
  void invalid();

  platform::Panel* panHeadCont = nullptr;
  QGroupBox *fraHeading = nullptr, *fraWallType = nullptr, *fraWallTop = nullptr, *fraMode = nullptr;
  QGroupBox *fraSafety = nullptr, *fraFSOption = nullptr, *fraAnchor = nullptr, *fraWallProps = nullptr;
  platform::TextBoxArray* txtHead = nullptr;
  platform::OptionButton *optCantilever = nullptr, *optAnchored = nullptr;
  platform::OptionButton *optDesign = nullptr, *optAnalysis = nullptr;
  platform::OptionButton *optFSOption1 = nullptr, *optFSOption2 = nullptr;
  QLineEdit *txtWallTop = nullptr, *txtFSA1 = nullptr, *txtFSP1 = nullptr, *txtFSAAnalysis = nullptr;
  QLineEdit *txtAnchorEl = nullptr, *txtWallBot = nullptr, *txtWallE = nullptr, *txtWallI = nullptr;
  QPushButton* cmdFinished = nullptr;
};
