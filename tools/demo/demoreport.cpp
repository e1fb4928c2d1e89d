#include "demoreport.h"

#include <afxdlgs.h>

demoReportPage::demoReportPage(book* owner, unsigned int index, long* status)
    : demoPage(owner, "Report", index, status)
{
    long result = bookpageInit(const_cast<char*>("Report"), index);
    if (status)
        *status = result;
}

demoReportPage::~demoReportPage() { demoReportPage::bookpageDestroy(); }

long demoReportPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    CRect cell(0, 0, 100, 100);
    if (!m_report.Create(nullptr, nullptr, WS_CHILD | WS_BORDER, cell, owner, demoReportViewId)
        || !m_text.Create(nullptr, nullptr, WS_CHILD | WS_BORDER, cell, owner, demoReportTextId)) {
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

long demoReportPage::bookpageDestroy()
{
    for (CWnd* window : windows())
        if (window->GetSafeHwnd())
            window->DestroyWindow();
    return 0;
}

// Eighty meters with their readings: a page break after the fiftieth, then the totals.
void demoReportPage::writeReport()
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

void demoReportPage::layout(const CRect& area)
{
    int split = area.top + area.Height() * 3 / 5;
    m_report.MoveWindow(area.left, area.top, area.Width(), split - area.top - 4);
    m_text.MoveWindow(area.left, split, area.Width(), area.bottom - split);
}

std::vector<CWnd*> demoReportPage::windows() { return { &m_report, &m_text }; }

void demoReportPage::demoReportMenu(CWnd* frame)
{
    CMenu report;
    report.CreatePopupMenu();
    report.AppendMenu(MF_STRING, demoReportPrintCommand, "&Print...");
    report.AppendMenu(MF_STRING, demoReportPreviewCommand, "Print Pre&view");
    report.AppendMenu(MF_SEPARATOR, 0, nullptr);
    report.AppendMenu(MF_STRING, demoReportFontCommand, "&Font...");
    HMENU bar = ::GetMenu(frame->m_hWnd);
    if (!bar)
        return;
    ::AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(report.Detach()), "&Report");
    ::DrawMenuBar(frame->m_hWnd);
}

BOOL demoReportPage::demoReportCommand(UINT id)
{
    if (id != demoReportPrintCommand && id != demoReportPreviewCommand
        && id != demoReportFontCommand)
        return FALSE;
    if (!m_report.GetSafeHwnd())
        return TRUE;
    bool text = ::GetFocus() == m_text.GetSafeHwnd();
    switch (id) {
    case demoReportPrintCommand:
        if (text)
            m_text.bookpagePrint();
        else
            m_report.OnFilePrint(); // without the pause that follows bookpagePrint
        break;
    case demoReportPreviewCommand:
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
