// bookReport: the report layout an owner attaches to a statement (MfcSQLSetBookReport). The
// statement marks every title block it hands to the rich-edit view with the layout's report number,
// and asks the view for the titles of that report. The report writer consults the layout at fixed
// points: before the titles, before and after each cell, after each row and after the last row;
// per column the layout can narrow the print width, choose decimals, a currency mark and short
// dates, and collect the rest of over-long text cells on continuation lines under the row.
#pragma once

#include "tessilo40_api.h"

struct STR_BINDING;
class CRichEditCtrl;

#define BOOKREPORT_COLUMNS 50

// One column of the layout, indexed like the writer's columns.
struct bookReportColumn {
    int active; // 0: the column is printed at its display width
    int totalling;
    unsigned width; // print width
    unsigned boundWidth; // display width as bound
    double share; // of the sum of all widths
    long owner[2];
    long start; // where the column starts in a continuation line
    const char* continuation; // rest of the cell still to print (set by the writer)
    long continuationLength;
    int shortDate; // 1: numeric short dates, 0: the long form
    unsigned decimals;
    int currency; // 1: a "$" stands left of the number
};

// One continuation line under a report row.
struct _bookReportLine {
    int number; // counts from 1 over the layout's life
    char* text; // width blanks and a NUL
    int width;
    _bookReportLine* next;
    int printed;
    int used;
};

class TESSILO40_API bookReport {
public:
    bookReport();
    virtual ~bookReport();
    bookReport(const bookReport&) = delete;
    bookReport& operator=(const bookReport&) = delete;

    // The number of the report being written; -1 = none (the default, and whenever the layout is
    // attached to or detached from a statement).
    long reportGetID() const { return m_reportID; }
    void reportSetID(long id) { m_reportID = id; }

    // Called instead of the writer's own titles; non-zero when the layout wrote them. The plain
    // layout leaves the titles to the writer.
    virtual long reportSupplyTitle(STR_BINDING* bindings, void* hstmt);
    // Offered every cell before the writer writes it; non-zero when the layout took it. The plain
    // layout marks non-character columns for totalling and leaves the cell to the writer.
    virtual long reportOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt);
    // Offered every column once after the last row.
    virtual long reportOutputLast(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt);

    bookReportColumn* reportColumn(long column);

    // Continuation lines: makes sure there are `count` lines of `width` blanks (renew replaces
    // existing buffers), copies a column's continuation into them, appends the used, non-blank
    // lines to the control and blanks them again.
    long reportLineCreate(long count, long width, int renew);
    long reportLineDestroy();
    long reportColumnInsert(long column);
    long reportLineInsert(CRichEditCtrl* control);
    long reportLineClear();
    static int reportLineIsClear(const _bookReportLine* line);

private:
    long m_reportID = -1;
    bookReportColumn m_columns[BOOKREPORT_COLUMNS];
    _bookReportLine* m_lines = nullptr;
    long m_lineCount = 0;
};
