// BookPageSQL: the query page's windows, its layout and the road of one run.
#include "sqlpages/bookpagesql.h"
#include "app/tessilo.h"
#include "sqlpages/booksql.h"
#include "sqlpages/bookpagesqlrslt.h"
#include "sqlpages/sqlpagelayout.h"

#include <cstring>

namespace {
const int kButtonWidth = 90;
const int kButtonHeight = 24;
const int kButtonGap = 12;
}

BookPageSQL::BookPageSQL()
    : m_edit(nullptr, nullptr)
{
}

BookPageSQL::BookPageSQL(book* owner, char* title, unsigned int image, long* result)
    : bookpage(owner, title, image, result)
    , m_edit(nullptr, nullptr)
{
    long status = bookpageInit(title, image);
    if (result)
        *result = status;
}

BookPageSQL::~BookPageSQL() { BookPageSQL::bookpageDestroy(); }

BookSQL* BookPageSQL::sqlBook() { return dynamic_cast<BookSQL*>(bookpageGetOwner()); }

bookMfcSQLBookSQL* BookPageSQL::statement()
{
    BookSQL* owner = sqlBook();
    return owner ? owner->bookSQLGetStatement() : nullptr;
}

long BookPageSQL::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    if (!owner || !owner->GetSafeHwnd())
        return E_FAIL;
    CRect area = sqlPageViewArea(owner);
    if (!m_edit.Create(nullptr, nullptr,
            WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL
                | ES_AUTOHSCROLL | ES_WANTRETURN,
            area, owner, IDC_BOOKSQL_QUERY))
        return E_FAIL;
    m_edit.GetEditCtrl().LimitText(65535);
    CRect cell(0, 0, kButtonWidth, kButtonHeight);
    if (!bookpageGetReadOnly()) {
        if (!m_execute.Create("Execute", WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON, cell, owner,
                IDC_BOOKSQL_EXECUTE)
            || !m_allOutput.Create("All Output", WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, cell,
                owner, IDC_BOOKSQL_ALLOUTPUT))
            return E_FAIL;
        m_allOutput.SetCheck(BST_CHECKED);
    }
    if (!m_reset.Create(
            "Reset", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, cell, owner, IDC_BOOKSQL_RESET))
        return E_FAIL;
    bookpageSize(0, 0, 0);
    return 0;
}

long BookPageSQL::bookpageDestroy()
{
    for (CWnd* window : { static_cast<CWnd*>(&m_edit), static_cast<CWnd*>(&m_execute),
             static_cast<CWnd*>(&m_reset), static_cast<CWnd*>(&m_allOutput) })
        if (window->GetSafeHwnd())
            window->DestroyWindow();
    return 0;
}

void BookPageSQL::showWindows(int show)
{
    for (CWnd* window : { static_cast<CWnd*>(&m_edit), static_cast<CWnd*>(&m_execute),
             static_cast<CWnd*>(&m_reset), static_cast<CWnd*>(&m_allOutput) })
        if (window->GetSafeHwnd())
            window->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

long BookPageSQL::bookpageChanging()
{
    showWindows(0);
    return bookpage::bookpageChanging();
}

long BookPageSQL::bookpageChange()
{
    bookpageSize(0, 0, 0);
    showWindows(1);
    if (bookpageGetReadOnly())
        bookpageButtonProcessReadOnly();
    return bookpage::bookpageChange();
}

void BookPageSQL::bookpageButtonProcessReadOnly()
{
    for (CWnd* window : { static_cast<CWnd*>(&m_execute), static_cast<CWnd*>(&m_reset),
             static_cast<CWnd*>(&m_allOutput) })
        if (window->GetSafeHwnd())
            window->ShowWindow(SW_HIDE);
}

long BookPageSQL::bookpageSize(unsigned int, int, int)
{
    book* owner = bookpageGetOwner();
    if (!owner || !m_edit.GetSafeHwnd())
        return 0;
    CRect area = sqlPageViewArea(owner);
    m_edit.MoveWindow(area);
    int top = area.bottom + (kSqlPageBottomStrip - kButtonHeight) / 2;
    int left = area.left;
    for (CButton* button : { &m_execute, &m_reset, &m_allOutput }) {
        if (!button->GetSafeHwnd())
            continue;
        button->MoveWindow(left, top, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }
    return 0;
}

BOOL BookPageSQL::bookpageCmdMsg(unsigned int id, int code, void*, AFX_CMDHANDLERINFO* info)
{
    // Only the command itself runs a query, not the framework's enabling questions.
    if (info || code != CN_COMMAND)
        return FALSE;
    long count = 0;
    switch (id) {
    case IDC_BOOKSQL_EXECUTE:
        return PageQueryOk(code, &count) == 0;
    case IDC_BOOKSQL_RESET:
        return PageQueryCancel(code) == 0;
    case IDC_BOOKSQL_PAGE:
        return PageQueryPage(code, &count) == 0;
    default:
        return FALSE;
    }
}

BOOL BookPageSQL::bookpagePreTranslateMessage(MSG*) { return FALSE; }

long BookPageSQL::bookpageEditCopy()
{
    if (m_edit.GetSafeHwnd())
        m_edit.GetEditCtrl().Copy();
    return 0;
}

long BookPageSQL::bookpageEditCut()
{
    if (m_edit.GetSafeHwnd())
        m_edit.GetEditCtrl().Cut();
    return 0;
}

long BookPageSQL::bookpageEditPaste()
{
    if (m_edit.GetSafeHwnd())
        m_edit.GetEditCtrl().Paste();
    return 0;
}

long BookPageSQL::bookpagePrint() { return m_edit.bookpagePrint(); }

long BookPageSQL::bookpagePrintPreview() { return m_edit.bookpagePrintPreview(); }

HWND BookPageSQL::bookpageGetFontWindow(CFont** font, LOGFONTA*)
{
    if (font)
        *font = m_edit.GetSafeHwnd() ? m_edit.GetFont() : nullptr;
    return m_edit.GetSafeHwnd();
}

long BookPageSQL::bookpageSetFont(int pointSize, char* faceName)
{
    long rc = m_edit.bookEditCreateFont(pointSize, faceName);
    if (rc == 0)
        m_edit.bookEditSetFont();
    return rc;
}

long BookPageSQL::bookpageSetFont(CFontDialog* dialog)
{
    if (!m_edit.GetSafeHwnd() || !dialog)
        return E_FAIL;
    LOGFONTA font = dialog->m_cf.lpLogFont ? *dialog->m_cf.lpLogFont : LOGFONTA {};
    return bookpageSetFont(dialog->GetSize() / 10, font.lfFaceName);
}

long BookPageSQL::fileTransfer(bool open)
{
    if (!m_edit.GetSafeHwnd())
        return E_FAIL;
    char path[MAX_PATH] = {};
    TessiloApp.CurrentDir(0);
    long rc = open ? TessiloApp.FileGet(path, &m_edit.GetEditCtrl())
                   : TessiloApp.FilePut(path, &m_edit.GetEditCtrl());
    TessiloApp.CurrentDir(1);
    return rc;
}

long BookPageSQL::bookpageFileOpen() { return fileTransfer(true); }

long BookPageSQL::bookpageFileSave() { return fileTransfer(false); }

void BookPageSQL::bookpageShow(BOOL show) { showWindows(show); }

long BookPageSQL::PageQueryPage(int, long*) { return 0; }

long BookPageSQL::PageQueryOk(int, long* count)
{
    bookMfcSQLBookSQL* sql = statement();
    if (!sql)
        return E_UNEXPECTED;
    PageQueryOKSet();
    long result = sql->MfcSQLExecStr(&m_edit.GetEditCtrl(), count);
    // Rows in the list arrive padded to their display width, which is all the width their column
    // was given: the columns are fitted to the texts, or every padded cell would show cut short.
    if (sql->m_ODBCItem.list)
        sql->listColAutoWidth();
    return PageQueryOKSetDone(result);
}

long BookPageSQL::PageQueryOKSet()
{
    bookMfcSQLBookSQL* sql = statement();
    BookSQL* owner = sqlBook();
    BookPageSQLRslt* result = owner ? owner->bookSQLGetResultPage() : nullptr;
    if (!sql || !result)
        return 0;
    int rebuild = sql->m_resultPage;
    bool noList = !sql->m_ODBCItem.list;
    bool noReport = !sql->m_ODBCItem.richEdit;
    if (rebuild != 1 && !noList && !noReport)
        return 0;
    bool allOutput = m_allOutput.GetSafeHwnd() ? m_allOutput.GetCheck() == BST_CHECKED : true;
    if (!allOutput && (rebuild == 1 || noList)) {
        result->bookpageDestroy();
        result->bookpageCreate(0);
    } else if (allOutput && (rebuild == 1 || noReport)) {
        result->bookpageDestroy();
        result->bookpageCreate(2);
    }
    return 0;
}

long BookPageSQL::PageQueryOKSetDone(long result)
{
    bookMfcSQLBookSQL* sql = statement();
    BookSQL* owner = sqlBook();
    if (!sql || !owner || sql->m_resultPageDone != 1)
        return result;
    int target
        = result == 0 ? owner->bookSQLGetResultPageNumber() : owner->bookSQLGetQueryPageNumber();
    if (target >= 0 && owner->bookGetPageCurrentIdx() != target)
        owner->bookToPage(static_cast<unsigned int>(target));
    if (BookPageSQLRslt* page = owner->bookSQLGetResultPage())
        if (CWnd* view = page->PageRsltGetView(); view && view->GetSafeHwnd())
            view->EnableWindow(TRUE);
    return result;
}

long BookPageSQL::PageQueryCancel(int)
{
    if (m_edit.GetSafeHwnd())
        m_edit.SetWindowText("");
    if (bookMfcSQLBookSQL* sql = statement())
        sql->MfcSQLOutputReset();
    return 0;
}
