#include "platform/numbers.h"

#include "platform/codepage.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform::numbers {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the digits starting at i.
std::size_t digitsAt(std::string_view s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && isDigit(s[i + n]))
        ++n;
    return n;
}

} // namespace

double toNumber(std::string_view text) {
    const std::string s = codepage::fullWidthToSingleByte(text);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    const std::size_t intDigits = digitsAt(s, i);
    i += intDigits;
    std::size_t fracDigits = 0;
    if (i < s.size() && s[i] == '.') {
        fracDigits = digitsAt(s, i + 1);
        if (intDigits > 0 || fracDigits > 0) i += 1 + fracDigits;
    }
    if (intDigits == 0 && fracDigits == 0) return 0;
    // An exponent counts only when at least one digit follows its letter and sign.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expDigits = digitsAt(s, j);
        if (expDigits > 0) i = j + expDigits;
    }
    std::string number = s.substr(start, i - start);
    if (number.front() == '.') number.insert(number.begin(), '0');
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow: tell the two apart.
        const auto ePos = number.find_first_of("eE");
        const bool tiny = ePos != std::string::npos && number[ePos + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

double toNumber(const QString& text) {
    return toNumber(codepage::fromQString(text));
}

long long truncateToInteger(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t >= 9223372036854775807.0) return std::numeric_limits<long long>::max();
    if (t <= -9223372036854775808.0) return std::numeric_limits<long long>::min();
    return static_cast<long long>(t);
}

long long toInteger(std::string_view text) {
    return truncateToInteger(toNumber(text));
}

std::string integerToText(long long value) {
    return std::to_string(value);
}

std::string decimalText(double value) {
    if (std::isnan(value)) return "0";
    if (value == 0) return "0";
    // Round to 13 significant digits first, then write in plain (never exponent) form.
    // to_chars/from_chars ignore the C locale, which Qt sets from the environment.
    char buf[400];
    auto sci = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 12);
    double r = value;
    std::from_chars(buf, sci.ptr, r);
    if (!std::isfinite(r)) return r > 0 ? "inf" : "-inf";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(r))));
    const int decimals = std::max(0, 12 - magnitude);
    auto fixed = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, decimals);
    std::string out(buf, fixed.ptr);
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0')
            out.pop_back();
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    return out;
}

} // namespace platform::numbers
