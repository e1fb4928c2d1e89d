#include "book/bookdecimal.h"
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace bookdecimal;

namespace {

struct FormatCase {
    const char* text;
    int width;
    int precision;
    unsigned int fieldWidth;
    double value;
    const char* wantText;
    double wantValue;
};

class FormatDecimalPlace : public testing::TestWithParam<FormatCase> { };

TEST_P(FormatDecimalPlace, PrintsRoundsAndAligns)
{
    const FormatCase& c = GetParam();
    CString text(c.text);
    double value = c.value;
    EXPECT_EQ(formatDecimalPlace(&text, c.width, c.precision, c.fieldWidth, &value), 0);
    EXPECT_STREQ(text, c.wantText);
    EXPECT_DOUBLE_EQ(value, c.wantValue);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatDecimalPlace,
    testing::Values(FormatCase { "x", 8, 2, 10, 3.14159, "      3.14", 3.14 },
        FormatCase { "", 4, 3, 8, 2.0005, "   2.001", 2.001 }, // 2.0005 is stored above .0005
        FormatCase { "", 1, 0, 3, 2.5, "  2", 2.0 }, // printf rounds half to even
        FormatCase { "old", 6, 1, 4, -12.25, " -12.2", -12.2 }, // print wider than the field
        FormatCase { "old", 5, 2, 0, 9.999, "old", 9.999 }, // field width 0: nothing changes
        FormatCase { "", 5, 2, 0, 1.5, "", 1.5 },
        FormatCase { "", -8, 1, 10, 1.25, "  1.2     ", 1.2 },
        FormatCase { "", 3, -1, 10, 0.5, "  0.500000", 0.5 }));

} // namespace

TEST(FormatDecimalPlaceNulls, EmptyTextWithoutValueBecomesZeroPointZero)
{
    CString text;
    EXPECT_EQ(formatDecimalPlace(&text, 5, 2, 6, nullptr), 0);
    EXPECT_STREQ(text, "0.0");
    double value = 7.777;
    EXPECT_EQ(formatDecimalPlace(nullptr, 5, 1, 6, &value), 0);
    EXPECT_DOUBLE_EQ(value, 7.8);
}

TEST(EntryValidate, RoundsTheValueAndTrimsTheText)
{
    struct {
        double value;
        int fieldWidth;
        int decimals;
        const char* text;
        double after;
    } cases[] = {
        { 3.14159, 10, 2, "3.14", 3.14 },
        { 3.14159, 0, 2, "-", 3.14159 },
        { 2.5, 6, 0, "2", 2.0 },
        { -0.125, 8, 2, "-0.12", -0.12 },
        { 1234567.891, 12, 1, "1234567.9", 1234567.9 },
    };
    for (const auto& c : cases) {
        double value = c.value;
        EXPECT_STREQ(entryValidate(&value, c.fieldWidth, c.decimals), c.text) << c.value;
        EXPECT_DOUBLE_EQ(value, c.after) << c.value;
    }
    EXPECT_STREQ(entryValidate(nullptr, 10, 2), "");
}

TEST(RoundCeil, RoundsTowardsPositiveInfinityAndReportsTheRemainder)
{
    struct {
        double value;
        int decimals;
        double result;
        double remainder;
    } cases[] = {
        { 2.001, 2, 2.01, 0.001 },
        { 5.0, 0, 5.0, 0.0 },
        { -1.234, 2, -1.23, -0.004 },
        { 1.5, -3, 2.0, 0.5 },
        { 0.0, 3, 0.0, 0.0 },
        { 7.25, 1, 7.3, 0.05 },
        // Already at most that many decimals, though not exact in binary: unchanged.
        { 0.07, 2, 0.07, 0.0 },
        { 0.57, 2, 0.57, 0.0 },
        { 1.1, 1, 1.1, 0.0 },
        { 2.0001, 3, 2.001, 0.0001 },
    };
    for (const auto& c : cases) {
        double remainder = 99;
        EXPECT_DOUBLE_EQ(roundCeil(c.value, c.decimals, &remainder), c.result) << c.value;
        EXPECT_NEAR(remainder, c.remainder, 1e-9) << c.value;
        EXPECT_DOUBLE_EQ(roundCeil(c.value, c.decimals, nullptr), c.result) << c.value;
    }
}

TEST(RoundCeilText, PrintsWithTheDecimalsAsMinimumWidth)
{
    CString text;
    EXPECT_DOUBLE_EQ(roundCeilText(2.001, 2, &text), 2.01);
    EXPECT_STREQ(text, "2.01");
    EXPECT_DOUBLE_EQ(roundCeilText(0.1, 6, &text), 0.1);
    EXPECT_STREQ(text, "0.100000");
    EXPECT_DOUBLE_EQ(roundCeilText(3.2, 0, &text), 4.0);
    EXPECT_STREQ(text, "4");
    EXPECT_DOUBLE_EQ(roundCeilText(1.0, 5, nullptr), 1.0);
}

TEST(IsDecimalValid, AcceptsSignsDigitsAndOnePoint)
{
    for (const char* good : { "12.5", "-3", "+4", "1-2", "++1", "0", ".5", "5.", "-+1", "+" })
        EXPECT_TRUE(isDecimalValid(good)) << good;
    for (const char* bad : { "1.2.3", "--1", "+-1", "1e5", "", " 1", "1,5", "abc", "-1-" })
        EXPECT_FALSE(isDecimalValid(bad)) << bad;
    EXPECT_FALSE(isDecimalValid(nullptr));
}

TEST(PrintFixed, KeepsThePointUnderAUserLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    // de_DE may be missing on the machine; the check is then the same as in the C locale.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_STREQ(printFixed(1.5, 6, 2), "  1.50");
    double value = 2.345;
    formatDecimalPlace(nullptr, 4, 1, 5, &value);
    EXPECT_DOUBLE_EQ(value, 2.3);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(PrintFixed, WildArgumentsStayBounded)
{
    EXPECT_EQ(printFixed(1.0, 1 << 30, 0).GetLength(), 4096);
    EXPECT_STREQ(printFixed(-INFINITY, 0, 2), "-inf");
    EXPECT_EQ(printFixed(1e308, 0, 2).GetLength(), 312);
    EXPECT_EQ(printFixed(1.0, 0, 5000).GetLength(), 1102);
}

// The C library in the C locale is the reference: the same text for every width and precision
// the report uses, halfway cases and long prints included.
TEST(PrintFixed, MatchesPrintfInTheCLocale)
{
    const double values[] = { 0.0, -0.0, 0.125, 2.675, -2.5, 1.005, 0.0049, 123456.789, -0.001,
        1e15 + 0.5, 9.995, 1e-7, 4503599627370497.0, 1e300, -3.0 / 7 };
    const int widths[] = { -1, 0, 3, 12, -12, 60 };
    const int precisions[] = { 0, 1, 2, 6, 17, 70 };
    for (double value : values) {
        for (int width : widths) {
            for (int precision : precisions) {
                char expected[512];
                std::snprintf(expected, sizeof expected, "%*.*f", width, precision, value);
                EXPECT_STREQ(printFixed(value, width, precision), expected)
                    << value << " " << width << " " << precision;
            }
        }
    }
}

TEST(LeadingNumber, ReadsAsStrtodInTheCLocale)
{
    for (const char* text : { "12.5", "   -0.125", "\t\n7", "0.1", "2.675000", ".5", "-.5", "5.",
             "1e5", "1.5e-3x", "1e", "-1e+2", "+3", "0x1p3", "0x", "00x1", "inf", "-nan", "1e400",
             "-1e400", "1e-400", "123456789012345678901234567890", "abc", "", "-", "- 1",
             "4503599627370496.5", "9007199254740993" }) {
        const double expected = std::strtod(text, nullptr);
        const double got = leadingNumber(text);
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(got)) << text;
        else
            EXPECT_EQ(got, expected) << text;
        EXPECT_EQ(std::signbit(got), std::signbit(expected)) << text;
    }
}
