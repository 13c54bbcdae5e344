#include "core/ppo/results.h"

#include <string>
#include <string_view>
#include <utility>

#include "core/ppo/panel.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

// The guideline's borders, on the figures as shown.
constexpr double lowRiskAbove = 60;
constexpr double exerciseTestFrom = 30;

constexpr std::string_view askForBasis = "主画面で性別・年齢・身長を入力してください";
constexpr std::string_view stepPrefix = "ACCP 2013（呼吸機能）：";

CellView line(std::string text, Rgb color = black) {
  return CellView{true, white, {{std::move(text), 6, 3, color, white}}};
}

}  // namespace

std::string_view accpStepText(AccpStep step) {
  switch (step) {
    case AccpStep::LowRisk:
      return "低リスク（ppo%FEV1・ppo%DLco とも 60 % 超）";
    case AccpStep::ExerciseTest:
      return "階段昇降試験またはシャトルウォーキング試験を推奨";
    case AccpStep::Cpet:
      return "心肺運動負荷試験（最大酸素摂取量）を推奨";
    case AccpStep::None:
      break;
  }
  return {};
}

std::string fev1RangesLeft(const PpoResults& results) {
  const Fev1Reference& reference = results.reference;
  const Sex sex = results.figures.sex == Sex::Male ? Sex::Male : Sex::Female;
  return reference.ageLeft ? rangesLeftText(sex, *reference.ageLeft, reference.heightLeft)
                           : rangesLeftText(sex, reference.heightLeft.value_or(Range{}), std::nullopt);
}

PpoResults computePpo(const PpoFigures& figures) {
  PpoResults results;
  results.figures = figures;
  results.basis = figures.sex && figures.age != 0 && figures.height != 0;
  if (results.basis) {
    results.reference = jrs2014Fev1(builtInJrs2014Grid(), *figures.sex, figures.age, figures.height);
  }
  const Jrs2014Curves& curves = results.reference.curves;
  if (curves.inRange) {
    results.predictedMl = roundHalfUp(curves.median, 0);
    results.limit = lowerLimit(curves, figures.fev1.value_or(0));
    if (figures.fev1) {
      results.percentFev1 = roundHalfUp(*figures.fev1 * 100 / results.predictedMl, 1);
    }
  }
  if (!figures.resected) {
    return results;
  }
  const double remaining = 1 - static_cast<double>(*figures.resected) / (totalSegments - figures.obstructed);
  if (figures.fev1) {
    results.ppoFev1Ml = roundHalfUp(*figures.fev1 * remaining, 0);
    if (results.predictedMl != 0) {
      results.ppoPercentFev1 = roundHalfUp(*figures.fev1 * 100 / results.predictedMl * remaining, 1);
    }
  }
  if (figures.dlco) {
    results.ppoDlco = roundHalfUp(*figures.dlco * remaining, 1);
  }
  if (results.ppoPercentFev1 && results.ppoDlco) {
    const double fev1 = *results.ppoPercentFev1;
    const double dlco = *results.ppoDlco;
    results.step = fev1 < exerciseTestFrom || dlco < exerciseTestFrom ? AccpStep::Cpet
                   : fev1 > lowRiskAbove && dlco > lowRiskAbove       ? AccpStep::LowRisk
                                                                      : AccpStep::ExerciseTest;
  }
  return results;
}

CellView ppoLineView(const PpoResults& results, int lineNumber) {
  const bool predicted = results.predictedMl != 0;
  const bool measured = results.figures.fev1.has_value();
  switch (lineNumber) {
    case 1:
      if (!results.basis) {
        return line(std::string(askForBasis));
      }
      if (!predicted) {
        return line("JRS2014 FEV1：範囲外" + fev1RangesLeft(results));
      }
      return line("予測 FEV1 " + NumberToText(results.predictedMl) + " mL（JRS2014）" +
                  (results.percentFev1 ? "  %FEV1 " + formatFixed(*results.percentFev1, 1) + " %" : ""));
    case 2: {
      if (!predicted) {
        break;
      }
      std::string text = "LLN " + NumberToText(roundHalfUp(results.limit.llnMl, 0)) + " mL";
      if (!measured) {
        return line(std::move(text));
      }
      text += "  z " + formatZ(results.limit.z) + (results.limit.below ? "  LLN 未満" : "");
      return line(std::move(text), results.limit.below ? red : blue);
    }
    case 3:
      if (!results.ppoFev1Ml) {
        break;
      }
      return line(
          "ppoFEV1 " + NumberToText(*results.ppoFev1Ml) + " mL" +
          (results.ppoPercentFev1 ? "  ppo%FEV1 " + formatFixed(*results.ppoPercentFev1, 1) + " %" : ""));
    case 4:
      if (!results.ppoDlco) {
        break;
      }
      return line("ppo%DLco " + formatFixed(*results.ppoDlco, 1) + " %");
    case 5:
      if (results.step == AccpStep::None) {
        return line(std::string(stepPrefix) + "ppo%FEV1 と ppo%DLco の両方で判定します");
      }
      return line(std::string(stepPrefix) + std::string(accpStepText(results.step)),
                  results.step == AccpStep::LowRisk ? blue
                  : results.step == AccpStep::Cpet  ? red
                                                    : black);
    default:
      break;
  }
  return CellView{true, white, {}};
}

}  // namespace tollandra
