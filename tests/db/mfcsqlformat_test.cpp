// The statement helpers that need no database: number and timestamp formatting, text holders,
// binding buffers, totals slots and title layout.
#include "db/mfcsql.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct DecimalCase {
    const char* name;
    const char* outBefore;
    bool withOut;
    bool withValue;
    double value;
    int numberWidth;
    unsigned outWidth;
    int decimals;
    int currency;
    int parenthesise;
    const char* outAfter;
    double valueAfter;
};

class FormatDecimalPlace : public testing::TestWithParam<DecimalCase> { };

// "($", 117 blanks, "1.5)" would be 123 characters: the first 99 are kept.
const std::string kCutAt99 = "($" + std::string(97, ' ');

TEST_P(FormatDecimalPlace, RoundsTheValueAndFormatsTheText)
{
    const DecimalCase& c = GetParam();
    MfcSQL sql;
    CString out(c.outBefore);
    double value = c.value;
    EXPECT_EQ(sql.MfcSQLFormatDecimalPlace(c.withOut ? &out : nullptr, c.numberWidth, c.outWidth,
                  c.withValue ? &value : nullptr, c.decimals, c.currency, c.parenthesise),
        0);
    EXPECT_STREQ(out.GetString(), c.outAfter);
    EXPECT_DOUBLE_EQ(value, c.valueAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatDecimalPlace,
    testing::Values(
        DecimalCase { "ZeroWidthChangesNothing", "", true, true, 1.234, -1, 0, 2, 0, 0, "", 1.234 },
        DecimalCase { "EmptyOutBecomesZero", "", true, false, 0, -1, 5, 2, 0, 0, "0.0", 0 },
        DecimalCase { "RightAligned", "x", true, true, 3.14159, -1, 8, 2, 0, 0, "    3.14", 3.14 },
        DecimalCase {
            "CurrencyInParentheses", "x", true, true, 12.5, -1, 7, 1, 1, 1, "($   12.5)", 12.5 },
        DecimalCase { "NumberWidthPadsBeforeTheOutWidth", "x", true, true, 2.0, 6, 3, 0, 0, 0,
            "     2", 2.0 },
        DecimalCase { "ValueOnly", "x", false, true, 9.876, -1, 4, 1, 0, 0, "x", 9.9 },
        DecimalCase { "TextLongerThanTheWidthIsKept", "x", true, true, 12345.678, -1, 3, 2, 0, 0,
            "12345.68", 12345.68 },
        DecimalCase { "WideTextIsCutAt99Characters", "x", true, true, 1.5, -1, 120, 1, 1, 1,
            kCutAt99.c_str(), 1.5 }),
    [](const testing::TestParamInfo<DecimalCase>& info) { return std::string(info.param.name); });

// Prints longer than the report's 99-character buffer, with few decimals and with more than a
// cell's: the text and the value read back are those of the first 99 characters.
TEST(FormatDecimalPlaceLong, PrintIsCutAt99BeforeItIsReadBack)
{
    MfcSQL sql;
    for (int decimals : { 0, 2, 80 }) {
        char print[512];
        std::snprintf(print, sizeof print, "%.*f", decimals, 1e120);
        const std::string kept(print, 99);
        CString out("x");
        double value = 1e120;
        sql.MfcSQLFormatDecimalPlace(&out, -1, 5, &value, decimals, 0, 0);
        EXPECT_EQ(std::string(out.GetString()), kept) << decimals;
        EXPECT_DOUBLE_EQ(value, std::strtod(kept.c_str(), nullptr)) << decimals;
    }
}

TEST(MfcSQLFormatNumber, PadsShortTextAndPrefixesLongTextWithWidthBlanks)
{
    MfcSQL sql;
    struct {
        const char* in;
        unsigned width;
        const char* out;
    } cases[] = { { "42", 5, "   42" }, { "12345", 5, "12345" }, { "123456", 3, "   123456" },
        { "", 2, "  " } };
    for (const auto& c : cases) {
        CString text(c.in);
        EXPECT_EQ(sql.MfcSQLFormatNumber(&text, c.width), 0);
        EXPECT_STREQ(text.GetString(), c.out) << c.in << " / " << c.width;
    }
}

TEST(ConvertCStringToSYSTEMTIMEDate, SplitsSixFieldsAndLeavesTheRest)
{
    MfcSQL sql;
    struct {
        const char* text;
        WORD fields[6];
    } cases[] = {
        { "2004-05-06 07:08:09", { 2004, 5, 6, 7, 8, 9 } },
        { "2007/03/05 10:00:00.5", { 2007, 3, 5, 10, 0, 0 } },
        { "2004-05-06", { 2004, 5, 6, 0, 0, 0 } },
        { "1999-12-31 23:59", { 1999, 12, 31, 23, 59, 0 } },
    };
    for (const auto& c : cases) {
        SYSTEMTIME time;
        std::memset(&time, 0x4d, sizeof time);
        EXPECT_EQ(sql.ConvertCStringToSYSTEMTIMEDate(c.text, &time), 0);
        WORD got[6]
            = { time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond };
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(got[i], c.fields[i]) << c.text << " field " << i;
        EXPECT_EQ(time.wDayOfWeek, 0x4d4d);
        EXPECT_EQ(time.wMilliseconds, 0x4d4d);
    }
    SYSTEMTIME untouched {};
    EXPECT_EQ(sql.ConvertCStringToSYSTEMTIMEDate("", &untouched), E_UNEXPECTED);
    EXPECT_EQ(untouched.wYear, 0);
    EXPECT_EQ(sql.ConvertCStringToSYSTEMTIMEDate("2004-01-01 00:00:00", nullptr), 0);
}

TEST(MfcSQLDefaults, NotConnectedWithSeparatorDecimalsAndShownColumns)
{
    MfcSQL sql;
    EXPECT_EQ(sql.m_ODBCItem.henv, nullptr);
    EXPECT_EQ(sql.m_ODBCItem.hdbc, nullptr);
    EXPECT_EQ(sql.m_ODBCItem.separator, '-');
    EXPECT_EQ(sql.m_ODBCItem.decimalPlaces, 2u);
    for (const ColumnFormat& format : sql.m_ODBCItem.columnFormat) {
        EXPECT_EQ(format.shown, 1);
        EXPECT_EQ(format.reserved, 1);
        EXPECT_EQ(format.totals, 1);
    }
    EXPECT_EQ(sql.MfcSQLDeInit(), 0);
    EXPECT_EQ(sql.MfcSQLDeInit(), 0);
}

TEST(MfcSQLTextHolder, SizesZeroesAndRejectsEmptyInput)
{
    MfcSQL sql;
    EXPECT_EQ(sql.MfcSQLSetSQLBuff(0), nullptr);
    _ODBCItemBuff* buff = sql.MfcSQLSetSQLBuff(10);
    ASSERT_NE(buff, nullptr);
    EXPECT_EQ(buff->size, 10u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(buff->buffer[i], '\0');

    long count = 5;
    char empty[] = "";
    char text[] = "no semicolon here";
    EXPECT_EQ(sql.MfcSQLExecStr(nullptr, &count, buff), E_UNEXPECTED);
    EXPECT_EQ(sql.MfcSQLExecStr(empty, &count, buff), E_UNEXPECTED);
    EXPECT_EQ(sql.MfcSQLExecStr(text, &count, nullptr), E_UNEXPECTED);
    EXPECT_EQ(sql.ParceSQL(&count, nullptr), E_UNEXPECTED);
    // Copied up to the holder's size; nothing runs without a semicolon.
    EXPECT_EQ(sql.MfcSQLExecStr(text, &count, buff), 0);
    EXPECT_STREQ(buff->buffer, "no semicol");
    EXPECT_EQ(count, 5);
    EXPECT_EQ(sql.MfcSQLFreeSQLBuff(buff), 0);
    EXPECT_EQ(sql.MfcSQLFreeSQLBuff(nullptr), 0);
}

TEST(MfcSQLBindings, AdjustGivesABufferOnlyToBindingsWithoutOne)
{
    MfcSQL sql;
    STR_BINDING binding {};
    EXPECT_EQ(sql.reportAdjustBindingSize(nullptr, 10, 0), E_FAIL);
    EXPECT_EQ(sql.reportAdjustBindingSize(&binding, 0, 0), E_FAIL);
    EXPECT_EQ(sql.reportAdjustBindingSize(&binding, 258, 0), E_FAIL);
    EXPECT_EQ(binding.text, nullptr);
    EXPECT_EQ(sql.reportAdjustBindingSize(&binding, 257, 0), 0);
    ASSERT_NE(binding.text, nullptr);
    EXPECT_EQ(binding.displayWidth, 257);
    EXPECT_EQ(binding.indicator, 257);
    char* first = binding.text;
    EXPECT_EQ(sql.reportAdjustBindingSize(&binding, 12, 0), 0);
    EXPECT_EQ(binding.text, first);
    EXPECT_EQ(binding.displayWidth, 257);
    std::free(binding.text);
    EXPECT_EQ(sql.SQLFreeBindings(nullptr, 0, nullptr), E_UNEXPECTED);
}

TEST(MfcSQLTotals, ClearMarksEverySlotFreeWithTheDefaultDecimals)
{
    MfcSQL sql;
    sql.MfcSQLSetDecimalPlaces(3);
    sql.m_ODBCItem.integerTotals[4].total = 99;
    sql.m_ODBCItem.decimalTotals[4].subTotal = 1.5;
    EXPECT_EQ(sql.MfcSQLTotalsClear(), 0);
    for (int i = 0; i < MFCSQL_COLUMNS; ++i) {
        EXPECT_EQ(sql.m_ODBCItem.integerTotals[i].column, -1);
        EXPECT_EQ(sql.m_ODBCItem.integerTotals[i].total, 0);
        EXPECT_EQ(sql.m_ODBCItem.decimalTotals[i].column, -1);
        EXPECT_EQ(sql.m_ODBCItem.decimalTotals[i].subTotal, 0.0);
        EXPECT_EQ(sql.m_ODBCItem.decimalTotals[i].decimals, 3);
    }
}

TEST(MfcSQLTitles, BuildTitleLaysOutPadsAndUnderlines)
{
    MfcSQL sql;
    sql.MfcSQLSetTitleSeperatorLineChar('=');
    STR_BINDING second { 8, nullptr, 0, TRUE, SQL_VARCHAR, nullptr };
    STR_BINDING first { 6, nullptr, 0, FALSE, SQL_INTEGER, &second };
    char id[] = "id";
    char name[] = "\r\nname";
    CString built = sql.MfcSQLBuildTitle(id, &first, 0, 1);
    EXPECT_STREQ(built.GetString(), "id     ");
    built = sql.MfcSQLBuildTitle(name, &second, 1, 0);
    // Leading line breaks widen the field; the underline leaves them out.
    std::string expected = std::string("id     ") + "\r\nname     " + "\r\n"
        + std::string(7 + 11 - 2 - 2, '=') + "\r\n";
    EXPECT_EQ(std::string(built.GetString()), expected);
    // Without reset the accumulator keeps growing; with reset it starts again.
    EXPECT_EQ(
        std::string(sql.MfcSQLBuildTitle(id, &first, 0, 0).GetString()), expected + "id     ");
    EXPECT_STREQ(sql.MfcSQLBuildTitle(id, &first, 0, 1).GetString(), "id     ");
}

} // namespace
