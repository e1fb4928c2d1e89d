// MfcSQLExec: the common base of the executors; a statement object that adds a result walk
// without titles and the executors' own date texts.
#pragma once

#include "db/mfcsql.h"

class TESSILO40_API MfcSQLExec : public MfcSQL {
public:
    MfcSQLExec();
    explicit MfcSQLExec(long* result);
    MfcSQLExec(char* connect, long* result);
    MfcSQLExec(const MfcSQLExec& other) = default;
    MfcSQLExec& operator=(const MfcSQLExec& other) = default;
    ~MfcSQLExec() override = default;

    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override;
    using MfcSQL::MfcSQLExecStr;
    long MfcSQLExecStr(char* sql, long* count, _ODBCItemBuff* buff) override;

    virtual long Connect();
    // Binds and fetches like SQLDisplayResults but writes no titles; an output operation may
    // change a binding's sqlType and isCharacter for its own call only.
    virtual long MfcSQLDisplayResults(void* hstmt, short columns);

    // "March 05,2007" and "03/05/07" from a timestamp text, every part written even when empty;
    // nothing unless year, month and day are complete.
    long MfcSQLFormatDate(char* text, CString* out);
    long MfcSQLFormatDateShort(char* text, CString* out);
};
