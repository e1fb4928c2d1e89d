// BookPageSQLRslt: making, registering and laying out the output view, and passing the report
// preferences on to it.
#include "sqlpages/bookpagesqlrslt.h"
#include "app/tessilo.h"
#include "resources/resource.h"
#include "sqlpages/booksql.h"
#include "sqlpages/bookpagesqlset.h"
#include "sqlpages/sqlpagelayout.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <cstdlib>
#include <cstring>

namespace {
// Multi-line with a border and scroll bars. Lines wrap at the view's width: a view that scrolls
// sideways by itself measures every line again on each append, which makes long reports slow.
const DWORD kViewStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE;

// A text view of the page over the area; null when its window cannot be made.
template <typename View> View* makeTextView(book* owner, BookPageSQLRslt* page, const CRect& area)
{
    auto* view = new View(owner, page);
    if (view->Create(nullptr, nullptr, kViewStyle, area, owner, IDC_BOOKSQL_RESULT))
        return view;
    delete view;
    return nullptr;
}

// Makes the view the output of the book's statement.
template <typename View> void registerView(bookMfcSQLBookSQL* sql, View* view)
{
    if (sql && view)
        sql->MfcSQLSetOutput(view);
}

// Applies a call to each of the page's text views (the edit view, the report view) it has.
template <typename Call> void forTextViews(bookEdit* edit, bookRichEdit* report, Call call)
{
    if (edit)
        call(*edit);
    if (report)
        call(*report);
}

// Ends the view, first taking it from the statement when it is the statement's output.
template <typename View> void destroyView(View*& view, bookMfcSQLBookSQL* sql, View* registered)
{
    if (!view)
        return;
    if (sql && registered == view)
        sql->MfcSQLSetOutput(static_cast<View*>(nullptr));
    if (view->GetSafeHwnd())
        view->DestroyWindow();
    delete view;
    view = nullptr;
}
}

BookPageSQLRslt::BookPageSQLRslt()
    : m_mode(modeNone)
    , m_list(nullptr)
    , m_edit(nullptr)
    , m_richEdit(nullptr)
    , m_reserved(0)
    , m_align(1)
    , m_letterHead(0)
{
}

BookPageSQLRslt::BookPageSQLRslt(book* owner, char* title, unsigned int position, long* result)
    : bookpage(owner, title, position, result)
    , m_mode(modeNone)
    , m_list(nullptr)
    , m_edit(nullptr)
    , m_richEdit(nullptr)
    , m_reserved(0)
    , m_align(1)
    , m_letterHead(0)
{
    long status = 0;
    if (!owner)
        status = E_UNEXPECTED;
    else if (position == static_cast<unsigned int>(-1))
        status = bookpageCreate(modeReport);
    else
        status = bookpageInit(title, position);
    if (result)
        *result = status;
}

BookPageSQLRslt::~BookPageSQLRslt() { BookPageSQLRslt::bookpageDestroy(); }

BookSQL* BookPageSQLRslt::sqlBook() { return dynamic_cast<BookSQL*>(bookpageGetOwner()); }

bookMfcSQLBookSQL* BookPageSQLRslt::statement()
{
    BookSQL* owner = sqlBook();
    return owner ? owner->bookSQLGetStatement() : nullptr;
}

BookPageSQLSet* BookPageSQLRslt::settingsPage()
{
    BookSQL* owner = sqlBook();
    return owner ? owner->bookSQLGetSettingsPage() : nullptr;
}

CRect BookPageSQLRslt::viewArea() { return sqlPageViewArea(bookpageGetOwner(), 10); }

long BookPageSQLRslt::bookpageCreate(int mode)
{
    if (mode == modeList || mode == modeEdit || mode == modeReport)
        m_mode = mode;
    return bookpageCreate();
}

long BookPageSQLRslt::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    if (m_mode == modeNone)
        return 0;
    if (!owner || !owner->GetSafeHwnd())
        return E_FAIL;
    CRect area = viewArea();
    long rc = 0;
    if (m_mode == modeList && !m_list)
        rc = createList(area);
    else if (m_mode == modeEdit && !m_edit)
        rc = createEdit(area);
    else if (m_mode == modeReport && !m_richEdit)
        rc = createReport(area);
    if (PageRsltGetView() && owner->bookGetPage(owner->bookGetPageCurrentIdx()) == this) {
        bookpageSize(0, 0, 0);
        bookpageShow(TRUE);
    }
    return rc;
}

long BookPageSQLRslt::createList(const CRect& area)
{
    m_list = new bookListSQL();
    if (m_list->bookListSQLCreate(bookpageGetOwner(), IDC_BOOKSQL_RESULT, area) != 0) {
        delete m_list;
        m_list = nullptr;
        return E_FAIL;
    }
    registerView(statement(), m_list);
    bookpageSetSettings();
    return 0;
}

long BookPageSQLRslt::createEdit(const CRect& area)
{
    m_edit = makeTextView<bookEdit>(bookpageGetOwner(), this, area);
    if (!m_edit)
        return E_FAIL;
    // Reports of any length: a report cut at a fixed size would lose its rows and totals.
    m_edit->GetEditCtrl().SetLimitText(0);
    registerView(statement(), m_edit);
    m_edit->bookEditSetMargins(100, 100, 100, 100);
    bookpageSetSettings();
    return 0;
}

long BookPageSQLRslt::createReport(const CRect& area)
{
    m_richEdit = makeTextView<bookRichEdit>(bookpageGetOwner(), this, area);
    if (!m_richEdit)
        return E_FAIL;
    // The view takes reports of any length itself.
    CRichEditCtrl& control = m_richEdit->GetRichEditCtrl();
    control.SetOptions(ECOOP_OR, BOOKRICHEDIT_REPORT_OPTIONS);
    registerView(statement(), m_richEdit);
    applyFontRequest();
    m_richEdit->bookEditSetMargins(0.5, 0.5, 0.5, 0.5);
    bookpageSetSettings();
    control.SetEventMask(0x200704);
    return 0;
}

void BookPageSQLRslt::applyFontRequest()
{
    if (TessiloApp.getProfileInt("FontRequestUse", 0) <= 0)
        return;
    LOGFONTA font {};
    BOOL stored = TessiloApp.getPrivateProfileStruct(
        "FontRequestLetterHeadFontLog", &font, static_cast<long>(sizeof font));
    if (TessiloApp.getProfileInt("FontRequest", 0) < 1 && stored) {
        long size
            = std::atol(TessiloApp.getProfileString("FontRequestLetterHeadFontLogPitch", "8"));
        bookpageSetFont(m_richEdit->GetSafeHwnd(), size, &font);
    } else {
        bookpageSetFont();
    }
}

long BookPageSQLRslt::bookpageDestroy()
{
    bookMfcSQLBookSQL* sql = statement();
    destroyView(m_list, sql, sql ? sql->m_ODBCItem.list : nullptr);
    destroyView(m_edit, sql, sql ? sql->m_ODBCItem.edit : nullptr);
    destroyView(m_richEdit, sql, sql ? sql->m_ODBCItem.richEdit : nullptr);
    m_mode = modeNone;
    return 0;
}

void BookPageSQLRslt::PageRsltRegister()
{
    bookMfcSQLBookSQL* sql = statement();
    if (!sql)
        return;
    registerView(sql, m_list);
    registerView(sql, m_edit);
    registerView(sql, m_richEdit);
    bookpageSetSettings();
}

CWnd* BookPageSQLRslt::PageRsltGetView() const
{
    if (m_richEdit)
        return m_richEdit;
    if (m_edit)
        return m_edit;
    return m_list;
}

void BookPageSQLRslt::PageRsltScrollToEnd(int lines)
{
    CWnd* view = PageRsltGetView();
    if (!view || !view->GetSafeHwnd() || view == m_list)
        return;
    // The caret at the end, scrolled into view, leaves the last lines in sight.
    long count = static_cast<long>(view->SendMessage(EM_GETLINECOUNT));
    if (count - lines <= 0)
        return;
    long end = static_cast<long>(view->SendMessage(WM_GETTEXTLENGTH));
    view->SendMessage(EM_SETSEL, static_cast<WPARAM>(end), end);
    view->SendMessage(EM_SCROLLCARET);
}

long BookPageSQLRslt::bookpageChanging()
{
    bookpageShow(FALSE);
    return bookpage::bookpageChanging();
}

long BookPageSQLRslt::bookpageChange()
{
    bookpageSize(0, 0, 0);
    bookpageShow(TRUE);
    if (CWnd* view = PageRsltGetView(); view && view->GetSafeHwnd())
        view->SetFocus();
    return bookpage::bookpageChange();
}

long BookPageSQLRslt::bookpageSize(unsigned int, int, int)
{
    CRect area = viewArea();
    for (CWnd* view :
        { static_cast<CWnd*>(m_list), static_cast<CWnd*>(m_edit), static_cast<CWnd*>(m_richEdit) })
        if (view && view->GetSafeHwnd())
            view->MoveWindow(area);
    return 0;
}

BOOL BookPageSQLRslt::bookpageCmdMsg(unsigned int id, int code, void*, AFX_CMDHANDLERINFO*)
{
    if (id == IDC_BOOKSQL_RESULT)
        return PageRsltSet(code) == 0;
    return FALSE;
}

long BookPageSQLRslt::PageRsltSet(int) { return E_FAIL; }

BOOL BookPageSQLRslt::bookpagePreTranslateMessage(MSG*) { return FALSE; }

long BookPageSQLRslt::bookpageEditCopy()
{
    if (CWnd* view = PageRsltGetView(); view && view != m_list && view->GetSafeHwnd())
        view->SendMessage(WM_COPY);
    return 0;
}

long BookPageSQLRslt::bookpageEditCut()
{
    if (CWnd* view = PageRsltGetView(); view && view != m_list && view->GetSafeHwnd())
        view->SendMessage(WM_CUT);
    return 0;
}

long BookPageSQLRslt::bookpageEditPaste()
{
    if (CWnd* view = PageRsltGetView(); view && view != m_list && view->GetSafeHwnd())
        view->SendMessage(WM_PASTE);
    return 0;
}

long BookPageSQLRslt::bookpagePrint()
{
    long rc = m_list ? m_list->bookpagePrint() : 0;
    forTextViews(m_edit, m_richEdit, [&rc](auto& view) { rc = view.bookpagePrint(); });
    return rc;
}

long BookPageSQLRslt::bookpagePrintPreview()
{
    long rc = m_list ? m_list->bookpagePrintPreview() : 0;
    forTextViews(m_edit, m_richEdit, [&rc](auto& view) { rc = view.bookpagePrintPreview(); });
    return rc;
}

HWND BookPageSQLRslt::bookpageGetFontWindow(CFont** font, LOGFONTA* logFont)
{
    CWnd* view = PageRsltGetView();
    if (!view || !view->GetSafeHwnd())
        return nullptr;
    CFont* current = view->GetFont();
    if (font)
        *font = current;
    if (logFont && current)
        current->GetLogFont(logFont);
    return view->GetSafeHwnd();
}

long BookPageSQLRslt::bookpageSetFont(int pointSize, char* faceName)
{
    if (m_richEdit) {
        long rc = m_richEdit->bookEditCreateFont(pointSize, faceName, 0, nullptr);
        return rc == 0 ? m_richEdit->bookEditSetFont() : rc;
    }
    if (m_edit) {
        long rc = m_edit->bookEditCreateFont(pointSize, faceName);
        return rc == 0 ? m_edit->bookEditSetFont() : rc;
    }
    if (m_list) {
        long rc = m_list->bookListCreateFont(pointSize, faceName);
        return rc == 0 ? m_list->bookListSetFont() : rc;
    }
    return E_FAIL;
}

long BookPageSQLRslt::bookpageSetFont(CFontDialog* dialog)
{
    if (!dialog || !dialog->m_cf.lpLogFont)
        return E_FAIL;
    return bookpageSetFont(dialog->GetSize() / 10, dialog->m_cf.lpLogFont->lfFaceName);
}

long BookPageSQLRslt::bookpageSetFont(HWND, long size, LOGFONTA* logFont)
{
    if (!m_richEdit || !logFont)
        return E_FAIL;
    long rc
        = m_richEdit->bookEditCreateFont(static_cast<int>(size), logFont->lfFaceName, 0, nullptr);
    return rc == 0 ? m_richEdit->bookEditSetFont() : rc;
}

long BookPageSQLRslt::bookpageSetFont()
{
    if (!m_richEdit)
        return E_FAIL;
    LOGFONTA font {};
    BOOL stored = TessiloApp.getPrivateProfileStruct(
        "FontRequestLetterHeadFontLog", &font, static_cast<long>(sizeof font));
    long pitch = std::atol(TessiloApp.getProfileString("FontRequestLetterHeadFontLogPitch", "8"));
    CFontDialog dialog(
        stored ? &font : nullptr, CF_SCREENFONTS | (stored ? CF_INITTOLOGFONTSTRUCT : 0));
    if (stored)
        dialog.m_cf.iPointSize = static_cast<INT>(pitch * 10);
    if (dialog.DoModal() != IDOK)
        return 2;
    LOGFONTA chosen = dialog.m_cf.lpLogFont ? *dialog.m_cf.lpLogFont : font;
    long points = dialog.GetSize() / 10;
    bookpageSetFont(m_richEdit->GetSafeHwnd(), points, &chosen);
    TessiloApp.writePrivateProfileStruct(
        "FontRequestLetterHeadFontLog", &chosen, static_cast<long>(sizeof chosen));
    CString size;
    size.Format("%ld", points);
    TessiloApp.writeProfileString("FontRequestLetterHeadFontLogPitch", size);
    return 0;
}

long BookPageSQLRslt::bookpageFileOpen()
{
    bookpageDestroy();
    if (bookpageCreate(modeReport) != 0 || !m_richEdit)
        return E_FAIL;
    char path[MAX_PATH] = {};
    TessiloApp.CurrentDir(0);
    long rc = TessiloApp.FileGet(path, &m_richEdit->GetRichEditCtrl());
    TessiloApp.CurrentDir(1);
    return rc;
}

long BookPageSQLRslt::bookpageFileSave()
{
    char path[MAX_PATH] = {};
    long rc = 0;
    TessiloApp.CurrentDir(0);
    if (m_richEdit)
        rc = TessiloApp.FilePut(path, &m_richEdit->GetRichEditCtrl());
    else if (m_edit)
        rc = TessiloApp.FilePut(path, &m_edit->GetEditCtrl());
    TessiloApp.CurrentDir(1);
    return rc;
}

void BookPageSQLRslt::bookpageShow(BOOL show)
{
    for (CWnd* view :
        { static_cast<CWnd*>(m_list), static_cast<CWnd*>(m_edit), static_cast<CWnd*>(m_richEdit) })
        if (view && view->GetSafeHwnd())
            view->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

BOOL BookPageSQLRslt::bookpageDoNotify(unsigned int wParam, long lParam, long* result)
{
    if (!m_richEdit || !m_richEdit->GetSafeHwnd())
        return FALSE;
    LRESULT answer = m_richEdit->SendMessage(WM_NOTIFY, wParam, lParam);
    if (result)
        *result = static_cast<long>(answer);
    return answer != 0;
}

void BookPageSQLRslt::bookpageSetPageNumbering(int on)
{
    forTextViews(m_edit, m_richEdit, [on](auto& view) { view.bookEditSetPageNumbering(on); });
}

void BookPageSQLRslt::bookpageSetHeaders(int on)
{
    forTextViews(m_edit, m_richEdit, [on](auto& view) { view.bookEditSetHeaders(on); });
}

void BookPageSQLRslt::bookpageSetFooters(int on)
{
    forTextViews(m_edit, m_richEdit, [on](auto& view) { view.bookEditSetFooters(on); });
}

void BookPageSQLRslt::bookpageSetLetterHeadAlign(unsigned int align)
{
    m_align = align;
    forTextViews(
        m_edit, m_richEdit, [align](auto& view) { view.bookEditSetLetterHeadAlign(align); });
}

void BookPageSQLRslt::bookpageSetLetterHead(int on)
{
    m_letterHead = on;
    forTextViews(m_edit, m_richEdit, [on](auto& view) { view.bookEditSetLetterHead(on); });
    if (bookMfcSQLBookSQL* sql = statement())
        sql->MfcSQLWantLetterHead(on);
}

void BookPageSQLRslt::bookpageSetTitles(int on)
{
    forTextViews(m_edit, m_richEdit, [on](auto& view) { view.bookEditSetTitles(on); });
    if (bookMfcSQLBookSQL* sql = statement())
        sql->MfcSQLWantTitles(on);
}

void BookPageSQLRslt::bookpageSetTotals(int on)
{
    if (bookMfcSQLBookSQL* sql = statement())
        sql->MfcSQLWantTotals(on);
}

void BookPageSQLRslt::bookpageSetDate(int on)
{
    if (bookMfcSQLBookSQL* sql = statement())
        sql->MfcSQLWantDate(on);
}

void BookPageSQLRslt::bookpageSetDecimalPlaces(unsigned int places)
{
    if (bookMfcSQLBookSQL* sql = statement())
        sql->MfcSQLSetDecimalPlaces(places);
    forTextViews(
        m_edit, m_richEdit, [places](auto& view) { view.bookEditSetDecimalPlaces(places); });
}

long BookPageSQLRslt::bookpageSetSettings()
{
    BookPageSQLSet* settings = settingsPage();
    HWND dialog = settings ? settings->PageSetGetDialog() : nullptr;
    bookMfcSQLBookSQL* sql = statement();
    auto checked = [dialog](int id) {
        return dialog && ::IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
    };
    BOOL number = FALSE;
    UINT places = dialog ? ::GetDlgItemInt(dialog, IDC_SQLSET_DECIMALPLACES, &number, FALSE) : 0;
    if (!number)
        places = 2;
    char separator[8] = {};
    if (dialog)
        ::GetDlgItemText(dialog, IDC_SQLSET_TITLETOTALCHAR, separator, sizeof separator);
    if (m_list) {
        bookpageSetDecimalPlaces(places);
        if (dialog) {
            bookpageSetTitles(checked(IDC_SQLSET_USETITLES));
            bookpageSetTotals(checked(IDC_SQLSET_USETOTALS));
            if (sql && separator[0])
                sql->MfcSQLSetTitleSeperatorLineChar(separator[0]);
        }
    }
    if ((m_edit || m_richEdit) && dialog) {
        bookpageSetHeaders(checked(IDC_SQLSET_USEHEADERS));
        bookpageSetFooters(checked(IDC_SQLSET_USEFOOTERS));
        bookpageSetPageNumbering(checked(IDC_SQLSET_PAGENUMBERS));
        int letterHead = checked(IDC_SQLSET_USELETTERHEAD);
        bookpageSetLetterHead(letterHead);
        bookpageSetDate(checked(IDC_SQLSET_USEDATE));
        bookpageSetDecimalPlaces(places);
        int align = checked(IDC_SQLSET_ALIGNLEFT) ? 0
            : checked(IDC_SQLSET_ALIGNCENTER)     ? 1
            : checked(IDC_SQLSET_ALIGNRIGHT)      ? 2
                                                  : -1;
        bookpageSetLetterHeadAlign(static_cast<unsigned int>(align));
        bookpageSetTitles(checked(IDC_SQLSET_USETITLES));
        bookpageSetTotals(checked(IDC_SQLSET_USETOTALS));
        if (sql) {
            sql->MfcSQLWantLetterHead(letterHead);
            if (separator[0])
                sql->MfcSQLSetTitleSeperatorLineChar(separator[0]);
        }
    }
    return 0;
}

long BookPageSQLRslt::bookpageSupplyLetterHead(CString* text)
{
    BookPageSQLSet* settings = settingsPage();
    HWND dialog = settings ? settings->PageSetGetDialog() : nullptr;
    if (!text || !dialog)
        return 0;
    char buffer[16384] = {};
    ::GetDlgItemText(dialog, IDC_SQLSET_LETTERHEAD, buffer, sizeof buffer);
    *text = buffer;
    *text += "\r\n";
    return 0;
}

long BookPageSQLRslt::bookpageSupplyLetterHeadFont(LOGFONTA* font, long* points)
{
    if (!m_richEdit)
        return 0;
    if (font)
        TessiloApp.getPrivateProfileStruct(
            "LetterHeadFontLog", font, static_cast<long>(sizeof *font));
    if (points)
        *points = std::atol(TessiloApp.getProfileString("LetterHeadFontLogPitch", "16"));
    return 0;
}

long BookPageSQLRslt::bookpageSupplyAlignment(unsigned int* align)
{
    if (align)
        *align = m_richEdit ? static_cast<unsigned int>(m_richEdit->bookEditGetLetterHeadAlign())
                            : m_align;
    return 0;
}
