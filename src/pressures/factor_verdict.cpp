#include "pressures/factor_verdict.h"

#include "model/problem_data.h"

namespace {
FactorVerdict noted = FactorVerdict::None;
}  // namespace

void NoteFactorVerdict(FactorVerdict verdict) {
  if (AbortRun == 0) noted = verdict;
}

FactorVerdict TakeFactorVerdict() {
  const FactorVerdict v = noted;
  noted = FactorVerdict::None;
  return v;
}
