// MfcSQL construction, connection and the SQL text holder.
#include "db/mfcsql.h"
#include "app/tessilo.h"

#include <objbase.h>

#include <cstdlib>
#include <cstring>
#include <new>

// One environment and connection; freed with the last statement object that shares them.
struct MfcSQLHandles {
    SQLHENV henv = SQL_NULL_HENV;
    SQLHDBC hdbc = SQL_NULL_HDBC;

    MfcSQLHandles() = default;
    MfcSQLHandles(const MfcSQLHandles&) = delete;
    MfcSQLHandles& operator=(const MfcSQLHandles&) = delete;
    ~MfcSQLHandles()
    {
        if (hdbc) {
            SQLDisconnect(hdbc);
            SQLFreeHandle(SQL_HANDLE_DBC, hdbc);
        }
        if (henv)
            SQLFreeHandle(SQL_HANDLE_ENV, henv);
    }
};

long MfcSQL::s_lastOutputRow = -1;
CString MfcSQL::s_titleText;
long MfcSQL::s_titleCount = 0;
CString MfcSQL::s_buildTitleText;
long MfcSQL::s_buildTitleCount = 0;

MfcSQL::MfcSQL()
{
    clearItem();
    m_ODBCItem.separator = '-';
    setDefaults();
}

MfcSQL::MfcSQL(long* result)
{
    clearItem();
    MfcSQLDeInit();
    long code = MfcSQLInit();
    if (code == 0) {
        setDefaults();
    } else {
        MfcSQLDeInit();
        if (result)
            *result = code;
    }
}

MfcSQL::MfcSQL(char* connect, long* result)
{
    clearItem();
    MfcSQLDeInit();
    long code = MfcSQLInit(connect);
    if (code == 0) {
        setDefaults();
    } else {
        MfcSQLDeInit();
        if (result)
            *result = code;
    }
}

MfcSQL::MfcSQL(const MfcSQL& other)
    : m_handles(other.m_handles)
{
    std::memcpy(&m_ODBCItem, &other.m_ODBCItem, sizeof m_ODBCItem);
}

MfcSQL& MfcSQL::operator=(const MfcSQL& other)
{
    if (this != &other) {
        std::memcpy(&m_ODBCItem, &other.m_ODBCItem, sizeof m_ODBCItem);
        m_handles = other.m_handles; // drops this object's share of its former connection
    }
    return *this;
}

MfcSQL::~MfcSQL() { MfcSQLDeInit(); }

void MfcSQL::clearItem() { std::memset(&m_ODBCItem, 0, sizeof m_ODBCItem); }

void MfcSQL::setDefaults()
{
    m_ODBCItem.decimalPlaces
        = static_cast<ULONG>(std::atoi(TessiloApp.getProfileString("DecimalPlaces", "2")));
    for (ColumnFormat& format : m_ODBCItem.columnFormat) {
        format.shown = 1;
        format.reserved = 1;
        format.totals = 1;
    }
}

long MfcSQL::MfcSQLSetOutput(bookRichEdit* output)
{
    m_ODBCItem.richEdit = output;
    return 0;
}

long MfcSQL::MfcSQLSetOutput(bookEdit* output)
{
    m_ODBCItem.edit = output;
    return 0;
}

long MfcSQL::MfcSQLSetOutput(bookListSQL* output)
{
    m_ODBCItem.list = output;
    return 0;
}

long MfcSQL::MfcSQLInit(char* connect)
{
    m_ODBCItem.separator = '-';
    // The completed connect string comes back into the same 512-character buffer; a longer
    // request could not be held there.
    if (connect && std::strlen(connect) >= MFCSQL_CONNECT_SIZE)
        return E_FAIL;
    // A connection this object held before is given up (closed unless a copy still shares it).
    m_handles.reset();
    m_ODBCItem.henv = SQL_NULL_HENV;
    m_ODBCItem.hdbc = SQL_NULL_HDBC;
    auto* handles = new (std::nothrow) MfcSQLHandles;
    if (!handles)
        return E_FAIL;
    try {
        m_handles.reset(handles);
    } catch (const std::bad_alloc&) {
        return E_FAIL; // reset() has deleted the owner
    }
    if (SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handles->henv) == SQL_ERROR) {
        handles->henv = SQL_NULL_HENV;
        m_handles.reset();
        return E_FAIL;
    }
    m_ODBCItem.henv = handles->henv;
    SQLRETURN rc = SQLSetEnvAttr(
        m_ODBCItem.henv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC2), 0);
    if (rc != SQL_SUCCESS)
        SQLHandleError(m_ODBCItem.henv, SQL_HANDLE_ENV, rc);
    rc = SQLAllocHandle(SQL_HANDLE_DBC, m_ODBCItem.henv, &handles->hdbc);
    if (rc != SQL_SUCCESS)
        SQLHandleError(m_ODBCItem.henv, SQL_HANDLE_ENV, rc);
    if (!SQL_SUCCEEDED(rc))
        handles->hdbc = SQL_NULL_HDBC;
    m_ODBCItem.hdbc = handles->hdbc;
    // Results are only fetched forward, which every driver can do itself: the driver manager's
    // cursor library (which copies every row through a file) is used only where a driver needs it.
    SQLSetConnectAttr(m_ODBCItem.hdbc, SQL_ATTR_ODBC_CURSORS,
        reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_IF_NEEDED), 0);
    std::memset(m_ODBCItem.connect, 0, sizeof m_ODBCItem.connect);
    if (connect)
        std::strcpy(m_ODBCItem.connect, connect);
    // The completed string may use the whole buffer, 511 characters and the NUL: a connect string
    // of the greatest accepted length then comes back whole instead of cut with a warning.
    SQLCHAR* buffer = reinterpret_cast<SQLCHAR*>(m_ODBCItem.connect);
    rc = SQLDriverConnect(m_ODBCItem.hdbc, nullptr, buffer, SQL_NTS, buffer, MFCSQL_CONNECT_SIZE,
        nullptr, SQL_DRIVER_COMPLETE);
    if (rc != SQL_SUCCESS)
        SQLHandleError(m_ODBCItem.hdbc, SQL_HANDLE_DBC, rc);
    return static_cast<long>(rc);
}

long MfcSQL::MfcSQLInit()
{
    CString connect = TessiloApp.getProfileString("ConnectStr", "");
    long result = 0;
    if (!connect.IsEmpty() && !ConnectCDatabaseGetConnectStrGetDrive(connect).IsEmpty()
        && !CTessiloApp::ConnectDatabaseFile(connect).IsEmpty()) {
        // A stored string that names a database file is used only while the file exists; the
        // installed one takes its place when its own file exists.
        ConnectStrChoice choice = TessiloApp.ConnectExplainConnectStr();
        if (choice.source != ConnectStrChoice::sourceStored) {
            connect = choice.connectStr;
            result = connect.IsEmpty() ? E_FAIL : 0;
        }
    }
    if (result == 0)
        result = MfcSQLInit(const_cast<char*>(connect.GetString()));
    return result;
}

long MfcSQL::MfcSQLDeInit()
{
    // Disconnects and frees the handles unless a copy of this object still shares them.
    m_handles.reset();
    MfcSQLSetSQLBuff(0);
    clearItem();
    return 0;
}

CString MfcSQL::ConnectCDatabaseGetConnectStrGetDrive(CString connect)
{
    int dbq = connect.Find("DBQ=");
    if (connect.IsEmpty() || dbq < 0)
        return CString();
    CString drive = connect.Mid(dbq + 4, 2);
    if (drive.GetLength() == 2 && drive[1] == ':')
        return drive;
    char directory[MAX_PATH + 1] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    if (length > 1 && length <= MAX_PATH) {
        CString current(directory, 2);
        if (current.Find(':') >= 0)
            return current;
    }
    return CString();
}

_ODBCItemBuff* MfcSQL::MfcSQLSetSQLBuff(unsigned int size)
{
    if (size == 0)
        return nullptr;
    auto* buff = static_cast<_ODBCItemBuff*>(CoTaskMemAlloc(sizeof(_ODBCItemBuff)));
    if (!buff)
        return nullptr;
    buff->buffer = new (std::nothrow) char[static_cast<size_t>(size) + 1]();
    if (!buff->buffer) {
        CoTaskMemFree(buff);
        return nullptr;
    }
    buff->size = size;
    return buff;
}

long MfcSQL::MfcSQLFreeSQLBuff(_ODBCItemBuff* buff)
{
    if (buff) {
        delete[] buff->buffer;
        CoTaskMemFree(buff);
    }
    return 0;
}
