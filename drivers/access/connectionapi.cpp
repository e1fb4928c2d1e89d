// Connecting, disconnecting and the connection's attributes, information and transactions.
#include "connector.h"
#include "forwarding.h"

#include <cstring>

using namespace accessdriver;

namespace {

bool isTextAttribute(SQLINTEGER attribute)
{
    return attribute == SQL_ATTR_CURRENT_CATALOG || attribute == SQL_ATTR_TRACEFILE
        || attribute == SQL_ATTR_TRANSLATE_LIB;
}

std::string text(SQLCHAR* s, SQLINTEGER length)
{
    if (!s)
        return std::string();
    const char* c = reinterpret_cast<const char*>(s);
    return length == SQL_NTS || length < 0 ? std::string(c) : std::string(c, length);
}

} // namespace

ACCESSDRIVER_EXPORT SQLRETURN SQLDriverConnect(SQLHDBC dbc, SQLHWND /*window*/, SQLCHAR* in,
    SQLSMALLINT inLength, SQLCHAR* out, SQLSMALLINT outMax, SQLSMALLINT* outLength,
    SQLUSMALLINT /*completion*/)
{
    Connection* c = Connection::from(dbc);
    if (!c)
        return SQL_INVALID_HANDLE;
    return connectConnection(*c, text(in, inLength), out, outMax, outLength);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLConnect(SQLHDBC dbc, SQLCHAR* dsn, SQLSMALLINT dsnLength,
    SQLCHAR* user, SQLSMALLINT userLength, SQLCHAR* password, SQLSMALLINT passwordLength)
{
    Connection* c = Connection::from(dbc);
    if (!c)
        return SQL_INVALID_HANDLE;
    std::string in = "DSN=" + text(dsn, dsnLength) + ";";
    if (user)
        in += "UID=" + text(user, userLength) + ";";
    if (password)
        in += "PWD=" + text(password, passwordLength) + ";";
    return connectConnection(*c, in, nullptr, 0, nullptr);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLDisconnect(SQLHDBC dbc)
{
    SQLRETURN rc;
    Connection* c = openConnection(dbc, rc);
    if (!c)
        return rc;
    rc = c->api().SQLDisconnect(c->backendConnection);
    if (SQL_SUCCEEDED(rc))
        c->releaseBackend();
    return rc;
}

ACCESSDRIVER_EXPORT SQLRETURN SQLSetConnectAttr(
    SQLHDBC dbc, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length)
{
    Connection* c = Connection::from(dbc);
    if (!c)
        return SQL_INVALID_HANDLE;
    c->diagnostics.clear();
    if (!c->connected) {
        // Kept until the backend exists; replayed there at connect.
        PendingAttribute p { attribute, value, std::string(), isTextAttribute(attribute) };
        if (p.isText)
            p.text = text(static_cast<SQLCHAR*>(value), length);
        for (PendingAttribute& old : c->pending) {
            if (old.attribute == attribute) {
                old = p;
                return SQL_SUCCESS;
            }
        }
        c->pending.push_back(p);
        return SQL_SUCCESS;
    }
    const BackendApi& a = c->api();
    if (a.SQLSetConnectAttr)
        return a.SQLSetConnectAttr(c->backendConnection, attribute, value, length);
    if (a.SQLSetConnectOption && !isTextAttribute(attribute))
        return a.SQLSetConnectOption(c->backendConnection, static_cast<SQLUSMALLINT>(attribute),
            reinterpret_cast<SQLULEN>(value));
    return unsupported(*c, "SQLSetConnectAttr");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetConnectAttr(
    SQLHDBC dbc, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER max, SQLINTEGER* length)
{
    Connection* c = Connection::from(dbc);
    if (!c)
        return SQL_INVALID_HANDLE;
    c->diagnostics.clear();
    if (!c->connected) {
        for (const PendingAttribute& p : c->pending) {
            if (p.attribute != attribute)
                continue;
            if (p.isText) {
                if (value && max > 0) {
                    size_t n = std::min(p.text.size(), static_cast<size_t>(max - 1));
                    memcpy(value, p.text.data(), n);
                    static_cast<char*>(value)[n] = 0;
                }
                if (length)
                    *length = static_cast<SQLINTEGER>(p.text.size());
            } else if (value) {
                *static_cast<SQLUINTEGER*>(value)
                    = static_cast<SQLUINTEGER>(reinterpret_cast<uintptr_t>(p.value));
            }
            return SQL_SUCCESS;
        }
        c->diagnostics.post("08003", 0, "Connection not open");
        return SQL_ERROR;
    }
    const BackendApi& a = c->api();
    if (a.SQLGetConnectAttr)
        return a.SQLGetConnectAttr(c->backendConnection, attribute, value, max, length);
    if (a.SQLGetConnectOption && !isTextAttribute(attribute))
        return a.SQLGetConnectOption(
            c->backendConnection, static_cast<SQLUSMALLINT>(attribute), value);
    return unsupported(*c, "SQLGetConnectAttr");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetInfo(
    SQLHDBC dbc, SQLUSMALLINT type, SQLPOINTER value, SQLSMALLINT max, SQLSMALLINT* length)
{
    SQLRETURN rc;
    Connection* c = openConnection(dbc, rc);
    if (!c)
        return rc;
    if (type == SQL_DRIVER_ODBC_VER) {
        // This driver offers the ODBC 3 interface whatever the backend speaks.
        static const char version[] = "03.00";
        if (value && max > 0) {
            size_t n = std::min(sizeof version - 1, static_cast<size_t>(max - 1));
            memcpy(value, version, n);
            static_cast<char*>(value)[n] = 0;
        }
        if (length)
            *length = sizeof version - 1;
        return SQL_SUCCESS;
    }
    if (!c->api().SQLGetInfo)
        return unsupported(*c, "SQLGetInfo");
    return c->api().SQLGetInfo(c->backendConnection, type, value, max, length);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLEndTran(SQLSMALLINT type, SQLHANDLE h, SQLSMALLINT operation)
{
    if (type == SQL_HANDLE_ENV)
        return Environment::from(h) ? SQL_SUCCESS : SQL_INVALID_HANDLE; // done per connection
    SQLRETURN rc;
    Connection* c = openConnection(h, rc);
    if (!c)
        return rc;
    const BackendApi& a = c->api();
    if (a.SQLEndTran)
        return a.SQLEndTran(SQL_HANDLE_DBC, c->backendConnection, operation);
    if (a.SQLTransact)
        return a.SQLTransact(
            SQL_NULL_HENV, c->backendConnection, static_cast<SQLUSMALLINT>(operation));
    return unsupported(*c, "SQLEndTran");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLNativeSql(SQLHDBC dbc, SQLCHAR* in, SQLINTEGER inLength,
    SQLCHAR* out, SQLINTEGER outMax, SQLINTEGER* outLength)
{
    SQLRETURN rc;
    Connection* c = openConnection(dbc, rc);
    if (!c)
        return rc;
    if (!c->api().SQLNativeSql)
        return unsupported(*c, "SQLNativeSql");
    return c->api().SQLNativeSql(c->backendConnection, in, inLength, out, outMax, outLength);
}
