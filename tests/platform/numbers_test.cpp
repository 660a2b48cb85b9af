#include "platform/codepage.h"
#include "platform/numbers.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct TextCase {
    const char* text; // UTF-8; converted to the code page first
    double number;
    long long integer;
};

const TextCase kTexts[] = {
    {"30", 30, 30},
    {"  42abc", 42, 42},
    {"\t7", 7, 7},
    {"-5", -5, -5},
    {"+5", 5, 5},
    {"1799999.9", 1799999.9, 1799999},
    {"-0.5", -0.5, 0},
    {"-1.9", -1.9, -1},
    {".5", 0.5, 0},
    {"5.", 5, 5},
    {"1e3", 1000, 1000},
    {"1.5E+2x", 150, 150},
    {"2e", 2, 2}, // a letter without exponent digits is not part of the number
    {"2e+", 2, 2},
    {"abc", 0, 0},
    {"", 0, 0},
    {"-", 0, 0},
    {".", 0, 0},
    {"- 5", 0, 0},
    {"１２３", 123, 123},   // full-width digits
    {"－３．５", -3.5, -3}, // full-width sign and point
    {"　９", 9, 9},         // full-width blank
    {"90000", 90000, 90000},
    {"0x10", 0, 0}, // no hexadecimal
    {"inf", 0, 0},
    {"1e400", HUGE_VAL, std::numeric_limits<long long>::max()},
    {"1e-400", 0, 0},
};

} // namespace

TEST(Numbers, TextToNumberAndInteger) {
    for (const auto& c : kTexts) {
        const std::string bytes = codepage::fromQString(QString::fromUtf8(c.text));
        EXPECT_DOUBLE_EQ(numbers::toNumber(bytes), c.number) << c.text;
        EXPECT_EQ(numbers::toInteger(bytes), c.integer) << c.text;
    }
}

TEST(Numbers, NumberToText) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {30, "30"},
        {1.5, "1.5"},
        {0, "0"},
        {-0.0, "0"},
        {-2.25, "-2.25"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333333333"},
        {2.0 / 3, "0.6666666666667"},
        {123456789012345.0, "123456789012300"},
        {1e-5, "0.00001"},
        {1234.5678, "1234.5678"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers::decimalText(c.value), c.text) << c.value;
    EXPECT_EQ(numbers::integerToText(-120), "-120");
    EXPECT_EQ(numbers::integerToText(0), "0");
}
