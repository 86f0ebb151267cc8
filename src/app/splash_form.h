// splash_form: the splash at start-up, the acknowledgement of the disclaimer, and the
// About box of every window's Help menu.
#pragma once

#include <QLabel>
#include <array>

#include "platform/qt/controls.h"
#include "platform/qt/form.h"

class QPushButton;

// 0 while the acknowledgement waits, 1 Accept (or OK of the About box), -1 Decline.
inline int DisclaimerAnswer = 0;

class splash_form : public platform::Form {
  Q_OBJECT
 public:
  enum class Mode { Splash, About };
  explicit splash_form(Mode mode);

  void Form_Load() override;
  void Form_KeyDown(int& KeyCode, int Shift) override;
  void onCloseRequest() override;
  void okbutton_Click(int Index);
  void Panel3D1_MouseDown();
  // Lays the shown splash out as the acknowledgement.
  void ShowDisclaimer();
  bool acknowledging() const { return acknowledging_; }

  static const char* const kDisclaimerHead;
  static const char* const kDisclaimer1;
  static const char* const kDisclaimer2;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void declineTakesEnterWhenFocused();
  Mode mode_;
  bool acknowledging_ = false;
  platform::Panel* Panel3D1 = nullptr;
  platform::PictureBox* Picture1 = nullptr;
  std::array<QLabel*, 10> Label{};  // Label1..Label9 at [1]..[9]
  std::array<platform::PictureBox*, 4> Image{};  // Image1..Image3 at [1]..[3]
  platform::Panel* okpanel = nullptr;
  std::array<QPushButton*, 2> okbutton{};
};

// The About box: the splash shown modal with its OK button.
void ShowAboutSplash();
