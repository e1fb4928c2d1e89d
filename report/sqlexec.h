// SQLExec: a report writer that carries its own SQL text and runs it in one call, optionally
// emptying a list box or combo box of a dialog first. cfSQLExecSQL keeps a second, private set of
// column totals beside the writer's and widens list columns to their contents after the totals.
#pragma once

#include "report/bookmfcsql.h"
#include "tessilo40_api.h"

class TESSILO40_API SQLExec : public bookMfcSQL {
public:
    // Totals on; connects with the profile's connect string.
    explicit SQLExec(long* result);
    // Totals off; empties the dialog's control `control` (list box or combo box) when `clear` is
    // set and both are given.
    SQLExec(long* result, char* sql, HWND dialog, unsigned control, int clear);
    SQLExec(const SQLExec& other) = default;
    SQLExec& operator=(const SQLExec& other) = default;
    ~SQLExec() override = default;

    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override;

    // Runs the SQL text with a ";" appended when it has none (the ";" stays); 0x8000FFFF when
    // the text is empty.
    virtual long SQLExecute();

    CString m_sql;
    CString m_sql2; // not used here
    CString m_connect; // "ConnectStr" of the profile at construction
    HWND m_dialog;
    unsigned m_control;
    int m_clear;
    long m_count; // rows of the last statement run
    double m_decimalPlaces; // "DecimalPlaces" of the profile

private:
    void readProfile();
    void resetControl();
};

// A private totals slot of cfSQLExecSQL: the same fields as the statement's.
struct cfIntegerTotal {
    LONG on, total, subTotal, column, width, leaveOut, noAccumulate;
};
struct cfDecimalTotal {
    LONG on;
    double total, subTotal;
    LONG column, width, leaveOut, parenthesise, noAccumulate, decimals;
};

class TESSILO40_API cfSQLExecSQL : public SQLExec {
public:
    explicit cfSQLExecSQL(long* result);
    // The dialog arguments are not used.
    cfSQLExecSQL(long* result, HWND dialog, unsigned control, int clear);
    cfSQLExecSQL(const cfSQLExecSQL& other) = default;
    cfSQLExecSQL& operator=(const cfSQLExecSQL& other) = default;
    ~cfSQLExecSQL() override = default;

    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override;
    long MfcSQLSupplyTotals(long* row) override;
    long SQLExecute() override;
    // Zeroes the totals and sub-totals of the private slots; their other fields stay.
    long ClearTotals();

    int m_privateTotals;
    cfIntegerTotal m_integerTotals[MFCSQL_COLUMNS];
    cfDecimalTotal m_decimalTotals[MFCSQL_COLUMNS];

private:
    void initPrivate();
    void widenListColumns(long firstRow);
};
