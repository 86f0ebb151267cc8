// Stands in for the wedge method until it is built: a side that needs it stops the
// solution with a clear message instead of computing anything. Delete this file in the
// change that defines the wedge procedures.
#include "platform/services.h"
#include "pressures/pressures.h"

void BuildWedgeGeometry(int) {}
void BuildSeepageZoneGeometry(int, int) {}

void ComputeWedgePressures(int Side, int Method) {
  WedgeNoSolution(Method, Side) = 0;
  AbortRun = 1;
  platform::MsgBox(std::string(Side == 1 ? "RIGHTSIDE" : "LEFTSIDE") +
                       " SOIL PRESSURES NEED THE WEDGE METHOD," + NewLine +
                       "     WHICH THIS VERSION DOES NOT PROVIDE." + NewLine + NewLine +
                       "UNABLE TO CONTINUE.",
                   0, "WEDGE METHOD NOT AVAILABLE");
}
