// bookReport: the report layout an owner attaches to a statement (MfcSQLSetBookReport). The
// statement marks every title block it hands to the rich-edit view with the layout's report number,
// and asks the view for the titles of that report. The report writer consults the layout at fixed
// points: before the titles, before and after each cell, after each row and after the last row;
// per column the layout can narrow the print width, choose decimals, a currency mark and short
// dates, and collect the rest of over-long text cells on continuation lines under the row.
#pragma once

#include "tessilo40_api.h"

#include <afxstr.h>

struct STR_BINDING;
class CRichEditCtrl;
class CFont;
class CDC;
class CEdit;
struct CPrintInfo;
class BookSQL;
class bookMfcSQL;
class bookRichEdit;

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
    // A layout without a book or writer: the writer keeps writing its own titles.
    bookReport();
    // A layout for the writer of an SQL book; the owner attaches it (MfcSQLSetBookReport). The
    // result is 0x8000FFFF while the book, the writer or the rich-edit view is missing: the view
    // is given later with reportSetRichEdit.
    bookReport(BookSQL* owner, bookMfcSQL* writer, long* result);
    virtual ~bookReport();
    bookReport(const bookReport&) = delete;
    bookReport& operator=(const bookReport&) = delete;

    // The number of the report being written; -1 = none (the default, and whenever the layout is
    // attached to or detached from a statement).
    long reportGetID() const { return m_reportID; }
    void reportSetID(long id) { m_reportID = id; }

    // The virtual operations, in slot order.
    // Frees the lines and the SQL text, detaches from the writer, deletes the report font.
    virtual void Destroy();
    // Called instead of the writer's own titles; the number of columns when the layout wrote
    // them (every column reset to its display width), 0 to leave them to the writer (a layout
    // without a writer).
    virtual long reportSupplyTitle(STR_BINDING* bindings, void* hstmt);
    // Titles of printed pages, and the hooks around a run: nothing here, for owners.
    virtual long reportSupplyTitle(CDC* dc, CPrintInfo* info, long page);
    virtual long MfcSQLExecStrPre(CEdit* edit, long* count);
    virtual long MfcSQLExecStrPost(CEdit* edit, long* count, long result);
    // Offered every cell before the writer writes it; non-zero when the layout took it. The plain
    // layout marks non-character columns for totalling and leaves the cell to the writer.
    virtual long reportOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt);
    // Offered every column once after the last row.
    virtual long reportOutputLast(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt);
    // Clears the columns and the file name and frees the SQL text.
    virtual long reportReset();

    long reportSetFieldWrapping(int on);
    long reportSetFile(char* name);
    // Copies `length` bytes of SQL to run; 0x8000FFFF for no text.
    long reportSetExecStr(char* sql, long length);
    // Runs the query page's text through the book; 0 without a writer or query page.
    long reportExec(long* result);
    // Runs the SQL through the query page's edit control, emptied again after a good run.
    long reportExecFromSQL(CString sql, long* result);
    // Runs the SQL of the report file, read from the "InstallDrive" drive; 0 and nothing run
    // when it cannot be opened, 0x8000FFFF without a file name.
    long reportExecFromFile(long* result);
    // The path reportExecFromFile reads: the drive of "InstallDrive" and the file name without
    // its own drive.
    CString reportFilePath();
    long reportCreateFont(int points, char* face);
    void reportSetRichEdit(bookRichEdit* view) { m_richEdit = view; }
    void reportSetParm(void* parm) { m_parm = parm; }
    void* reportGetParm() const { return m_parm; }
    long reportAdjustBindingSize(STR_BINDING* binding, long width, long unused);
    long reportFormatDate(char* text, CString* out);
    long reportFormatDateShort(char* text, CString* out);
    const char* reportGetExecStr() const { return m_sql; }

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
    BookSQL* m_book = nullptr;
    bookRichEdit* m_richEdit = nullptr;
    bookMfcSQL* m_writer = nullptr;
    CFont* m_font = nullptr;
    char* m_sql = nullptr;
    long m_sqlLength = 0;
    char m_file[260] = {};
    int m_fieldWrapping = 0;
    void* m_parm = nullptr;
    long m_reportID = -1;
    bookReportColumn m_columns[BOOKREPORT_COLUMNS];
    _bookReportLine* m_lines = nullptr;
    long m_lineCount = 0;
};
