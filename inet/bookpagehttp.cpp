#include "inet/bookpagehttp.h"

#include "app/tessilo.h"
#include "book/book.h"
#include "ftp/dlgftp.h"
#include "resources/resource.h"
#include "sqlpages/booksql.h"
#include "views/bookrichedit.h"
#include <afxdlgs.h>

#include <cstdlib>

namespace {
const UINT kTextAreaId = 2035;
const DWORD kTextAreaStyle = 0x40B10004; // child, visible, border, both scroll bars, multi-line
const DWORD kEventMask = 0x200704;
const int kLeft = 2;
const int kTop = 25;
const int kRightInset = 60;
const int kBottomInset = 10;

BookPageHttp* g_page = nullptr;
book* g_book = nullptr;

// The statement that writes the reports of the page's book, when the book is an SQL book.
bookMfcSQLBookSQL* outputHookOf(book* owner)
{
    auto* sqlBook = dynamic_cast<BookSQL*>(owner);
    return sqlBook ? sqlBook->bookSQLGetStatement() : nullptr;
}
}

BookPageHttp::BookPageHttp(book* owner, char* name, unsigned int flags, long* status)
    : bookpage(owner, name, flags, status)
{
    if (!status || *status != 0)
        return;
    *status = bookpageInit(name, flags);
    if (*status != 0)
        return;
    m_hDialog
        = ::CreateDialogParamA(CTessiloApp::GetLibraryModule(), MAKEINTRESOURCE(IDD_BOOKPAGEHTTP),
            owner->GetSafeHwnd(), dialogProc, reinterpret_cast<LPARAM>(this));
    if (!m_hDialog)
        *status = E_FAIL;
}

BookPageHttp::BookPageHttp() = default;

BookPageHttp::BookPageHttp(const BookPageHttp& other)
    : bookpage(other)
{
}

BookPageHttp::~BookPageHttp()
{
    bookpageDestroy();
    if (g_page == this) {
        g_page = nullptr;
        g_book = nullptr;
    }
}

BookPageHttp* BookPageHttp::CurrentPage() { return g_page; }
book* BookPageHttp::CurrentBook() { return g_book; }

INT_PTR CALLBACK BookPageHttp::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* page = reinterpret_cast<BookPageHttp*>(lParam);
        g_page = page;
        g_book = page ? page->bookpageGetOwner() : nullptr;
        if (page) {
            page->m_hDialog = dialog;
            page->bookpageChange();
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_BUTTON_FTP) {
            // A fresh browser each time: nothing is kept between two runs.
            auto* browser = new CDlgFtp(&TessiloApp, CWnd::FromHandle(dialog));
            browser->DoModal();
            delete browser;
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

CRect BookPageHttp::pageArea()
{
    CRect area;
    book* owner = bookpageGetOwner();
    CWnd* window = owner ? owner->bookGetOwner() : nullptr;
    if (!window || !window->GetSafeHwnd())
        return area;
    window->GetClientRect(&area);
    area.right -= kRightInset;
    area.bottom -= kBottomInset;
    return area;
}

long BookPageHttp::bookpageCreate()
{
    if (!m_hDialog || m_pText)
        return S_OK;
    book* owner = bookpageGetOwner();
    CRect area = pageArea();
    if (!owner || area.IsRectEmpty())
        return E_FAIL;
    CRect rect(kLeft, kTop, area.right, area.bottom);
    m_pText = new bookRichEdit;
    if (!m_pText->Create(nullptr, nullptr, kTextAreaStyle, rect, owner, kTextAreaId)) {
        delete m_pText;
        m_pText = nullptr;
        return E_FAIL;
    }
    m_pText->GetRichEditCtrl().SetOptions(ECOOP_OR, BOOKRICHEDIT_REPORT_OPTIONS);
    // The book's next report goes to this text area.
    if (bookMfcSQLBookSQL* statement = outputHookOf(owner))
        statement->MfcSQLSetOutput(m_pText);
    applyFontRequest();
    m_pText->bookEditSetMargins(0.5, 0.5, 0.5, 0.5);
    m_pText->SendMessage(EM_SETEVENTMASK, 0, kEventMask);
    return S_OK;
}

// The stored font of the font request, or the font dialog when the request asks for one.
void BookPageHttp::applyFontRequest()
{
    if (TessiloApp.getProfileInt("FontRequestUse", 0) <= 0)
        return;
    LOGFONTA font {};
    BOOL stored = TessiloApp.getPrivateProfileStruct(
        "FontRequestLetterHeadFontLog", &font, static_cast<long>(sizeof font));
    int points = 0;
    if (TessiloApp.getProfileInt("FontRequest", 0) < 1 && stored) {
        points = atoi(TessiloApp.getProfileString("FontRequestLetterHeadFontLogPitch", "8"));
    } else {
        CFontDialog dialog(stored ? &font : nullptr, CF_SCREENFONTS, nullptr, m_pText);
        if (dialog.DoModal() != IDOK)
            return;
        dialog.GetCurrentFont(&font);
        points = dialog.GetSize() / 10;
    }
    font.lfHeight = points * 10;
    delete m_pFont;
    m_pFont = new CFont;
    if (m_pFont->CreatePointFontIndirect(&font))
        m_pText->SetFont(m_pFont);
}

long BookPageHttp::bookpageDestroy()
{
    if (m_pText) {
        // A statement still writing here would write into a deleted view.
        bookMfcSQLBookSQL* statement = outputHookOf(bookpageGetOwner());
        if (statement && statement->m_ODBCItem.richEdit == m_pText)
            statement->MfcSQLSetOutput(static_cast<bookRichEdit*>(nullptr));
        if (m_pText->GetSafeHwnd())
            m_pText->DestroyWindow();
        delete m_pText;
        m_pText = nullptr;
    }
    delete m_pFont;
    m_pFont = nullptr;
    if (m_hDialog) {
        HWND dialog = m_hDialog;
        m_hDialog = nullptr;
        ::DestroyWindow(dialog);
    }
    return 0;
}

long BookPageHttp::bookpageChanging()
{
    if (m_pText && m_pText->GetSafeHwnd())
        m_pText->ShowWindow(SW_HIDE);
    if (m_hDialog)
        ::ShowWindow(m_hDialog, SW_HIDE);
    return 0;
}

long BookPageHttp::bookpageChange()
{
    HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    if (!m_pText)
        bookpageCreate();
    bookpageSize(0, 0, 0);
    ::SetCursor(previous ? previous : ::LoadCursor(nullptr, IDC_ARROW));
    return 0;
}

long BookPageHttp::bookpageSize(unsigned int, int, int)
{
    CRect area = pageArea();
    if (area.IsRectEmpty())
        return 0;
    if (m_hDialog)
        ::MoveWindow(m_hDialog, kLeft, kTop, area.Width(), area.Height(), TRUE);
    if (m_pText && m_pText->GetSafeHwnd())
        m_pText->MoveWindow(
            4, kTop + area.Height() / 2, area.Width() - 18, area.Height() / 2 - 40, TRUE);
    return 0;
}

BOOL BookPageHttp::bookpageCmdMsg(unsigned int, int, void*, AFX_CMDHANDLERINFO*) { return 0; }

BOOL BookPageHttp::bookpagePreTranslateMessage(MSG* msg)
{
    return m_hDialog && msg ? ::IsDialogMessage(m_hDialog, msg) : 0;
}

long BookPageHttp::bookpageEditCopy() { return 0; }
long BookPageHttp::bookpageEditCut() { return 0; }
long BookPageHttp::bookpageEditPaste() { return 0; }
long BookPageHttp::bookpagePrint() { return 0; }
long BookPageHttp::bookpagePrintPreview() { return 0; }
long BookPageHttp::bookpageSetFont(CFontDialog*) { return E_FAIL; }
long BookPageHttp::bookpageSetFont(int, char*) { return 0; }
long BookPageHttp::bookpageFileOpen() { return E_FAIL; }
long BookPageHttp::bookpageFileSave() { return E_FAIL; }
void BookPageHttp::bookpageShow(BOOL show) { bookpage::bookpageShow(show); }

HWND BookPageHttp::bookpageGetFontWindow(CFont**) { return nullptr; }
void BookPageHttp::Put() { }
void BookPageHttp::PutVitals() { }
void BookPageHttp::GetVitals() { }
CString BookPageHttp::GetItemSelectedLocal() { return CString(); }
CString BookPageHttp::GetItemSelectedHost() { return CString(); }
