// CTessiloAppInterface: one process-wide database connection for the applications and one-call
// lookups on it. Every operation runs under one process-wide lock, so lookups from several threads
// never mix.
#pragma once

#include "tessilo40_api.h"
#include <afxstr.h>
#include <atltime.h>

class SQLQueryCommon;

class TESSILO40_API CTessiloAppInterface {
public:
    CTessiloAppInterface();
    ~CTessiloAppInterface();

    // The shared query object; null when not initialised. Do not run it while a lookup runs.
    SQLQueryCommon* GetDB();
    // Connects the shared query object from the profile: 1 when it was made now, 0 when it
    // failed or already existed.
    int InitDB();
    // Deletes the shared query object: 1 when there was one, else 0.
    int DeinitDB();

    // The last non-NULL cell of the last row as an integer; -1 when nothing was captured.
    long GetTableID(CString sql);
    // ... as text; "" when nothing was captured.
    CString GetTableCString(CString sql);
    // ... as a time (needs a database object on the shared query); the time value -1 otherwise.
    CTime GetTableCTime(CString sql);
    // ... as a number; 0 when nothing was captured.
    double GetTableDouble(CString sql);
    // The number of non-NULL cells the statement produced.
    long GetTableCountDistinct1Field(CString sql);
    long SQLSQL(CString sql);
    // The status of the run (0 success, 0x8000FFFF empty text), not a count.
    long ExecSQLNoQuery(CString sql);
};
