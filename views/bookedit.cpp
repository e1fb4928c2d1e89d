#include "views/bookedit.h"
#include "views/viewfont.h"
#include "views/printlines.h"

#include <afxdlgs.h>
#include <algorithm>

BEGIN_MESSAGE_MAP(bookEdit, CEditView)
ON_WM_CREATE()
END_MESSAGE_MAP()

bookEdit::bookEdit()
    : bookEdit(nullptr, nullptr)
{
}

bookEdit::bookEdit(CWnd* parent, BookPageSQLRslt* page)
    : bookPrintOptions(0)
    , m_parent(parent)
    , m_page(page)
{
    init();
}

void bookEdit::init()
{
    m_printerLineHeight = 0;
    m_totalLines = 0;
    m_linesPerPage = 0;
    m_printerFont = nullptr;
    m_marginTop = m_marginBottom = m_marginLeft = m_marginRight = 0;
    m_font = nullptr;
    m_fontPoints = 0;
    char face[] = "Courier New";
    bookEditCreateFont(8, face);
}

bookEdit::~bookEdit()
{
    bookEditCreateFont(0, nullptr);
    delete m_printerFont;
}

int bookEdit::OnCreate(LPCREATESTRUCT cs)
{
    if (CEditView::OnCreate(cs) == -1)
        return -1;
    // Report columns line up only in the view's fixed-pitch font.
    bookEditSetFont();
    return 0;
}

long bookEdit::bookEditCreateFont(int points, char* face)
{
    long rc = viewFontReplace(&m_font, points, face);
    if (m_font)
        m_fontPoints = points;
    return rc;
}

long bookEdit::bookEditSetFont()
{
    if (!m_font)
        return E_UNEXPECTED;
    if (m_hWnd)
        SetFont(m_font);
    return 0;
}

long bookEdit::bookEditSetFont(CFontDialog* dialog)
{
    if (!dialog)
        return E_UNEXPECTED;
    long rc = viewFontFromDialog(&m_font, dialog);
    if (rc != 0)
        return rc;
    m_fontPoints = dialog->GetSize() / 10;
    return bookEditSetFont();
}

long bookEdit::bookEditOutputTitleString(CString titles)
{
    m_title = titles;
    return 0;
}

void bookEdit::bookEditAppend(const CString& text)
{
    if (!m_hWnd)
        return;
    CEdit& edit = GetEditCtrl();
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    int length = GetWindowTextLength();
    edit.SetSel(length, length, TRUE);
    edit.ReplaceSel(text);
    edit.SetSel(start, end, TRUE);
}

long bookEdit::bookEditSetMargins(unsigned top, unsigned bottom, unsigned left, unsigned right)
{
    m_marginTop = top;
    m_marginBottom = bottom;
    m_marginLeft = left;
    m_marginRight = right;
    return 0;
}

long bookEdit::bookEditSupplyHeaderLine(CString* line, CPrintInfo* info)
{
    if (line && info)
        line->Format("Header %u", info->m_nCurPage);
    return 0;
}

long bookEdit::bookEditSupplyFooterLine(CString* line, CPrintInfo* info)
{
    if (line && info)
        line->Format("Footer %u", info->m_nCurPage);
    return 0;
}

long bookEdit::bookEditSetPrinterFont(CFont* screenFont, CDC* dc)
{
    CFont* made = printerFontFrom(screenFont, dc, FW_DONTCARE, FALSE);
    if (!made)
        return E_FAIL;
    delete m_printerFont;
    m_printerFont = made;
    SetPrinterFont(m_printerFont);
    return 0;
}

long bookEdit::bookpagePrint()
{
    OnFilePrint();
    return 0;
}

long bookEdit::bookpagePrintPreview()
{
    OnFilePrintPreview();
    return 0;
}

void bookEdit::OnBeginPrinting(CDC* dc, CPrintInfo* info)
{
    // Pages are estimated from 10-point "Courier New" lines at the printer's resolution.
    m_printerLineHeight = lineHeightOf(dc, 10, "Courier New");
    m_totalLines = m_hWnd ? GetEditCtrl().GetLineCount() : 0;
    long lines = dc->GetDeviceCaps(VERTRES) / m_printerLineHeight - 1;
    lines -= (lines * 3) / m_printerLineHeight;
    lines -= m_headerLines + m_footerLines;
    m_linesPerPage = std::max(1L, lines);
    long pages = std::max(1L, (m_totalLines + m_linesPerPage - 1) / m_linesPerPage);
    info->SetMaxPage(static_cast<UINT>(pages));
    bookEditSetPrinterFont(m_font, dc);
    CEditView::OnBeginPrinting(dc, info);
}

void bookEdit::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    if (info) {
        CRect& rect = info->m_rectDraw;
        rect.top += static_cast<LONG>(m_marginTop);
        rect.bottom -= static_cast<LONG>(m_marginBottom);
        rect.left += static_cast<LONG>(m_marginLeft);
        rect.right -= static_cast<LONG>(m_marginRight);
        rect.bottom -= m_footerLines * m_printerLineHeight;
    }
    CEditView::OnPrepareDC(dc, info);
}

void bookEdit::OnPrint(CDC* dc, CPrintInfo* info)
{
    CFont* previous = m_printerFont ? dc->SelectObject(m_printerFont) : nullptr;
    if (m_headers)
        bookpagePrintHeader(dc, info);
    if (m_titles && info->m_nCurPage > 1)
        bookpagePrintTitle(dc, info);
    if (m_pageNumbering)
        bookpagePrintPageNumber(dc, info);
    CEditView::OnPrint(dc, info);
    if (m_footers)
        bookpagePrintFooter(dc, info);
    if (previous)
        dc->SelectObject(previous);
}

void bookEdit::OnEndPrinting(CDC* dc, CPrintInfo* info)
{
    CEditView::OnEndPrinting(dc, info);
    SetPrinterFont(nullptr);
    delete m_printerFont;
    m_printerFont = nullptr;
}

long bookEdit::bookpagePrintHeader(CDC* dc, CPrintInfo* info)
{
    CString line;
    bookEditSupplyHeaderLine(&line, info);
    long top = info->m_rectDraw.top;
    drawTextLines(dc, info->m_rectDraw.left, &top, m_printerLineHeight, line);
    // The header's line is kept also when it is empty.
    info->m_rectDraw.top += m_printerLineHeight;
    return 0;
}

long bookEdit::bookpagePrintTitle(CDC* dc, CPrintInfo* info)
{
    long top = info->m_rectDraw.top;
    drawTextLines(dc, info->m_rectDraw.left, &top, m_printerLineHeight, m_title);
    info->m_rectDraw.top = static_cast<int>(top + m_printerLineHeight);
    return 0;
}

long bookEdit::bookpagePrintPageNumber(CDC* dc, CPrintInfo* info)
{
    dc->TextOut(info->m_rectDraw.left, info->m_rectDraw.bottom, pageNumberText(info->m_nCurPage));
    return 0;
}

// The footer sits on the line under the page number.
long bookEdit::bookpagePrintFooter(CDC* dc, CPrintInfo* info)
{
    if (!m_pageNumbering)
        return 0;
    CString line;
    bookEditSupplyFooterLine(&line, info);
    dc->TextOut(info->m_rectDraw.left, info->m_rectDraw.bottom + m_printerLineHeight, line);
    return 0;
}
