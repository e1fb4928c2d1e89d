// Helpers of the exported entry points: resolve the driver manager's handle to the driver's own
// object and call the backend's function with the backend's handle.
#pragma once

#include "handles.h"

#include <string>

#define ACCESSDRIVER_EXPORT extern "C"

namespace accessdriver {

// Posts "driver does not support this function" on the handle.
SQLRETURN unsupported(Handle& handle, const char* function);

// Calls api.*fn(statement's backend handle, args...) after clearing the statement's own records.
template <class Fn, class... Args>
SQLRETURN forwardStatement(SQLHSTMT h, Fn BackendApi::*fn, const char* name, Args... args)
{
    Statement* statement = Statement::from(h);
    if (!statement)
        return SQL_INVALID_HANDLE;
    statement->diagnostics.clear();
    Fn target = statement->api().*fn;
    if (!target)
        return unsupported(*statement, name);
    return target(statement->backend, args...);
}

// The connection, when it is connected to its backend; otherwise posts 08003 and returns null.
Connection* openConnection(SQLHDBC h, SQLRETURN& rc);

} // namespace accessdriver
