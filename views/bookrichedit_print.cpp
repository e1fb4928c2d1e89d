// bookRichEdit's printing: page-break markers end pages and never reach paper, every page after
// the first repeats the running report's titles, and a "Page n" line closes each page when page
// numbering is on. The rich edit control formats each page onto the printer inside margins given
// in inches.
#include "views/bookrichedit.h"
#include "views/printlines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
const char kPageBreakText[] = "[-[PAGE-BREAK]-]\f\r\n";
const char kPageBreakHead[] = "[-[PAGE-BREAK]-]";
// The marker as the control stores it: its line end is one position.
const long kPageBreakLength = static_cast<long>(sizeof kPageBreakHead - 1) + 2;
const long kMaxPageBreaks = 1000;
const char kTotals[] = " Totals --";
const long kWindow = 32768;
}

long bookRichEdit::textLength()
{
    return m_hWnd ? GetRichEditCtrl().GetTextLengthEx(GTL_DEFAULT) : 0;
}

long bookRichEdit::findText(long from, long to, const char* needle)
{
    long length = textLength();
    if (to < 0 || to > length)
        to = length;
    long size = static_cast<long>(std::strlen(needle));
    CRichEditCtrl& edit = GetRichEditCtrl();
    for (long at = std::max(0L, from); at < to; at += kWindow) {
        long last = std::min(to, at + kWindow + size - 1);
        CString text;
        edit.GetTextRange(static_cast<int>(at), static_cast<int>(last), text);
        int found = text.Find(needle);
        if (found >= 0)
            return at + found;
    }
    return -1;
}

void bookRichEdit::insertPageBreakAt(long position)
{
    CRichEditCtrl& edit = GetRichEditCtrl();
    m_guard = 1;
    edit.SetSel(position, position);
    edit.ReplaceSel(kPageBreakText);
    setFormat(position, position + kPageBreakLength, CFM_BOLD | CFM_ITALIC | CFM_PROTECTED,
        CFE_BOLD | CFE_ITALIC | CFE_PROTECTED);
    m_guard = 0;
}

long bookRichEdit::PageBreakInsert()
{
    if (!m_hWnd)
        return E_UNEXPECTED;
    SendMessage(EM_SETEVENTMASK, 0, SendMessage(EM_GETEVENTMASK) | ENM_PROTECTED);
    long start = 0;
    long end = 0;
    GetRichEditCtrl().GetSel(start, end);
    insertPageBreakAt(start);
    GetRichEditCtrl().SetSel(start + kPageBreakLength, start + kPageBreakLength);
    return 0;
}

BOOL bookRichEdit::IsPageBreak()
{
    if (!m_hWnd)
        return FALSE;
    long start = 0;
    long end = 0;
    GetRichEditCtrl().GetSel(start, end);
    CString text;
    GetRichEditCtrl().GetTextRange(
        static_cast<int>(start), static_cast<int>(start + kPageBreakLength), text);
    return text.Find(kPageBreakHead) == 0;
}

long bookRichEdit::PageBreakDelete()
{
    if (!IsPageBreak())
        return E_FAIL;
    long start = 0;
    long end = 0;
    CRichEditCtrl& edit = GetRichEditCtrl();
    edit.GetSel(start, end);
    m_guard = 1;
    edit.SetSel(start, start + kPageBreakLength);
    edit.ReplaceSel("");
    m_guard = 0;
    return 0;
}

long bookRichEdit::PageBreakCount(long start, long end)
{
    long count = 0;
    for (long at = findText(start, end, kPageBreakHead); at >= 0;
         at = findText(at + kPageBreakLength, end, kPageBreakHead))
        ++count;
    return count;
}

long bookRichEdit::PageBreakFind(long start, long* end)
{
    if (!m_hWnd)
        return -1;
    CRichEditCtrl& edit = GetRichEditCtrl();
    long selStart = 0;
    long selEnd = 0;
    edit.GetSel(selStart, selEnd);
    long found = findText(start, end ? *end : -1, kPageBreakHead);
    if (found >= 0) {
        m_guard = 1;
        setFormat(found, found + kPageBreakLength, CFM_PROTECTED, 0);
        edit.SetSel(found, found + kPageBreakLength);
        edit.ReplaceSel("");
        m_guard = 0;
        m_removedBreaks.push_back(found);
    }
    edit.SetSel(selStart, selEnd);
    return found;
}

long bookRichEdit::PageBreakReplace(long position)
{
    if (!m_hWnd)
        return E_UNEXPECTED;
    insertPageBreakAt(position);
    // The marker is back where it was taken out: it is no longer owed to the text.
    auto it = std::find(m_removedBreaks.rbegin(), m_removedBreaks.rend(), position);
    if (it != m_removedBreaks.rend())
        m_removedBreaks.erase(std::next(it).base());
    return 0;
}

long bookRichEdit::PageBreaksReplaceInit()
{
    std::free(m_pageBreaks);
    m_pageBreaks = nullptr;
    m_pageBreakCount = 0;
    m_removedBreaks.clear();
    if (!m_hWnd)
        return 0;
    std::vector<long> found;
    for (long at = findText(0, -1, kPageBreakHead); at >= 0;
         at = findText(at + kPageBreakLength, -1, kPageBreakHead))
        found.push_back(at);
    m_pageBreaks
        = static_cast<PageBreakRecord*>(std::calloc(found.size() + 1, sizeof(PageBreakRecord)));
    if (!m_pageBreaks)
        return E_OUTOFMEMORY;
    for (long position : found) {
        if (m_pageBreakCount >= kMaxPageBreaks)
            break;
        PageBreaksReplaceInsert(position);
    }
    return 0;
}

long bookRichEdit::PageBreaksReplaceInsert(long position)
{
    if (!m_pageBreaks || m_pageBreakCount >= kMaxPageBreaks)
        return E_FAIL;
    PageBreakRecord& record = m_pageBreaks[m_pageBreakCount++];
    record.start = position;
    record.end = position + kPageBreakLength;
    record.line = GetRichEditCtrl().LineFromChar(position);
    return 0;
}

long bookRichEdit::PageBreaksReplace()
{
    if (!m_hWnd)
        return 0;
    // The markers taken out are put back last first, each where it was taken out; markers past
    // the recorded ones are not.
    for (size_t i = m_removedBreaks.size(); i-- > 0;) {
        if (static_cast<long>(i) < m_pageBreakCount)
            insertPageBreakAt(m_removedBreaks[i]);
    }
    m_removedBreaks.clear();
    return 0;
}

long bookRichEdit::ReportIDFind(long start, long end, long* position)
{
    long at = start;
    for (;;) {
        at = findText(at, end, "[-[");
        if (at < 0)
            return -1;
        CString text;
        GetRichEditCtrl().GetTextRange(static_cast<int>(at), static_cast<int>(at + 32), text);
        int close = text.Find("]-]");
        if (text.Find("[-[P") != 0 && close > 3) {
            if (position)
                *position = at;
            return std::atol(text.Mid(3, close - 3));
        }
        at += 3;
    }
}

long bookRichEdit::ReportIDFindLast(long start, long end, long* position)
{
    long id = m_reportId;
    long last = -1;
    for (long at = start;;) {
        long where = -1;
        long found = ReportIDFind(at, end, &where);
        if (where < 0 || (end >= 0 && where > end))
            break;
        id = found;
        last = where;
        at = where + 3;
    }
    if (position)
        *position = last;
    long from = last >= 0 ? last : start;
    if (findText(from, end, kTotals) >= 0)
        return -1;
    return id;
}

long bookRichEdit::bookEditSetMargins(double top, double bottom, double left, double right)
{
    m_marginTop = std::lround(top * 1440);
    m_marginBottom = std::lround(bottom * 1440);
    m_marginLeft = std::lround(left * 1440);
    m_marginRight = std::lround(right * 1440);
    m_marginRect = CRect(static_cast<int>(m_marginLeft), static_cast<int>(m_marginTop),
        static_cast<int>(m_marginRight), static_cast<int>(m_marginBottom));
    SetMargins(m_marginRect);
    return 0;
}

long bookRichEdit::bookEditGetMargins(double* top, double* bottom, double* left, double* right)
{
    if (top)
        *top = m_marginTop;
    if (bottom)
        *bottom = m_marginBottom;
    if (left)
        *left = m_marginLeft;
    if (right)
        *right = m_marginRight;
    return 0;
}

long bookRichEdit::bookEditDirectPrint(int on)
{
    m_directPrint = on;
    return 0;
}

long bookRichEdit::bookEditPrintCancelled(int on)
{
    m_printCancelled = on;
    return 0;
}

long bookRichEdit::bookpagePrint()
{
    OnFilePrint();
    ::Sleep(1500);
    return 0;
}

long bookRichEdit::bookpagePrintPreview()
{
    OnFilePrintPreview();
    return 0;
}

CFont* bookRichEdit::bookEditSetPrinterFont(CFont* screenFont, CDC* dc)
{
    CFont* made = printerFontFrom(screenFont, dc, FW_DONTCARE, FALSE);
    if (!made)
        return nullptr;
    delete m_printerFont;
    m_printerFont = made;
    delete m_printerFontBold;
    m_printerFontBold = printerFontFrom(screenFont, dc, FW_BOLD, FALSE);
    delete m_printerFontBoldUnderline;
    m_printerFontBoldUnderline = printerFontFrom(screenFont, dc, FW_BOLD, TRUE);
    CFont* previous = dc->SelectObject(m_printerFont);
    TEXTMETRICA metrics {};
    dc->GetTextMetrics(&metrics);
    m_deviceLineHeight = std::max<long>(1, metrics.tmHeight + metrics.tmExternalLeading);
    m_printerLineHeight = 4 * m_deviceLineHeight;
    return previous;
}

BOOL bookRichEdit::OnPreparePrinting(CPrintInfo* info)
{
    m_printCancelled = 0;
    bool marked = false;
    if (m_directPrint && !info->m_bPreview) {
        info->m_bDirect = TRUE;
        info->m_bPreview = TRUE;
        marked = true;
    }
    if (!DoPreparePrinting(info)) {
        m_printCancelled = 1;
        return FALSE;
    }
    if (marked) {
        info->m_bDirect = FALSE;
        info->m_bPreview = FALSE;
    }
    return TRUE;
}

void bookRichEdit::OnBeginPrinting(CDC* dc, CPrintInfo* info)
{
    GetRichEditCtrl().GetSel(m_savedSelection[0], m_savedSelection[1]);
    CRichEditView::OnBeginPrinting(dc, info);
    DEVMODEA* mode = info->m_pPD ? info->m_pPD->GetDevMode() : nullptr;
    m_landscape
        = mode && (mode->dmFields & DM_ORIENTATION) && mode->dmOrientation == DMORIENT_LANDSCAPE;
    if (m_landscape) {
        CSize paper = GetPaperSize();
        SetPaperSize(CSize(paper.cy, paper.cx));
        WrapChanged();
    }
    PageBreaksReplaceInit();
    m_previousFont = bookEditSetPrinterFont(m_font, dc);
    m_physicalX = dc->GetDeviceCaps(PHYSICALOFFSETX);
    m_physicalY = dc->GetDeviceCaps(PHYSICALOFFSETY);
    CRect margins = GetMargins();
    m_marginRect = margins;
    m_marginTop = margins.top;
    m_marginBottom = margins.bottom;
    m_marginLeft = margins.left;
    m_marginRight = margins.right;
    m_savedReportId = m_reportId;
    m_savedTitle = m_title;
    m_reportId = -1;
    m_title.Empty();
    // The estimate; the table of page starts is what printing follows.
    long lineHeight = std::max(1L, m_printerLineHeight);
    long linesPerPage = std::max(1L, GetPageRect().Height() / lineHeight);
    long lines = m_hWnd ? GetRichEditCtrl().GetLineCount() : 0;
    long pages = lines > linesPerPage ? (lines + linesPerPage - 1) / linesPerPage : 1;
    info->SetMaxPage(static_cast<UINT>(pages + m_pageBreakCount));
}

void bookRichEdit::OnPrint(CDC* dc, CPrintInfo* info)
{
    size_t page = info->m_nCurPage;
    if (page < 1 || page > m_aPageStart.size())
        return;
    SetMargins(m_marginRect);
    dc->SetViewportOrg(-m_physicalX, -m_physicalY);
    long start = m_aPageStart[page - 1];
    long end = -1;
    long length = textLength();
    long marker = PageBreakFind(start, &length);
    if (marker >= 0)
        end = marker;
    if (m_titles && page > 1)
        bookpagePrintTitle(dc, info);
    if (m_pageNumbering)
        bookpagePrintPageNumber(dc, info);
    long next = PrintPage(dc, info, start, end);
    if (marker >= 0 && next < marker)
        PageBreakReplace(marker);
    m_reportId = ReportIDFindLast(start, next, nullptr);
    if (m_reportId == -1)
        m_title.Empty();
    if (page == m_aPageStart.size() && next < textLength()) {
        m_aPageStart.push_back(next);
        if (page >= info->GetMaxPage())
            info->SetMaxPage(static_cast<UINT>(page + 1));
    }
    // Lines printed around the text took room from this page only.
    SetMargins(m_marginRect);
}

void bookRichEdit::OnEndPrinting(CDC* dc, CPrintInfo* info)
{
    PageBreaksReplace();
    if (m_previousFont)
        dc->SelectObject(m_previousFont);
    m_previousFont = nullptr;
    CRichEditView::OnEndPrinting(dc, info);
    m_reportId = m_savedReportId;
    m_title = m_savedTitle;
    delete m_printerFont;
    m_printerFont = nullptr;
    delete m_printerFontBold;
    m_printerFontBold = nullptr;
    delete m_printerFontBoldUnderline;
    m_printerFontBoldUnderline = nullptr;
    if (m_landscape) {
        CSize paper = GetPaperSize();
        SetPaperSize(CSize(paper.cy, paper.cx));
        WrapChanged();
        m_landscape = 0;
    }
    // The markers are back, so the positions are those of the user's selection again.
    GetRichEditCtrl().SetSel(m_savedSelection[0], m_savedSelection[1]);
}

long bookRichEdit::PrintPage(CDC* dc, CPrintInfo*, long start, long end)
{
    return CRichEditView::PrintPage(dc, start, end);
}

// Positions are on the paper (the origin was moved back over the physical offsets). Lines start at
// the left margin, so that title columns stand over the report's columns.
long bookRichEdit::PrintLine(CDC* dc, CPrintInfo* info, CString text, int where)
{
    int dpi = std::max(1, dc->GetDeviceCaps(LOGPIXELSY));
    int dpiX = std::max(1, dc->GetDeviceCaps(LOGPIXELSX));
    long step = m_deviceLineHeight;
    CRect margins = GetMargins();
    int x = static_cast<int>(static_cast<long>(margins.left) * dpiX / 1440);
    bool top = where == 1;
    long y = top ? static_cast<long>(margins.top) * dpi / 1440 + step / 2
                 : static_cast<long>(GetPageRect().Height() - margins.bottom) * dpi / 1440 - step;
    long start = y;
    long drawn = drawTextLines(dc, x, &y, top ? step : -step, text);
    // Every line drawn takes its height off the formatting area, on the paper and in the view.
    long taken = top ? y - start : start - y;
    long takenTwips = (taken / std::max(1L, step)) * (step * 1440 / dpi);
    if (top) {
        info->m_rectDraw.top += static_cast<int>(taken);
        margins.top += static_cast<int>(takenTwips);
    } else {
        info->m_rectDraw.bottom -= static_cast<int>(taken);
        margins.bottom += static_cast<int>(takenTwips);
    }
    SetMargins(margins);
    return drawn;
}

long bookRichEdit::bookpagePrintTitle(CDC* dc, CPrintInfo* info)
{
    if (m_reportId != -1) {
        CString titles = ReportIDSupplyTitles(m_reportId);
        if (!titles.IsEmpty())
            m_title = titles;
    }
    if (m_title.IsEmpty())
        return 0;
    CFont* previous
        = m_printerFontBoldUnderline ? dc->SelectObject(m_printerFontBoldUnderline) : nullptr;
    PrintLine(dc, info, m_title, 1);
    if (previous)
        dc->SelectObject(previous);
    int dpi = std::max(1, dc->GetDeviceCaps(LOGPIXELSY));
    CRect margins = GetMargins();
    margins.top += m_deviceLineHeight * 1440 / dpi;
    SetMargins(margins);
    info->m_rectDraw.top += m_deviceLineHeight;
    return 0;
}

long bookRichEdit::bookpagePrintPageNumber(CDC* dc, CPrintInfo* info)
{
    CFont* previous = m_printerFontBold ? dc->SelectObject(m_printerFontBold) : nullptr;
    PrintLine(dc, info, pageNumberText(info->m_nCurPage), 2);
    if (previous)
        dc->SelectObject(previous);
    return 0;
}

long bookRichEdit::bookpagePrintHeader(CDC* dc, CPrintInfo*)
{
    CFont* previous = m_printerFontBold ? dc->SelectObject(m_printerFontBold) : nullptr;
    if (previous)
        dc->SelectObject(previous);
    return 0;
}

long bookRichEdit::bookpagePrintFooter(CDC* dc, CPrintInfo*)
{
    CFont* previous = m_printerFontBold ? dc->SelectObject(m_printerFontBold) : nullptr;
    if (previous)
        dc->SelectObject(previous);
    return 0;
}
