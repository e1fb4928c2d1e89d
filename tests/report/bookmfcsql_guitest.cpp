// The report writer's text, derived from its layout rules: every cell padded to the display
// width the driver reports, one blank after it, CR LF before each row; titles and their
// underline; totals blocks with the label centred in the separator line; date forms; the date
// line and the letterhead; the list form of rows and totals. Run on SQLite and PostgreSQL.
//
// The drivers report different display sizes for the same columns, so the expected texts take
// the widths as parameters: INTEGER is 10 wide in SQLite's driver and 11 in psqlODBC (room for
// the sign); REAL 54 in SQLite (it reports every floating type as DOUBLE) and 15 in psqlODBC
// (float4); TIMESTAMP 32 and 26. VARCHAR(n) is n in both. SQLite does not enforce VARCHAR
// lengths, so only there a value can be longer than its column and is cut to the width.
#include "report/bookmfcsql.h"
#include "report/bookreport.h"
#include "testdb.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <atltime.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Widths {
    int qty; // INTEGER
    int flow; // REAL
    int ts; // TIMESTAMP
};

std::string left(const std::string& text, int width)
{
    return text + std::string(static_cast<size_t>(width) - text.size(), ' ');
}
std::string right(const std::string& text, int width)
{
    return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}
std::string repeat(char ch, int count) { return std::string(static_cast<size_t>(count), ch); }
// A separator line of `length` characters with the label starting at length/2 - label/2.
std::string separatorLine(int length, const std::string& label)
{
    int from = length / 2 - static_cast<int>(label.size()) / 2;
    return repeat('-', from) + label + repeat('-', length - from - static_cast<int>(label.size()));
}
std::string today()
{
    static const char* const months[] = { "January", "February", "March", "April", "May", "June",
        "July", "August", "September", "October", "November", "December" };
    CTime now = CTime::GetCurrentTime();
    return std::string(months[now.GetMonth() - 1]) + " " + std::to_string(now.GetDay()) + ","
        + std::to_string(now.GetYear()) + "\r\n\r\n";
}

class LetterheadEdit : public bookEdit {
public:
    long bookEditSupplyLetterHead(CString* text, CPrintInfo*) override
    {
        *text = "Rivanta Water\r\n";
        return 0;
    }
};

class LetterheadRich : public bookRichEdit {
public:
    long bookEditSupplyLetterHead(CString* text, CPrintInfo*) override
    {
        *text = "Rivanta Water\r\n";
        return 0;
    }
    long bookEditSupplyAlignment(unsigned int* alignment) override
    {
        *alignment = 1;
        return 0;
    }
    long bookEditSupplyLetterHeadFont(LOGFONTA* font, long* points) override
    {
        std::strcpy(font->lfFaceName, "Arial");
        font->lfWeight = FW_BOLD;
        *points = 16;
        return 0;
    }
};

class ReportWriter : public BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        bool sqlite = GetParam() == "SQLite";
        widths = sqlite ? Widths { 10, 54, 32 } : Widths { 11, 15, 26 };
        exec("CREATE TABLE m (name VARCHAR(8), qty INTEGER, zone VARCHAR(6), flow REAL, "
             "ts TIMESTAMP)");
        exec("INSERT INTO m VALUES ('east', NULL, 'e1', 0.126, '2007-11-20 08:09:10')");
        exec("INSERT INTO m VALUES ('north', 3, 'n1', 1.5, '2007-03-05 10:20:30')");
        exec(std::string("INSERT INTO m VALUES ('") + (sqlite ? "southwestern" : "southwes")
            + "', 10, 'sw', 2.25, NULL)");
        ASSERT_TRUE(host.CreateEx(
            0, nullptr, "host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr));
        connect = m_db->connectString();
        long result = 0;
        writer = std::make_unique<bookMfcSQL>(const_cast<char*>(connect.c_str()), &result);
        ASSERT_EQ(result, 0);
        writer->MfcSQLWantDate(0);
    }
    void TearDown() override
    {
        writer.reset();
        host.DestroyWindow();
    }
    template <typename View> void create(View& view)
    {
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 600), &host, 1));
        writer->MfcSQLSetOutput(&view);
    }
    long run(const std::string& sql)
    {
        _ODBCItemBuff* buff = writer->MfcSQLSetSQLBuff(static_cast<unsigned>(sql.size()));
        long count = -1;
        writer->MfcSQLExecStr(const_cast<char*>(sql.c_str()), &count, buff);
        writer->MfcSQLFreeSQLBuff(buff);
        return count;
    }
    static std::string textOf(CWnd& view)
    {
        CString text;
        view.GetWindowText(text);
        return text.GetString();
    }

    // The rows of "SELECT name, qty, zone, flow FROM m ORDER BY name" with totals on.
    std::string rows() const
    {
        int q = widths.qty;
        int f = widths.flow;
        return "\r\neast     " + repeat(' ', q) + " e1     " + right("0.13", f) + " "
            + "\r\nnorth    " + right("3", q) + " n1     " + right("1.50", f) + " "
            + "\r\nsouthwes " + right("10", q) + " sw     " + right("2.25", f) + " ";
    }
    // Its totals block: blanks under the text columns, the NULL keeping qty's place.
    std::string totalsBlock(const std::string& label) const
    {
        int q = widths.qty;
        int f = widths.flow;
        int length = 9 + (q + 1) + 7 + (f + 1) + 1;
        return "\r\n" + separatorLine(length, label) + "\r\n" + repeat(' ', 8) + " "
            + right("13", q) + " " + repeat(' ', 6) + " " + right("3.88", f) + "\r\n";
    }

    Widths widths {};
    std::string connect;
    CWnd host;
    std::unique_ptr<bookMfcSQL> writer;
};

TEST_P(ReportWriter, EditViewTotalsKeepTextColumnsAndNullPlaces)
{
    bookEdit view;
    create(view);
    writer->MfcSQLWantTotals(1);
    run("SELECT name, qty, zone, flow FROM m ORDER BY name;");
    int q = widths.qty;
    int f = widths.flow;
    std::string titles = "name     " + left("qty", q) + " zone   " + left("flow", f) + " \r\n"
        + repeat('-', 9 + (q + 1) + 7 + (f + 1) - 2);
    EXPECT_EQ(textOf(view), titles + rows() + totalsBlock(" Totals "));
}

// Each append to the edit control costs several messages, so a row's cells reach the view in one
// append when the row is complete.
TEST_P(ReportWriter, EditViewTakesEachRowInOneAppend)
{
    class RecordingEdit : public bookEdit {
    public:
        void bookEditAppend(const CString& text) override
        {
            appends.emplace_back(text.GetString());
            bookEdit::bookEditAppend(text);
        }
        std::vector<std::string> appends;
    } view;
    create(view);
    writer->MfcSQLWantTotals(1);
    run("SELECT name, qty, zone, flow FROM m ORDER BY name;");
    const std::string all = rows();
    for (size_t from = 0; from < all.size();) {
        const size_t next = std::min(all.find("\r\n", from + 2), all.size());
        const std::string row = all.substr(from, next - from);
        EXPECT_EQ(std::count(view.appends.begin(), view.appends.end(), row), 1) << row;
        from = next;
    }
}

TEST_P(ReportWriter, RichViewWritesSubTotalsThenTotalsInBold)
{
    bookRichEdit view;
    create(view);
    writer->MfcSQLWantTotals(1);
    writer->m_wantSubTotals = 1;
    run("SELECT name, qty, zone, flow FROM m ORDER BY name;");
    // The rich-edit view gets the titles with the report marker; numeric titles right-aligned.
    std::string titles = "[-[-1]-]\r\nname     " + right("qty", widths.qty) + " zone   "
        + right("flow", widths.flow) + " \r\n";
    std::string text = textOf(view);
    EXPECT_EQ(text, titles + rows() + totalsBlock(" Sub-Totals ") + totalsBlock(" Totals "));

    CRichEditCtrl& edit = view.GetRichEditCtrl();
    CHARFORMAT format {};
    format.cbSize = sizeof format;
    // Text typed at the caret after the block is plain again.
    long end = edit.GetTextLengthEx(GTL_DEFAULT);
    edit.ReplaceSel("x");
    edit.SetSel(end, end + 1);
    edit.GetSelectionCharFormat(format);
    EXPECT_FALSE(format.dwEffects & CFE_BOLD);
    // The block itself is bold; a rich-edit position counts a line end as one character.
    size_t label = text.find(" Totals ");
    long labelAt = static_cast<long>(label)
        - static_cast<long>(
            std::count(text.begin(), text.begin() + static_cast<long>(label), '\n'));
    edit.SetSel(labelAt, labelAt + 3);
    edit.GetSelectionCharFormat(format);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
}

TEST_P(ReportWriter, ListViewRowsCarryOneAndTotalsRowsZero)
{
    bookListSQL list;
    ASSERT_EQ(list.bookListSQLCreate(&host, 2, CRect(0, 0, 800, 600)), 0);
    list.bookListSetSeparator('=');
    writer->MfcSQLSetOutput(&list);
    writer->MfcSQLWantTotals(1);
    run("SELECT name, qty, zone, flow FROM m ORDER BY name;");
    CListCtrl& control = list.GetListCtrl();
    ASSERT_EQ(control.GetItemCount(), 5);
    // The first cell of a row is inserted as rendered, the others trimmed.
    EXPECT_STREQ(control.GetItemText(0, 0), "east    ");
    EXPECT_STREQ(control.GetItemText(0, 1), "");
    EXPECT_STREQ(control.GetItemText(1, 3), "1.50");
    EXPECT_STREQ(control.GetItemText(2, 0), "southwes");
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(control.GetItemData(row), 1u) << row;
    EXPECT_STREQ(control.GetItemText(3, 0), "========");
    EXPECT_EQ(std::string(control.GetItemText(3, 3)), repeat('=', widths.flow));
    EXPECT_STREQ(control.GetItemText(4, 0), "");
    EXPECT_EQ(std::string(control.GetItemText(4, 1)), right("13", widths.qty));
    EXPECT_EQ(std::string(control.GetItemText(4, 3)), right("3.88", widths.flow));
    EXPECT_EQ(control.GetItemData(3), 0u);
    EXPECT_EQ(control.GetItemData(4), 0u);
    EXPECT_EQ(list.itemDataFind(0), 3);
    EXPECT_EQ(list.itemDataFind(7), -1);
}

TEST_P(ReportWriter, NoTotalsBlockWhenOnlyTheFirstColumnTotals)
{
    bookEdit view;
    create(view);
    writer->MfcSQLWantTotals(1);
    run("SELECT qty, name FROM m WHERE qty = 3;");
    int q = widths.qty;
    EXPECT_EQ(textOf(view),
        left("qty", q) + " name     \r\n" + repeat('-', q + 1 + 9 - 2) + "\r\n" + right("3", q)
            + " north    ");
}

TEST_P(ReportWriter, EmptyResultGetsDateLetterheadAndTitlesOnly)
{
    LetterheadEdit view;
    create(view);
    writer->MfcSQLWantTotals(1);
    writer->MfcSQLWantDate(1);
    writer->MfcSQLWantLetterHead(1);
    EXPECT_EQ(run("SELECT name, qty FROM m WHERE qty = 99;"), 1); // the last-row step counts
    std::string expected = today() + "Rivanta Water\r\nname     " + left("qty", widths.qty)
        + " \r\n" + repeat('-', 9 + widths.qty + 1 - 2);
    EXPECT_EQ(textOf(view), expected);
    EXPECT_EQ(writer->m_wantDate, 0);
    EXPECT_EQ(writer->m_wantLetterHead, 0);
}

TEST_P(ReportWriter, DateLineOnlyBeforeTheFirstOfTwoResultSets)
{
    bookEdit view;
    create(view);
    writer->MfcSQLWantDate(1);
    // A failing statement between them leaves its diagnostic and the text written so far.
    run("SELECT name FROM m WHERE qty = 3; SELECT nowhere FROM m; SELECT zone FROM m WHERE qty = "
        "3;");
    std::string text = textOf(view);
    std::string first = today() + "name     \r\n" + repeat('-', 7) + "\r\nnorth    ";
    ASSERT_EQ(text.substr(0, first.size()), first);
    std::string second = "zone   \r\n" + repeat('-', 5) + "\r\nn1     ";
    ASSERT_GT(text.size(), first.size() + second.size());
    // The second report's titles follow the diagnostic's line end, with no date line.
    EXPECT_EQ(text.substr(text.size() - second.size()), second);
    std::string between = text.substr(first.size(), text.size() - first.size() - second.size());
    EXPECT_EQ(between[0], '[') << between;
    EXPECT_NE(between.find("nowhere"), std::string::npos) << between;
    EXPECT_EQ(between.back(), '\n') << between;
}

struct DecimalCase {
    unsigned places;
    const char* cells[3];
    const char* total;
};

TEST_P(ReportWriter, RealTotalsRoundToTheDecimalPlaces)
{
    const DecimalCase cases[] = {
        { 2, { "0.13", "1.50", "2.25" }, "3.88" },
        { 0, { "0", "2", "2" }, "4" }, // 1.5 and 2.25 round to 2 with no places
    };
    bookEdit view;
    create(view);
    writer->MfcSQLWantTotals(1);
    int f = widths.flow;
    for (const DecimalCase& c : cases) {
        writer->MfcSQLSetDecimalPlaces(c.places);
        view.SetWindowText("");
        run("SELECT name, flow FROM m ORDER BY name;");
        std::string expected = "name     " + left("flow", f) + " \r\n" + repeat('-', 9 + f + 1 - 2)
            + "\r\neast     " + right(c.cells[0], f) + " \r\nnorth    " + right(c.cells[1], f)
            + " \r\nsouthwes " + right(c.cells[2], f) + " \r\n"
            + separatorLine(9 + f + 1 + 1, " Totals ") + "\r\n" + repeat(' ', 9) + right(c.total, f)
            + "\r\n";
        EXPECT_EQ(textOf(view), expected) << c.places;
    }
}

struct DateCase {
    const char* form;
    int totals;
    int shortDate;
    bool layout;
    const char* cell;
};

TEST_P(ReportWriter, DatesInShortRawAndLongForm)
{
    const DateCase cases[] = {
        { "short", 0, 1, false, "03/05/07" }, { "raw", 1, 0, false, "03/05/2007 10:20:30" },
        { "long", 0, 1, true, "March 05,2007" }, // a layout column asks for the long form
    };
    bookEdit view;
    create(view);
    int t = widths.ts;
    for (const DateCase& c : cases) {
        bookReport layout;
        writer->MfcSQLSetBookReport(c.layout ? &layout : nullptr);
        writer->MfcSQLWantTotals(c.totals);
        writer->m_shortDate = c.shortDate;
        view.SetWindowText("");
        run("SELECT ts FROM m WHERE qty = 3;");
        writer->MfcSQLSetBookReport(nullptr);
        EXPECT_EQ(textOf(view),
            left("ts", t) + " \r\n" + repeat('-', t + 1 - 2) + "\r\n" + left(c.cell, t) + " ")
            << c.form;
    }
}

TEST_P(ReportWriter, LetterheadCentredInRichViewThenPlainText)
{
    LetterheadRich view;
    create(view);
    writer->MfcSQLWantLetterHead(1);
    run("SELECT zone FROM m WHERE qty = 3;");
    EXPECT_EQ(textOf(view), "Rivanta Water\r\n[-[-1]-]\r\nzone   \r\n\r\nn1     ");
    CRichEditCtrl& edit = view.GetRichEditCtrl();
    PARAFORMAT paragraph {};
    paragraph.cbSize = sizeof paragraph;
    edit.SetSel(2, 2);
    edit.GetParaFormat(paragraph);
    EXPECT_EQ(paragraph.wAlignment, PFA_CENTER);
    CHARFORMAT format {};
    format.cbSize = sizeof format;
    edit.SetSel(0, 7);
    edit.GetSelectionCharFormat(format);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(format.yHeight, 320);
    long end = edit.GetTextLengthEx(GTL_DEFAULT);
    edit.SetSel(end, end);
    edit.GetParaFormat(paragraph);
    EXPECT_NE(paragraph.wAlignment, PFA_CENTER);
    edit.GetSelectionCharFormat(format);
    EXPECT_FALSE(format.dwEffects & (CFE_BOLD | CFE_UNDERLINE));
}

TEST_P(ReportWriter, NarrowLayoutColumnsContinueTextAndMarkCurrency)
{
    bookRichEdit view;
    create(view);
    bookReport layout;
    writer->MfcSQLSetBookReport(&layout);
    writer->MfcSQLWantFieldWrapping(1);
    bookReportColumn* name = layout.reportColumn(0);
    name->active = 1;
    name->width = 5;
    bookReportColumn* flow = layout.reportColumn(1);
    flow->active = 1;
    flow->width = 8;
    flow->currency = 1;
    ASSERT_EQ(layout.reportLineCreate(2, 20, 0), 0);
    run("SELECT name, flow FROM m WHERE qty = 10;");
    writer->MfcSQLSetBookReport(nullptr);
    // "southwes" is printed in 5 characters and continues on the line under the row; the number
    // is right-aligned in 8 with the "$" just left of it.
    EXPECT_EQ(textOf(view),
        "[-[-1]-]\r\nname     " + right("flow", widths.flow) + " \r\n"
            + "\r\nsouth    $2.25 \r\nwes" + repeat(' ', 17));
    EXPECT_EQ(writer->m_ODBCItem.integerTotals[0].width, 5);
    EXPECT_EQ(writer->m_ODBCItem.decimalTotals[1].width, 8);
}

INSTANTIATE_TEST_SUITE_P(Backends, ReportWriter, testing::ValuesIn(TestDb::backends()),
    [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
