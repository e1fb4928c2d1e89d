// The demo's report page: a report SQL file of the sample database run through the report writer
// into the rich-edit report view, with the date line and totals, when the page is first shown.
#pragma once

#include "demopages.h"
#include "views/bookrichedit.h"

#include <string>

enum : UINT { demoReportHeadingId = 2030, demoReportViewId };

class demoReportPage : public demoPage {
public:
    demoReportPage(book* owner, unsigned int index, long* status, const std::string& sqlFile);
    ~demoReportPage() override;

    long bookpageCreate() override;
    long bookpageDestroy() override;
    long bookpageChange() override;

    // Runs the file's SQL into the view again: 0, or the reason in the view and a failure code.
    long demoReportRun();
    bookRichEdit& demoReportView() { return m_view; }

    // "meter-readings.sql" in the reports folder installed beside the tools
    // (share/tessilo40/reports, also in the build tree).
    static std::string demoReportDefaultFile();

private:
    void layout(const CRect& area) override;
    std::vector<CWnd*> windows() override;

    CStatic m_heading;
    bookRichEdit m_view;
    std::string m_sqlFile;
    bool m_ran = false;
};
