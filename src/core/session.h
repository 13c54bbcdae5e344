#pragma once
// Everything the user has entered and what the program has worked out from
// it: the risk score form, the HAL score and the %VC panel. The windows show
// it; the decisions that join the forms are made here.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/forms/forms.h"
#include "core/forms/scored_form.h"
#include "core/ppo/panel.h"
#include "core/summary/summary.h"
#include "core/vc/panel.h"
#include "core/windows/window_tables.h"

namespace tollandra {

// A line of text a window shows, in its colour.
struct ShownLine {
  std::string text;
  Rgb color = black;
  bool operator==(const ShownLine&) const = default;
};

class Session {
 public:
  Session() : risk(riskFormDefinition()), hal(halFormDefinition()) {}

  // The %VC for the sex the user chose in the risk form, when age, height
  // and VC are all given; with the sex open, the panel waits for it. The
  // program never answers the sex itself. Whether it computed.
  bool recalculateVc();

  // The record that Ctrl+C copies, made at that time.
  [[nodiscard]] std::string summary(const RecordTime& when) const;

  // The next patient: both forms unanswered, no measurement, no result.
  void startNewPatient();

  // The scored form a window shows.
  [[nodiscard]] ScoredForm& form(WindowKind kind) { return kind == WindowKind::Hal ? hal : risk; }
  [[nodiscard]] const ScoredForm& form(WindowKind kind) const { return kind == WindowKind::Hal ? hal : risk; }

  // What the record adds to an answer that the computed results contradict:
  // a pre-operative %VC answer against every equation in range, the HAL age
  // against the age computed from. Empty while nothing contradicts it.
  [[nodiscard]] std::string contradiction(const ScoredForm& form, int item) const;

  // An item's points cell as the window shows it: framed in red while its
  // answer is contradicted.
  [[nodiscard]] CellView pointsView(const ScoredForm& form, int item) const;

  // What a painted control of a window shows now; a blank view for a control
  // that paints nothing.
  [[nodiscard]] CellView cellView(WindowKind kind, const ControlRow& row) const;

  // The typed boxes of any window, named by the window and the box's item:
  // a box read as it is left (and what follows from it computed), a box being
  // changed, what a box holds and the rule it is read by.
  Reading readBox(WindowKind kind, int item, std::string_view raw);
  bool editBox(WindowKind kind, int item, std::string_view raw);
  [[nodiscard]] const PanelInput& box(WindowKind kind, int item) const;
  [[nodiscard]] const InputRule& boxRule(WindowKind kind, int item) const;
  // While an answer a score rests on is contradicted (the pre-operative %VC,
  // the HAL age), what is said where the score's band is read: under the
  // score in the window, or after the score's line in the record. Empty
  // otherwise.
  [[nodiscard]] std::string scoreWarning(WindowKind kind, bool inRecord) const;

  // The lines under a window's score: what a complete score predicts, or,
  // while an answer it rests on is contradicted, that warning alone in red.
  [[nodiscard]] std::vector<ShownLine> predictionLines(WindowKind kind) const;

  // A summary cell as the window shows it: the score's band cell (the risk
  // total, the HAL class) framed in red while its warning holds.
  [[nodiscard]] CellView summaryView(WindowKind kind, std::size_t which) const;

  // While the equations that gave a result fall on both sides of 80 %: the
  // note for the main window's bottom line, and what the record's %VC answer
  // adds, naming each result. Empty otherwise.
  [[nodiscard]] std::string bottomNote() const;
  [[nodiscard]] std::string straddleRecord() const;

  ScoredForm risk;
  ScoredForm hal;
  VcPanel panel;
  PpoPanel ppo;
};

}  // namespace tollandra
