// bookMfcSQL: the report writer. Turns every result set of a statement into a fixed-width text
// report in the statement's output views: an optional date line and letterhead, column titles,
// every cell padded to its column, and per-column totals and sub-totals blocks with centred
// labels. A report layout (bookReport) may narrow columns and continue long text under the row.
#pragma once

#include "db/mfcsql.h"
#include "tessilo40_api.h"

class TESSILO40_API bookMfcSQL : public MfcSQL {
public:
    explicit bookMfcSQL(long* result);
    bookMfcSQL(char* connect, long* result);
    bookMfcSQL(const bookMfcSQL& other) = default;
    bookMfcSQL& operator=(const bookMfcSQL& other) = default;
    ~bookMfcSQL() override;

    void MfcSQLWantTitles(int on) { m_wantTitles = on; }
    void MfcSQLWantTotals(int on) { m_wantTotals = on; }
    void MfcSQLWantLetterHead(int on) { m_wantLetterHead = on; }
    void MfcSQLWantDate(int on) { m_wantDate = on; }
    void MfcSQLWantFieldWrapping(int on) { m_wantFieldWrapping = on; }

    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override;
    long MfcSQLOutputTitleString(CString titles) override;
    // Writes a whole result set; returns the next row number.
    long SQLDisplayResults(void* hstmt, short columns) override;
    long SQLDisplayTitles(void* hstmt, unsigned long width, STR_BINDING* bindings) override;

    // The title of column `name`; empty skips the column's title. The default keeps the name.
    virtual long MfcSQLSupplyTitle(CString* title, long index, char* name);
    virtual long MfcSQLSupplyDate();
    virtual long MfcSQLSupplyLetterHead();
    virtual long MfcSQLSupplyTotals(long* row);
    virtual long MfcSQLSupplySubTotals(long* row);
    virtual long MfcSQLSupplySubTotalsSubTotals(long* row);
    virtual long SQLDisplayResultsLastRow(STR_BINDING* bindings, long* row, void* hstmt);

    // How many of the totals slots 1 to 49 hold a total (slot 0 is never counted).
    long MfcODBCTotals(_ODBCItem* unused);
    // The whole text of the rich-edit output, or empty.
    CString MfcSQLOutputGetText();
    // An integer running total plus a value: the totals are 32 bits wide and wrap around
    // (defined, unlike signed overflow) past 2,147,483,647.
    static LONG MfcSQLAddTotal(LONG total, long value)
    {
        return static_cast<LONG>(static_cast<ULONG>(total) + static_cast<ULONG>(value));
    }
    long MfcSQLFormatDate(char* text, CString* out);
    long MfcSQLFormatDateRaw(char* text, CString* out, int numeric);
    long MfcSQLFormatDateShort(char* text, CString* out);

    // The fourteen switches, in order; the owner sets those without a setter directly.
    int m_wantTitles; // column titles before the first row
    int m_titleText; // 0: titles are asked for but not written
    int m_wantTotals; // numeric cells are totalled and a totals block ends the report
    int m_wantSubTotals; // with totals: a sub-totals block before the totals block
    int m_totalsBlock; // with totals: the blocks at the end are allowed
    int m_clearTotals; // the totals slots are cleared at the start of every result set
    int m_wantLetterHead; // one-shot: a letterhead before the next result set
    int m_wantDate; // one-shot: a date line before the next result set
    int m_wantFieldWrapping; // text wider than a layout column continues under the row
    int m_resultPage; // for the query page's routing; not read here
    int m_resultPageDone; // for the query page; not read here
    int m_shortDate; // with totals and no layout: 1 short dates, 0 numeric raw dates
    int m_firstRow; // 0 or more: the next result set's rows are numbered from here
    int m_lastRowPhase; // 1 while SQLDisplayResultsLastRow runs (no cells go to the layout)

protected:
    // Not connected: the owner connects with MfcSQLInit, so that its own diagnostics
    // operations already receive those of the connect.
    bookMfcSQL();

private:
    void setDefaults();
    // The totals blocks share one procedure: the label, running totals or sub-totals, and
    // whether slots marked to be left out are left out.
    long supplyTotalsBlock(
        long* row, const char* label, bool subTotals, bool honourLeaveOut, bool restoreSelection);
    void supplyTotalsList(bool subTotals, bool honourLeaveOut);
    CString totalText(int slot, bool subTotals);

    // The room of the last cell's text, lent to the next cell so that cells wider than a short
    // string cost no allocation.
    CString m_cellRoom;
};
