// Statement functions, forwarded to the backend's statement; where an ODBC 2 backend lacks the
// ODBC 3 function, its ODBC 2 equivalent is called.
#include "forwarding.h"

using namespace accessdriver;

#define FORWARD(fn, ...) return forwardStatement(h, &BackendApi::fn, #fn, __VA_ARGS__)

ACCESSDRIVER_EXPORT SQLRETURN SQLExecDirect(SQLHSTMT h, SQLCHAR* sql, SQLINTEGER length)
{
    FORWARD(SQLExecDirect, sql, length);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLPrepare(SQLHSTMT h, SQLCHAR* sql, SQLINTEGER length)
{
    FORWARD(SQLPrepare, sql, length);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLExecute(SQLHSTMT h)
{
    return forwardStatement(h, &BackendApi::SQLExecute, "SQLExecute");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLNumResultCols(SQLHSTMT h, SQLSMALLINT* columns)
{
    FORWARD(SQLNumResultCols, columns);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLDescribeCol(SQLHSTMT h, SQLUSMALLINT column, SQLCHAR* name,
    SQLSMALLINT max, SQLSMALLINT* nameLength, SQLSMALLINT* type, SQLULEN* size, SQLSMALLINT* digits,
    SQLSMALLINT* nullable)
{
    FORWARD(SQLDescribeCol, column, name, max, nameLength, type, size, digits, nullable);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLBindCol(SQLHSTMT h, SQLUSMALLINT column, SQLSMALLINT type,
    SQLPOINTER buffer, SQLLEN max, SQLLEN* indicator)
{
    FORWARD(SQLBindCol, column, type, buffer, max, indicator);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLFetch(SQLHSTMT h)
{
    return forwardStatement(h, &BackendApi::SQLFetch, "SQLFetch");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetData(SQLHSTMT h, SQLUSMALLINT column, SQLSMALLINT type,
    SQLPOINTER buffer, SQLLEN max, SQLLEN* indicator)
{
    FORWARD(SQLGetData, column, type, buffer, max, indicator);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLRowCount(SQLHSTMT h, SQLLEN* rows) { FORWARD(SQLRowCount, rows); }

ACCESSDRIVER_EXPORT SQLRETURN SQLMoreResults(SQLHSTMT h)
{
    return forwardStatement(h, &BackendApi::SQLMoreResults, "SQLMoreResults");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLCancel(SQLHSTMT h)
{
    return forwardStatement(h, &BackendApi::SQLCancel, "SQLCancel");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLNumParams(SQLHSTMT h, SQLSMALLINT* count)
{
    FORWARD(SQLNumParams, count);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLBindParameter(SQLHSTMT h, SQLUSMALLINT number,
    SQLSMALLINT direction, SQLSMALLINT cType, SQLSMALLINT sqlType, SQLULEN size, SQLSMALLINT digits,
    SQLPOINTER buffer, SQLLEN max, SQLLEN* indicator)
{
    FORWARD(
        SQLBindParameter, number, direction, cType, sqlType, size, digits, buffer, max, indicator);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLTables(SQLHSTMT h, SQLCHAR* catalog, SQLSMALLINT catalogLength,
    SQLCHAR* schema, SQLSMALLINT schemaLength, SQLCHAR* table, SQLSMALLINT tableLength,
    SQLCHAR* types, SQLSMALLINT typesLength)
{
    FORWARD(SQLTables, catalog, catalogLength, schema, schemaLength, table, tableLength, types,
        typesLength);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLColumns(SQLHSTMT h, SQLCHAR* catalog, SQLSMALLINT catalogLength,
    SQLCHAR* schema, SQLSMALLINT schemaLength, SQLCHAR* table, SQLSMALLINT tableLength,
    SQLCHAR* column, SQLSMALLINT columnLength)
{
    FORWARD(SQLColumns, catalog, catalogLength, schema, schemaLength, table, tableLength, column,
        columnLength);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetTypeInfo(SQLHSTMT h, SQLSMALLINT type)
{
    FORWARD(SQLGetTypeInfo, type);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLCloseCursor(SQLHSTMT h)
{
    Statement* s = Statement::from(h);
    if (s && !s->api().SQLCloseCursor) {
        s->diagnostics.clear();
        return s->api().SQLFreeStmt(s->backend, SQL_CLOSE);
    }
    return forwardStatement(h, &BackendApi::SQLCloseCursor, "SQLCloseCursor");
}

ACCESSDRIVER_EXPORT SQLRETURN SQLSetStmtAttr(
    SQLHSTMT h, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length)
{
    Statement* s = Statement::from(h);
    if (s && !s->api().SQLSetStmtAttr && s->api().SQLSetStmtOption) {
        s->diagnostics.clear();
        return s->api().SQLSetStmtOption(
            s->backend, static_cast<SQLUSMALLINT>(attribute), reinterpret_cast<SQLULEN>(value));
    }
    FORWARD(SQLSetStmtAttr, attribute, value, length);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetStmtAttr(
    SQLHSTMT h, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER max, SQLINTEGER* length)
{
    Statement* s = Statement::from(h);
    if (s && !s->api().SQLGetStmtAttr && s->api().SQLGetStmtOption) {
        s->diagnostics.clear();
        return s->api().SQLGetStmtOption(s->backend, static_cast<SQLUSMALLINT>(attribute), value);
    }
    FORWARD(SQLGetStmtAttr, attribute, value, max, length);
}

namespace {

// The ODBC 2 field of SQLColAttributes that answers an ODBC 3 descriptor field.
SQLUSMALLINT odbc2Field(SQLUSMALLINT field)
{
    switch (field) {
    case SQL_DESC_NAME:
        return SQL_COLUMN_NAME;
    case SQL_DESC_COUNT:
        return SQL_COLUMN_COUNT;
    case SQL_DESC_TYPE:
        return SQL_COLUMN_TYPE;
    case SQL_DESC_LENGTH:
    case SQL_DESC_OCTET_LENGTH:
        return SQL_COLUMN_LENGTH;
    case SQL_DESC_PRECISION:
        return SQL_COLUMN_PRECISION;
    case SQL_DESC_SCALE:
        return SQL_COLUMN_SCALE;
    case SQL_DESC_NULLABLE:
        return SQL_COLUMN_NULLABLE;
    default:
        return field; // the fields below 1000 have the same numbers in both
    }
}

} // namespace

ACCESSDRIVER_EXPORT SQLRETURN SQLColAttribute(SQLHSTMT h, SQLUSMALLINT column, SQLUSMALLINT field,
    SQLPOINTER text, SQLSMALLINT max, SQLSMALLINT* length, SQLLEN* number)
{
    Statement* s = Statement::from(h);
    if (s && !s->api().SQLColAttribute && s->api().SQLColAttributes) {
        s->diagnostics.clear();
        return s->api().SQLColAttributes(
            s->backend, column, odbc2Field(field), text, max, length, number);
    }
    FORWARD(SQLColAttribute, column, field, text, max, length, number);
}
