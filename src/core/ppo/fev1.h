#pragma once
// The JRS2014 reference for FEV1: the LMS curves of the same paper as the VC
// ones, read from the same age table, at one patient.

#include <optional>

#include "core/vc/equations.h"

namespace tollandra {

// The curves at one patient, or the ranges the patient lies outside: the age
// range, the height range or both, so that both can be named.
struct Fev1Reference {
  Jrs2014Curves curves;  // curves.inRange only within both ranges; median in mL
  std::optional<Range> ageLeft;
  std::optional<Range> heightLeft;
};

// The age is taken as entered (decimals included) for the logarithms and
// the ranges, and the table is read at the whole age.
Fev1Reference jrs2014Fev1(const Jrs2014Grid& grid, Sex sex, double age, double height);

// The FEV1 S-spline term of the whole age for that sex; NaN outside the
// table.
double jrs2014Fev1SSpline(Sex sex, double age);

}  // namespace tollandra
