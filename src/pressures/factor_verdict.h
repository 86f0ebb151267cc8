// What a failed computation says about the factor of safety it was made with. Most
// failures say nothing of it (soil weight, seepage, wedge geometry, input) and end an
// analysis; a few hold only at that factor and tell the factor-of-safety search which
// way the wall's factor lies.
#pragma once

enum class FactorVerdict {
  None,           // the failure does not depend on the factor
  NoWallNeeded,   // the soil stands without the wall here: the factor is higher
  NoTip,          // no embedment holds the wall here: the factor is lower
  NotComputable,  // the strengths so reduced are past what the method takes
};

// Noted where such a failure is found, before AbortRun is set: only the first failure
// of a computation counts, so a verdict is noted only while AbortRun is 0.
void NoteFactorVerdict(FactorVerdict verdict);
// The verdict noted since the last call, which clears it.
FactorVerdict TakeFactorVerdict();
