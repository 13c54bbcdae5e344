#include "core/ppo/panel.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "core/text/convert.h"

namespace tollandra {
namespace {

// "～" is U+FF5E, as in the %VC boxes' messages. The obstructed count's
// empty mark is the 0 it counts as. Named fields, so that a field added to
// the rule cannot shift these into the wrong ones.
constexpr InputRule fev1Rule{.sentinel = "****",
                             .lower = 300,
                             .upper = 6000,
                             .name = "FEV1",
                             .caption = "FEV1 の入力",
                             .limits = "FEV1 は 300 \uFF5E 6,000 mL で",
                             .focusSelection = {}};
constexpr InputRule dlcoRule{.sentinel = "***",
                             .lower = 10,
                             .upper = 200,
                             .name = "%DLco",
                             .caption = "%DLco の入力",
                             .limits = "%DLco は 10 \uFF5E 200 % で",
                             .focusSelection = {}};
constexpr InputRule resectedRule{.sentinel = "**",
                                 .lower = 0,
                                 .upper = 10,
                                 .name = "切除区域数",
                                 .caption = "切除区域数の入力",
                                 .limits = "切除区域数は 0 \uFF5E 10 の整数で",
                                 .focusSelection = {}};
constexpr InputRule obstructedRule{.sentinel = "0",
                                   .lower = 0,
                                   .upper = 18,
                                   .name = "閉塞区域数",
                                   .caption = "閉塞区域数の入力",
                                   .limits = "閉塞区域数は 0 \uFF5E 18 の整数で",
                                   .focusSelection = {}};

constexpr std::string_view tooManySegments =
    "切除区域数（閉塞を除く）と閉塞区域数の合計は 19 以下で入力してください。";

std::size_t slotOf(PpoInput which) {
  const auto number = static_cast<std::size_t>(which);
  return number >= 1 && number <= 4 ? number - 1 : 0;
}

bool isCount(PpoInput which) { return which == PpoInput::Resected || which == PpoInput::Obstructed; }

Reading refusal(std::string_view raw, const InputRule& rule, std::string text) {
  return Reading{0, std::string(raw), Message{std::string(rule.caption), std::move(text)}, true};
}

}  // namespace

const InputRule& ppoInputRule(PpoInput which) {
  switch (which) {
    case PpoInput::Dlco:
      return dlcoRule;
    case PpoInput::Resected:
      return resectedRule;
    case PpoInput::Obstructed:
      return obstructedRule;
    case PpoInput::Fev1:
      break;
  }
  return fev1Rule;
}

PpoPanel::PpoPanel() { clear(); }

Reading PpoPanel::read(PpoInput which, std::string_view raw) {
  const InputRule& rule = ppoInputRule(which);
  PanelInput& stored = inputs_[slotOf(which)];
  const bool seen = stored.refused && raw == stored.text;
  Reading reading = readMeasurement(raw, rule);
  if (isCount(which) && !reading.refused && reading.text != rule.sentinel) {
    const PanelInput& other =
        inputs_[slotOf(which == PpoInput::Resected ? PpoInput::Obstructed : PpoInput::Resected)];
    if (reading.value != std::floor(reading.value)) {
      reading = refusal(raw, rule,
                        "「" + quotedEntry(raw) + "」は整数ではありません。\n" + std::string(rule.limits) +
                            "入力してください。");
    } else if (reading.value + other.value > totalSegments) {
      reading = refusal(raw, rule, std::string(tooManySegments));
    } else {
      reading.text = NumberToText(reading.value);  // "2.0" and "02" are 2
    }
  }
  if (seen && reading.refused) {
    reading.message.reset();
  }
  stored = PanelInput{reading.value, reading.text, reading.refused};
  changed_[slotOf(which)] = false;
  return reading;
}

bool PpoPanel::edited(PpoInput which, std::string_view raw) {
  PanelInput& stored = inputs_[slotOf(which)];
  if (raw == stored.text || (raw.empty() && stored.text == ppoInputRule(which).sentinel)) {
    return false;
  }
  stored.refused = false;
  changed_[slotOf(which)] = true;
  return true;
}

void PpoPanel::clear() {
  for (PpoInput which : allPpoInputs) {
    inputs_[slotOf(which)] = PanelInput{0, std::string(ppoInputRule(which).sentinel), false};
  }
  changed_ = {};
}

const PanelInput& PpoPanel::input(PpoInput which) const { return inputs_[slotOf(which)]; }

bool PpoPanel::settled(PpoInput which) const { return !changed_[slotOf(which)] && !input(which).refused; }

bool PpoPanel::given(PpoInput which) const {
  return settled(which) && input(which).text != ppoInputRule(which).sentinel;
}

}  // namespace tollandra
