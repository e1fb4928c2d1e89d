// MfcSQLExec: pass-through constructors, the title-less result walk and the executors' dates.
#include "db/mfcsqlexec.h"
#include "report/dateformat.h"

#include <cstdlib>

MfcSQLExec::MfcSQLExec()
    : MfcSQL()
{
}

MfcSQLExec::MfcSQLExec(long* result)
    : MfcSQL(result)
{
}

MfcSQLExec::MfcSQLExec(char* connect, long* result)
    : MfcSQL(connect, result)
{
}

long MfcSQLExec::MfcSQLOutput(char* text, STR_BINDING* binding, long* row, long column, void* hstmt)
{
    return MfcSQL::MfcSQLOutput(text, binding, row, column, hstmt);
}

long MfcSQLExec::MfcSQLExecStr(char* sql, long* count, _ODBCItemBuff* buff)
{
    return MfcSQL::MfcSQLExecStr(sql, count, buff);
}

long MfcSQLExec::Connect() { return 0; }

long MfcSQLExec::MfcSQLDisplayResults(void* hstmt, short columns)
{
    STR_BINDING* bindings = nullptr;
    short width = 0;
    long row = 0;
    if (SQLAllocateBindings(hstmt, columns, &bindings, &width) == 0)
        row = fetchResultRows(hstmt, bindings, true);
    while (bindings) {
        STR_BINDING* next = bindings->next;
        std::free(bindings->text);
        std::free(bindings);
        bindings = next;
    }
    return row;
}

long MfcSQLExec::MfcSQLFormatDate(char* text, CString* out)
{
    dateFormat::Fields fields = dateFormat::dateFormatSplit(text);
    if (fields.dateComplete && out)
        *out = CString(dateFormat::dateFormatMonthName(std::atoi(fields.month))) + " " + fields.day
            + "," + fields.year;
    return 0;
}

long MfcSQLExec::MfcSQLFormatDateShort(char* text, CString* out)
{
    dateFormat::Fields fields = dateFormat::dateFormatSplit(text, true);
    if (fields.dateComplete && out)
        *out = fields.month + "/" + fields.day + "/" + fields.year;
    return 0;
}
