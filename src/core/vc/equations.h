#pragma once
// The three reference equations for the predicted vital capacity and the
// JRS2014 age table they read. Pure functions of their arguments and the
// table: no user interface, no state of their own.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tollandra {

// Numbered from 1 in the order the result boxes show them.
enum class ReferenceEquation { Baldwin = 1, JRS2001, JRS2014 };
inline constexpr ReferenceEquation allEquations[] = {ReferenceEquation::Baldwin, ReferenceEquation::JRS2001,
                                                     ReferenceEquation::JRS2014};
enum class Sex { Male, Female };

// "Baldwin", "JRS2001", "JRS2014": the names shown next to each result.
std::string_view equationName(ReferenceEquation equation);

// The JRS2014 age-dependent spline terms (× 10000), one row per whole age in
// years. Cells hold the values as text and are converted whenever they are
// used; cell 0 stays empty, cells 1 to 6 hold the six values of the row.
// Cell 5 is read for men and cell 6 for women.
struct Jrs2014Grid {
  static constexpr std::size_t rowCount = 96;
  static constexpr std::size_t cellCount = 7;
  std::array<std::array<std::string, cellCount>, rowCount> rows;
};

// Stores one row text into the grid row named by its first field. A text
// without any ";" carries no values and is ignored, and so is an index that
// is not a whole age from 0 to 95: nothing is ever written outside the grid.
void parseJrs2014Row(std::string_view rowText, Jrs2014Grid& grid);

// A grid filled from the built-in row texts "age;value 1;...;value 6" of
// the ages 17 to 95.
Jrs2014Grid loadJrs2014Grid();

// That grid, loaded on first use and never changed after: what the %VC and
// the FEV1 reference read.
const Jrs2014Grid& builtInJrs2014Grid();

// A range an equation holds for, bounds inclusive: years of age or cm of
// height.
struct Range {
  enum class Of : std::uint8_t { Age, Height };
  Of of = Of::Age;
  double lower = 0;
  double upper = 0;
  bool operator==(const Range&) const = default;
};

// "17-90 歳", "104-210 cm".
std::string rangeText(const Range& range);

// Whether x lies in the range, bounds inclusive; NaN never does.
bool within(double x, const Range& range);

// The term of the whole age in a table of terms, one a year from 17 (the
// supplement's S-splines); NaN outside the table.
double termOfWholeAge(std::span<const double> terms, double age);

struct Prediction {
  bool inRange = false;
  double ml = 0;    // unrounded; meaningful only when inRange
  Range left = {};  // the range the patient lies outside; meaningful only when not inRange
  std::optional<Range> alsoLeft = std::nullopt;  // the height's, when the age is outside as well
};

// The predicted VC in mL, or the age range when the age is outside the
// equation's range (NaN included), else the height range when the height
// is; the height range as well when both are. Ages may carry decimals; the
// table is read at the whole age.
Prediction predictVc(const Jrs2014Grid& grid, ReferenceEquation equation, Sex sex, double age, double height);

// The JRS2014 curves of the LMS method at one patient: the median M (the
// predicted VC), the coefficient of variation S and the skewness L. Nothing
// is in range where the equation gives no prediction.
struct Jrs2014Curves {
  bool inRange = false;
  double median = 0;  // mL, unrounded
  double variation = 0;
  double skewness = 0;
};

Jrs2014Curves jrs2014Curves(const Jrs2014Grid& grid, Sex sex, double age, double height);

// The S-spline term of the whole age for that sex; NaN outside the table.
double jrs2014SSpline(Sex sex, double age);

}  // namespace tollandra
