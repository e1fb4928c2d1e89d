// Statement functions, forwarded to the backend's statement; where an ODBC 2 backend lacks the
// ODBC 3 function, its ODBC 2 equivalent is called.
#include "firstrow.h"
#include "forwarding.h"

#include <cstring>

using namespace accessdriver;

#define FORWARD(fn, ...) return forwardStatement(h, &BackendApi::fn, #fn, __VA_ARGS__)

namespace {

// Calls the backend's function and notes, on a known statement, that its result set is a new one
// (startResult) or that it has none that this driver follows (endResult).
template <class Call> SQLRETURN withNewResult(SQLHSTMT h, bool executes, Call call)
{
    SQLRETURN rc = call();
    if (Statement* s = Statement::from(h)) {
        if (executes)
            startResult(*s, rc);
        else
            endResult(*s);
    }
    return rc;
}

} // namespace

ACCESSDRIVER_EXPORT SQLRETURN SQLExecDirect(SQLHSTMT h, SQLCHAR* sql, SQLINTEGER length)
{
    return withNewResult(h, true, [&] {
        return forwardStatement(h, &BackendApi::SQLExecDirect, "SQLExecDirect", sql, length);
    });
}

ACCESSDRIVER_EXPORT SQLRETURN SQLPrepare(SQLHSTMT h, SQLCHAR* sql, SQLINTEGER length)
{
    return withNewResult(h, false,
        [&] { return forwardStatement(h, &BackendApi::SQLPrepare, "SQLPrepare", sql, length); });
}

ACCESSDRIVER_EXPORT SQLRETURN SQLExecute(SQLHSTMT h)
{
    return withNewResult(
        h, true, [&] { return forwardStatement(h, &BackendApi::SQLExecute, "SQLExecute"); });
}

ACCESSDRIVER_EXPORT SQLRETURN SQLNumResultCols(SQLHSTMT h, SQLSMALLINT* columns)
{
    FORWARD(SQLNumResultCols, columns);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLDescribeCol(SQLHSTMT h, SQLUSMALLINT column, SQLCHAR* name,
    SQLSMALLINT max, SQLSMALLINT* nameLength, SQLSMALLINT* type, SQLULEN* size, SQLSMALLINT* digits,
    SQLSMALLINT* nullable)
{
    Statement* s = Statement::from(h);
    if (!s)
        return SQL_INVALID_HANDLE;
    ComputedType computed = computedType(*s, column);
    s->diagnostics.clear();
    SQLRETURN rc = s->api().SQLDescribeCol(
        s->backend, column, name, max, nameLength, type, size, digits, nullable);
    if (!SQL_SUCCEEDED(rc) || computed == ComputedType::None)
        return rc;
    const ComputedDescription& d = describeComputed(computed);
    if (type)
        *type = d.type;
    if (size)
        *size = d.size;
    if (digits)
        *digits = 0;
    return rc;
}

ACCESSDRIVER_EXPORT SQLRETURN SQLBindCol(SQLHSTMT h, SQLUSMALLINT column, SQLSMALLINT type,
    SQLPOINTER buffer, SQLLEN max, SQLLEN* indicator)
{
    SQLRETURN rc = forwardStatement(
        h, &BackendApi::SQLBindCol, "SQLBindCol", column, type, buffer, max, indicator);
    Statement* s = Statement::from(h);
    if (!s || !SQL_SUCCEEDED(rc))
        return rc;
    std::vector<ColumnBinding>& bindings = s->bindings;
    for (size_t i = 0; i < bindings.size(); ++i) {
        if (bindings[i].column == column) {
            bindings.erase(bindings.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    if (buffer || indicator)
        bindings.push_back(ColumnBinding { column, type, buffer, max, indicator });
    return rc;
}

ACCESSDRIVER_EXPORT SQLRETURN SQLFetch(SQLHSTMT h)
{
    Statement* s = Statement::from(h);
    if (!s)
        return SQL_INVALID_HANDLE;
    s->diagnostics.clear();
    return fetchRow(*s);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetData(SQLHSTMT h, SQLUSMALLINT column, SQLSMALLINT type,
    SQLPOINTER buffer, SQLLEN max, SQLLEN* indicator)
{
    FORWARD(SQLGetData, column, type, buffer, max, indicator);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLRowCount(SQLHSTMT h, SQLLEN* rows) { FORWARD(SQLRowCount, rows); }

ACCESSDRIVER_EXPORT SQLRETURN SQLMoreResults(SQLHSTMT h)
{
    return withNewResult(h, false,
        [&] { return forwardStatement(h, &BackendApi::SQLMoreResults, "SQLMoreResults"); });
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
    return withNewResult(h, false, [&] {
        return forwardStatement(h, &BackendApi::SQLTables, "SQLTables", catalog, catalogLength,
            schema, schemaLength, table, tableLength, types, typesLength);
    });
}

ACCESSDRIVER_EXPORT SQLRETURN SQLColumns(SQLHSTMT h, SQLCHAR* catalog, SQLSMALLINT catalogLength,
    SQLCHAR* schema, SQLSMALLINT schemaLength, SQLCHAR* table, SQLSMALLINT tableLength,
    SQLCHAR* column, SQLSMALLINT columnLength)
{
    return withNewResult(h, false, [&] {
        return forwardStatement(h, &BackendApi::SQLColumns, "SQLColumns", catalog, catalogLength,
            schema, schemaLength, table, tableLength, column, columnLength);
    });
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetTypeInfo(SQLHSTMT h, SQLSMALLINT type)
{
    return withNewResult(h, false,
        [&] { return forwardStatement(h, &BackendApi::SQLGetTypeInfo, "SQLGetTypeInfo", type); });
}

ACCESSDRIVER_EXPORT SQLRETURN SQLCloseCursor(SQLHSTMT h)
{
    Statement* s = Statement::from(h);
    if (s)
        closeResult(*s);
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
    if (s && (attribute == SQL_ATTR_ROW_ARRAY_SIZE || attribute == SQL_ROWSET_SIZE))
        s->rowsPerFetch = reinterpret_cast<SQLULEN>(value);
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

// The fields that depend on a column's type.
bool isTypeField(SQLUSMALLINT field)
{
    switch (field) {
    case SQL_DESC_CONCISE_TYPE:
    case SQL_DESC_TYPE:
    case SQL_DESC_DISPLAY_SIZE:
    case SQL_DESC_LENGTH:
    case SQL_COLUMN_LENGTH:
    case SQL_DESC_OCTET_LENGTH:
    case SQL_DESC_PRECISION:
    case SQL_COLUMN_PRECISION:
    case SQL_DESC_UNSIGNED:
    case SQL_DESC_NUM_PREC_RADIX:
    case SQL_DESC_TYPE_NAME:
        return true;
    default:
        return false;
    }
}

// Answers a type field of a computed column as the whole-table mode did.
SQLRETURN describeComputedField(const ComputedDescription& d, SQLUSMALLINT field, SQLPOINTER text,
    SQLSMALLINT max, SQLSMALLINT* length, SQLLEN* number)
{
    SQLLEN value = 0;
    switch (field) {
    case SQL_DESC_CONCISE_TYPE:
    case SQL_DESC_TYPE:
        value = d.type;
        break;
    case SQL_DESC_DISPLAY_SIZE:
    case SQL_DESC_LENGTH:
    case SQL_COLUMN_LENGTH:
    case SQL_DESC_OCTET_LENGTH:
        value = static_cast<SQLLEN>(d.size);
        break;
    case SQL_DESC_PRECISION:
    case SQL_COLUMN_PRECISION:
        value = d.precision;
        break;
    case SQL_DESC_UNSIGNED:
        value = SQL_FALSE;
        break;
    case SQL_DESC_NUM_PREC_RADIX:
        value = 2;
        break;
    case SQL_DESC_TYPE_NAME: {
        size_t n = strlen(d.typeName);
        if (length)
            *length = static_cast<SQLSMALLINT>(n);
        if (text && max > 0) {
            size_t fits = std::min(n, static_cast<size_t>(max - 1));
            memcpy(text, d.typeName, fits);
            static_cast<char*>(text)[fits] = 0;
            if (fits < n)
                return SQL_SUCCESS_WITH_INFO;
        }
        return SQL_SUCCESS;
    }
    default:
        break;
    }
    if (number)
        *number = value;
    return SQL_SUCCESS;
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
    SQLRETURN rc = forwardStatement(h, &BackendApi::SQLColAttribute, "SQLColAttribute", column,
        field, text, max, length, number);
    if (!s || !SQL_SUCCEEDED(rc) || !isTypeField(field))
        return rc;
    ComputedType computed = computedType(*s, column);
    if (computed == ComputedType::None)
        return rc;
    return describeComputedField(describeComputed(computed), field, text, max, length, number);
}
