#include "vc/results.h"

#include <cmath>
#include <string_view>

#include "text/convert.h"

namespace tollandra {
namespace {

// Binary doubles miss decimal halves by an ulp or so; far smaller than any
// difference a rounding to mL or to 0.1 % could show.
constexpr double halfTolerance = 1e-9;

constexpr double redLimitPercent = 80;

std::string lastCharacters(const std::string& text, std::size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

EquationResult resultOf(const Jrs2014Grid& grid, ReferenceEquation equation, Sex sex, double age,
                        double height, double vc) {
  const Prediction prediction = predictVc(grid, equation, sex, age, height);
  const std::string name(equationName(equation));
  EquationResult result;
  if (!prediction.inRange) {
    result.predictedText = std::string(prediction.rangeText) + " : " + name;
    return result;
  }
  result.predictedMl = roundHalfUp(prediction.ml, 0);
  result.predictedText = NumberToText(result.predictedMl) + " : " + name;
  result.percentVc = roundHalfUp((vc * 100) / result.predictedMl, 1);
  result.percentText = formatFixed(result.percentVc, 1);
  return result;
}

}  // namespace

double roundHalfUp(double x, int n) {
  const double scale = n == 0 ? 1 : std::pow(10.0, n);
  const double y = x * scale;
  double f = std::floor(y);
  if (y - f >= 0.5 - halfTolerance) {
    f += 1;
  }
  return f / scale;
}

std::string formatFixed(double x, int d) {
  std::string s = NumberToText(roundHalfUp(x, 1));
  s += s.find('.') == std::string::npos ? ".0000" : "0000";
  const std::size_t point = s.find('.');
  return d <= 0 ? s.substr(0, point) : s.substr(0, point + 1 + static_cast<std::size_t>(d));
}

const EquationResult& References::of(ReferenceEquation equation) const {
  switch (equation) {
    case ReferenceEquation::JRS2001:
      return jrs2001;
    case ReferenceEquation::JRS2014:
      return jrs2014;
    case ReferenceEquation::Baldwin:
      break;
  }
  return baldwin;
}

References computeReferences(const Jrs2014Grid& grid, Sex sex, double age, double height, double vc) {
  References references;
  references.jrs2014 = resultOf(grid, ReferenceEquation::JRS2014, sex, age, height, vc);
  references.jrs2001 = resultOf(grid, ReferenceEquation::JRS2001, sex, age, height, vc);
  references.baldwin = resultOf(grid, ReferenceEquation::Baldwin, sex, age, height, vc);
  return references;
}

CellView resultView(const EquationResult& result) {
  CellView view{true, white, {}};
  const bool hasPercent = result.percentVc != 0;
  if (hasPercent) {
    const Rgb color = result.percentVc <= redLimitPercent ? red : blue;
    view.runs.push_back({lastCharacters("   " + result.percentText, 7) + " %", 0, 3, color, white});
  }
  view.runs.push_back(
      {lastCharacters("      " + result.predictedText, 20), hasPercent ? 70 : 60, 3, black, white});
  return view;
}

}  // namespace tollandra
