#include "flow/windows.h"

namespace flow {

Windows& windows() {
  static Windows slots;
  return slots;
}

}  // namespace flow
