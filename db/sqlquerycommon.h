// SQLQueryCommon: runs a stored SQL text and captures one value of the result (a number, a text, a
// date or a count) into a destination chosen before the run. The engine of the database facade.
#pragma once

#include "db/sqlquery.h"

// Value types: what each non-NULL cell does to the destination.
#define SQLQUERY_LONG 1 // LONG: the cell read as a decimal integer
#define SQLQUERY_DOUBLE 2 // double: the cell read as a number
#define SQLQUERY_TEXT 4 // char[259]: the cell's text
#define SQLQUERY_CTIME 8 // CTime: the cell as a timestamp (only with a database object)
#define SQLQUERY_COUNT 16 // LONG: counted
#define SQLQUERY_SQLSQL 32 // LONG: counted
#define SQLQUERY_NOQUERY 64 // LONG: counted

class TESSILO40_API SQLQueryCommon : public SQLQuery {
public:
    SQLQueryCommon();
    explicit SQLQueryCommon(long* result);
    SQLQueryCommon(char* connect, long* result);
    SQLQueryCommon(long* result, char* connect, char* sql, HWND window, unsigned int id,
        orlamoCDatabase* database, int tie);
    SQLQueryCommon(const SQLQueryCommon& other) = default;
    SQLQueryCommon& operator=(const SQLQueryCommon& other) = default;
    ~SQLQueryCommon() override = default;

    // Captures the cell into the destination according to the value type; NULL cells and a null
    // destination change nothing.
    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override;

    // As SQLQuery::SQLQueryExec, but goes on without a text buffer (and then fails).
    long SQLQueryExec();

    long m_valueType;
    void* m_destination;
};
