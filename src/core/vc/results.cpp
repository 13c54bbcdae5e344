#include "core/vc/results.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "core/text/convert.h"

namespace tollandra {
namespace {

// Binary doubles miss decimal halves by an ulp or so; far smaller than any
// difference a rounding to mL or to 0.1 % could show.
constexpr double halfTolerance = 1e-9;

constexpr double redLimitPercent = 80;

// How many columns of the fixed-pitch font (7 px at 100 %) a result box holds
// from x 3 to its edge.
constexpr std::size_t outOfRangeColumns = 32;

// The 5th centile of a normal distribution.
constexpr double fifthCentileZ = 1.645;

// The start of the text that takes at most `columns` columns of the result
// boxes' fixed-pitch font, where a character beyond ASCII takes two; never
// cut inside a character.
std::string firstColumns(const std::string& text, std::size_t columns) {
  std::size_t used = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    used += lead < 0x80 ? 1 : 2;
    if (used > columns) {
      return text.substr(0, i);
    }
    i += length;
  }
  return text;
}

// The text after some blanks, cut to its last width characters.
std::string lastOfPadded(const std::string& text, std::size_t blanks, std::size_t width) {
  std::string field;
  field.reserve(blanks + text.size() + 2);  // room for the " %" a percentage gets
  field.append(blanks, ' ');
  field += text;
  if (field.size() > width) {
    field.erase(0, field.size() - width);
  }
  return field;
}

EquationResult resultOf(const Jrs2014Grid& grid, ReferenceEquation equation, Sex sex, double age,
                        double height, double vc) {
  const Prediction prediction = predictVc(grid, equation, sex, age, height);
  EquationResult result;
  if (prediction.inRange) {
    result.predictedMl = roundHalfUp(prediction.ml, 0);
    result.predictedText = NumberToText(result.predictedMl);
    result.percentVc = roundHalfUp((vc * 100) / result.predictedMl, 1);
    result.percentText = formatFixed(result.percentVc, 1);
  } else {
    // Both ranges would not fit the box with their figures; the record
    // gives them.
    result.predictedText =
        "範囲外 " + (prediction.alsoLeft ? std::string("年齢・身長") : rangeText(prediction.left));
    result.left = prediction.left;
    result.alsoLeft = prediction.alsoLeft;
  }
  result.predictedText.append(" : ").append(equationName(equation));
  return result;
}

}  // namespace

double roundHalfUp(double x, int n) {
  // Powers of ten up to 10^22 are exact doubles, so the table gives what pow
  // gives, without its cost on every result.
  static constexpr double powersOfTen[] = {1, 10, 100, 1000, 10000};
  const double scale = n >= 0 && n < 5 ? powersOfTen[n] : std::pow(10.0, n);
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
  references.jrs2014Limit = lowerLimit(jrs2014Curves(grid, sex, age, height), vc);
  return references;
}

CellView resultView(const EquationResult& result) {
  CellView view{true, white, {}};
  if (result.percentVc == 0) {
    view.runs.push_back({firstColumns(result.predictedText, outOfRangeColumns), 3, 3, black, white});
    return view;
  }
  view.runs.reserve(2);
  const Rgb color = result.percentVc <= redLimitPercent ? red : blue;
  view.runs.push_back({lastOfPadded(result.percentText, 3, 7) + " %", 0, 3, color, white});
  view.runs.push_back({lastOfPadded(result.predictedText, 6, 20), 70, 3, black, white});
  return view;
}

LowerLimit lowerLimit(const Jrs2014Curves& curves, double vc) {
  if (!curves.inRange) {
    return {};
  }
  const double m = curves.median;
  const double ls = curves.skewness * curves.variation;
  const double lln = m * std::pow(1 - fifthCentileZ * ls, 1 / curves.skewness);
  return LowerLimit{true, lln, (std::pow(vc / m, curves.skewness) - 1) / ls, vc < lln};
}

std::string formatZ(double z) {
  const long hundredths = std::lround(roundHalfUp(std::abs(z), 2) * 100);
  std::string text = z < 0 && hundredths != 0 ? "-" : "";
  text += std::to_string(hundredths / 100);
  text += hundredths % 100 < 10 ? ".0" : ".";
  text += std::to_string(hundredths % 100);
  return text;
}

std::string rangesLeftText(Sex sex, const Range& left, const std::optional<Range>& alsoLeft) {
  std::string text = (sex == Sex::Male ? "（男性 " : "（女性 ") + rangeText(left);
  if (alsoLeft) {
    text += "、" + rangeText(*alsoLeft);
  }
  return text + "）";
}

std::string resultRecord(ReferenceEquation equation, const EquationResult& result, Sex sex,
                         const LowerLimit& limit) {
  std::string line(equationName(equation));
  line += "：";
  if (result.predictedMl == 0) {
    return line + "範囲外" + rangesLeftText(sex, result.left, result.alsoLeft);
  }
  line += "%VC " + result.percentText + " %、予測 VC " + NumberToText(result.predictedMl) + " mL";
  if (limit.inRange) {
    line += "、LLN " + NumberToText(roundHalfUp(limit.llnMl, 0)) + " mL、z " + formatZ(limit.z);
    if (limit.below) {
      line += "、LLN 未満";
    }
  }
  return line;
}

CellView lowerLimitView(const LowerLimit& limit) {
  if (!limit.inRange) {
    return CellView{true, white, {{"JRS2014 LLN・z ：範囲外", 6, 3, black, white}}};
  }
  std::string text =
      "JRS2014 LLN " + NumberToText(roundHalfUp(limit.llnMl, 0)) + " mL  z " + formatZ(limit.z);
  if (limit.below) {
    text += "  LLN 未満";
  }
  return CellView{true, white, {{std::move(text), 6, 3, limit.below ? red : blue, white}}};
}

}  // namespace tollandra
