// The clock: the time of day for the report banner, and waits that keep the windows
// painted but take no input (the splash wait).
#pragma once

#include "platform/services.h"

namespace platform {

class QtClock : public Clock {
 public:
  std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
  void waitSeconds(double seconds) override;
};

}  // namespace platform
