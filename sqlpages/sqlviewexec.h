// The executor rules the SQL-bound views share: a view owns one report executor that writes into
// it, hands it the view's SQL text and runs it only when there is text to run.
#pragma once

#include "report/sqlexec.h"

#include <new>

namespace sqlview {

// A new executor connected with the profile's connect string; null, with 0x80004005 in *result,
// when it cannot be allocated. A failed connect leaves its code in *result.
inline cfSQLExecSQL* newExecutor(long* result)
{
    cfSQLExecSQL* executor = new (std::nothrow) cfSQLExecSQL(result);
    if (!executor && result)
        *result = E_FAIL;
    return executor;
}

// Replaces the view's executor by `executor` (the old one is deleted) and makes the view its
// output.
template <class View> void takeExecutor(cfSQLExecSQL*& slot, cfSQLExecSQL* executor, View* view)
{
    if (slot != executor)
        delete slot;
    slot = executor;
    if (slot)
        slot->MfcSQLSetOutput(view);
}

inline void setSQL(cfSQLExecSQL* executor, CString* own, const CString& sql)
{
    *own = sql;
    if (executor)
        executor->m_sql = sql;
}

// The executor's run, or 0x8000FFFF without an executor or SQL text.
inline long execute(cfSQLExecSQL* executor)
{
    if (!executor || executor->m_sql.IsEmpty())
        return E_UNEXPECTED;
    return executor->SQLExecute();
}

} // namespace sqlview
