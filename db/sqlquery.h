// SQLQuery: runs a stored SQL text and only counts what it produced; can be tied to a list box or
// combo box of a dialog, which it empties when it is built.
#pragma once

#include "db/mfcsqlexec.h"

class orlamoCDatabase;

class TESSILO40_API SQLQuery : public MfcSQLExec {
public:
    SQLQuery();
    explicit SQLQuery(long* result);
    SQLQuery(char* connect, long* result);
    SQLQuery(long* result, char* connect, char* sql, HWND window, unsigned int id,
        orlamoCDatabase* database, int tie);
    SQLQuery(const SQLQuery& other) = default;
    SQLQuery& operator=(const SQLQuery& other) = default;
    ~SQLQuery() override;

    // Writes nothing: the query only counts.
    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override;

    // Runs the SQL text (a missing final ";" is appended to it first); 0, or the code of
    // MfcSQLExecStr. An empty text runs nothing.
    long SQLQueryExec();

    CString m_sql;
    CString m_text2; // not read by the library
    CString m_text3; // not read by the library
    CString m_connect; // the connect string the object was built with
    HWND m_window; // window holding the tied control; null = none
    unsigned int m_id; // id of the tied control; (unsigned)-1 = none
    int m_tie; // 1: the tied control is emptied
    orlamoCDatabase* m_database;
    long m_count; // rows fetched or affected by the last statement run

protected:
    void initFields();
    void tieControl(
        char* connect, char* sql, HWND window, unsigned int id, orlamoCDatabase* database, int tie);
    long runText(bool needBuffer);
};
