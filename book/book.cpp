// The container: construction and teardown, the page table, page changes by code and by the
// user's tab clicks, sizing, and forwarding to the current page.
#include "book/book.h"

#include "app/tessilo.h"

#include <cstdlib>
#include <mutex>
#include <set>

namespace {

std::mutex liveBooksLock;
std::set<const book*>& liveBooks()
{
    static std::set<const book*> books;
    return books;
}

void markAlive(const book* b, bool alive)
{
    std::lock_guard<std::mutex> guard(liveBooksLock);
    if (alive)
        liveBooks().insert(b);
    else
        liveBooks().erase(b);
}

static_assert(sizeof(LRESULT) == sizeof(long), "page notification results are longs");

} // namespace

BEGIN_MESSAGE_MAP(book, CTabCtrl)
ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelchange)
ON_NOTIFY_REFLECT(TCN_SELCHANGING, OnSelchanging)
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSEACTIVATE()
ON_WM_NCHITTEST()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

book::book(CWnd* parent)
    : m_bookParent(parent)
    , m_bookId(0)
    , m_bookPages {}
    , m_bookCurrent(0)
    , m_bookDecimalPlaces(2)
    , m_bookReadOnly(FALSE)
{
    markAlive(this, true);
    initRemaining();
    bookCreateFont(nullptr, 8, const_cast<char*>("Courier New"), 0, nullptr);
}

book::book(CWnd* parent, unsigned int id, long* status)
    : m_bookParent(parent)
    , m_bookId(id)
    , m_bookPages {}
    , m_bookCurrent(0)
    , m_bookDecimalPlaces(2)
    , m_bookReadOnly(FALSE)
{
    if (status)
        *status = 0;
    markAlive(this, true);
    initRemaining();
    long created = bookInit(id);
    if (status)
        *status = created;
    bookCreateFont(nullptr, 8, const_cast<char*>("Courier New"), 0, nullptr);
}

book::~book()
{
    Destroy();
    markAlive(this, false);
}

bool book::bookIsAlive(const book* candidate)
{
    std::lock_guard<std::mutex> guard(liveBooksLock);
    return liveBooks().count(candidate) != 0;
}

void book::initRemaining()
{
    m_bookLogFile.Empty();
    m_bookLogErrors = 0;
    m_bookMousePos = CPoint(-1, -1);
    m_bookTrack = TRACKMOUSEEVENT {};
    m_bookTrack.cbSize = sizeof(TRACKMOUSEEVENT);
    m_bookTrack.dwHoverTime = 100;
    m_bookTracking = FALSE;
    m_bookTrackedWindow = nullptr;
    m_bookHook = nullptr;
    m_bookFont = nullptr;
    m_bookFontPointSize = -1;
    m_bookMessageBox = nullptr;
}

long book::bookInit(unsigned int id)
{
    m_bookId = id;
    CRect rect(0, 0, 0, 0);
    if (m_bookParent && m_bookParent->GetSafeHwnd())
        m_bookParent->GetClientRect(&rect);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP | TCS_RAGGEDRIGHT;
    if (!Create(style, rect, m_bookParent, id))
        return E_FAIL;
    ::SetWindowPos(GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetMinTabWidth(-1);
    readDecimalPlaces();
    return 0;
}

void book::Destroy()
{
    bookMessageBoxDestroy();
    for (int slot = 0; slot < kPageSlots; ++slot) {
        if (bookpage* page = m_bookPages[slot]) {
            bookUnRegisterPage(page, static_cast<unsigned int>(slot));
            if (GetSafeHwnd())
                DeleteItem(slot);
        }
    }
    delete m_bookFont;
    m_bookFont = nullptr;
    m_bookFontPointSize = -1;
    m_bookTrack.cbSize = sizeof(TRACKMOUSEEVENT);
    m_bookTrack.dwFlags = TME_CANCEL | TME_HOVER | TME_LEAVE;
    m_bookTrack.hwndTrack = GetSafeHwnd();
    m_bookTrack.dwHoverTime = 100;
    if (m_bookTrack.hwndTrack)
        TrackMouseEvent(&m_bookTrack);
    m_bookTracking = FALSE;
    removeMouseHook();
}

void book::readDecimalPlaces()
{
    m_bookDecimalPlaces
        = std::atoi(TessiloApp.getProfileString(CString("DecimalPlaces"), CString("2")));
}

int book::bookGetDecimalPlaces() { return m_bookDecimalPlaces; }

long book::bookRegisterPage(bookpage* page, unsigned int index)
{
    if (index >= static_cast<unsigned int>(kPageSlots))
        return 0;
    if (m_bookPages[index])
        return E_UNEXPECTED;
    m_bookPages[index] = page;
    if (page)
        page->bookpageSetReadOnly(m_bookReadOnly);
    return 0;
}

long book::bookUnRegisterPage(bookpage* page, unsigned int index)
{
    if (index >= static_cast<unsigned int>(kPageSlots))
        return 0;
    if (!page || m_bookPages[index] != page)
        return E_UNEXPECTED;
    m_bookPages[index] = nullptr;
    return 0;
}

bookpage* book::bookGetPage(long index)
{
    if (index < 0 || index >= kPageSlots)
        return nullptr;
    return m_bookPages[index];
}

bookpage* book::currentPage() { return bookGetPage(m_bookCurrent); }

void book::bookSetPageCurrent(long index) { m_bookCurrent = index; }

long book::bookGetPageCurrentIdx() { return m_bookCurrent; }

CWnd* book::bookGetOwner() { return m_bookParent; }

long book::bookToPage(unsigned int index)
{
    long previous = m_bookCurrent;
    bookSetPageCurrent(static_cast<long>(index));
    bookpage* page = currentPage();
    if (!page)
        return E_FAIL;
    readDecimalPlaces();
    if (bookpage* left = bookGetPage(previous)) {
        HighlightItem(static_cast<int>(previous), FALSE);
        left->bookpageChanging();
    }
    SetCurSel(static_cast<int>(m_bookCurrent));
    SetCurFocus(static_cast<int>(m_bookCurrent));
    HighlightItem(static_cast<int>(m_bookCurrent), TRUE);
    page->bookpageChange();
    page->bookpageButtonProcess();
    return 0;
}

void book::OnSelchanging(NMHDR* header, LRESULT* result) { bookSelchanging(header, result); }

void book::OnSelchange(NMHDR* header, LRESULT* result) { bookSelchange(header, result); }

void book::bookSelchanging(NMHDR*, LRESULT* result)
{
    if (result)
        *result = 0;
    HighlightItem(static_cast<int>(m_bookCurrent), FALSE);
    if (bookpage* page = currentPage())
        page->bookpageChanging();
}

void book::bookSelchange(NMHDR*, LRESULT* result)
{
    if (result)
        *result = 0;
    m_bookCurrent = GetCurSel();
    HighlightItem(static_cast<int>(m_bookCurrent), TRUE);
    if (bookpage* page = currentPage()) {
        readDecimalPlaces();
        page->bookpageChange();
        page->bookpageButtonProcess();
    }
}

void book::OnSize(UINT type, int cx, int cy)
{
    CTabCtrl::OnSize(type, cx, cy);
    if (GetSafeHwnd())
        bookSize(type, cx, cy);
}

void book::bookSize(unsigned int type, int cx, int cy)
{
    CRect rect(0, 0, 0, 0);
    if (m_bookParent && m_bookParent->GetSafeHwnd())
        m_bookParent->GetClientRect(&rect);
    if (GetSafeHwnd())
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_SHOWWINDOW);
    if (bookpage* page = currentPage())
        page->bookpageSize(type, cx, cy);
}

void book::bookMove(int x, int y)
{
    if (bookpage* page = currentPage())
        page->bookpageMove(x, y);
}

void book::OnMouseMove(UINT flags, CPoint point) { CTabCtrl::OnMouseMove(flags, point); }

int book::OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message)
{
    return CTabCtrl::OnMouseActivate(topParent, hitTest, message);
}

LRESULT book::OnNcHitTest(CPoint point) { return CTabCtrl::OnNcHitTest(point); }

void book::OnKillFocus(CWnd* newWindow) { CTabCtrl::OnKillFocus(newWindow); }

BOOL book::bookCmdMsg(unsigned int id, int code, void* extra, AFX_CMDHANDLERINFO* info)
{
    bookpage* page = currentPage();
    return page ? page->bookpageCmdMsg(id, code, extra, info) : FALSE;
}

BOOL book::bookPreTranslateMessage(MSG* msg)
{
    bookpage* page = currentPage();
    return page ? page->bookpagePreTranslateMessage(msg) : FALSE;
}

long book::bookEditCopy()
{
    if (bookpage* page = currentPage())
        page->bookpageEditCopy();
    return 0;
}

long book::bookEditCut()
{
    if (bookpage* page = currentPage())
        page->bookpageEditCut();
    return 0;
}

long book::bookEditPaste()
{
    if (bookpage* page = currentPage())
        page->bookpageEditPaste();
    return 0;
}

long book::bookPrint()
{
    if (bookpage* page = currentPage())
        page->bookpagePrint();
    return 0;
}

long book::bookPrintPreview()
{
    if (bookpage* page = currentPage())
        page->bookpagePrintPreview();
    return 0;
}

long book::bookSetFont(HWND window, LOGFONTA* logFont)
{
    if (bookpage* page = currentPage())
        page->bookpageSetFont(window, logFont);
    return 0;
}

long book::bookSetFont(HWND window)
{
    if (bookpage* page = currentPage())
        page->bookpageSetFont(window);
    return 0;
}

long book::bookFileOpen()
{
    if (bookpage* page = currentPage())
        page->bookpageFileOpen();
    return 0;
}

long book::bookFileSave()
{
    if (bookpage* page = currentPage())
        page->bookpageFileSave();
    return 0;
}

void book::bookMessageBoxCatch(_bookMessageBox* box)
{
    if (!box)
        return;
    if (bookpage* page = currentPage())
        page->bookpageMessageBoxCatch(box);
}

void book::MouseRButtonDown(unsigned int hitTest, CPoint screenPoint)
{
    if (bookpage* page = currentPage())
        page->MouseRButtonDown(hitTest, screenPoint);
}

void book::bookViewLog() { }

BOOL book::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info)
{
    if (bookCmdMsg(id, code, extra, info))
        return TRUE;
    return CTabCtrl::OnCmdMsg(id, code, extra, info);
}

BOOL book::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (bookpage* page = currentPage())
        return page->bookpageDoNotify(static_cast<unsigned int>(wParam), static_cast<long>(lParam),
            reinterpret_cast<long*>(result));
    return CTabCtrl::OnNotify(wParam, lParam, result);
}

BOOL book::PreTranslateMessage(MSG* msg)
{
    if (msg && msg->message == WM_MOUSEHOVER)
        bookMouseHoverMsg(msg);
    else if (msg && msg->message == WM_MOUSELEAVE)
        bookMouseLeaveMsg(msg);
    return CTabCtrl::PreTranslateMessage(msg);
}

void book::bookShow(BOOL show)
{
    if (bookpage* page = currentPage())
        page->bookpageShow(show);
    if (GetSafeHwnd())
        ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (show)
        installMouseHook();
    else if (m_bookHook)
        removeMouseHook();
}

long book::bookSetTabSize(long cx, long cy)
{
    if (GetSafeHwnd())
        SetItemSize(CSize(static_cast<int>(cx), static_cast<int>(cy)));
    return 0;
}

void book::bookSetReadOnly(BOOL readOnly) { m_bookReadOnly = readOnly; }

BOOL book::bookGetReadOnly() { return m_bookReadOnly; }

HDC book::GetPrinterDC()
{
    PRINTDLGA request {};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetSafeHwnd();
    request.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgA(&request))
        return nullptr;
    return request.hDC;
}
