// Connecting a connection: find the database file, choose the backend by the file's signature,
// connect the backend and give back the completed connect string in the Access driver's form.
#pragma once

#include "handles.h"

#include <string>

namespace accessdriver {

SQLRETURN connectConnection(Connection& connection, const std::string& connectString,
    SQLCHAR* completed, SQLSMALLINT completedMax, SQLSMALLINT* completedLength);

} // namespace accessdriver
