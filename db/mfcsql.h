// MfcSQL: one ODBC environment and connection; runs SQL text statement by statement, binds every
// result column as text and hands titles and cells to virtual output operations.
#pragma once

#include "tessilo40_api.h"
#include <windows.h>
#include <afxstr.h>
#include <sql.h>
#include <sqlext.h>
#include <memory>
#include <vector>

class bookListSQL;
class bookEdit;
class bookRichEdit;
class bookReport;
class CEdit;
struct MfcSQLHandles;

#define MFCSQL_COLUMNS 50
#define MFCSQL_CONNECT_SIZE 512
#define MFCSQL_BINDING_SIZE 262
#define MFCSQL_BINDING_MAX 258

// One result column bound as character data; the list follows the column order.
struct STR_BINDING {
    SQLSMALLINT displayWidth; // characters, never below 6
    char* text; // MFCSQL_BINDING_SIZE bytes from malloc, bound to the column
    SQLLEN indicator; // length or SQL_NULL_DATA, written at each fetch
    BOOL isCharacter; // SQL_CHAR, SQL_VARCHAR or SQL_LONGVARCHAR
    LONG sqlType; // concise SQL type as the driver reports it
    STR_BINDING* next;
};

struct ColumnFormat {
    LONG shown; // 0: the list column gets the width 0
    LONG reserved;
    LONG totals; // read by the report writer before it totals the column
};

struct IntegerTotalSlot {
    LONG on;
    LONG total;
    LONG subTotal;
    LONG column; // -1: slot not in use
    LONG width;
    LONG leaveOut;
    LONG reserved;
    LONG noAccumulate;
};

struct DecimalTotalSlot {
    LONG on;
    double total;
    double subTotal;
    LONG column; // -1: slot not in use
    LONG width;
    LONG reserved;
    LONG leaveOut;
    LONG parenthesise;
    LONG noAccumulate;
    LONG decimals;
};

// The whole state of a statement object; cleared to zero as one block.
struct _ODBCItem {
    SQLHENV henv;
    SQLHDBC hdbc;
    char connect[MFCSQL_CONNECT_SIZE];
    char separator;
    SQLSMALLINT lastReturn;
    bookListSQL* list;
    LONG listColumns;
    bookEdit* edit;
    bookRichEdit* richEdit;
    ColumnFormat columnFormat[MFCSQL_COLUMNS];
    IntegerTotalSlot integerTotals[MFCSQL_COLUMNS];
    DecimalTotalSlot decimalTotals[MFCSQL_COLUMNS];
    ULONG decimalPlaces;
    bookReport* report;
};

// Holder of SQL text: the record from CoTaskMemAlloc, the buffer from new[] (size + 1 bytes).
struct _ODBCItemBuff {
    char* buffer;
    ULONG size;
};

class TESSILO40_API MfcSQL {
public:
    MfcSQL();
    explicit MfcSQL(long* result);
    MfcSQL(char* connect, long* result);
    // A copy shares the connection: the handles go when the last sharer is de-initialised or
    // destroyed.
    MfcSQL(const MfcSQL& other);
    MfcSQL& operator=(const MfcSQL& other);

    // The virtual operations, in slot order.
    virtual long MfcSQLSetOutput(bookRichEdit* output);
    virtual long MfcSQLSetOutput(bookEdit* output);
    virtual long MfcSQLSetOutput(bookListSQL* output);
    virtual long MfcSQLInit(char* connect);
    virtual long MfcSQLInit();
    virtual long MfcSQLDeInit();
    virtual CString ConnectCDatabaseGetConnectStrGetDrive(CString connect);
    virtual long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt);
    virtual CString MfcSQLOutputTitle(long unused);
    virtual CString MfcSQLOutputTitle(char* title, STR_BINDING* binding, long column);
    virtual CString MfcSQLBuildTitle(char* title, STR_BINDING* binding, long column, int reset);
    virtual long MfcSQLOutputTitleString(CString titles);
    virtual long MfcSQLReportIDInsert(long id, CString text);
    virtual long MfcSQLReportIDDelete();
    virtual _ODBCItemBuff* MfcSQLSetSQLBuff(unsigned int size);
    virtual long MfcSQLFreeSQLBuff(_ODBCItemBuff* buff);
    virtual long MfcSQLExecStr(char* sql, long* count, _ODBCItemBuff* buff);
    virtual long MfcSQLExecStrPre(CEdit* edit, long* count);
    virtual long MfcSQLExecStrPost(CEdit* edit, long* count, long result);
    virtual long ParceSQL(long* count, _ODBCItemBuff* buff);
    virtual long ProcessSQL(unsigned char* statement, unsigned int length, long* count);
    virtual long SQLDisplayResults(void* hstmt, short columns);
    virtual long SQLDisplayTitles(void* hstmt, unsigned long width, STR_BINDING* bindings);
    virtual long SQLHandleError(void* handle, short handleType, short code);
    virtual long SQLAllocateBindings(
        void* hstmt, short columns, STR_BINDING** bindings, short* width);
    virtual long SQLFreeBindings(STR_BINDING* bindings, short columns, void* hstmt);

    // Virtual so that executors deleted through a base pointer disconnect; declared after the
    // operations above so that their slots keep their order.
    virtual ~MfcSQL();

    // Runs the text of an edit control between the execution hooks; 0x8000FFFF when it is
    // empty, a non-zero Pre hook result without running anything.
    long MfcSQLExecStr(CEdit* edit, long* count);
    long MfcSQLOutputErr(CString message);
    // A cell as the base output writes it: exactly displayWidth characters, NULL as blanks,
    // character data left-aligned, everything else right-aligned; FALSE when out of memory.
    static BOOL MfcSQLFormatCell(const STR_BINDING* binding, CString* cell);
    // The diagnostic records of a handle as "[state] message (native)\n" lines, truncation
    // warnings left out; each record can be read once.
    static std::vector<CString> MfcSQLDiagnostics(void* handle, short handleType);
    // The stored title line: the rich-edit view's (the titles of the layout's report when it has
    // one), else the edit view's, else empty.
    CString MfcSQLGetTitleString();
    long MfcSQLOutputReset();
    void MfcSQLSetTitleSeperatorLineChar(char separator) { m_ODBCItem.separator = separator; }
    void MfcSQLSetDecimalPlaces(unsigned int places) { m_ODBCItem.decimalPlaces = places; }
    // Stores the report layout (null = none); the layout stored and one taken away have their
    // report number set to -1.
    void MfcSQLSetBookReport(bookReport* report);
    bookReport* MfcSQLGetBookReport() const { return m_ODBCItem.report; }
    long MfcSQLTotalsClear();
    long MfcSQLFormatDecimalPlace(CString* out, int numberWidth, unsigned int outWidth,
        double* value, int decimals, int currency, int parenthesise);
    long MfcSQLFormatNumber(CString* text, unsigned int width);
    long reportAdjustBindingSize(STR_BINDING* binding, long width, long unused);
    long listColAutoWidth();
    long ConvertCStringToSYSTEMTIMEDate(CString text, SYSTEMTIME* time);

    _ODBCItem m_ODBCItem;

    // Output cursor shared by every statement object of the process: one result set at a time.
    static long s_lastOutputRow; // -1: no row open
    static CString s_titleText; // accumulator of MfcSQLOutputTitle
    static long s_titleCount;
    static CString s_buildTitleText; // accumulator of MfcSQLBuildTitle
    static long s_buildTitleCount;

protected:
    // The fetch loop of a result set: every row's cells go to MfcSQLOutput in column order (a
    // column counts when its output returns 0); with keepBindingTypes each binding's type and
    // character switch are put back after its call. Ends on SQL_NO_DATA, or after handing on
    // the row of a failed fetch. Rows are numbered from firstRow; returns the next row number.
    long fetchResultRows(
        void* hstmt, STR_BINDING* bindings, bool keepBindingTypes, long firstRow = 0);
    // A cell for the edit view: a line break first when it starts a row, the cell padded with
    // blanks to width, one blank after it. Inside the fetch loop a row's cells gather and reach
    // the view in one append when the row ends (each append is several messages to the control,
    // and the notifications they send); outside it the text goes at once.
    void appendEditCell(bool newLine, const CString& cell, int width);
    // A cell for the list view: a row other than the last one written starts a new item (the
    // cell its label, the row number its data, the row its index), the same row sets the cell's
    // column, without the blanks around it when `trim` says so.
    void outputListCell(long* row, long column, const CString& cell, bool trim);

private:
    // The owner of m_ODBCItem's environment and connection, shared by copies.
    std::shared_ptr<MfcSQLHandles> m_handles;

    // Writes the cells gathered for the edit view, if any.
    void endEditRow();

    // Inside fetchResultRows: the edit view's cells gather in m_editRow.
    bool m_gatherEditRow = false;
    CString m_editRow;

    void clearItem();
    bool hasOutput() const { return m_ODBCItem.list || m_ODBCItem.edit || m_ODBCItem.richEdit; }
    void insertListColumn(char* title, STR_BINDING* binding, long column);
    void setDefaults();
    CString layoutTitle(char* title, STR_BINDING* binding, long column, bool rightAlign,
        CString& accumulator, long& counter, bool underline);
};
