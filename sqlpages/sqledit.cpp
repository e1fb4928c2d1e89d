#include "sqlpages/sqledit.h"
#include "sqlpages/mfccontrolframe.h"
#include "sqlpages/sqlviewexec.h"

namespace {
const DWORD kViewStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL;
}

template <class View>
SQLTextView<View>::SQLTextView(MfcControlSQL* frame, unsigned int id, RECT rect, long* result)
    : View(frame, nullptr)
    , m_executor(nullptr)
    , m_frame(frame)
    , m_id(id)
    , m_rect(rect)
{
    if (!this->Create(nullptr, nullptr, kViewStyle, rect, frame, id) && result)
        *result = E_FAIL;
    sqlview::takeExecutor(m_executor, sqlview::newExecutor(result), this);
}

template <class View> SQLTextView<View>::~SQLTextView() { delete m_executor; }

template <class View> long SQLTextView<View>::SetSQL(CString sql)
{
    sqlview::setSQL(m_executor, &m_sql, sql);
    return 0;
}

template <class View> long SQLTextView<View>::SetSQLExec(cfSQLExecSQL* executor)
{
    sqlview::takeExecutor(m_executor, executor, this);
    return 0;
}

template <class View> long SQLTextView<View>::SQLExecute() { return sqlview::execute(m_executor); }

template class SQLTextView<bookEdit>;
template class SQLTextView<bookRichEdit>;
