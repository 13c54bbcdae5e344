// Timings of what a click or a focus change costs in the portable core: the
// whole %VC recomputation for one patient, the risk score with its views and
// the two number conversions on the values the windows typically carry.
//
// Each benchmark checks once, before timing, that it computes what the
// windows would show; a benchmark that quietly measured an early return (an
// out-of-range patient, a refused entry) would report a meaningless figure.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/forms/forms.h"
#include "core/ppo/report.h"
#include "core/session.h"
#include "core/text/convert.h"
#include "core/vc/equations.h"
#include "core/vc/panel.h"
#include "core/vc/results.h"

using namespace tollandra;

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "core_bench: %s\n", what);
    std::abort();
  }
}

// A 60-year-old man, 170 cm, VC 3000 mL: every equation in range, the JRS2014
// prediction 4142 mL and 72.4 %.
VcPanel patientPanel() {
  VcPanel panel;
  panel.read(Measurement::Age, "60");
  panel.read(Measurement::Height, "170");
  panel.read(Measurement::Vc, "3000");
  require(panel.compute(Sex::Male), "the patient's panel did not compute");
  require(panel.result(ReferenceEquation::JRS2014).predictedText == "4142 : JRS2014",
          "unexpected JRS2014 result");
  require(panel.result(ReferenceEquation::JRS2014).percentText == "72.4", "unexpected JRS2014 %VC");
  return panel;
}

// What the compute button does after reading the boxes: three predictions,
// their texts and the three painted views.
void VcPanelCompute(benchmark::State& state) {
  VcPanel panel = patientPanel();
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel.compute(Sex::Male));
    benchmark::DoNotOptimize(&panel.resultView(ReferenceEquation::JRS2014));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(VcPanelCompute);

// The same work without the panel's copies: the results and the views as
// fresh values.
void ComputeReferencesAndViews(benchmark::State& state) {
  const Jrs2014Grid grid = loadJrs2014Grid();
  require(computeReferences(grid, Sex::Female, 60, 160, 2500).jrs2014.predictedMl != 0,
          "female patient out of range");
  for (auto _ : state) {
    const References references = computeReferences(grid, Sex::Female, 60, 160, 2500);
    for (ReferenceEquation equation : allEquations) {
      CellView view = resultView(references.of(equation));
      benchmark::DoNotOptimize(view);
    }
  }
}
BENCHMARK(ComputeReferencesAndViews);

// The pieces of one computation, to see where its time goes.
void PredictVcJrs2014(benchmark::State& state) {
  const Jrs2014Grid grid = loadJrs2014Grid();
  double age = 60;
  double height = 170;
  for (auto _ : state) {
    benchmark::DoNotOptimize(age);
    benchmark::DoNotOptimize(height);
    Prediction prediction = predictVc(grid, ReferenceEquation::JRS2014, Sex::Male, age, height);
    benchmark::DoNotOptimize(prediction);
  }
}
BENCHMARK(PredictVcJrs2014);

void PredictVcLinear(benchmark::State& state) {
  const Jrs2014Grid grid = loadJrs2014Grid();
  double age = 60;
  double height = 170;
  for (auto _ : state) {
    benchmark::DoNotOptimize(age);
    benchmark::DoNotOptimize(height);
    Prediction baldwin = predictVc(grid, ReferenceEquation::Baldwin, Sex::Male, age, height);
    Prediction jrs2001 = predictVc(grid, ReferenceEquation::JRS2001, Sex::Male, age, height);
    benchmark::DoNotOptimize(baldwin);
    benchmark::DoNotOptimize(jrs2001);
  }
}
BENCHMARK(PredictVcLinear);

void ResultViewOne(benchmark::State& state) {
  const References references = computeReferences(loadJrs2014Grid(), Sex::Male, 60, 170, 3000);
  for (auto _ : state) {
    CellView view = resultView(references.jrs2014);
    benchmark::DoNotOptimize(view);
  }
}
BENCHMARK(ResultViewOne);

void FormatFixedPercent(benchmark::State& state) {
  double x = 72.4;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    std::string text = formatFixed(x, 1);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(FormatFixedPercent);

// Loading the age table: once per main window, not per computation.
void LoadJrs2014Grid(benchmark::State& state) {
  for (auto _ : state) {
    Jrs2014Grid grid = loadJrs2014Grid();
    benchmark::DoNotOptimize(grid);
  }
}
BENCHMARK(LoadJrs2014Grid);

// A click on an option button: the factor's points cell and the total with
// its level are redrawn. Alternating options keep the total changing, so the
// level and its colour change too (a one-digit and a two-digit total).
void RiskSetFactorChoice(benchmark::State& state) {
  ScoredForm form(riskFormDefinition());
  for (int factor = 1; factor <= form.itemCount(); ++factor) {
    form.choose(factor, 1);
  }
  require(form.total() == 22, "all option 1 should total 22");
  int option = 1;
  for (auto _ : state) {
    option = 3 - option;
    form.choose(3, option);
    benchmark::DoNotOptimize(&form.summaryView(totalSummary));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(RiskSetFactorChoice);

// A click on a points cell toggles its factor.
void RiskToggleFactorChoice(benchmark::State& state) {
  ScoredForm form(riskFormDefinition());
  int factor = 0;
  for (auto _ : state) {
    factor = factor % form.itemCount() + 1;
    form.choose(factor, 0);
    benchmark::DoNotOptimize(&form.summaryView(totalSummary));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(RiskToggleFactorChoice);

void NumberToTextValue(benchmark::State& state, double value, std::string_view expected) {
  require(NumberToText(value) == expected, "NumberToText gave an unexpected text");
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string text = NumberToText(value);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK_CAPTURE(NumberToTextValue, 4142, 4142.0, "4142");
BENCHMARK_CAPTURE(NumberToTextValue, 84.4, 84.4, "84.4");
BENCHMARK_CAPTURE(NumberToTextValue, 22, 22.0, "22");

void TextToNumberValue(benchmark::State& state, std::string_view text, double expected) {
  require(TextToNumber(text) == expected, "TextToNumber gave an unexpected value");
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(TextToNumber(text));
  }
}
BENCHMARK_CAPTURE(TextToNumberValue, 3000, std::string_view("3000"), 3000.0);
BENCHMARK_CAPTURE(TextToNumberValue, 170.5, std::string_view("170.5"), 170.5);
BENCHMARK_CAPTURE(TextToNumberValue, -1029.9694, std::string_view("-1029.9694"), -1029.9694);

// A repaint of the postoperative window: its five lines, each made from the
// session as it is (the worked example: predicted FEV1 3111 mL, the
// stair-climbing line).
void PpoWindowLines(benchmark::State& state) {
  Session session;
  session.risk.choose(sexFactor, 1);
  session.panel.read(Measurement::Age, "60");
  session.panel.read(Measurement::Height, "170");
  for (const auto& [which, raw] : {std::pair{PpoInput::Fev1, "2150"}, std::pair{PpoInput::Dlco, "61.3"},
                                   std::pair{PpoInput::Resected, "5"}})
    session.ppo.read(which, raw);
  require(cellWindowText(ppoLineView(session, 3)) == "ppoFEV1 1584 mL  ppo%FEV1 50.9 %",
          "unexpected ppo line");
  for (auto _ : state) {
    for (int line = 1; line <= ppoLineCount; ++line) {
      CellView view = ppoLineView(session, line);
      benchmark::DoNotOptimize(view);
    }
  }
}
BENCHMARK(PpoWindowLines);

}  // namespace

BENCHMARK_MAIN();
