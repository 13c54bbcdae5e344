#include "core/text/convert.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tollandra {
namespace {

constexpr int significantDigits = 15;
// The normalisation keeps x in [lower, upper). upper lies just below 10, so a
// mantissa in [lower, 1) is possible and then reads with a leading 0 digit.
const double lowerBound = std::bit_cast<double>(std::uint64_t{0x3FEFFFFFFFFFFFF7});
const double upperBound = std::bit_cast<double>(std::uint64_t{0x4023FFFFFFFFFFFA});

// Beyond this many significant digits a decimal integer exceeds DBL_MAX.
constexpr std::size_t maxFiniteIntegerDigits = 309;

struct DigitForm {
  std::array<int, significantDigits> digits{};
  int exponent = 0;  // value = d1.d2...d15 x 10^(exponent - 1)
};

DigitForm toDigitForm(double x) {
  DigitForm form;
  if (x == 0) {
    return form;
  }
  form.exponent = 1;
  while (x < lowerBound) {
    x *= 10;
    --form.exponent;
  }
  while (x >= upperBound) {
    x /= 10;
    ++form.exponent;
  }
  // x stays in [0, 10) here, where truncation is floor and much cheaper.
  for (int& digit : form.digits) {
    digit = static_cast<int>(x);
    x = (x - digit) * 10;
  }
  if (x >= 5) {
    for (int i = significantDigits - 1; i >= 0; --i) {
      if (++form.digits[i] < 10) {
        break;
      }
      form.digits[i] = 0;
    }
  }
  return form;
}

char digitChar(int digit) { return static_cast<char>('0' + digit); }

// Large exponents carry a plus sign, small ones their minus: "e+015", "e-05".
std::string exponentForm(const DigitForm& form) {
  std::string text(1, digitChar(form.digits[0]));
  text += '.';
  for (int i = 1; i < significantDigits; ++i) {
    text += digitChar(form.digits[i]);
  }
  std::array<char, 16> exponent{};
  const int power = form.exponent - 1;
  if (power >= 0) {
    std::snprintf(exponent.data(), exponent.size(), "+%03d", power);
  } else {
    std::snprintf(exponent.data(), exponent.size(), "%03d", power);
  }
  return text + 'e' + exponent.data();
}

std::string fixedForm(const DigitForm& form) {
  std::string text;
  if (form.exponent <= 0) {
    text = "0.";
    text.append(static_cast<std::size_t>(-form.exponent), '0');
    for (int digit : form.digits) {
      text += digitChar(digit);
    }
  } else {
    for (int i = 0; i < significantDigits; ++i) {
      if (i == form.exponent) {
        text += '.';
      }
      text += digitChar(form.digits[i]);
    }
    if (form.exponent == significantDigits) {
      text += '.';
    }
  }
  // Only the decimals lose their trailing zeros: the point stops the cut.
  while (text.back() == '0') {
    text.pop_back();
  }
  if (text.back() == '.') {
    text.pop_back();
  }
  return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int baseDigit(char c, int base) {
  int digit = -1;
  if (isDigit(c)) {
    digit = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    digit = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    digit = c - 'A' + 10;
  }
  return digit < base ? digit : -1;
}

// "&H1F", "&o17": an unsigned integer in base 16 or 8. Summed in doubles, so
// a long run grows towards infinity instead of wrapping round.
double readBasedInteger(std::string_view text) {
  if (text.size() < 2) {
    return 0;
  }
  int base = 0;
  if (text[1] == 'H' || text[1] == 'h') {
    base = 16;
  } else if (text[1] == 'O' || text[1] == 'o') {
    base = 8;
  } else {
    return 0;
  }
  double value = 0;
  for (std::size_t i = 2; i < text.size(); ++i) {
    const int digit = baseDigit(text[i], base);
    if (digit < 0) {
      break;
    }
    value = value * base + digit;
  }
  return value;
}

// Sums the digits from the last one up with a growing place value, which is
// how every number the program shows has always been read. Leading zeros are
// skipped first: past 308 places the place value is infinite and a zero digit
// would turn the sum into NaN.
double readIntegerRun(std::string_view run) {
  const std::size_t firstSignificant = run.find_first_not_of('0');
  if (firstSignificant == std::string_view::npos) {
    return 0;
  }
  run.remove_prefix(firstSignificant);
  if (run.size() > maxFiniteIntegerDigits) {
    return INFINITY;
  }
  double value = 0;
  double place = 1;
  for (std::size_t i = run.size(); i-- > 0;) {
    value += (run[i] - '0') * place;
    place *= 10;
  }
  return value;
}

}  // namespace

std::string NumberToText(double value) {
  const double tenths = std::fabs(value) * 10;
  if (tenths < 1e6 && tenths == std::trunc(tenths) && tenths / 10 == std::fabs(value)) {
    const auto whole = static_cast<long>(tenths) / 10;
    const auto decimal = static_cast<long>(tenths) % 10;
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(whole);
    if (decimal != 0) {
      text += '.';
      text += digitChar(static_cast<int>(decimal));
    }
    return text;
  }
  return NumberToTextByDigits(value);
}

std::string NumberToTextByDigits(double value) {
  if (std::isnan(value)) {
    return "nan";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-inf" : "inf";
  }
  std::string sign;
  if (value < 0) {
    sign = "-";
    value = -value;
  }
  const DigitForm form = toDigitForm(value);
  if (form.exponent > significantDigits) {
    return sign + exponentForm(form);
  }
  if (form.exponent < -3) {
    return sign + exponentForm(form);
  }
  return sign + fixedForm(form);
}

double TextToNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  text.remove_prefix(i);
  if (!text.empty() && text.front() == '&') {
    return readBasedInteger(text);
  }
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::size_t end = 0;
  while (end < text.size() && isDigit(text[end])) {
    ++end;
  }
  double value = readIntegerRun(text.substr(0, end));
  if (end < text.size() && text[end] == '.') {
    double divisor = 10;
    for (std::size_t k = end + 1; k < text.size() && isDigit(text[k]); ++k) {
      value += (text[k] - '0') / divisor;
      divisor *= 10;
    }
  }
  return negative ? value * -1 : value;
}

std::string KeepDigitsAndPoint(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (isDigit(c) || c == '.') {
      kept += c;
    }
  }
  return kept;
}

}  // namespace tollandra
