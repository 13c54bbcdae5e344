#include "core/forms/scored_form.h"

#include <string>
#include <utility>

#include "core/text/convert.h"

namespace tollandra {
namespace {

const CellView blank;

}  // namespace

ScoredForm::ScoredForm(const FormDefinition& definition)
    : definition_(&definition),
      choices_(definition.items.size()),
      points_(definition.items.size()),
      summaries_(definition.summaries.size()) {}

bool ScoredForm::choose(int item, int option) {
  if (!has(item) || option < 0 || option > 2) {
    return false;
  }
  std::uint8_t& chosen = choices_[slot(item)];
  chosen = static_cast<std::uint8_t>(option == 0 ? chosen % 2 + 1 : option);
  // The points cell of a chosen item: red for the option that scores, blue
  // for the other, at the same place in every form.
  points_[slot(item)] =
      CellView{true, white, {TextRun{NumberToText(points(item)), 30, 10, chosen == 1 ? red : blue, white}}};
  for (std::size_t i = 0; i < summaries_.size(); ++i) {
    summaries_[i] = summaryOf(definition_->summaries[i]);
  }
  return true;
}

const Item& ScoredForm::item(int item) const { return definition_->items[has(item) ? slot(item) : 0]; }

int ScoredForm::choice(int item) const { return has(item) ? choices_[slot(item)] : 0; }

int ScoredForm::points(int item) const {
  switch (choice(item)) {
    case 1:
      return definition_->items[slot(item)].points1;
    case 2:
      return definition_->items[slot(item)].points2;
    default:
      return 0;
  }
}

int ScoredForm::total() const {
  int sum = 0;
  for (int k = 1; k <= itemCount(); ++k) {
    sum += points(k);
  }
  return sum;
}

const Band& ScoredForm::band() const {
  const int sum = total();
  for (const Band& candidate : definition_->bands) {
    if (sum >= candidate.from) {
      return candidate;
    }
  }
  return definition_->bands.back();
}

std::string ScoredForm::predictionRecord() const {
  if (unanswered() != 0) {
    return {};
  }
  const PredictionWording& wording = definition_->prediction;
  return std::string(wording.heading) + " " + std::string(band().prediction) + std::string(wording.qualifier);
}

std::vector<std::string> ScoredForm::predictionLines() const {
  if (unanswered() != 0) {
    return {};
  }
  const PredictionWording& wording = definition_->prediction;
  if (wording.qualifier.empty()) {
    return {std::string(wording.heading) + " " + std::string(band().prediction)};
  }
  return {std::string(wording.heading) + std::string(wording.qualifier), std::string(band().prediction)};
}

int ScoredForm::unanswered() const {
  int count = 0;
  for (int k = 1; k <= itemCount(); ++k) {
    count += answered(k) ? 0 : 1;
  }
  return count;
}

OptionMarks ScoredForm::marks(int item) const {
  if (!answered(item)) {
    return {};
  }
  return {choice(item) == 1, choice(item) != 1};
}

const CellView& ScoredForm::pointsView(int item) const { return has(item) ? points_[slot(item)] : blank; }

const CellView& ScoredForm::summaryView(std::size_t which) const {
  return which < summaries_.size() ? summaries_[which] : blank;
}

CellView ScoredForm::summaryOf(const SummaryCell& summary) const {
  const int sum = total();
  const int open = unanswered();
  const Band& current = band();
  CellView view{true, summary.bandFill && open == 0 ? current.fill : white, {}};
  for (const SummaryRun& run : summary.runs) {
    const bool isTotal = run.shows == SummaryRun::Shows::Total;
    std::string text;
    if (isTotal) {
      text = NumberToText(sum);
    } else if (open == 0) {
      text = current.text;
    } else if (summary.countsOpen) {
      text = "　（未回答 " + NumberToText(open) + "）";
    } else {
      continue;
    }
    const int x = isTotal && sum > 9 ? run.x - run.twoDigitShift : run.x;
    view.runs.push_back(
        TextRun{std::move(text), x, run.y, black, run.opaque ? std::optional<Rgb>(white) : std::nullopt});
  }
  return view;
}

}  // namespace tollandra
