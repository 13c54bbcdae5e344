#include "core/ppo/report.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/forms/forms.h"
#include "core/ppo/panel.h"
#include "core/session.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

constexpr std::string_view stepHeading = "判定（ACCP 2013、呼吸機能）：";

std::optional<Sex> answeredSex(const ScoredForm& risk) {
  if (!risk.answered(sexFactor)) {
    return std::nullopt;
  }
  return risk.choice(sexFactor) == 1 ? Sex::Male : Sex::Female;
}

std::string sexCaption(Sex sex) {
  const Item& item = riskItems[sexFactor - 1];
  return trimBlanks(std::string(sex == Sex::Male ? item.option1 : item.option2));
}

std::optional<double> givenValue(const PpoPanel& ppo, PpoInput which) {
  return ppo.given(which) ? std::optional(ppo.input(which).value) : std::nullopt;
}

void append(std::string& list, std::string_view separator, const std::string& part) {
  list += (list.empty() ? "" : std::string(separator)) + part;
}

// "計算条件：男性 60 歳 170 cm", or what is missing and what is there:
// "計算条件：性別が未回答のため予測 FEV1 は未計算（60 歳 170 cm）".
std::string basisLine(const PpoFigures& figures) {
  std::string missing;
  std::string given;
  if (figures.sex) {
    given = sexCaption(*figures.sex);
  } else {
    missing = "性別が未回答";
  }
  if (figures.age != 0) {
    append(given, " ", NumberToText(figures.age) + " 歳");
  } else {
    append(missing, "、", "年齢が未入力");
  }
  if (figures.height != 0) {
    append(given, " ", NumberToText(figures.height) + " cm");
  } else {
    append(missing, "、", "身長が未入力");
  }
  if (missing.empty()) {
    return "計算条件：" + given;
  }
  return "計算条件：" + missing + "のため予測 FEV1 は未計算" + (given.empty() ? "" : "（" + given + "）");
}

std::string segmentsLine(const PpoPanel& ppo, const PpoFigures& figures) {
  if (!ppo.given(PpoInput::Resected)) {
    return "切除区域数：未入力のため ppo は未計算";
  }
  const std::string resected =
      "術後予測肺機能：切除 " + NumberToText(ppo.input(PpoInput::Resected).value) + " 区域";
  if (!figures.resected) {
    return resected + "（閉塞区域数が未確定のため ppo は未計算）";
  }
  return resected + "（閉塞 " + std::to_string(figures.obstructed) + "、機能区域 " +
         std::to_string(totalSegments - figures.obstructed) + "）";
}

std::string fev1Line(const PpoResults& results) {
  const PpoFigures& figures = results.figures;
  if (!figures.fev1) {
    return "FEV1：未入力のため ppoFEV1・ppo%FEV1 は未計算";
  }
  std::string line = "FEV1：" + NumberToText(*figures.fev1) + " mL";
  if (!results.basis) {
    return line;
  }
  if (results.predictedMl == 0) {
    return line + "、予測は JRS2014 の範囲外" + fev1RangesLeft(results);
  }
  line += "、予測 " + NumberToText(results.predictedMl) + " mL（JRS2014）、%FEV1 " +
          formatFixed(*results.percentFev1, 1) + " %、LLN " +
          NumberToText(roundHalfUp(results.limit.llnMl, 0)) + " mL、z " + formatZ(results.limit.z);
  return results.limit.below ? line + "、LLN 未満" : line;
}

std::string dlcoLine(const PpoResults& results) {
  if (!results.figures.dlco) {
    return "%DLco：未入力のため ppo%DLco は未計算";
  }
  std::string line = "%DLco：" + NumberToText(*results.figures.dlco) + " %";
  return results.ppoDlco ? line + "、ppo%DLco " + formatFixed(*results.ppoDlco, 1) + " %" : line;
}

}  // namespace

PpoFigures ppoFigures(const Session& session) {
  const VcPanel& panel = session.panel;
  const PpoPanel& ppo = session.ppo;
  PpoFigures figures;
  figures.sex = answeredSex(session.risk);
  figures.age = panel.holdsValue(Measurement::Age) ? panel.input(Measurement::Age).value : 0;
  figures.height = panel.holdsValue(Measurement::Height) ? panel.input(Measurement::Height).value : 0;
  figures.fev1 = givenValue(ppo, PpoInput::Fev1);
  figures.dlco = givenValue(ppo, PpoInput::Dlco);
  if (ppo.settled(PpoInput::Obstructed)) {
    figures.obstructed = static_cast<int>(ppo.input(PpoInput::Obstructed).value);
    if (ppo.given(PpoInput::Resected)) {
      figures.resected = static_cast<int>(ppo.input(PpoInput::Resected).value);
    }
  }
  return figures;
}

CellView ppoLineView(const Session& session, int line) {
  return ppoLineView(computePpo(ppoFigures(session)), line);
}

std::vector<std::string> ppoRecordLines(const Session& session) {
  const PpoPanel& ppo = session.ppo;
  if (std::ranges::none_of(allPpoInputs, [&](PpoInput which) { return ppo.given(which); })) {
    return {};
  }
  const PpoResults results = computePpo(ppoFigures(session));
  std::vector<std::string> lines = {segmentsLine(ppo, results.figures), basisLine(results.figures),
                                    fev1Line(results)};
  if (results.ppoFev1Ml) {
    lines.push_back(
        "ppoFEV1：" + NumberToText(*results.ppoFev1Ml) + " mL" +
        (results.ppoPercentFev1 ? "、ppo%FEV1 " + formatFixed(*results.ppoPercentFev1, 1) + " %" : ""));
  }
  lines.push_back(dlcoLine(results));
  lines.push_back(std::string(stepHeading) + (results.step == AccpStep::None
                                                  ? "ppo%FEV1 と ppo%DLco がそろわないため判定なし"
                                                  : std::string(accpStepText(results.step))));
  return lines;
}

}  // namespace tollandra
