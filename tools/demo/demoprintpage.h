// The demo's printing page: a meter readings report in a rich-edit report view (report marker,
// titles repeated on continuation pages, a page break, a totals block) over a plain text in an
// edit view, and the Print menu that prints, previews and sets the font of the view in use.
#pragma once

#include "demopages.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

enum demoPrintId : UINT {
    demoPrintReportId = 2040,
    demoPrintTextId,
    demoPrintPageCommand = 3131,
    demoPrintPagePreviewCommand,
    demoPrintPageFontCommand,
};

class demoPrintPage : public demoPage {
public:
    demoPrintPage(book* owner, unsigned int index, long* status);
    ~demoPrintPage() override;

    long bookpageCreate() override;
    long bookpageDestroy() override;

    // Adds the Print menu to the frame's menu bar.
    static void demoPrintMenu(CWnd* frame);
    // Runs a Print menu command on the view in use (the text when it has the focus, else the
    // report); FALSE for other commands.
    BOOL demoPrintRun(UINT id);
    bookRichEdit& demoPrintReport() { return m_report; }
    bookEdit& demoPrintText() { return m_text; }

private:
    void layout(const CRect& area) override;
    std::vector<CWnd*> windows() override;
    void writeReport();

    bookRichEdit m_report;
    bookEdit m_text;
};
