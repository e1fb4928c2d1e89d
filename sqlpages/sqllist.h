// SQLList: the list view a control frame hosts. It owns a report executor that writes result rows
// into it, follows (and leads) the selection of an application's list box, and lets the user edit
// cells of chosen columns in place through an SQLEditCell laid over the cell.
#pragma once

#include "tessilo40_api.h"
#include "views/booklistsql.h"

class MfcControlSQL;
class cfSQLExecSQL;
class SQLEditCell;

#define SQLLIST_EDIT_ENTRIES 50
#define SQLLIST_COORD_LISTBOX 1
#define SQLLIST_COORD_ON_EXECUTE 1 // flag: the list box follows after every run
#define SQLLIST_COORD_EDIT 2 // flag: cells may be edited in place

// How one column's cells are edited in place.
struct SQLCellEditEntry {
    long row; // -1
    long column; // -1: entry not in use
    long limit; // characters; below 0: no limit
    int editable;
    long reserved;
};

class TESSILO40_API SQLList : public bookListSQL {
public:
    // Creates the list window in rect of the frame, its "Courier New" 8-point font and a connected
    // executor writing into it; 0x80004005 in *result when the window or executor cannot be made,
    // a connect failure's code when the executor cannot connect.
    SQLList(MfcControlSQL* frame, unsigned int id, RECT rect, long* result);
    ~SQLList() override;

    // Makes the list's font of `size` points and `face` and applies it; the font's description
    // goes to *out when given.
    long CreateFontA(CWnd* window, int size, char* face, int unused, LOGFONTA* out);
    long AllocFont(HWND window, int size, char* face, int unused, LOGFONTA* out);

    virtual long SetSQL(CString sql);
    virtual long SetSQLExec(cfSQLExecSQL* executor);
    // The executor's run of the SQL text, followed by Coord() when it succeeded and the list box
    // follows runs; 0x8000FFFF without an executor or text.
    virtual long SQLExecute();
    cfSQLExecSQL* GetSQLExec() const { return m_executor; }
    CString GetSQL() const { return m_sql; }

    // The list box (kind 1) whose selection the list follows and leads.
    long SetCoordinateWindow(HWND window, long kind);
    long SetCoordOnExecute(int on);
    long SetCoordEdit(int on);
    // List <- list box: selects the row numbered by the item data of the box's selection.
    // 0x8000FFFF without a list box, 0x80004005 when the box has no selection.
    virtual long Coord();
    // List box <- list: selects the box entry at the list's current row and scrolls it to the top.
    // 0x8000FFFF without a list box, 0x80004005 when there is no such entry.
    virtual long CoordCoord();

    // Column `column` becomes editable (text limit `limit`, below 0 none) or, with editable 0,
    // not; only while cells may be edited. 0x8000FFFF otherwise or for a column out of range.
    virtual long SubItemEdit(long column, long limit, int editable);
    // No column editable.
    virtual long SubItemEditClear();
    virtual int SubItemIsEdit(long column);
    // Closes any open editor; with start set opens one over the current cell when it is editable.
    virtual long SubItemEdit(int start);
    // The current cell's rectangle in the list; 0x8000FFFF without a rectangle, a current row or
    // with the first column current (never edited in place).
    virtual long SubItemRectCalc(RECT* rect);
    // Takes the editor's text into the current cell and hides the editor: 0 when the text
    // changed (it becomes the editor's starting text), else 0x80004005.
    virtual long SelCellEditAccept(SQLEditCell* editor);
    // The same; 0 when there is a current row and column, else 0x8000FFFF.
    virtual long SelCellEditAcceptUpdate(SQLEditCell* editor);
    // Takes the open editor's text into its cell and closes it (the frame's "OK").
    long SubItemEditEnd();

    long OnSubItemGetclick(NMHDR* header, LRESULT* result) override;
    void OnClick(NMHDR* header, LRESULT* result) override;
    void OnColumnclick(NMHDR* header, LRESULT* result) override;
    void OnKillFocus(CWnd* newWindow) override;

    long GetCurrentRow() const { return m_clickedItem; }
    long GetCurrentColumn() const { return m_clickedSubItem; }
    SQLEditCell* GetCellEditor() const { return m_editor; }
    unsigned long GetFlags() const { return m_flags; }
    // Set by the editor when it loses the focus: the list deletes it at its next kill-focus.
    void SetCellEditEnded(int on) { m_cellEditEnded = on; }
    // The rectangle the frame last gave the list or itself had.
    void SetLastWindowRect(const RECT& rect) { m_windowRect = rect; }
    RECT GetLastWindowRect() const { return m_windowRect; }

protected:
    SQLEditCell* m_editor;
    cfSQLExecSQL* m_executor;
    MfcControlSQL* m_frame;
    unsigned int m_id;
    RECT m_rect;
    RECT m_windowRect;
    CString m_sql;
    HWND m_coordWindow;
    long m_coordKind;
    unsigned long m_flags;
    SQLCellEditEntry m_editEntries[SQLLIST_EDIT_ENTRIES];
    long m_cellEditEnded;
    POINT m_mousePoint;

private:
    void closeEditor();
    // The frame's selected row becomes the current row and the list box follows.
    void followSelection();
};
