// The mouse pointer on the application's override cursor: 11 hourglass, 0 default.
#pragma once

#include "platform/services.h"

namespace platform {

class QtPointer : public Pointer {
 public:
  void set(int code) override;
  int current() const { return code_; }

 private:
  int code_ = 0;
};

}  // namespace platform
