#include <tessilo40.h>
#include <gtest/gtest.h>

namespace {
// Runs one form on a fresh output that starts as "unchanged".
CString run(int (*form)(const char*, CString*), const char* text)
{
    CString out("unchanged");
    EXPECT_EQ(form(text, &out), 0);
    return out;
}

CString raw(const char* text, int numeric)
{
    CString out("unchanged");
    EXPECT_EQ(dateFormat::dateFormatRaw(text, &out, numeric), 0);
    return out;
}

struct Case {
    const char* text;
    const char* longForm;
    const char* rawNumeric;
    const char* rawNamed;
    const char* shortForm;
    const char* layoutLong;
    const char* layoutShort;
};
} // namespace

TEST(DateFormat, AllFormsOfOneText)
{
    const Case cases[] = {
        { "2007-03-05 00:00:00", "March 05,2007", "03/05/2007 00:00:00", "March 05 2007 00:00:00",
            "03/05/07", "March 05,2007", "03/05/2007" },
        { "2007/03/05 10:00:00", "March 05,2007", "03/05/2007 10:00:00", "March 05 2007 10:00:00",
            "03/05/07", "March 05,2007", "03/05/2007" },
        { "1999-12-31 23:59:59.123", "December 31,1999", "12/31/1999 23:59:59.123",
            "December 31 1999 23:59:59.123", "12/31/99", "December 31,1999", "12/31/1999" },
        { "2007-00-05 00:00:00", "?? 05,2007", "00/05/2007 00:00:00", "?? 05 2007 00:00:00",
            "00/05/07", "?? 05,2007", "00/05/2007" },
        { "2007-13-05 ", "?? 05,2007", "13/05/2007", "?? 05 2007", "13/05/07", "?? 05,2007",
            "13/05/2007" },
        // Time parts missing from the left are filled with zeros in the raw form; the blank
        // before the time belongs to the hours.
        { "2007-03-05 :30", "March 05,2007", "03/05/200700:30", "March 05 200700:30", "03/05/07",
            "March 05,2007", "03/05/2007" },
        { "2007-03-05 ::15", "March 05,2007", "03/05/200700:00:15", "March 05 200700:00:15",
            "03/05/07", "March 05,2007", "03/05/2007" },
        { "2007-03-05 10::15", "March 05,2007", "03/05/2007 10:00:15", "March 05 2007 10:00:15",
            "03/05/07", "March 05,2007", "03/05/2007" },
        { "--05 12", "?? 05", "/05 12", "?? 05  12", "/05", "?? 05,", "/05/" },
        { "7-3-5 1:2:3:4", "March 5,7", "3/5/7 1:2:3", "March 5 7 1:2:3", "3/5/7", "March 5,7",
            "3/5/7" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(run(dateFormat::dateFormatLong, c.text), c.longForm);
        EXPECT_EQ(raw(c.text, 1), c.rawNumeric);
        EXPECT_EQ(raw(c.text, 0), c.rawNamed);
        EXPECT_EQ(run(dateFormat::dateFormatShort, c.text), c.shortForm);
        EXPECT_EQ(run(dateFormat::dateFormatLayoutLong, c.text), c.layoutLong);
        EXPECT_EQ(run(dateFormat::dateFormatLayoutShort, c.text), c.layoutShort);
    }
}

TEST(DateFormat, NoBlankAfterTheDayLeavesTheOutputUnchanged)
{
    const char* const texts[]
        = { "", "2007-03-05", "2007-03", "2007", "20070305 10:00:00", nullptr };
    for (const char* text : texts) {
        SCOPED_TRACE(text ? text : "NULL");
        EXPECT_EQ(run(dateFormat::dateFormatLong, text), "unchanged");
        EXPECT_EQ(raw(text, 1), "unchanged");
        EXPECT_EQ(raw(text, 0), "unchanged");
        EXPECT_EQ(run(dateFormat::dateFormatShort, text), "unchanged");
        EXPECT_EQ(run(dateFormat::dateFormatLayoutLong, text), "unchanged");
        EXPECT_EQ(run(dateFormat::dateFormatLayoutShort, text), "unchanged");
    }
    EXPECT_EQ(dateFormat::dateFormatLong("2007-03-05 ", nullptr), 0);
}

TEST(DateFormat, MonthNames)
{
    const char* names[] = { "??", "January", "February", "March", "April", "May", "June", "July",
        "August", "September", "October", "November", "December", "??" };
    for (int m = 0; m <= 13; ++m)
        EXPECT_STREQ(dateFormat::dateFormatMonthName(m), names[m]);
    EXPECT_STREQ(dateFormat::dateFormatMonthName(-1), "??");
}

TEST(DateFormat, SplitterKeepsFieldsAsWritten)
{
    const dateFormat::Fields f = dateFormat::dateFormatSplit("2007-03-05 10:20:30.5:99");
    EXPECT_TRUE(f.dateComplete);
    EXPECT_EQ(f.year, "2007");
    EXPECT_EQ(f.month, "03");
    EXPECT_EQ(f.day, "05");
    EXPECT_EQ(f.hours, "10");
    EXPECT_EQ(f.minutes, "20");
    EXPECT_EQ(f.seconds, "30.5"); // the sixth separator ends the text
    // A separator closes only the field being filled: ":" and "-" are kept elsewhere.
    const dateFormat::Fields g = dateFormat::dateFormatSplit("20:07-0 3-0-5 1-0");
    EXPECT_EQ(g.year, "20:07");
    EXPECT_EQ(g.month, "0 3");
    EXPECT_EQ(g.day, "0-5");
    EXPECT_EQ(g.hours, "1-0");
    EXPECT_FALSE(dateFormat::dateFormatSplit("2007-03-05").dateComplete);
    EXPECT_EQ(dateFormat::dateFormatSplit("12345-1-1 ", true).year, "45");
}
