// MfcControlSQL: a small modeless frame over an application's window that hosts one SQL-bound
// view (edit, rich-edit or list) above its "OK" and "Done" buttons. The application hands it SQL,
// runs it, and for the list kind reads the row the user picked with "OK".
#pragma once

#include "tessilo40_api.h"
#include <afxwin.h>

class CView;
class cfSQLExecSQL;
class orlamoCDatabase;
class SQLEdit;
class SQLRichEdit;
class SQLList;

#define MFCCONTROLSQL_EDIT 2
#define MFCCONTROLSQL_RICHEDIT 3
#define MFCCONTROLSQL_LIST 4
#define MFCCONTROLSQL_VIEW_ID 256

class TESSILO40_API MfcControlSQL : public CDialog {
public:
    // Creates the frame and its view of `kind` at once (cfCreate); placed and shown when a
    // placement rectangle is given, hidden otherwise.
    MfcControlSQL(CWnd* parent, long kind, CString title, RECT* placement, int reset,
        orlamoCDatabase* database);
    // A frame with the defaults; nothing is created.
    explicit MfcControlSQL(CWnd* parent = nullptr);
    ~MfcControlSQL() override;

    // The frame from its template and the view of its kind: the view's construction result, or
    // 0x80004005 when no frame or view could be made.
    virtual long cfCreate();
    virtual long SetSQL(CString sql);
    virtual long SetSQLExec(cfSQLExecSQL* executor);
    // Runs `sql` in the view (nothing for empty text); 0.
    virtual long SQLExecute(CString sql);
    // Runs the view's SQL, emptying the view first when the reset switch is on; 0 without a view.
    virtual long SQLExecute();
    virtual long SetCoordOnExecute(int on);
    virtual long SetCoordEdit(int on);
    virtual long Coord();
    virtual long CoordCoord();

    cfSQLExecSQL* GetSQLExec() const;
    long SetCoordinateWindow(HWND window, long kind);
    int SQLGetReset() const { return m_reset; }
    void SQLSetReset(int reset) { m_reset = reset; }
    void Size(unsigned int type, int cx, int cy) { OnSize(type, cx, cy); }

    long GetKind() const { return m_kind; }
    long GetClosingState() const { return m_closingState; }
    long GetSelectedRow() const { return m_selectedRow; }
    void SetSelectedRow(long row) { m_selectedRow = row; }
    orlamoCDatabase* GetDatabase() const { return m_database; }
    // The hosted view by kind (null for the other kinds or without a view).
    CView* GetView() const { return m_view; }
    SQLEdit* GetEdit() const;
    SQLRichEdit* GetRichEdit() const;
    SQLList* GetList() const;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMove(int x, int y);

    CWnd* m_parent;
    CView* m_view;
    int m_reset;
    long m_closingState;
    unsigned int m_viewId;
    RECT m_placement;
    long m_kind;
    CString m_title;
    long m_selectedRow;
    orlamoCDatabase* m_database;

    DECLARE_MESSAGE_MAP()

private:
    // The view's rectangle for a client area of cx x cy; places the buttons when `place` is set.
    CRect layout(int cx, int cy, bool place);
    void hideToParent();
    void deselectRow();
    // Calls f with the hosted view as its own type; `otherwise` without a view.
    template <class F> long withView(F f, long otherwise);
};
