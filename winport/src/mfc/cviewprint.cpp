// The framework's printing loop for views: the print and print-preview commands, the print
// dialog, and the page loop that calls the view's printing operations.
#include "qt/print/printpreview.h"
#include "printingwindow.h"
#include "afxview.h"
#include "cdc.h"

namespace {
// A print job's name: the caption of the view's top-level window, else "Document".
CString jobName(CWnd* view)
{
    CWnd* top = view->GetSafeHwnd() ? view->GetTopLevelParent() : nullptr;
    char caption[256] = {};
    if (top && top != view)
        ::GetWindowTextA(top->GetSafeHwnd(), caption, sizeof caption);
    return caption[0] ? CString(caption) : CString("Document");
}
}

BOOL CView::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }

void CView::OnBeginPrinting(CDC*, CPrintInfo*) { }

void CView::OnPrepareDC(CDC*, CPrintInfo* info)
{
    // Without a known page count a view prints one page.
    if (info)
        info->m_bContinuePrinting = info->GetMaxPage() != 0xFFFF || info->m_nCurPage == 1;
}

void CView::OnPrint(CDC* dc, CPrintInfo*) { OnDraw(dc); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) { }

void CView::OnEndPrintPreview(CDC*, CPrintInfo*, POINT, CView*) { }

BOOL CView::DoPreparePrinting(CPrintInfo* info)
{
    if (!info || !info->m_pPD)
        return FALSE;
    CPrintDialog& dialog = *info->m_pPD;
    dialog.m_pd.nFromPage = static_cast<WORD>(info->GetMinPage());
    dialog.m_pd.nToPage = static_cast<WORD>(info->GetMaxPage());
    if (dialog.m_pd.hDC) {
        ::DeleteDC(dialog.m_pd.hDC);
        dialog.m_pd.hDC = nullptr;
    }
    if (info->m_bPreview || info->m_bDirect) {
        if (!dialog.GetDefaults())
            return FALSE;
    } else {
        dialog.m_pParentWnd = this;
        if (dialog.DoModal() != IDOK)
            return FALSE;
    }
    return dialog.m_pd.hDC != nullptr;
}

int CView::printPages(CDC& dc, CPrintInfo& info, CPrintProgress* progress)
{
    UINT last = info.GetToPage();
    for (info.m_nCurPage = info.GetFromPage(); info.m_nCurPage <= last; ++info.m_nCurPage) {
        OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        if (progress && !progress->carryOn(info.m_nCurPage))
            return 1;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        if (dc.StartPage() < 0)
            return -1;
        // A new page starts with fresh device attributes: the view prepares it again.
        OnPrepareDC(&dc, &info);
        OnPrint(&dc, &info);
        if (dc.EndPage() < 0)
            return -1;
        if (info.m_nCurPage == 0xFFFF)
            break;
        // A view may learn its page count while printing.
        last = info.GetToPage();
    }
    return 0;
}

void CView::printJob(BOOL direct)
{
    CPrintInfo info;
    info.m_bDirect = direct;
    m_lastPrintResult = 1;
    if (!OnPreparePrinting(&info))
        return;
    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    dc.m_bPrinting = TRUE;
    OnBeginPrinting(&dc, &info);
    CString name = jobName(this);
    int result = -1;
    if (dc.StartDoc(name.GetString()) > 0) {
        CPrintProgress progress(GetSafeHwnd(), name);
        result = printPages(dc, info, &progress);
        if (result == 0)
            result = dc.EndDoc() > 0 ? 0 : -1;
        else
            dc.AbortDoc(); // nothing of a cancelled or failed job is left behind
    }
    OnEndPrinting(&dc, &info);
    dc.Detach();
    m_lastPrintResult = result;
    if (result < 0)
        ::MessageBoxA(
            GetSafeHwnd(), "Failed to start print job.", "Print", MB_OK | MB_ICONEXCLAMATION);
}

void CView::OnFilePrint() { printJob(FALSE); }

void CView::OnFilePrintPreview()
{
    CPrintInfo info;
    info.m_bPreview = TRUE;
    m_lastPrintResult = 1;
    if (!OnPreparePrinting(&info))
        return;
    bool print = false;
    auto render = [this, &info](HDC pages) {
        CDC dc;
        dc.Attach(pages);
        dc.m_bPrinting = TRUE;
        info.m_bContinuePrinting = TRUE;
        OnBeginPrinting(&dc, &info);
        if (dc.StartDoc("Print Preview") > 0) {
            printPages(dc, info, nullptr);
            dc.EndDoc();
        }
        OnEndPrinting(&dc, &info);
        info.m_nNumPreviewPages = info.m_nCurPage - 1;
        dc.Detach();
    };
    bool shown = winport::runPrintPreview(GetSafeHwnd(), info.m_pPD->m_pd.hDC, render, &print);
    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    OnEndPrintPreview(&dc, &info, POINT {}, this);
    dc.Detach();
    m_lastPrintResult = shown ? 0 : -1;
    if (print)
        OnFilePrint();
}
