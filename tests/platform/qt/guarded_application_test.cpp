#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "platform/script_doubles.h"

namespace {

// A handler that fails does not end the program: the failure is shown, and the next
// event is handled as usual.
TEST(GuardedApplication, AFailureEscapingAHandlerIsShownAndTheProgramGoesOn) {
  platform::ScopedServices services;
  services.boxes.expect("UNEXPECTED ERROR", platform::Answer::OK);
  QPushButton button("Fail");
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    if (++clicks == 1) throw std::runtime_error("results file is damaged");
  });
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  ASSERT_EQ(services.boxes.boxes().size(), 1u);
  EXPECT_NE(services.boxes.boxes()[0].text.find("results file is damaged"), std::string::npos);
  EXPECT_EQ(services.boxes.boxes()[0].buttons, 48);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(services.boxes.boxes().size(), 1u);
}

}  // namespace
