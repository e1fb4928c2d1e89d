// Default page behaviour and the binding of a page to its book: tab insertion, registration in
// the book's page table and the teardown of both.
#include "book/bookpage.h"

#include "book/book.h"

bookpage::bookpage()
    : m_bookpageIndex(-1)
    , m_bookpageOwner(nullptr)
    , m_bookpageReadOnly(FALSE)
{
}

bookpage::bookpage(book* owner, char*, unsigned int, long* status)
    : m_bookpageIndex(-1)
    , m_bookpageOwner(owner)
    , m_bookpageReadOnly(FALSE)
{
    if (status)
        *status = 0;
}

bookpage::~bookpage() { bookpage::bookpageDeInit(); }

book* bookpage::bookpageGetOwner() { return m_bookpageOwner; }

// A host may delete the book before its pages; the page then must not reach into it.
book* bookpage::liveOwner() const
{
    return m_bookpageOwner && book::bookIsAlive(m_bookpageOwner) ? m_bookpageOwner : nullptr;
}

void bookpage::bookpageMouseTrack()
{
    if (book* owner = liveOwner())
        bookpageMouseTrackSet(owner->GetSafeHwnd());
}

void bookpage::bookpageMouseTrackSet(HWND window)
{
    if (book* owner = liveOwner())
        owner->bookMouseTrackingSet(window);
}

long bookpage::bookpageInit(char* title, unsigned int index)
{
    book* owner = liveOwner();
    if (!owner)
        return E_UNEXPECTED;
    TCITEMA item {};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    // A book whose window was never made has no tab control to insert into.
    int inserted = owner->GetSafeHwnd() ? owner->InsertItem(static_cast<int>(index), &item) : -1;
    m_bookpageIndex = static_cast<int>(index);
    if (inserted < 0)
        return E_FAIL;
    long status = bookpageCreate();
    if (status == 0)
        owner->bookRegisterPage(this, index);
    else
        bookpageDeInit();
    return status;
}

long bookpage::bookpageDeInit()
{
    if (!m_bookpageOwner)
        return E_UNEXPECTED;
    if (book* owner = liveOwner()) {
        owner->bookMouseTrackingSet(nullptr);
        owner->bookUnRegisterPage(this, static_cast<unsigned int>(m_bookpageIndex));
    }
    bookpageDestroy();
    m_bookpageIndex = -1;
    return 0;
}

long bookpage::bookpageCreate() { return 0; }

long bookpage::bookpageDestroy() { return 0; }

long bookpage::bookpageChanging()
{
    if (book* owner = liveOwner())
        owner->bookMouseTrackingSet(nullptr);
    return 0;
}

long bookpage::bookpageChange()
{
    bookpageMouseTrack();
    return 0;
}

void bookpage::bookpageButtonProcess()
{
    if (bookpageGetReadOnly())
        bookpageButtonProcessReadOnly();
}

void bookpage::bookpageButtonProcessReadOnly() { }

void bookpage::bookpageSetReadOnly(BOOL readOnly) { m_bookpageReadOnly = readOnly; }

BOOL bookpage::bookpageGetReadOnly() { return m_bookpageReadOnly; }

long bookpage::bookpageSize(unsigned int, int, int) { return 0; }

long bookpage::bookpageMove(int, int) { return 0; }

BOOL bookpage::bookpageCmdMsg(unsigned int, int, void*, AFX_CMDHANDLERINFO*) { return FALSE; }

BOOL bookpage::bookpagePreTranslateMessage(MSG*) { return FALSE; }

long bookpage::bookpageEditCopy() { return 0; }

long bookpage::bookpageEditCut() { return 0; }

long bookpage::bookpageEditPaste() { return 0; }

long bookpage::bookpagePrint() { return 0; }

long bookpage::bookpagePrintPreview() { return 0; }

HWND bookpage::bookpageGetFontWindow(CFont**, LOGFONTA*) { return nullptr; }

HDC bookpage::bookpageGetFontCfd(CFontDialog* dialog, CFont** font, LOGFONTA* logFont)
{
    HDC result = nullptr;
    if (!dialog)
        return result;
    CFont* windowFont = nullptr;
    HWND window = bookpageGetFontWindow(&windowFont, logFont);
    dialog->m_cf.hwndOwner = window;
    book* owner = liveOwner();
    HDC printer = owner ? owner->GetPrinterDC() : nullptr;
    dialog->m_cf.hDC = printer;
    if (printer) {
        dialog->m_cf.Flags |= CF_BOTH | CF_WYSIWYG | CF_SCALABLEONLY;
        result = printer;
    }
    if (window && windowFont) {
        if (font)
            *font = windowFont;
        dialog->m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    return result;
}

long bookpage::bookpageSetFont(CFontDialog*) { return E_FAIL; }

long bookpage::bookpageSetFont(int, char*) { return 0; }

long bookpage::bookpageSetFont(HWND) { return 0; }

long bookpage::bookpageSetFont(HWND, LOGFONTA*) { return 0; }

long bookpage::bookpageFileOpen() { return E_FAIL; }

long bookpage::bookpageFileSave() { return E_FAIL; }

void bookpage::bookpageShow(BOOL show)
{
    if (!show) {
        bookpageChanging();
        return;
    }
    bookpageChange();
    bookpageButtonProcess();
}

BOOL bookpage::bookpageDoNotify(unsigned int, long, long*) { return FALSE; }

void bookpage::bookpageMessageBoxCatch(_bookMessageBox*) { }

void bookpage::MouseRButtonDown(unsigned int, CPoint) { }
