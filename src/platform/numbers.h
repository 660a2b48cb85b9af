#pragma once
// Conversions between texts and numbers, shared by every reader and writer of numeric values.
#include <QString>
#include <string>
#include <string_view>

namespace platform::numbers {

// The leading decimal number of a code-page text: full-width characters count as their
// single-byte forms, leading blanks are skipped, then an optional sign, digits, a decimal
// point and an exponent. A text that does not begin with a number reads as 0.
double toNumber(std::string_view text);
double toNumber(const QString& text);

// The number's integer part, truncated toward zero (1799999.9 -> 1799999, -0.5 -> 0);
// values beyond the 64-bit range are clamped, NaN gives 0.
long long truncateToInteger(double value);
long long toInteger(std::string_view text);

// Plain decimal digits with a leading "-" for negative values.
std::string integerToText(long long value);

// A decimal number with at most 13 significant digits and no trailing zeros: 30, 1.5, 0.
std::string decimalText(double value);

} // namespace platform::numbers
