// The demo's report page: a meter readings report in a rich-edit report view (report marker,
// titles repeated on continuation pages, a page break, a totals block) over a plain text in an
// edit view, and the Report menu that prints, previews and sets the font of the view in use.
#pragma once

#include "demopages.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

enum demoReportId : UINT {
    demoReportViewId = 2030,
    demoReportTextId,
    demoReportPrintCommand = 3101,
    demoReportPreviewCommand,
    demoReportFontCommand,
};

class demoReportPage : public demoPage {
public:
    demoReportPage(book* owner, unsigned int index, long* status);
    ~demoReportPage() override;

    long bookpageCreate() override;
    long bookpageDestroy() override;

    // Adds the Report menu to the frame's menu bar.
    static void demoReportMenu(CWnd* frame);
    // Runs a Report menu command on the view in use (the text when it has the focus, else the
    // report); FALSE for other commands.
    BOOL demoReportCommand(UINT id);
    bookRichEdit& demoReportView() { return m_report; }
    bookEdit& demoReportText() { return m_text; }

private:
    void layout(const CRect& area) override;
    std::vector<CWnd*> windows() override;
    void writeReport();

    bookRichEdit m_report;
    bookEdit m_text;
};
