#include "forwarding.h"

namespace accessdriver {

SQLRETURN unsupported(Handle& handle, const char* function)
{
    handle.diagnostics.post(
        "IM001", 0, std::string("Driver does not support this function (") + function + ")");
    return SQL_ERROR;
}

Connection* openConnection(SQLHDBC h, SQLRETURN& rc)
{
    Connection* connection = Connection::from(h);
    if (!connection) {
        rc = SQL_INVALID_HANDLE;
        return nullptr;
    }
    connection->diagnostics.clear();
    if (!connection->connected) {
        connection->diagnostics.post("08003", 0, "Connection not open");
        rc = SQL_ERROR;
        return nullptr;
    }
    rc = SQL_SUCCESS;
    return connection;
}

} // namespace accessdriver
