// SQLEdit and SQLRichEdit: the edit and rich-edit report views a control frame hosts. Each owns a
// report executor that writes into it, keeps an SQL text and runs it on request.
#pragma once

#include "tessilo40_api.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

class MfcControlSQL;
class cfSQLExecSQL;

// The SQL text and executor of a report view, over the view class it extends.
template <class View> class TESSILO40_API SQLTextView : public View {
public:
    // Creates the view's window (hidden) in rect of the frame and a connected executor writing
    // into it; 0x80004005 in *result when either cannot be made, a connect failure's code when
    // the executor cannot connect.
    SQLTextView(MfcControlSQL* frame, unsigned int id, RECT rect, long* result);
    ~SQLTextView() override;

    virtual long SetSQL(CString sql);
    virtual long SetSQLExec(cfSQLExecSQL* executor);
    // The executor's run of the SQL text; 0x8000FFFF without an executor or text.
    virtual long SQLExecute();
    cfSQLExecSQL* GetSQLExec() const { return m_executor; }
    CString GetSQL() const { return m_sql; }

protected:
    cfSQLExecSQL* m_executor;
    CString m_sql;
    MfcControlSQL* m_frame;
    unsigned int m_id;
    RECT m_rect;
};

extern template class SQLTextView<bookEdit>;
extern template class SQLTextView<bookRichEdit>;

class TESSILO40_API SQLEdit : public SQLTextView<bookEdit> {
public:
    using SQLTextView<bookEdit>::SQLTextView;
};

class TESSILO40_API SQLRichEdit : public SQLTextView<bookRichEdit> {
public:
    using SQLTextView<bookRichEdit>::SQLTextView;
};
