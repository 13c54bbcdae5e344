#pragma once
// A form of findings, each answered by one of two options worth fixed points,
// with a total that falls into one of a few bands. The risk score and the HAL
// score are two instances of it that differ only in their data.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/view/cell_view.h"

namespace tollandra {

struct Item {
  std::string_view label;    // as the row's label shows it
  std::string_view option1;  // the option that scores
  std::string_view option2;
  std::uint8_t points1 = 0;
  std::uint8_t points2 = 0;
  // The options as the record words them, where the captions' wording
  // would not read as plain text ("＞ ７５歳" is "75 歳超"); empty: the
  // caption without its blanks.
  std::string_view recorded1 = {};
  std::string_view recorded2 = {};
};

// A total of at least `from` falls into this band; bands are listed from the
// highest down, the last one from 0.
struct Band {
  int from = 0;
  std::string_view text;
  Rgb fill;
  std::string_view prediction;  // what the band predicts: "10 % 未満"
};

// How a form words what its bands predict: "術後30日以内の急性増悪の予測確率
// 10 % 未満", or with a qualifier after the figures. The window shows the
// figures after the heading, or, for a qualified heading, on a line of their
// own under it.
struct PredictionWording {
  std::string_view heading;
  std::string_view qualifier;  // may be empty
};

// One text drawn in a summary cell: the total or the band's text.
struct SummaryRun {
  enum class Shows : std::uint8_t { Total, BandText };
  Shows shows = Shows::Total;
  int x = 0;
  int y = 0;
  int twoDigitShift = 0;  // how much further left a total of two digits starts
  bool opaque = false;    // on a white background, else transparent
};

// A cell that shows the whole form: filled with the band's colour or white.
// A band belongs to a complete form only: until every item is answered the
// cell is white, and its band's text gives way to "（未回答 N）" where the cell
// counts the open items, or to nothing.
struct SummaryCell {
  bool bandFill = false;
  std::span<const SummaryRun> runs;
  bool countsOpen = false;
};

struct FormDefinition {
  std::span<const Item> items;
  std::span<const Band> bands;
  std::span<const SummaryCell> summaries;
  PredictionWording prediction;
};

// The check marks both option buttons get whenever an item is drawn; none
// while it has no answer.
struct OptionMarks {
  bool option1 = false;
  bool option2 = false;
  bool operator==(const OptionMarks&) const = default;
};

// Where the summary views live among summaryView's indices.
inline constexpr std::size_t totalSummary = 0;
inline constexpr std::size_t classSummary = 1;

class ScoredForm {
 public:
  explicit ScoredForm(const FormDefinition& definition);

  // Items are numbered from 1. Option 1 or 2 chooses it; 0 is a click on the
  // item's points cell, which turns nothing or option 2 into option 1 and
  // option 1 into option 2. Draws the item and the summaries. False, and
  // nothing changes, for an item or option the form does not have.
  bool choose(int item, int option);

  [[nodiscard]] int itemCount() const { return static_cast<int>(choices_.size()); }
  [[nodiscard]] const Item& item(int item) const;
  [[nodiscard]] int choice(int item) const;
  // Points of the chosen option; 0 while nothing is chosen.
  [[nodiscard]] int points(int item) const;
  [[nodiscard]] int total() const;
  [[nodiscard]] const Band& band() const;
  // What a complete score predicts, as the record says it and as the window
  // shows it, line by line; empty while an item is open.
  [[nodiscard]] std::string predictionRecord() const;
  [[nodiscard]] std::vector<std::string> predictionLines() const;
  [[nodiscard]] OptionMarks marks(int item) const;
  // Only the user answers an item; an open one is worth nothing.
  [[nodiscard]] bool answered(int item) const { return choice(item) != 0; }
  [[nodiscard]] int unanswered() const;

  // What the cells showed when they were last drawn (blank before that).
  [[nodiscard]] const CellView& pointsView(int item) const;
  [[nodiscard]] const CellView& summaryView(std::size_t which) const;

 private:
  [[nodiscard]] bool has(int item) const { return item >= 1 && item <= itemCount(); }
  static std::size_t slot(int item) { return static_cast<std::size_t>(item - 1); }
  [[nodiscard]] CellView summaryOf(const SummaryCell& summary) const;

  const FormDefinition* definition_;
  std::vector<std::uint8_t> choices_;
  std::vector<CellView> points_;
  std::vector<CellView> summaries_;
};

}  // namespace tollandra
