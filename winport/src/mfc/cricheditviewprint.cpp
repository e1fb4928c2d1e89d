// CRichEditView's printing: pages are ranges of the control formatted onto the printer; the table
// of page starts grows as pages are printed.
#include "afxrich.h"
#include "cdc.h"

CRect CRichEditView::GetPrintRect() const
{
    return CRect(m_rectMargin.left, m_rectMargin.top, m_sizePaper.cx - m_rectMargin.right,
        m_sizePaper.cy - m_rectMargin.bottom);
}

CRect CRichEditView::GetPageRect() const { return CRect(0, 0, m_sizePaper.cx, m_sizePaper.cy); }

long CRichEditView::PrintPage(CDC* dc, long first, long last)
{
    FORMATRANGE range {};
    range.hdc = dc->GetSafeHdc();
    range.hdcTarget = dc->m_hAttribDC ? dc->m_hAttribDC : dc->GetSafeHdc();
    range.rc = GetPrintRect();
    range.rcPage = GetPageRect();
    range.chrg.cpMin = first;
    range.chrg.cpMax = last;
    long next = GetRichEditCtrl().FormatRange(&range, TRUE);
    GetRichEditCtrl().FormatRange(nullptr, FALSE);
    return next;
}

void CRichEditView::OnBeginPrinting(CDC* dc, CPrintInfo* info)
{
    CCtrlView::OnBeginPrinting(dc, info);
    m_aPageStart.assign(1, 0);
}

void CRichEditView::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    CCtrlView::OnPrepareDC(dc, info);
    if (!info)
        return;
    size_t page = info->m_nCurPage;
    long length = m_hWnd ? GetRichEditCtrl().GetTextLengthEx(GTL_DEFAULT) : 0;
    info->m_bContinuePrinting = page >= 1 && page <= m_aPageStart.size()
        && (m_aPageStart[page - 1] < length || page == 1);
}

void CRichEditView::OnPrint(CDC* dc, CPrintInfo* info)
{
    size_t page = info->m_nCurPage;
    if (page < 1 || page > m_aPageStart.size())
        return;
    // Positions are on the paper: move the origin back over the part the printer cannot reach.
    dc->SetViewportOrg(-dc->GetDeviceCaps(PHYSICALOFFSETX), -dc->GetDeviceCaps(PHYSICALOFFSETY));
    long next = PrintPage(dc, m_aPageStart[page - 1], -1);
    long length = GetRichEditCtrl().GetTextLengthEx(GTL_DEFAULT);
    if (page == m_aPageStart.size() && next < length) {
        m_aPageStart.push_back(next);
        if (info->GetMaxPage() != 0xFFFF && page >= info->GetMaxPage())
            info->SetMaxPage(static_cast<UINT>(page + 1));
    }
}

void CRichEditView::OnEndPrinting(CDC* dc, CPrintInfo* info)
{
    m_aPageStart.clear();
    CCtrlView::OnEndPrinting(dc, info);
}
