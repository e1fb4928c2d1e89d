#include "sqlpages/sqledit.h"
#include "sqlpages/mfccontrolframe.h"
#include "sqlpages/sqlviewexec.h"

namespace {
const DWORD kViewStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL;
}

SQLEdit::SQLEdit(MfcControlSQL* frame, unsigned int id, RECT rect, long* result)
    : bookEdit(frame, nullptr)
    , m_executor(nullptr)
    , m_frame(frame)
    , m_id(id)
    , m_rect(rect)
{
    if (!Create(nullptr, nullptr, kViewStyle, rect, frame, id) && result)
        *result = E_FAIL;
    sqlview::takeExecutor(m_executor, sqlview::newExecutor(result), this);
}

SQLEdit::~SQLEdit() { delete m_executor; }

long SQLEdit::SetSQL(CString sql)
{
    sqlview::setSQL(m_executor, &m_sql, sql);
    return 0;
}

long SQLEdit::SetSQLExec(cfSQLExecSQL* executor)
{
    sqlview::takeExecutor(m_executor, executor, this);
    return 0;
}

long SQLEdit::SQLExecute() { return sqlview::execute(m_executor); }

SQLRichEdit::SQLRichEdit(MfcControlSQL* frame, unsigned int id, RECT rect, long* result)
    : bookRichEdit(frame, nullptr)
    , m_executor(nullptr)
    , m_frame(frame)
    , m_id(id)
    , m_rect(rect)
{
    if (!Create(nullptr, nullptr, kViewStyle, rect, frame, id) && result)
        *result = E_FAIL;
    sqlview::takeExecutor(m_executor, sqlview::newExecutor(result), this);
}

SQLRichEdit::~SQLRichEdit() { delete m_executor; }

long SQLRichEdit::SetSQL(CString sql)
{
    sqlview::setSQL(m_executor, &m_sql, sql);
    return 0;
}

long SQLRichEdit::SetSQLExec(cfSQLExecSQL* executor)
{
    sqlview::takeExecutor(m_executor, executor, this);
    return 0;
}

long SQLRichEdit::SQLExecute() { return sqlview::execute(m_executor); }
