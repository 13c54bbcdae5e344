#pragma once
// The one conversion from numbers to display text and the one from text to
// numbers. Texts are byte strings; both directions use only ASCII.

#include <string>
#include <string_view>

namespace tollandra {

// Fifteen significant digits, trailing zeros dropped in the fixed form, an
// exponent form outside 1e-4 .. 1e15. Infinities and NaN read "inf", "-inf",
// "nan".
std::string NumberToText(double value);

// The same conversion through the fifteen-digit form for every value.
// NumberToText writes values of at most one decimal below 100 000 (the
// millilitres, percentages and points the windows show) straight from their
// tenths, which gives the same text at a fraction of the cost.
std::string NumberToTextByDigits(double value);

// Reads a leading number and ignores whatever follows it. Never fails: text
// without a number reads as 0. "&H"/"&O" prefixes read hexadecimal and octal
// integers. There is no exponent and no thousands separator. A digit run too
// large for a double reads as infinity, never as NaN.
double TextToNumber(std::string_view text);

// Keeps only the bytes '0'..'9' and '.', in order.
std::string KeepDigitsAndPoint(std::string_view text);

}  // namespace tollandra
