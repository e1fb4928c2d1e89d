#include "demoprintpage.h"

#include <afxdlgs.h>

demoPrintPage::demoPrintPage(book* owner, unsigned int index, long* status)
    : demoPage(owner, "Printing", index, status)
{
    long result = bookpageInit(const_cast<char*>("Printing"), index);
    if (status)
        *status = result;
}

demoPrintPage::~demoPrintPage() { demoPrintPage::bookpageDestroy(); }

long demoPrintPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    CRect cell(0, 0, 100, 100);
    if (!m_report.Create(nullptr, nullptr, WS_CHILD | WS_BORDER, cell, owner, demoPrintReportId)
        || !m_text.Create(nullptr, nullptr, WS_CHILD | WS_BORDER, cell, owner, demoPrintTextId)) {
        bookpageDestroy();
        return E_FAIL;
    }
    m_report.bookEditSetFont();
    m_report.bookEditSetPageNumbering(1);
    m_report.bookEditSetMargins(0.75, 0.75, 0.75, 0.75);
    m_text.bookEditSetPageNumbering(1);
    m_text.bookEditSetHeaders(1);
    m_text.bookEditSetFooters(1);
    writeReport();
    return 0;
}

long demoPrintPage::bookpageDestroy()
{
    for (CWnd* window : windows())
        if (window->GetSafeHwnd())
            window->DestroyWindow();
    return 0;
}

// Eighty meters with their readings: a page break after the fiftieth, then the totals.
void demoPrintPage::writeReport()
{
    m_report.ReportIDInsert(1, "Meter      Reading    Volume\r\n---------- ---------- ----------");
    CString text = "Water year 2026: meter readings of the north district.\r\n\r\n";
    long total = 0;
    for (int meter = 1; meter <= 80; ++meter) {
        long volume = (meter * 37) % 500 + 25;
        total += volume;
        CString line;
        line.Format("M-%05d    %10ld %10ld\r\n", meter, 10000L + meter * 113L, volume);
        m_report.bookRichEditAppend(line, 0, true);
        text += line;
        if (meter == 50) {
            long end = m_report.GetRichEditCtrl().GetTextLengthEx(GTL_DEFAULT);
            m_report.GetRichEditCtrl().SetSel(end, end);
            m_report.PageBreakInsert();
        }
    }
    CString totals;
    totals.Format(" Totals -------------------------\r\n%32ld\r\n", total);
    m_report.bookRichEditAppend(totals, 0, true);
    m_report.GetRichEditCtrl().SetSel(0, 0);
    m_text.bookEditOutputTitleString("Meter      Reading    Volume");
    m_text.bookEditSetTitles(1);
    m_text.SetWindowText(text + totals);
}

void demoPrintPage::layout(const CRect& area)
{
    int split = area.top + area.Height() * 3 / 5;
    m_report.MoveWindow(area.left, area.top, area.Width(), split - area.top - 4);
    m_text.MoveWindow(area.left, split, area.Width(), area.bottom - split);
}

std::vector<CWnd*> demoPrintPage::windows() { return { &m_report, &m_text }; }

void demoPrintPage::demoPrintMenu(CWnd* frame)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, demoPrintPageCommand, "&Print...");
    menu.AppendMenu(MF_STRING, demoPrintPagePreviewCommand, "Print Pre&view");
    menu.AppendMenu(MF_SEPARATOR, 0, nullptr);
    menu.AppendMenu(MF_STRING, demoPrintPageFontCommand, "&Font...");
    HMENU bar = ::GetMenu(frame->m_hWnd);
    if (!bar)
        return;
    ::AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu.Detach()), "&Print");
    ::DrawMenuBar(frame->m_hWnd);
}

BOOL demoPrintPage::demoPrintRun(UINT id)
{
    if (id != demoPrintPageCommand && id != demoPrintPagePreviewCommand
        && id != demoPrintPageFontCommand)
        return FALSE;
    if (!m_report.GetSafeHwnd())
        return TRUE;
    bool text = ::GetFocus() == m_text.GetSafeHwnd();
    switch (id) {
    case demoPrintPageCommand:
        if (text)
            m_text.bookpagePrint();
        else
            m_report.OnFilePrint(); // without the pause that follows bookpagePrint
        break;
    case demoPrintPagePreviewCommand:
        if (text)
            m_text.bookpagePrintPreview();
        else
            m_report.bookpagePrintPreview();
        break;
    default: {
        CFontDialog dialog;
        if (dialog.DoModal() == IDOK) {
            if (text)
                m_text.bookEditSetFont(&dialog);
            else
                m_report.bookEditSetFont(&dialog);
        }
        break;
    }
    }
    return TRUE;
}
