// Fuzzes every parser of typed or built-in text: the number reader, the digit
// filter, the measurement readings and the age-table row reader.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/text/convert.h"
#include "core/vc/equations.h"
#include "core/vc/measurement.h"

using namespace tollandra;

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// Fixed-form texts read back close to the value: rounding to 15 digits costs
// half a unit of the last digit, and the digit form and the reader both work
// in double arithmetic, so each can add a fraction of a unit more
// (-0.0079368466398324049 shows as ...241 and reads back 1.04 units away).
void checkRoundTrip(double x) {
  const std::string text = NumberToText(x);
  if (!std::isfinite(x) || x == 0 || text.find('e') != std::string::npos) return;
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 14);
  check(std::fabs(TextToNumber(text) - x) <= 2 * unit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check(!std::isnan(TextToNumber(text)));
  for (char c : KeepDigitsAndPoint(text)) check((c >= '0' && c <= '9') || c == '.');
  // A reading is a value within the limits, 0 with the sentinel shown, or 0
  // with a message and the entry kept as typed.
  for (Measurement which : allMeasurements) {
    const InputRule& rule = inputRule(which);
    const Reading reading = readMeasurement(text, rule);
    if (reading.value != 0) {
      check(reading.value >= rule.lower && reading.value <= rule.upper && !reading.message && !reading.refused);
    } else if (reading.refused) {
      check(reading.message && reading.text == text);
    } else {
      check(reading.text == rule.sentinel && !reading.message);
    }
  }
  Jrs2014Grid grid;
  parseJrs2014Row(text, grid);
  if (size >= sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    checkRoundTrip(x);
    checkRoundTrip(TextToNumber(text));
  }
  return 0;
}
