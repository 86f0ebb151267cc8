// Procedures over the problem data.
#pragma once

// Returns the problem, the working-file state and the run flags to their defaults and
// puts the main window's menus into the no-data state.
void ResetInputData();

// Comparisons as every module expects them: on equal values both return A; on a NaN
// operand MaxOf returns B and MinOf returns A.
double MaxOf(const double& A, const double& B);
double MinOf(const double& A, const double& B);
