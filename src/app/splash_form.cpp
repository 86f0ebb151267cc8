#include "app/splash_form.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>

#include "app/pictures.h"
#include "platform/qt/latin1.h"
#include "platform/qt/screen.h"

using platform::fromLatin1;

const char* const splash_form::kDisclaimerHead =
    "   TO USE THIS PROGRAM, YOU MUST ACKNOWLEDGE THE FOLLOWING DISCLAIMER:";
const char* const splash_form::kDisclaimer1 =
    "QUELDAR computes earth and water pressures, penetrations, bending moments, shears, "
    "deflections and anchor forces of sheet pile walls by the limit-equilibrium methods of "
    "classical earth pressure theory. Its results rest on the data entered and on the "
    "simplifications of these methods. Every result must be checked by a qualified "
    "engineer before it is used in the design or construction of a wall.";
const char* const splash_form::kDisclaimer2 =
    "QUELDAR is provided as it is, without warranty of any kind, express or implied, "
    "including fitness for a particular purpose. Whoever uses its results accepts full "
    "responsibility for that use.";

splash_form::splash_form(Mode mode) : platform::Form("splash_form"), mode_(mode) {
  setClientSize(8430, 4320);
  setCaption("QUELDAR");
  QWidget* c = client();
  Panel3D1 = new platform::Panel(c);
  Panel3D1->setObjectName("Panel3D1");
  Panel3D1->setBackColor({192, 192, 192});
  place(Panel3D1, 0, 0, 8430, 4320);
  connect(Panel3D1, &platform::Panel::mouseDown, this, [this](int, int, double, double) { Panel3D1_MouseDown(); });

  Picture1 = new platform::PictureBox(Panel3D1);
  Picture1->setObjectName("Picture1");
  Picture1->setBackColor({192, 192, 192});
  place(Picture1, 120, 120, 6135, 1815);
  Picture1->setPaint([](platform::Canvas& canvas) {
    const QPalette pal = QApplication::palette();
    app::BannerColours colours;
    const QColor bg = pal.color(QPalette::Window), fg = pal.color(QPalette::WindowText);
    colours.windowBackground = {static_cast<std::uint8_t>(bg.red()), static_cast<std::uint8_t>(bg.green()),
                                static_cast<std::uint8_t>(bg.blue())};
    colours.windowText = {static_cast<std::uint8_t>(fg.red()), static_cast<std::uint8_t>(fg.green()),
                          static_cast<std::uint8_t>(fg.blue())};
    app::PaintSplashBanner(canvas, platform::TwipsPerPixelX(), platform::TwipsPerPixelY(), colours);
  });

  struct LabelPlace { double left, top, width, height; };
  const LabelPlace places[10] = {{0, 0, 0, 0},
                                 {6400, 150, 1900, 300},    // Label1
                                 {6400, 450, 1900, 500},    // Label2
                                 {6400, 1000, 1900, 600},   // Label3
                                 {120, 2040, 6135, 300},    // Label4
                                 {120, 2370, 6135, 300},    // Label5
                                 {120, 2700, 6135, 300},    // Label6
                                 {120, 2750, 4300, 500},    // Label7
                                 {120, 3650, 4300, 300},    // Label8
                                 {120, 3300, 4300, 300}};   // Label9
  for (int i = 1; i <= 9; ++i) {
    auto* l = new QLabel(Panel3D1);
    l->setObjectName(QString("Label%1").arg(i));
    l->setWordWrap(true);
    place(l, places[i].left, places[i].top, places[i].width, places[i].height);
    Label[static_cast<std::size_t>(i)] = l;
  }
  for (int i = 1; i <= 3; ++i) {
    auto* p = new platform::PictureBox(Panel3D1);
    p->setObjectName(QString("Image%1").arg(i));
    p->setPaint([p](platform::Canvas& canvas) { app::DrawWallPicture(canvas, p->ScaleWidth(), p->ScaleHeight()); });
    Image[static_cast<std::size_t>(i)] = p;
  }
  place(Image[1], 6400, 1750, 1900, 1500);
  place(Image[2], 4560, 2040, 1700, 1300);
  place(Image[3], 120, 3700, 4300, 500);
  Image[2]->hide();
  Image[3]->hide();

  okpanel = new platform::Panel(Panel3D1);
  okpanel->setObjectName("okpanel");
  okpanel->setBackColor({192, 192, 192});
  place(okpanel, 4560, 3480, 1095, 495);
  okpanel->hide();
  okbutton[0] = addButton("okbutton0", "OK", 45, 45, 1005, 405, okpanel);
  okbutton[0]->hide();
  connect(okbutton[0], &QPushButton::clicked, this, [this] { okbutton_Click(0); });
}

void splash_form::Form_Load() {
  centreOnScreen();
  Label[4]->setText("Design/Analysis of Sheet-Pile Walls");
  Label[5]->setText("By Classical Methods");
  Label[8]->setText("Version 10-DECEMBER-2026");
  Label[6]->hide();
  Label[1]->setText("QUELDAR");
  Label[2]->setText("Sheet pile wall design");
  Label[3]->setText("Cantilever and anchored walls");
  Label[7]->setText("Results are to be checked by a qualified engineer.");
  Label[9]->setText("Provided without warranty of any kind.");
  if (mode_ == Mode::About) {
    okpanel->show();
    okbutton[0]->show();
    setDefaultButton(okbutton[0]);
  }
}

void splash_form::ShowDisclaimer() {
  DisclaimerAnswer = 0;
  acknowledging_ = true;
  const int w = Panel3D1->bevelWidth();
  const double insetX = twipsX(2 * w), insetY = twipsY(2 * w);
  okpanel->setParent(Panel3D1);
  place(okpanel, insetX, insetY, ScaleWidth() - 2 * insetX, ScaleHeight() - 2 * insetY);
  okpanel->setWordWrap(true);
  okpanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const std::string crlf2 = "\r\n\r\n";
  okpanel->setCaption(std::string(kDisclaimerHead) + crlf2 + kDisclaimer1 + crlf2 + kDisclaimer2 + crlf2);
  okpanel->show();
  okpanel->raise();
  const double buttonHeight = 405, buttonWidth = 1005;
  place(okbutton[0], 0.33 * ScaleWidth(), ScaleHeight() - 2 * buttonHeight, buttonWidth, buttonHeight);
  okbutton[0]->setText("&ACCEPT");
  okbutton[0]->show();
  setDefaultButton(okbutton[0]);
  okbutton[1] = addButton("okbutton1", "&DECLINE", 0.66 * ScaleWidth() - buttonWidth,
                          ScaleHeight() - 2 * buttonHeight, buttonWidth, buttonHeight, okpanel);
  connect(okbutton[1], &QPushButton::clicked, this, [this] { okbutton_Click(1); });
  okbutton[1]->show();
  setCancelButton(okbutton[1]);
  declineTakesEnterWhenFocused();
  okbutton[0]->setFocus();
}

void splash_form::showEvent(QShowEvent* e) {
  platform::Form::showEvent(e);
  declineTakesEnterWhenFocused();
}

// ACCEPT takes Enter unless DECLINE has the focus: Enter on a focused DECLINE declines.
void splash_form::declineTakesEnterWhenFocused() {
  if (okbutton[1]) okbutton[1]->setAutoDefault(true);
}

void splash_form::okbutton_Click(int Index) {
  DisclaimerAnswer = Index == 1 ? -1 : 1;
  unload();
}

void splash_form::Panel3D1_MouseDown() {
  // The acknowledgement needs an answer: a click beside the buttons is not one.
  if (acknowledging_) return;
  if (mode_ == Mode::About) unload();
}

void splash_form::Form_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode != 27) return;
  KeyCode = 0;
  if (acknowledging_) {
    okbutton_Click(1);
  } else if (mode_ == Mode::About) {
    unload();  // Esc closes the About box only
  }
}

void splash_form::onCloseRequest() {
  if (acknowledging_) {
    okbutton_Click(1);  // closing the acknowledgement is declining it
  } else if (mode_ == Mode::About) {
    unload();
  }
}

void ShowAboutSplash() { platform::ShowModal<splash_form>(splash_form::Mode::About); }
